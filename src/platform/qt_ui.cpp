#include "platform/qt_ui.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <sstream>

namespace platform {
namespace {

constexpr const char* kProgramName = "Orvalis";

QWidget* DialogParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

QMessageBox::Icon QtIcon(Icon icon) {
  switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok: break;
  }
  return QMessageBox::Ok;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save,
                                         bool askBeforeReplacing = true) {
  QFileDialog dialog(DialogParent(), QString::fromStdString(request.title),
                     QString::fromStdString(request.initDir));
  dialog.setObjectName("dlgCommonDialog");
  // The desktop's own dialog cannot be driven without a screen.
  if (QGuiApplication::platformName() == "offscreen") {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
  }
  const QStringList filters = QtNameFilters(request.filter);
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!askBeforeReplacing) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first().toStdString();
}

bool ConfirmReplace(const std::string& path, const std::string& title) {
  QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
                  QFileInfo(QString::fromStdString(path)).fileName() +
                      " already exists.\nDo you want to replace it?",
                  QMessageBox::Yes | QMessageBox::No, DialogParent());
  box.setObjectName("MsgBox");
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == "*.*") pattern = "*";
    }
    const QString qtPatterns = patterns.join(' ');
    // Qt reads the patterns from the parentheses that end the description.
    static const QRegularExpression kTrailingPatterns(R"(\s*\([^()]*\)\s*$)");
    const QRegularExpressionMatch match = kTrailingPatterns.match(description);
    if (match.hasMatch()) {
      const QString spacing = match.captured(0).left(match.captured(0).indexOf('('));
      description = description.left(match.capturedStart()) + spacing + "(" + qtPatterns + ")";
    } else {
      description += " (" + qtPatterns + ")";
    }
    result << description;
  }
  return result;
}

Answer QtUi::MsgBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
  // "\r\n" in a message is one line break.
  QString message = QString::fromStdString(text);
  message.replace("\r\n", "\n");
  QMessageBox box(QtIcon(icon), QString::fromStdString(title.empty() ? kProgramName : title),
                  message, QtButtons(buttons), DialogParent());
  box.setObjectName("MsgBox");
  // Plain text: a name such as "<noname>" must show as it is, not as markup.
  box.setTextFormat(Qt::PlainText);
  if (buttons == Buttons::YesNoCancel || buttons == Buttons::OkCancel) {
    box.setEscapeButton(QMessageBox::Cancel);
  } else if (buttons == Buttons::Ok) {
    box.setEscapeButton(QMessageBox::Ok);
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: break;
  }
  return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> QtUi::ShowOpen(const FileDialogRequest& request) {
  return RunFileDialog(request, false);
}

std::optional<std::string> QtUi::ShowSave(const FileDialogRequest& request) {
  if (request.extension.empty()) return RunFileDialog(request, true);
  // The dialog itself would ask about the name as typed, before its ending is added; the
  // question belongs to the name the file is written under. No goes back to the dialog.
  FileDialogRequest again = request;
  for (;;) {
    const std::optional<std::string> chosen = RunFileDialog(again, true, false);
    if (!chosen) return std::nullopt;
    const std::string name = WithExtension(*chosen, request.extension);
    if (!QFileInfo::exists(QString::fromStdString(name)) || ConfirmReplace(name, request.title)) {
      return name;
    }
    again.fileName = name;
  }
}

bool ListsApplicationFor(const std::string& text, const std::string& mimeType) {
  std::istringstream lines(text);
  std::string line;
  const std::string key = mimeType + "=";
  bool removed = false;  // inside mimeapps.list's [Removed Associations]
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind('[', 0) == 0) removed = line == "[Removed Associations]";
    if (removed || line.rfind(key, 0) != 0) continue;
    // "type=" alone, or only separators, names nothing.
    if (line.find_first_not_of("; \t", key.size()) != std::string::npos) return true;
  }
  return false;
}

DesktopShell SystemShell() {
  DesktopShell shell;
  shell.open = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
#if defined(Q_OS_LINUX)
  shell.handles = [](const std::string& mimeType) {
    QProcess query;
    query.start("xdg-mime", {"query", "default", QString::fromStdString(mimeType)});
    if (query.waitForFinished(5000) && query.exitCode() == 0 &&
        !query.readAllStandardOutput().trimmed().isEmpty()) {
      return true;
    }
    QStringList files;
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
      files << folder + "/mimeinfo.cache" << folder + "/mimeapps.list";
    }
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
      files << folder + "/mimeapps.list";
    }
    for (const QString& name : files) {
      QFile file(name);
      if (!file.open(QIODevice::ReadOnly)) continue;
      if (ListsApplicationFor(file.readAll().toStdString(), mimeType)) return true;
    }
    return false;
  };
#else
  // Elsewhere the opener's own answer tells.
  shell.handles = [](const std::string&) { return true; };
#endif
  return shell;
}

bool QtUi::ShellOpen(const std::string& target) {
  const QString text = QString::fromStdString(target);
  if (text.startsWith('/')) {
    // The desktop's opener reports success for a file that is not there, and for one that
    // no application shows.
    if (!QFileInfo(text).isFile()) return false;
    const QString type = QMimeDatabase().mimeTypeForFile(text).name();
    if (!shell_.handles(type.toStdString())) return false;
    return shell_.open(QUrl::fromLocalFile(text));
  }
  return shell_.open(QUrl(text));
}

void QtUi::RunModal(ModalWindow& window) { window.ExecModal(); }

void QtUi::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

std::string QtUi::ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

void QtUi::SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtSettings::Get(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& fallback) {
  const QString name = QString::fromStdString(app);
  QSettings settings(name, name);
  return settings
      .value(QString::fromStdString(section + "/" + key), QString::fromStdString(fallback))
      .toString()
      .toStdString();
}

void QtSettings::Save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) {
  const QString name = QString::fromStdString(app);
  QSettings settings(name, name);
  settings.setValue(QString::fromStdString(section + "/" + key), QString::fromStdString(value));
  settings.sync();
}

}  // namespace platform
