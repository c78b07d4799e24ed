// Pictures are found whatever the case of their name. Of the shipped set: every name the
// panels build is found in images/, decodes as a GIF and fits the box it is shown in;
// nothing is shipped that no panel builds; and the two margin pictures whose absence hides
// the margin box are absent.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shared/program_state.h"
#include "inference/inference.h"
#include "platform/pictures.h"
#include "platform/ui.h"
#include "probability/distribution_panel_core.h"
#include "probability/events_ab.h"
#include "tables/model_captions.h"

namespace {

namespace fs = std::filesystem;

TEST(Pictures, FoundWhateverTheCaseOfTheirName) {
  const fs::path folder = fs::temp_directory_path() / "orvalis_pictures_test";
  fs::remove_all(folder);
  fs::create_directories(folder / "images" / "EST_LIN.GIF");  // a folder is no picture
  std::ofstream(folder / "images" / "ch_dnb.GIF") << "GIF89a";
  const std::string saved = platform::ProgramFolder();
  platform::SetProgramFolder(folder.string());
  const std::string found = (folder / "images" / "ch_dnb.GIF").string();
  const std::pair<const char*, std::string> cases[] = {
      {"CH_DNB.gif", found}, {"ch_dnb.GIF", found},           {"CH_DNL.gif", ""},
      {"EST_LIN.GIF", ""},   {"../images/ch_dnb.GIF", ""},    {"", ""}};
  for (const auto& [name, path] : cases) EXPECT_EQ(platform::PicturePath(name), path) << name;
  platform::SetProgramFolder((folder / "missing").string());
  EXPECT_EQ(platform::PicturePath("CH_DNB.gif"), "");
  platform::SetProgramFolder(saved);
  fs::remove_all(folder);
}

std::string Lower(const std::string& s) {
  return QString::fromStdString(s).toLower().toStdString();
}

// Every name the panels' own code can ask for, in lower case (the test and distribution
// panels share some symbols, so a name may come twice).
std::set<std::string> BuiltNames() {
  std::vector<std::string> names = inference::AllPictureNames();
  shared::ProgramState frame;
  shared::FillDistributionTable(frame);
  for (auto more : {probability::DistributionPictureNames(frame), probability::PicturesPAB(),
                    tables::FormulaPictureNames()}) {
    names.insert(names.end(), more.begin(), more.end());
  }
  // The parameter table also names the symbols of the two distributions no option shows.
  for (int i = 0; i < shared::kDistributionCount; ++i) {
    for (int16_t index : {frame.PicPar1IdxDI[i], frame.PicPar2IdxDI[i]}) {
      if (index != -1) names.push_back("ImgNMVP_" + std::to_string(index) + ".gif");
    }
  }
  std::set<std::string> lower;
  for (const auto& name : names) lower.insert(Lower(name));
  return lower;
}

// Looks in the source tree's images/ (the executable's folder holds none), against the
// manifest's kind, width and lowest and highest height of each picture (the height of a
// symbol decides whether a panel shows a second box beside it).
TEST(PictureSet, EveryNameThePanelsBuildIsShippedDecodesAndFitsItsBox) {
  const fs::path root = fs::path(ORVALIS_TEST_DATA_DIR).parent_path().parent_path();
  platform::SetProgramFolder(root.string());
  struct Box { std::string kind; int width = 0, hmin = 0, hmax = 0; };
  std::map<std::string, Box> manifest;
  std::ifstream in(root / "tools" / "pictures" / "manifest.tsv");
  for (std::string line, name; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Box box;  // no name or kind holds a blank
    EXPECT_TRUE(fields >> name >> box.kind >> box.width >> box.hmin >> box.hmax) << line;
    manifest[Lower(name)] = box;
  }
  ASSERT_GT(manifest.size(), 200u);
  const std::set<std::string> built = BuiltNames();
  int absent = 0;
  for (const std::string& name : built) {
    SCOPED_TRACE(name);
    const auto row = manifest.find(name);
    if (row == manifest.end()) {
      ADD_FAILURE() << "not in the manifest";
    } else if (row->second.kind == "absent") {
      // Without IC_EVAR.GIF and IC_E2VA.GIF the interval panel hides its margin box.
      ++absent;
      EXPECT_EQ(platform::PicturePath(name), "");
    } else {
      const QImage image(QString::fromStdString(platform::PicturePath(name)), "GIF");
      const Box& box = row->second;
      ASSERT_FALSE(image.isNull());
      EXPECT_TRUE(image.width() <= box.width && image.height() >= box.hmin &&
                  image.height() <= box.hmax)
          << image.width() << " × " << image.height();
    }
  }
  EXPECT_EQ(absent, 2);
  for (const auto& file : fs::directory_iterator(root / "images")) {
    if (file.path().filename().string()[0] == '.') continue;  // the folder's own keeper
    EXPECT_EQ(built.count(Lower(file.path().filename().string())), 1u)
        << file.path() << " is shipped for nothing";
  }
}

}  // namespace
