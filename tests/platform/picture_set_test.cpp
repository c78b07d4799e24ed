// Pictures are found whatever the case of their name. Of the shipped set: every name the
// panels build is found in images/, decodes as a GIF and fits the box it is shown in; the
// symbols whose height decides what a panel shows have that height; and the two margin
// pictures whose absence hides the margin box are absent.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QString>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "frame/frame_state.h"
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

struct Listed {
  std::string name, kind;
  int width = 0, hmin = 0, hmax = 0;
};

std::string Lower(const std::string& s) {
  return QString::fromStdString(s).toLower().toStdString();
}

// Each test looks in the source tree's images/ (the executable's folder holds none).
class PictureSet : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetProgramFolder(root_.string()); }
  const fs::path root_ = fs::path(ORVALIS_TEST_DATA_DIR).parent_path().parent_path();

  std::vector<Listed> Manifest() const {  // name, kind, width, lowest and highest height
    std::ifstream in(root_ / "tools" / "pictures" / "manifest.tsv");
    std::vector<Listed> rows;
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '#') continue;
      std::istringstream fields(line);
      Listed row;
      std::getline(fields, row.name, '\t');
      std::getline(fields, row.kind, '\t');
      EXPECT_TRUE(fields >> row.width >> row.hmin >> row.hmax) << line;
      rows.push_back(row);
    }
    return rows;
  }

  static QImage Load(const std::string& name, QByteArray* format = nullptr) {
    QImageReader reader(QString::fromStdString(platform::PicturePath(name)));
    if (format) *format = reader.format();
    return reader.read();
  }
};

// Every name the panels' own code can ask for (the test and distribution panels share some
// symbols, so a name may come twice).
std::set<std::string> BuiltNames() {
  std::vector<std::string> names = inference::AllPictureNames();
  frame::FrameState frame;
  frame::FillDistributionTable(frame);
  for (auto more : {probability::DistributionPictureNames(frame), probability::PicturesPAB(),
                    tables::FormulaPictureNames()}) {
    names.insert(names.end(), more.begin(), more.end());
  }
  // The parameter table also names the symbols of the two distributions no option shows.
  for (int i = 0; i < frame::kDistributionCount; ++i) {
    for (int16_t index : {frame.PicPar1IdxDI[i], frame.PicPar2IdxDI[i]}) {
      if (index != -1) names.push_back("ImgNMVP_" + std::to_string(index) + ".gif");
    }
  }
  return {names.begin(), names.end()};
}

TEST_F(PictureSet, EveryNameThePanelsBuildIsShippedAndListed) {
  // Absent rows are names a panel asks for on purpose: without IC_EVAR.GIF and IC_E2VA.GIF
  // the interval panel hides its margin box.
  std::set<std::string> listed, absent;
  for (const auto& row : Manifest()) (row.kind == "absent" ? absent : listed).insert(Lower(row.name));
  std::set<std::string> built;
  for (const auto& name : BuiltNames()) {
    built.insert(Lower(name));
    if (absent.count(Lower(name))) {
      EXPECT_EQ(platform::PicturePath(name), "") << name;
    } else {
      EXPECT_NE(platform::PicturePath(name), "") << name;
      EXPECT_EQ(listed.count(Lower(name)), 1u) << name << " is not in the manifest";
    }
  }
  EXPECT_EQ(absent.size(), 2u);
  for (const auto& name : listed) EXPECT_EQ(built.count(name), 1u) << name << " is built by no panel";
}

TEST_F(PictureSet, EveryListedPictureDecodesAsGifAndFitsItsBox) {
  const auto rows = Manifest();
  ASSERT_GT(rows.size(), 200u);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.kind == "absent") continue;  // checked with the names the panels build
    QByteArray format;
    const QImage image = Load(row.name, &format);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(format, "gif");
    EXPECT_LE(image.width(), row.width);
    EXPECT_GE(image.height(), row.hmin);
    EXPECT_LE(image.height(), row.hmax);
    // White background: the corners of every picture are white.
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1) & 0xFFFFFFu, 0xFFFFFFu);
  }
}

// The panels show or hide a second box from the height of the symbol beside the first.
TEST_F(PictureSet, SymbolHeightsThatDecideThePanelsLayout) {
  const std::tuple<const char*, int, int> cases[] = {
      {"ImgNMVP_0.gif", 14, 17},  {"ImgNMVP_10.gif", 14, 17}, {"ImgNMVP_20.gif", 14, 17},
      {"ImgNMVP_30.gif", 14, 17}, {"ImgNMVP_40.gif", 14, 17}, {"ImgNMVP_1.gif", 42, 42},
      {"ImgNMVP_11.gif", 42, 42}, {"ImgNMVP_21.gif", 42, 42}, {"ImgNMVP_31.gif", 42, 42},
      {"ImgNMVP_41.gif", 42, 42}, {"ImgH0H1_0.gif", 42, 42},  {"ImgH0H1_52.gif", 42, 42},
      {"ImgPP_0.gif", 18, 18},    {"ImgPP_32.gif", 18, 18},   {"ImgIC_PAR_2.gif", 62, 62},
      {"ImgIC_PAR_7.gif", 73, 73}, {"ImgIC_PAR_0.gif", 32, 36}, {"ImgIC_PAR_1.gif", 32, 36},
      {"ImgIC_PAR_5.gif", 32, 36}, {"ImgIC_PAR_6.gif", 32, 36}, {"ImgIC_PAR_8.gif", 32, 36},
  };
  for (const auto& [name, hmin, hmax] : cases) {
    const int height = Load(name).height();
    EXPECT_TRUE(height >= hmin && height <= hmax) << name << " is " << height << " high";
  }
}

}  // namespace
