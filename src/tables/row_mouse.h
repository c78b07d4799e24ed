// Selecting rows with the mouse in a grid's row-number column: a click selects one row, a
// click on the row where the selection starts clears it, Shift+click extends it from its
// start, and dragging with the button held extends it to the row under the pointer (within
// the 12 visible rows; the grid does not scroll during a drag). Plain C++: the grid
// reports the mouse, the table keeps the selection.
#pragma once

#include <cstdint>

namespace tables {

// The two ends of the selected range (data rows; the start is the anchor); -1: none.
struct RowSelection {
  int32_t start = -1;
  int32_t end = -1;
  bool operator==(const RowSelection&) const = default;
};

enum class RowModifiers { None, ShiftOnly, Other };

class RowMouse {
 public:
  // index: screen row 1..12 of the row-number cell pressed; top: data row of screen row 1.
  RowSelection Down(RowSelection selection, int32_t top, int index, RowModifiers modifiers);
  // y: pointer position relative to the pressed cell, in pixels (the rows lie 26 apart).
  RowSelection Move(RowSelection selection, int32_t top, int index, int y);
  RowSelection Up(RowSelection selection);
  bool Dragging() const { return DragSel; }

  // The screen row under the pointer during a drag, 1..12.
  static int DragTarget(int index, int y);

 private:
  bool DragSel = false;
};

}  // namespace tables
