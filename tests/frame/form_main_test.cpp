// The main window driven offscreen: tabs, panels, picture buttons, menus, close question,
// remembered folder, About, Delete key and wheel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "fakes.h"
#include "frame/FormMain.h"
#include "frame/FormSplash.h"
#include "frame/PictureButton.h"
#include "platform/qt_ui.h"
#include "support/scripted_ui.h"

namespace {

using frame_testing::FakeTable;
using platform::Answer;
using testing_support::MemorySettings;
using testing_support::ScriptedUi;

const QColor kRest(240, 240, 255);
const QColor kRestText(64, 64, 64);
const QColor kSelected(128, 160, 255);

struct TabDesign {
  const char* caption;
  int width;
};
const TabDesign kTabs[7] = {
    {"Hypothesis testing", 134},       {"Confidence interval", 129},
    {"One variable statistic", 143},   {"Two variables statistic", 147},
    {"Probability distribution", 162}, {"Total and Bayes laws", 167},
    {"A, B Probability", 120},
};

QColor Background(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

class FormMainTest : public ::testing::Test {
 protected:
  FormMainTest() {
    platform::SetProgramFolder(programFolder.path().toStdString());
    table2V.FileName2V = "/d/pairs.e2v";
  }
  ~FormMainTest() override { delete FormSplash::Existing(); }

  QLabel* Tab(int i) { return form->findChild<QLabel*>(QString("LblTASK_%1").arg(i)); }
  QAction* Action(const char* name) { return form->findChild<QAction*>(name); }
  void OpenFileMenu() { emit form->findChild<QMenu*>("mnu_archivo")->aboutToShow(); }
  void Load() {
    form->Form_Load();
    form->show();
  }

  QTemporaryDir programFolder;
  MemorySettings settings;
  ScriptedUi ui;
  frame::FrameState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>(state, table1V, table2V);
};

TEST_F(FormMainTest, AfterLoadTheTabsRestAndNoTaskIsChosen) {
  Load();
  const QWidget* client = form->findChild<QWidget*>("ClientArea");
  EXPECT_EQ(client->size(), QSize(1018, 686));
  EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window must not be resizable";
  EXPECT_EQ(Background(client), QColor(252, 252, 255));
  const QWidget* strip = form->findChild<QWidget*>("Picture1");
  EXPECT_EQ(strip->height(), 24);
  EXPECT_EQ(Background(strip), kSelected);

  int left = 2;
  for (int i = 0; i < 7; ++i) {
    QLabel* tab = Tab(i);
    ASSERT_NE(tab, nullptr) << i;
    EXPECT_EQ(tab->text(), kTabs[i].caption);
    EXPECT_EQ(tab->geometry(), QRect(left, 2, kTabs[i].width, 20)) << i;
    EXPECT_EQ(Background(tab), kRest);
    EXPECT_EQ(tab->palette().color(QPalette::WindowText), kRestText);
    EXPECT_FALSE(tab->font().bold());
    EXPECT_EQ(tab->font().family(), "Arial");
    EXPECT_EQ(tab->font().pointSize(), 9);
    EXPECT_FALSE(form->Panel(i)->isVisible()) << i;
    left += kTabs[i].width + 2;
  }
  EXPECT_EQ(state.CurrentTask, -1);
  EXPECT_EQ(form->windowTitle(), "Orvalis - ZorbSoftware");
  EXPECT_FALSE(form->EditMenu()->menuAction()->isVisible());

  OpenFileMenu();
  EXPECT_TRUE(Action("mnu_archivo_abrir")->isEnabled());
  EXPECT_FALSE(Action("mnu_archivo_guardar")->isEnabled());
  EXPECT_FALSE(Action("mnu_archivo_guardarComo")->isEnabled());
  EXPECT_FALSE(Action("mnu_archivo_Imprimir")->isEnabled());
  EXPECT_TRUE(Action("mnu_archivo_salir")->isEnabled());
  EXPECT_EQ(Action("mnu_archivo_salir")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
  EXPECT_EQ(Action("mnu_Ayuda_WEB")->text(), "Home page: www.orvalis.example.org...");
  EXPECT_EQ(state.LabelPar1DI[0], "Mean") << "the distribution table is filled";
}

TEST_F(FormMainTest, ATabClickShowsItsPanelAndAdaptsMenusAndCaption) {
  int restored1V = 0;
  int restored2V = 0;
  form->Hooks().RestoreUndoRedo1V = [&] { ++restored1V; };
  form->Hooks().RestoreUndoRedo2V = [&] { ++restored2V; };
  Load();
  const char* captions[7] = {"Orvalis - ZorbSoftware",    "Orvalis - ZorbSoftware",
                             "Orvalis - ZorbSoftware - ", "Orvalis - ZorbSoftware - /d/pairs.e2v",
                             "Orvalis - ZorbSoftware",    "Orvalis - ZorbSoftware",
                             "Orvalis - ZorbSoftware"};
  for (int i : {4, 2, 3, 0, 6, 1, 5, 5}) {
    SCOPED_TRACE(i);
    QTest::mouseClick(Tab(i), Qt::LeftButton);
    EXPECT_EQ(state.CurrentTask, i);
    for (int j = 0; j < 7; ++j) {
      EXPECT_EQ(Background(Tab(j)), j == i ? kSelected : kRest) << j;
      EXPECT_EQ(Tab(j)->palette().color(QPalette::WindowText),
                j == i ? QColor(Qt::white) : kRestText);
      EXPECT_EQ(Tab(j)->font().bold(), j == i);
      EXPECT_EQ(form->Panel(j)->isVisible(), j == i) << j;
    }
    EXPECT_EQ(form->Panel(i)->geometry(), QRect(2, 24, 1012, 660));
    EXPECT_EQ(Background(form->findChild<QWidget*>("ClientArea")), kSelected);
    EXPECT_EQ(form->windowTitle(), captions[i]);
    const bool table = i == 2 || i == 3;
    EXPECT_EQ(form->EditMenu()->menuAction()->isVisible(), table);
    OpenFileMenu();
    EXPECT_EQ(Action("mnu_archivo_guardar")->isEnabled(), table);
    EXPECT_EQ(Action("mnu_archivo_guardarComo")->isEnabled(), table);
    EXPECT_EQ(Action("mnu_archivo_Imprimir")->isEnabled(), table);
  }
  EXPECT_EQ(restored1V, 1);
  EXPECT_EQ(restored2V, 1);
}

TEST_F(FormMainTest, TabsLookPressedWhileTheMouseIsDown) {
  Load();
  QTest::mouseClick(Tab(2), Qt::LeftButton);
  QTest::mousePress(Tab(4), Qt::LeftButton);
  EXPECT_EQ(Background(Tab(4)), QColor(208, 208, 223));
  // Released outside: the tab rests again and nothing is selected.
  QTest::mouseRelease(Tab(4), Qt::LeftButton, {}, QPoint(-20, 5));
  EXPECT_EQ(Background(Tab(4)), kRest);
  EXPECT_EQ(state.CurrentTask, 2);

  QTest::mousePress(Tab(2), Qt::LeftButton);
  EXPECT_EQ(Background(Tab(2)), QColor(96, 128, 223));
  QTest::mouseRelease(Tab(2), Qt::LeftButton, {}, QPoint(400, 5));
  EXPECT_EQ(Background(Tab(2)), kSelected);

  // The right button gives the look but selects nothing.
  QTest::mouseClick(Tab(5), Qt::RightButton);
  EXPECT_EQ(Background(Tab(5)), kRest);
  EXPECT_EQ(state.CurrentTask, 2);
}

TEST_F(FormMainTest, PictureButtonsSitOnTheirPanels) {
  struct Placement {
    int number;
    int task;
  };
  const Placement placements[] = {{22, 0}, {21, 0}, {16, 1}, {17, 1}, {14, 2}, {15, 2},
                                  {11, 3}, {12, 3}, {13, 3}, {19, 4}, {18, 4}, {20, 4},
                                  {9, 5},  {10, 5}, {24, 6}, {23, 6}};
  for (const Placement& p : placements) {
    frame::PictureButton* button = form->Button(p.number);
    ASSERT_NE(button, nullptr) << p.number;
    EXPECT_EQ(button->objectName(), QString("Image%1").arg(p.number));
    EXPECT_EQ(button->parentWidget(), form->Panel(p.task)) << p.number;
    EXPECT_EQ(button->size(), QSize(100, 30));
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(button->pos(), button->DesignPosition());
  }
  EXPECT_EQ(form->Button(9)->pos(), QPoint(419, 503));
  EXPECT_EQ(form->Button(10)->pos(), QPoint(540, 503));
  EXPECT_EQ(form->Button(23)->Label(), "Delete");
  EXPECT_EQ(form->Button(8), nullptr);
  EXPECT_EQ(form->Button(25), nullptr);
}

TEST_F(FormMainTest, APictureButtonRunsItsCommandOncePerClickAndComesBack) {
  Load();
  QTest::mouseClick(Tab(6), Qt::LeftButton);
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QLineEdit* box = new QLineEdit(form->Panel(6));
  box->show();
  box->setFocus();
  frame::PictureButton* button = form->Button(24);
  const QPoint home = button->pos();
  int runs = 0;
  QPoint seenAt;
  button->SetCommand([&] {
    ++runs;
    seenAt = button->pos();
  });

  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(seenAt, home) << "the command runs with the button back in place";
  // A double click, as the desktop delivers it: one run for each of its two clicks.
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(10, 10),
                          button->mapToGlobal(QPointF(10, 10)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
  QApplication::sendEvent(button, &doubleClick);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(button->pos(), home);

  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(button->pos(), home + QPoint(1, 1));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 10));  // outside
  EXPECT_EQ(button->pos(), home);
  EXPECT_EQ(runs, 3);

  QTest::mousePress(button, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(button->pos(), home + QPoint(1, 1));
  QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(button->pos(), home);
  EXPECT_EQ(runs, 3);

  // Chorded presses never let the button drift from its place.
  for (int round = 0; round < 3; ++round) {
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mousePress(button, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mousePress(button, Qt::MiddleButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::MiddleButton, {}, QPoint(10, 10));
    EXPECT_EQ(button->pos(), home);
  }
  EXPECT_EQ(runs, 6);
  EXPECT_TRUE(box->hasFocus()) << "a picture button never takes the focus";
}

TEST_F(FormMainTest, LoadRunsTheNewCommandsOfTheFourPanelsInOrder) {
  std::vector<std::string> order;
  form->Hooks().FillTestIntervalTable = [&] { order.push_back("FillTestIntervalTable"); };
  for (int number : {9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}) {
    form->Button(number)->SetCommand([&order, number] { order.push_back(std::to_string(number)); });
  }
  Load();
  EXPECT_EQ(order, (std::vector<std::string>{"FillTestIntervalTable", "14", "11", "23", "10"}));
}

TEST_F(FormMainTest, TheCloseQuestionKeepsTheWindowOnCancel) {
  Load();
  std::vector<std::string> log;
  FakeTable commands1V(table1V.Modified1V, table1V.FileName1V, log, "1V");
  FakeTable commands2V(table2V.Modified2V, table2V.FileName2V, log, "2V");
  form->Files().SetTableCommands(&commands1V, &commands2V);
  table1V.Modified1V = true;
  table2V.Modified2V = true;
  state.LastPath = "/kept/here";

  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::Cancel,
                  std::string("Save changes. One variable statistic"));
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(state.CurrentTask, 2);
  EXPECT_EQ(Background(Tab(2)), kSelected);
  EXPECT_TRUE(settings.values.empty()) << "nothing is written while the window stays";

  // Yes for the unnamed table opens Save As; cancelling it keeps the window too.
  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::Yes);
  ui.ExpectSave(std::nullopt);
  EXPECT_FALSE(form->close());

  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::No);
  ui.ExpectMsgBox("Do you want to save changes to /d/pairs.e2v?", Answer::No,
                  std::string("Save changes. Two variable statistic"));
  EXPECT_TRUE(form->close());
  EXPECT_EQ(state.CurrentTask, 3);
  EXPECT_EQ(settings.values["Orvalis/LastPath/Path"], "/kept/here");
  EXPECT_TRUE(log.empty());
}

TEST_F(FormMainTest, ExitWithoutChangesClosesAtOnceAndWritesTheFolder) {
  Load();
  Action("mnu_archivo_salir")->trigger();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(settings.values["Orvalis/LastPath/Path"], "");
}

// The folder of a file opened in one run is where the next run's dialogs start.
TEST_F(FormMainTest, TheRememberedFolderSurvivesARestart) {
  platform::QtSettings store;
  platform::InstallSettings(&store);
  const std::string folder = programFolder.path().toStdString();
  Load();
  EXPECT_EQ(state.LastPath, "");
  std::vector<std::string> log;
  FakeTable commands1V(table1V.Modified1V, table1V.FileName1V, log, "1V");
  form->Files().SetTableCommands(&commands1V, nullptr);
  QTest::mouseClick(Tab(2), Qt::LeftButton);
  ui.ExpectOpen("/home/ana/data/heights.e1v", [&](const platform::FileDialogRequest& request) {
    EXPECT_EQ(request.initDir, folder) << "a first run starts in the program's folder";
  });
  Action("mnu_archivo_abrir")->trigger();
  EXPECT_EQ(log, std::vector<std::string>{"1V Load /home/ana/data/heights.e1v"});
  EXPECT_TRUE(form->close());

  frame::FrameState nextState;
  FormMain next(nextState, table1V, table2V);
  next.Form_Load();
  EXPECT_EQ(nextState.LastPath, "/home/ana/data");
  ui.ExpectOpen(std::nullopt, [](const platform::FileDialogRequest& request) {
    EXPECT_EQ(request.initDir, "/home/ana/data");
  });
  next.Files().mnu_archivo_abrir_Click();
  platform::InstallSettings(&settings);
}

TEST_F(FormMainTest, AMissingManualIsReported) {
  Load();
  const std::string manual = programFolder.path().toStdString() + "/Manual_ORVA.pdf";
  ui.ExpectShellOpen(manual, false);
  ui.ExpectMsgBox("Cannot find/open file " + manual, Answer::Ok, std::string("Error"),
                  platform::Icon::Exclamation);
  Action("mnu_Ayuda_Manual")->trigger();
}

TEST_F(FormMainTest, AboutShowsTheVersionAndStaysUntilAKey) {
  Load();
  QTest::mouseClick(Tab(5), Qt::LeftButton);
  bool stayed = false;
  bool stayedAfterShift = false;
  ui.ExpectModal("FormSplash", [&](platform::ModalWindow& window) {
    auto* about = dynamic_cast<FormSplash*>(&window);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(), "Version: 1.7");
    EXPECT_FALSE(about->Timer1()->isActive());
    QTimer::singleShot(700, about, [&, about] {
      stayed = about->isVisible();
      QTest::keyClick(about, Qt::Key_Shift);  // types no character
      stayedAfterShift = about->isVisible();
      QTest::keyClick(about, Qt::Key_Q);
    });
    window.ExecModal();
    EXPECT_FALSE(about->isVisible());
  });
  Action("mnu_Ayuda_Acerca")->trigger();
  EXPECT_TRUE(stayed);
  EXPECT_TRUE(stayedAfterShift);
  EXPECT_EQ(FormSplash::Existing(), nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(state.CurrentTask, 5);
}

TEST_F(FormMainTest, DeleteRunsDeleteSelectionAndStillReachesTheBox) {
  int deletes = 0;
  form->Hooks().mnu_Edicion_DelSel_Click = [&] { ++deletes; };
  Load();
  QTest::mouseClick(Tab(2), Qt::LeftButton);
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QLineEdit* cell = new QLineEdit("abc", form->Panel(2));
  cell->show();
  cell->setFocus();
  cell->setCursorPosition(0);
  QTest::keyClick(cell, Qt::Key_Delete);
  EXPECT_EQ(deletes, 1);
  EXPECT_EQ(cell->text(), "bc");
  QTest::keyClick(cell, Qt::Key_X);
  EXPECT_EQ(deletes, 1);
}

void Wheel(QWidget* target, QPoint angle) {
  QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), angle,
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &event);
}

TEST_F(FormMainTest, TheWheelScrollsTheCurrentTableOneRowPerNotch) {
  Load();
  auto* bar = new QScrollBar(Qt::Vertical, form->Panel(2));
  bar->setRange(1, 30);
  bar->setPageStep(11);
  bar->setValue(5);
  bar->show();
  form->SetTableScrollBar(2, bar);
  QLineEdit* elsewhere = new QLineEdit(form->Panel(2));
  elsewhere->show();

  QTest::mouseClick(Tab(2), Qt::LeftButton);
  Wheel(bar, QPoint(0, -120));  // towards the user: later rows
  EXPECT_EQ(bar->value(), 6) << "the bar must not scroll by itself as well";
  Wheel(elsewhere, QPoint(0, 120));
  EXPECT_EQ(bar->value(), 5);
  Wheel(bar, QPoint(-120, 0));  // no vertical distance
  EXPECT_EQ(bar->value(), 5);
  Wheel(bar, QPoint(0, -60));
  Wheel(bar, QPoint(0, -60));
  EXPECT_EQ(bar->value(), 6);
  for (int i = 0; i < 40; ++i) Wheel(bar, QPoint(0, -120));
  EXPECT_EQ(bar->value(), 30);

  QTest::mouseClick(Tab(4), Qt::LeftButton);
  Wheel(form->Panel(4), QPoint(0, 120));
  EXPECT_EQ(bar->value(), 30) << "only the one- and two-variable tasks scroll";
  QTest::mouseClick(Tab(2), Qt::LeftButton);
  bar->hide();
  Wheel(form->Panel(2), QPoint(0, 120));
  EXPECT_EQ(bar->value(), 30) << "a hidden bar stays";
}

}  // namespace
