// Where the keys lead between a grid's input cells, and how the row-number column's mouse
// events select rows.
#include <gtest/gtest.h>

#include <map>

#include "table_test_support.h"
#include "tables/grid_keys.h"
#include "tables/row_mouse.h"

namespace {

using namespace tables;

// Every rule of the keys on three columns and on two: tests/data/grid_keys.tsv.
TEST(GridKeys, EveryRuleOfTheThreeColumns) {
  const std::map<std::string, GridKey> keys = {
      {"Left", GridKey::Left},   {"Right", GridKey::Right}, {"Up", GridKey::Up},
      {"Down", GridKey::Down},   {"Enter", GridKey::Enter}, {"Tab", GridKey::Tab},
      {"Other", GridKey::Other}};
  for (const auto& r : tables_test::ReferenceRows("grid_keys.tsv")) {
    SCOPED_TRACE(testing::PrintToString(r));
    ASSERT_EQ(r.size(), 11u);
    const auto at = [&](size_t i) { return std::stoi(r[i]); };
    const bool start = r[6] == "S" || r[6] == "B", end = r[6] == "E" || r[6] == "B";
    EXPECT_EQ(NavigateKey(keys.at(r[0]), at(1), at(2), at(3), at(4), at(5), start, end),
              (GridMove{at(7) == 1, at(8), at(9), at(10)}));
  }
}

TEST(RowMouse, TheDragTargetRowFollowsThePointerWithinTheGrid) {
  // 26 pixels between rows; a pixel is 15 twips and the handlers divide by 387.
  const int cases[][3] = {{3, 0, 3},   {3, 24, 3},   {3, 25, 4},    {3, 51, 5},     {3, -2, 3},
                          {3, -3, 2},  {3, -27, 2},  {3, -28, 1},   {3, -500, 1},   {12, 5000, 12},
                          {1, -1, 1},  {11, 26, 12}, {1, 257, 11},  {1, 256, 10}};
  for (const auto& c : cases) {
    EXPECT_EQ(RowMouse::DragTarget(c[0], c[1]), c[2]) << c[0] << " at " << c[1];
  }
}

TEST(RowMouse, ClicksShiftClicksAndDrags) {
  const auto None = RowModifiers::None, Shift = RowModifiers::ShiftOnly;
  const auto Other = RowModifiers::Other;
  // A press on screen row `index` with the modifiers, moves by `moves` pixels, the release.
  struct Case { const char* what; RowSelection before; int32_t top; int index;
                RowModifiers modifiers; std::vector<int> moves; RowSelection after;
                bool pressed = true; };
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
