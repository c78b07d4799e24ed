// Pictures are found whatever the case of their name. Of the shipped set: every name the
// panels build is found in images/, decodes as a GIF and fits the box it is shown in;
// nothing is shipped that no panel builds; the two margin pictures whose absence hides the
// margin box are absent; no label or glyph is cut by its picture's edge; and the lines of a
// symbol keep apart.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QString>
#include <algorithm>
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

// A picture's ink: every pixel that is not the white behind it.
class Ink {
 public:
  explicit Ink(const QImage& image) : image_(image.convertToFormat(QImage::Format_RGB32)) {}
  bool At(int x, int y) const { return (image_.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF; }
  bool InRow(int y, int x0, int x1) const {
    for (int x = x0; x < x1; ++x) if (At(x, y)) return true;
    return false;
  }
  bool InColumn(int x, int y0, int y1) const {
    for (int y = y0; y < y1; ++y) if (At(x, y)) return true;
    return false;
  }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }

 private:
  QImage image_;
};

// The manifest's glyph boxes of a symbol's lines, "left,top,width,height" each, ";" between;
// none for a malformed list.
std::vector<QRect> GlyphBoxes(const std::string& glyphs) {
  std::vector<QRect> boxes;
  std::istringstream list(glyphs);
  for (std::string box; std::getline(list, box, ';');) {
    int left = 0, top = 0, bw = 0, bh = 0;
    char comma = 0;
    std::istringstream numbers(box);
    if (!(numbers >> left >> comma >> top >> comma >> bw >> comma >> bh)) {
      ADD_FAILURE() << "glyph box " << box;
      return {};
    }
    boxes.emplace_back(left, top, bw, bh);
  }
  return boxes;
}

// Graphs and formulas keep every label whole inside the frame: no ink on their outermost
// pixels. A symbol's height is the panel's and its glyphs may fill it, so the manifest gives
// the box each line's glyphs were typeset in: each box lies inside the picture with ink on
// all four of its sides (no glyph lost a row or a column), and nothing is drawn outside them.
TEST(PictureSet, LabelsStayInsideTheirFrameAndSymbolGlyphsWhole) {
  const fs::path root = fs::path(ORVALIS_TEST_DATA_DIR).parent_path().parent_path();
  std::ifstream in(root / "tools" / "pictures" / "manifest.tsv");
  int framed = 0, symbols = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name, kind, glyphs;
    int width = 0, hmin = 0, hmax = 0;
    ASSERT_TRUE(fields >> name >> kind >> width >> hmin >> hmax >> glyphs) << line;
    if (kind == "absent") continue;
    SCOPED_TRACE(name);
    const QImage image(QString::fromStdString((root / "images" / name).string()), "GIF");
    ASSERT_FALSE(image.isNull());
    const Ink ink(image);
    const int w = ink.Width(), h = ink.Height();
    if (kind != "symbol") {
      ++framed;
      EXPECT_FALSE(ink.InRow(0, 0, w) || ink.InRow(h - 1, 0, w) || ink.InColumn(0, 0, h) ||
                   ink.InColumn(w - 1, 0, h));
      continue;
    }
    ++symbols;
    const std::vector<QRect> boxes = GlyphBoxes(glyphs);
    ASSERT_FALSE(boxes.empty());
    for (const QRect& b : boxes) {
      ASSERT_TRUE(QRect(1, 0, w - 2, h).contains(b)) << "a glyph beyond the picture or its sides";
      EXPECT_TRUE(ink.InRow(b.top(), b.left(), b.right() + 1) &&
                  ink.InRow(b.bottom(), b.left(), b.right() + 1) &&
                  ink.InColumn(b.left(), b.top(), b.bottom() + 1) &&
                  ink.InColumn(b.right(), b.top(), b.bottom() + 1))
          << "a glyph lost an edge";
    }
    int outside = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool inBox = std::any_of(boxes.begin(), boxes.end(),
                                       [&](const QRect& b) { return b.contains(x, y); });
        outside += ink.At(x, y) && !inBox;
      }
    }
    EXPECT_EQ(outside, 0) << "ink outside the glyphs";
  }
  EXPECT_GT(framed, 100);
  EXPECT_GT(symbols, 50);
}

// The lines of a two-line symbol stand beside two boxes and must read apart: no ink of one
// line comes within 2 pixels (across, down or aslant) of ink of the next, so at least two
// white pixels part, say, the subscript 1 of one line from the superscript 2 below it. Ink
// where two boxes overlap belongs to both lines.
TEST(PictureSet, LinesOfASymbolKeepTwoWhitePixelsApart) {
  constexpr int kGap = 2;
  const fs::path root = fs::path(ORVALIS_TEST_DATA_DIR).parent_path().parent_path();
  std::ifstream in(root / "tools" / "pictures" / "manifest.tsv");
  int pairs = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name, kind, glyphs, number;
    ASSERT_TRUE(fields >> name >> kind >> number >> number >> number >> glyphs) << line;
    if (kind != "symbol") continue;
    const std::vector<QRect> boxes = GlyphBoxes(glyphs);
    if (boxes.size() < 2) continue;
    SCOPED_TRACE(name);
    const QImage image(QString::fromStdString((root / "images" / name).string()), "GIF");
    ASSERT_FALSE(image.isNull());
    const Ink ink(image);
    const QRect whole(0, 0, ink.Width(), ink.Height());
    auto inkOf = [&](const QRect& box, int x, int y) {
      return box.contains(x, y) && whole.contains(x, y) && ink.At(x, y);
    };
    for (size_t i = 0; i + 1 < boxes.size(); ++i) {
      ++pairs;
      const QRect& upper = boxes[i];
      const QRect lower = boxes[i + 1] & whole;
      int near = 0;
      for (int y = lower.top(); y <= lower.bottom(); ++y) {
        for (int x = lower.left(); x <= lower.right(); ++x) {
          if (!ink.At(x, y)) continue;
          for (int dy = -kGap; dy <= kGap; ++dy) {
            for (int dx = -kGap; dx <= kGap; ++dx) near += inkOf(upper, x + dx, y + dy);
          }
        }
      }
      EXPECT_EQ(near, 0) << "line " << i + 1 << " touches line " << i + 2;
    }
  }
  // ImgH0H1 (18), the two-sample ImgNMVP (5) and the two percentage points of ImgIC_PAR (2).
  EXPECT_EQ(pairs, 25);
}

}  // namespace
