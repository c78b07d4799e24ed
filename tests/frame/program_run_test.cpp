// The whole program as a student meets it: started through its own start-up (splash, then
// the main window with every panel installed, on the program-wide state), driven with mouse
// clicks and keys on the real widgets, with the desktop's dialogs answered by a script. Each
// test is one run of the program, from start to the save questions at exit.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <tuple>
#include <utility>
#include <vector>

#include "frame/FormMain.h"
#include "frame/FormSplash.h"
#include "shared/PictureButton.h"
#include "frame/help_menu.h"
#include "frame/startup.h"
#include "graph/FormGraficador.h"
#include "graph/graph_handover.h"
#include "platform/qt_printers.h"
#include "platform/qt_ui.h"
#include "platform/qt_whole_text.h"
#include "support/scripted_ui.h"
#include "tables/table_data.h"

namespace {

using platform::Answer;
using testing_support::MemorySettings;
using testing_support::ScriptedUi;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ProgramRun : public ::testing::Test {
 protected:
  explicit ProgramRun(std::string programFolder = {}) {
    platform::SetProgramFolder(programFolder.empty() ? folder.path().toStdString()
                                                     : programFolder);
  }

  // The program's end, as main() ends it after the last window has closed; the next test
  // starts it afresh.
  void TearDown() override {
    delete Main();
    delete FormSplash::Existing();
    // What the program kept for the whole run goes with it.
    tables::ProgramTable1V() = tables::Table1V{};
    tables::ProgramTable2V() = tables::Table2V{};
    shared::Program() = shared::ProgramState{};
  }

  // Starts the program as main() does after the application is up, and waits for the
  // splash window to hand over to the main window.
  void Start() {
    frame::Main();
    ASSERT_TRUE(QTest::qWaitFor([this] { return (form = Main()) && form->isVisible(); }, 5000));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  }
  static FormMain* Main() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* main = qobject_cast<FormMain*>(w)) return main;
    }
    return nullptr;
  }

  template <typename T = QWidget>
  T* W(const QString& name) {
    T* w = form->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QString Text(const QString& name) { return W<QLineEdit>(name)->text(); }
  void ClickTab(int task) {
    QTest::mouseClick(W<QLabel>(QString("LblTASK_%1").arg(task)), Qt::LeftButton);
  }
  void Press(int button) { QTest::mouseClick(form->Button(button), Qt::LeftButton, {}, QPoint(5, 5)); }
  // Clicks into a box, replaces its text by typing, as a user does.
  void Type(const QString& box, const QString& text) {
    QLineEdit* edit = W<QLineEdit>(box);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  void Menu(const char* item) { W<QAction>(item)->trigger(); }
  // Types values into a table from the box clicked first, moving on with Enter.
  void TypeRows(const QString& firstBox, const std::vector<double>& values) {
    QTest::mouseClick(W<QLineEdit>(firstBox), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), W(firstBox));
    for (double v : values) {
      QWidget* focused = QApplication::focusWidget();
      QTest::keyClicks(focused, QString::number(v));
      QTest::keyClick(focused, Qt::Key_Return);
    }
  }
  void ExitAndWait() {
    Menu("mnu_archivo_salir");
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form->isVisible(); }, 2000));
  }
  std::string Path(const char* name) const { return folder.path().toStdString() + "/" + name; }

  QTemporaryDir folder;
  MemorySettings settings;
  ScriptedUi ui;
  FormMain* form = nullptr;
};

// The tables' sums and graphs are checked by their own tests; here only that typed rows
// reach them and that File, the printer, the graph window and Exit act on the right table.
TEST_F(ProgramRun, TablesTypedSavedReopenedPrintedGraphedAndAskedAboutAtExit) {
  Start();
  ClickTab(2);
  // Heights of twenty students, value and frequency: mean 3385 / 20.
  TypeRows("Txt1V_x1_1", {160, 2, 165, 5, 170, 8, 175, 4, 180, 1});
  EXPECT_EQ(Text("Txt1V_MX"), "169.25");

  // Save on an unnamed table asks for a name; the caption then shows it, with its ending.
  const std::string path1V = Path("heights.e1v");
  ui.ExpectSave(Path("heights"));
  Menu("mnu_archivo_guardar");
  EXPECT_EQ(form->windowTitle().toStdString(), "Orvalis - ZorbSoftware - " + path1V);
  EXPECT_EQ(ReadFile(path1V).rfind("'<FIL1VAR>", 0), 0u);

  // New empties it without a question (nothing unsaved); Open from another tab shows the
  // table's own tab with the same results.
  Press(14);
  EXPECT_EQ(Text("Txt1V_MX"), "");
  ClickTab(0);
  ui.ExpectOpen(path1V);
  Menu("mnu_archivo_abrir");
  EXPECT_EQ(form->State().CurrentTask, 2);
  EXPECT_EQ(Text("Txt1V_MX"), "169.25");

  // File > Print on the PDF printer, so that no real printer is used. The dialog has no
  // default button: Enter in the printer list presses nothing, and Enter presses the button
  // tabbed to.
  ui.ExpectModal("frmImprimir", [](platform::ModalWindow& window) {
    auto* dialog = dynamic_cast<QWidget*>(&window);
    ASSERT_NE(dialog, nullptr);
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    auto* printers = dialog->findChild<QComboBox*>("Combo1");
    ASSERT_NE(printers, nullptr);
    // The printer list has the focus when the dialog opens.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == printers; }));
    printers->setCurrentIndex(printers->findText(platform::kPdfPrinterName));
    QTest::keyClick(printers, Qt::Key_Return);
    ASSERT_TRUE(dialog->isVisible()) << "Enter in the printer list closed the dialog";
    for (int i = 0; i < 2; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog->findChild<QPushButton*>("cmdImprimir"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
  });
  ui.ExpectSave(Path("heights.pdf"));
  Menu("mnu_archivo_Imprimir");
  EXPECT_EQ(ReadFile(Path("heights.pdf")).rfind("%PDF-", 0), 0u);
  // Back to the main window, as the end of the modal dialog brings it.
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form));

  TypeRows("Txt1V_x1_6", {185, 1});

  // Four points on y = 1 + 2x, one each, on the two-variable table; the line read at x = 7
  // and drawn on the scatter plot.
  ClickTab(3);
  TypeRows("Txt2V_x_1", {1, 3, 1, 2, 5, 1, 3, 7, 1, 4, 9, 1});
  Type("Txt2V_ESTX", "7");
  EXPECT_EQ(Text("Txt2V_ESTY"), "15");
  ui.ExpectModal("FormGraficador", [](platform::ModalWindow& window) {
    auto* graph = dynamic_cast<QWidget*>(&window);
    ASSERT_NE(graph, nullptr);
    graph->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(graph));
    const graph::GraphHandover& handover = graph::ProgramGraphHandover();
    EXPECT_EQ(handover.GraphKind, 0);
    EXPECT_NEAR(handover.GraphCoefA, 1, 1E-9);
    EXPECT_NEAR(handover.GraphCoefB, 2, 1E-9);
    EXPECT_NE(graph->findChild<QPushButton*>("cmdPRINT"), nullptr) << "no printing controls";
    graph->close();
  });
  Press(12);

  // Exit asks about each table with its own tab shown. Cancel keeps the program running; Yes
  // saves the named table, and the unnamed one under the name chosen.
  ClickTab(0);
  const std::string question1V = "Do you want to save changes to " + path1V + "?";
  ui.ExpectMsgBox(question1V, Answer::Cancel, "Save changes. One variable statistic");
  Menu("mnu_archivo_salir");
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(settings.values.empty()) << "nothing is written while the program goes on";
  const std::string path2V = Path("study.e2v");
  int taskAtSecondQuestion = -1;
  ui.ExpectMsgBox(question1V, Answer::Yes)
      .ExpectMsgBox("Do you want to save changes to <noname>?", Answer::Yes,
                    "Save changes. Two variable statistic")
      .WhileUp([&] { taskAtSecondQuestion = form->State().CurrentTask; })
      .ExpectSave(Path("study"));
  ExitAndWait();
  EXPECT_EQ(taskAtSecondQuestion, 3);
  EXPECT_NE(ReadFile(path1V).find("185"), std::string::npos);
  EXPECT_EQ(ReadFile(path2V).rfind("'<FIL2VAR>", 0), 0u);
  EXPECT_EQ(settings.values["Orvalis/LastPath/Path"], folder.path().toStdString());
}

// The program run with the pictures it ships, from the source tree's images/.
class ShippedPicturesRun : public ProgramRun {
 protected:
  ShippedPicturesRun()
      : ProgramRun(QFileInfo(ORVALIS_TEST_DATA_DIR "/../..").canonicalFilePath().toStdString()) {}

  // Every visible read-only box shows its whole text, at 7 pt or more.
  void ExpectEveryResultWhole(int task) {
    for (QLineEdit* box : form->findChildren<QLineEdit*>()) {
      if (!box->isVisible() || !box->isReadOnly() || box->text().isEmpty()) continue;
      const QString name = box->objectName();
      EXPECT_GE(box->font().pointSizeF(), platform::kLeastPointSize) << name.toStdString();
      // What the box lays its text in: its contents less its margins and the 2 pixels a line
      // edit keeps on either side.
      const QRect room = box->contentsRect() - box->textMargins();
      const double width = QFontMetricsF(box->font()).horizontalAdvance(box->text());
      EXPECT_LE(width, room.width() - 4)
          << "task " << task << ": " << name.toStdString() << " cuts "
          << box->text().toStdString() << " at " << box->font().pointSizeF() << " pt";
    }
  }
  void TypeTexts(const QString& firstBox, const QStringList& texts) {
    QTest::mouseClick(W<QLineEdit>(firstBox), Qt::LeftButton);
    for (const QString& text : texts) {
      QWidget* focused = QApplication::focusWidget();
      QTest::keyClicks(focused, text);
      QTest::keyClick(focused, Qt::Key_Return);
    }
  }
};

// Names typed without the table's ending get it: the files show under Open's filters and
// open again.
TEST_F(ProgramRun, TablesSavedUnderBareNamesOpenAgain) {
  Start();
  ClickTab(2);
  TypeRows("Txt1V_x1_1", {4, 1, 6, 3});  // mean (4 + 18) / 4
  EXPECT_EQ(Text("Txt1V_MX"), "5.5");
  ui.ExpectSave(Path("grouped"));
  Menu("mnu_archivo_guardarComo");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("grouped"))));
  EXPECT_EQ(form->windowTitle().toStdString(), "Orvalis - ZorbSoftware - " + Path("grouped.e1v"));
  Press(14);
  EXPECT_EQ(Text("Txt1V_MX"), "");
  ui.ExpectOpen(Path("grouped.e1v"));
  Menu("mnu_archivo_abrir");
  EXPECT_EQ(Text("Txt1V_MX"), "5.5");

  // Two points, mean y (3 + 5) / 2; a third one, (3, 0), is not in the saved file.
  ClickTab(3);
  TypeRows("Txt2V_x_1", {1, 3, 1, 2, 5, 1});
  EXPECT_EQ(Text("Txt2V_MY"), "4");
  ui.ExpectSave(Path("pairs"));
  Menu("mnu_archivo_guardarComo");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("pairs"))));
  TypeRows("Txt2V_x_3", {3, 0, 1});
  EXPECT_NE(Text("Txt2V_MY"), "4");
  ui.ExpectMsgBox("Do you want to save changes to " + Path("pairs.e2v") + "?", Answer::No)
      .ExpectOpen(Path("pairs.e2v"));
  Menu("mnu_archivo_abrir");
  EXPECT_EQ(Text("Txt2V_MY"), "4");
  ExitAndWait();
}

// Graph windows get their printing controls from the main window, only while it lives.
TEST_F(ProgramRun, GraphWindowsPrintWhileTheMainWindowLives) {
  Start();
  EXPECT_TRUE(graph::PrintingControls());
  delete form;
  form = nullptr;
  EXPECT_FALSE(graph::PrintingControls());
}

// Whatever the pixels, no panel piles its boxes, captions or pictures on one another (the
// grid's cells share their borders; the moment's symbol holds its order): the test and
// interval panels with a type chosen and with their results, among them an interval whose
// margin box stood under the percentage-point picture. Every big picture is shown pixel for
// pixel, inside its frame.
TEST_F(ShippedPicturesRun, NoPanelStacksItsBoxesCaptionsOrPicturesAndNoPictureIsScaled) {
  Start();
  const auto place = [&](const QWidget* w) {
    return QRect(w->mapTo(form, QPoint()), w->size()).adjusted(2, 2, -2, -2);
  };
  const auto expectNothingStacked = [&](const std::string& where) {
    std::vector<QWidget*> shown;
    for (QWidget* w : form->findChildren<QWidget*>()) {
      const auto* label = qobject_cast<QLabel*>(w);
      const bool drawn = label && (!label->text().isEmpty() || !label->pixmap().isNull());
      if (w->isVisible() && (qobject_cast<QLineEdit*>(w) || drawn)) shown.push_back(w);
    }
    for (size_t i = 0; i < shown.size(); ++i) {
      for (size_t j = i + 1; j < shown.size(); ++j) {
        const QRect a = place(shown[i]), b = place(shown[j]);
        const bool symbol = shown[i]->objectName().startsWith("Label1_6") &&
                            shown[j]->objectName().startsWith("Label1_6");
        EXPECT_TRUE(symbol || !a.intersects(b))
            << where << ": " << shown[i]->objectName().toStdString() << " over "
            << shown[j]->objectName().toStdString();
      }
    }
  };
  // Picture, frame, and whether the picture is centred down as well as across.
  const std::tuple<const char*, const char*, bool> framed[] = {
      {"Img_CH_GRAF", "Shape1_0", true},   {"Img_CH_FORM", "Shape1_1", false},
      {"Img_IC_GRAF", "Shape1_3", true},   {"Img_IC_FORM", "Shape1_2", true},
      {"Img_DI_GRAF", "Shape1_11", true},  {"Img_DI_FORM", "Shape1_12", false}};
  const auto expectPicturesAsDrawn = [&](const std::string& where) {
    int seen = 0;
    for (const auto& [name, frameName, middle] : framed) {
      auto* picture = form->findChild<QLabel*>(name);
      if (picture == nullptr || !picture->isVisible() || picture->pixmap().isNull()) continue;
      ++seen;
      const QWidget* frame = W(frameName);
      const QRect inside =
          QRect(frame->mapTo(form, QPoint()), frame->size()).adjusted(1, 1, -1, -1);
      const QRect at(picture->mapTo(form, QPoint()), picture->size());
      EXPECT_EQ(picture->size(), picture->pixmap().size()) << where << ": " << name;
      EXPECT_FALSE(picture->hasScaledContents()) << name;
      EXPECT_TRUE(inside.contains(at)) << where << ": " << name << " leaves its frame";
      EXPECT_LE(std::abs(at.center().x() - inside.center().x()), 1) << name;
      if (middle) {
        EXPECT_LE(std::abs(at.center().y() - inside.center().y()), 1) << name;
      }
    }
    return seen;
  };

  for (int task = 0; task < 7; ++task) {
    ClickTab(task);
    if (task < 2) {
      QTest::mouseClick(W(task == 0 ? "OptCH_8" : "OptIC_8"), Qt::LeftButton, {}, QPoint(6, 6));
    }
    if (task == 4) {
      QTest::mouseClick(W("OptDI_3"), Qt::LeftButton, {}, QPoint(6, 6));
      QTest::mouseClick(W("OptSIDE_DI_3"), Qt::LeftButton, {}, QPoint(6, 6));
    }
    const std::string where = "task " + std::to_string(task);
    expectNothingStacked(where);
    EXPECT_EQ(expectPicturesAsDrawn(where), task < 2 || task == 4 ? 2 : 0) << where;
  }

  // Results shown: two samples of proportions and of means with equal variances.
  struct Shown {
    int task;
    const char* option;
    std::vector<std::pair<QString, QString>> typed;
    int button;
    std::pair<QString, QString> expected;
  };
  const Shown shown[] = {
      // E = 1.959964 * sqrt(0.45 * 0.55 / 200 + 0.36 * 0.64 / 250), shown whole.
      {1, "OptIC_8",
       {{"TxtIC_N1", "200"}, {"TxtIC_N2", "250"}, {"TxtIC_X1", "0.45"}, {"TxtIC_X2", "0.36"},
        {"txt_NCon_1", "0.95"}},
       16, {"Txt_IC_ERR", "0.0910719"}},
      {1, "OptIC_6",
       {{"TxtIC_N1", "10"}, {"TxtIC_N2", "12"}, {"TxtIC_X1", "85"}, {"TxtIC_X2", "81"},
        {"TxtIC_S1", "16"}, {"TxtIC_S2", "25"}, {"txt_NCon_1", "0.95"}},
       16, {}},
      {1, "OptIC_7",
       {{"TxtIC_N1", "10"}, {"TxtIC_N2", "12"}, {"TxtIC_S1", "16"}, {"TxtIC_S2", "25"},
        {"txt_NCon_1", "0.95"}},
       16, {}},
      {0, "OptCH_6",
       {{"txtH0", "0"}, {"TxtCH_N1", "10"}, {"TxtCH_N2", "12"}, {"TxtCH_X1", "85"},
        {"TxtCH_X2", "81"}, {"TxtCH_S1", "16"}, {"TxtCH_S2", "25"}, {"txt_NCon_0", "0.95"}},
       22, {}},
  };
  for (const Shown& c : shown) {
    const std::string where = std::string("results of ") + c.option;
    ClickTab(c.task);
    QTest::mouseClick(W(c.option), Qt::LeftButton, {}, QPoint(6, 6));
    for (const auto& [box, text] : c.typed) Type(box, text);
    Press(c.button);
    ASSERT_TRUE(W(c.task == 0 ? "PicRESULT_0" : "PicRESULT_1")->isVisible()) << where;
    expectNothingStacked(where);
    EXPECT_EQ(expectPicturesAsDrawn(where), 2) << where;
    ExpectEveryResultWhole(c.task);
    if (!c.expected.first.isEmpty()) {
      EXPECT_EQ(Text(c.expected.first), c.expected.second);
    }
  }
  ExitAndWait();
}

// Results too long for their boxes at the boxes' own fonts, typed as a user would: each box
// and computed cell shows its whole text, however small the font it needs (never below 7 pt).
TEST_F(ShippedPicturesRun, EveryResultBoxAndComputedCellShowsItsWholeText) {
  Start();
  // Two causes, one almost sure: P(A2/B) = 1E-12 / (0.9999999 + 1E-12).
  ClickTab(5);
  Type("TxtPTB_A_1", "0.9999999");
  Type("TxtPTB_BA_1", "1");
  Type("TxtPTB_A_2", "1E-7");
  Type("TxtPTB_BA_2", "1E-5");
  Press(9);
  EXPECT_EQ(Text("TxtPTB_AB_2"), "1.0000001E-12");
  EXPECT_LT(W<QLineEdit>("TxtPTB_AB_2")->font().pointSizeF(), 11.25) << "the text is shrunk";
  EXPECT_EQ(W<QLineEdit>("TxtPTB_AB_1")->font().pointSizeF(), 11.25) << "a text that fits keeps it";
  ExpectEveryResultWhole(5);

  // Values near 123456.789, one of them negative: signs, ten digits and an exponent in the
  // power columns and their sums.
  ClickTab(2);
  TypeTexts("Txt1V_x1_1", {"123456.789", "3", "-123456.789", "1", "123456.788", "7"});
  EXPECT_TRUE(Text("Txt1V_X3N_1").contains("E+15")) << Text("Txt1V_X3N_1").toStdString();
  ExpectEveryResultWhole(2);

  // Years against amounts, logarithmic model: ln x varies by millionths.
  ClickTab(3);
  QTest::mouseClick(W("OptREG_1"), Qt::LeftButton, {}, QPoint(6, 6));
  TypeTexts("Txt2V_x_1", {"2001", "1500.25", "1", "2002", "1830.5", "1", "2003", "1999.75", "1",
                          "2004", "2400.125", "1", "2005", "2888.5", "1"});
  EXPECT_TRUE(Text("Txt2V_VX").contains("E-07")) << Text("Txt2V_VX").toStdString();
  ExpectEveryResultWhole(3);
  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No)
      .ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No);
  ExitAndWait();
}

TEST_F(ProgramRun, CalculatorPanelsAnswerFromTypedValuesAndKeepThemAcrossTabs) {
  Start();
  // One typed question per panel and one of its answers, worked by hand: the panels' own
  // tests check the rest.
  struct Case {
    int tab;
    std::vector<QString> options;
    std::vector<std::pair<QString, QString>> typed;
    int button;
    QString answer;
    double expected;
  };
  const Case cases[] = {
      // A sample of 25 with mean 104 from a population of variance 16: z = 4 / 0.8.
      {0, {"OptCH_0"},
       {{"txtH0", "100"}, {"TxtCH_N1", "25"}, {"TxtCH_X1", "104"}, {"TxtCH_S1", "16"},
        {"txt_NCon_0", "95%"}},
       22, "txtCH_ESTA", 5},
      // The same sample: margin 1.959964 * 0.8.
      {1, {"OptIC_0"},
       {{"TxtIC_N1", "25"}, {"TxtIC_X1", "104"}, {"TxtIC_S1", "16"}, {"txt_NCon_1", "0.95"}},
       16, "Txt_IC_ERR", 1.959963984540054 * 0.8},
      // Normal of mean 50 and deviation 10: the point with 95 % below it, 50 + 10 * 1.644854.
      {4, {"OptDI_0", "OptSIDE_DI_0"},
       {{"TxtPAR1", "50"}, {"TxtPAR2", "10"}, {"txt_PROB", "0.95"}},
       19, "TxtPP1", 50 + 10 * 1.6448536269514722},
      // Two events: P(A u B) = 0.5 + 0.4 - 0.2.
      {6, {}, {{"TxtPAB_1", "0.5"}, {"TxtPAB_2", "40%"}, {"TxtPAB_3", "1/5"}}, 24, "TxtPAB_4", 0.7},
      // Two causes of B: P(B) = 0.3 * 0.1 + 0.7 * 0.5.
      {5, {},
       {{"TxtPTB_A_1", "0.3"}, {"TxtPTB_BA_1", "0.1"}, {"TxtPTB_A_2", "0.7"}, {"TxtPTB_BA_2", "0.5"}},
       9, "TxtPTB_B", 0.38},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tab);
    ClickTab(c.tab);
    for (const QString& option : c.options) {
      QTest::mouseClick(W<QRadioButton>(option), Qt::LeftButton, {}, QPoint(8, 10));
    }
    for (const auto& [box, text] : c.typed) Type(box, text);
    Press(c.button);
    const QString answer = Text(c.answer);
    EXPECT_NEAR(answer.toDouble(), c.expected, 1E-5 * c.expected) << answer.toStdString();
  }

  // Each panel kept what was typed on it while the others were in use.
  for (const Case& c : cases) {
    ClickTab(c.tab);
    EXPECT_TRUE(W(c.typed[0].first)->isVisible());
    EXPECT_EQ(Text(c.typed[0].first), c.typed[0].second);
  }

  // No table was touched: Exit asks nothing.
  ExitAndWait();
}

// The manual: built beside the program, opened from Help, naming every task and command the
// program has (its screenshots are compared with the program by tools/check-manual-screenshots).
class ManualRun : public ProgramRun {
 protected:
  ManualRun() : ProgramRun(QFileInfo(ORVALIS_BUILT_MANUAL).absolutePath().toStdString()) {}
};

TEST_F(ManualRun, HelpOpensTheManualBuiltBesideTheProgramAndItShowsEveryTask) {
  Start();
  const std::string manual = frame::ManualPath();
  EXPECT_EQ(QFileInfo(QString::fromStdString(manual)).canonicalFilePath(),
            QFileInfo(ORVALIS_BUILT_MANUAL).canonicalFilePath());
  EXPECT_EQ(ReadFile(manual).rfind("%PDF-", 0), 0u);
  ui.ExpectShellOpen(manual, true);
  Menu("mnu_Ayuda_Manual");

  QFile source(ORVALIS_MANUAL_SOURCE_DIR "/manual.html");
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(source.readAll());
  for (int task = 0; task < 7; ++task) {
    const QString caption = W<QLabel>(QString("LblTASK_%1").arg(task))->text();
    EXPECT_TRUE(html.contains(QRegularExpression("<h2>\\d+\\. " + QRegularExpression::escape(caption) +
                                                 "</h2>")))
        << caption.toStdString();
  }
  // The panels' commands under the names their buttons carry.
  for (int number = shared::kFirstPictureButton; number <= shared::kLastPictureButton; ++number) {
    const QString label = form->Button(number)->toolTip();
    EXPECT_TRUE(html.contains("<b>" + label + "</b>")) << label.toStdString();
  }
}

// A desktop where no application shows PDF files, or whose opener refuses the manual: Help
// says it cannot open it, through the program's own desktop.
TEST_F(ManualRun, HelpSaysSoWhenTheDesktopCannotShowTheManual) {
  Start();
  const std::string manual = frame::ManualPath();
  QString shown, title;
  for (const bool handled : {false, true}) {
    SCOPED_TRACE(handled ? "the opener refuses" : "no application for PDF");
    std::vector<QUrl> opened;
    platform::QtUi desktop({.handles = [&](const std::string& type) {
                              return handled && type == "application/pdf";
                            },
                            .open = [&](const QUrl& url) {
                              opened.push_back(url);
                              return false;
                            }});
    platform::InstallUi(&desktop);
    shown.clear();
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      shown = box->text();
      title = box->windowTitle();
      box->button(QMessageBox::Ok)->click();
    });
    Menu("mnu_Ayuda_Manual");
    platform::InstallUi(&ui);
    EXPECT_EQ(shown.toStdString(), "Cannot find/open file " + manual);
    EXPECT_EQ(title, "Error");
    EXPECT_EQ(opened.size(), handled ? 1u : 0u);
  }
  ExitAndWait();
}

}  // namespace
