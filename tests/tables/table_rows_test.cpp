// Reading an edited grid row back into the table, the computed cells, and the cell texts.
#include <gtest/gtest.h>

#include <cmath>

#include "support/scripted_ui.h"
#include "table_test_support.h"
#include "tables/row_reading.h"
#include "tables/row_text.h"

namespace {

using namespace tables;
using namespace tables_test;
using platform::Icon;
using testing_support::ScriptedUi;

const std::string kRowLimit = "Overflow: Number of rows is limited to  10000";

TEST(RowReading, OneVariableRowsAndTheirComputedCells) {
  struct Case { const char* name; int16_t dataType; std::string x1, x2, n; Row stored; DerivedCells1V cells; };
  const Case cases[] = {
      {"ungrouped ignores x2", 0, "2", "7", "3", {2, E, 3}, {"", "6", "12", "24", "48"}},
      {"grouped class", 1, "10", "20", "2", {10, 20, 2}, {"15", "30", "450", "6750", "101250"}},
      {"grouped without upper bound", 1, "10", "", "2", {10, E, 2}, {}},
      {"only the value", 0, "5", "", "", {5, E, E}, {}},
      {"blank cells are empty, not 0", 0, "  ", "", " ", {E, E, E}, {}},
      {"zero is a value", 0, "0", "", "1", {0, E, 1}, {"", "0", "0", "0", "0"}},
      {"tiny values are kept", 0, "1E-305", "", "1", {1E-305, E, 1}, {"", "1E-305", "0", "0", "0"}},
      {"an overflowing power stays empty", 0, "1E+200", "", "1", {1E+200, E, 1},
       {"", "1E+200", "", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Table1V table;
    RecordingView view(table);
    table.DataType1V = c.dataType;
    const auto cells = LeerITEM1V(table, 3, c.x1, c.x2, c.n);
    ASSERT_TRUE(cells.has_value());
    EXPECT_EQ(RowsOf(table)[2], c.stored);
    EXPECT_EQ(*cells, c.cells);
    EXPECT_EQ(DerivedCellsOf1V(table, 3), c.cells);
    EXPECT_EQ(view.calls, std::vector<std::string>{"Recompute"});
    EXPECT_EQ(table.N1V, 12);
    EXPECT_FALSE(table.Modified1V);  // the grid's change handler marks it, not the reader
  }
}

TEST(RowReading, TwoVariableRowsUnderEachModel) {
  // cells: XN, YN, X2N, Y2N, XYN
  struct Case { int16_t model; std::string x, y, n; Row stored; DerivedCells2V cells; };
  const Case cases[] = {
      {0, "2", "3", "2", {2, 3, 2}, {"4", "6", "8", "18", "12"}},
      {4, "2", "3", "2", {2, 3, 2}, {"4", "6", "8", "18", "12"}},
      {1, "1", "3", "2", {1, 3, 2}, {"0", "6", "0", "18", "0"}},
      {2, "2", "2.718281828459045", "3", {2, 2.718281828459045, 3}, {"6", "3", "12", "3", "6"}},
      {3, "1", "1", "5", {1, 1, 5}, {"0", "0", "0", "0", "0"}},
      // The logarithm of a value not above 0 leaves the x cells and the product empty.
      {1, "-1", "2", "1", {-1, 2, 1}, {"", "2", "", "4", ""}},
      {3, "2", "0", "1", {2, 0, 1}, {"0.6931471806", "", "0.4804530139", "", ""}},
      // Magnitudes below 1E-300 are empty cells in this table.
      {0, "1E-305", "-1E-301", "0", {E, E, 0}, {}},
      {0, "4", "5", "", {4, 5, E}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "model " << c.model << " x " << c.x << " y " << c.y);
    Table2V table;
    table.RegType2V = c.model;
    const auto cells = LeerITEM2V(table, 1, c.x, c.y, c.n);
    ASSERT_TRUE(cells.has_value());
    EXPECT_EQ(RowsOf(table)[0], c.stored);
    EXPECT_EQ(*cells, c.cells);
    // A grid that refills the row from the table shows the same.
    EXPECT_EQ(DerivedCellsOf2V(table, 1), c.cells);
  }
}

// Typing into the last row grows the table by one, up to 10000 rows; beyond, the row
// limit is shown and nothing changes.
TEST(RowReading, EditingTheLastRowGrowsTheTableUpToTheLimit) {
  ScriptedUi ui;
  ui.ExpectMsgBox(kRowLimit, platform::Answer::Ok, "ERROR", Icon::Critical)
      .ExpectMsgBox(kRowLimit, platform::Answer::Ok, "ERROR", Icon::Critical);
  Table1V one;
  RecordingView view(one);
  ASSERT_TRUE(LeerITEM1V(one, 12, "1", "", "1"));  // visible row 12 is data row 12
  EXPECT_EQ(one.N1V, 13);
  ASSERT_TRUE(LeerITEM1V(one, 1, "", "", ""));
  EXPECT_EQ(RowsOf(one).size(), 13u) << "editing an earlier row never lowers the count";
  one.N1V = 9999;
  one.Top1V = 9988;
  ASSERT_TRUE(LeerITEM1V(one, 12, "1", "", "1"));  // data row 9999
  EXPECT_EQ(one.N1V, 10000);
  one.Top1V = 9989;
  view.calls.clear();
  EXPECT_FALSE(LeerITEM1V(one, 12, "5", "", "1").has_value());  // data row 10000
  EXPECT_EQ(RowsOf(one).back(), Row{});
  EXPECT_TRUE(view.calls.empty());
  Table2V two;
  two.Top2V = 9989;
  EXPECT_FALSE(LeerITEM2V(two, 12, "5", "1", "1").has_value());
  EXPECT_EQ(two.Data2V_X[10000], NoValue);
}

TEST(CellText, TheThreeNumberTextsStayApart) {
  // field: files and clipboard; input: a grid cell
  struct Case { double value; const char* field; const char* input; };
  const Case cases[] = {
      {NoValue, "<N>", ""},
      {0.5, " .5", ".5"},
      {-0.25, "-.25", "-.25"},
      {-3, "-3", "-3"},
      {2, " 2", "2"},
      {-0.0, " 0", "0"},
      {123.456, " 123.456", "123.456"},
      {1.5E-07, " 1.5E-07", "1.5E-07"},
      {1E+15, " 1E+15", "1E+15"},
      {123456789012345, " 123456789012345", "123456789012345"},
      // More than 15 digits: the field keeps every bit, the grid shows 15 digits.
      {0.1 + 0.2, " .30000000000000004", ".3"},
      {1.0 / 3, " .3333333333333333", ".333333333333333"},
      {5E-324, " 5E-324", "4.94065645841247E-324"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    EXPECT_EQ(FieldText(c.value), c.field);
    EXPECT_EQ(InputCellText(c.value), c.input);
    if (c.value != NoValue && c.value != 0) {
      EXPECT_EQ(ValNumero(FieldText(c.value)), c.value) << "the field reads back exactly";
    }
  }
}

}  // namespace
