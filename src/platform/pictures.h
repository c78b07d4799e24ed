// The pictures the panels show beside their results: GIF files in "images/" beside the
// program. Names are matched without regard to case, as the file system the picture
// names were chosen on did, so "CH_DNB.gif" finds "ch_dnb.GIF".
#pragma once

#include <string>

namespace platform {

// The full path of the picture called name in the program's "images/" folder, or the empty
// text when there is none.
std::string PicturePath(const std::string& name);

}  // namespace platform
