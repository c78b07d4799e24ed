// The desktop seam realised with Qt: message boxes, file dialogs, the desktop's "open",
// modal windows, the busy pointer, the clipboard, and QSettings as the settings store.
#pragma once

#include <QStringList>
#include <QUrl>
#include <functional>
#include <utility>

#include "platform/ui.h"

namespace platform {

// What the desktop answers when the program opens a file or an address. The desktop's
// opener reports success as soon as it has started, also when nothing can show the file,
// so files are opened only when some application takes their type.
struct DesktopShell {
  // Whether some application opens files of this MIME type ("application/pdf").
  std::function<bool(const std::string& mimeType)> handles;
  // Hands the address to the desktop's opener; false when it refused.
  std::function<bool(const QUrl& url)> open;
};

// The running desktop's answers: on Linux the default application that xdg-mime names, or
// any application that the desktop files' caches and mimeapps.list give for the type.
DesktopShell SystemShell();

// Whether the text of a mimeinfo.cache or mimeapps.list gives an application for mimeType
// ("application/pdf=viewer.desktop;").
bool ListsApplicationFor(const std::string& text, const std::string& mimeType);

class QtUi : public Ui {
 public:
  explicit QtUi(DesktopShell shell = SystemShell()) : shell_(std::move(shell)) {}
  Answer MsgBox(const std::string& text, Buttons buttons, Icon icon,
                const std::string& title) override;
  std::optional<std::string> ShowOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ShowSave(const FileDialogRequest& request) override;
  bool ShellOpen(const std::string& target) override;
  void RunModal(ModalWindow& window) override;
  void SetBusy(bool busy) override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;

 private:
  DesktopShell shell_;
};

// Settings kept by QSettings under the program's name: the section is a group, the key a
// value in it ("LastPath/Path").
class QtSettings : public Settings {
 public:
  std::string Get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& fallback) override;
  void Save(const std::string& app, const std::string& section, const std::string& key,
            const std::string& value) override;
};

// The Qt name filters of a "description|pattern|..." filter: each description becomes a
// name filter listing its patterns. "*.*" means every file, as it does on Windows.
QStringList QtNameFilters(const std::string& filter);

}  // namespace platform
