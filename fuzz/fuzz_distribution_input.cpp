// The probability-distribution panel from what the user types: the first two bytes choose
// the distribution and the region, the rest are the panel's five boxes (two parameters, the
// probability, two points), one per line. Calculate must never crash; it writes only into
// boxes the user left blank, and only a probability in [0, 1], finite points, and the ends of
// an interval in order; a refused request leaves every box as it was.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shared/program_state.h"
#include "numeric/numeric.h"
#include "platform/ui.h"
#include "probability/distribution_panel_core.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

// Answers every message with OK and counts them.
class QuietUi : public platform::Ui {
 public:
  platform::Answer MsgBox(const std::string&, platform::Buttons, platform::Icon,
                          const std::string&) override {
    ++messages;
    return platform::Answer::Ok;
  }
  std::optional<std::string> ShowOpen(const platform::FileDialogRequest&) override { return {}; }
  std::optional<std::string> ShowSave(const platform::FileDialogRequest&) override { return {}; }
  bool ShellOpen(const std::string&) override { return false; }
  void RunModal(platform::ModalWindow&) override {}
  void SetBusy(bool) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  int messages = 0;
};

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// The calculators take a probability or point box that reads as 1E+300 for a blank one and
// may answer into it; the parameters have no such mark.
bool CountsAsBlank(probability::BoxDI box, const std::string& text) {
  return Blank(text) ||
         (box >= probability::BoxDI::txt_PROB && LeerNumero(text) == probability::BlankDI);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using probability::BoxDI;
  if (size < 2) return 0;
  static QuietUi ui;
  platform::InstallUi(&ui);
  ui.messages = 0;

  std::array<std::string, probability::kBoxCount> typed;
  size_t box = 0;
  for (size_t i = 2; i < size && box < typed.size(); ++i) {
    if (data[i] == '\n') {
      ++box;
    } else {
      typed[box] += static_cast<char>(data[i]);
    }
  }

  shared::ProgramState frame;
  shared::FillDistributionTable(frame);
  probability::DistributionPanel panel(frame);
  panel.OptDI_Click(static_cast<int16_t>(data[0] % probability::kDistributionsShown));
  panel.OptSIDE_DI_Click(static_cast<int16_t>(data[1] % 4));
  // As typed, box by box, with the panel's own change handlers quiet: the combinations a
  // user reaches by typing in another order.
  frame.Updating = true;
  for (size_t i = 0; i < typed.size(); ++i) panel.SetText(static_cast<BoxDI>(i), typed[i]);
  frame.Updating = false;
  std::array<std::string, probability::kBoxCount> before;
  for (size_t i = 0; i < before.size(); ++i) before[i] = panel.Text(static_cast<BoxDI>(i));

  panel.Cmd_DICalcular_Click();

  // A box the calculators answered into: blank or marked before, another text now.
  auto answered = [&](BoxDI box) {
    const size_t i = static_cast<size_t>(box);
    const std::string& now = panel.Text(box);
    return ui.messages == 0 && CountsAsBlank(box, before[i]) && !now.empty() && now != before[i];
  };
  for (size_t i = 0; i < before.size(); ++i) {
    const std::string& now = panel.Text(static_cast<BoxDI>(i));
    if (ui.messages > 0 || !CountsAsBlank(static_cast<BoxDI>(i), before[i])) {
      Require(now == before[i], "a refused request or a filled box keeps its text");
      continue;
    }
    if (!answered(static_cast<BoxDI>(i))) continue;
    Require(now.find("nan") == std::string::npos && now.find("inf") == std::string::npos,
            "a result is a number");
    const double v = LeerNumero(now);
    // 1E+300 itself marks a blank box: every result lies below it.
    Require(std::isfinite(v) && v != NoValue && std::fabs(v) < probability::BlankDI,
            "a result is finite");
    if (static_cast<BoxDI>(i) == BoxDI::txt_PROB) {
      Require(v >= 0 && v <= 1, "a probability is in [0, 1]");
    }
  }
  const std::string& x1 = panel.Text(BoxDI::TxtPP1);
  const std::string& x2 = panel.Text(BoxDI::TxtPP2);
  if (probability::SecondPointShown(panel.Fields().TipoDI, panel.Fields().SideDI) &&
      answered(BoxDI::TxtPP1) && answered(BoxDI::TxtPP2)) {
    Require(LeerNumero(x1) <= LeerNumero(x2), "the ends of an interval are in order");
  }
  return 0;
}
