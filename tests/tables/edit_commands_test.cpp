// The Edit commands, their one step of undo and redo, and the clipboard's selection text.
#include <gtest/gtest.h>

#include <functional>

#include "support/scripted_ui.h"
#include "table_test_support.h"
#include "tables/edit_commands.h"
#include "tables/undo.h"

namespace {

using namespace tables;
using namespace tables_test;
using platform::Answer;
using platform::Icon;
using testing_support::ScriptedUi;

// Paste reads this text with the data files' reader, whose details are tested there.
TEST(ClipboardText, CopyWritesTheSelectionTextFromItsTopRow) {
  ScriptedUi ui;
  Table1V source;
  RecordingView sourceView(source);
  SetRows(source, {{1.5, E, 2}, {-3, 0.5, 1}, {E, E, E}, {7, 8, 9}});
  SetSelection1V(source, 3, 1);  // selected upwards: the text still runs from the top
  sourceView.calls.clear();
  Copiar1V(source);
  EXPECT_EQ(ui.ClipboardText(), "'<SEL1VAR>  3\r\n 1.5 <N>  2 \r\n-3  .5  1 \r\n<N> <N> <N> \r\n");
  EXPECT_TRUE(sourceView.calls.empty()) << "Copy changes nothing else";
  EXPECT_EQ(MenuLine(source), "Can not undo | Can not redo");
}

TEST(EditCommands, PasteAndInsertPlaceRowsUpToTheRowLimit) {
  // count 0: Insert row. Pasted rows go before the selection or after the last row, and
  // become the selection; an inserted row moves the selection with its data.
  struct Case { int32_t n; bool selected; int count; int32_t nAfter, selStart; };
  const Case cases[] = {
      // Without a selection an empty row follows the pasted ones: N + count + 1 < 10000.
      {9990, false, 8, 9999, 9991}, {9990, false, 9, 9990, -1},
      // Before a selection: N + count < 10000.
      {9990, true, 9, 9999, 5}, {9990, true, 10, 9990, 5},
      // Insert row: 9998 rows may grow to 9999; 9999 rows may not.
      {9998, true, 0, 9999, 6}, {9999, true, 0, 9999, 5}, {9999, false, 0, 9999, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "N " << c.n << " count " << c.count << " selected " << c.selected);
    ScriptedUi ui;
    Table2V source;
    SetRows(source, NumberedRows(1, c.count));
    ui.SetClipboardText(SelectionText2V(source, 1, c.count));
    Table2V table;
    SetRows(table, NumberedRows(1, c.n));
    if (c.selected) SetSelection2V(table, 5, 5);
    const bool accepted = c.nAfter != c.n;
    if (!accepted) ui.ExpectMsgBox(kRowLimit, Answer::Ok, "ERROR", Icon::Critical);
    (c.count ? Pegar2V : InsertFILA2V)(table);
    const std::vector<Row> rows = RowsOf(table);
    EXPECT_EQ(rows.size(), static_cast<size_t>(c.nAfter));
    EXPECT_EQ(table.UndoAvail2V, accepted);
    EXPECT_EQ(table.SelStart2V, c.selStart);
    if (accepted && c.count) {
      EXPECT_EQ(table.SelEnd2V, c.selStart + c.count - 1);
      EXPECT_EQ(rows[static_cast<size_t>(c.selStart - 1)], Numbered(1));
      EXPECT_EQ(rows.back(), c.selected ? Numbered(c.n) : Row{});
    }
  }
}

// A scripted session on the two-variable table: each step's rows, count, selection, first
// visible row and Edit menu, and the empty rows outside the count after every step.
TEST(EditCommands, ScriptedSessionWithUndoAndRedo) {
  ScriptedUi ui;
  Table2V table;
  RecordingView view(table);
  SetRows(table, NumberedRows(1, 15));
  table.Top2V = 4;

  const std::vector<Row> afterCut = RowsNumbered({1, 2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
  std::vector<Row> swapped;
  for (const Row& r : afterCut) swapped.push_back({r.b, r.a, r.c});

  struct Step {
    const char* name;
    std::function<void()> run;
    std::vector<Row> rows;
    int32_t selStart, selEnd, top;
    const char* menu;
  };
  const Step steps[] = {
      {"cut rows 3 to 5", [&] { SetSelection2V(table, 5, 3); Cortar2V(table); },
       afterCut, -1, -1, 1, "Undo cut* | Can not redo"},
      // The snapshot keeps the lower end of the selection first.
      {"undo the cut", [&] { Deshacer2V(table); }, NumberedRows(1, 15), 3, 5, 4,
       "Can not undo | Redo*"},
      {"redo the cut", [&] { Rehacer2V(table); }, afterCut, -1, -1, 1, "Undo* | Can not redo"},
      {"paste the cut rows before row 2", [&] { SetSelection2V(table, 2, 2); Pegar2V(table); },
       RowsNumbered({1, 3, 4, 5, 2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), 2, 4, 1,
       "Undo paste* | Can not redo"},
      {"insert a row: the selection stays on its data", [&] { InsertFILA2V(table); },
       RowsNumbered({1, 0, 3, 4, 5, 2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), 3, 5, 1,
       "Undo insert row* | Can not redo"},
      {"delete the selection", [&] { DelSel2V(table); },
       RowsNumbered({1, 0, 0, 0, 0, 2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), -1, -1, 1,
       "Undo delete selection* | Can not redo"},
      {"compact", [&] { Compactar2V(table); }, afterCut, -1, -1, 1,
       "Undo compact table* | Can not redo"},
      {"without a selection Cut, Copy and Delete do nothing",
       [&] { ui.SetClipboardText("kept"); Cortar2V(table); Copiar2V(table); DelSel2V(table); },
       afterCut, -1, -1, 1, "Undo compact table* | Can not redo"},
      {"swap x and y", [&] { SwapXY2V(table); }, swapped, -1, -1, 1,
       "Undo swap x-y* | Can not redo"},
      // The model is not part of an undo step (checked at the end).
      {"undo the swap after a change of model", [&] { SetRegType2V(table, 2); Deshacer2V(table); },
       afterCut, -1, -1, 1, "Can not undo | Redo*"},
      {"select all", [&] { SelALL2V(table); }, afterCut, 1, 12, 1, "Can not undo | Redo*"},
      {"typing makes both unavailable", [&] { SetSTATUSUndoRedo2V(table, false, "", false, ""); },
       afterCut, 1, 12, 1, "Can not undo | Can not redo"},
      {"and undo then does nothing", [&] { Deshacer2V(table), Rehacer2V(table); }, afterCut, 1,
       12, 1, "Can not undo | Can not redo"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    const std::vector<Row> before = RowsOf(table);
    table.Modified2V = false;  // as after a save: a step that changes rows marks it again
    step.run();
    EXPECT_EQ(RowsOf(table), step.rows);
    EXPECT_EQ(table.SelStart2V, step.selStart);
    EXPECT_EQ(table.SelEnd2V, step.selEnd);
    EXPECT_EQ(table.Top2V, step.top);
    EXPECT_EQ(MenuLine(table), step.menu);
    EXPECT_EQ(table.Modified2V, step.rows != before);
  }
  EXPECT_EQ(table.RegType2V, 2);
  EXPECT_EQ(ui.ClipboardText(), "kept");
}

TEST(EditCommands, CutMovesTheRowsBelowUpAndKeepsTwelveRows) {
  ScriptedUi ui;
  struct Case { int rows, lo, hi; std::vector<Row> expected; };
  auto joined = [](std::vector<Row> a, const std::vector<Row>& b) {
    return a.insert(a.end(), b.begin(), b.end()), a;
  };
  const Case cases[] = {
      {12, 1, 5, Padded(NumberedRows(6, 12), 12)},
      {30, 1, 30, std::vector<Row>(12)},
      // Thousands of rows from a long table: a wrong bound writes past the arrays.
      {9000, 2, 7000, joined(NumberedRows(1, 1), NumberedRows(7001, 9000))},
      {9999, 5000, 9999, NumberedRows(1, 4999)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rows << " rows, cut " << c.lo << ".." << c.hi);
    Table1V table;
    SetRows(table, NumberedRows(1, c.rows));
    table.Top1V = std::max(1, c.rows - 11);
    SetSelection1V(table, c.lo, c.hi);
    Cortar1V(table);
    EXPECT_EQ(RowsOf(table), c.expected);
    EXPECT_EQ(table.Top1V, std::max(1, table.N1V - 11));
    Deshacer1V(table);
    EXPECT_EQ(RowsOf(table), NumberedRows(1, c.rows));
    EXPECT_EQ(table.Top1V, std::max(1, c.rows - 11));
    Rehacer1V(table);
    EXPECT_EQ(RowsOf(table), c.expected);
  }
}

TEST(EditCommands, CompactKeepsTheCompleteRowsOfTheDataKind) {
  ScriptedUi ui;
  const std::vector<Row> mixed{{1, E, 1}, {2, 5, E}, {3, E, 2}, {E, E, E}, {4, 6, 1}, {E, 7, 1}};
  std::vector<Row> longer = NumberedRows(1, 30);
  for (size_t i = 0; i < 10; ++i) longer[i].b = E;
  struct Case { std::vector<Row> rows; int16_t dataType; std::vector<Row> kept; };
  const Case cases[] = {
      {mixed, 0, Padded({{1, E, 1}, {3, E, 2}, {4, 6, 1}}, 12)},
      {mixed, 1, Padded({{4, 6, 1}}, 12)},
      // More complete rows than 12: the count is the number kept.
      {longer, 1, NumberedRows(11, 30)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows.size());
    Table1V table;
    SetRows(table, c.rows);
    table.DataType1V = c.dataType;
    table.Top1V = 19;
    Compactar1V(table);
    EXPECT_EQ(RowsOf(table), c.kept);
    EXPECT_EQ(table.Top1V, 1) << "the grid goes to row 1";
  }
}

// Choosing another model marks the table and relabels it (the panels' tests), and is no
// undo step (the scripted session); the present model or an unknown one changes nothing.
TEST(EditCommands, TheModelOptionIgnoresThePresentOrAnUnknownModel) {
  Table2V two;
  RecordingView view(two);
  SetRegType2V(two, 0);  // the present model
  SetRegType2V(two, 5);  // no such model
  EXPECT_EQ(two.RegType2V, 0);
  EXPECT_FALSE(two.Modified2V);
  EXPECT_TRUE(view.calls.empty());
}

}  // namespace
