#include "frame/startup.h"

#include <QApplication>
#include <QPointer>

#include "frame/FormMain.h"
#include "frame/FormSplash.h"
#include "frame/panels.h"
#include "platform/qt_ui.h"
#include "platform/ui.h"

namespace frame {
namespace {

QPointer<FormMain> g_main;

}  // namespace

void ShowMainWindow() {
  if (g_main == nullptr) {
    g_main = new FormMain();
    InstallPanels(*g_main);
  }
  g_main->Show();
}

void InstallDesktop(platform::Ui& ui, platform::Settings& settings) {
  platform::InstallUi(&ui);
  platform::InstallSettings(&settings);
  platform::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
}

void Main() { FormSplash::Instance(&ShowMainWindow)->show(); }

int RunProgram(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Not applicationDisplayName: on X11 Qt would append it to every window title.
  QApplication::setApplicationName("Orvalis");
  QFont font("Arial");
  font.setPointSize(9);
  QApplication::setFont(font);

  platform::QtUi ui;
  platform::QtSettings settings;
  InstallDesktop(ui, settings);

  Main();
  const int result = app.exec();

  delete g_main;
  delete FormSplash::Existing();
  platform::InstallUi(nullptr);
  platform::InstallSettings(nullptr);
  return result;
}

}  // namespace frame
