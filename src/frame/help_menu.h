// The Help menu's and the About window's links: the user's manual, the maker's pages and
// mail. Each goes through the desktop's "open" and reports a failure in a message box.
#pragma once

#include <string>

namespace frame {

// "Version: 1.7".
std::string VersionText();

// The manual "Manual_ORVA.pdf" in the program's folder.
std::string ManualPath();

void mnu_Ayuda_Manual_Click();
void mnu_Ayuda_WEB_Click();
void mnu_Ayuda_DONA_Click();
// The About window's two links.
void LblWEB_Click();
void LlblMAIL_Click();

}  // namespace frame
