// The desktop seam realised with Qt: message boxes, file dialogs, the desktop's "open",
// modal windows, the busy pointer, the clipboard, and QSettings as the settings store.
#pragma once

#include <QStringList>

#include "platform/ui.h"

namespace platform {

class QtUi : public Ui {
 public:
  Answer MsgBox(const std::string& text, Buttons buttons, Icon icon,
                const std::string& title) override;
  std::optional<std::string> ShowOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ShowSave(const FileDialogRequest& request) override;
  bool ShellOpen(const std::string& target) override;
  void RunModal(ModalWindow& window) override;
  void SetBusy(bool busy) override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
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
