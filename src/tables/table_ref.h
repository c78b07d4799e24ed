// The one- and two-variable tables are one design with different names. TableRef gives
// the commands one way to reach either table's columns and state, so each command is
// written once; the public functions with the tables' own names forward to it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table_data.h"
#include "tables/table_view.h"

namespace tables::detail {

// What tells the two tables apart, beyond their field names.
struct TableTraits {
  std::string_view selectionMarker;  // first 10 characters of the clipboard text
  std::string_view fileMarker;       // first 10 characters of a data file
  const std::string_view* kindCodes;  // the kind or model codes of a file header, by index
  int16_t kindCount;
  std::string_view saveTitle;  // title of the save question
  int task;                    // the main window's task of the table
  bool twoVariable;
};

extern const TableTraits kTraits1V;
extern const TableTraits kTraits2V;

// A table's three columns, for reading.
using Columns = std::array<const std::vector<double>*, 3>;

struct TableRef {
  const TableTraits& traits;
  std::vector<double>* col[3];
  int32_t& N;
  int16_t& kind;  // DataType1V or RegType2V
  std::string& fileName;
  bool& modified;
  int32_t& selStart;
  int32_t& selEnd;
  int32_t& top;
  TableSnapshot& undo;
  TableSnapshot& redo;
  bool& undoAvail;
  bool& redoAvail;
  std::string& undoCaption;
  std::string& redoCaption;
  TableView& view;

  Columns Cols() const { return {col[0], col[1], col[2]}; }

  // Row a := row b, all three columns.
  void CopyRow(int32_t to, int32_t from) const {
    for (std::vector<double>* c : col) (*c)[to] = (*c)[from];
  }
  // Rows from..to (inclusive, within the arrays) become empty.
  void EmptyRows(int32_t from, int32_t to) const;
  // A row the statistics use: ungrouped one-variable x1 and frequency; grouped x1, x2 and
  // frequency; two-variable x, y and frequency.
  bool IsComplete(int32_t row) const;
  // The scroll bar's maximum is N - 11, so the first visible row never passes it.
  void ClampTop() const;
};

TableRef RefOf(Table1V& table);
TableRef RefOf(Table2V& table);

}  // namespace tables::detail
