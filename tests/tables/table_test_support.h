// Helpers of the tables' tests: rows written and read back as short lists (the reading checks
// that nothing lies outside rows 1..N), a view that records what the commands ask of the
// panel, and the rows of the reference files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/reference_rows.h"
#include "tables/table_data.h"
#include "tables/table_view.h"
#include "tables/undo.h"

namespace tables_test {

using testing_support::ReferenceRows;

inline constexpr double E = NoValue;  // an empty cell, in row lists
inline const std::string kRowLimit = "Overflow: Number of rows is limited to  10000";

// One table row: the three columns in array order. Rows compare bit for bit, so 0 and -0,
// and NoValue and 0, are told apart.
struct Row {
  double a = E, b = E, c = E;
  bool operator==(const Row& r) const {
    auto same = [](double x, double y) {
      return std::bit_cast<uint64_t>(x) == std::bit_cast<uint64_t>(y);
    };
    return same(a, r.a) && same(b, r.b) && same(c, r.c);
  }
};

inline void PrintTo(const Row& r, std::ostream* os) {
  *os << "{";
  for (double v : {r.a, r.b, r.c}) (v == E ? *os << "<N>" : *os << v) << " ";
  *os << "}";
}

inline std::array<std::vector<double>*, 3> Columns(tables::Table1V& t) {
  return {&t.Data1V_X1, &t.Data1V_X2, &t.Data1V_N};
}
inline std::array<std::vector<double>*, 3> Columns(tables::Table2V& t) {
  return {&t.Data2V_X, &t.Data2V_Y, &t.Data2V_N};
}
inline int32_t& Count(tables::Table1V& t) { return t.N1V; }
inline int32_t& Count(tables::Table2V& t) { return t.N2V; }

// Rows 1..n of the table, n = max(rows, 12); the rows after them stay empty.
template <class Table>
void SetRows(Table& t, const std::vector<Row>& rows) {
  auto cols = Columns(t);
  for (auto* c : cols) std::fill(c->begin(), c->end(), NoValue);
  for (size_t i = 0; i < rows.size(); ++i) {
    (*cols[0])[i + 1] = rows[i].a;
    (*cols[1])[i + 1] = rows[i].b;
    (*cols[2])[i + 1] = rows[i].c;
  }
  Count(t) = std::max<int32_t>(static_cast<int32_t>(rows.size()), tables::kNewTableRows);
}

// Rows 1..N. Any element outside them that is not empty fails the test: the rows past N
// come back as they are when the table grows, and index 0 is never a row.
template <class Table>
std::vector<Row> RowsOf(Table& t) {
  auto cols = Columns(t);
  std::vector<Row> rows;
  bool reported = false;
  for (int32_t i = 0; i < tables::kArraySize; ++i) {
    const Row row{(*cols[0])[i], (*cols[1])[i], (*cols[2])[i]};
    if (i >= 1 && i <= Count(t)) {
      rows.push_back(row);
    } else if (!(row == Row{}) && !std::exchange(reported, true)) {
      ADD_FAILURE() << "row " << i << " outside 1.." << Count(t) << " is not empty";
    }
  }
  return rows;
}

// The given rows followed by empty rows up to n rows in all.
inline std::vector<Row> Padded(std::vector<Row> rows, size_t n) {
  rows.resize(n);
  return rows;
}

// Row i holds {i, i + 0.5, i % 3 + 1}, and 0 stands for an empty row: every row different,
// for moving rows around.
inline Row Numbered(int i) {
  return i == 0 ? Row{} : Row{static_cast<double>(i), i + 0.5, static_cast<double>(i % 3 + 1)};
}
inline std::vector<Row> NumberedRows(int from, int to) {
  std::vector<Row> rows;
  for (int i = from; i <= to; ++i) rows.push_back(Numbered(i));
  return rows;
}
inline std::vector<Row> RowsNumbered(std::initializer_list<int> numbers) {
  std::vector<Row> rows;
  for (int i : numbers) rows.push_back(Numbered(i));
  return rows;
}

// A panel that records the requests of the commands, one word each, in order.
class RecordingView : public tables::TableView {
 public:
  explicit RecordingView(tables::Table1V& table) { table.View1V = this; }
  explicit RecordingView(tables::Table2V& table) { table.View2V = this; }

  std::vector<std::string> calls;
  std::string caption = "(unset)";
  int task = -1;
  std::function<void()> onSave;  // what File > Save does; nothing by default

  void Recompute() override { calls.push_back("Recompute"); }
  void Refresh() override { calls.push_back("Refresh"); }
  void ShowSelection() override { calls.push_back("ShowSelection"); }
  void LayoutKind() override { calls.push_back("LayoutKind"); }
  void ClearPanel() override { calls.push_back("ClearPanel"); }
  void UndoRedoChanged() override { calls.push_back("UndoRedoChanged"); }
  void SetCaption(const std::string& text) override {
    calls.push_back("SetCaption"), caption = text;
  }
  void ShowTask(int index) override { calls.push_back("ShowTask"), task = index; }
  void SaveTable() override { calls.push_back("SaveTable"), onSave ? onSave() : void(); }
  int Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }
};

// What the Edit menu shows, as one line: "undo caption | redo caption" with a "*" after an
// enabled item.
template <class Table>
std::string MenuLine(const Table& t) {
  const tables::UndoRedoMenu m = tables::UndoRedoMenuOf(t);
  return m.undoCaption + (m.undoEnabled ? "*" : "") + " | " + m.redoCaption +
         (m.redoEnabled ? "*" : "");
}

// A number of a reference file; an empty text is an empty cell. strtod keeps denormals.
inline double Value(const std::string& text) {
  return text.empty() ? E : std::strtod(text.c_str(), nullptr);
}

}  // namespace tables_test
