// The desktop of a benchmark: nothing measured may ask the user anything, so a message box
// aborts; the clipboard is kept in memory.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/ui.h"

namespace bench {

class BenchUi final : public platform::Ui {
 public:
  platform::Answer MsgBox(const std::string&, platform::Buttons, platform::Icon,
                          const std::string&) override {
    std::abort();
  }
  std::optional<std::string> ShowOpen(const platform::FileDialogRequest&) override { return {}; }
  std::optional<std::string> ShowSave(const platform::FileDialogRequest&) override { return {}; }
  bool ShellOpen(const std::string&) override { return false; }
  void RunModal(platform::ModalWindow&) override {}
  void SetBusy(bool) override {}
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }

  std::string clipboard;
};

}  // namespace bench
