#include "tables/grid_keys.h"

#include "tables/table_data.h"

namespace tables {

namespace {

GridMove Focus(int column, int row, int scroll = 0) { return GridMove{true, scroll, column, row}; }

// Up and Down are the same in every column: the row above or below, scrolling by one row
// at the grid's edges while there is a row to show.
GridMove Vertical(GridKey key, int column, int screenRow, int32_t dataRow, int32_t N) {
  if (key == GridKey::Up) {
    if (screenRow > 1) return Focus(column, screenRow - 1);
    if (dataRow >= 2) return Focus(column, 1, -1);
  } else if (key == GridKey::Down) {
    if (screenRow < kVisibleRows) return Focus(column, screenRow + 1);
    if (dataRow < N) return Focus(column, kVisibleRows, +1);
  }
  return GridMove{};
}

}  // namespace

GridMove NavigateKey(GridKey key, int column, int columnCount, int screenRow, int32_t dataRow,
                     int32_t N, bool caretAtStart, bool caretAtEnd) {
  const int last = columnCount - 1;
  const bool forward =
      (key == GridKey::Right && caretAtEnd) || key == GridKey::Enter || key == GridKey::Tab;
  const bool back = key == GridKey::Left && caretAtStart;

  if (column == 0) {
    if (forward) return Focus(1, screenRow);
    if (back) {
      if (screenRow == 1) return dataRow > 1 ? Focus(last, 1, -1) : GridMove{};
      return Focus(last, screenRow - 1);
    }
  } else if (column < last) {
    if (forward) return Focus(last, screenRow);
    if (back) return Focus(0, screenRow);
  } else {
    if (back) return Focus(last - 1, screenRow);
    if (forward) {
      if (screenRow < kVisibleRows) return Focus(0, screenRow + 1);
      return dataRow < N ? Focus(0, kVisibleRows, +1) : GridMove{};
    }
  }
  return Vertical(key, column, screenRow, dataRow, N);
}

}  // namespace tables
