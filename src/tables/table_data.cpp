#include "tables/table_data.h"

#include <algorithm>

#include "tables/table_ref.h"

namespace tables {

// The program's two tables live for the whole run; the windows, the graph and the
// reports all read these same instances.
Table1V& ProgramTable1V() {
  static Table1V table;
  return table;
}

Table2V& ProgramTable2V() {
  static Table2V table;
  return table;
}

std::string CaptionWithFile(const std::string& fileName) {
  return std::string(kPlainCaption) + " - " + fileName;
}

namespace detail {

namespace {

TableView& ViewOr(TableView* view) {
  // Lets a table work without a window: every request is answered by doing nothing.
  static TableView none;
  return view != nullptr ? *view : none;
}

constexpr std::string_view kKinds1V[] = {"NOA", "AGR"};
constexpr std::string_view kKinds2V[] = {"LIN", "LOG", "EXP", "POT", "CUA"};

}  // namespace

const TableTraits kTraits1V{"'<SEL1VAR>", "'<FIL1VAR>", kKinds1V, 2,
                        "Save changes. One variable statistic", 2, false};
const TableTraits kTraits2V{"'<SEL2VAR>", "'<FIL2VAR>", kKinds2V, 5,
                        "Save changes. Two variables statistic", 3, true};

TableRef RefOf(Table1V& t) {
  return TableRef{kTraits1V,         {&t.Data1V_X1, &t.Data1V_X2, &t.Data1V_N},
                  t.N1V,           t.DataType1V,
                  t.FileName1V,    t.Modified1V,
                  t.SelStart1V,    t.SelEnd1V,
                  t.Top1V,         t.Undo1V,
                  t.Redo1V,        t.UndoAvail1V,
                  t.RedoAvail1V,   t.UndoCaption1V,
                  t.RedoCaption1V, ViewOr(t.View1V)};
}

TableRef RefOf(Table2V& t) {
  return TableRef{kTraits2V,         {&t.Data2V_X, &t.Data2V_Y, &t.Data2V_N},
                  t.N2V,           t.RegType2V,
                  t.FileName2V,    t.Modified2V,
                  t.SelStart2V,    t.SelEnd2V,
                  t.Top2V,         t.Undo2V,
                  t.Redo2V,        t.UndoAvail2V,
                  t.RedoAvail2V,   t.UndoCaption2V,
                  t.RedoCaption2V, ViewOr(t.View2V)};
}

void TableRef::EmptyRows(int32_t from, int32_t to) const {
  from = std::max(from, 0);
  to = std::min(to, kArraySize - 1);
  if (from > to) return;
  for (std::vector<double>* c : col) std::fill(c->begin() + from, c->begin() + to + 1, NoValue);
}

bool TableRef::IsComplete(int32_t row) const {
  const bool middleNeeded = traits.twoVariable || kind == 1;
  return !IsEmpty((*col[0])[row]) && !IsEmpty((*col[2])[row]) &&
         (!middleNeeded || !IsEmpty((*col[1])[row]));
}

void TableRef::ClampTop() const { top = std::clamp(top, 1, std::max(1, N - (kVisibleRows - 1))); }

}  // namespace detail
}  // namespace tables
