#include "tables/edit_commands.h"

#include <algorithm>
#include <string_view>

#include "platform/ui.h"
#include "tables/command_steps.h"
#include "tables/row_text.h"

namespace tables {

namespace detail {

namespace {

std::string SelectionText(std::string_view marker, const Columns& cols, int32_t lo, int32_t hi) {
  std::string text(marker);
  text += ' ';
  text += StrNumero(hi - lo + 1);
  text += "\r\n";
  AppendRowLines(text, cols, lo, hi);
  return text;
}

void SetSelection(const TableRef& t, int32_t start, int32_t end) {
  t.selStart = start;
  t.selEnd = end;
  t.view.ShowSelection();
}

void Copy(const TableRef& t) {
  int32_t lo = 0, hi = 0;
  if (!SelectedRows(t, lo, hi)) return;
  platform::CurrentUi().SetClipboardText(
      SelectionText(t.traits.selectionMarker, t.Cols(), lo, hi));
}

void Cut(const TableRef& t) {
  int32_t lo = 0, hi = 0;
  if (!SelectedRows(t, lo, hi)) return;
  Copy(t);
  const int32_t count = hi - lo + 1;
  TakeSnapshot(t, t.undo);
  for (int32_t row = lo; row + count <= t.N; ++row) t.CopyRow(row, row + count);
  t.EmptyRows(t.N - count + 1, t.N);
  t.N = std::max(t.N - count, kNewTableRows);
  Deselect(t);
  FinishCommand(t, "Undo cut");
}

void Paste(const TableRef& t) {
  const std::string text = platform::CurrentUi().ClipboardText();
  std::string_view header;
  RowBlock rows;
  switch (ReadRowText(text, t.traits.selectionMarker, 1, header, rows)) {
    case RowTextStatus::WrongMarker:
    case RowTextStatus::Malformed:
      return;
    case RowTextStatus::TooLarge:
      ShowRowLimitMessage();
      return;
    case RowTextStatus::Ok:
      break;
  }
  int32_t lo = 0, hi = 0;
  const bool selected = SelectedRows(t, lo, hi);
  // Pasting after the last row adds an empty row after the pasted ones.
  const int32_t newN = t.N + rows.count + (selected ? 0 : 1);
  if (newN >= kMaxRows) {
    ShowRowLimitMessage();
    return;
  }
  const int32_t p = selected ? lo : t.N + 1;
  TakeSnapshot(t, t.undo);
  for (int32_t row = t.N; row >= p; --row) t.CopyRow(row + rows.count, row);
  for (int32_t i = 0; i < rows.count; ++i) {
    for (int k = 0; k < 3; ++k) (*t.col[k])[p + i] = rows.col[k][static_cast<size_t>(i)];
  }
  t.N = newN;
  if (!selected) t.EmptyRows(newN, newN);
  t.selStart = p;
  t.selEnd = p + rows.count - 1;
  FinishCommand(t, "Undo paste");
}

void DeleteSelection(const TableRef& t) {
  int32_t lo = 0, hi = 0;
  if (!SelectedRows(t, lo, hi)) return;
  TakeSnapshot(t, t.undo);
  t.EmptyRows(lo, hi);
  Deselect(t);
  FinishCommand(t, "Undo delete selection");
}

void InsertRow(const TableRef& t) {
  if (t.N + 1 >= kMaxRows) {
    ShowRowLimitMessage();
    return;
  }
  int32_t lo = 0, hi = 0;
  const bool selected = SelectedRows(t, lo, hi);
  const int32_t p = selected ? lo : t.N + 1;
  TakeSnapshot(t, t.undo);
  for (int32_t row = t.N; row >= p; --row) t.CopyRow(row + 1, row);
  t.EmptyRows(p, p);
  ++t.N;
  // The selection stays on the same data.
  if (selected) {
    t.selStart = lo + 1;
    t.selEnd = hi + 1;
  } else {
    Deselect(t);
  }
  FinishCommand(t, "Undo insert row");
}

void SelectAll(const TableRef& t) { SetSelection(t, 1, t.N); }

void Compact(const TableRef& t) {
  TakeSnapshot(t, t.undo);
  int32_t kept = 0;
  for (int32_t row = 1; row <= t.N; ++row) {
    if (!t.IsComplete(row)) continue;
    ++kept;
    if (kept != row) t.CopyRow(kept, row);
  }
  t.EmptyRows(kept + 1, t.N);
  t.N = std::max(kept, kNewTableRows);
  t.top = 1;
  Deselect(t);
  FinishCommand(t, "Undo compact table");
}

void SetKind(const TableRef& t, int16_t kind) {
  if (kind < 0 || kind >= t.traits.kindCount || kind == t.kind) return;
  t.kind = kind;
  t.modified = true;
  t.view.LayoutKind();
  t.view.Refresh();
  t.view.Recompute();
}

}  // namespace

}  // namespace detail

using detail::RefOf;

void DeseleccionarTABLA1V(Table1V& table) { detail::SetSelection(RefOf(table), -1, -1); }
void DeseleccionarTABLA2V(Table2V& table) { detail::SetSelection(RefOf(table), -1, -1); }

void SetSelection1V(Table1V& table, int32_t start, int32_t end) {
  detail::SetSelection(RefOf(table), start, end);
}
void SetSelection2V(Table2V& table, int32_t start, int32_t end) {
  detail::SetSelection(RefOf(table), start, end);
}

void Copiar1V(Table1V& table) { detail::Copy(RefOf(table)); }
void Copiar2V(Table2V& table) { detail::Copy(RefOf(table)); }
void Cortar1V(Table1V& table) { detail::Cut(RefOf(table)); }
void Cortar2V(Table2V& table) { detail::Cut(RefOf(table)); }
void Pegar1V(Table1V& table) { detail::Paste(RefOf(table)); }
void Pegar2V(Table2V& table) { detail::Paste(RefOf(table)); }
void DelSel1V(Table1V& table) { detail::DeleteSelection(RefOf(table)); }
void DelSel2V(Table2V& table) { detail::DeleteSelection(RefOf(table)); }
void InsertFILA1V(Table1V& table) { detail::InsertRow(RefOf(table)); }
void InsertFILA2V(Table2V& table) { detail::InsertRow(RefOf(table)); }
void SelALL1V(Table1V& table) { detail::SelectAll(RefOf(table)); }
void SelALL2V(Table2V& table) { detail::SelectAll(RefOf(table)); }
void Compactar1V(Table1V& table) { detail::Compact(RefOf(table)); }
void Compactar2V(Table2V& table) { detail::Compact(RefOf(table)); }

void SwapXY2V(Table2V& table) {
  const detail::TableRef t = RefOf(table);
  detail::TakeSnapshot(t, t.undo);
  std::swap_ranges(table.Data2V_X.begin() + 1, table.Data2V_X.begin() + table.N2V + 1,
                   table.Data2V_Y.begin() + 1);
  detail::Deselect(t);
  detail::FinishCommand(t, "Undo swap x-y");
}

void SetDataType1V(Table1V& table, int16_t dataType) { detail::SetKind(RefOf(table), dataType); }
void SetRegType2V(Table2V& table, int16_t model) { detail::SetKind(RefOf(table), model); }

std::string SelectionText1V(const Table1V& table, int32_t lo, int32_t hi) {
  return detail::SelectionText(detail::kTraits1V.selectionMarker,
                               {&table.Data1V_X1, &table.Data1V_X2, &table.Data1V_N}, lo, hi);
}
std::string SelectionText2V(const Table2V& table, int32_t lo, int32_t hi) {
  return detail::SelectionText(detail::kTraits2V.selectionMarker,
                               {&table.Data2V_X, &table.Data2V_Y, &table.Data2V_N}, lo, hi);
}

}  // namespace tables
