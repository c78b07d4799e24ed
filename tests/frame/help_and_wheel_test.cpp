#include <gtest/gtest.h>

#include "shared/program_state.h"
#include "frame/help_menu.h"
#include "frame/wheel.h"
#include "support/scripted_ui.h"

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testing_support::ScriptedUi;

// The splash's web link is the Help menu's home page, driven by the splash test.
TEST(HelpMenuTest, EachLinkReportsItsOwnFailure) {
  platform::SetProgramFolder("/opt/orvalis/");  // a slash at the end is not doubled
  struct Case {
    void (*command)();
    const char* target;
    const char* failure;
    const char* title;
  };
  const Case cases[] = {
      {frame::mnu_Ayuda_Manual_Click, "/opt/orvalis/Manual_ORVA.pdf",
       "Cannot find/open file /opt/orvalis/Manual_ORVA.pdf", "Error"},
      {frame::mnu_Ayuda_WEB_Click, "https://www.orvalis.example.org/",
       "Sorry, cannot connect to www.orvalis.example.org", "Orvalis"},
      {frame::mnu_Ayuda_DONA_Click, "https://www.orvalis.example.org/donate.html",
       "Sorry, cannot connect to www.orvalis.example.org", "Orvalis"},
      {frame::LlblMAIL_Click, "mailto:orvalis@example.org",
       "Sorry, cannot found your email client application.", "Orvalis"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    ScriptedUi ui;
    ui.ExpectShellOpen(c.target, true);
    c.command();  // opened: nothing to say
    ui.ExpectShellOpen(c.target, false);
    ui.ExpectMsgBox(c.failure, Answer::Ok, std::string(c.title), Icon::Exclamation, Buttons::Ok);
    c.command();
  }
}

TEST(WheelTest, OneSmallChangePerMessageStoppingAtTheEnds) {
  struct Case {
    int32_t value, min, max, small, rotation, expected;
  };
  const Case cases[] = {
      {5, 1, 30, 1, 120, 4},  {5, 1, 30, 1, -120, 6}, {5, 1, 30, 1, 1, 4},    {5, 1, 30, 1, 0, 6},
      {1, 1, 30, 1, 120, 1},  {30, 1, 30, 1, -120, 30}, {5, 1, 30, 3, 120, 2}, {2, 1, 30, 3, 120, 1},
      {29, 1, 30, 3, -360, 30}, {1, 1, 1, 1, 120, 1}, {1, 1, 1, 1, -120, 1},
      // A bar whose Min lies above its Max, as the total-probability bar (9 down to 2).
      {5, 9, 2, 1, 120, 6},   {9, 9, 2, 1, 120, 9},   {3, 9, 2, 1, -120, 2},  {2, 9, 2, 1, -120, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(frame::WheelStep(c.value, c.min, c.max, c.small, c.rotation), c.expected)
        << c.value << " in " << c.min << ".." << c.max << " by " << c.rotation;
  }
}

TEST(WheelTest, NotchesAddUpFineDistances) {
  struct Case {
    std::vector<int32_t> deltas;
    std::vector<int> notches;
  };
  const Case cases[] = {
      {{120, -120}, {1, -1}},
      {{240}, {2}},
      {{40, 40, 40, 40}, {0, 0, 1, 0}},
      {{-60, -60, -60}, {0, -1, 0}},
      // Turning back forgets the part-notch of the other direction.
      {{100, -30, -90}, {0, 0, -1}},
  };
  for (const Case& c : cases) {
    frame::WheelNotches wheel;
    std::vector<int> got;
    for (int32_t delta : c.deltas) got.push_back(wheel.Add(delta));
    EXPECT_EQ(got, c.notches);
  }
}

}  // namespace
