// Reading an edited grid row back into the table, the computed cells, and the cell texts.
#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "table_test_support.h"
#include "tables/row_reading.h"
#include "tables/row_text.h"

namespace {

using namespace tables;
using namespace tables_test;
using platform::Icon;
using testing_support::ScriptedUi;

// Typed rows of both tables, their stored values and computed cells: tests/data/typed_rows.tsv.
TEST(RowReading, TypedRowsTheirValuesAndComputedCells) {
  for (const auto& r : ReferenceRows("typed_rows.tsv")) {
    SCOPED_TRACE(r[0] + " " + r[13]);
    ASSERT_EQ(r.size(), 14u);
    const auto kind = static_cast<int16_t>(std::stoi(r[1]));
    const Row stored{Value(r[5]), Value(r[6]), Value(r[7])};
    if (r[0] == "1V") {
      Table1V table;
      RecordingView view(table);
      table.DataType1V = kind;
      const auto cells = LeerITEM1V(table, 3, r[2], r[3], r[4]);
      ASSERT_TRUE(cells.has_value());
      EXPECT_EQ(RowsOf(table)[2], stored);
      EXPECT_EQ(*cells, (DerivedCells1V{r[8], r[9], r[10], r[11], r[12]}));
      // A grid that refills the row from the table shows the same.
      EXPECT_EQ(DerivedCellsOf1V(table, 3), *cells);
      EXPECT_EQ(view.calls, std::vector<std::string>{"Recompute"});
      EXPECT_EQ(table.N1V, 12);
      EXPECT_FALSE(table.Modified1V);  // the grid's change handler marks it, not the reader
    } else {
      Table2V table;
      table.RegType2V = kind;
      const auto cells = LeerITEM2V(table, 1, r[2], r[3], r[4]);
      ASSERT_TRUE(cells.has_value());
      EXPECT_EQ(RowsOf(table)[0], stored);
      EXPECT_EQ(*cells, (DerivedCells2V{r[8], r[9], r[10], r[11], r[12]}));
      EXPECT_EQ(DerivedCellsOf2V(table, 1), *cells);
    }
  }
}

// Typing into the last row grows the table by one, up to 10000 rows; beyond, the row
// limit is shown and nothing changes.
TEST(RowReading, EditingTheLastRowGrowsTheTableUpToTheLimit) {
  ScriptedUi ui;
  ui.ExpectMsgBox(kRowLimit, platform::Answer::Ok, "ERROR", Icon::Critical);
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
}

// The value, its field text and its grid cell text: tests/data/number_texts.tsv. (That the
// fields read back bit for bit is checked on the data files.)
TEST(CellText, TheThreeNumberTextsStayApart) {
  for (const auto& r : ReferenceRows("number_texts.tsv")) {
    SCOPED_TRACE(r[1]);
    ASSERT_EQ(r.size(), 4u);
    const double value = Value(r[0]);
    EXPECT_EQ(FieldText(value), r[1]);
    EXPECT_EQ(InputCellText(value), r[2]);
  }
}

}  // namespace
