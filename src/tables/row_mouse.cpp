#include "tables/row_mouse.h"

#include <algorithm>
#include <cmath>

#include "tables/table_data.h"

namespace tables {

RowSelection RowMouse::Down(RowSelection s, int32_t top, int index, RowModifiers modifiers) {
  DragSel = true;
  const int32_t clicked = top + index - 1;
  if (modifiers == RowModifiers::None || (modifiers == RowModifiers::ShiftOnly && s.start == -1)) {
    // A click on the row where the selection starts keeps only its anchor, so a drag
    // from there still works and a plain release clears it.
    if (s.start != -1 && s.start == clicked) return RowSelection{s.start, -1};
    return RowSelection{clicked, clicked};
  }
  if (modifiers == RowModifiers::ShiftOnly) return RowSelection{s.start, clicked};
  return s;
}

int RowMouse::DragTarget(int index, int y) {
  // The rows' pitch is measured as 387 twips (15 to a pixel); going up the row above is
  // reached a little later than going down. floor, so that negative offsets round down.
  const double twips = 15.0 * y;
  const double offset = twips > 0 ? std::floor((twips + 15) / 387) : std::floor((twips + 30) / 387);
  return std::clamp(index + static_cast<int>(offset), 1, kVisibleRows);
}

RowSelection RowMouse::Move(RowSelection s, int32_t top, int index, int y) {
  if (!DragSel) return s;
  return RowSelection{s.start, top + DragTarget(index, y) - 1};
}

RowSelection RowMouse::Up(RowSelection s) {
  DragSel = false;
  if (s.end == -1) s.start = -1;
  return s;
}

}  // namespace tables
