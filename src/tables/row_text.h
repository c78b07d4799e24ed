// The texts of table cells: the fields of data files and clipboard text, and the input
// cells of the grids. Three number texts exist and must not be mixed up:
//  - fields: "<N>" for an empty cell, else the number with its leading blank (" 2.5",
//    " .5", "-3", " 1.5E-07"), exact to the last bit, so a table reads back unchanged;
//  - grid input cells: "" for an empty cell, else the number without the blank (".5");
//  - computed grid cells: FormatoCifras with 10 digits ("0.5"), see row_reading.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table_ref.h"

namespace tables {

// The text of a cell in data files and clipboard text. Values that have 15 significant
// digits or fewer (everything typed as a plain number) are written exactly as StrNumero
// writes them; other values get the few more digits that read back to the same double.
// -0 is written " 0".
std::string FieldText(double value);

// The text of a grid input cell: "" for an empty cell.
std::string InputCellText(double value);

// Rows read from a data file or a clipboard text, before they go into a table.
struct RowBlock {
  int32_t count = 0;
  std::vector<double> col[3];  // rows 0..count-1
};

}  // namespace tables

namespace tables::detail {

// Appends rows lo..hi, one line each: three fields, each followed by a blank, then CRLF.
void AppendRowLines(std::string& out, const Columns& cols, int32_t lo, int32_t hi);

enum class RowTextStatus {
  WrongMarker,  // does not begin with the marker
  Malformed,    // a missing line end or field, a field too large for a double, a count
                // that is not a number or is below minCount
  TooLarge,     // a count above the row limit
  Ok,
};

// Reads text of the form: marker, header line (the count first), CRLF, then count lines
// of three blank-separated fields, each ended by CRLF; anything after them is ignored. A
// field "<N>" is an empty cell; any other field is read by ValNumero ("abc" is 0), and one
// too large for a double ("1E400") makes the text Malformed. header
// gets the trimmed header line. Nothing is read past a count above the row limit.
RowTextStatus ReadRowText(std::string_view text, std::string_view marker, int64_t minCount,
                          std::string_view& header, RowBlock& rows);

}  // namespace tables::detail
