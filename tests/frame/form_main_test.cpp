// The main window driven offscreen: tabs, panels, picture buttons, menus, the program's and
// the remembered folder, About, the Delete key and the wheel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <filesystem>

#include "frame/FormMain.h"
#include "frame/FormSplash.h"
#include "shared/PictureButton.h"
#include "frame/startup.h"
#include "platform/qt_ui.h"
#include "support/scripted_ui.h"

namespace {

using platform::Answer;
using platform::Icon;
using testing_support::MemorySettings;
using testing_support::ScriptedUi;

class FormMainTest : public ::testing::Test {
 protected:
  FormMainTest() {
    platform::SetProgramFolder(programFolder.path().toStdString());
    table2V.FileName2V = "/d/pairs.e2v";
  }
  ~FormMainTest() override { delete FormSplash::Existing(); }

  QLabel* Tab(int i) { return form->findChild<QLabel*>(QString("LblTASK_%1").arg(i)); }
  QAction* Action(const char* name) { return form->findChild<QAction*>(name); }
  bool Enabled(const char* action) {
    emit form->findChild<QMenu*>("mnu_archivo")->aboutToShow();
    return Action(action)->isEnabled();
  }
  void Load() {
    form->Form_Load();
    form->show();
  }

  QTemporaryDir programFolder;
  MemorySettings settings;
  ScriptedUi ui;
  shared::ProgramState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>(state, table1V, table2V);
};

TEST_F(FormMainTest, ATabClickShowsItsPanelAndAdaptsMenusAndCaption) {
  int restored1V = 0, restored2V = 0;
  form->Hooks().RestoreUndoRedo1V = [&] { ++restored1V; };
  form->Hooks().RestoreUndoRedo2V = [&] { ++restored2V; };
  Load();
  // After load no task is chosen: every panel is hidden.
  for (int i = 0; i < 7; ++i) EXPECT_FALSE(form->Panel(i)->isVisible()) << i;
  EXPECT_EQ(state.CurrentTask, -1);
  EXPECT_FALSE(form->EditMenu()->menuAction()->isVisible());
  EXPECT_TRUE(Enabled("mnu_archivo_abrir"));
  EXPECT_FALSE(Enabled("mnu_archivo_guardar"));
  EXPECT_EQ(state.LabelPar1DI[0], "Mean") << "the distribution table is filled";

  for (int i : {4, 2, 3, 0, 6, 1, 5, 5}) {
    SCOPED_TRACE(i);
    QTest::mouseClick(Tab(i), Qt::LeftButton);
    EXPECT_EQ(state.CurrentTask, i);
    for (int j = 0; j < 7; ++j) EXPECT_EQ(form->Panel(j)->isVisible(), j == i) << j;
    // The table tasks name their file, even none yet.
    EXPECT_EQ(form->windowTitle(), QString("Orvalis - ZorbSoftware") +
                                       (i == 3 ? " - /d/pairs.e2v" : i == 2 ? " - " : ""));
    const bool table = i == 2 || i == 3;
    EXPECT_EQ(form->EditMenu()->menuAction()->isVisible(), table);
    for (const char* action :
         {"mnu_archivo_guardar", "mnu_archivo_guardarComo", "mnu_archivo_Imprimir"}) {
      EXPECT_EQ(Enabled(action), table) << action;
    }
  }
  EXPECT_EQ(restored1V, 1);
  EXPECT_EQ(restored2V, 1);
  // Released outside, or with the right button, a tab selects nothing.
  QTest::mousePress(Tab(4), Qt::LeftButton);
  QTest::mouseRelease(Tab(4), Qt::LeftButton, {}, QPoint(-20, 5));
  QTest::mouseClick(Tab(1), Qt::RightButton);
  EXPECT_EQ(state.CurrentTask, 5);
  EXPECT_FALSE(form->Panel(4)->isVisible());
}

TEST_F(FormMainTest, PictureButtonsRunOncePerClick) {
  Load();
  QTest::mouseClick(Tab(6), Qt::LeftButton);
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QLineEdit* box = new QLineEdit(form->Panel(6));
  box->show();
  box->setFocus();
  shared::PictureButton* button = form->Button(24);
  const QPoint home = button->pos();
  int runs = 0;
  button->SetCommand([&runs] { ++runs; });
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(runs, 1);
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
  // Released outside, or with another button, nothing runs.
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 10));
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mousePress(button, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
  QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(10, 10));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseClick(button, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(button->pos(), home) << "back in place, whatever other buttons were pressed";
  EXPECT_EQ(runs, 4);
  EXPECT_TRUE(box->hasFocus()) << "a picture button never takes the focus";
}

TEST_F(FormMainTest, LoadRunsTheNewCommandsOfTheFourPanelsInOrder) {
  std::vector<std::string> order;
  form->Hooks().FillTestIntervalTable = [&] { order.push_back("FillTestIntervalTable"); };
  for (int number = 9; number <= 24; ++number) {
    form->Button(number)->SetCommand([&order, number] { order.push_back(std::to_string(number)); });
  }
  Load();
  EXPECT_EQ(order, (std::vector<std::string>{"FillTestIntervalTable", "14", "11", "23", "10"}));
}

// The folder of the last file dialog outlives the run: written as the window closes, it is
// where the next run's dialogs start. (The close question itself is driven by the program
// run test.)
TEST_F(FormMainTest, TheLastFolderIsRememberedForTheNextRun) {
  Load();
  state.LastPath = "/kept/here";
  EXPECT_TRUE(form->close());
  EXPECT_EQ(settings.values["Orvalis/LastPath/Path"], "/kept/here");
  shared::ProgramState nextState;
  FormMain(nextState, table1V, table2V).Form_Load();
  EXPECT_EQ(nextState.LastPath, "/kept/here");
}

// Started from another folder, the program still finds its manual, and its first file
// dialog opens, in the folder of the executable.
TEST_F(FormMainTest, TheProgramFolderIsTheExecutablesWhereverItStarts) {
  const std::filesystem::path started = std::filesystem::current_path();
  QTemporaryDir elsewhere;
  std::filesystem::current_path(elsewhere.path().toStdString());
  platform::SetProgramFolder(".");
  frame::InstallDesktop(ui, settings);
  std::filesystem::current_path(started);
  const std::string folder = std::filesystem::canonical("/proc/self/exe").parent_path().string();
  EXPECT_EQ(platform::ProgramFolder(), folder);

  Load();
  ui.ExpectShellOpen(folder + "/Manual_ORVA.pdf", false);
  ui.ExpectMsgBox("Cannot find/open file " + folder + "/Manual_ORVA.pdf", Answer::Ok,
                  std::string("Error"), Icon::Exclamation);
  Action("mnu_Ayuda_Manual")->trigger();
  ui.ExpectOpen(std::nullopt, [&](const platform::FileDialogRequest& request) {
    EXPECT_EQ(request.initDir, folder);
  });
  Action("mnu_archivo_abrir")->trigger();
}

TEST_F(FormMainTest, AboutStaysUntilACharacterIsTyped) {
  Load();
  bool stayed = false;
  ui.ExpectModal("FormSplash", [&](platform::ModalWindow& window) {
    auto* about = dynamic_cast<FormSplash*>(&window);
    ASSERT_NE(about, nullptr);
    QTimer::singleShot(700, about, [&, about] {  // beyond the splash's 400 ms
      stayed = about->isVisible();
      QTest::keyClick(about, Qt::Key_Q);
    });
    window.ExecModal();
  });
  Action("mnu_Ayuda_Acerca")->trigger();
  EXPECT_TRUE(stayed);
  EXPECT_EQ(FormSplash::Existing(), nullptr);
}

void Wheel(QWidget* target, QPoint angle) {
  QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), angle,
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &event);
}

TEST_F(FormMainTest, DeleteAndTheWheelActOnTheCurrentTable) {
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
  EXPECT_EQ(cell->text(), "bc") << "the key still reaches the box";

  auto* bar = new QScrollBar(Qt::Vertical, form->Panel(2));
  bar->setRange(1, 30);
  bar->setValue(5);
  bar->show();
  form->SetTableScrollBar(2, bar);
  Wheel(bar, QPoint(0, -120));  // towards the user: later rows
  EXPECT_EQ(bar->value(), 6) << "the bar must not scroll by itself as well";
  Wheel(cell, QPoint(0, 120));
  EXPECT_EQ(bar->value(), 5);
  QTest::mouseClick(Tab(4), Qt::LeftButton);
  Wheel(form->Panel(4), QPoint(0, 120));
  EXPECT_EQ(bar->value(), 5) << "only the one- and two-variable tasks scroll";
}

}  // namespace
