#pragma once

#include <QSize>
#include <string>

class QLabel;
class QWidget;

namespace platform {

// Shows the picture called name (looked up as PicturePath does) in label; a missing or
// unreadable file leaves the label empty. A picture larger than a valid fit is scaled
// down, keeping its proportions, so that it stays inside the frame it is centred in.
void ShowPicture(QLabel* label, const std::string& name, QSize fit = {});

// A frame that pictures are centred in takes their white background, so that a picture
// smaller than its frame does not stand out as a white patch.
void SetPictureBackground(QWidget* frame);

}  // namespace platform
