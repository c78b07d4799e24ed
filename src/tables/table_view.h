// What a table's commands ask of the panel that shows the table. The commands change the
// table first and then call these, so a view only has to read the table and redraw; a
// table without a view (tests, start-up) works the same, with nothing shown. Each request
// does nothing unless a view overrides it, so a view takes on only what it shows.
#pragma once

#include <string>

namespace tables {

class TableView {
 public:
  virtual ~TableView() = default;

  // Recompute the table's statistics and show them.
  virtual void Recompute() {}
  // Refill the visible rows from the table at its first visible row, set the scroll bar
  // (maximum N - 11, value Top) and highlight the visible part of the selection.
  virtual void Refresh() {}
  // Highlight the selection anew; nothing else changed.
  virtual void ShowSelection() {}
  // Lay the grid and the captions out for the data kind or regression model.
  virtual void LayoutKind() {}
  // A new table: empty every cell, the sums and the result boxes, and put the panel's own
  // choices back to their start (the quantile kind of the one-variable panel).
  virtual void ClearPanel() {}
  // The table's undo and redo availability or captions changed (the Edit menu shows them
  // when this table's task is current).
  virtual void UndoRedoChanged() {}
  // The main window's caption.
  virtual void SetCaption(const std::string& /*caption*/) {}
  // Show this task as a click on its tab does (2 one-variable, 3 two-variable).
  virtual void ShowTask(int /*task*/) {}
  // Run File > Save for this table (Save As when it has no file name). Success shows as
  // the table no longer being modified.
  virtual void SaveTable() {}
};

}  // namespace tables
