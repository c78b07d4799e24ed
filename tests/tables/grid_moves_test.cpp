// Where the keys lead between a grid's input cells, and how the row-number column's mouse
// events select rows.
#include <gtest/gtest.h>

#include "tables/grid_keys.h"
#include "tables/row_mouse.h"

namespace {

using tables::GridKey;
using tables::GridMove;
using tables::NavigateKey;
using tables::RowModifiers;
using tables::RowMouse;
using tables::RowSelection;

constexpr GridMove kStay{};
GridMove To(int column, int row, int scroll = 0) { return GridMove{true, scroll, column, row}; }

struct KeyCase {
  const char* what;
  GridKey key;
  int column, columns, screenRow;
  int32_t dataRow, N;
  bool atStart, atEnd;
  GridMove expected;
};

TEST(GridKeys, EveryRuleOfTheThreeColumns) {
  const KeyCase cases[] = {
      // First column of three (x1 of grouped data, x of the two-variable table).
      {"Right at the end goes on", GridKey::Right, 0, 3, 4, 4, 12, false, true, To(1, 4)},
      {"Right inside the text stays", GridKey::Right, 0, 3, 4, 4, 12, false, false, kStay},
      {"Enter goes on", GridKey::Enter, 0, 3, 4, 4, 12, false, false, To(1, 4)},
      {"Tab goes on", GridKey::Tab, 0, 3, 4, 4, 12, true, false, To(1, 4)},
      {"Left at 0 goes to the row above's last", GridKey::Left, 0, 3, 4, 4, 12, true, false,
       To(2, 3)},
      {"Left at 0 on row 1 scrolls up", GridKey::Left, 0, 3, 1, 5, 30, true, false, To(2, 1, -1)},
      {"Left at 0 on data row 1 stays", GridKey::Left, 0, 3, 1, 1, 12, true, false, kStay},
      {"Left inside the text stays", GridKey::Left, 0, 3, 4, 4, 12, false, true, kStay},
      {"Up goes up", GridKey::Up, 0, 3, 4, 4, 12, false, false, To(0, 3)},
      {"Up on row 1 scrolls", GridKey::Up, 0, 3, 1, 2, 12, false, false, To(0, 1, -1)},
      {"Up on data row 1 stays", GridKey::Up, 0, 3, 1, 1, 12, false, false, kStay},
      {"Down goes down", GridKey::Down, 0, 3, 11, 11, 12, false, false, To(0, 12)},
      {"Down on row 12 scrolls", GridKey::Down, 0, 3, 12, 12, 13, false, false, To(0, 12, 1)},
      {"Down on the last row stays", GridKey::Down, 0, 3, 12, 12, 12, false, false, kStay},
      {"another key is the cell's", GridKey::Other, 0, 3, 4, 4, 12, true, true, kStay},
      // Middle column.
      {"middle: Right at the end to the last", GridKey::Right, 1, 3, 4, 4, 12, false, true,
       To(2, 4)},
      {"middle: Enter to the last", GridKey::Enter, 1, 3, 4, 4, 12, false, false, To(2, 4)},
      {"middle: Left at 0 to the first", GridKey::Left, 1, 3, 1, 1, 12, true, false, To(0, 1)},
      {"middle: Down on row 12 scrolls", GridKey::Down, 1, 3, 12, 20, 40, false, false,
       To(1, 12, 1)},
      // Last column.
      {"last: Left at 0 to the middle", GridKey::Left, 2, 3, 4, 4, 12, true, false, To(1, 4)},
      {"last: Enter to the next row's first", GridKey::Enter, 2, 3, 4, 4, 12, false, false,
       To(0, 5)},
      {"last: Tab on row 12 scrolls", GridKey::Tab, 2, 3, 12, 12, 13, false, false,
       To(0, 12, 1)},
      {"last: Enter on the table's last row stays", GridKey::Enter, 2, 3, 12, 12, 12, false,
       false, kStay},
      {"last: Up on row 1 scrolls", GridKey::Up, 2, 3, 1, 7, 30, false, false, To(2, 1, -1)},
      // Two columns (ungrouped one-variable data): x and n.
      {"two: Right at the end of x to n", GridKey::Right, 0, 2, 3, 3, 12, false, true, To(1, 3)},
      {"two: Left at 0 in n back to x", GridKey::Left, 1, 2, 3, 3, 12, true, false, To(0, 3)},
      {"two: Left at 0 in x to the row above's n", GridKey::Left, 0, 2, 3, 3, 12, true, false,
       To(1, 2)},
      {"two: empty cell, Right moves at once", GridKey::Right, 1, 2, 3, 3, 12, true, true,
       To(0, 4)},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(NavigateKey(c.key, c.column, c.columns, c.screenRow, c.dataRow, c.N, c.atStart,
                          c.atEnd),
              c.expected)
        << c.what;
  }
}

TEST(RowMouse, TheDragTargetRowFollowsThePointerWithinTheGrid) {
  struct Case {
    int index, y, expected;
  };
  // 26 pixels between rows; a pixel is 15 twips and the handlers divide by 387.
  const Case cases[] = {
      {3, 0, 3},   {3, 24, 3},  {3, 25, 4},   {3, 51, 5},  {3, -2, 3},
      {3, -3, 2},  {3, -27, 2}, {3, -28, 1},  {3, -500, 1}, {12, 5000, 12},
      {1, -1, 1},  {11, 26, 12}, {1, 257, 11}, {1, 256, 10},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowMouse::DragTarget(c.index, c.y), c.expected) << c.index << " at " << c.y;
  }
}

TEST(RowMouse, ClicksShiftClicksAndDrags) {
  struct Step {
    char event;  // 'd' down, 'm' move, 'u' up
    int index;
    RowModifiers modifiers;
    int y;
  };
  struct Case {
    const char* what;
    RowSelection before;
    int32_t top;
    std::vector<Step> steps;
    RowSelection after;
  };
  const auto None = RowModifiers::None, Shift = RowModifiers::ShiftOnly,
             Other = RowModifiers::Other;
  const Case cases[] = {
      {"a click selects its row", {-1, -1}, 1, {{'d', 4, None, 0}, {'u', 4, None, 0}}, {4, 4}},
      {"a click counts from the first visible row", {-1, -1}, 20,
       {{'d', 4, None, 0}, {'u', 4, None, 0}}, {23, 23}},
      {"Shift+click with nothing selected is a click", {-1, -1}, 1,
       {{'d', 6, Shift, 0}, {'u', 6, Shift, 0}}, {6, 6}},
      {"a click on the start row clears", {5, 9}, 1, {{'d', 5, None, 0}, {'u', 5, None, 0}},
       {-1, -1}},
      {"a click on another row selects it", {5, 9}, 1, {{'d', 7, None, 0}, {'u', 7, None, 0}},
       {7, 7}},
      {"one row selected, a click on another selects that one", {5, 5}, 1,
       {{'d', 8, None, 0}, {'u', 8, None, 0}}, {8, 8}},
      {"Shift+click extends from the start", {5, 6}, 1, {{'d', 2, Shift, 0}, {'u', 2, Shift, 0}},
       {5, 2}},
      {"Ctrl+click leaves the selection", {5, 9}, 1, {{'d', 2, Other, 0}, {'u', 2, Other, 0}},
       {5, 9}},
      {"Ctrl with a drag extends from the start", {5, 9}, 1,
       {{'d', 2, Other, 0}, {'m', 2, Other, 26 * 9}, {'u', 2, Other, 26 * 9}}, {5, 11}},
      {"a drag down selects the rows passed", {-1, -1}, 1,
       {{'d', 3, None, 0}, {'m', 3, None, 30}, {'m', 3, None, 60}, {'u', 3, None, 60}}, {3, 5}},
      {"a drag above the grid stops at its first row", {-1, -1}, 10,
       {{'d', 3, None, 0}, {'m', 3, None, -300}, {'u', 3, None, -300}}, {12, 10}},
      {"a drag from the start row selects from it", {5, 9}, 1,
       {{'d', 5, None, 0}, {'m', 5, None, 53}, {'u', 5, None, 53}}, {5, 7}},
      {"a move without a press does nothing", {5, 9}, 1, {{'m', 5, None, 53}}, {5, 9}},
  };
  for (const Case& c : cases) {
    RowMouse mouse;
    RowSelection s = c.before;
    for (const Step& step : c.steps) {
      if (step.event == 'd') s = mouse.Down(s, c.top, step.index, step.modifiers);
      if (step.event == 'm') s = mouse.Move(s, c.top, step.index, step.y);
      if (step.event == 'u') s = mouse.Up(s);
    }
    EXPECT_EQ(s, c.after) << c.what;
    EXPECT_FALSE(mouse.Dragging()) << c.what;
  }
}

}  // namespace
