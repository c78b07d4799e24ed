// Steps that the tables' commands share: the selection range, the row-limit message, the
// undo snapshot and the end of a command, and the question before a table is replaced.
#pragma once

#include <cstdint>
#include <string>

#include "tables/table_ref.h"

namespace tables::detail {

// The selection as rows lo..hi within the table, or false when there is none (an end is
// -1). Ends beyond the table are brought back into it.
bool SelectedRows(const TableRef& t, int32_t& lo, int32_t& hi);

// Clears the selection; the view repaints it with its next refresh.
void Deselect(const TableRef& t);

// Shows "Overflow: Number of rows is limited to  10000" (critical, "ERROR").
void ShowRowLimitMessage();

// Copies rows 1..N, the selection, the first visible row and N into the snapshot.
void TakeSnapshot(const TableRef& t, TableSnapshot& snapshot);

// Sets what Undo and Redo offer and tells the view.
void SetUndoRedo(const TableRef& t, bool canUndo, const std::string& undoText, bool canRedo,
                 const std::string& redoText);

// After the rows changed: the table is modified, the view shows it again and the
// statistics follow.
void ShowChangedTable(const TableRef& t);

// The end of every Edit command: ShowChangedTable, and Undo offers undoCaption.
void FinishCommand(const TableRef& t, const std::string& undoCaption);

// Before the table is replaced (New, reading a file): when it has unsaved changes, asks
// whether to save them. False when the user cancels or the save did not complete.
bool OfferToSave(const TableRef& t);

// The table's New and a successful read end alike: nothing selected, the grid laid out
// for the kind and refreshed, the statistics recomputed, not modified, no undo or redo.
void ShowReplacedTable(const TableRef& t, const std::string& caption);

}  // namespace tables::detail
