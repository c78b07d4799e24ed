// Moving between the input cells of a grid with the arrow keys, Enter and Tab, and
// scrolling by one row at the grid's top and bottom edges. Plain C++: the grid asks where
// a key leads and then does it.
#pragma once

#include <cstdint>

namespace tables {

enum class GridKey { Left, Right, Up, Down, Enter, Tab, Other };

// Where a key leads. Not consumed: the key is left to the cell. Otherwise the grid first
// scrolls by `scroll` rows (-1 up, +1 down, 0 none) and then focuses the cell at `column`
// (position among the visible input columns, 0 first) of screen row `row` (1..12).
struct GridMove {
  bool consumed = false;
  int scroll = 0;
  int column = 0;
  int row = 0;
  bool operator==(const GridMove&) const = default;
};

// column: the position of the focused cell among the visible input columns (columnCount of
// them, at least 2); screenRow 1..12; dataRow the table row it shows; N the row count.
// caretAtStart / caretAtEnd: the caret stands at 0 / at the end of the cell's text.
// The modifiers are not looked at: Shift+Tab moves like Tab.
GridMove NavigateKey(GridKey key, int column, int columnCount, int screenRow, int32_t dataRow,
                     int32_t N, bool caretAtStart, bool caretAtEnd);

}  // namespace tables
