// Paste of clipboard text into a table of 14 rows. The first byte chooses the table and
// the selection. A paste inserts its rows whole at the selection (or after the last row)
// and moves the rest down, or refuses and changes nothing; Undo gives back the table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/quiet_ui.h"
#include "tables/edit_commands.h"
#include "tables/undo.h"

namespace {

void Fill(std::vector<double>* const (&cols)[3], int32_t& n) {
  n = 14;
  for (size_t i = 1; i <= 14; ++i) {
    (*cols[0])[i] = static_cast<double>(i);
    (*cols[1])[i] = i % 3 == 0 ? NoValue : -0.5 * static_cast<double>(i);
    (*cols[2])[i] = 2;
  }
}

template <typename Table, typename Select, typename Paste, typename Undo>
void Check(uint8_t choice, const std::string& text, Table& table, const bool& undoAvail,
           Select select, Paste paste, Undo undo) {
  fuzz::QuietUi& ui = fuzz::Ui();
  ui.clipboard = text;
  const fuzz::Rows before = fuzz::RowsOf(table);
  const int32_t n = before.n;
  // Nothing selected, a few rows in the middle (anchor below), the first row, the last row.
  const int32_t ends[4][2] = {{-1, -1}, {5, 3}, {1, 1}, {n, n}};
  const int32_t* sel = ends[(choice >> 1) & 3];
  select(table, sel[0], sel[1]);
  paste(table);
  fuzz::Require(fuzz::OutsideRowsEmpty(table), "nothing is written outside rows 1..N");
  const fuzz::Rows after = fuzz::RowsOf(table);
  if (after == before) {
    fuzz::Require(!undoAvail, "a refused paste takes no undo step");
    return;
  }
  const bool selected = sel[0] != -1;
  const int32_t p = selected ? std::min(sel[0], sel[1]) : n + 1;
  const int32_t count = after.n - n - (selected ? 0 : 1);
  fuzz::Require(count >= 1, "a paste adds its rows");
  auto cell = [](const fuzz::Rows& r, int32_t row, int k) {
    return r.cells[static_cast<size_t>((row - 1) * 3 + k)];
  };
  for (int k = 0; k < 3; ++k) {
    for (int32_t row = 1; row < p; ++row) {
      fuzz::Require(cell(after, row, k) == cell(before, row, k), "rows before the paste stay");
    }
    for (int32_t row = p; row <= n; ++row) {
      fuzz::Require(cell(after, row + count, k) == cell(before, row, k),
                    "rows from the insertion point move down by the count");
    }
    if (!selected) fuzz::Require(tables::IsEmpty(cell(after, after.n, k)), "an empty row follows");
  }
  undo(table);
  fuzz::Require(fuzz::RowsOf(table) == before, "Undo gives back the table");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  // Tables are large: copying a filled one is much faster than building one per input.
  if (data[0] & 1) {
    static const tables::Table2V filled = [] {
      tables::Table2V t;
      Fill({&t.Data2V_X, &t.Data2V_Y, &t.Data2V_N}, t.N2V);
      return t;
    }();
    static tables::Table2V t;
    t = filled;
    Check(data[0], text, t, t.UndoAvail2V, tables::SetSelection2V, tables::Pegar2V,
          tables::Deshacer2V);
  } else {
    static const tables::Table1V filled = [] {
      tables::Table1V t;
      Fill({&t.Data1V_X1, &t.Data1V_X2, &t.Data1V_N}, t.N1V);
      return t;
    }();
    static tables::Table1V t;
    t = filled;
    Check(data[0], text, t, t.UndoAvail1V, tables::SetSelection1V, tables::Pegar1V,
          tables::Deshacer1V);
  }
  return 0;
}
