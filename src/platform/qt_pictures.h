#pragma once

#include <string>

class QLabel;

namespace platform {

// Shows the picture called name (looked up as PicturePath does) in label; a missing or
// unreadable file leaves the label empty.
void ShowPicture(QLabel* label, const std::string& name);

}  // namespace platform
