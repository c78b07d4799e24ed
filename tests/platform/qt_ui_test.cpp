// The Qt desktop: message boxes, file dialogs, the shell, settings, pointer and clipboard,
// each driven offscreen by answering the real dialog while it is up.
#include "platform/qt_ui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>


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

// Plays the user's part on each modal dialog in turn, as each comes up.
class ModalScript {
 public:
  explicit ModalScript(std::vector<std::function<void(QWidget*)>> steps)
      : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* up = QApplication::activeModalWidget();
      if (up == nullptr || up == last_ || next_ >= steps_.size()) return;
      last_ = up;
      steps_[next_++](up);
    });
    timer_.start(0);
  }
  bool Done() const { return next_ == steps_.size(); }

 private:
  std::vector<std::function<void(QWidget*)>> steps_;
  size_t next_ = 0;
  QPointer<QWidget> last_;
  QTimer timer_;
};

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
      folder.path().toStdString(), "", ""};
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

// A name saved without its ending gets it, and the question before replacing a file is about
// the name with the ending; No goes back to the dialog.
TEST(QtUiTest, SaveAddsTheEndingAndAsksAboutTheFinalName) {
  QTemporaryDir folder;
  ASSERT_TRUE(QFile(folder.filePath("old.e1v")).open(QIODevice::WriteOnly));
  const platform::FileDialogRequest save{"Save statistic",
                                         "One variable statistic (*.e1v)|*.e1v|All files (*.*)|*.*",
                                         folder.path().toStdString(), "", ".e1v"};
  const auto type = [](const QString& name) {
    return [name](QWidget* up) {
      auto* dialog = qobject_cast<QFileDialog*>(up);
      ASSERT_NE(dialog, nullptr) << "no file dialog is up";
      dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
      static_cast<QDialog*>(dialog)->accept();
    };
  };
  const auto answer = [](QMessageBox::StandardButton which) {
    return [which](QWidget* up) {
      auto* box = qobject_cast<QMessageBox*>(up);
      ASSERT_NE(box, nullptr) << "no question is up";
      EXPECT_EQ(box->text(), "old.e1v already exists.\nDo you want to replace it?");
      EXPECT_EQ(box->windowTitle(), "Save statistic");
      box->button(which)->click();
    };
  };
  platform::QtUi ui;
  {
    ModalScript user({type("fresh")});
    EXPECT_EQ(ui.ShowSave(save), folder.filePath("fresh.e1v").toStdString());
    EXPECT_TRUE(user.Done());
  }
  {
    // "old" is not there, but "old.e1v" is.
    ModalScript user({type("old"), answer(QMessageBox::No),
                      [&](QWidget* up) {
                        auto* dialog = qobject_cast<QFileDialog*>(up);
                        ASSERT_NE(dialog, nullptr) << "No does not go back to the dialog";
                        EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(),
                                  "old.e1v");
                        type("old")(up);
                      },
                      answer(QMessageBox::Yes)});
    EXPECT_EQ(ui.ShowSave(save), folder.filePath("old.e1v").toStdString());
    EXPECT_TRUE(user.Done());
  }
}

// The desktop's opener says yes as soon as it has started; a file is handed to it only when
// some application takes its type.
TEST(QtUiTest, ShellOpensAFileOnlyWhenAnApplicationTakesItsType) {
  QTemporaryDir folder;
  const QString manual = folder.filePath("Manual_ORVA.pdf");
  QFile file(manual);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("%PDF-1.4\n%%EOF\n");
  file.close();
  struct Case {
    QString target;
    bool handled, opens, result;
    std::vector<std::string> asked;
    std::vector<QUrl> opened;
  };
  const QUrl web("https://www.orvalis.example.org/");
  const Case cases[] = {
      {manual, false, true, false, {"application/pdf"}, {}},
      {manual, true, false, false, {"application/pdf"}, {QUrl::fromLocalFile(manual)}},
      {manual, true, true, true, {"application/pdf"}, {QUrl::fromLocalFile(manual)}},
      {folder.filePath("missing.pdf"), true, true, false, {}, {}},
      {web.toString(), false, true, true, {}, {web}},
      {web.toString(), true, false, false, {}, {web}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target.toStdString() + (c.handled ? " handled" : "") +
                 (c.opens ? " opens" : ""));
    std::vector<std::string> asked;
    std::vector<QUrl> opened;
    platform::QtUi ui({.handles = [&](const std::string& type) {
                         asked.push_back(type);
                         return c.handled;
                       },
                       .open = [&](const QUrl& url) {
                         opened.push_back(url);
                         return c.opens;
                       }});
    EXPECT_EQ(ui.ShellOpen(c.target.toStdString()), c.result);
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(opened, c.opened);
  }
}

TEST(QtUiTest, AnApplicationIsListedForATypeOnlyByName) {
  const std::pair<const char*, bool> cases[] = {
      {"[MIME Cache]\napplication/pdf=org.gnome.Evince.desktop;\n", true},
      {"[Default Applications]\r\napplication/pdf=okular.desktop\r\n", true},
      {"[MIME Cache]\napplication/pdf=\n", false},
      {"[Removed Associations]\r\napplication/pdf=okular.desktop;\r\n", false},
      {"[Removed Associations]\napplication/pdf=a.desktop\n[Added Associations]\n"
       "application/pdf=b.desktop;\n",
       true},
      {"[Default Applications]\napplication/pdf=;\n", false},
      {"application/pdfx=viewer.desktop;\n", false},
      {"text/plain=application/pdf=viewer.desktop;\n", false},
      {"", false},
  };
  for (const auto& [text, listed] : cases) {
    EXPECT_EQ(platform::ListsApplicationFor(text, "application/pdf"), listed) << text;
  }
}

#if defined(Q_OS_LINUX)
// Sets an environment variable for as long as it lives, then puts back what it was.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~ScopedEnvironment() {
    if (had_) {
      qputenv(name_, old_);
    } else {
      qunsetenv(name_);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// With no association lists on the machine, the desktop's own xdg-mime decides: an
// application it names, with success, handles the type; a name with a failure, or success
// without a name, does not.
TEST(QtUiTest, TheDesktopHandlesATypeThatXdgMimeNamesAnApplicationFor) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkpath("bin") && QDir(folder.path()).mkpath("empty"));
  const QByteArray empty = QFile::encodeName(folder.filePath("empty"));
  ScopedEnvironment path("PATH", QFile::encodeName(folder.filePath("bin")) + ":" + qgetenv("PATH"));
  ScopedEnvironment dataHome("XDG_DATA_HOME", empty);
  ScopedEnvironment dataDirs("XDG_DATA_DIRS", empty);
  ScopedEnvironment configHome("XDG_CONFIG_HOME", empty);
  ScopedEnvironment configDirs("XDG_CONFIG_DIRS", empty);
  const std::pair<const char*, bool> cases[] = {
      {"echo viewer.desktop; exit 0", true},
      {"echo viewer.desktop; exit 1", false},
      {"exit 0", false},
  };
  for (const auto& [script, handles] : cases) {
    QFile tool(folder.filePath("bin/xdg-mime"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly | QIODevice::Truncate));
    tool.write(QByteArray("#!/bin/sh\n") + script + "\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(platform::SystemShell().handles("application/pdf"), handles) << script;
  }
}
#endif

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
