// The Qt desktop: message boxes, file dialogs, the shell, settings, pointer and clipboard,
// each driven offscreen by answering the real dialog while it is up.
#include "platform/qt_ui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>


namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// Runs user on the modal dialog of type T once it is up.
template <typename T>
void WhenUp(std::function<void(T*)> user) {
  QTimer::singleShot(0, [user] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "no dialog is up";
    user(dialog);
  });
}

TEST(QtNameFiltersTest, EachDescriptionBecomesANameFilter) {
  // Several patterns of one description; the file dialog's own filters are checked below.
  const std::pair<const char*, QStringList> cases[] = {
      {"Pictures|*.gif;*.png", {"Pictures (*.gif *.png)"}}, {"", {}}};
  for (const auto& [filter, expected] : cases) {
    EXPECT_EQ(platform::QtNameFilters(filter), expected) << filter;
  }
}

TEST(QtUiTest, MessageBoxesAskAndAnswer) {
  const auto press = [](QMessageBox::StandardButton which) {
    return [which](QMessageBox* box) { box->button(which)->click(); };
  };
  // Shown as plain text, with Windows line ends made plain; without a title, the program's.
  struct Case {
    const char *text, *title;
    Buttons buttons;
    Icon icon;
    std::function<void(QMessageBox*)> user;
    Answer expected;
    const char *shownText, *shownTitle;
  } const cases[] = {
      {"Save?", "T", Buttons::YesNoCancel, Icon::Question, press(QMessageBox::No), Answer::No,
       "Save?", "T"},
      {"Save?", "T", Buttons::YesNoCancel, Icon::Question,
       [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }, Answer::Cancel, "Save?", "T"},
      {"Sorry, cannot connect to x", "", Buttons::Ok, Icon::Exclamation, press(QMessageBox::Ok),
       Answer::Ok, "Sorry, cannot connect to x", "Orvalis"},
      {"Error:\r\nThe file /a b is not valid", "Error", Buttons::Ok, Icon::Critical,
       [](QMessageBox* box) { box->close(); }, Answer::Ok, "Error:\nThe file /a b is not valid",
       "Error"}};
  platform::QtUi ui;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    bool shown = false;
    WhenUp<QMessageBox>([&, user = c.user](QMessageBox* box) {
      shown = true;
      EXPECT_TRUE(box->text() == c.shownText && box->windowTitle() == c.shownTitle)
          << box->windowTitle().toStdString() << ": " << box->text().toStdString();
      EXPECT_EQ(box->textFormat(), Qt::PlainText);
      user(box);
    });
    EXPECT_EQ(ui.MsgBox(c.text, c.buttons, c.icon, c.title), c.expected);
    EXPECT_TRUE(shown);
  }
}

TEST(QtUiTest, FileDialogsReturnTheChosenPathOrNothing) {
  QTemporaryDir folder;
  const QString existing = folder.filePath("heights.e1v");
  ASSERT_TRUE(QFile(existing).open(QIODevice::WriteOnly));
  platform::QtUi ui;
  platform::FileDialogRequest open{
      "Open", "One variable statistic  (*.e1v)|*.e1v|All files  (*.*)|*.*",
      folder.path().toStdString(), ""};
  WhenUp<QFileDialog>([&](QFileDialog* dialog) {
    // Each description is a filter, "*.*" is "*" (the dialog tidies the blanks before "(").
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{"One variable statistic (*.e1v)", "All files (*)"}));
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
    dialog->selectFile(existing);
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(ui.ShowOpen(open), existing.toStdString());
  WhenUp<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(ui.ShowOpen(open), std::nullopt);
  // Save proposes the table's name and lets the user type a new one.
  open.fileName = folder.filePath("new.e1v").toStdString();
  WhenUp<QFileDialog>([&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(ui.ShowSave(open), open.fileName);
}

TEST(QtUiTest, ShellPointerClipboardAndSettings) {
  QTemporaryDir folder;
  platform::QtUi ui;
  EXPECT_FALSE(ui.ShellOpen(folder.filePath("Manual_ORVA.pdf").toStdString()));
  EXPECT_FALSE(ui.ShellOpen(folder.path().toStdString())) << "a folder is not the manual";
  ui.SetBusy(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  ui.SetBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ui.SetClipboardText("'<SEL1VAR>  1\r\n 5 <N>  3 \r\n");
  EXPECT_EQ(ui.ClipboardText(), "'<SEL1VAR>  1\r\n 5 <N>  3 \r\n");

  // The remembered folder lives under the program's name, section LastPath, key Path.
  platform::QtSettings settings;
  EXPECT_EQ(settings.Get("Orvalis", "LastPath", "Path", "fallback"), "fallback");
  settings.Save("Orvalis", "LastPath", "Path", "/home/ana/data");
  EXPECT_EQ(platform::QtSettings().Get("Orvalis", "LastPath", "Path", ""), "/home/ana/data");
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  QFile stored(config + "/Orvalis/Orvalis.conf");
  ASSERT_TRUE(stored.open(QIODevice::ReadOnly)) << stored.fileName().toStdString();
  EXPECT_TRUE(QString::fromUtf8(stored.readAll()).contains("[LastPath]\nPath=/home/ana/data"));
}

}  // namespace
