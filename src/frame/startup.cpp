#include "frame/startup.h"

#include <QApplication>

#include "frame/FormMain.h"
#include "platform/ui.h"

namespace frame {

int RunProgram(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Not applicationDisplayName: on X11 Qt would append it to every window title.
  QApplication::setApplicationName("Orvalis");
  platform::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());

  FormMain main_window;
  main_window.show();
  return app.exec();
}

}  // namespace frame
