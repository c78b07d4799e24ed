// The nine types of both panels, their boxes and pictures, the readers and the level pair.
#include <cstddef>

#include "inference/inference.h"
#include "numeric/numeric.h"

namespace inference {

const std::array<OptionDesign, kTypeCount> kOptions = {{
    {"Mean (known variance)", "DN"},
    {"Mean (unknown variance)", "DT"},
    {"Variance", "DX"},
    {"Ratio", "DN"},
    {"Mean difference (known variances)", "DN"},
    {"Mean difference (unknown and different variances)", "DT"},
    {"Mean difference (unknown and equal variances)", "DT"},
    {"Variance ratio", "DF"},
    {"Ratio difference", "DN"},
}};

void FillTypeTable(TypeTable& t) {
  t.CodeCH = {"MVC", "MVD", "VAR", "PRO", "2MC", "2MD", "2MI", "2VA", "2PR"};
  t.PicGroupH0 = {0, 0, 20, 10, 30, 30, 30, 40, 50};
  t.TwoSamples = {0, 0, 0, 0, 1, 1, 1, 1, 1};
  t.PicMeanIdx = {10, 10, -1, 40, 11, 11, 11, -1, 41};
  t.PicVarIdx = {20, 30, 30, -1, 21, 31, 31, 31, -1};
  t.PicParamIdx = {0, 0, 2, 1, 3, 3, 3, 4, 5};
  t.LabelSize = {"Sample size",  "Sample size",  "Sample size",  "Sample size", "Samples size",
                 "Samples size", "Samples size", "Samples size", "Samples size"};
  t.LabelMean = {"Sample mean",  "Sample mean",  "", "Sample ratio", "Samples mean",
                 "Samples mean", "Samples mean", "", "Samples ratio"};
  t.LabelVar = {"Population variance",  "Sample variance",  "Sample variance",
                "",                     "Populations variance", "Samples variance",
                "Samples variance",     "Samples variance", ""};
  t.LabelParam = {"Population mean",
                  "Population mean",
                  "Population variance",
                  "Population ratio",
                  "Population mean difference",
                  "Population mean difference",
                  "Population mean difference",
                  "Population variance ratio",
                  "Population ratio difference"};
}

Boxes VisibleBoxes(const TypeTable& table, int16_t type) {
  Boxes b;
  const bool two = table.TwoSamples[type] == 1;
  // The null value of the variance-ratio and proportion-difference tests is fixed.
  b.H0 = type != VA2 && type != PR2;
  b.N2 = two;
  b.X1 = table.PicMeanIdx[type] != -1;
  b.X2 = b.X1 && two;
  b.S1 = table.PicVarIdx[type] != -1;
  b.S2 = b.S1 && two;
  return b;
}

// --- Pictures -------------------------------------------------------------------------

namespace {

const char* const kSideLetter[3] = {"L", "B", "R"};
const char* const kTags[4] = {"DN", "DT", "DX", "DF"};

}  // namespace

TestPictures TestPictureNames(const TypeTable& table, int16_t type, int16_t side) {
  const std::string end = std::string(kSideLetter[side]) + ".gif";
  return {std::string("CH_") + kOptions[type].tag + end, "CH_F" + table.CodeCH[type] + end};
}

IntervalPictures IntervalPictureNames(const TypeTable& table, int16_t type) {
  return {std::string("IC_") + kOptions[type].tag + ".GIF", "IC_F" + table.CodeCH[type] + ".GIF",
          "IC_E" + table.CodeCH[type] + ".GIF"};
}

std::string SymbolPicture(const std::string& array, int index) {
  return array + "_" + std::to_string(index) + ".gif";
}

int16_t ImgBaseOf(const std::string& tag) {
  for (int16_t i = 0; i < 4; ++i) {
    if (tag == kTags[i]) return static_cast<int16_t>(10 * i);
  }
  return 0;
}

std::vector<std::string> AllPictureNames() {
  TypeTable table;
  FillTypeTable(table);
  std::vector<std::string> names;
  auto add = [&names](const std::string& name) {
    for (const std::string& n : names) {
      if (n == name) return;
    }
    names.push_back(name);
  };
  for (int16_t t = 0; t < kTypeCount; ++t) {
    for (int16_t side = 0; side < 3; ++side) {
      const TestPictures p = TestPictureNames(table, t, side);
      add(p.graph);
      add(p.formula);
      add(SymbolPicture("ImgH0H1", table.PicGroupH0[t] + side));
    }
    const IntervalPictures p = IntervalPictureNames(table, t);
    add(p.graph);
    add(p.formula);
    add(p.margin);
    add(SymbolPicture("ImgNMVP", table.TwoSamples[t]));
    if (table.PicMeanIdx[t] != -1) add(SymbolPicture("ImgNMVP", table.PicMeanIdx[t]));
    if (table.PicVarIdx[t] != -1) add(SymbolPicture("ImgNMVP", table.PicVarIdx[t]));
    add(SymbolPicture("ImgIC", table.PicParamIdx[t]));
    add(SymbolPicture("ImgIC_PAR", t));
  }
  for (int base = 0; base <= 30; base += 10) {
    for (int k = 0; k < 3; ++k) add(SymbolPicture("ImgPP", base + k));
  }
  for (int i : {5, 6, 8}) add(SymbolPicture("ImgPESP", i));
  add("ImgALFA2.gif");
  add("Img1MAlfa2.gif");
  return names;
}

// --- Reading the boxes ----------------------------------------------------------------

namespace {

bool Blank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

// Reads one visible box; false for a blank box or a text that reads as no number.
bool ReadBox(const std::string& text, double& field) {
  if (Blank(text)) return false;
  const double v = LeerNumero(text);
  if (v == NoValue) return false;
  field = v;
  return true;
}

bool Proportion(double v) { return v > 0 && v < 1; }

// The steps both readers share after the null value.
bool ReadData(const TypeTable& table, int16_t type, const BoxTexts& boxes, PanelInput& in) {
  const Boxes visible = VisibleBoxes(table, type);
  const bool proportions = type == PRO || type == PR2;
  if (!ReadBox(boxes.N1, in.N1)) return false;
  if (visible.N2 && !ReadBox(boxes.N2, in.N2)) return false;
  if (visible.X1) {
    if (!ReadBox(boxes.X1, in.X1)) return false;
    if (proportions && !Proportion(in.X1)) return false;
  }
  if (visible.X2) {
    if (!ReadBox(boxes.X2, in.X2)) return false;
    if (type == PR2 && !Proportion(in.X2)) return false;
  }
  if (visible.S1 && !ReadBox(boxes.S1, in.S1)) return false;
  if (visible.S2 && !ReadBox(boxes.S2, in.S2)) return false;
  if (!ReadBox(boxes.Level, in.Level)) return false;
  if (!boxes.significanceTyped) {
    in.Alpha = 1 - in.Level;
    return true;
  }
  // Read back, the confidence box's 6 digits would move a small significance.
  if (!ReadBox(boxes.Significance, in.Alpha)) return false;
  in.Level = 1 - in.Alpha;
  return true;
}

}  // namespace

void Leerdatos_CH(const TypeTable& table, int16_t type, const BoxTexts& boxes, PanelInput& input) {
  ErrorFlag = 0;
  if (VisibleBoxes(table, type).H0) {
    if (!ReadBox(boxes.H0, input.H0) || (type == PRO && !Proportion(input.H0))) {
      ErrorFlag = 1;
      return;
    }
  }
  if (!ReadData(table, type, boxes, input)) ErrorFlag = 1;
}

void Leerdatos_IC(const TypeTable& table, int16_t type, const BoxTexts& boxes, PanelInput& input) {
  ErrorFlag = 0;
  if (!ReadData(table, type, boxes, input)) ErrorFlag = 1;
}

LevelChange LevelPair(const std::string& typed) {
  LevelChange change;
  std::string text = typed;
  if (text == ".") {
    change.fixedDot = true;
    text = "0.";
  }
  const double v = LeerNumero(text);
  if (v == NoValue || !(v > 0 && v < 1)) return change;
  const int16_t saved = ErrorFlag;
  if (!text.empty() && text.back() == '%') {
    change.partner = FormatoCifras((1 - v) * 100, 6) + "%";
  } else {
    change.partner = FormatoCifras(1 - v, 6);
  }
  ErrorFlag = saved;  // the pair is no computation: it leaves the flag as it found it
  return change;
}

}  // namespace inference
