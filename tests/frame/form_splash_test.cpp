// The splash window: the hand-over to the main window, and its links.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <string>

#include "frame/FormSplash.h"
#include "support/scripted_ui.h"

namespace {

using platform::Answer;
using testing_support::ScriptedUi;

// Each way of closing shows the main window at once, and nothing fires afterwards.
TEST(FormSplashTest, AClickOrACharacterClosesItAtOnce) {
  int shown = 0;
  for (const std::string how : {"FormSplash", "Image1", "lblVersion", "key", "enter"}) {
    SCOPED_TRACE(how);
    const int before = shown;
    FormSplash* splash = FormSplash::Instance([&shown] { ++shown; });
    splash->show();
    if (how == "key") {
      QTest::keyClick(splash, Qt::Key_F1);  // types nothing: stays
      EXPECT_EQ(shown, before);
      QTest::keyClick(splash, Qt::Key_Z);
    } else if (how == "enter") {
      QTest::keyClick(splash, Qt::Key_Return);
    } else if (how == "FormSplash") {
      QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(5, 5));
    } else {
      QTest::mouseClick(splash->findChild<QWidget*>(QString::fromStdString(how)), Qt::LeftButton);
    }
    EXPECT_GT(shown, before);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FormSplash::Existing(), nullptr);
  }
  const int closed = shown;
  QTest::qWait(500);
  EXPECT_EQ(shown, closed) << "no timer may fire after its splash closed";
}

// A link's message box at start-up holds the hand-over until it is answered.
TEST(FormSplashTest, TheTimerWaitsWhileALinksMessageIsUp) {
  int mainShown = 0;
  FormSplash* splash = FormSplash::Instance([&mainShown] { ++mainShown; });
  splash->show();
  EXPECT_EQ(FormSplash::Instance({}), splash) << "one splash window at a time";
  ScriptedUi ui;
  bool aliveWhileUp = false;
  int shownWhileUp = -1;
  ui.ExpectShellOpen("https://www.orvalis.example.org/", false);
  ui.ExpectMsgBox("Sorry, cannot connect to www.orvalis.example.org", Answer::Ok,
                  std::string("Orvalis"), platform::Icon::Exclamation)
      .WhileUp([&] {
        QTest::qWait(1000);  // at least two ticks
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        aliveWhileUp = FormSplash::Existing() == splash && splash->isVisible();
        shownWhileUp = mainShown;
      });
  QTest::mouseClick(splash->findChild<QLabel*>("LblWEB"), Qt::LeftButton);
  EXPECT_TRUE(aliveWhileUp);
  EXPECT_EQ(shownWhileUp, 0);
  EXPECT_TRUE(QTest::qWaitFor([&mainShown] { return mainShown > 0; }, 3000));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(FormSplash::Existing(), nullptr);
  delete FormSplash::Existing();  // only if it failed to close: the next test starts afresh
}

}  // namespace
