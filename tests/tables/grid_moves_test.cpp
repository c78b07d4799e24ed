// Where the keys lead between a grid's input cells, and how the row-number column's mouse
// events select rows.
#include <gtest/gtest.h>

#include "tables/grid_keys.h"
#include "tables/row_mouse.h"

namespace {

using namespace tables;

constexpr GridMove kStay{};
GridMove To(int column, int row, int scroll = 0) { return GridMove{true, scroll, column, row}; }

TEST(GridKeys, EveryRuleOfTheThreeColumns) {
  const GridKey L = GridKey::Left, R = GridKey::Right, U = GridKey::Up, D = GridKey::Down,
                E = GridKey::Enter, T = GridKey::Tab, O = GridKey::Other;
  // The caret stands at the Start of the cell's text, at its End, at Both (empty) or inside.
  struct Case { GridKey key; int column, columns, screenRow, dataRow, N; char caret; GridMove want; };
  const Case cases[] = {
      // First of three columns: Right from the text's end on; Left from its start back to the
      // row above's last cell, scrolling on screen row 1 unless it is data row 1.
      {R, 0, 3, 4, 4, 12, 'E', To(1, 4)}, {R, 0, 3, 4, 4, 12, '-', kStay}, {E, 0, 3, 4, 4, 12, '-', To(1, 4)},
      {T, 0, 3, 4, 4, 12, 'S', To(1, 4)}, {L, 0, 3, 4, 4, 12, 'S', To(2, 3)}, {L, 0, 3, 1, 5, 30, 'S', To(2, 1, -1)},
      {L, 0, 3, 1, 1, 12, 'S', kStay}, {L, 0, 3, 4, 4, 12, 'E', kStay}, {U, 0, 3, 4, 4, 12, '-', To(0, 3)},
      {U, 0, 3, 1, 2, 12, '-', To(0, 1, -1)}, {U, 0, 3, 1, 1, 12, '-', kStay}, {D, 0, 3, 11, 11, 12, '-', To(0, 12)},
      {D, 0, 3, 12, 12, 13, '-', To(0, 12, 1)}, {D, 0, 3, 12, 12, 12, '-', kStay}, {O, 0, 3, 4, 4, 12, 'B', kStay},
      // Middle column: forward to the last, back to the first.
      {R, 1, 3, 4, 4, 12, 'E', To(2, 4)}, {E, 1, 3, 4, 4, 12, '-', To(2, 4)}, {L, 1, 3, 1, 1, 12, 'S', To(0, 1)},
      {D, 1, 3, 12, 20, 40, '-', To(1, 12, 1)},
      // Last column: back to the middle, forward to the next row's first while there is one.
      {L, 2, 3, 4, 4, 12, 'S', To(1, 4)}, {E, 2, 3, 4, 4, 12, '-', To(0, 5)}, {T, 2, 3, 12, 12, 13, '-', To(0, 12, 1)},
      {E, 2, 3, 12, 12, 12, '-', kStay}, {U, 2, 3, 1, 7, 30, '-', To(2, 1, -1)},
      // Two columns (ungrouped data): x and n; an empty cell has its caret at both ends.
      {R, 0, 2, 3, 3, 12, 'E', To(1, 3)}, {L, 1, 2, 3, 3, 12, 'S', To(0, 3)}, {L, 0, 2, 3, 3, 12, 'S', To(1, 2)},
      {R, 1, 2, 3, 3, 12, 'B', To(0, 4)},
  };
  for (const Case& c : cases) {
    const bool start = c.caret == 'S' || c.caret == 'B', end = c.caret == 'E' || c.caret == 'B';
    EXPECT_EQ(tables::NavigateKey(c.key, c.column, c.columns, c.screenRow, c.dataRow, c.N, start, end), c.want)
        << &c - cases;
  }
}

TEST(RowMouse, TheDragTargetRowFollowsThePointerWithinTheGrid) {
  // 26 pixels between rows; a pixel is 15 twips and the handlers divide by 387.
  const int cases[][3] = {{3, 0, 3},    {3, 24, 3},     {3, 25, 4},    {3, 51, 5},    {3, -2, 3},
                          {3, -3, 2},   {3, -27, 2},    {3, -28, 1},   {3, -500, 1},  {12, 5000, 12},
                          {1, -1, 1},   {11, 26, 12},   {1, 257, 11},  {1, 256, 10}};
  for (const auto& c : cases) EXPECT_EQ(RowMouse::DragTarget(c[0], c[1]), c[2]) << c[0] << " at " << c[1];
}

TEST(RowMouse, ClicksShiftClicksAndDrags) {
  const auto None = RowModifiers::None, Shift = RowModifiers::ShiftOnly, Other = RowModifiers::Other;
  // A press on screen row `index` with the modifiers, moves by `moves` pixels, the release.
  struct Case { const char* what; RowSelection before; int32_t top; int index; RowModifiers modifiers;
                std::vector<int> moves; RowSelection after; bool pressed = true; };
  const Case cases[] = {
      {"a click selects its row", {-1, -1}, 1, 4, None, {}, {4, 4}},
      {"from the first visible row", {-1, -1}, 20, 4, None, {}, {23, 23}},
      {"Shift with nothing selected clicks", {-1, -1}, 1, 6, Shift, {}, {6, 6}},
      {"a click on the start row clears", {5, 9}, 1, 5, None, {}, {-1, -1}},
      {"a click on another row", {5, 9}, 1, 7, None, {}, {7, 7}},
      {"one row, a click on another", {5, 5}, 1, 8, None, {}, {8, 8}},
      {"Shift+click extends from the start", {5, 6}, 1, 2, Shift, {}, {5, 2}},
      {"Ctrl+click leaves it", {5, 9}, 1, 2, Other, {}, {5, 9}},
      {"Ctrl and a drag extend", {5, 9}, 1, 2, Other, {26 * 9}, {5, 11}},
      {"a drag down", {-1, -1}, 1, 3, None, {30, 60}, {3, 5}},
      {"a drag above the grid", {-1, -1}, 10, 3, None, {-300}, {12, 10}},
      {"a drag from the start row", {5, 9}, 1, 5, None, {53}, {5, 7}},
      {"a move without a press", {5, 9}, 1, 5, None, {53}, {5, 9}, false},
  };
  for (const Case& c : cases) {
    RowMouse mouse;
    RowSelection s = c.before;
    if (c.pressed) s = mouse.Down(s, c.top, c.index, c.modifiers);
    for (int y : c.moves) s = mouse.Move(s, c.top, c.index, y);
    if (c.pressed) s = mouse.Up(s);
    EXPECT_EQ(s, c.after) << c.what;
    EXPECT_FALSE(mouse.Dragging()) << c.what;
  }
}

}  // namespace
