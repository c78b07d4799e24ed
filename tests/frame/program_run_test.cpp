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
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <vector>

#include "frame/FormMain.h"
#include "frame/FormSplash.h"
#include "frame/PictureButton.h"
#include "frame/help_menu.h"
#include "frame/startup.h"
#include "graph/graph_handover.h"
#include "platform/qt_printers.h"
#include "support/scripted_ui.h"
#include "tables/table_data.h"

namespace {

using platform::Answer;
using testing_support::MemorySettings;
using testing_support::ScriptedUi;

// The standard normal point with 2.5 % above it, from any table of the distribution.
constexpr double kZ975 = 1.959963984540054;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The two ends of a shown "( a  ,  b )".
std::pair<double, double> Ends(const QString& text) {
  static const QRegularExpression pair(R"re(\(\s*(\S+)\s*,\s*(\S+)\s*\))re");
  const QRegularExpressionMatch m = pair.match(text);
  EXPECT_TRUE(m.hasMatch()) << text.toStdString();
  return {m.captured(1).toDouble(), m.captured(2).toDouble()};
}

// The pages of a PDF file the program printed: its page objects.
int PdfPages(const std::string& path) {
  const std::string pdf = ReadFile(path);
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u) << path;
  static const QRegularExpression page(R"re(/Type\s*/Page[^s])re");
  return static_cast<int>(QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()))
                              .count(page));
}

// Picks the printer that writes a PDF file in a printer list, as a user does, so that no
// real printer is ever used.
void ChoosePdfPrinter(QWidget* window) {
  auto* list = window->findChild<QComboBox*>("Combo1");
  ASSERT_NE(list, nullptr);
  const int entry = list->findText(platform::kPdfPrinterName);
  ASSERT_GE(entry, 0);
  list->setCurrentIndex(entry);
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
    frame::ProgramFrame() = frame::FrameState{};
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
  double Number(const QString& name) {
    bool ok = false;
    const double v = Text(name).toDouble(&ok);
    EXPECT_TRUE(ok) << name.toStdString() << " shows \"" << Text(name).toStdString() << "\"";
    return v;
  }
  void ClickTab(int task) {
    QTest::mouseClick(W<QLabel>(QString("LblTASK_%1").arg(task)), Qt::LeftButton);
  }
  void Press(int button) { QTest::mouseClick(form->Button(button), Qt::LeftButton, {}, QPoint(5, 5)); }
  void Choose(const QString& option) {
    QTest::mouseClick(W<QRadioButton>(option), Qt::LeftButton, {}, QPoint(8, 10));
  }
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
  // Presses a graph button; `look` runs on the graph window while it is up, and may print
  // it to `pdf`.
  void ShowGraph(int button, const std::function<void(QWidget&)>& look, const std::string& pdf = {}) {
    bool shown = false;
    ui.ExpectModal("FormGraficador", [&](platform::ModalWindow& window) {
      auto* graph = dynamic_cast<QWidget*>(&window);
      ASSERT_NE(graph, nullptr);
      graph->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(graph));
      look(*graph);
      shown = true;
      graph->close();
    });
    if (!pdf.empty()) ui.ExpectSave(pdf);
    Press(button);
    EXPECT_TRUE(shown);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  }
  void ExitAndWait() {
    Menu("mnu_archivo_salir");
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form->isVisible(); }, 2000));
  }
  void ExpectNumbers(const std::map<QString, double>& expected) {
    for (const auto& [box, value] : expected) {
      EXPECT_NEAR(Number(box), value, 1E-7 * std::fabs(value)) << box.toStdString();
    }
  }
  std::string Path(const char* name) const { return folder.path().toStdString() + "/" + name; }

  QTemporaryDir folder;
  MemorySettings settings;
  ScriptedUi ui;
  FormMain* form = nullptr;
};

TEST_F(ProgramRun, OneVariableTableTypedSavedReopenedPrintedGraphedAndSavedAtExit) {
  Start();
  ClickTab(2);
  // Heights of twenty students: value and frequency.
  const std::vector<std::pair<double, double>> data = {
      {160, 2}, {165, 5}, {170, 8}, {175, 4}, {180, 1}};
  std::vector<double> typed;
  double N = 0, S1 = 0, S2 = 0;
  for (const auto& [x, n] : data) {
    typed.insert(typed.end(), {x, n});
    N += n;
    S1 += n * x;
    S2 += n * x * x;
  }
  TypeRows("Txt1V_x1_1", typed);
  const double mean = S1 / N;
  const std::map<QString, double> expected = {
      {"Txt1V_SN", N}, {"Txt1V_MX", mean}, {"Txt1V_VX", S2 / N - mean * mean}, {"Txt1V_MO", 170}};
  ExpectNumbers(expected);

  // Save on an unnamed table asks for a name; the caption then shows it.
  const std::string path = Path("heights.e1v");
  ui.ExpectSave(path);
  Menu("mnu_archivo_guardar");
  EXPECT_EQ(form->windowTitle().toStdString(), "Orvalis - ZorbSoftware - " + path);
  EXPECT_EQ(ReadFile(path).rfind("'<FIL1VAR>", 0), 0u);

  // New empties it without a question (nothing unsaved); Open from another tab shows the
  // table's own tab with the same results.
  Press(14);
  EXPECT_EQ(Text("Txt1V_MX"), "");
  ClickTab(0);
  ui.ExpectOpen(path);
  Menu("mnu_archivo_abrir");
  EXPECT_EQ(form->State().CurrentTask, 2);
  ExpectNumbers(expected);
  EXPECT_EQ(Text("Txt1V_x1_3"), "170");

  // File > Print on the PDF printer: five rows fit on one page.
  ui.ExpectModal("frmImprimir", [](platform::ModalWindow& window) {
    auto* dialog = dynamic_cast<QWidget*>(&window);
    ASSERT_NE(dialog, nullptr);
    ChoosePdfPrinter(dialog);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdImprimir"), Qt::LeftButton);
  });
  ui.ExpectSave(Path("heights.pdf"));
  Menu("mnu_archivo_Imprimir");
  EXPECT_EQ(PdfPages(Path("heights.pdf")), 1);

  // The graph: bars over the data; zooming in narrows the view about its centre; printed on
  // one page.
  ShowGraph(15, [&](QWidget& graph) {
    const graph::ViewBounds before = graph::ProgramGraphHandover().View;
    EXPECT_LE(before.ViewXmin, data.front().first);
    EXPECT_GE(before.ViewXmax, data.back().first);
    EXPECT_GE(before.ViewYmax, 8);
    QTest::mouseClick(graph.findChild<QWidget*>("Image2_0"), Qt::LeftButton, {}, QPoint(5, 5));
    const graph::ViewBounds after = graph::ProgramGraphHandover().View;
    EXPECT_LT(after.ViewXmax - after.ViewXmin, before.ViewXmax - before.ViewXmin);
    EXPECT_NEAR(after.ViewXmin + after.ViewXmax, before.ViewXmin + before.ViewXmax,
                1E-9 * (before.ViewXmax - before.ViewXmin));
    ChoosePdfPrinter(&graph);
    QTest::mouseClick(graph.findChild<QWidget*>("cmdPRINT"), Qt::LeftButton);
    EXPECT_EQ(PdfPages(Path("graph.pdf")), 1);
  }, Path("graph.pdf"));

  // One more student; Exit asks about the unsaved table, Yes saves it and the program ends.
  TypeRows("Txt1V_x1_6", {185, 1});
  ui.ExpectMsgBox("Do you want to save changes to " + path + "?", Answer::Yes,
                  "Save changes. One variable statistic");
  ExitAndWait();
  EXPECT_NE(ReadFile(path).find("185"), std::string::npos);
}

TEST_F(ProgramRun, CalculatorPanelsAnswerFromTypedValuesAndKeepThemAcrossTabs) {
  Start();
  // A sample of 25 with mean 104 from a population of variance 16; is the mean 100?
  const double sigma = 4, n = 25, xbar = 104;
  ClickTab(0);
  Choose("OptCH_0");
  Type("txtH0", "100");
  Type("TxtCH_N1", "25");
  Type("TxtCH_X1", "104");
  Type("TxtCH_S1", "16");
  Type("txt_NCon_0", "95%");
  Press(22);
  const double z = (xbar - 100) / (sigma / std::sqrt(n));
  EXPECT_NEAR(Number("txtCH_ESTA"), z, 1E-5 * z);
  EXPECT_TRUE(W("TxtAceptaH1")->isVisible());

  ClickTab(1);
  Choose("OptIC_0");
  Type("TxtIC_N1", "25");
  Type("TxtIC_X1", "104");
  Type("TxtIC_S1", "16");
  Type("txt_NCon_1", "0.95");
  Press(16);
  const double margin = kZ975 * sigma / std::sqrt(n);
  const auto [left, right] = Ends(Text("Txt_IC"));
  EXPECT_NEAR(left, xbar - margin, 1E-5 * xbar);
  EXPECT_NEAR(right, xbar + margin, 1E-5 * xbar);

  // Normal of mean 50 and deviation 10: the point with 95 % below it.
  ClickTab(4);
  Choose("OptDI_0");
  Choose("OptSIDE_DI_0");
  Type("TxtPAR1", "50");
  Type("TxtPAR2", "10");
  Type("txt_PROB", "0.95");
  Press(19);
  EXPECT_NEAR(0.5 * std::erfc(-(Number("TxtPP1") - 50) / 10 / std::sqrt(2.0)), 0.95, 1E-6);

  // Two events: P(A), P(B) and P(AnB) complete the other boxes.
  ClickTab(6);
  const double a = 0.5, b = 0.4, ab = 0.2;
  Type("TxtPAB_1", "0.5");
  Type("TxtPAB_2", "40%");
  Type("TxtPAB_3", "1/5");
  Press(24);
  ExpectNumbers({{"TxtPAB_4", a + b - ab}, {"TxtPAB_6", ab / b}, {"TxtPAB_14", b - ab}});

  // Two causes of B: total probability and Bayes.
  ClickTab(5);
  ASSERT_EQ(Text("TxtPTB_NS"), "2");
  Type("TxtPTB_A_1", "0.3");
  Type("TxtPTB_BA_1", "0.1");
  Type("TxtPTB_A_2", "0.7");
  Type("TxtPTB_BA_2", "0.5");
  Press(9);
  const double pB = 0.3 * 0.1 + 0.7 * 0.5;
  ExpectNumbers({{"TxtPTB_B", pB}, {"TxtPTB_AB_1", 0.3 * 0.1 / pB}});

  // Each panel kept what was typed on it while the others were in use.
  ClickTab(0);
  EXPECT_EQ(Text("txtH0"), "100");
  EXPECT_TRUE(W("txtH0")->isVisible());
  ClickTab(6);
  EXPECT_EQ(Text("TxtPAB_2"), "40%");

  // No table was touched: Exit asks nothing.
  ExitAndWait();
}

TEST_F(ProgramRun, TwoVariableTableFittedGraphedAndBothTablesAskedAboutAtExit) {
  Start();
  // Hours of study and marks of six students, one each.
  const std::vector<std::pair<double, double>> data = {{1, 3}, {2, 4}, {3, 5},
                                                       {4, 6}, {5, 8}, {6, 9}};
  ClickTab(3);
  std::vector<double> typed;
  double N = 0, Sx = 0, Sy = 0, Sxx = 0, Syy = 0, Sxy = 0;
  for (const auto& [x, y] : data) {
    typed.insert(typed.end(), {x, y, 1.0});
    N += 1;
    Sx += x;
    Sy += y;
    Sxx += x * x;
    Syy += y * y;
    Sxy += x * y;
  }
  TypeRows("Txt2V_x_1", typed);
  const double mx = Sx / N, my = Sy / N;
  const double vx = Sxx / N - mx * mx, vy = Syy / N - my * my, cov = Sxy / N - mx * my;
  const double b = cov / vx, a = my - b * mx;
  ExpectNumbers({{"Txt2V_SN", N}, {"Txt2V_MY", my}, {"Txt2V_R", cov / std::sqrt(vx * vy)}});
  // The fitted line read at x = 7.
  Type("Txt2V_ESTX", "7");
  EXPECT_NEAR(Number("Txt2V_ESTY"), a + 7 * b, 1E-7 * (a + 7 * b));

  // The scatter plot with its line.
  ShowGraph(12, [&](QWidget&) {
    const graph::GraphHandover& handover = graph::ProgramGraphHandover();
    EXPECT_EQ(handover.GraphKind, 0);
    EXPECT_NEAR(handover.GraphCoefA, a, 1E-9 * std::fabs(a));
    EXPECT_NEAR(handover.GraphCoefB, b, 1E-9 * std::fabs(b));
  });

  // One value on the one-variable table as well: Exit asks about it first, then about this
  // table with its own tab shown; the unnamed table is saved under the name chosen.
  ClickTab(2);
  QTest::mouseClick(W<QLineEdit>("Txt1V_x1_1"), Qt::LeftButton);
  QTest::keyClicks(QApplication::focusWidget(), "3");
  ClickTab(0);
  const std::string path = Path("study.e2v");
  int taskAtSecondQuestion = -1;
  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No,
                  "Save changes. One variable statistic")
      .ExpectMsgBox("Do you want to save changes to <noname>?", Answer::Yes,
                    "Save changes. Two variable statistic")
      .WhileUp([&] { taskAtSecondQuestion = form->State().CurrentTask; })
      .ExpectSave(path);
  ExitAndWait();
  EXPECT_EQ(taskAtSecondQuestion, 3);
  EXPECT_EQ(ReadFile(path).rfind("'<FIL2VAR>", 0), 0u);
}

// The manual: built beside the program, opened from Help, naming every task and command the
// program has (its screenshots are compared with the program by screenshots_match.sh).
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
  for (int number = frame::kFirstPictureButton; number <= frame::kLastPictureButton; ++number) {
    const QString label = form->Button(number)->toolTip();
    EXPECT_TRUE(html.contains("<b>" + label + "</b>")) << label.toStdString();
  }
}

}  // namespace
