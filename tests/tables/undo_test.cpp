// One step of undo and redo per table, and what the Edit menu shows for them.
#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "table_test_support.h"
#include "tables/edit_commands.h"
#include "tables/undo.h"

namespace {

using namespace tables;
using namespace tables_test;
using testing_support::ScriptedUi;

TEST(Undo, CutUndoRedoRestoresRowsCountTopAndSelection) {
  ScriptedUi ui;
  Table1V table;
  RecordingView view(table);
  SetRows(table, NumberedRows(1, 30));
  table.Top1V = 19;
  SetSelection1V(table, 10, 1);
  Cortar1V(table);
  const std::vector<Row> afterCut = NumberedRows(11, 30);
  EXPECT_EQ(RowsOf(table), afterCut);
  EXPECT_EQ(table.Top1V, 9);  // the scroll bar's maximum fell to 20 - 11

  table.Modified1V = false;  // as after a save
  view.calls.clear();
  Deshacer1V(table);
  EXPECT_EQ(RowsOf(table), NumberedRows(1, 30));
  EXPECT_EQ(table.Top1V, 19);
  EXPECT_EQ(table.SelStart1V, 1);  // the snapshot keeps the lower end first
  EXPECT_EQ(table.SelEnd1V, 10);
  EXPECT_EQ(MenuLine(table), "Can not undo | Redo*");
  EXPECT_TRUE(table.Modified1V);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"Refresh", "Recompute", "UndoRedoChanged"}));

  table.Modified1V = false;
  Rehacer1V(table);
  EXPECT_EQ(RowsOf(table), afterCut);
  EXPECT_EQ(table.Top1V, 9);
  EXPECT_EQ(table.SelStart1V, -1);
  EXPECT_EQ(MenuLine(table), "Undo* | Can not redo");
  EXPECT_TRUE(table.Modified1V);
  EXPECT_TRUE(OutsideRowsEmpty(table));

  // Redo then Undo brings back the table as it was before the cut.
  Deshacer1V(table);
  EXPECT_EQ(RowsOf(table), NumberedRows(1, 30));
  EXPECT_TRUE(OutsideRowsEmpty(table));
}

TEST(Undo, UndoThatLowersTheCountLeavesNothingAboveIt) {
  ScriptedUi ui;
  ui.SetClipboardText(
      "'<SEL2VAR>  3\r\n 1 1 1 \r\n 2 2 2 \r\n 3 3 3 \r\n");
  Table2V table;
  SetRows(table, NumberedRows(1, 12));
  Pegar2V(table);  // rows 13..15, then an empty row 16
  EXPECT_EQ(table.N2V, 16);
  Deshacer2V(table);
  EXPECT_EQ(table.N2V, 12);
  EXPECT_EQ(RowsOf(table), NumberedRows(1, 12));
  EXPECT_TRUE(OutsideRowsEmpty(table));
  Rehacer2V(table);
  EXPECT_EQ(table.N2V, 16);
  EXPECT_EQ(RowsOf(table)[14], (Row{3, 3, 3}));
}

TEST(Undo, TypingMakesBothUnavailableAndUndoThenDoesNothing) {
  ScriptedUi ui;
  Table1V table;
  SetRows(table, NumberedRows(1, 12));
  SetSelection1V(table, 1, 2);
  DelSel1V(table);
  EXPECT_EQ(MenuLine(table), "Undo delete selection* | Can not redo");
  // The grid's change handler after a keystroke.
  SetSTATUSUndoRedo1V(table, false, "", false, "");
  EXPECT_EQ(MenuLine(table), "Can not undo | Can not redo");
  const std::vector<Row> typed = RowsOf(table);
  Deshacer1V(table);
  Rehacer1V(table);
  EXPECT_EQ(RowsOf(table), typed);
}

TEST(Undo, TheKindAndTheOtherTableAreNotPartOfIt) {
  ScriptedUi ui;
  Table1V one;
  SetRows(one, {{1, 2, 1}, {3, 4, 1}});
  one.DataType1V = 1;
  SetSelection1V(one, 1, 1);
  Cortar1V(one);
  SetDataType1V(one, 0);
  Deshacer1V(one);
  EXPECT_EQ(one.DataType1V, 0);
  EXPECT_EQ(RowsOf(one)[0], (Row{1, 2, 1}));

  // Each table keeps its own menu state for the tab switch.
  Table2V two;
  EXPECT_EQ(MenuLine(two), "Can not undo | Can not redo");
  SwapXY2V(two);
  EXPECT_EQ(MenuLine(two), "Undo swap x-y* | Can not redo");
  EXPECT_EQ(MenuLine(one), "Can not undo | Redo*");
}

}  // namespace
