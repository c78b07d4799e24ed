// main() of the widget tests: one QApplication on the offscreen platform, with the
// settings store in a fresh temporary folder so no test sees another's or the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  QTemporaryDir config_home;
  setenv("XDG_CONFIG_HOME", config_home.path().toLocal8Bit().constData(), 1);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orvalis");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
