// The seam between the program and the desktop: message boxes, file dialogs, the shell,
// modal windows, the busy pointer and the clipboard. Only standard types cross it, so
// that plain C++ code can ask a question, and tests can answer it without a screen.
#pragma once

#include <optional>
#include <string>

namespace platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No };

// A file dialog request. filter holds description|pattern pairs separated by "|"
// ("One variable statistic (*.e1v)|*.e1v|All files (*.*)|*.*"); the first pair is
// selected when the dialog opens.
struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string initDir;
  std::string fileName;
  // Save only: the ending every saved name has (".e1v"); see WithExtension. The question
  // before replacing a file asks about the name with its ending. Empty keeps names as chosen.
  std::string extension;
};

// The name a file is saved under: name itself when it ends in extension, in any case ("a.E1V"
// for ".e1v"), otherwise name with extension appended ("grouped" -> "grouped.e1v"), so that
// Open finds the file again under its filter and by its kind.
std::string WithExtension(const std::string& name, const std::string& extension);

// A window shown modally: the caller waits until it closes.
class ModalWindow {
 public:
  virtual ~ModalWindow() = default;
  // The window's name, as tests expect it ("FormGraficador", "frmImprimir", ...).
  virtual std::string ModalName() const = 0;
  // Shows the window and returns when it has closed.
  virtual void ExecModal() = 0;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // An empty title shows the program's name. Closing a box that has a Cancel button
  // answers Cancel.
  virtual Answer MsgBox(const std::string& text, Buttons buttons, Icon icon,
                        const std::string& title) = 0;

  // The chosen file's full path, or nothing when the user cancelled.
  // Open asks for an existing file; Save asks before replacing one.
  virtual std::optional<std::string> ShowOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ShowSave(const FileDialogRequest& request) = 0;

  // Opens a file, a web address or a mailto: link with the desktop's handler.
  // False when it could not be opened.
  virtual bool ShellOpen(const std::string& target) = 0;

  virtual void RunModal(ModalWindow& window) = 0;

  // The hourglass pointer over the program's windows during a long file operation.
  virtual void SetBusy(bool busy) = 0;

  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;
};

// The per-user settings store.
class Settings {
 public:
  virtual ~Settings() = default;
  virtual std::string Get(const std::string& app, const std::string& section,
                          const std::string& key, const std::string& fallback) = 0;
  virtual void Save(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& value) = 0;
};

// The process-wide seam. The program installs the Qt realisation at start-up; tests
// install a scripted one. Neither pointer is owned.
Ui& CurrentUi();
Ui* InstalledUi();  // nullptr before one is installed
void InstallUi(Ui* ui);
Settings& CurrentSettings();
Settings* InstalledSettings();
void InstallSettings(Settings* settings);

// The folder the program runs from (where "images/" and the manual live), without a
// trailing "/". Set at start-up; tests point it at a temporary folder.
const std::string& ProgramFolder();
void SetProgramFolder(const std::string& folder);

// Restores the default pointer when a busy section ends, also when it ends early.
class BusyPointer {
 public:
  BusyPointer() { CurrentUi().SetBusy(true); }
  ~BusyPointer() { CurrentUi().SetBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace platform
