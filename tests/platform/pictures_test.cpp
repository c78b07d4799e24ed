#include "platform/pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/ui.h"

namespace {

namespace fs = std::filesystem;

TEST(Pictures, FoundWhateverTheCaseOfTheirName) {
  const fs::path folder = fs::temp_directory_path() / "orvalis_pictures_test";
  fs::remove_all(folder);
  fs::create_directories(folder / "images");
  std::ofstream(folder / "images" / "ch_dnb.GIF") << "GIF89a";
  fs::create_directories(folder / "images" / "EST_LIN.GIF");  // a folder is no picture
  const std::string saved = platform::ProgramFolder();
  platform::SetProgramFolder(folder.string());

  const std::string found = (folder / "images" / "ch_dnb.GIF").string();
  EXPECT_EQ(platform::PicturePath("CH_DNB.gif"), found);
  EXPECT_EQ(platform::PicturePath("ch_dnb.GIF"), found);
  EXPECT_EQ(platform::PicturePath("CH_DNL.gif"), "");
  EXPECT_EQ(platform::PicturePath("EST_LIN.GIF"), "");
  EXPECT_EQ(platform::PicturePath("../images/ch_dnb.GIF"), "");
  EXPECT_EQ(platform::PicturePath(""), "");

  platform::SetProgramFolder((folder / "missing").string());
  EXPECT_EQ(platform::PicturePath("CH_DNB.gif"), "");

  platform::SetProgramFolder(saved);
  fs::remove_all(folder);
}

}  // namespace
