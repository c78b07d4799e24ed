// One step of undo and one of redo per table. Every Edit command takes the undo snapshot
// before it changes the table; Undo takes the redo snapshot and restores the undo one,
// Redo the reverse. Typing into a cell makes both unavailable.
#pragma once

#include <string>

#include "tables/table_data.h"

namespace tables {

void SaveForUndo1V(Table1V& table);
void SaveForRedo1V(Table1V& table);
void SaveForUndo2V(Table2V& table);
void SaveForRedo2V(Table2V& table);

// Undo and redo do nothing while they are unavailable. Both mark the table modified.
void Deshacer1V(Table1V& table);
void Rehacer1V(Table1V& table);
void Deshacer2V(Table2V& table);
void Rehacer2V(Table2V& table);

// Sets what Undo and Redo offer for the table and tells its view. The grid calls it with
// (false, "", false, "") on every change of an input cell.
void SetSTATUSUndoRedo1V(Table1V& table, bool canUndo, const std::string& undoText, bool canRedo,
                         const std::string& redoText);
void SetSTATUSUndoRedo2V(Table2V& table, bool canUndo, const std::string& undoText, bool canRedo,
                         const std::string& redoText);

// What the Edit menu's Undo and Redo items show for a table.
struct UndoRedoMenu {
  bool undoEnabled = false;
  std::string undoCaption;  // the command's caption, or "Can not undo"
  bool redoEnabled = false;
  std::string redoCaption;  // "Redo", or "Can not redo"
};
UndoRedoMenu UndoRedoMenuOf(const Table1V& table);
UndoRedoMenu UndoRedoMenuOf(const Table2V& table);

}  // namespace tables
