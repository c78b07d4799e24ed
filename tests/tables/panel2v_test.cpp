// The two-variable panel driven offscreen in the main window: typed pairs and the results
// of each model, the captions that follow the model, estimation both ways, swap and undo,
// New, a saved table reopened with its model, and the graph hand-over.
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
#include <vector>

#include "frame/FormMain.h"
#include "frame/panels.h"
#include "graph/graph_handover.h"
#include "support/scripted_ui.h"
#include "tables/graph_window.h"
#include "tables/model_captions.h"
#include "tables/table_view.h"

namespace {

using platform::Answer;

struct Pair {
  double x, y;
};

class Panel2VTest : public ::testing::Test {
 protected:
  Panel2VTest() {
    platform::SetProgramFolder(folder.path().toStdString());
    frame::InstallPanels(*form);
    form->Form_Load();
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::mouseClick(form->findChild<QLabel*>("LblTASK_3"), Qt::LeftButton);
  }
  template <class W = QLineEdit>
  W* Named(const QString& name) {
    W* w = form->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QLineEdit* Cell(const char* column, int row) {
    return Named(QString("%1_%2").arg(column).arg(row));
  }
  std::string Text(const char* name) { return Named(name)->text().toStdString(); }
  void Click(const char* name) { QTest::mouseClick(Named<QWidget>(name), Qt::LeftButton); }
  // Types x, y pairs from the first cell on, moving with Enter; the frequency comes by itself.
  void TypePairs(const std::vector<Pair>& pairs) {
    Cell("Txt2V_x", 1)->setFocus(Qt::MouseFocusReason);
    for (const Pair& p : pairs) {
      for (double v : {p.x, p.y}) {
        QTest::keyClicks(QApplication::focusWidget(), QString::number(v, 'g', 17));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
  }
  void Type(const char* box, const char* text) {
    QLineEdit* b = Named(box);
    b->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(b, text);
  }
  void NewTable() {
    if (table2V.Modified2V) ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No);
    Click("Image11");
  }

  QTemporaryDir folder;
  testing_support::MemorySettings settings;
  testing_support::ScriptedUi ui;
  frame::FrameState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>(state, table1V, table2V);
};

// A box's number, or NaN when it is empty.
double Number(const std::string& text) { return text.empty() ? NAN : std::stod(text); }

TEST_F(Panel2VTest, TypedPairsShowTheStatisticsOfEachModelsVariables) {
  struct Case {
    const char* option;
    bool logX, logY;
    std::vector<Pair> pairs;
    std::string equation;  // worked out by hand from the data
  };
  const Case cases[] = {
      {"OptREG_0", false, false, {{1, 3}, {2, 5}}, " y = 1  +  2 x"},
      {"OptREG_0", false, false, {{1, 2}, {2, 4}, {3, 6}}, " y = 2 x"},
      {"OptREG_1", true, false, {{1, 5}, {M_E, 7}, {M_E * M_E, 9}}, " y = 5  +  2 ln x"},
      {"OptREG_2", false, true, {{0, 3}, {1, 6}, {2, 12}}, " y = 3 · 2 ^ x"},
      {"OptREG_3", true, true, {{1, 1}, {2, 4}, {3, 9}}, " y = x ^ 2"},
      {"OptREG_4", false, false, {{0, 1}, {1, 0}, {2, 1}, {3, 4}}, " y = x² - 2x + 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.equation);
    Click(c.option);
    TypePairs(c.pairs);
    // The definitions on X and Y, with divisor N.
    double N = 0, SX = 0, SY = 0, SX2 = 0, SY2 = 0, SXY = 0;
    for (const Pair& p : c.pairs) {
      const double X = c.logX ? std::log(p.x) : p.x, Y = c.logY ? std::log(p.y) : p.y;
      N += 1, SX += X, SY += Y, SX2 += X * X, SY2 += Y * Y, SXY += X * Y;
    }
    const double mx = SX / N, my = SY / N, vx = SX2 / N - mx * mx, vy = SY2 / N - my * my;
    const double cov = SXY / N - mx * my;
    const std::pair<const char*, double> expected[] = {
        {"Txt2V_SN", N},   {"Txt2V_SX", SX},   {"Txt2V_SY", SY},    {"Txt2V_SX2", SX2},
        {"Txt2V_SY2", SY2}, {"Txt2V_SXY", SXY}, {"Txt2V_MX", mx},    {"Txt2V_MY", my},
        {"Txt2V_VX", vx},  {"Txt2V_VY", vy},   {"Txt2V_DX", std::sqrt(vx)},
        {"Txt2V_DY", std::sqrt(vy)}, {"Txt2V_COV", cov}, {"Txt2V_R", cov / std::sqrt(vx * vy)}};
    for (const auto& [box, value] : expected) {
      EXPECT_NEAR(Number(Text(box)), value, 1E-9 * (1 + std::fabs(value))) << box;
    }
    EXPECT_EQ(Text("Txt2V_CUR"), c.equation);
    EXPECT_EQ(Named("Txt2V_R")->isVisible(), std::string(c.option) != "OptREG_4");
    NewTable();
  }
}

TEST_F(Panel2VTest, TheModelRelabelsAndRecomputesAtOnce) {
  QDir(folder.path()).mkdir("images");
  QImage picture(40, 20, QImage::Format_RGB32);
  picture.fill(Qt::white);
  ASSERT_TRUE(picture.save(folder.path() + "/images/est_pot.gif", "PNG"));
  TypePairs({{1, 2}, {2, 3}, {4, 5}});
  struct Case {
    const char* option;
    const char* title;
    const char* curveTitle;
    const char* meanOfX;
    const char* meanOfY;
    bool lnX, lnY, correlation, picture;
  };
  const Case cases[] = {
      {"OptREG_3", "Power", "POWER", "Mean of ln x", "Mean of ln y", true, true, true, true},
      {"OptREG_0", "Linear", "LINEAR", "Mean of x", "Mean of y", false, false, true, false},
      {"OptREG_1", "Logarithmic", "LOGARITHMIC", "Mean of ln x", "Mean of y", true, false, true,
       false},
      {"OptREG_2", "Exponential", "EXPONENTIAL", "Mean of x", "Mean of ln y", false, true, true,
       false},
      {"OptREG_4", "Quadratic", "QUADRATIC", "Mean of x", "Mean of y", false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    Click(c.option);
    EXPECT_EQ(Named<QLabel>("LblESTAD2")->text().toStdString(),
              std::string("Two variables statistic:  ") + c.title + " regression analysis");
    EXPECT_EQ(Named<QLabel>("Label1_44")->text().toStdString(),
              std::string("Curve of ") + c.curveTitle + " regression");
    EXPECT_EQ(Named<QLabel>("Label1_32")->text().toStdString(), c.meanOfX);
    EXPECT_EQ(Named<QLabel>("Label1_38")->text().toStdString(),
              std::string(c.meanOfY).replace(0, 4, "Variance"));
    // The headings, sum captions and result captions of X, of Y and of their product
    // name their variables, with ln where the model takes it.
    struct Group {
      std::vector<const char*> pictures;
      bool x, y;
      int ln;
    };
    const Group groups[] = {
        {{"image4_3", "image4_5", "image4_9", "image4_11", "image4_14", "image4_15", "image4_16"},
         true, false, c.lnX},
        {{"image4_4", "image4_6", "image4_10", "image4_12", "image4_17", "image4_18", "image4_19"},
         false, true, c.lnY},
        {{"image4_7", "image4_13", "image4_21"}, true, true, c.lnX + c.lnY},
    };
    for (const Group& g : groups) {
      for (const char* name : g.pictures) {
        QTextDocument shown;
        shown.setHtml(Named<QLabel>(name)->text());
        const QString plain = shown.toPlainText();
        EXPECT_EQ(plain.contains('x'), g.x) << name;
        EXPECT_EQ(plain.contains('y'), g.y) << name;
        EXPECT_EQ(plain.count("ln"), g.ln) << name;
      }
    }
    EXPECT_EQ(Named<QLabel>("image4_0")->text(), "x") << "x, y, n and Σ n never change";
    // Right-aligned by their new widths: headings at their column's edge, result
    // captions three pixels left of their box.
    EXPECT_EQ(Named<QLabel>("image4_7")->geometry().right() + 1, 828);
    EXPECT_EQ(Named<QLabel>("image4_13")->geometry().right() + 1, 830);
    EXPECT_EQ(Named<QLabel>("image4_21")->geometry().right() + 1 + 3,
              Named("Txt2V_COV")->geometry().left());
    for (const char* name : {"Txt2V_R", "Label1_41", "image4_20"}) {
      EXPECT_EQ(Named<QWidget>(name)->isVisible(), c.correlation) << name;
    }
    EXPECT_EQ(!Named<QLabel>("imgFOREG")->pixmap().isNull(), c.picture);
    const double lnSum = std::log(1.0) + std::log(2.0) + std::log(4.0);
    EXPECT_NEAR(Number(Text("Txt2V_SX")), c.lnX ? lnSum : 7, 1E-9);
  }
  EXPECT_EQ(tables::FormulaPictureNames(),
            (std::vector<std::string>{"EST_LIN.GIF", "EST_LOG.GIF", "EST_EXP.GIF", "EST_POT.GIF",
                                      "EST_CUA.GIF"}));
}

TEST_F(Panel2VTest, EstimationBoxesAnswerEachKeystrokeBothWays) {
  TypePairs({{1, 3}, {2, 5}});  // y = 1 + 2 x
  struct Case {
    const char* typed;
    const char* text;
    const char* other;
    const char* shown;
  };
  const Case cases[] = {
      {"Txt2V_ESTX", "3", "Txt2V_ESTY", "7"},   {"Txt2V_ESTY", "7", "Txt2V_ESTX", "3"},
      {"Txt2V_ESTX", "0,5", "Txt2V_ESTY", "2"}, {"Txt2V_ESTY", "abc", "Txt2V_ESTX", "-0.5"},
      {"Txt2V_ESTY", "", "Txt2V_ESTX", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Named(c.typed)->clear();
    Type(c.typed, c.text);
    EXPECT_EQ(Text(c.other), c.shown);
  }
  // Tab, Up and Down jump to the other box; an edit of the table clears both.
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Backtab}) {
    QWidget* from = QApplication::focusWidget();
    QTest::keyClick(from, key);
    EXPECT_EQ(QApplication::focusWidget(),
              Named(from->objectName() == "Txt2V_ESTX" ? "Txt2V_ESTY" : "Txt2V_ESTX"));
  }
  Type("Txt2V_ESTX", "4");
  Cell("Txt2V_y", 2)->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(Cell("Txt2V_y", 2), "7");
  EXPECT_EQ(Text("Txt2V_CUR"), " y = - 1  +  4 x");
  EXPECT_EQ(Text("Txt2V_ESTX"), "");
  EXPECT_EQ(Text("Txt2V_ESTY"), "");
}

TEST_F(Panel2VTest, SwapUndoNewAndASavedTableWithItsModel) {
  Click("OptREG_2");
  TypePairs({{1, 2}, {2, 8}, {3, 9}});
  const std::string before = Text("Txt2V_CUR");
  Click("Image13");
  EXPECT_EQ(Cell("Txt2V_x", 2)->text(), "8");
  EXPECT_EQ(Cell("Txt2V_y", 2)->text(), "2");
  EXPECT_EQ(Cell("Txt2V_XN", 2)->text(), "8") << "the products follow the swap";
  QAction* undo = Named<QAction>("mnu_Edicion_Deshacer");
  EXPECT_EQ(undo->text(), "Undo swap x-y");
  QTest::keyClick(Cell("Txt2V_x", 5), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Cell("Txt2V_x", 2)->text(), "2");
  EXPECT_EQ(Text("Txt2V_CUR"), before);

  const std::string path = folder.path().toStdString() + "/pairs.e2v";
  ui.ExpectSave(path);
  Named<QAction>("mnu_archivo_guardarComo")->trigger();
  ASSERT_FALSE(table2V.Modified2V);
  Click("OptREG_4");
  ui.ExpectMsgBox("Do you want to save changes to " + path + "?", Answer::No,
                  "Save changes. Two variables statistic");
  Click("Image11");
  EXPECT_TRUE(Named<QRadioButton>("OptREG_0")->isChecked()) << "New is linear";
  for (const char* box : {"Txt2V_CUR", "Txt2V_MX", "Txt2V_SN", "Txt2V_SXY"}) {
    EXPECT_EQ(Text(box), "") << box;
  }
  EXPECT_EQ(Cell("Txt2V_x", 1)->text(), "");

  ui.ExpectOpen(path);
  Named<QAction>("mnu_archivo_abrir")->trigger();
  EXPECT_TRUE(Named<QRadioButton>("OptREG_2")->isChecked());
  EXPECT_EQ(Named<QLabel>("Label1_40")->text(), "Mean of ln y");
  EXPECT_EQ(Text("Txt2V_CUR"), before);
  EXPECT_EQ(form->Caption(), "Orvalis - ZorbSoftware - " + path);
}

TEST_F(Panel2VTest, TheGraphButtonHandsOverTheCurveAndTheView) {
  int opened = 0;
  tables::ShowGraphWindow() = [&opened] { ++opened; };
  Click("OptREG_0");
  TypePairs({{1, 3}, {2, 5}, {6, 13}});
  Click("Image12");
  const graph::GraphHandover& h = graph::ProgramGraphHandover();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(h.GraphFormula, "y = 1  +  2 x") << "trimmed";
  EXPECT_EQ(h.GraphKind, 0);
  EXPECT_EQ(h.GraphCoefA, 1);
  EXPECT_EQ(h.GraphCoefB, 2);
  // x 1..6, y 3..13, a tenth of the range beyond each end.
  EXPECT_DOUBLE_EQ(h.View.ViewXmin, 0.5);
  EXPECT_DOUBLE_EQ(h.View.ViewXmax, 6.5);
  EXPECT_DOUBLE_EQ(h.View.ViewYmin, 2);
  EXPECT_DOUBLE_EQ(h.View.ViewYmax, 14);
  tables::ShowGraphWindow() = nullptr;
}

TEST_F(Panel2VTest, TheGridKeepsItsColumnsAndItsSumOfNIsOnePixelWider) {
  EXPECT_EQ(Cell("Txt2V_N", 12)->geometry(), QRect(255, 314, 56, 27));
  EXPECT_EQ(Named("Txt2V_SN")->geometry(), QRect(255, -1, 57, 26));
  EXPECT_EQ(Cell("Txt2V_N", 12)->geometry().bottom() + 1,
            Named<QWidget>("Picture5_1")->geometry().top());
  // Under the logarithmic model a row with x = -1 keeps its values; the x products are
  // empty and the y products shown.
  Click("OptREG_1");
  TypePairs({{-1, 2}});
  EXPECT_EQ(table2V.Data2V_X[1], -1);
  const char* expected[][2] = {{"Txt2V_XN", ""}, {"Txt2V_X2N", ""}, {"Txt2V_XYN", ""},
                               {"Txt2V_YN", "2"}, {"Txt2V_Y2N", "4"}};
  for (const auto& [column, text] : expected) EXPECT_EQ(Cell(column, 1)->text(), text) << column;
  EXPECT_EQ(Text("Txt2V_MX"), "") << "no logarithm of -1";

  // Typing into the last row grows the table and its scroll bar by one row.
  Cell("Txt2V_x", 12)->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(Cell("Txt2V_x", 12), "7");
  EXPECT_EQ(table2V.N2V, 13);
  EXPECT_EQ(Named<QScrollBar>("VScroll1")->maximum(), 2);

  // Forty rows: the wheel over the two-variable task moves its own grid.
  Click("OptREG_0");
  for (int i = 1; i <= 40; ++i) table2V.Data2V_X[i] = table2V.Data2V_Y[i] = table2V.Data2V_N[i] = i;
  table2V.N2V = 41;
  table2V.View2V->Refresh();
  QLineEdit* cell = Cell("Txt2V_x", 3);
  QWheelEvent down(QPointF(5, 5), cell->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -240),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(cell, &down);
  EXPECT_EQ(table2V.Top2V, 3);
  EXPECT_EQ(Cell("Txt2V_ITEM", 1)->text(), "3");
  EXPECT_EQ(Cell("Txt2V_XYN", 1)->text(), "27");
}

TEST_F(Panel2VTest, ResultBoxesAndCaptionsStandWhereTheWindowDesignPutsThem) {
  struct Place {
    const char* name;
    QRect rect;
  };
  const Place places[] = {
      {"Picture2VARDAT", {19, 66, 857, 403}}, {"Picture5_2", {20, 471, 975, 181}},
      {"Txt2V_MX", {56, 26, 96, 24}},        {"Txt2V_MY", {214, 26, 96, 24}},
      {"Txt2V_DX", {57, 81, 96, 24}},        {"Txt2V_DY", {215, 81, 96, 24}},
      {"Txt2V_VX", {56, 143, 96, 24}},       {"Txt2V_VY", {214, 143, 96, 24}},
      {"Txt2V_COV", {396, 81, 141, 24}},     {"Txt2V_R", {395, 143, 141, 24}},
      {"Txt2V_CUR", {330, 26, 476, 27}},
  };
  for (const Place& p : places) EXPECT_EQ(Named<QWidget>(p.name)->geometry(), p.rect) << p.name;
  const std::pair<const char*, QPoint> labels[] = {
      {"Label1_32", {8, 8}},    {"Label1_40", {164, 8}},  {"Label1_34", {9, 63}},
      {"Label1_39", {165, 63}}, {"Label1_35", {8, 125}},  {"Label1_38", {164, 125}},
      {"Label1_42", {331, 63}}, {"Label1_41", {330, 125}}, {"Label1_44", {330, 8}},
      {"imgFOREG", {558, 87}},  {"image4_20", {367, 150}}};
  for (const auto& [name, at] : labels) EXPECT_EQ(Named<QWidget>(name)->pos(), at) << name;
  EXPECT_EQ(Named<QLabel>("Label1_41")->text(), "Coefficient of correlation");
  EXPECT_EQ(Named<QLabel>("Label1_42")->text(), "Covariance");
  EXPECT_EQ(Named<QLabel>("image4_20")->text(), "r =");
  // Headings and sum captions end at their columns' right edges whatever the model.
  const int headingRight[] = {141, 246, 302, 409, 513, 618, 723, 828, 305, 410, 515, 620, 725, 830};
  const int cellLeft[] = {-1, 45, 150, 255, 310, 415, 520, 625, 730};
  const char* columns[] = {"Txt2V_ITEM", "Txt2V_x",   "Txt2V_y",   "Txt2V_N",  "Txt2V_XN",
                           "Txt2V_YN",   "Txt2V_X2N", "Txt2V_Y2N", "Txt2V_XYN"};
  for (const char* model : {"OptREG_3", "OptREG_0"}) {
    Click(model);
    for (int i = 0; i < 14; ++i) {
      const QString name = QString("image4_%1").arg(i);
      EXPECT_EQ(Named<QLabel>(name)->geometry().right() + 1, headingRight[i]) << model << i;
    }
    for (int c = 0; c < 9; ++c) {
      for (int row : {1, 12}) EXPECT_EQ(Cell(columns[c], row)->x(), cellLeft[c]) << columns[c];
    }
  }
}

TEST_F(Panel2VTest, RowsAreReadBackRefilledAndSelectedByTheirNumbers) {
  TypePairs({{2, 3}, {4, 5}, {6, 7}});
  const char* products[][2] = {
      {"Txt2V_XN", "4"}, {"Txt2V_YN", "5"}, {"Txt2V_X2N", "16"}, {"Txt2V_Y2N", "25"},
      {"Txt2V_XYN", "20"}};
  for (const auto& [column, text] : products) EXPECT_EQ(Cell(column, 2)->text(), text) << column;

  // A drag from row 2 to row 3 over the row numbers, then Delete empties those rows.
  Cell("Txt2V_x", 6)->setFocus(Qt::TabFocusReason);
  QLineEdit* pressed = Cell("Txt2V_ITEM", 2);
  QTest::mousePress(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 36), pressed->mapToGlobal(QPointF(10, 36)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(pressed, &move);
  QTest::mouseRelease(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(10, 36));
  EXPECT_EQ(table2V.SelStart2V, 2);
  EXPECT_EQ(table2V.SelEnd2V, 3);
  QTest::keyClick(Cell("Txt2V_x", 6), Qt::Key_Delete);
  EXPECT_EQ(Cell("Txt2V_x", 2)->text(), "");
  EXPECT_EQ(Cell("Txt2V_XYN", 3)->text(), "");
  EXPECT_EQ(Text("Txt2V_SN"), "1");
  EXPECT_EQ(Named<QAction>("mnu_Edicion_Deshacer")->text(), "Undo delete selection");

  // A frequency shown in the last row leaves one empty row after it.
  table2V.Data2V_X[12] = table2V.Data2V_Y[12] = table2V.Data2V_N[12] = 1;
  table2V.View2V->Refresh();
  EXPECT_EQ(table2V.N2V, 13);
  EXPECT_EQ(Named<QScrollBar>("VScroll1")->maximum(), 2);
}

}  // namespace
