// The graph window's printing controls, offscreen: the printer list in step with the
// current printer, the message without printers, and the plot written to a PDF file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "graph/FormGraficador.h"
#include "platform/qt_printers.h"
#include "printing/GraphPrinting.h"
#include "support/fake_printers.h"
#include "support/scripted_ui.h"

namespace {

using testing_support::FakePrinters;
using testing_support::ScriptedUi;

class GraphWindowPrintTest : public ::testing::Test {
 protected:
  GraphWindowPrintTest() { graph::PrintingControls() = printing::InstallGraphPrinting; }
  ~GraphWindowPrintTest() override {
    form.reset();
    graph::PrintingControls() = nullptr;
  }
  void Open(int width, int height) {
    h.GraphKind = 0;
    h.GraphFormula = " y = 1 + 2 x";
    h.GraphCoefA = 1;
    h.GraphCoefB = 2;
    h.View = {0, 10, 0, 20};
    t2.Data2V_X[1] = 2, t2.Data2V_Y[1] = 5, t2.Data2V_N[1] = 1;
    form = std::make_unique<graph::FormGraficador>(h, t1, -1, t2);
    form->resize(width, height);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  template <class W>
  W* Child(const char* name) {
    W* w = form->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Tick() { QMetaObject::invokeMethod(Child<QTimer>("Timer2"), "timeout"); }

  ScriptedUi ui;
  graph::GraphHandover h;
  tables::Table1V t1;
  tables::Table2V t2;
  std::unique_ptr<graph::FormGraficador> form;
};

TEST_F(GraphWindowPrintTest, WithNoPrinterTheListIsHiddenAndPrintSaysSo) {
  FakePrinters printers;
  Open(800, 600);
  EXPECT_TRUE(Child<QComboBox>("Combo1")->isHidden());
  EXPECT_TRUE(Child<QLabel>("Label2")->isHidden());
  EXPECT_EQ(Child<QCheckBox>("Check1")->text(), "Black and white");
  ui.ExpectMsgBox("Unable to print. No printers in this system", platform::Answer::Ok,
                  "No printers", platform::Icon::Exclamation, platform::Buttons::Ok);
  QTest::mouseClick(Child<QPushButton>("cmdPRINT"), Qt::LeftButton);
  EXPECT_TRUE(printers.jobs.empty());
}

TEST_F(GraphWindowPrintTest, TheListFollowsTheCurrentPrinterAndPanningNeverChangesIt) {
  FakePrinters printers({"A", "B"}, "B");
  Open(800, 600);
  auto* combo = Child<QComboBox>("Combo1");
  auto* timer = Child<QTimer>("Timer2");
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(combo->placeholderText(), "Combo1");
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 500);
  Tick();
  EXPECT_EQ(combo->currentIndex(), 1);
  EXPECT_EQ(Child<QPushButton>("cmdPRINT")->toolTip(), "B");
  // Another part of the program makes A current: the next tick shows it.
  printers.current = "A";
  Tick();
  EXPECT_EQ(combo->currentIndex(), 0);
  // The list never holds the keyboard, and the wheel over it does nothing.
  EXPECT_EQ(combo->focusPolicy(), Qt::NoFocus);
  EXPECT_NE(QApplication::focusWidget(), combo);
  QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(combo, &wheel);
  form->Form_KeyDown(40);
  form->Form_KeyDown(39);
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(printers.current, "A");
  // A pick makes the printer current at once and runs the timer again.
  timer->stop();
  combo->setCurrentIndex(1);
  emit combo->activated(1);
  EXPECT_EQ(printers.current, "B");
  EXPECT_EQ(printers.setCurrentCalls, (std::vector<int>{1, 1}));
  EXPECT_TRUE(timer->isActive());
}

int PdfPages(const QString& path, bool* landscape) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString pdf = QString::fromLatin1(file.readAll());
  const QRegularExpressionMatch box =
      QRegularExpression("/MediaBox \\[\\s*0 0 ([0-9.]+) ([0-9.]+)").match(pdf);
  *landscape = box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble();
  return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

TEST_F(GraphWindowPrintTest, ThePlotPrintsOnOnePageTurnedByItsShape) {
  QTemporaryDir dir;
  platform::QtPrinters printers;
  platform::InstallPrinters(&printers);
  printers.SetCurrent(static_cast<int>(printers.DeviceNames().size()) - 1);
  struct Case {
    int w, h;
    bool landscape;
  };
  for (const Case& c : {Case{900, 500, true}, Case{500, 900, false}}) {
    Open(c.w, c.h);
    const QString path = dir.filePath(QString("graph%1.pdf").arg(c.w));
    ui.ExpectSave(path.toStdString());
    QTest::mouseClick(Child<QPushButton>("cmdPRINT"), Qt::LeftButton);
    bool landscape = !c.landscape;
    EXPECT_EQ(PdfPages(path, &landscape), 1);
    EXPECT_EQ(landscape, c.landscape) << c.w << "x" << c.h;
    form.reset();
  }
  platform::InstallPrinters(nullptr);
}

}  // namespace
