// The printer-choice dialog and File > Print on the main window, driven offscreen, and the
// reports written to PDF files through the Qt printer service.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "frame/FormMain.h"
#include "frame/panels.h"
#include "platform/qt_printers.h"
#include "printing/frmImprimir.h"
#include "printing/reports.h"
#include "tables/table_view.h"
#include "support/fake_printers.h"
#include "support/scripted_ui.h"

namespace {

using printing::frmImprimir;
using testing_support::FakePrinters;
using testing_support::ScriptedUi;

template <class W>
W* Child(QWidget* parent, const char* name) {
  W* w = parent->findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

TEST(FrmImprimirTest, CaptionsAndWithNoPrintersOnlyTheLabelAndCancel) {
  for (bool none : {true, false}) {
    FakePrinters printers(none ? std::vector<std::string>{} : std::vector<std::string>{"A"}, "A");
    frame::FrameState state;
    frmImprimir dialog(state, printers);
    EXPECT_EQ(dialog.windowTitle(), "Imprimir");
    EXPECT_EQ(Child<QLabel>(&dialog, "Label3")->text(), " Impresora");
    EXPECT_EQ(Child<QPushButton>(&dialog, "cmdImprimir")->text(), "&Imprimir");
    EXPECT_EQ(Child<QPushButton>(&dialog, "cmdCancelar")->text(), "&Cancelar");
    EXPECT_FALSE(Child<QLabel>(&dialog, "Label3")->isHidden());
    EXPECT_FALSE(Child<QPushButton>(&dialog, "cmdCancelar")->isHidden());
    // Laid out in twips, 15 to a pixel.
    EXPECT_EQ(dialog.size(), QSize(397, 170));
    EXPECT_EQ(Child<QLabel>(&dialog, "Label3")->geometry(), QRect(11, 10, 150, 20));
    EXPECT_EQ(Child<QComboBox>(&dialog, "Combo1")->geometry(), QRect(14, 28, 367, 24));
    EXPECT_EQ(Child<QPushButton>(&dialog, "cmdCancelar")->geometry(), QRect(274, 115, 104, 28));
    EXPECT_EQ(Child<QPushButton>(&dialog, "cmdImprimir")->geometry(), QRect(159, 115, 104, 28));
    EXPECT_EQ(Child<QComboBox>(&dialog, "Combo1")->isHidden(), none);
    EXPECT_EQ(Child<QPushButton>(&dialog, "cmdImprimir")->isHidden(), none);
  }
}

TEST(FrmImprimirTest, ChoosingMakesTheFirstPrinterOfThatNameCurrentAtOnce) {
  FakePrinters printers({"A", "B", "A"}, "B");
  frame::FrameState state;
  state.PrintConfirmed = true;
  frmImprimir dialog(state, printers);
  auto* combo = Child<QComboBox>(&dialog, "Combo1");
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->currentIndex(), 1);
  printers.setCurrentCalls.clear();
  combo->setCurrentIndex(2);
  EXPECT_EQ(printers.setCurrentCalls, (std::vector<int>{0, 0}));
  EXPECT_EQ(printers.current, "A");
  // The tooltip keeps the printer that was current on opening.
  EXPECT_EQ(Child<QPushButton>(&dialog, "cmdImprimir")->toolTip(), "B");
  // Cancel prints nothing; the printer chosen stays current.
  QTest::mouseClick(Child<QPushButton>(&dialog, "cmdCancelar"), Qt::LeftButton);
  EXPECT_FALSE(state.PrintConfirmed);
  EXPECT_EQ(printers.current, "A");
}

TEST(FrmImprimirTest, ACurrentPrinterNotListedLeavesNothingSelected) {
  FakePrinters printers({"A", "B"}, "gone");
  frame::FrameState state;
  frmImprimir dialog(state, printers);
  EXPECT_EQ(Child<QComboBox>(&dialog, "Combo1")->currentIndex(), -1);
  EXPECT_TRUE(printers.setCurrentCalls.empty());
  QTest::mouseClick(Child<QPushButton>(&dialog, "cmdImprimir"), Qt::LeftButton);
  EXPECT_TRUE(state.PrintConfirmed);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

class FilePrintTest : public ::testing::Test {
 protected:
  FilePrintTest() {
    platform::SetProgramFolder(folder.path().toStdString());
    frame::InstallPanels(*form);
    form->Form_Load();
    form->LblTASK_Click(frame::kTask1V);
    table1V.Data1V_X1[1] = 2, table1V.Data1V_N[1] = 3;
    table1V.Data1V_X1[2] = 4, table1V.Data1V_N[2] = 1;
    table1V.View1V->Refresh();
    table1V.View1V->Recompute();
  }
  void Print() {
    emit form->findChild<QMenu*>("mnu_archivo")->aboutToShow();
    form->findChild<QAction*>("mnu_archivo_Imprimir")->trigger();
  }
  static void Press(platform::ModalWindow& w, const char* button) {
    QTest::mouseClick(Child<QPushButton>(dynamic_cast<QWidget*>(&w), button), Qt::LeftButton);
  }

  QTemporaryDir folder;
  testing_support::MemorySettings settings;
  ScriptedUi ui;
  FakePrinters printers{{"A"}, "A"};
  frame::FrameState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>(state, table1V, table2V);
};

TEST_F(FilePrintTest, OnlyThePrintButtonPrintsAndThePanelKeepsItsMoment) {
  QTest::mouseClick(Child<QWidget>(form.get(), "OptMOM_2"), Qt::LeftButton);
  QTest::mouseClick(Child<QWidget>(form.get(), "OptMR_1"), Qt::LeftButton);
  const QString moment = Child<QLineEdit>(form.get(), "Txt1V_MM")->text();
  const QString caption = Child<QLabel>(form.get(), "Label1_65")->text();
  ASSERT_FALSE(moment.isEmpty());

  // An earlier confirmation does not print when the dialog is closed another way.
  state.PrintConfirmed = true;
  ui.ExpectModal("frmImprimir", [](platform::ModalWindow& w) {
    dynamic_cast<QWidget*>(&w)->close();
  });
  Print();
  EXPECT_TRUE(printers.jobs.empty());

  ui.ExpectModal("frmImprimir", [](platform::ModalWindow& w) { Press(w, "cmdCancelar"); });
  Print();
  EXPECT_TRUE(printers.jobs.empty());

  ui.ExpectModal("frmImprimir", [](platform::ModalWindow& w) { Press(w, "cmdImprimir"); });
  Print();
  ASSERT_EQ(printers.jobs.size(), 1u);
  const auto& job = printers.jobs[0];
  EXPECT_TRUE(job.ended);
  EXPECT_NE(job.Find(Child<QLabel>(form.get(), "LblESTAD1")->text().toStdString()), nullptr);
  EXPECT_NE(job.Find(Child<QLineEdit>(form.get(), "Txt1V_SX4")->text().toStdString()), nullptr);
  // The fourth moment about the mean, (2-2.5)^4*3/4 + (4-2.5)^4/4, is on paper...
  EXPECT_NE(job.Find(FormatoCifras((0.0625 * 3 + 5.0625) / 4, 10)), nullptr);
  // ...while the panel still shows the moment the user chose.
  EXPECT_EQ(Child<QLineEdit>(form.get(), "Txt1V_MM")->text(), moment);
  EXPECT_EQ(Child<QLabel>(form.get(), "Label1_65")->text(), caption);
}

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString text = QString::fromLatin1(file.readAll());
  return static_cast<int>(text.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

TEST(PdfPrintTest, ReportsGoToTheFileTheUserNamesAndAStoppedOneLeavesNone) {
  QTemporaryDir dir;
  platform::QtPrinters printers;
  const std::vector<std::string> names = printers.DeviceNames();
  ASSERT_EQ(names.back(), platform::kPdfPrinterName);
  printers.SetCurrent(static_cast<int>(names.size()) - 1);

  tables::Table1V table;
  for (int i = 1; i <= 100; ++i) table.Data1V_X1[i] = i, table.Data1V_N[i] = 1;
  table.N1V = 100;
  printing::Report1VInput in1;
  in1.Table = &table;
  const QString report = dir.filePath("report.pdf");
  {
    ScriptedUi ui;
    ui.ExpectSave(std::nullopt);  // declining the file prints nothing
    ui.ExpectSave(dir.filePath("no/such/folder.pdf").toStdString());
    ui.ExpectMsgBox("Printing Error: \nError  482\nPrinter error", platform::Answer::Ok);
    ui.ExpectSave(report.toStdString());
    printing::Imprimir1VAR(printers, in1);
    printing::Imprimir1VAR(printers, in1);
    EXPECT_FALSE(QFile::exists(report));
    printing::Imprimir1VAR(printers, in1);
  }
  // 41 rows on the first page and 43 on each later one.
  EXPECT_EQ(PdfPages(report), 3);

  tables::Table2V table2;
  table2.Data2V_X[1] = 1e200, table2.Data2V_Y[1] = 1, table2.Data2V_N[1] = 1;
  printing::Report2VInput in2;
  in2.Table = &table2;
  const QString stopped = dir.filePath("stopped.pdf");
  {
    ScriptedUi ui;
    ui.ExpectSave(stopped.toStdString());
    ui.ExpectMsgBox("Printing Error: \nError  6\nOverflow", platform::Answer::Ok);
    printing::Imprimir2VAR(printers, in2);
  }
  EXPECT_FALSE(QFile::exists(stopped));
}

}  // namespace
