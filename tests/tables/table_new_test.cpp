// New table, with its question about unsaved changes.
#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "table_test_support.h"
#include "tables/edit_commands.h"
#include "tables/new_table.h"
#include "tables/undo.h"

namespace {

using namespace tables;
using namespace tables_test;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testing_support::ScriptedUi;

// A one-variable table with grouped data, a file, a selection, a scrolled grid, unsaved
// changes and an undo step.
void FillBusyTable(Table1V& table) {
  SetRows(table, NumberedRows(1, 40));
  table.Data1V_X1[0] = 99;  // even index 0 must come back empty
  table.DataType1V = 1;
  table.FileName1V = "/data/old.e1v";
  table.Top1V = 20;
  SetSelection1V(table, 3, 5);
  SaveForUndo1V(table);
  SetSTATUSUndoRedo1V(table, true, "Undo cut", false, "");
  table.Modified1V = true;
}

TEST(NewTable, StartsAFreshTableAfterTheQuestion) {
  struct Case {
    const char* name;
    Answer answer;
    bool saveCompletes;
    bool renewed;
  };
  const Case cases[] = {
      {"No", Answer::No, false, true},
      {"Cancel", Answer::Cancel, false, false},
      {"Yes, saved", Answer::Yes, true, true},
      {"Yes, save cancelled", Answer::Yes, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    ui.ExpectMsgBox("Do you want to save changes to /data/old.e1v?", c.answer,
                    "Save changes. One variable statistic", Icon::Question, Buttons::YesNoCancel);
    Table1V table;
    RecordingView view(table);
    FillBusyTable(table);
    view.onSave = [&] { table.Modified1V = !c.saveCompletes; };
    view.calls.clear();
    CmdNEW1VAR_Click(table);
    EXPECT_EQ(view.Count("SaveTable"), c.answer == Answer::Yes ? 1 : 0);
    if (!c.renewed) {
      EXPECT_EQ(table.N1V, 40);
      EXPECT_EQ(table.DataType1V, 1);
      EXPECT_EQ(table.FileName1V, "/data/old.e1v");
      EXPECT_TRUE(table.Modified1V);
      EXPECT_EQ(MenuLine(table), "Undo cut* | Can not redo");
      continue;
    }
    EXPECT_EQ(RowsOf(table), std::vector<Row>(12));
    EXPECT_TRUE(OutsideRowsEmpty(table));
    EXPECT_EQ(table.Top1V, 1);
    EXPECT_EQ(table.DataType1V, 0);
    EXPECT_EQ(table.FileName1V, "");
    EXPECT_FALSE(table.Modified1V);
    EXPECT_EQ(table.SelStart1V, -1);
    EXPECT_EQ(table.SelEnd1V, -1);
    EXPECT_EQ(view.caption, "Orvalis - ZorbSoftware");
    EXPECT_EQ(MenuLine(table), "Can not undo | Can not redo");
    EXPECT_EQ(view.Count("ClearPanel"), 1);
    EXPECT_EQ(view.Count("LayoutKind"), 1);
    EXPECT_EQ(view.Count("Recompute"), 1);
    // The previous table's undo step can never come back.
    Deshacer1V(table);
    EXPECT_EQ(RowsOf(table), std::vector<Row>(12));
  }
}

TEST(NewTable, AsksNothingWithoutChangesAndNamesAnUnnamedTable) {
  {
    ScriptedUi ui;  // no question expected
    Table2V table;
    SetRows(table, NumberedRows(1, 20));
    table.RegType2V = 3;
    CmdNEW2VAR_Click(table);
    EXPECT_EQ(table.N2V, 12);
    EXPECT_EQ(table.RegType2V, 0);
  }
  ScriptedUi ui;
  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::Cancel,
                  "Save changes. Two variables statistic", Icon::Question, Buttons::YesNoCancel);
  Table2V table;
  table.Modified2V = true;
  CmdNEW2VAR_Click(table);
  EXPECT_TRUE(table.Modified2V);
}

}  // namespace
