#pragma once

#include <string>

class QLabel;
class QWidget;

namespace platform {

// Shows the picture called name (looked up as PicturePath does) in label, pixel for pixel:
// pictures are drawn at the size they are shown at, and scaling would only blur them. A
// missing or unreadable file leaves the label empty.
void ShowPicture(QLabel* label, const std::string& name);

// A frame that pictures are centred in takes their white background, so that a picture
// smaller than its frame does not stand out as a white patch.
void SetPictureBackground(QWidget* frame);

}  // namespace platform
