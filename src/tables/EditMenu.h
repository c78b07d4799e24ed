// The Edit menu of the one- and two-variable tasks: its items act on the table of the
// current task. Built once, whichever table panel installs first.
#pragma once

#include "shared/panel_host.h"
#include "tables/undo.h"

class QMenu;

namespace tables {

// Adds Undo, Redo, Cut, Copy, Paste, Delete selection, Select all, Insert row and Compact
// table to the window's Edit menu, the Delete key of the window to Delete selection, and
// a click on either table's tab to that table's Undo and Redo.
// A second call adds nothing.
void InstallEditMenu(shared::PanelHost& form);

// Shows a table's Undo and Redo availability and captions in the Edit menu.
void ShowUndoRedo(QMenu* menu, const UndoRedoMenu& state);

}  // namespace tables
