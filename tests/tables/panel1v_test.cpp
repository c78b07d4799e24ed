// The one-variable panel driven offscreen in the main window, as a user meets it: typing
// data, the results shown per keystroke, moving with the keys, scrolling, selecting rows,
// the Edit menu and its keys, New, saving and reopening, moments and quantiles.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <map>
#include <vector>

#include "frame/FormMain.h"
#include "frame/PictureButton.h"
#include "frame/panels.h"
#include "support/scripted_ui.h"
#include "graph/graph_handover.h"
#include "tables/Panel1V.h"
#include "tables/graph_window.h"

namespace {

using platform::Answer;
using testing_support::MemorySettings;
using testing_support::ScriptedUi;

struct DataRow {
  double x1, x2, n;
};

class Panel1VTest : public ::testing::Test {
 protected:
  Panel1VTest() {
    platform::SetProgramFolder(folder.path().toStdString());
    frame::InstallPanels(*form);
    form->Form_Load();
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::mouseClick(form->findChild<QLabel*>("LblTASK_2"), Qt::LeftButton);
  }

  QLineEdit* Cell(const char* column, int row) {
    return form->findChild<QLineEdit*>(QString("%1_%2").arg(column).arg(row));
  }
  std::string Text(const char* name) {
    return form->findChild<QLineEdit*>(name)->text().toStdString();
  }
  std::string LabelText(const char* name) {
    return form->findChild<QLabel*>(name)->text().toStdString();
  }
  QAction* Action(const char* name) { return form->findChild<QAction*>(name); }
  QScrollBar* Bar() { return form->findChild<QScrollBar*>("VScroll2"); }
  void Click(const char* name) { QTest::mouseClick(form->findChild<QWidget*>(name), Qt::LeftButton); }

  // Types the rows from the first value cell on, moving with Enter as a user does.
  void TypeRows(const std::vector<DataRow>& rows, bool grouped) {
    QLineEdit* first = Cell("Txt1V_x1", 1);
    first->setFocus(Qt::MouseFocusReason);
    QWidget* focused = first;
    for (const DataRow& r : rows) {
      std::vector<double> values{r.x1};
      if (grouped) values.push_back(r.x2);
      values.push_back(r.n);
      for (double v : values) {
        focused = QApplication::focusWidget();
        QTest::keyClicks(focused, QString::number(v));
        QTest::keyClick(focused, Qt::Key_Return);
      }
    }
  }
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QLineEdit* cell = Cell("Txt1V_ITEM", row);
    QTest::mousePress(cell, Qt::LeftButton, modifiers, QPoint(10, 10));
    QTest::mouseRelease(cell, Qt::LeftButton, modifiers, QPoint(10, 10));
  }
  // The visible rows' input texts, "x1|x2|n" each.
  std::vector<std::string> ShownRows(int count) {
    std::vector<std::string> rows;
    for (int i = 1; i <= count; ++i) {
      rows.push_back((Cell("Txt1V_x1", i)->text() + "|" + Cell("Txt1V_x2", i)->text() + "|" +
                      Cell("Txt1V_N", i)->text())
                         .toStdString());
    }
    return rows;
  }
  void FillTable(int rows) {
    for (int i = 1; i <= rows; ++i) {
      table1V.Data1V_X1[i] = i * 10;
      table1V.Data1V_N[i] = 1;
    }
    table1V.N1V = std::max(rows + 1, 12);
    table1V.View1V->Refresh();
    table1V.View1V->Recompute();
  }

  QTemporaryDir folder;
  MemorySettings settings;
  ScriptedUi ui;
  frame::FrameState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>(state, table1V, table2V);
};

// What the boxes must show, from the definitions: sums of powers, divisor N, moments
// about the mean.
std::map<std::string, std::string> Expected(const std::vector<DataRow>& rows, bool grouped) {
  double N = 0, S[5] = {0, 0, 0, 0, 0};
  for (const DataRow& r : rows) {
    const double v = grouped ? (r.x1 + r.x2) / 2 : r.x1;
    N += r.n;
    for (int k = 1; k <= 4; ++k) S[k] += std::pow(v, k) * r.n;
  }
  const double mean = S[1] / N;
  double m2 = 0, m3 = 0, m4 = 0;
  for (const DataRow& r : rows) {
    const double d = (grouped ? (r.x1 + r.x2) / 2 : r.x1) - mean;
    m2 += d * d * r.n / N;
    m3 += d * d * d * r.n / N;
    m4 += d * d * d * d * r.n / N;
  }
  return {{"Txt1V_SN", FormatoCifras(N, 10)},       {"Txt1V_SX", FormatoCifras(S[1], 10)},
          {"Txt1V_SX2", FormatoCifras(S[2], 10)},   {"Txt1V_SX3", FormatoCifras(S[3], 10)},
          {"Txt1V_SX4", FormatoCifras(S[4], 10)},   {"Txt1V_MX", FormatoCifras(mean, 10)},
          {"Txt1V_VX", FormatoCifras(m2, 10)},      {"Txt1V_DX", FormatoCifras(std::sqrt(m2), 10)},
          {"Txt1V_CV", FormatoCifras(std::sqrt(m2) / mean, 8)},
          {"Txt1V_AS", FormatoCifras(m3 / std::pow(m2, 1.5), 6)},
          {"Txt1V_CU", FormatoCifras(m4 / (m2 * m2) - 3, 6)}};
}

TEST_F(Panel1VTest, TypedDataShowsEveryResultBox) {
  struct Case {
    const char* what;
    bool grouped;
    std::vector<DataRow> rows;
    std::string mode, median, skewWord, kurtWord;
  };
  // Modes and medians as the definitions give them: the most frequent value, or the
  // grouped mode 10 + 10 * 0.3 / 0.5; the median interpolated in the cumulative frequency.
  const Case cases[] = {
      {"ungrouped, a tie for the mode", false, {{1, 0, 1}, {2, 0, 1}, {3, 0, 1}, {4, 0, 1}}, "",
       "2.5", "Symmetrical", "Platykurtic"},
      {"ungrouped", false, {{2, 0, 1}, {3, 0, 2}, {5, 0, 1}}, "3", "3.25",
       "Positive: Right-skewed", "Platykurtic"},
      {"grouped", true, {{0, 10, 2}, {10, 20, 5}, {20, 30, 3}}, "16", "16",
       "Negative: left-skewed", "Platykurtic"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.grouped) Click("Opt1VAR_1");
    TypeRows(c.rows, c.grouped);
    for (const auto& [box, text] : Expected(c.rows, c.grouped)) {
      EXPECT_EQ(Text(box.c_str()), text) << box;
    }
    EXPECT_EQ(Text("Txt1V_MO"), c.mode);
    EXPECT_EQ(Text("Txt1V_ME"), c.median);
    EXPECT_EQ(LabelText("Label1_68"), c.skewWord);
    EXPECT_EQ(LabelText("Label1_69"), c.kurtWord);
    EXPECT_TRUE(table1V.Modified1V);
    ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No);
    Click("Image14");
  }
}

TEST_F(Panel1VTest, TheColumnsFollowTheDataKind) {
  struct Case {
    const char* option;
    const char* title;
    bool grouped;
    int nLeft, nWidth;  // where n and its sum stand
  };
  const Case cases[] = {
      {"Opt1VAR_1", "One variable statistic:  Grouped data", true, 255, 56},
      {"Opt1VAR_0", "One variable statistic:  Ungrouped data", false, 194, 136},
      {"Opt1VAR_1", "One variable statistic:  Grouped data", true, 255, 56},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    Click(c.option);
    EXPECT_EQ(LabelText("LblESTAD1"), c.title);
    for (const char* name : {"Txt1V_x2", "Txt1V_XM"}) {
      for (int row = 1; row <= 12; ++row) EXPECT_EQ(Cell(name, row)->isVisible(), c.grouped);
    }
    EXPECT_EQ(form->findChild<QLabel*>("image5_15")->isVisible(), c.grouped);
    EXPECT_EQ(Cell("Txt1V_N", 12)->geometry(), QRect(c.nLeft, 314, c.nWidth, 27));
    EXPECT_EQ(form->findChild<QLineEdit*>("Txt1V_SN")->geometry(),
              QRect(c.nLeft, -1, c.nWidth, 26));
    // Row 12 ends where the sums strip begins.
    EXPECT_EQ(Cell("Txt1V_N", 12)->geometry().bottom() + 1,
              form->findChild<QWidget*>("Picture5_7")->geometry().top());
  }
}

TEST_F(Panel1VTest, EachKeystrokeIsAnEdit) {
  QLineEdit* x = Cell("Txt1V_x1", 3);
  x->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(x, "2,5");
  EXPECT_EQ(x->text(), "2.5") << "a comma is typed as a point";
  EXPECT_EQ(Cell("Txt1V_N", 3)->text(), "1") << "a new value counts once";
  EXPECT_EQ(table1V.Data1V_X1[3], 2.5);
  EXPECT_EQ(Cell("Txt1V_X2N", 3)->text(), "6.25");
  EXPECT_EQ(Text("Txt1V_MX"), "2.5");

  QLineEdit* n = Cell("Txt1V_N", 3);
  n->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(n, "4");
  EXPECT_EQ(Text("Txt1V_SN"), "4");
  QTest::keyClick(n, Qt::Key_Backspace);
  EXPECT_TRUE(table1V.Data1V_N[3] == NoValue) << "a cleared frequency is empty, not 0";
  EXPECT_EQ(Text("Txt1V_MX"), "") << "a partly filled row empties every box";
  EXPECT_EQ(Cell("Txt1V_XN", 3)->text(), "");

  // Typing into row 12 grows the table by one row and the scroll bar with it.
  QLineEdit* last = Cell("Txt1V_x1", 12);
  last->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(last, "7");
  EXPECT_EQ(table1V.N1V, 13);
  EXPECT_EQ(Bar()->maximum(), 2);
}

TEST_F(Panel1VTest, EnteringACellSelectsItsTextUnlessTheWindowGaveTheFocusBack) {
  FillTable(3);
  struct Case {
    const char* what;
    std::function<void(QLineEdit*)> enter;
    bool selected;
  };
  const Case cases[] = {
      {"the keyboard", [](QLineEdit* c) { c->setFocus(Qt::TabFocusReason); }, true},
      {"a click, once the caret is placed", [](QLineEdit* c) {
         QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, QPoint(c->width() - 5, 10));
         QApplication::processEvents();
       }, true},
      {"the window becoming active", [](QLineEdit* c) { c->setFocus(Qt::ActiveWindowFocusReason); },
       false},
      {"a popup closing", [](QLineEdit* c) { c->setFocus(Qt::PopupFocusReason); }, false},
  };
  for (const Case& c : cases) {
    QLineEdit* cell = Cell("Txt1V_x1", 2);
    form->findChild<QLineEdit*>("Txt1V_MX")->setFocus(Qt::OtherFocusReason);
    cell->deselect();
    cell->setCursorPosition(1);
    c.enter(cell);
    ASSERT_EQ(QApplication::focusWidget(), cell) << c.what;
    EXPECT_EQ(cell->selectedText() == "20" && cell->cursorPosition() == 0, c.selected) << c.what;
  }
}

TEST_F(Panel1VTest, KeysMoveBetweenTheVisibleColumnsAndScrollAtTheEdges) {
  FillTable(40);
  struct Case {
    bool grouped;
    const char* from;
    int row;
    int key;
    const char* to;
    int toRow;
    int top;  // the scroll bar afterwards
  };
  const Case cases[] = {
      {false, "Txt1V_x1", 2, Qt::Key_Return, "Txt1V_N", 2, 1},
      {true, "Txt1V_x1", 2, Qt::Key_Tab, "Txt1V_x2", 2, 1},
      {true, "Txt1V_x2", 2, Qt::Key_Enter, "Txt1V_N", 2, 1},
      {false, "Txt1V_N", 5, Qt::Key_Backtab, "Txt1V_x1", 6, 1},
      {false, "Txt1V_N", 5, Qt::Key_Left, "Txt1V_x1", 5, 1},
      {true, "Txt1V_N", 5, Qt::Key_Left, "Txt1V_x2", 5, 1},
      {false, "Txt1V_x1", 12, Qt::Key_Down, "Txt1V_x1", 12, 2},
      {false, "Txt1V_N", 12, Qt::Key_Return, "Txt1V_x1", 12, 2},
      {false, "Txt1V_x1", 1, Qt::Key_Up, "Txt1V_x1", 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " " + std::to_string(c.row));
    Click(c.grouped ? "Opt1VAR_1" : "Opt1VAR_0");
    Bar()->setValue(1);
    QLineEdit* from = Cell(c.from, c.row);
    from->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(from->cursorPosition(), 0) << "the text is selected from its start";
    ASSERT_EQ(from->selectedText(), from->text());
    QTest::keyClick(from, static_cast<Qt::Key>(c.key));
    EXPECT_EQ(QApplication::focusWidget(), Cell(c.to, c.toRow));
    EXPECT_EQ(Bar()->value(), c.top);
    EXPECT_EQ(Cell("Txt1V_ITEM", 1)->text().toInt(), c.top);
  }
}

TEST_F(Panel1VTest, AHundredRowTableScrollsByBarWheelAndKeys) {
  FillTable(99);  // rows 1..99 and one empty row after them
  ASSERT_EQ(Bar()->maximum(), 89);
  QLineEdit* cell = Cell("Txt1V_x1", 12);
  cell->setFocus(Qt::TabFocusReason);
  auto wheel = [&](int delta) {
    QWheelEvent event(QPointF(5, 5), cell->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(cell, &event);
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    int top;
  };
  const Step steps[] = {
      {"the bar to its end", [&] { Bar()->setValue(89); }, 89},
      {"a notch away from the user", [&] { wheel(120); }, 88},
      {"three notches at once count as one message each", [&] { wheel(-360); }, 89},
      {"the wheel stops at the end", [&] { wheel(-120); }, 89},
      {"Up on screen row 1", [&] {
         Cell("Txt1V_x1", 1)->setFocus(Qt::TabFocusReason);
         QTest::keyClick(Cell("Txt1V_x1", 1), Qt::Key_Up);
       }, 88},
      {"the bar's page step", [&] { Bar()->triggerAction(QAbstractSlider::SliderPageStepSub); },
       77},
  };
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(Bar()->value(), s.top) << s.what;
    EXPECT_EQ(table1V.Top1V, s.top) << s.what;
    EXPECT_EQ(Cell("Txt1V_ITEM", 1)->text().toInt(), s.top) << s.what;
    const int32_t last = s.top + 11;  // row 100 is the empty one
    EXPECT_EQ(Cell("Txt1V_x1", 12)->text(), last <= 99 ? QString::number(last * 10) : "")
        << s.what;
  }
  EXPECT_FALSE(table1V.Modified1V) << "scrolling changes nothing";
}

TEST_F(Panel1VTest, AFrequencyShownInTheLastRowLeavesOneEmptyRowAfterIt) {
  struct Case {
    int32_t N;
    int32_t top;
    bool lastFilled;
    int32_t after;
  };
  const Case cases[] = {
      {12, 1, true, 13},             // as typing into row 12 would
      {12, 1, false, 12},            // an empty last row needs nothing
      {40, 1, true, 40},             // the last row is not on screen
      {10000, 9989, true, 10000},    // at the row limit: no growth and no message
  };
  for (const Case& c : cases) {
    table1V.N1V = c.N;
    table1V.Top1V = c.top;
    table1V.Data1V_X1[c.N] = c.lastFilled ? 1 : NoValue;
    table1V.Data1V_N[c.N] = c.lastFilled ? 1 : NoValue;
    table1V.View1V->Refresh();
    EXPECT_EQ(table1V.N1V, c.after) << c.N;
    EXPECT_EQ(Bar()->maximum(), std::max(1, c.after - 11)) << c.N;
    EXPECT_EQ(Bar()->value(), c.top) << c.N;
    table1V.Data1V_X1[c.N] = table1V.Data1V_N[c.N] = NoValue;
  }
  EXPECT_FALSE(table1V.Modified1V);
}

TEST_F(Panel1VTest, RowsAreCutPastedUndoneAndRedoneFromTheKeyboard) {
  FillTable(5);
  QLineEdit* focus = Cell("Txt1V_x1", 9);
  focus->setFocus(Qt::TabFocusReason);
  ClickRow(2);
  ClickRow(3, Qt::ShiftModifier);
  EXPECT_EQ(table1V.SelStart1V, 2);
  EXPECT_EQ(table1V.SelEnd1V, 3);
  const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_EQ(Cell("Txt1V_N", 3)->palette().color(QPalette::Base), highlight);
  EXPECT_NE(Cell("Txt1V_N", 4)->palette().color(QPalette::Base), highlight);

  struct Step {
    const char* what;
    std::function<void()> act;
    std::vector<std::string> rows;
    std::string undo, redo;
  };
  auto key = [&](Qt::Key k) {
    return [&, k] { QTest::keyClick(QApplication::focusWidget(), k, Qt::ControlModifier); };
  };
  const Step steps[] = {
      {"Ctrl+X", key(Qt::Key_X), {"10||1", "40||1", "50||1", "||"}, "Undo cut", "Can not redo"},
      {"Ctrl+Z", key(Qt::Key_Z), {"10||1", "20||1", "30||1", "40||1"}, "Can not undo", "Redo"},
      {"Ctrl+Y", key(Qt::Key_Y), {"10||1", "40||1", "50||1", "||"}, "Undo", "Can not redo"},
      {"a click on row 1 and Ctrl+V", [&] {
         ClickRow(1);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
       }, {"20||1", "30||1", "10||1", "40||1"}, "Undo paste", "Can not redo"},
      {"Delete", [&] {
         ClickRow(4);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
       }, {"20||1", "30||1", "10||1", "||"}, "Undo delete selection", "Can not redo"},
  };
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(ShownRows(4), s.rows) << s.what;
    EXPECT_EQ(Action("mnu_Edicion_Deshacer")->text().toStdString(), s.undo) << s.what;
    EXPECT_EQ(Action("mnu_Edicion_Rehacer")->text().toStdString(), s.redo) << s.what;
    EXPECT_EQ(QApplication::focusWidget(), focus) << "the cell keeps the focus";
  }
  EXPECT_EQ(focus->text(), "") << "the keys went to the table, not into the cell";
  EXPECT_EQ(table1V.SelStart1V, -1) << "Delete selection leaves nothing selected";

  // Typing makes the step unavailable; a click into any cell clears the selection.
  QTest::keyClicks(focus, "8");
  EXPECT_FALSE(Action("mnu_Edicion_Deshacer")->isEnabled());
  EXPECT_EQ(Action("mnu_Edicion_Deshacer")->text(), "Can not undo");
  ClickRow(2);
  form->findChild<QLineEdit*>("Txt1V_SN")->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(table1V.SelStart1V, -1);
}

TEST_F(Panel1VTest, ADragInTheRowNumbersSelectsTheRowsItPasses) {
  FillTable(30);
  Bar()->setValue(5);
  QLineEdit* pressed = Cell("Txt1V_ITEM", 3);
  QTest::mousePress(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 10 + 3 * 26), pressed->mapToGlobal(QPointF(10, 88)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(pressed, &move);
  QTest::mouseRelease(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(10, 88));
  EXPECT_EQ(table1V.SelStart1V, 7);
  EXPECT_EQ(table1V.SelEnd1V, 10);
  // Scrolled on, the selection follows its data rows.
  Bar()->setValue(9);
  const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
  for (int row = 1; row <= 4; ++row) {
    EXPECT_EQ(Cell("Txt1V_x1", row)->palette().color(QPalette::Base) == highlight, row <= 2)
        << row;
  }
}

TEST_F(Panel1VTest, NewAsksBeforeItEmptiesAModifiedTable) {
  Click("OptQQ_0");
  Click("Opt1VAR_1");
  TypeRows({{1, 2, 3}}, true);
  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::Cancel,
                  "Save changes. One variable statistic");
  Click("Image14");
  EXPECT_EQ(Cell("Txt1V_x1", 1)->text(), "1") << "Cancel keeps the table";

  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No);
  Click("Image14");
  EXPECT_EQ(ShownRows(2), (std::vector<std::string>{"||", "||"}));
  EXPECT_EQ(Text("Txt1V_MX"), "");
  EXPECT_EQ(LabelText("LblESTAD1"), "One variable statistic:  Ungrouped data");
  EXPECT_TRUE(form->findChild<QRadioButton*>("Opt1VAR_0")->isChecked());
  EXPECT_TRUE(Cell("Txt1V_x2", 1)->isHidden());
  EXPECT_EQ(Action("mnu_Edicion_Deshacer")->text(), "Can not undo");
  EXPECT_FALSE(table1V.Modified1V);
  EXPECT_TRUE(form->findChild<QRadioButton*>("OptQQ_2")->isChecked()) << "percentiles again";
}

TEST_F(Panel1VTest, ASavedTableReopensAsTheSameTable) {
  Click("Opt1VAR_1");
  TypeRows({{0, 10, 2}, {10, 20, 5}, {20, 30, 3}}, true);
  const std::vector<std::string> before = ShownRows(12);
  const std::string mean = Text("Txt1V_MX");
  const std::string path = folder.path().toStdString() + "/classes.e1v";
  ui.ExpectSave(path);
  Action("mnu_archivo_guardarComo")->trigger();
  ASSERT_FALSE(table1V.Modified1V);
  Click("Image14");  // nothing to ask
  ASSERT_EQ(Text("Txt1V_MX"), "");

  ui.ExpectOpen(path);
  Action("mnu_archivo_abrir")->trigger();
  EXPECT_EQ(ShownRows(12), before);
  EXPECT_EQ(Text("Txt1V_MX"), mean);
  EXPECT_TRUE(form->findChild<QRadioButton*>("Opt1VAR_1")->isChecked());
  EXPECT_EQ(form->Caption(), "Orvalis - ZorbSoftware - " + path);
}

TEST_F(Panel1VTest, QuantileBoxesConvertBothWaysAndMomentsFollowTheirOptions) {
  Click("Opt1VAR_1");
  TypeRows({{0, 10, 2}, {10, 20, 5}, {20, 30, 3}}, true);
  QLineEdit* order = form->findChild<QLineEdit*>("Txt1V_QPCT");
  QLineEdit* value = form->findChild<QLineEdit*>("Txt1V_QQ");
  // The cumulative frequency of the classes: 0.2 at 10, 0.7 at 20, 1 at 30.
  struct Case {
    const char* kind;
    QLineEdit* typed;
    const char* text;
    QLineEdit* other;
    const char* shown;
  };
  const Case cases[] = {
      {"OptQQ_0", order, "1", value, "11"},   {"OptQQ_2", order, "100", value, "30"},
      {"OptQQ_2", value, "16", order, "50"},  {"OptQQ_1", value, "10", order, "2"},
      {"OptQQ_0", order, "5", value, ""},     {"OptQQ_2", value, "abc", order, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Click(c.kind);
    c.typed->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c.typed, Qt::Key_Backspace);
    QTest::keyClicks(c.typed, c.text);
    EXPECT_EQ(c.other->text().toStdString(), c.shown);
  }
  EXPECT_FALSE(form->findChild<QWidget*>("CmdCuantil")->isEnabled());
  Click("OptQQ_0");
  order->clear();
  QTest::keyClicks(order, "3");
  Click("OptQQ_2");
  EXPECT_EQ(order->text(), "75") << "quartile 3 is percentile 75";

  Click("OptMOM_2");
  Click("OptMR_1");
  EXPECT_EQ(LabelText("Label1_65"), "2th-moment about the mean");
  EXPECT_EQ(LabelText("Label1_63"), "m  =");
  EXPECT_EQ(Text("Txt1V_MM"), Text("Txt1V_VX"));
  Click("OptMR_0");
  EXPECT_EQ(Text("Txt1V_MM"), FormatoCifras(3050.0 / 10, 10)) << "the sum of n x² over N";
}

TEST_F(Panel1VTest, FromTwoHundredRowsTheQuantileWaitsForItsButton) {
  FillTable(250);
  QLineEdit* order = form->findChild<QLineEdit*>("Txt1V_QPCT");
  QLineEdit* value = form->findChild<QLineEdit*>("Txt1V_QQ");
  QWidget* button = form->findChild<QWidget*>("CmdCuantil");
  EXPECT_TRUE(button->isEnabled());
  order->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(order, "50");
  EXPECT_EQ(value->text(), "");
  QTest::keyClick(order, Qt::Key_Return);
  // Values 10, 20, ..., 2500 once each: the half-way point lies on the 125th value's
  // upper half-gap, 1250 + 5.
  EXPECT_EQ(value->text(), "1255");
}

TEST_F(Panel1VTest, TheGraphButtonHandsTheDataOverBeforeTheWindowOpens) {
  int opened = 0;
  tables::ShowGraphWindow() = [&opened] { ++opened; };
  struct Case {
    const char* what;
    bool grouped;
    std::vector<DataRow> rows;
    int opens;
    graph::ViewBounds view;
  };
  // Bars stand on 0; a tenth of each range is added on both sides.
  const Case cases[] = {
      {"bars", false, {{2, 0, 1}, {4, 0, 3}, {6, 0, 2}}, 1, {1.6, 6.4, -0.3, 3.3}},
      {"classes that do not touch", true, {{0, 10, 1}, {11, 20, 2}}, 0, {}},
  };
  for (const Case& c : cases) {
    opened = 0;
    graph::ProgramGraphHandover() = graph::GraphHandover{};
    if (c.grouped) Click("Opt1VAR_1");
    TypeRows(c.rows, c.grouped);
    Click("Image15");
    EXPECT_EQ(opened, c.opens) << c.what;
    const graph::GraphHandover& h = graph::ProgramGraphHandover();
    EXPECT_DOUBLE_EQ(h.View.ViewXmin, c.view.ViewXmin) << c.what;
    EXPECT_DOUBLE_EQ(h.View.ViewXmax, c.view.ViewXmax) << c.what;
    EXPECT_DOUBLE_EQ(h.View.ViewYmin, c.view.ViewYmin) << c.what;
    EXPECT_DOUBLE_EQ(h.View.ViewYmax, c.view.ViewYmax) << c.what;
    ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No);
    Click("Image14");
  }
  tables::ShowGraphWindow() = nullptr;
  Click("Image15");  // opens nothing, and does not fail, while no window is joined
}

}  // namespace
