// The distribution panel on short intervals and at the ends of what its boxes accept: the
// cases of tests/data/short_intervals.tsv (tools/distribution_cases.py, mpmath at 50 digits,
// every tail from its own side and a short interval's region from the density), replayed
// through the panel's core. They hold intervals a hair wide across the centre and far out,
// the end that closes an interval of P = 1E-16 or a subnormal P, centred intervals from a
// point whose tail P cannot show (or that lies below the doubles), a standard deviation of
// 5E-324 or 1E+300, degrees of freedom up to 2147483647, and the binomial up to 2^53 trials
// and refused beyond.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "numeric/numeric.h"
#include "probability/distribution_panel_core.h"
#include "shared/program_state.h"
#include "support/reference_rows.h"
#include "support/scripted_ui.h"

namespace {

using probability::BoxDI;
using Five = std::array<std::string, probability::kBoxCount>;

// The five boxes after Calculate on the typed texts; a refusal must say "Invalid data" and
// leave every box as typed.
Five Calculate(const std::string& dist, const std::string& mode, const Five& typed, bool refused) {
  shared::ProgramState frame;
  shared::FillDistributionTable(frame);
  probability::DistributionPanel panel(frame);
  panel.OptDI_Click(static_cast<int16_t>(std::string("NTXFBP").find(dist)));
  panel.OptSIDE_DI_Click(static_cast<int16_t>(mode == "P" ? 3 : std::string("LRIC").find(mode)));
  frame.Updating = true;
  for (size_t i = 0; i < typed.size(); ++i) panel.SetText(static_cast<BoxDI>(i), typed[i]);
  frame.Updating = false;
  testing_support::ScriptedUi ui;
  if (refused) ui.ExpectMsgBox("Invalid data", platform::Answer::Ok, "", platform::Icon::None);
  panel.Cmd_DICalcular_Click();
  EXPECT_EQ(ErrorFlag, refused ? 1 : 0);
  EXPECT_FALSE(frame.Updating);
  Five now;
  for (size_t i = 0; i < now.size(); ++i) now[i] = panel.Text(static_cast<BoxDI>(i));
  return now;
}

TEST(ShortIntervals, ReferenceCasesGiveTheirBoxes) {
  int cases = 0, refusals = 0;
  for (const auto& f : testing_support::ReferenceRows("short_intervals.tsv")) {
    SCOPED_TRACE(testing::PrintToString(f));
    const bool refused = f.back() == "Invalid data";
    ASSERT_EQ(f.size(), refused ? 9u : 11u);
    const Five typed = {f[2], f[3], f[4], f[5], f[6]};
    const Five expected = refused ? typed : Five{f[2], f[3], f[8], f[9], f[10]};
    EXPECT_EQ(Calculate(f[0], f[1], typed, refused), expected);
    ++cases;
    refusals += refused ? 1 : 0;
  }
  EXPECT_GT(cases, 60);
  EXPECT_GT(refusals, 3);
  EXPECT_LT(refusals, 10);
}

}  // namespace
