// The shipped pictures: every name the panels build is found in images/, decodes as a GIF
// and fits the box it is shown in; the symbols whose height decides what a panel shows have
// that height; and the two margin pictures whose absence hides the margin box are absent.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/pictures.h"
#include "platform/ui.h"

namespace {

namespace fs = std::filesystem;

struct Listed {
  std::string name, kind;
  int width = 0, hmin = 0, hmax = 0;
};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

class PictureSet : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = platform::ProgramFolder();
    root_ = fs::path(ORVALIS_TEST_DATA_DIR).parent_path().parent_path();
    platform::SetProgramFolder(root_.string());
  }
  void TearDown() override { platform::SetProgramFolder(saved_); }

  std::vector<Listed> Manifest() const {
    std::ifstream in(root_ / "tools" / "pictures" / "manifest.tsv");
    std::vector<Listed> rows;
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '#') continue;
      std::istringstream fields(line);
      Listed row;
      std::string w, lo, hi;
      std::getline(fields, row.name, '\t');
      std::getline(fields, row.kind, '\t');
      std::getline(fields, w, '\t');
      std::getline(fields, lo, '\t');
      std::getline(fields, hi, '\t');
      row.width = std::stoi(w), row.hmin = std::stoi(lo), row.hmax = std::stoi(hi);
      rows.push_back(row);
    }
    return rows;
  }

  static QImage Load(const std::string& name, QByteArray* format = nullptr) {
    QImageReader reader(QString::fromStdString(platform::PicturePath(name)));
    if (format) *format = reader.format();
    return reader.read();
  }

  std::string saved_;
  fs::path root_;
};

// The names the panels' code builds, from their codes, tags, sides and array indices (the
// test and distribution panels share some symbols, so a name may come twice).
std::set<std::string> BuiltNames() {
  std::vector<std::string> names;
  const std::vector<std::string> codes = {"MVC", "MVD", "VAR", "PRO", "2MC",
                                          "2MD", "2MI", "2VA", "2PR"};
  const std::vector<std::string> tags = {"DN", "DT", "DX", "DF"};
  for (const char* side : {"L", "B", "R"}) {
    for (const auto& tag : tags) names.push_back("CH_" + tag + side + ".gif");
    for (const auto& code : codes) names.push_back("CH_F" + code + side + ".gif");
  }
  for (const auto& tag : tags) names.push_back("IC_" + tag + ".GIF");
  for (const auto& code : codes) {
    names.push_back("IC_F" + code + ".GIF");
    if (code != "VAR" && code != "2VA") names.push_back("IC_E" + code + ".GIF");
  }
  for (const std::string tag : {"N", "T", "X", "F", "B", "P"}) {
    const bool discrete = tag == "B" || tag == "P";
    for (const char* mode : {"L", "R", "I", discrete ? "P" : "C"}) {
      names.push_back("DI_" + tag + mode + ".GIF");
      names.push_back("DI_F" + tag + mode + ".GIF");
    }
  }
  for (const char* model : {"LIN", "LOG", "EXP", "POT", "CUA"}) {
    names.push_back(std::string("EST_") + model + ".GIF");
  }
  const auto add = [&](const std::string& array, std::initializer_list<int> indices) {
    for (int i : indices) names.push_back(array + "_" + std::to_string(i) + ".gif");
  };
  for (int group : {0, 10, 20, 30, 40, 50}) add("ImgH0H1", {group, group + 1, group + 2});
  for (int base : {0, 10, 20, 30}) add("ImgPP", {base, base + 1, base + 2});
  for (int base : {10, 20, 30, 40, 50}) add("ImgPP", {base, base + 3, base + 4});
  add("ImgNMVP", {0, 1, 10, 11, 20, 21, 30, 31, 40, 41, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13});
  add("ImgIC", {0, 1, 2, 3, 4, 5});
  add("ImgIC_PAR", {0, 1, 2, 3, 4, 5, 6, 7, 8});
  add("ImgPESP", {5, 6, 8});
  add("ImgPAB", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
  add("ImgPABGRAF", {0, 1});
  names.push_back("ImgALFA2.gif");
  names.push_back("Img1MAlfa2.gif");
  return {names.begin(), names.end()};
}

TEST_F(PictureSet, EveryNameThePanelsBuildIsShippedAndListed) {
  std::set<std::string> listed;
  for (const auto& row : Manifest()) {
    if (row.kind != "absent") listed.insert(Lower(row.name));
  }
  const auto names = BuiltNames();
  EXPECT_EQ(names.size(), listed.size()) << "the manifest lists pictures no panel builds";
  for (const auto& name : names) {
    EXPECT_NE(platform::PicturePath(name), "") << name;
    EXPECT_EQ(listed.count(Lower(name)), 1u) << name << " is not in the manifest";
  }
  // Without these two the interval panel hides its margin box.
  for (const char* absent : {"IC_EVAR.GIF", "IC_E2VA.GIF"}) {
    EXPECT_EQ(platform::PicturePath(absent), "") << absent;
  }
}

TEST_F(PictureSet, EveryListedPictureDecodesAsGifAndFitsItsBox) {
  const auto rows = Manifest();
  ASSERT_GT(rows.size(), 200u);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.kind == "absent") {
      EXPECT_EQ(platform::PicturePath(row.name), "");
      continue;
    }
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
  struct Case {
    const char* name;
    int hmin, hmax;
  };
  const Case cases[] = {
      {"ImgNMVP_0.gif", 14, 17},  {"ImgNMVP_10.gif", 14, 17}, {"ImgNMVP_20.gif", 14, 17},
      {"ImgNMVP_30.gif", 14, 17}, {"ImgNMVP_40.gif", 14, 17}, {"ImgNMVP_1.gif", 42, 42},
      {"ImgNMVP_11.gif", 42, 42}, {"ImgNMVP_21.gif", 42, 42}, {"ImgNMVP_31.gif", 42, 42},
      {"ImgNMVP_41.gif", 42, 42}, {"ImgH0H1_0.gif", 42, 42},  {"ImgH0H1_52.gif", 42, 42},
      {"ImgPP_0.gif", 18, 18},    {"ImgPP_32.gif", 18, 18},   {"ImgIC_PAR_2.gif", 62, 62},
      {"ImgIC_PAR_7.gif", 73, 73}, {"ImgIC_PAR_0.gif", 32, 36}, {"ImgIC_PAR_1.gif", 32, 36},
      {"ImgIC_PAR_5.gif", 32, 36}, {"ImgIC_PAR_6.gif", 32, 36}, {"ImgIC_PAR_8.gif", 32, 36},
  };
  for (const auto& c : cases) {
    const QImage image = Load(c.name);
    ASSERT_FALSE(image.isNull()) << c.name;
    EXPECT_GE(image.height(), c.hmin) << c.name;
    EXPECT_LE(image.height(), c.hmax) << c.name;
  }
}

}  // namespace
