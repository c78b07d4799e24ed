#include "frame/help_menu.h"

#include "frame/maker.h"
#include "platform/ui.h"

namespace frame {
namespace {

void OpenOrSay(const std::string& target, const std::string& failure, const std::string& title) {
  platform::Ui& ui = platform::CurrentUi();
  if (!ui.ShellOpen(target)) {
    ui.MsgBox(failure, platform::Buttons::Ok, platform::Icon::Exclamation, title);
  }
}

void OpenMakerPage(const std::string& page) {
  OpenOrSay(page, std::string("Sorry, cannot connect to ") + kMakerWeb, kProgramName);
}

}  // namespace

std::string VersionText() {
  return "Version: " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

std::string ManualPath() { return platform::ProgramFolder() + "/Manual_" + kProductCode + ".pdf"; }

void mnu_Ayuda_Manual_Click() {
  const std::string path = ManualPath();
  OpenOrSay(path, "Cannot find/open file " + path, "Error");
}

void mnu_Ayuda_WEB_Click() { OpenMakerPage(kMakerHomePage); }
void mnu_Ayuda_DONA_Click() { OpenMakerPage(kMakerDonationPage); }
void LblWEB_Click() { OpenMakerPage(kMakerHomePage); }

void LlblMAIL_Click() {
  OpenOrSay(std::string("mailto:") + kMakerMail,
            "Sorry, cannot found your email client application.", kProgramName);
}

}  // namespace frame
