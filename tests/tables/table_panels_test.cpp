// The table panels driven offscreen in the main window as a user meets them. The grid (typing,
// keys, scrolling, selecting rows, the Edit keys, New) is one piece of code under both panels
// and is driven on the one-variable panel; the two-variable panel is driven for what is its
// own: the captions and results of each model, estimation, swap, its file, graph and wheel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QWheelEvent>
#include <cmath>
#include <map>
#include <vector>

#include "frame/FormMain.h"
#include "frame/panels.h"
#include "graph/graph_handover.h"
#include "platform/qt_whole_text.h"
#include "support/fake_printers.h"
#include "support/scripted_ui.h"
#include "tables/Panel1V.h"
#include "tables/graph_window.h"
#include "tables/statistics2v.h"
#include "tables/table_view.h"

namespace {

using platform::Answer;
using Rows = std::vector<std::string>;
using Values = std::vector<std::vector<double>>;  // typed rows: x n, x1 x2 n (classes), or x y

// The main window with both tables; the graph window it would open only counts.
class PanelTest : public ::testing::Test {
 protected:
  PanelTest() {
    platform::SetProgramFolder(folder.path().toStdString());
    frame::InstallPanels(*form);
    form->Form_Load();
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    tables::ShowGraphWindow() = [this] { ++opened; };
  }
  ~PanelTest() override { tables::ShowGraphWindow() = nullptr; }

  template <class W = QLineEdit> W* Find(const QString& name) {
    W* w = form->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QLineEdit* Cell(const char* column, int row) {
    return Find(QString("%1_%2").arg(column).arg(row));
  }
  std::string Text(const char* name) {  // a box's, a caption's or a menu item's
    return Find<QObject>(name)->property("text").toString().toStdString();
  }
  void Click(const char* name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
  void Type(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, text);
  }
  // Types the rows from the column's first cell on, moving with Enter as a user does; `skip`
  // Enters more pass the cells that fill themselves (the two-variable frequency).
  void TypeRows(const char* column, const Values& rows, int skip = 0) {
    Cell(column, 1)->setFocus(Qt::MouseFocusReason);
    for (const auto& row : rows) {
      for (double v : row) {
        QTest::keyClicks(QApplication::focusWidget(), QString::number(v, 'g', 17));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      }
      for (int i = 0; i < skip; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
  }
  // Types each text into the focused cell and moves on with Enter, from the column's first
  // cell on.
  void TypeTexts(const char* column, const QStringList& texts) {
    Cell(column, 1)->setFocus(Qt::MouseFocusReason);
    for (const QString& text : texts) {
      QTest::keyClicks(QApplication::focusWidget(), text);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
  }
  void Wheel(QWidget* cell, int delta) {
    QWheelEvent event(QPointF(5, 5), cell->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(cell, &event);
  }
  std::string SaveAs(const char* name) {
    const std::string path = folder.path().toStdString() + "/" + name;
    ui.ExpectSave(path);
    Find<QAction>("mnu_archivo_guardarComo")->trigger();
    return path;
  }
  void Open(const std::string& path) {
    ui.ExpectOpen(path);
    Find<QAction>("mnu_archivo_abrir")->trigger();
    EXPECT_EQ(form->Caption(), "Orvalis - ZorbSoftware - " + path);
  }

  QTemporaryDir folder;
  testing_support::MemorySettings settings;
  testing_support::ScriptedUi ui;
  shared::ProgramState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>(state, table1V, table2V);
  int opened = 0;
};

class Panel1VTest : public PanelTest {
 protected:
  Panel1VTest() { Click("LblTASK_2"); }

  QScrollBar* Bar() { return Find<QScrollBar>("VScroll2"); }
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(Cell("Txt1V_ITEM", row), Qt::LeftButton, modifiers, QPoint(10, 10));
  }
  Rows ShownRows(int count) {  // the visible rows' input texts, "x1|x2|n" each
    Rows rows;
    for (int i = 1; i <= count; ++i) {
      const auto in = [&](const char* column) { return Cell(column, i)->text(); };
      rows.push_back((in("Txt1V_x1") + '|' + in("Txt1V_x2") + '|' + in("Txt1V_N")).toStdString());
    }
    return rows;
  }
  void FillTable(int rows) {  // 10, 20, ... once each
    for (int i = 1; i <= rows; ++i) table1V.Data1V_X1[i] = i * 10, table1V.Data1V_N[i] = 1;
    table1V.N1V = std::max(rows + 1, 12);
    table1V.View1V->Refresh();
    table1V.View1V->Recompute();
  }
};

class Panel2VTest : public PanelTest {
 protected:
  Panel2VTest() { Click("LblTASK_3"); }
};

TEST_F(Panel1VTest, EachKeystrokeIsAnEditTheLastRowGrowsTheTableAndResultsShow) {
  QLineEdit *x = Cell("Txt1V_x1", 3), *n = Cell("Txt1V_N", 3);
  Type(x, "2,5");
  EXPECT_EQ(x->text(), "2.5") << "a comma is typed as a point";
  EXPECT_EQ(n->text(), "1") << "a new value counts once";
  EXPECT_EQ(Text("Txt1V_MX"), "2.5");
  Type(n, "4");
  EXPECT_EQ(Text("Txt1V_SN"), "4");
  QTest::keyClick(n, Qt::Key_Backspace);
  EXPECT_TRUE(table1V.Data1V_N[3] == NoValue) << "a cleared frequency is empty, not 0";
  EXPECT_EQ(Text("Txt1V_MX"), "") << "a partly filled row empties every box";
  EXPECT_EQ(Cell("Txt1V_XN", 3)->text(), "");
  x->clear();
  EXPECT_EQ(n->text(), "") << "a value emptied sets no frequency";
  // Typing into row 12 grows the table by one row and the scroll bar with it.
  Type(Cell("Txt1V_x1", 12), "7");
  EXPECT_EQ(table1V.N1V, 13);
  EXPECT_EQ(Bar()->maximum(), 2);
  // Redrawn, a frequency in the last row leaves one empty row after it too, and changes
  // nothing; an empty last row needs nothing, nor one off screen; at the limit, no growth.
  table1V.Modified1V = false;
  const int cases[][4] = {
      {12, 1, true, 13}, {12, 1, false, 12}, {40, 1, true, 40}, {10000, 9989, true, 10000}};
  for (const auto& [N, top, lastFilled, after] : cases) {
    table1V.N1V = N;
    table1V.Top1V = top;
    table1V.Data1V_X1[N] = table1V.Data1V_N[N] = lastFilled ? 1 : NoValue;
    table1V.View1V->Refresh();
    EXPECT_EQ(table1V.N1V, after) << N;
    EXPECT_TRUE(Bar()->maximum() == std::max(1, after - 11) && Bar()->value() == top) << N;
  }
  EXPECT_FALSE(table1V.Modified1V);
  Click("Image14");  // New asks nothing for a table not modified
  // Typed rows fill the result boxes and the graph button opens the graph (what they hold
  // is the statistics core's, tested on its reference file; the classes' in a test below).
  TypeRows("Txt1V_x1", {{2, 1}, {3, 2}, {5, 1}});
  // By hand: the most frequent value, the median interpolated in the cumulative frequency.
  const std::pair<const char*, const char*> shown[] = {
      {"Txt1V_MO", "3"}, {"Txt1V_ME", "3.25"}, {"Label1_68", "Positive: Right-skewed"},
      {"Label1_69", "Platykurtic"}};
  for (const auto& [name, text] : shown) EXPECT_EQ(Text(name), text) << name;
  Click("Image15");
  EXPECT_EQ(opened, 1);
  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No,
                  "Save changes. One variable statistic");
  Click("Image14");
  // Classes that do not touch have no histogram: nothing opens.
  Click("Opt1VAR_1");
  TypeRows("Txt1V_x1", {{0, 10, 1}, {11, 20, 2}});
  Click("Image15");
  EXPECT_EQ(opened, 1);
  tables::ShowGraphWindow() = nullptr;
  Click("Image15");  // opens nothing, and does not fail, while no window is joined
}

TEST_F(Panel1VTest, TheColumnsFollowTheDataKindAndKeysMoveBetweenTheVisibleOnesAndScroll) {
  FillTable(40);
  // Each key the grid reads, once; where it leads by the grid's rules is tested on them.
  struct Case { bool grouped; const char* from; int row, key; const char* to; int toRow, top; };
  const Case cases[] = {
      {false, "x1", 2, Qt::Key_Return, "N", 2, 1}, {true, "x1", 2, Qt::Key_Tab, "x2", 2, 1},
      {true, "x2", 2, Qt::Key_Enter, "N", 2, 1},   {false, "N", 5, Qt::Key_Backtab, "x1", 6, 1},
      {true, "N", 5, Qt::Key_Left, "x2", 5, 1},    {false, "x1", 12, Qt::Key_Down, "x1", 12, 2},
      {false, "x1", 1, Qt::Key_Up, "x1", 1, 1},
  };
  for (const Case& c : cases) {
    const QString from = QString("Txt1V_") + c.from, to = QString("Txt1V_") + c.to;
    SCOPED_TRACE(from.toStdString() + " " + std::to_string(c.row));
    Click(c.grouped ? "Opt1VAR_1" : "Opt1VAR_0");
    EXPECT_EQ(Cell("Txt1V_x2", 1)->isVisible() + Cell("Txt1V_XM", 12)->isVisible() +
                  Find<QLabel>("image5_15")->isVisible(), 3 * c.grouped);
    Bar()->setValue(1);
    QLineEdit* cell = Find(QString("%1_%2").arg(from).arg(c.row));
    cell->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(cell->cursorPosition() == 0 && cell->selectedText() == cell->text());
    QTest::keyClick(cell, static_cast<Qt::Key>(c.key));
    EXPECT_EQ(QApplication::focusWidget(), Find(QString("%1_%2").arg(to).arg(c.toRow)));
    EXPECT_TRUE(Bar()->value() == c.top && Cell("Txt1V_ITEM", 1)->text().toInt() == c.top);
  }
  // Tab, as a key, in the last input cell of the table's last row leads nowhere and keeps
  // the focus there, rather than pass it on along the window.
  for (int i = 12; i <= 41; ++i) table1V.Data1V_X1[i] = table1V.Data1V_N[i] = NoValue;
  FillTable(11);
  ASSERT_EQ(table1V.N1V, 12);
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    Cell("Txt1V_N", 12)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Cell("Txt1V_N", 12), key);
    EXPECT_EQ(QApplication::focusWidget(), Cell("Txt1V_N", 12)) << key;
    EXPECT_EQ(Bar()->value(), 1);
  }
  // A click selects the text too, once the caret is placed; focus given back does not.
  QLineEdit* cell = Cell("Txt1V_x1", 2);
  for (Qt::FocusReason reason : {Qt::MouseFocusReason, Qt::ActiveWindowFocusReason}) {
    const bool click = reason == Qt::MouseFocusReason;
    Find("Txt1V_MX")->setFocus(Qt::OtherFocusReason);
    cell->deselect();
    cell->setCursorPosition(1);
    if (click) QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(cell->width() - 5, 10));
    cell->setFocus(reason);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), cell);
    EXPECT_EQ(cell->selectedText() == "20" && cell->cursorPosition() == 0, click) << reason;
  }
}

// The wheel over either task moves that task's grid alone.
TEST_F(Panel1VTest, ALargeTableScrollsByBarWheelAndKeysAndItsQuantileWaitsForItsButton) {
  FillTable(250);  // rows 1..250 and one empty row after them
  ASSERT_EQ(Bar()->maximum(), 240);
  QLineEdit* cell = Cell("Txt1V_x1", 12);
  cell->setFocus(Qt::TabFocusReason);
  const std::pair<std::function<void()>, int> steps[] = {
      {[&] { Bar()->setValue(0); }, 1},  // row 1 is the first there is
      {[&] { Bar()->setValue(240); }, 240},
      {[&] { Wheel(cell, 120); }, 239},   // a notch away from the user
      {[&] { Wheel(cell, 360); }, 236},   // three notches at once count as one message each
      {[&] { Wheel(cell, -600); }, 240},  // and stop at the end
      {[&] { QTest::keyClick(Cell("Txt1V_x1", 1), Qt::Key_Up); }, 239},  // Up on screen row 1
      {[&] { Bar()->triggerAction(QAbstractSlider::SliderPageStepSub); }, 228}};
  for (const auto& [act, top] : steps) {
    act();
    const int item = Cell("Txt1V_ITEM", 1)->text().toInt();
    EXPECT_TRUE(Bar()->value() == top && table1V.Top1V == top && item == top) << top;
    const QString last = top + 11 <= 250 ? QString::number((top + 11) * 10) : "";
    EXPECT_EQ(Cell("Txt1V_x1", 12)->text(), last) << top;
  }
  EXPECT_FALSE(table1V.Modified1V) << "scrolling changes nothing";
  // From 200 rows on the quantile waits for its button, or Enter. The half-way point of 10,
  // 20, ..., 2500 lies on the 125th value's upper half-gap, 1250 + 5.
  QLineEdit* order = Find("Txt1V_QPCT");
  EXPECT_TRUE(Find<QWidget>("CmdCuantil")->isEnabled());
  Type(order, "50");
  EXPECT_EQ(Text("Txt1V_QQ"), "");
  QTest::keyClick(order, Qt::Key_Return);
  EXPECT_EQ(Text("Txt1V_QQ"), "1255");
  // Typing empties the value again; Enter on the focused button converts as a click does.
  order->clear();
  Type(order, "50");
  EXPECT_EQ(Text("Txt1V_QQ"), "");
  QWidget* calculate = Find<QWidget>("CmdCuantil");
  calculate->setFocus();
  QTest::keyClick(calculate, Qt::Key_Return);
  EXPECT_EQ(Text("Txt1V_QQ"), "1255");
  // Forty pairs: the wheel over the two-variable task moves its grid, not this one.
  Click("LblTASK_3");
  for (int i = 1; i <= 40; ++i) table2V.Data2V_X[i] = table2V.Data2V_Y[i] = table2V.Data2V_N[i] = i;
  table2V.N2V = 41;
  table2V.View2V->Refresh();
  Wheel(Cell("Txt2V_x", 3), -240);
  EXPECT_TRUE(table2V.Top2V == 3 && Find<QScrollBar>("VScroll1")->value() == 3);
  EXPECT_EQ(table1V.Top1V, 228);
  EXPECT_EQ(Cell("Txt2V_ITEM", 1)->text(), "3");
  EXPECT_EQ(Cell("Txt2V_XYN", 1)->text(), "27");
}

TEST_F(Panel1VTest, RowsAreSelectedCutPastedUndoneAndRedoneFromTheKeyboard) {
  FillTable(5);
  QLineEdit* focus = Cell("Txt1V_x1", 9);
  focus->setFocus(Qt::TabFocusReason);
  ClickRow(2);
  ClickRow(3, Qt::ShiftModifier);
  EXPECT_TRUE(table1V.SelStart1V == 2 && table1V.SelEnd1V == 3);
  auto menu = [&] { return Text("mnu_Edicion_Deshacer") + " / " + Text("mnu_Edicion_Rehacer"); };
  // A click on a row first, then the key (with Ctrl, but Delete).
  struct Step { int click; Qt::Key key; Rows rows; std::string menu; };
  const Step steps[] = {
      {0, Qt::Key_X, {"10||1", "40||1", "50||1", "||"}, "Undo cut / Can not redo"},
      {0, Qt::Key_Z, {"10||1", "20||1", "30||1", "40||1"}, "Can not undo / Redo"},
      {0, Qt::Key_Y, {"10||1", "40||1", "50||1", "||"}, "Undo / Can not redo"},
      {1, Qt::Key_V, {"20||1", "30||1", "10||1", "40||1"}, "Undo paste / Can not redo"},
      {4, Qt::Key_Delete, {"20||1", "30||1", "10||1", "||"},
       "Undo delete selection / Can not redo"},
  };
  for (const Step& s : steps) {
    if (s.click) ClickRow(s.click);
    const auto ctrl = s.key == Qt::Key_Delete ? Qt::NoModifier : Qt::ControlModifier;
    QTest::keyClick(QApplication::focusWidget(), s.key, ctrl);
    EXPECT_EQ(ShownRows(4), s.rows) << s.menu;
    EXPECT_EQ(menu(), s.menu);
    EXPECT_EQ(QApplication::focusWidget(), focus) << "the cell keeps the focus";
  }
  EXPECT_EQ(focus->text(), "") << "the keys went to the table, not into the cell";
  EXPECT_EQ(table1V.SelStart1V, -1) << "Delete selection leaves nothing selected";
  Click("LblTASK_3");  // the other table's own Undo, then this one's again
  EXPECT_EQ(menu(), "Can not undo / Can not redo");
  Click("LblTASK_2");
  EXPECT_EQ(menu(), "Undo delete selection / Can not redo");
  // Typing makes the step unavailable; a click into any cell clears the selection.
  QTest::keyClicks(focus, "8");
  EXPECT_FALSE(Find<QAction>("mnu_Edicion_Deshacer")->isEnabled());
  EXPECT_EQ(menu(), "Can not undo / Can not redo");
  ClickRow(2);
  Find("Txt1V_SN")->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(table1V.SelStart1V, -1);
  FillTable(30);
  Bar()->setValue(5);  // a drag in the row numbers selects the rows it passes, as data rows
  QLineEdit* pressed = Cell("Txt1V_ITEM", 3);
  QTest::mousePress(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 88), pressed->mapToGlobal(QPointF(10, 88)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(pressed, &move);
  QTest::mouseRelease(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(10, 88));
  EXPECT_TRUE(table1V.SelStart1V == 7 && table1V.SelEnd1V == 10);
}

// A file of 13 rows whose last row is complete: that row is not on screen, so nothing reads
// it back, and the table opens and is saved with its 13 rows.
TEST_F(Panel1VTest, AFileWhoseCompleteLastRowIsOffScreenKeepsItsRowCount) {
  std::string text = "'<FIL1VAR>  13 NOA\r\n";
  for (int i = 1; i <= 13; ++i) text += " " + std::to_string(i * 10) + " <N>  1 \r\n";
  const std::string path = folder.path().toStdString() + "/thirteen.e1v";
  {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
  }
  Open(path);
  EXPECT_EQ(table1V.N1V, 13);
  EXPECT_EQ(Bar()->maximum(), 2);
  QFile again(QString::fromStdString(SaveAs("again.e1v")));
  ASSERT_TRUE(again.open(QIODevice::ReadOnly));
  EXPECT_EQ(again.readAll().toStdString(), text);
}

TEST_F(Panel1VTest, ClassesConvertQuantilesFollowMomentsAndSurviveNewSaveAndOpen) {
  Click("OptQQ_0");
  Click("Opt1VAR_1");
  TypeRows("Txt1V_x1", {{0, 10, 2}, {10, 20, 5}, {20, 30, 3}});
  // By hand: marks 5, 15 and 25 twice, five and three times; mean 16, deviation 7.
  EXPECT_EQ(Text("Txt1V_SX4") + " " + Text("Txt1V_CV"), "1426250 0.4375");
  QLineEdit *order = Find("Txt1V_QPCT"), *value = Find("Txt1V_QQ");
  // The cumulative frequency of the classes: 0.2 at 10, 0.7 at 20, 1 at 30.
  struct Case { const char *kind, *text, *shown; QLineEdit *typed, *other; };
  const Case cases[] = {
      {"OptQQ_0", "1", "11", order, value}, {"OptQQ_2", "16", "50", value, order},
      {"OptQQ_1", "10", "2", value, order}};
  for (const Case& c : cases) {
    Click(c.kind);
    Type(c.typed, c.text);
    EXPECT_EQ(c.other->text().toStdString(), c.shown) << c.text;
  }
  EXPECT_FALSE(Find<QWidget>("CmdCuantil")->isEnabled());
  Click("OptQQ_0");
  order->clear();
  Type(order, "3");
  Click("OptQQ_2");
  EXPECT_EQ(order->text(), "75") << "quartile 3 is percentile 75";
  Click("OptMOM_2");
  Click("OptMR_1");
  EXPECT_EQ(Text("Txt1V_MM"), Text("Txt1V_VX"));
  Click("OptMR_0");
  EXPECT_EQ(Text("Txt1V_MM"), FormatoCifras(3050.0 / 10, 10)) << "the sum of n x² over N";
  Type(Cell("Txt1V_x1", 4), "40");
  EXPECT_EQ(order->text() + value->text(), "") << "new data empties the quantile";
  Click("OptQQ_1");
  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::Cancel);
  Click("Image14");
  const Rows before = ShownRows(12);
  EXPECT_EQ(before[0], "0|10|2") << "Cancel keeps the table";
  const std::string mean = Text("Txt1V_MX"), path = SaveAs("classes.e1v");
  ASSERT_FALSE(table1V.Modified1V);
  Click("Image14");  // nothing to ask
  EXPECT_EQ(ShownRows(2), (Rows{"||", "||"}));
  EXPECT_EQ(Text("Txt1V_MX"), "");
  EXPECT_TRUE(Find<QRadioButton>("Opt1VAR_0")->isChecked() && Cell("Txt1V_x2", 1)->isHidden());
  EXPECT_TRUE(Find<QRadioButton>("OptQQ_2")->isChecked()) << "percentiles again";
  Open(path);
  EXPECT_EQ(ShownRows(12), before);
  EXPECT_EQ(Text("Txt1V_MX"), mean);
  EXPECT_TRUE(Find<QRadioButton>("Opt1VAR_1")->isChecked());
}

// Pairs on y = x² typed under the linear model; each model chosen then relabels and
// recomputes at once (the core's reference file has each model's statistics and titles).
TEST_F(Panel2VTest, EachModelRelabelsAndRecomputesTheTypedPairsAtOnce) {
  TypeRows("Txt2V_x", {{1, 1}, {2, 4}, {3, 9}}, 1);
  struct Case { int model; const char *meanOfX, *meanOfY; };
  const Case cases[] = {{3, "Mean of ln x", "Mean of ln y"}, {0, "Mean of x", "Mean of y"},
                        {1, "Mean of ln x", "Mean of y"},    {2, "Mean of x", "Mean of ln y"},
                        {4, "Mean of x", "Mean of y"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    Click(("OptREG_" + std::to_string(c.model)).c_str());
    if (c.model == 3) {
      EXPECT_EQ(Text("Txt2V_CUR"), " y = x ^ 2");
    } else if (c.model == 0) {
      EXPECT_EQ(Text("Txt2V_MX"), "2") << "the mean of x again, not of ln x";
    }
    EXPECT_EQ(Text("LblESTAD2"), tables::LblESTAD2_Caption(static_cast<int16_t>(c.model)));
    EXPECT_EQ(Text("Label1_32"), c.meanOfX);
    EXPECT_EQ(Text("Label1_40"), c.meanOfY);
    // The headings, sum captions and result captions of X, of Y and of their product.
    const int lnX = std::string(c.meanOfX).ends_with("ln x");
    const int lnY = std::string(c.meanOfY).ends_with("ln y");
    struct Group { std::vector<const char*> pictures; bool x, y; int ln; };
    const Group groups[] = {
        {{"image4_3", "image4_5", "image4_9", "image4_11", "image4_14", "image4_15", "image4_16"},
         true, false, lnX},
        {{"image4_4", "image4_6", "image4_10", "image4_12", "image4_17", "image4_18", "image4_19"},
         false, true, lnY},
        {{"image4_7", "image4_13", "image4_21"}, true, true, lnX + lnY},
    };
    for (const Group& g : groups) {
      for (const char* name : g.pictures) {
        QTextDocument shown;
        shown.setHtml(Find<QLabel>(name)->text());
        const QString plain = shown.toPlainText();
        EXPECT_TRUE(plain.contains('x') == g.x && plain.contains('y') == g.y) << name;
        EXPECT_EQ(plain.count("ln"), g.ln) << name;
      }
    }
    for (const char* name : {"Txt2V_R", "Label1_41", "image4_20"}) {
      EXPECT_EQ(Find<QWidget>(name)->isVisible(), c.model != 4) << name;
    }
  }
}

// Three pairs on y = 1 + 2 x: the graph button hands the line over (its coefficients and
// view are the core's, on its reference file), the estimation boxes answer each other, and
// an edit of the table clears them.
TEST_F(Panel2VTest, TheGraphTakesTheCurveAndEstimationBoxesAnswerEachKeystrokeBothWays) {
  TypeRows("Txt2V_x", {{1, 3}, {2, 5}, {6, 13}}, 1);
  Click("Image12");
  const graph::GraphHandover& h = graph::ProgramGraphHandover();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(h.GraphFormula, "y = 1  +  2 x") << "trimmed";
  struct Case { const char *typed, *text, *other, *shown; };
  const Case cases[] = {
      {"Txt2V_ESTX", "3", "Txt2V_ESTY", "7"}, {"Txt2V_ESTY", "7", "Txt2V_ESTX", "3"},
      {"Txt2V_ESTX", "0,5", "Txt2V_ESTY", "2"}, {"Txt2V_ESTY", "", "Txt2V_ESTX", ""}};
  for (const Case& c : cases) {
    Find(c.typed)->clear();
    Type(Find(c.typed), c.text);
    EXPECT_EQ(Text(c.other), c.shown) << c.text;
  }
  // Tab, Up and Down jump to the other box.
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Backtab}) {
    QWidget* from = QApplication::focusWidget();
    QTest::keyClick(from, key);
    const char* other = from->objectName() == "Txt2V_ESTX" ? "Txt2V_ESTY" : "Txt2V_ESTX";
    EXPECT_EQ(QApplication::focusWidget(), Find(other));
  }
  // An estimate too long for its box at the box's font is drawn smaller, whole: 1 + 2 x at
  // x = -1234567891234.5 is -2469135782468, to 10 digits -2469135782000.
  Find("Txt2V_ESTX")->clear();
  Type(Find("Txt2V_ESTX"), "-1234567891234.5");
  QLineEdit* estimate = Find("Txt2V_ESTY");
  EXPECT_EQ(estimate->text(), "-2469135782000");
  EXPECT_TRUE(platform::TextFitsBox(estimate, estimate->font(), estimate->text()))
      << estimate->font().pointSizeF();
  EXPECT_EQ(platform::ShownText(estimate), estimate->text());
  Find("Txt2V_ESTX")->clear();
  Type(Find("Txt2V_ESTX"), "4");
  // The line through (1, 3), (2, 7), (6, 13), by hand: 44/21 + 13/7 x.
  Type(Cell("Txt2V_y", 2), "7");
  EXPECT_EQ(Text("Txt2V_CUR"), " y = 2.095238095  +  1.857142857 x");
  EXPECT_TRUE(Text("Txt2V_ESTX").empty() && Text("Txt2V_ESTY").empty());
}

TEST_F(Panel2VTest, SwapUndoNewAndASavedTableWithItsModel) {
  Click("OptREG_2");
  TypeRows("Txt2V_x", {{1, 2}, {2, 8}, {3, 9}}, 1);
  const std::string before = Text("Txt2V_CUR");
  Click("Image13");
  const auto row2 = [&] {
    return (Cell("Txt2V_x", 2)->text() + '|' + Cell("Txt2V_y", 2)->text()).toStdString();
  };
  EXPECT_EQ(row2(), "8|2");
  EXPECT_EQ(Cell("Txt2V_XN", 2)->text(), "8") << "the products follow the swap";
  EXPECT_EQ(Text("mnu_Edicion_Deshacer"), "Undo swap x-y");
  QTest::keyClick(Cell("Txt2V_x", 5), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(row2(), "2|8");
  EXPECT_EQ(Text("Txt2V_CUR"), before);
  const std::string path = SaveAs("pairs.e2v");
  ASSERT_FALSE(table2V.Modified2V);
  Click("OptREG_4");
  ui.ExpectMsgBox("Do you want to save changes to " + path + "?", Answer::No,
                  "Save changes. Two variables statistic");
  Click("Image11");
  EXPECT_TRUE(Find<QRadioButton>("OptREG_0")->isChecked()) << "New is linear";
  EXPECT_EQ(Text("Txt2V_CUR") + Text("Txt2V_MX") + Text("Txt2V_SN") + Text("Txt2V_SXY"), "");
  EXPECT_EQ(row2(), "|");
  Open(path);
  EXPECT_TRUE(Find<QRadioButton>("OptREG_2")->isChecked());
  EXPECT_EQ(Text("Label1_40"), "Mean of ln y");
  EXPECT_EQ(Text("Txt2V_CUR"), before);
}

// A long number in a cell or sum box that does not have the focus: the box holds it whole and
// shows it whole in a smaller font (rounded empty) or, at the smallest font, as the first of
// `rounded` (the number to fewer and fewer digits, worked by hand) that fits. The room is
// measured apart from the code under test, as the line edit lays its text out: its contents
// less its margins and the 2 pixels it keeps on either side.
void ExpectFitted(const QLineEdit* box, const QString& full, const QStringList& rounded = {}) {
  SCOPED_TRACE(box->objectName().toStdString() + " holding " + full.toStdString());
  ASSERT_FALSE(box->hasFocus());
  EXPECT_EQ(box->text(), full);
  const QString shown = platform::ShownText(box);
  const double size = box->font().pointSizeF();
  EXPECT_TRUE(size < 11.25 && size >= platform::kLeastPointSize) << size;
  const auto width = [&](const QString& text) {
    return QFontMetricsF(box->font()).horizontalAdvance(text);
  };
  const int room = (box->contentsRect() - box->textMargins()).width() - 4;
  EXPECT_LE(width(shown), room) << shown.toStdString();
  if (rounded.isEmpty()) {
    EXPECT_EQ(shown, full) << "a number that fits a smaller font is not rounded";
    return;
  }
  EXPECT_EQ(size, platform::kLeastPointSize) << "rounded only when no font holds it";
  const qsizetype at = rounded.indexOf(shown);
  ASSERT_GE(at, 0) << shown.toStdString();
  if (at > 0) {
    EXPECT_GT(width(rounded[at - 1]), room)
        << "rounded further than its room asks: " << rounded[at - 1].toStdString();
  }
}

// 123456789012345 and the sum 1234567 + 98765432 + 123456789012345 = 123456889012344 (shown
// "123456889000000" at 10 digits), each rounded half away from zero to fewer digits.
const QStringList k15Digits = {
    "1.2345678901235E+14", "1.234567890123E+14", "1.23456789012E+14", "1.2345678901E+14",
    "1.23456789E+14", "1.2345679E+14", "1.234568E+14", "1.23457E+14", "1.2346E+14",
    "1.235E+14", "1.23E+14", "1.2E+14", "1E+14"};
const QStringList kSumOfN = {"1.23456889E+14", "1.2345689E+14", "1.234569E+14", "1.23457E+14",
                             "1.2346E+14", "1.235E+14", "1.23E+14", "1.2E+14", "1E+14"};

// Typed long numbers in both grids: 1234567 and 98765432 in the narrow n columns and
// -1234567.89012345 in the value columns show whole in a smaller font; a 15-digit frequency
// and its sum no font can hold show rounded; the table, its file and the clipboard keep
// every digit, and the focus brings the whole number back to be edited.
TEST_F(PanelTest, LongNumbersShowWholeOrRoundedAndStayWholeInTheTableFileAndClipboard) {
  const QString x = "-1234567.89012345", big = "123456789012345";
  const QString sum = "123456889000000";
  const auto anyCellCut = [&] {
    // Whatever else the rows hold (products, class marks, sums) shows whole too.
    for (const QLineEdit* box : form->findChildren<QLineEdit*>()) {
      if (!box->isVisible() || box->text().isEmpty()) continue;
      const double width =
          QFontMetricsF(box->font()).horizontalAdvance(platform::ShownText(box));
      if (width > (box->contentsRect() - box->textMargins()).width() - 4 ||
          box->font().pointSizeF() < platform::kLeastPointSize) {
        return box->objectName().toStdString() + " " + box->text().toStdString();
      }
    }
    return std::string();
  };
  // The long value in two cells of the grid, the three frequencies in its n column.
  const auto expectGrid = [&](std::initializer_list<QLineEdit*> values, const char* n,
                              const char* sumBox) {
    for (QLineEdit* cell : values) ExpectFitted(cell, x);
    ExpectFitted(Cell(n, 1), "1234567");
    ExpectFitted(Cell(n, 2), "98765432");
    ExpectFitted(Cell(n, 3), big, k15Digits);
    ExpectFitted(Find(sumBox), sum, kSumOfN);
    EXPECT_EQ(anyCellCut(), "");
  };
  const auto saved = [&](const char* name) {
    QFile file(QString::fromStdString(SaveAs(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
  };
  const auto selectAllAndCopy = [&] {
    Find<QAction>("mnu_Edicion_SelALL")->trigger();
    Find<QAction>("mnu_Edicion_Copiar")->trigger();
    return ui.ClipboardText();
  };
  const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
  const auto highlighted = [&](const QLineEdit* cell) {
    return cell->palette().color(QPalette::Base) == highlight;
  };

  // Grouped one-variable data: touching classes, the long bound in x1 and in x2.
  Click("LblTASK_2");
  Click("Opt1VAR_1");
  TypeTexts("Txt1V_x1", {"-2000000", x, "1234567", x, "0", "98765432", "0", "1000", big});
  Find("Txt1V_MX")->setFocus(Qt::TabFocusReason);
  expectGrid({Cell("Txt1V_x2", 1), Cell("Txt1V_x1", 2)}, "Txt1V_N", "Txt1V_SN");
  EXPECT_EQ(table1V.Data1V_N[3], 123456789012345.0);
  EXPECT_EQ(table1V.Data1V_X2[1], -1234567.89012345);
  const std::string saved1 = saved("long.e1v");
  for (const char* whole : {" 123456789012345 ", "-1234567.89012345 ", " 98765432 "}) {
    EXPECT_NE(saved1.find(whole), std::string::npos) << whole;
  }
  const std::string copied1 = selectAllAndCopy();
  EXPECT_NE(copied1.find(" 123456789012345 "), std::string::npos);
  EXPECT_NE(copied1.find("-1234567.89012345 "), std::string::npos);
  // Select all and a row click paint what they choose, and the rounded cell with it.
  EXPECT_TRUE(highlighted(Cell("Txt1V_N", 3)) && highlighted(Cell("Txt1V_x1", 12)));
  QTest::mouseClick(Cell("Txt1V_ITEM", 3), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(table1V.SelStart1V == 3 && table1V.SelEnd1V == 3);
  EXPECT_TRUE(highlighted(Cell("Txt1V_N", 3)) && !highlighted(Cell("Txt1V_N", 2)));
  ExpectFitted(Cell("Txt1V_N", 3), big, k15Digits);

  // The focus shows the whole number; leaving again changes nothing and runs no handler.
  QLineEdit* n = Cell("Txt1V_N", 3);
  const std::string undo = Text("mnu_Edicion_Deshacer");
  QSignalSpy changes(n, &QLineEdit::textChanged);
  n->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(platform::ShownText(n), big);
  EXPECT_EQ(n->selectedText(), big) << "typing replaces the whole number";
  Find("Txt1V_MX")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(changes.count(), 0);
  EXPECT_FALSE(table1V.Modified1V);
  EXPECT_EQ(Text("mnu_Edicion_Deshacer"), undo);
  ExpectFitted(n, big, k15Digits);
  // An edit of the whole number: its last digit deleted.
  n->setFocus(Qt::TabFocusReason);
  QTest::keyClick(n, Qt::Key_End);
  QTest::keyClick(n, Qt::Key_Backspace);
  EXPECT_EQ(platform::ShownText(n), "12345678901234");
  EXPECT_EQ(table1V.Data1V_N[3], 12345678901234.0);
  EXPECT_TRUE(table1V.Modified1V);
  Find("Txt1V_MX")->setFocus(Qt::TabFocusReason);
  ExpectFitted(n, "12345678901234",
               {"1.2345678901234E+13", "1.234567890123E+13", "1.23456789012E+13",
                "1.2345678901E+13", "1.23456789E+13", "1.2345679E+13", "1.234568E+13",
                "1.23457E+13", "1.2346E+13", "1.235E+13", "1.23E+13", "1.2E+13", "1E+13"});

  // The two-variable grid: the long value in x and in y.
  Click("LblTASK_3");
  TypeTexts("Txt2V_x", {x, "2.5", "1234567", "1000", x, "98765432", "2000", "3", big});
  Find("Txt2V_MX")->setFocus(Qt::TabFocusReason);
  expectGrid({Cell("Txt2V_x", 1), Cell("Txt2V_y", 2)}, "Txt2V_N", "Txt2V_SN");
  EXPECT_EQ(table2V.Data2V_N[3], 123456789012345.0);
  const std::string saved2 = saved("long.e2v");
  EXPECT_NE(saved2.find("-1234567.89012345  2.5  1234567 "), std::string::npos) << saved2;
  EXPECT_NE(saved2.find(" 2000  3  123456789012345 "), std::string::npos) << saved2;
  const std::string copied2 = selectAllAndCopy();
  EXPECT_NE(copied2.find(" 1000 -1234567.89012345  98765432 "), std::string::npos) << copied2;
  EXPECT_NE(copied2.find(" 123456789012345 "), std::string::npos);
}

// A frequency typed as negative, in either table: every result box stays empty, so File >
// Print puts no result on paper (its rows are the table's, as the grid shows them), and the
// graph still opens on the points, without a curve.
TEST_F(PanelTest, ANegativeFrequencyShowsNoResultOnScreenOrPaperAndTheGraphStillOpens) {
  testing_support::FakePrinters printers({"A"}, "A");
  const auto print = [&] {
    ui.ExpectModal("frmImprimir", [](platform::ModalWindow& w) {
      auto* dialog = dynamic_cast<QWidget*>(&w);
      QTest::mouseClick(dialog->findChild<QWidget*>("cmdImprimir"), Qt::LeftButton);
    });
    emit Find<QMenu>("mnu_archivo")->aboutToShow();
    Find<QAction>("mnu_archivo_Imprimir")->trigger();
    if (printers.jobs.empty()) {
      ADD_FAILURE() << "nothing printed";
      return testing_support::RecordedJob();
    }
    EXPECT_TRUE(printers.jobs.back().ended);
    return printers.jobs.back();
  };
  const auto empty = [&](std::initializer_list<const char*> boxes) {
    for (const char* name : boxes) EXPECT_EQ(Text(name), "") << name;
  };

  Click("LblTASK_2");
  // Taken as it stands, this table has the mean -8.5 and the variance -529.75.
  TypeRows("Txt1V_x1", {{1, 2}, {2, 2}, {3, 1}, {43, -1}});
  EXPECT_EQ(Cell("Txt1V_N", 4)->text(), "-1");
  empty({"Txt1V_SN", "Txt1V_SX", "Txt1V_SX2", "Txt1V_SX3", "Txt1V_SX4", "Txt1V_MX", "Txt1V_VX",
         "Txt1V_DX", "Txt1V_CV", "Txt1V_MO", "Txt1V_ME", "Txt1V_AS", "Txt1V_CU", "Txt1V_MM",
         "Label1_68", "Label1_69"});
  Type(Find("Txt1V_QPCT"), "50");
  empty({"Txt1V_QQ"});
  const testing_support::RecordedJob one = print();
  EXPECT_NE(one.Find("-43"), nullptr) << "the row's n x, as the grid shows it";
  // Neither the sums Σ n x and Σ n x² of the rows as they stand, nor the mean or variance.
  for (const char* result : {"-34", "-1830", "-8.5", "-529.75"}) {
    EXPECT_EQ(one.Find(result), nullptr) << result;
  }
  Click("Image15");
  EXPECT_EQ(opened, 1);
  // Made positive again, the same rows have statistics.
  Type(Cell("Txt1V_N", 4), "1");
  EXPECT_EQ(Text("Txt1V_MX"), "8.666666667");

  Click("LblTASK_3");
  TypeRows("Txt2V_x", {{1, 3}, {2, 5}, {4, 9}}, 1);
  EXPECT_EQ(Text("Txt2V_CUR"), " y = 1  +  2 x");
  Type(Cell("Txt2V_N", 2), "-1");
  empty({"Txt2V_SN", "Txt2V_SX", "Txt2V_SY", "Txt2V_SX2", "Txt2V_SY2", "Txt2V_SXY", "Txt2V_MX",
         "Txt2V_MY", "Txt2V_VX", "Txt2V_VY", "Txt2V_DX", "Txt2V_DY", "Txt2V_COV", "Txt2V_R",
         "Txt2V_CUR"});
  Type(Find("Txt2V_ESTX"), "3");
  empty({"Txt2V_ESTY"});
  const testing_support::RecordedJob two = print();
  // Neither the fit of before nor Σ n x², Σ n y², Σ n x y or the mean of y of the rows as they
  // stand.
  for (const char* result : {" y = 1  +  2 x", "13", "65", "29", "7"}) {
    EXPECT_EQ(two.Find(result), nullptr) << result;
  }
  Click("Image12");
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(graph::ProgramGraphHandover().GraphFormula, "");
}

}  // namespace
