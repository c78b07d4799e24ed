// The printer-choice dialog, File > Print on the main window and the graph window's printing
// controls, driven offscreen, and documents written to PDF files through the Qt printers.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "frame/FormMain.h"
#include "frame/panels.h"
#include "graph/FormGraficador.h"
#include "platform/qt_printers.h"
#include "printing/GraphPrinting.h"
#include "printing/frmImprimir.h"
#include "printing/reports.h"
#include "tables/table_view.h"
#include "support/fake_printers.h"
#include "support/scripted_ui.h"

namespace {

using testing_support::FakePrinters;
using testing_support::ScriptedUi;

template <class W>
W* Child(QWidget* parent, const char* name) {
  W* w = parent->findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

TEST(FrmImprimirTest, WithoutPrintersOnlyTheLabelAndCancelShowAndAChoiceIsMadeCurrentAtOnce) {
  shared::ProgramState state;
  for (bool none : {true, false}) {
    FakePrinters printers(none ? std::vector<std::string>{} : std::vector<std::string>{"A"}, "A");
    printing::frmImprimir dialog(state, printers);
    EXPECT_FALSE(Child<QLabel>(&dialog, "Label3")->isHidden());
    EXPECT_FALSE(Child<QPushButton>(&dialog, "cmdCancelar")->isHidden());
    EXPECT_EQ(Child<QComboBox>(&dialog, "Combo1")->isHidden(), none);
    EXPECT_EQ(Child<QPushButton>(&dialog, "cmdImprimir")->isHidden(), none);
  }
  // The first printer of the chosen name becomes current, made so twice around the
  // pending events.
  FakePrinters printers({"A", "B", "A"}, "B");
  printing::frmImprimir dialog(state, printers);
  auto* combo = Child<QComboBox>(&dialog, "Combo1");
  EXPECT_EQ(combo->currentIndex(), 1);
  printers.setCurrentCalls.clear();
  combo->setCurrentIndex(2);
  EXPECT_EQ(printers.setCurrentCalls, (std::vector<int>{0, 0}));
  // The tooltip keeps the printer that was current on opening; Cancel keeps the choice.
  EXPECT_EQ(Child<QPushButton>(&dialog, "cmdImprimir")->toolTip(), "B");
  state.PrintConfirmed = true;
  QTest::mouseClick(Child<QPushButton>(&dialog, "cmdCancelar"), Qt::LeftButton);
  EXPECT_FALSE(state.PrintConfirmed);
  EXPECT_EQ(printers.current, "A");
  // A current printer that is not listed leaves nothing selected.
  printers.current = "gone";
  printing::frmImprimir other(state, printers);
  EXPECT_EQ(Child<QComboBox>(&other, "Combo1")->currentIndex(), -1);
  EXPECT_EQ(printers.setCurrentCalls, (std::vector<int>{0, 0}));
}

TEST(FilePrintTest, OnlyThePrintButtonPrintsAndThePanelKeepsItsMoment) {
  QTemporaryDir folder;
  platform::SetProgramFolder(folder.path().toStdString());
  testing_support::MemorySettings settings;
  ScriptedUi ui;
  FakePrinters printers({"A"}, "A");
  shared::ProgramState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  FormMain form(state, table1V, table2V);
  frame::InstallPanels(form);
  form.Form_Load();
  form.LblTASK_Click(shared::kTask1V);
  table1V.Data1V_X1[1] = 2, table1V.Data1V_N[1] = 3;
  table1V.Data1V_X1[2] = 4, table1V.Data1V_N[2] = 1;
  table1V.View1V->Refresh();
  table1V.View1V->Recompute();
  QTest::mouseClick(Child<QWidget>(&form, "OptMOM_2"), Qt::LeftButton);
  QTest::mouseClick(Child<QWidget>(&form, "OptMR_1"), Qt::LeftButton);
  const QString moment = Child<QLineEdit>(&form, "Txt1V_MM")->text();
  ASSERT_FALSE(moment.isEmpty());

  // An earlier confirmation does not print when the dialog is closed another way.
  state.PrintConfirmed = true;
  const std::pair<const char*, size_t> closes[] = {{"", 0}, {"cmdCancelar", 0}, {"cmdImprimir", 1}};
  for (auto [button, jobs] : closes) {
    ui.ExpectModal("frmImprimir", [button = button](platform::ModalWindow& w) {
      auto* dialog = dynamic_cast<QWidget*>(&w);
      if (*button == 0) dialog->close();
      else QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
    });
    emit form.findChild<QMenu*>("mnu_archivo")->aboutToShow();
    form.findChild<QAction*>("mnu_archivo_Imprimir")->trigger();
    ASSERT_EQ(printers.jobs.size(), jobs) << button;
  }
  const auto& job = printers.jobs[0];
  EXPECT_TRUE(job.ended);
  EXPECT_NE(job.Find(Child<QLabel>(&form, "LblESTAD1")->text().toStdString()), nullptr);
  // The fourth moment about the mean, (2-2.5)^4*3/4 + (4-2.5)^4/4, is on paper while the
  // panel still shows the moment the user chose.
  EXPECT_NE(job.Find(FormatoCifras((0.0625 * 3 + 5.0625) / 4, 10)), nullptr);
  EXPECT_EQ(Child<QLineEdit>(&form, "Txt1V_MM")->text(), moment);
}

class GraphWindowPrintTest : public ::testing::Test {
 protected:
  GraphWindowPrintTest() { graph::PrintingControls() = printing::InstallGraphPrinting; }
  ~GraphWindowPrintTest() override {
    form.reset();
    graph::PrintingControls() = nullptr;
  }
  void Open(int width, int height) {
    h.GraphFormula = " y = 1 + 2 x";
    h.GraphCoefA = 1, h.GraphCoefB = 2;
    h.View = {0, 10, 0, 20};
    t2.Data2V_X[1] = 2, t2.Data2V_Y[1] = 5, t2.Data2V_N[1] = 1;
    form = std::make_unique<graph::FormGraficador>(h, t1, -1, t2);
    form->resize(width, height);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  template <class W>
  W* Get(const char* name) { return Child<W>(form.get(), name); }
  void Tick() { QMetaObject::invokeMethod(Get<QTimer>("Timer2"), "timeout"); }

  ScriptedUi ui;
  graph::GraphHandover h;
  tables::Table1V t1;
  tables::Table2V t2;
  std::unique_ptr<graph::FormGraficador> form;
};

TEST_F(GraphWindowPrintTest, TheListFollowsTheCurrentPrinterAndPanningNeverChangesIt) {
  {
    FakePrinters none;
    Open(800, 600);
    EXPECT_TRUE(Get<QComboBox>("Combo1")->isHidden() && Get<QLabel>("Label2")->isHidden());
    ui.ExpectMsgBox("Unable to print. No printers in this system", platform::Answer::Ok,
                    "No printers", platform::Icon::Exclamation, platform::Buttons::Ok);
    QTest::mouseClick(Get<QPushButton>("cmdPRINT"), Qt::LeftButton);
    EXPECT_TRUE(none.jobs.empty());
    form.reset();
  }
  FakePrinters printers({"A", "B"}, "B");
  Open(800, 600);
  auto* combo = Get<QComboBox>("Combo1");
  auto* timer = Get<QTimer>("Timer2");
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_TRUE(timer->isActive());
  Tick();
  EXPECT_EQ(combo->currentIndex(), 1);
  EXPECT_EQ(Get<QPushButton>("cmdPRINT")->toolTip(), "B");
  // Another part of the program makes A current: the next tick shows it.
  printers.current = "A";
  Tick();
  EXPECT_EQ(combo->currentIndex(), 0);
  // The list never takes the keys that pan the plot, and the wheel over it does nothing.
  EXPECT_NE(QApplication::focusWidget(), combo);
  QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(combo, &wheel);
  form->Form_KeyDown(40);
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(printers.current, "A");
  // A pick makes the printer current at once and runs the timer again.
  timer->stop();
  combo->setCurrentIndex(1);
  emit combo->activated(1);
  EXPECT_EQ(printers.setCurrentCalls, (std::vector<int>{1, 1}));
  EXPECT_TRUE(timer->isActive());
}

TEST_F(GraphWindowPrintTest, PdfPlotsTurnByShapeAndFailedReportsLeaveNoFileAndSaySo) {
  QTemporaryDir dir;
  platform::QtPrinters printers;
  platform::InstallPrinters(&printers);
  const std::vector<std::string> names = printers.DeviceNames();
  ASSERT_EQ(names.back(), platform::kPdfPrinterName);
  printers.SetCurrent(static_cast<int>(names.size()) - 1);
  const std::tuple<int, int, bool> shapes[] = {{900, 500, true}, {500, 900, false}};
  for (auto [w, h, landscape] : shapes) {
    Open(w, h);
    const QString path = dir.filePath(QString("graph%1.pdf").arg(w));
    ui.ExpectSave(path.toStdString());
    // Clicked, or Enter once the button has the focus.
    auto* print = Get<QPushButton>("cmdPRINT");
    if (landscape) {
      QTest::mouseClick(print, Qt::LeftButton);
    } else {
      form->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
      print->setFocus();
      ASSERT_EQ(QApplication::focusWidget(), print);
      QTest::keyClick(print, Qt::Key_Return);
    }
    // One page, turned when its media box is wider than high.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(file.readAll());
    EXPECT_EQ(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    const QRegularExpressionMatch box =
        QRegularExpression("/MediaBox \\[\\s*0 0 ([0-9.]+) ([0-9.]+)").match(pdf);
    ASSERT_TRUE(box.hasMatch());
    EXPECT_EQ(box.captured(1).toDouble() > box.captured(2).toDouble(), landscape) << w;
    form.reset();
  }
  tables::Table2V table;
  table.Data2V_X[1] = 1e200, table.Data2V_Y[1] = 1, table.Data2V_N[1] = 1;
  printing::Report2VInput in;
  in.Table = &table;
  const QString stopped = dir.filePath("stopped.pdf");
  ui.ExpectSave(std::nullopt);  // declining the file prints nothing and says nothing
  ui.ExpectSave(stopped.toStdString());
  ui.ExpectMsgBox("Printing Error: \nError  6\nOverflow", platform::Answer::Ok);
  printing::Imprimir2VAR(printers, in);
  printing::Imprimir2VAR(printers, in);
  EXPECT_FALSE(QFile::exists(stopped));
  // A file that cannot be written is reported, never taken for a printed report.
  tables::Table1V table1V;
  printing::Report1VInput in1V;
  in1V.Table = &table1V;
  ui.ExpectSave(dir.filePath("no/such/folder.pdf").toStdString());
  ui.ExpectMsgBox("Printing Error: \nError  482\nPrinter error", platform::Answer::Ok);
  printing::Imprimir1VAR(printers, in1V);
  platform::InstallPrinters(nullptr);
}

// The PDF printer writes its file under a name that ends in ".pdf", from the graph window
// and from the reports alike; a name given with the ending, in any case, is kept.
TEST_F(GraphWindowPrintTest, APdfFileNamedWithoutItsEndingGetsIt) {
  QTemporaryDir dir;
  platform::QtPrinters printers;
  platform::InstallPrinters(&printers);
  const std::vector<std::string> names = printers.DeviceNames();
  printers.SetCurrent(static_cast<int>(names.size()) - 1);
  auto asksForPdf = [](const platform::FileDialogRequest& r) { EXPECT_EQ(r.extension, ".pdf"); };
  auto written = [&](const char* name) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
  };
  Open(800, 600);
  ui.ExpectSave(dir.filePath("graph").toStdString(), asksForPdf);
  QTest::mouseClick(Get<QPushButton>("cmdPRINT"), Qt::LeftButton);
  EXPECT_TRUE(written("graph.pdf"));
  form.reset();
  tables::Table1V table1V;
  printing::Report1VInput in1V;
  in1V.Table = &table1V;
  tables::Table2V table2V;
  printing::Report2VInput in2V;
  in2V.Table = &table2V;
  ui.ExpectSave(dir.filePath("report").toStdString(), asksForPdf);
  printing::Imprimir1VAR(printers, in1V);
  ui.ExpectSave(dir.filePath("Two.PDF").toStdString(), asksForPdf);
  printing::Imprimir2VAR(printers, in2V);
  EXPECT_TRUE(written("report.pdf"));
  EXPECT_TRUE(written("Two.PDF"));
  QStringList files = QDir(dir.path()).entryList(QDir::Files);
  files.sort();
  EXPECT_EQ(files.join(" ").toStdString(), "Two.PDF graph.pdf report.pdf");
  platform::InstallPrinters(nullptr);
}

}  // namespace
