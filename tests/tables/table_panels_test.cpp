// The table panels driven offscreen in the main window as a user meets them. The grid (typing,
// keys, scrolling, selecting rows, the Edit keys, New) is one piece of code under both panels
// and is driven on the one-variable panel; the two-variable panel is driven for what is its
// own: the captions and results of each model, estimation, swap, its file, graph and wheel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
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
#include "support/scripted_ui.h"
#include "tables/Panel1V.h"
#include "tables/graph_window.h"
#include "tables/model_captions.h"
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
  QLineEdit* Cell(const char* column, int row) { return Find(QString("%1_%2").arg(column).arg(row)); }
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
  void Wheel(QWidget* cell, int delta) {
    QWheelEvent event(QPointF(5, 5), cell->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
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
  frame::FrameState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>(state, table1V, table2V);
  int opened = 0;
};

class Panel1VTest : public PanelTest {
 protected:
  Panel1VTest() { Click("LblTASK_2"); }

  QScrollBar* Bar() { return Find<QScrollBar>("VScroll2"); }
  static bool Lit(const QLineEdit* cell) {
    return cell->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Highlight);
  }
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

TEST_F(Panel1VTest, TypedDataShowsEveryResultBoxAndTheGraphItsView) {
  // Modes and medians as the definitions give them: the most frequent value, or the
  // grouped mode 10 + 10 * 0.3 / 0.5; the median interpolated in the cumulative frequency.
  // The graph's view: the values, and the frequencies from 0, with a tenth added each side.
  struct Case { Values rows; std::string mode, median, skew; graph::ViewBounds view; };
  const Case cases[] = {
      {{{1, 1}, {2, 1}, {3, 1}, {4, 1}}, "", "2.5", "Symmetrical", {0.7, 4.3, -0.1, 1.1}},
      {{{2, 1}, {3, 2}, {5, 1}}, "3", "3.25", "Positive: Right-skewed", {1.7, 5.3, -0.2, 2.2}},
      {{{0, 10, 2}, {10, 20, 5}, {20, 30, 3}}, "16", "16", "Negative: left-skewed", {-3, 33, -0.5, 5.5}},
  };
  // Every other box for the classes, worked out by hand: marks 5, 15 and 25 twice, five and
  // three times; N 10, mean 16, moments about it (divisor N) 49, -48 and 4897.
  const std::map<std::string, std::string> classes = {
      {"Txt1V_SN", "10"},       {"Txt1V_SX", "160"}, {"Txt1V_SX2", "3050"}, {"Txt1V_SX3", "64000"},
      {"Txt1V_SX4", "1426250"}, {"Txt1V_MX", "16"},  {"Txt1V_VX", "49"},    {"Txt1V_DX", "7"},
      {"Txt1V_CV", "0.4375"},   {"Txt1V_AS", "-0.139942"}, {"Txt1V_CU", "-0.960433"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.median);
    const bool grouped = c.rows[0].size() == 3;
    if (grouped) Click("Opt1VAR_1");
    TypeRows("Txt1V_x1", c.rows);
    auto shown = grouped ? classes : std::map<std::string, std::string>{};
    shown.insert({{"Txt1V_MO", c.mode}, {"Txt1V_ME", c.median}, {"Label1_68", c.skew}, {"Label1_69", "Platykurtic"}});
    for (const auto& [name, text] : shown) EXPECT_EQ(Text(name.c_str()), text) << name;
    Click("Image15");
    EXPECT_EQ(opened, &c - cases + 1);
    const graph::ViewBounds& v = graph::ProgramGraphHandover().View;
    EXPECT_TRUE(std::fabs(v.ViewXmin - c.view.ViewXmin) + std::fabs(v.ViewXmax - c.view.ViewXmax) +
                    std::fabs(v.ViewYmin - c.view.ViewYmin) + std::fabs(v.ViewYmax - c.view.ViewYmax) < 1e-12);
    ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No, "Save changes. One variable statistic");
    Click("Image14");
    EXPECT_FALSE(table1V.Modified1V);
  }
  // Classes that do not touch have no histogram: nothing opens.
  Click("Opt1VAR_1");
  TypeRows("Txt1V_x1", {{0, 10, 1}, {11, 20, 2}});
  Click("Image15");
  EXPECT_EQ(opened, 3);
  tables::ShowGraphWindow() = nullptr;
  Click("Image15");  // opens nothing, and does not fail, while no window is joined
}

TEST_F(Panel1VTest, EachKeystrokeIsAnEditAndTheLastRowGrowsTheTable) {
  QLineEdit *x = Cell("Txt1V_x1", 3), *n = Cell("Txt1V_N", 3);
  Type(x, "2,5");
  EXPECT_EQ(x->text(), "2.5") << "a comma is typed as a point";
  EXPECT_EQ(n->text(), "1") << "a new value counts once";
  EXPECT_EQ(Cell("Txt1V_X2N", 3)->text(), "6.25");
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
  const int cases[][4] = {{12, 1, true, 13}, {12, 1, false, 12}, {40, 1, true, 40}, {10000, 9989, true, 10000}};
  for (const auto& [N, top, lastFilled, after] : cases) {
    table1V.N1V = N;
    table1V.Top1V = top;
    table1V.Data1V_X1[N] = table1V.Data1V_N[N] = lastFilled ? 1 : NoValue;
    table1V.View1V->Refresh();
    EXPECT_EQ(table1V.N1V, after) << N;
    EXPECT_TRUE(Bar()->maximum() == std::max(1, after - 11) && Bar()->value() == top) << N;
  }
  EXPECT_FALSE(table1V.Modified1V);
}

TEST_F(Panel1VTest, TheColumnsFollowTheDataKindAndKeysMoveBetweenTheVisibleOnesAndScroll) {
  FillTable(40);
  struct Case { bool grouped; const char* from; int row, key; const char* to; int toRow, top; };
  const Case cases[] = {
      {false, "Txt1V_x1", 2, Qt::Key_Return, "Txt1V_N", 2, 1}, {true, "Txt1V_x1", 2, Qt::Key_Tab, "Txt1V_x2", 2, 1},
      {true, "Txt1V_x2", 2, Qt::Key_Enter, "Txt1V_N", 2, 1}, {false, "Txt1V_N", 5, Qt::Key_Backtab, "Txt1V_x1", 6, 1},
      {true, "Txt1V_N", 5, Qt::Key_Left, "Txt1V_x2", 5, 1}, {false, "Txt1V_x1", 12, Qt::Key_Down, "Txt1V_x1", 12, 2},
      {false, "Txt1V_N", 12, Qt::Key_Return, "Txt1V_x1", 12, 2}, {false, "Txt1V_x1", 1, Qt::Key_Up, "Txt1V_x1", 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " " + std::to_string(c.row));
    Click(c.grouped ? "Opt1VAR_1" : "Opt1VAR_0");
    EXPECT_EQ(Text("LblESTAD1"),
              std::string("One variable statistic:  ") + (c.grouped ? "Grouped" : "Ungrouped") + " data");
    EXPECT_EQ(Cell("Txt1V_x2", 1)->isVisible() + Cell("Txt1V_XM", 12)->isVisible() +
                  Find<QLabel>("image5_15")->isVisible(), 3 * c.grouped);
    Bar()->setValue(1);
    QLineEdit* from = Cell(c.from, c.row);
    from->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(from->cursorPosition() == 0 && from->selectedText() == from->text()) << "selected from its start";
    QTest::keyClick(from, static_cast<Qt::Key>(c.key));
    EXPECT_EQ(QApplication::focusWidget(), Cell(c.to, c.toRow));
    EXPECT_TRUE(Bar()->value() == c.top && Cell("Txt1V_ITEM", 1)->text().toInt() == c.top);
  }
  // A click selects the text too, once the caret is placed; focus given back does not.
  QLineEdit* cell = Cell("Txt1V_x1", 2);
  for (Qt::FocusReason reason : {Qt::MouseFocusReason, Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
    Find("Txt1V_MX")->setFocus(Qt::OtherFocusReason);
    cell->deselect();
    cell->setCursorPosition(1);
    if (reason == Qt::MouseFocusReason) QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(cell->width() - 5, 10));
    cell->setFocus(reason);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), cell);
    EXPECT_EQ(cell->selectedText() == "20" && cell->cursorPosition() == 0, reason == Qt::MouseFocusReason) << reason;
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
    EXPECT_TRUE(Bar()->value() == top && table1V.Top1V == top && Cell("Txt1V_ITEM", 1)->text().toInt() == top) << top;
    EXPECT_EQ(Cell("Txt1V_x1", 12)->text(), top + 11 <= 250 ? QString::number((top + 11) * 10) : "") << top;
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
  // Forty pairs: the wheel over the two-variable task moves its grid, not this one.
  Click("LblTASK_3");
  for (int i = 1; i <= 40; ++i) table2V.Data2V_X[i] = table2V.Data2V_Y[i] = table2V.Data2V_N[i] = i;
  table2V.N2V = 41;
  table2V.View2V->Refresh();
  Wheel(Cell("Txt2V_x", 3), -240);
  EXPECT_TRUE(table2V.Top2V == 3 && Find<QScrollBar>("VScroll1")->value() == 3 && table1V.Top1V == 228);
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
  EXPECT_TRUE(Lit(Cell("Txt1V_N", 3)) && !Lit(Cell("Txt1V_N", 4)));
  auto key = [&](Qt::Key k) { return [k] { QTest::keyClick(QApplication::focusWidget(), k, Qt::ControlModifier); }; };
  auto menu = [&] { return Text("mnu_Edicion_Deshacer") + " / " + Text("mnu_Edicion_Rehacer"); };
  struct Step { std::function<void()> act; Rows rows; std::string menu; };
  const Step steps[] = {
      {key(Qt::Key_X), {"10||1", "40||1", "50||1", "||"}, "Undo cut / Can not redo"},
      {key(Qt::Key_Z), {"10||1", "20||1", "30||1", "40||1"}, "Can not undo / Redo"},
      {key(Qt::Key_Y), {"10||1", "40||1", "50||1", "||"}, "Undo / Can not redo"},
      {[&] { ClickRow(1); key(Qt::Key_V)(); }, {"20||1", "30||1", "10||1", "40||1"}, "Undo paste / Can not redo"},
      {[&] { ClickRow(4); QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete); },
       {"20||1", "30||1", "10||1", "||"}, "Undo delete selection / Can not redo"},
  };
  for (const Step& s : steps) {
    s.act();
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
  EXPECT_TRUE(!Find<QAction>("mnu_Edicion_Deshacer")->isEnabled() && Text("mnu_Edicion_Deshacer") == "Can not undo");
  ClickRow(2);
  Find("Txt1V_SN")->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(table1V.SelStart1V, -1);
  FillTable(30);
  Bar()->setValue(5);  // a drag in the row numbers selects the rows it passes, as data rows
  QLineEdit* pressed = Cell("Txt1V_ITEM", 3);
  QTest::mousePress(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 88), pressed->mapToGlobal(QPointF(10, 88)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(pressed, &move);
  QTest::mouseRelease(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(10, 88));
  EXPECT_TRUE(table1V.SelStart1V == 7 && table1V.SelEnd1V == 10);
  Bar()->setValue(9);
  for (int row = 1; row <= 4; ++row) {  // the whole row, its number too
    EXPECT_EQ(Lit(Cell("Txt1V_ITEM", row)) + Lit(Cell("Txt1V_x1", row)) + Lit(Cell("Txt1V_X4N", row)), 3 * (row <= 2));
  }
}

TEST_F(Panel1VTest, ClassesConvertQuantilesFollowMomentsAndSurviveNewSaveAndOpen) {
  Click("OptQQ_0");
  Click("Opt1VAR_1");
  TypeRows("Txt1V_x1", {{0, 10, 2}, {10, 20, 5}, {20, 30, 3}});
  QLineEdit *order = Find("Txt1V_QPCT"), *value = Find("Txt1V_QQ");
  // The cumulative frequency of the classes: 0.2 at 10, 0.7 at 20, 1 at 30.
  struct Case { const char* kind; QLineEdit* typed; const char* text; QLineEdit* other; const char* shown; };
  const Case cases[] = {
      {"OptQQ_0", order, "1", value, "11"},  {"OptQQ_2", order, "100", value, "30"},
      {"OptQQ_2", value, "16", order, "50"}, {"OptQQ_1", value, "10", order, "2"},
      {"OptQQ_0", order, "5", value, ""},    {"OptQQ_2", value, "abc", order, "0"},
  };
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
  EXPECT_EQ(Text("Label1_65"), "2th-moment about the mean");
  EXPECT_EQ(Text("Txt1V_MM"), Text("Txt1V_VX"));
  Click("OptMR_0");
  EXPECT_EQ(Text("Txt1V_MM"), FormatoCifras(3050.0 / 10, 10)) << "the sum of n x² over N";
  Type(Cell("Txt1V_x1", 4), "40");
  EXPECT_TRUE(order->text().isEmpty() && value->text().isEmpty()) << "new data empties the quantile";
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
  EXPECT_EQ(Text("LblESTAD1"), "One variable statistic:  Ungrouped data");
  EXPECT_TRUE(Find<QRadioButton>("Opt1VAR_0")->isChecked() && Cell("Txt1V_x2", 1)->isHidden());
  EXPECT_TRUE(Find<QRadioButton>("OptQQ_2")->isChecked()) << "percentiles again";
  Open(path);
  EXPECT_EQ(ShownRows(12), before);
  EXPECT_EQ(Text("Txt1V_MX"), mean);
  EXPECT_TRUE(Find<QRadioButton>("Opt1VAR_1")->isChecked());
}

// Pairs typed under another model, then the model chosen relabels and recomputes at once: the
// equation worked out by hand from the data, the captions that name the variables, and for
// one line every statistic box (the core's reference file has each model's statistics).
TEST_F(Panel2VTest, EachModelRelabelsAndRecomputesTheTypedPairsAtOnce) {
  QDir(folder.path()).mkdir("images");
  QImage picture(40, 20, QImage::Format_RGB32);
  picture.fill(Qt::white);
  ASSERT_TRUE(picture.save(folder.path() + "/images/est_pot.gif", "PNG"));
  struct Case { std::string option; const char *title, *meanOfX, *meanOfY; bool lnX, lnY; Values pairs;
                std::string equation; };
  const Case cases[] = {
      {"OptREG_3", "Power", "Mean of ln x", "Mean of ln y", true, true, {{1, 1}, {2, 4}, {3, 9}}, " y = x ^ 2"},
      {"OptREG_0", "Linear", "Mean of x", "Mean of y", false, false, {{1, 2}, {2, 4}, {3, 6}}, " y = 2 x"},
      {"OptREG_1", "Logarithmic", "Mean of ln x", "Mean of y", true, false, {{1, 5}, {M_E, 7}, {M_E * M_E, 9}},
       " y = 5  +  2 ln x"},
      {"OptREG_2", "Exponential", "Mean of x", "Mean of ln y", false, true, {{0, 3}, {1, 6}, {2, 12}}, " y = 3 · 2 ^ x"},
      {"OptREG_4", "Quadratic", "Mean of x", "Mean of y", false, false, {{0, 1}, {1, 0}, {2, 1}, {3, 4}},
       " y = x² - 2x + 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.equation);
    if (table2V.Modified2V) ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No);
    Click("Image11");
    if (c.option != "OptREG_3") Click("OptREG_3");
    TypeRows("Txt2V_x", c.pairs, 1);
    Click(c.option.c_str());
    if (c.equation == " y = 2 x") {  // every box, by hand (divisor N), no longer those of ln x and ln y
      const std::pair<const char*, double> boxes[] = {
          {"Txt2V_SN", 3}, {"Txt2V_SX", 6}, {"Txt2V_SY", 12}, {"Txt2V_SX2", 14}, {"Txt2V_SY2", 56}, {"Txt2V_SXY", 28},
          {"Txt2V_MX", 2}, {"Txt2V_MY", 4}, {"Txt2V_VX", 2. / 3}, {"Txt2V_VY", 8. / 3}, {"Txt2V_COV", 4. / 3},
          {"Txt2V_DX", std::sqrt(2. / 3)}, {"Txt2V_DY", std::sqrt(8. / 3)}, {"Txt2V_R", 1}};
      for (const auto& [box, value] : boxes) EXPECT_NEAR(LeerNumero(Text(box)), value, 1E-9 * value) << box;
    }
    EXPECT_EQ(Text("Txt2V_CUR"), c.equation);
    EXPECT_EQ(Text("LblESTAD2"), std::string("Two variables statistic:  ") + c.title + " regression analysis");
    EXPECT_EQ(Text("Label1_44"), "Curve of " + QString(c.title).toUpper().toStdString() + " regression");
    EXPECT_EQ(Text("Label1_32"), c.meanOfX);
    EXPECT_EQ(Text("Label1_40"), c.meanOfY);
    EXPECT_EQ(Text("Label1_38"), std::string(c.meanOfY).replace(0, 4, "Variance"));
    // The headings, sum captions and result captions of X, of Y and of their product.
    struct Group { std::vector<const char*> pictures; bool x, y; int ln; };
    const Group groups[] = {
        {{"image4_3", "image4_5", "image4_9", "image4_11", "image4_14", "image4_15", "image4_16"}, true, false, c.lnX},
        {{"image4_4", "image4_6", "image4_10", "image4_12", "image4_17", "image4_18", "image4_19"}, false, true, c.lnY},
        {{"image4_7", "image4_13", "image4_21"}, true, true, c.lnX + c.lnY},
    };
    for (const Group& g : groups) {
      for (const char* name : g.pictures) {
        QTextDocument shown;
        shown.setHtml(Find<QLabel>(name)->text());
        const QString plain = shown.toPlainText();
        EXPECT_TRUE(plain.contains('x') == g.x && plain.contains('y') == g.y && plain.count("ln") == g.ln) << name;
      }
    }
    EXPECT_EQ(Text("image4_0"), "x") << "x, y, n and Σ n never change";
    for (const char* name : {"Txt2V_R", "Label1_41", "image4_20"}) {
      EXPECT_EQ(Find<QWidget>(name)->isVisible(), c.option != "OptREG_4") << name;
    }
    EXPECT_EQ(!Find<QLabel>("imgFOREG")->pixmap().isNull(), c.option == "OptREG_3");
  }
  EXPECT_EQ(tables::FormulaPictureNames(),
            (std::vector<std::string>{"EST_LIN.GIF", "EST_LOG.GIF", "EST_EXP.GIF", "EST_POT.GIF", "EST_CUA.GIF"}));
}

// Three pairs on y = 1 + 2 x: the graph button hands the line over, the estimation boxes
// answer each other, and an edit of the table clears them.
TEST_F(Panel2VTest, TheGraphTakesTheCurveAndEstimationBoxesAnswerEachKeystrokeBothWays) {
  TypeRows("Txt2V_x", {{1, 3}, {2, 5}, {6, 13}}, 1);
  Click("Image12");
  const graph::GraphHandover& h = graph::ProgramGraphHandover();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(h.GraphFormula, "y = 1  +  2 x") << "trimmed";
  EXPECT_TRUE(h.GraphKind == 0 && h.GraphCoefA == 1 && h.GraphCoefB == 2);
  // x 1..6, y 3..13, a tenth of the range beyond each end.
  const graph::ViewBounds& v = h.View;
  EXPECT_TRUE(v.ViewXmin == 0.5 && v.ViewXmax == 6.5 && v.ViewYmin == 2 && v.ViewYmax == 14);
  struct Case { const char *typed, *text, *other, *shown; };
  const Case cases[] = {
      {"Txt2V_ESTX", "3", "Txt2V_ESTY", "7"},   {"Txt2V_ESTY", "7", "Txt2V_ESTX", "3"},
      {"Txt2V_ESTX", "0,5", "Txt2V_ESTY", "2"}, {"Txt2V_ESTY", "abc", "Txt2V_ESTX", "-0.5"},
      {"Txt2V_ESTY", "", "Txt2V_ESTX", ""},
  };
  for (const Case& c : cases) {
    Find(c.typed)->clear();
    Type(Find(c.typed), c.text);
    EXPECT_EQ(Text(c.other), c.shown) << c.text;
  }
  // Tab, Up and Down jump to the other box.
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Backtab}) {
    QWidget* from = QApplication::focusWidget();
    QTest::keyClick(from, key);
    EXPECT_EQ(QApplication::focusWidget(), Find(from->objectName() == "Txt2V_ESTX" ? "Txt2V_ESTY" : "Txt2V_ESTX"));
  }
  Type(Find("Txt2V_ESTX"), "4");
  Type(Cell("Txt2V_y", 2), "7");  // the line through (1, 3), (2, 7), (6, 13), by hand: 44/21 + 13/7 x
  EXPECT_EQ(Text("Txt2V_CUR"), " y = 2.095238095  +  1.857142857 x");
  EXPECT_TRUE(Text("Txt2V_ESTX").empty() && Text("Txt2V_ESTY").empty());
}

TEST_F(Panel2VTest, SwapUndoNewAndASavedTableWithItsModel) {
  Click("OptREG_2");
  TypeRows("Txt2V_x", {{1, 2}, {2, 8}, {3, 9}}, 1);
  const std::string before = Text("Txt2V_CUR");
  Click("Image13");
  const auto row2 = [&] { return (Cell("Txt2V_x", 2)->text() + '|' + Cell("Txt2V_y", 2)->text()).toStdString(); };
  EXPECT_EQ(row2(), "8|2");
  EXPECT_EQ(Cell("Txt2V_XN", 2)->text(), "8") << "the products follow the swap";
  EXPECT_EQ(Text("mnu_Edicion_Deshacer"), "Undo swap x-y");
  QTest::keyClick(Cell("Txt2V_x", 5), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(row2(), "2|8");
  EXPECT_EQ(Text("Txt2V_CUR"), before);
  const std::string path = SaveAs("pairs.e2v");
  ASSERT_FALSE(table2V.Modified2V);
  Click("OptREG_4");
  ui.ExpectMsgBox("Do you want to save changes to " + path + "?", Answer::No, "Save changes. Two variables statistic");
  Click("Image11");
  EXPECT_TRUE(Find<QRadioButton>("OptREG_0")->isChecked()) << "New is linear";
  for (const char* box : {"Txt2V_CUR", "Txt2V_MX", "Txt2V_SN", "Txt2V_SXY"}) EXPECT_EQ(Text(box), "") << box;
  EXPECT_EQ(row2(), "|");
  Open(path);
  EXPECT_TRUE(Find<QRadioButton>("OptREG_2")->isChecked());
  EXPECT_EQ(Text("Label1_40"), "Mean of ln y");
  EXPECT_EQ(Text("Txt2V_CUR"), before);
}

}  // namespace
