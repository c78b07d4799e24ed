// The distribution panel's core asked as a user asks it: a distribution and a mode chosen,
// the five boxes typed with the change handlers quiet, Calculate pressed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "probability/distribution_panel_core.h"
#include "shared/program_state.h"
#include "support/scripted_ui.h"

namespace testing_support {

using DistributionBoxes = std::array<std::string, probability::kBoxCount>;

// The five boxes after Calculate; a message other than the one expected fails the test, and
// messages receives how many were shown.
inline DistributionBoxes Request(int16_t tipo, int16_t side, const DistributionBoxes& typed,
                                 int& messages, const char* expected = nullptr) {
  shared::ProgramState frame;
  shared::FillDistributionTable(frame);
  probability::DistributionPanel panel(frame);
  panel.OptDI_Click(tipo);
  panel.OptSIDE_DI_Click(side);
  frame.Updating = true;
  for (size_t i = 0; i < typed.size(); ++i) {
    panel.SetText(static_cast<probability::BoxDI>(i), typed[i]);
  }
  frame.Updating = false;
  ScriptedUi ui;
  if (expected != nullptr) ui.ExpectMsgBox(expected, platform::Answer::Ok);
  panel.Cmd_DICalcular_Click();
  messages = static_cast<int>(ui.Transcript().size());
  DistributionBoxes now;
  for (size_t i = 0; i < now.size(); ++i) now[i] = panel.Text(static_cast<probability::BoxDI>(i));
  return now;
}

// A distribution by its letter (of "NTXFBP") and a mode by its tag ("L", "R", "I", "C", or
// "P" for Point), as the reference files under tests/data name them.
inline DistributionBoxes Request(const std::string& dist, const std::string& mode,
                                 const DistributionBoxes& typed, int& messages,
                                 const char* expected = nullptr) {
  const auto tipo = static_cast<int16_t>(std::string("NTXFBP").find(dist));
  const auto side = static_cast<int16_t>(mode == "P" ? 3 : std::string("LRIC").find(mode));
  return Request(tipo, side, typed, messages, expected);
}

}  // namespace testing_support
