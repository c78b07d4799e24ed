// A desktop that answers every box with OK and holds the clipboard in memory: the fuzz
// targets drive the readers as the program does, without a screen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"
#include "tables/table_data.h"

namespace fuzz {

class QuietUi : public platform::Ui {
 public:
  platform::Answer MsgBox(const std::string& text, platform::Buttons, platform::Icon,
                          const std::string&) override;
  std::optional<std::string> ShowOpen(const platform::FileDialogRequest&) override;
  std::optional<std::string> ShowSave(const platform::FileDialogRequest&) override;
  bool ShellOpen(const std::string&) override { return false; }
  void RunModal(platform::ModalWindow&) override {}
  void SetBusy(bool) override {}
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }

  std::string clipboard;
  std::string lastMessage;
  int messages = 0;
};

// Installs one QuietUi for the whole run and returns it with its message count cleared.
QuietUi& Ui();

// Stops the run (libFuzzer reports it as a crash with the input) when a property fails.
void Require(bool holds, const char* what);

// The rows a table holds, with its count and kind, for comparing two tables.
struct Rows {
  int32_t n = 0;
  int16_t kind = 0;
  std::vector<double> cells;  // rows 1..n, three columns each, in row order
  bool operator==(const Rows&) const = default;
};
Rows RowsOf(const tables::Table1V& table);
Rows RowsOf(const tables::Table2V& table);

// True when every array element outside rows 1..N is empty, as every part of the program
// assumes.
bool OutsideRowsEmpty(const tables::Table1V& table);
bool OutsideRowsEmpty(const tables::Table2V& table);

}  // namespace fuzz
