#include "tables/undo.h"

#include <algorithm>

#include "tables/command_steps.h"

namespace tables {

namespace detail {

void TakeSnapshot(const TableRef& t, TableSnapshot& snapshot) {
  for (int k = 0; k < 3; ++k) {
    const std::vector<double>& c = *t.col[k];
    snapshot.Columns[k].assign(c.begin(), c.begin() + t.N + 1);
  }
  snapshot.SelLo = std::min(t.selStart, t.selEnd);
  snapshot.SelHi = std::max(t.selStart, t.selEnd);
  snapshot.Top = t.top;
  snapshot.N = t.N;
}

void SetUndoRedo(const TableRef& t, bool canUndo, const std::string& undoText, bool canRedo,
                 const std::string& redoText) {
  t.undoAvail = canUndo;
  t.redoAvail = canRedo;
  t.undoCaption = undoText;
  t.redoCaption = redoText;
  t.view.UndoRedoChanged();
}

namespace {

// Puts the snapshot's rows back. Rows that the restored count leaves out become empty.
void Restore(const TableRef& t, const TableSnapshot& snapshot) {
  for (int k = 0; k < 3; ++k) {
    const std::vector<double>& from = snapshot.Columns[k];
    std::copy(from.begin() + 1, from.begin() + snapshot.N + 1, t.col[k]->begin() + 1);
  }
  if (snapshot.N < t.N) t.EmptyRows(snapshot.N + 1, t.N);
  t.N = snapshot.N;
  t.top = snapshot.Top;
  t.selStart = snapshot.SelLo;
  t.selEnd = snapshot.SelHi;
  ShowChangedTable(t);
}

void Undo(const TableRef& t) {
  if (!t.undoAvail) return;
  TakeSnapshot(t, t.redo);
  Restore(t, t.undo);
  SetUndoRedo(t, false, "", true, "Redo");
}

void Redo(const TableRef& t) {
  if (!t.redoAvail) return;
  TakeSnapshot(t, t.undo);
  Restore(t, t.redo);
  SetUndoRedo(t, true, "Undo", false, "");
}

UndoRedoMenu MenuOf(bool undoAvail, const std::string& undoCaption, bool redoAvail,
                    const std::string& redoCaption) {
  return UndoRedoMenu{undoAvail, undoAvail ? undoCaption : "Can not undo", redoAvail,
                      redoAvail ? redoCaption : "Can not redo"};
}

}  // namespace
}  // namespace detail

void SaveForUndo1V(Table1V& table) { detail::TakeSnapshot(detail::RefOf(table), table.Undo1V); }
void SaveForRedo1V(Table1V& table) { detail::TakeSnapshot(detail::RefOf(table), table.Redo1V); }
void SaveForUndo2V(Table2V& table) { detail::TakeSnapshot(detail::RefOf(table), table.Undo2V); }
void SaveForRedo2V(Table2V& table) { detail::TakeSnapshot(detail::RefOf(table), table.Redo2V); }

void Deshacer1V(Table1V& table) { detail::Undo(detail::RefOf(table)); }
void Rehacer1V(Table1V& table) { detail::Redo(detail::RefOf(table)); }
void Deshacer2V(Table2V& table) { detail::Undo(detail::RefOf(table)); }
void Rehacer2V(Table2V& table) { detail::Redo(detail::RefOf(table)); }

void SetSTATUSUndoRedo1V(Table1V& table, bool canUndo, const std::string& undoText, bool canRedo,
                         const std::string& redoText) {
  detail::SetUndoRedo(detail::RefOf(table), canUndo, undoText, canRedo, redoText);
}

void SetSTATUSUndoRedo2V(Table2V& table, bool canUndo, const std::string& undoText, bool canRedo,
                         const std::string& redoText) {
  detail::SetUndoRedo(detail::RefOf(table), canUndo, undoText, canRedo, redoText);
}

UndoRedoMenu UndoRedoMenuOf(const Table1V& table) {
  return detail::MenuOf(table.UndoAvail1V, table.UndoCaption1V, table.RedoAvail1V,
                        table.RedoCaption1V);
}

UndoRedoMenu UndoRedoMenuOf(const Table2V& table) {
  return detail::MenuOf(table.UndoAvail2V, table.UndoCaption2V, table.RedoAvail2V,
                        table.RedoCaption2V);
}

}  // namespace tables
