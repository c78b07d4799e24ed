// Reading one edited grid row back into its table, and the computed cells of a row.
// The grid calls the readers on every change of an input cell's text, so the table and
// the statistics follow each keystroke.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tables/table_data.h"

namespace tables {

// The computed cells of a one-variable row: the class mark (grouped data only) and the
// power products n x, n x², n x³, n x⁴ (x the value or the class mark). "" where there is
// nothing to show or the value cannot be computed.
struct DerivedCells1V {
  std::string XM, XN, X2N, X3N, X4N;
  bool operator==(const DerivedCells1V&) const = default;
};

// The computed cells of a two-variable row: n X, n Y, n X², n Y², n X Y, with X and Y the
// values or their logarithms as the model requires.
struct DerivedCells2V {
  std::string XN, YN, X2N, Y2N, XYN;
  bool operator==(const DerivedCells2V&) const = default;
};

// Reads visible grid row index (1..12, data row Top1V + index - 1) from the texts of its
// input cells into the table, grows the table when its last row is edited (one empty row
// always follows), and recomputes the statistics through the view. Returns the row's
// computed cells. A row at or beyond the row limit is refused with the row-limit message:
// nothing changes and nothing is returned, so the computed cells keep their texts.
// A blank text is an empty cell; x2Text is ignored for ungrouped data.
std::optional<DerivedCells1V> LeerITEM1V(Table1V& table, int index, const std::string& x1Text,
                                         const std::string& x2Text, const std::string& nText);

// The same for the two-variable table. A value that is not 0 but smaller in magnitude
// than 1E-300 is stored as an empty cell.
std::optional<DerivedCells2V> LeerITEM2V(Table2V& table, int index, const std::string& xText,
                                         const std::string& yText, const std::string& nText);

// The computed cells of data row `row` from the values stored in the table, for a grid
// that refills its rows.
DerivedCells1V DerivedCellsOf1V(const Table1V& table, int32_t row);
DerivedCells2V DerivedCellsOf2V(const Table2V& table, int32_t row);

}  // namespace tables
