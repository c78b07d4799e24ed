// The page model, the graph page's geometry and the two reports' layouts, on a recording
// printer.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "graph/recording_surface.h"
#include "printing/graph_print.h"
#include "printing/report_page.h"
#include "printing/reports.h"
#include "support/fake_printers.h"
#include "support/reference_rows.h"
#include "support/scripted_ui.h"
#include "platform/least_point_size.h"
#include "tables/statistics1v.h"
#include "tables/statistics2v.h"

namespace {

using printing::Report1VInput;
using printing::Report2VInput;
using testing_support::DrawnItem;
using testing_support::FakePrinters;
using testing_support::RecordedJob;
using testing_support::ScriptedUi;

TEST(ReportPageTest, PageBreaksWhenLessThanOneAndAHalfLinesAreLeftAndRulesScaleWithDpi) {
  // The next line's top is L*6+5 mm; it needs 9 mm below it inside the printable height.
  const std::tuple<double, double, bool> breaks[] = {
      {43.5, 275, true}, {43.4, 275, false}, {11, 80, true}, {11, 80.01, false}};
  for (auto [L, height, breaksHere] : breaks) {
    RecordedJob job;
    job.height = height;
    printing::ReportPage page(job, false);
    page.L = L;
    page.PageBreakCheck();
    EXPECT_EQ(job.page, breaksHere ? 2 : 1) << L << " " << height;
  }
  // Rules are 0.2 mm in printer pixels, never below one.
  const std::pair<double, int> dpis[] = {{600, 5}, {300, 2}, {96, 1}, {1200, 9}, {10, 1}};
  for (auto [dpi, pixels] : dpis) {
    RecordedJob job;
    job.twipsPerPixel = 1440.0 / dpi;
    printing::ReportPage page(job, false);
    page.SetLineThickness();
    page.Rule(1.8);
    ASSERT_EQ(job.items.size(), 1u);
    EXPECT_EQ(job.items[0].width, pixels) << dpi;
  }
}

TEST(GraphPrintTest, ShapeTurnsThePageAndTheFormulaBoxKeepsItsRelativePlace) {
  using platform::Orientation;
  const std::tuple<double, double, Orientation> shapes[] = {{600, 400, Orientation::Landscape},
      {400, 600, Orientation::Portrait}, {500, 500, Orientation::Portrait},
      {501, 500, Orientation::Landscape}};
  for (auto [w, h, o] : shapes) {
    EXPECT_EQ(printing::GraphOrientation(w, h), o) << w << "x" << h;
  }
  graph::GraphHandover handover;
  handover.GraphFormula = "y = 2x";
  handover.View = {0, 10, 0, 10};
  graph::PlotScene scene;
  scene.handover = &handover;
  scene.screenWidth = 600, scene.screenHeight = 400;
  const std::tuple<bool, bool, graph::Rgb> boxes[] = {
      {false, true, {0, 128, 255}}, {true, true, {0, 0, 0}}, {false, false, {}}};
  for (auto [blackWhite, shown, outline] : boxes) {
    // A 6000 x 6000 pixel page at 600 dpi: the 600 x 400 plot becomes 6000 x 4000.
    graph_test::RecordingSurface paper(6000, 6000, false, 2.4);
    scene.PrintBlackWhite = blackWhite;
    printing::ImprimirFuncion(paper, scene, {shown, 300, 100, 600, 400});
    if (!shown) {
      EXPECT_TRUE(paper.ops.empty());
      continue;
    }
    // The box stands where it stood on the plot: x = 6000 * 300/600, y = 4000 * 100/400.
    const auto fill = paper.Of("Box"), frame = paper.Of("Rectangle"), text = paper.Of("Text");
    ASSERT_TRUE(fill.size() == 1 && frame.size() == 1 && text.size() == 1);
    EXPECT_TRUE(frame[0].x1 == 3000 && frame[0].y1 == 1000);
    EXPECT_EQ(frame[0].colour, outline);
    EXPECT_EQ(text[0].text, "y = 2x");
  }
}

double LineY(double L) { return L * 6 + 5; }  // page y of the top of line L

// The texts printed on the first page at page y, in the order drawn.
std::vector<std::string> TextsAt(const RecordedJob& job, double y) {
  std::vector<std::string> out;
  for (const DrawnItem& item : job.items) {
    if (item.kind == DrawnItem::Text && item.page == 1 && std::abs(item.y - y) < 1e-4) {
      out.push_back(item.text);
    }
  }
  return out;
}

Report1VInput Input1V(const tables::Table1V& table) {
  Report1VInput in;
  in.Table = &table;
  in.LblESTAD1 = "One variable statistic:  Ungrouped data";
  in.Boxes.Txt1V_SN = "SN-box";
  in.Moment = [](int16_t k, int16_t about) {
    return "M" + std::to_string(k) + (about ? "mean" : "origin");
  };
  return in;
}

// The one document a report prints on a printer of its own.
RecordedJob Printed(const Report1VInput& in) {
  FakePrinters printers({"P"}, "P");
  printing::Imprimir1VAR(printers, in);
  return printers.jobs.at(0);
}

RecordedJob Printed(const tables::Table2V& table, Report2VInput in = {}) {
  FakePrinters printers({"P"}, "P");
  in.Table = &table;
  printing::Imprimir2VAR(printers, in);
  return printers.jobs.at(0);
}

// Rows 1, 2, ... of a table's three columns.
void Fill(const std::array<std::vector<double>*, 3>& columns,
          const std::vector<std::array<double, 3>>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t c = 0; c < 3; ++c) (*columns[c])[i + 1] = rows[i][c];
  }
}

tables::Table2V Table2V(int16_t model, const std::vector<std::array<double, 3>>& rows) {
  tables::Table2V table;
  table.RegType2V = model;
  Fill({&table.Data2V_X, &table.Data2V_Y, &table.Data2V_N}, rows);
  return table;
}

tables::Table1V Table1V(int16_t kind, const std::vector<std::array<double, 3>>& rows) {
  tables::Table1V table;
  table.DataType1V = kind;
  Fill({&table.Data1V_X1, &table.Data1V_X2, &table.Data1V_N}, rows);
  return table;
}

TEST(Report1VTest, RowsOfCompleteCellsKeepTheirNumbersAndShowTheirPowers) {
  struct Case {
    int16_t kind;
    std::vector<std::array<double, 3>> rows;  // x1, x2, n
    std::vector<std::vector<std::string>> lines;
  };
  // Worked by hand: x, n, x·n, x²·n, x³·n, x⁴·n; grouped with bounds and class mark.
  const Case cases[] = {
      {0, {{2, NoValue, 3}, {-1.5, 7, 2}, {5, 1, NoValue}, {10, NoValue, 1}},
       {{"1", "2", "3", "6", "12", "24", "48"},
        {"2", "-1.5", "2", "-3", "4.5", "-6.75", "10.125"},
        {"4", "10", "1", "10", "100", "1000", "10000"}}},
      {1, {{0, 4, 2}, {4, NoValue, 5}, {4, 8, 1}},
       {{"1", "0", "4", "2", "2", "4", "8", "16", "32"},
        {"3", "4", "8", "1", "6", "6", "36", "216", "1296"}}},
      // A power out of range leaves only its cell out.
      {0, {{1e100, NoValue, 1}}, {{"1", "1E+100", "1", "1E+100", "1E+200", "1E+300"}}},
  };
  for (const Case& c : cases) {
    const tables::Table1V table = Table1V(c.kind, c.rows);
    const RecordedJob job = Printed(Input1V(table));
    EXPECT_TRUE(job.ended && !job.aborted);
    // The first row on line 2.7 (21.2 mm), one line each, then TOTAL 0.2 line lower.
    for (size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(TextsAt(job, LineY(2.7 + i)), c.lines[i]) << c.kind << " " << i;
    }
    EXPECT_EQ(TextsAt(job, LineY(2.9 + c.lines.size())).front(), "TOTAL");
  }
}

TEST(ReportTest, LongTablesOfBothReportsBreakWhereLessThanOneAndAHalfLinesAreLeft) {
  tables::Table1V table1V;
  std::vector<std::array<double, 3>> rows;
  for (int i = 1; i <= 100; ++i) {
    table1V.Data1V_X1[i] = i, table1V.Data1V_N[i] = 1;
    rows.push_back({double(i), 1, 1});
  }
  table1V.N1V = 100;
  tables::Table2V table2V = Table2V(0, rows);
  table2V.N2V = 100;
  // The last row's last power: 100^4 on the one-variable report, 100^2 on the other.
  const std::pair<RecordedJob, std::string> reports[] = {
      {Printed(Input1V(table1V)), "100000000"}, {Printed(table2V), "10000"}};
  for (const auto& [job, lastCell] : reports) {
    // Page 1 holds the rows at lines 2.7 .. 42.7 (rows 1..41); later pages the rows at
    // 1.2 .. 43.2 (43 rows each).
    for (int p : {1, 2}) {
      const DrawnItem* last = job.Find(std::to_string(p == 1 ? 41 : 84));
      const DrawnItem* next = job.Find(std::to_string(p == 1 ? 42 : 85));
      ASSERT_TRUE(last && next);
      EXPECT_TRUE(last->page == p && next->page == p + 1 && std::abs(next->y - 12.2) < 1e-4);
    }
    // Nothing is repeated after a break; the last row is printed too.
    EXPECT_EQ(job.Find("#", 1), nullptr);
    EXPECT_EQ(job.page, 3);
    EXPECT_EQ(job.Find(lastCell)->page, 3);
  }
}

// Every text of tests/data/report_layout.tsv for this report stands where it was worked out.
void ExpectPlaced(const RecordedJob& job, const std::string& report) {
  int checked = 0;
  for (const auto& f : testing_support::ReferenceRows("report_layout.tsv")) {
    if (f.at(0) != report) continue;
    const std::string& text = f.at(1);
    const int nth = std::stoi(f.at(2));
    const double x = std::stod(f.at(3)), y = std::stod(f.at(4)), size = std::stod(f.at(5));
    const DrawnItem* item = job.Find(text, nth);
    ++checked;
    ASSERT_NE(item, nullptr) << text;
    EXPECT_TRUE(std::abs(item->x - x) < 1e-4 && std::abs(item->y - y) < 1e-4 &&
                item->font.Size == size)
        << text << " " << nth << " at " << item->x << ", " << item->y;
  }
  EXPECT_GT(checked, 10) << report;
}

TEST(ReportTest, ResultsOfEmptyTablesSitOnTheirLinesAndNoPrinterPrintsNothing) {
  tables::Table1V table;
  Report1VInput in = Input1V(table);
  in.Boxes.Txt1V_MX = "mx", in.Boxes.Txt1V_DX = "dx", in.Boxes.Txt1V_CU = "cu";
  in.Boxes.Txt1V_ME = "me", in.Boxes.Txt1V_MO = "mo", in.Boxes.Txt1V_VX = "vx";
  in.Boxes.Txt1V_CV = "cv", in.Boxes.Label1_69 = "Mesokurtic";
  const tables::Table2V table2 = Table2V(3, {});
  Report2VInput in2;
  in2.Table = &table2;
  in2.Label1_44 = "Curve of POWER regression";
  in2.Boxes.Txt2V_MX = "mx", in2.Boxes.Txt2V_VY = "vy", in2.Boxes.Txt2V_R = "r1";
  in2.Boxes.Txt2V_CUR = " y = 2 x^3";
  const RecordedJob job = Printed(in), job2 = Printed(table2, in2);
  ExpectPlaced(job, "1V");
  ExpectPlaced(job2, "2V");
  EXPECT_EQ(job.Find("S", 5), nullptr);  // five sum signs, no more

  ScriptedUi ui;  // any message fails the test
  FakePrinters none;
  printing::Imprimir1VAR(none, in);
  EXPECT_TRUE(none.jobs.empty());
}

TEST(Report2VTest, ModelsDecideTransformsCaptionsAndSkippedRows) {
  struct Case {
    int16_t model;
    std::vector<std::string> firstRow;  // row index, x, y, n, then the five products
    std::string lastCaption;
    std::vector<std::string> indices;
  };
  // Rows: (2, 1, 3), (-1, 2, 1), (4, -2, 1). Worked by hand for each model. Row 2 has
  // x <= 0 and row 3 y <= 0: only the plain sides print them.
  const Case cases[] = {
      {0, {"1", "2", "1", "3", "6", "3", "12", "3", "6"}, "n x y", {"1", "2", "3"}},
      {2, {"1", "2", "1", "3", "6", "0", "12", "0", "0"}, "n x lny", {"1", "2"}},
      {1, {"1", "2", "1", "3", "2.079441542", "3", "1.441359042", "3", "2.079441542"},
       "n y lnx", {"1", "3"}},
      {3, {"1", "2", "1", "3", "2.079441542", "0", "1.441359042", "0", "0"}, "n lnx lny", {"1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    const RecordedJob job = Printed(Table2V(c.model, {{2, 1, 3}, {-1, 2, 1}, {4, -2, 1}}));
    EXPECT_TRUE(job.ended);
    EXPECT_EQ(TextsAt(job, LineY(2.7)), c.firstRow);
    std::vector<std::string> indices;
    double L = 2.7;
    for (; !TextsAt(job, LineY(L)).empty(); L += 1) indices.push_back(TextsAt(job, LineY(L))[0]);
    EXPECT_EQ(indices, c.indices);
    EXPECT_NEAR(job.Find("TOTAL")->y, LineY(L + 0.2), 1e-4);
    // The last column's caption on the caption line and the sums line.
    EXPECT_NE(job.Find(c.lastCaption, 1), nullptr);
  }
}

TEST(Report2VTest, ARunTimeErrorStopsTheReportDropsTheDocumentAndSaysWhy) {
  ScriptedUi ui;
  ui.ExpectMsgBox("Printing Error: \nError  6\nOverflow", platform::Answer::Ok, "",
                  platform::Icon::Critical, platform::Buttons::Ok);
  const RecordedJob job = Printed(Table2V(0, {{1, 1, 1}, {1e200, 1, 1}}));
  EXPECT_TRUE(job.aborted && !job.ended);
  EXPECT_EQ(job.Find("Covariance"), nullptr);
}

// --- Texts that never run together -----------------------------------------------------

// Advance widths in 1/2048 em of the characters " " to "~", then of "²", "·" and "Σ" (which
// the Symbol font's "S" stands for), as the hmtx tables of Liberation Sans and Serif give
// them: the metric twins of Arial and Times New Roman that the program prints with.
struct Face {
  std::array<int, 95> ascii;
  int sup2, middot, sigma;
};
const Face kSans = {{569, 569, 727, 1139, 1139, 1821, 1366, 391, 682, 682, 797, 1196, 569, 682,
    569, 569, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569, 569, 1196, 1196,
    1196, 1139, 2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569, 1024, 1366, 1139, 1706,
    1479, 1593, 1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569, 569, 569,
    961, 1139, 682, 1139, 1139, 1024, 1139, 1139, 569, 1139, 1139, 455, 455, 1024, 455, 1706, 1139,
    1139, 1139, 1139, 682, 1024, 569, 1139, 1024, 1479, 1024, 1024, 1024, 684, 532, 684, 1196},
    682, 682, 1266};
const Face kSansBold = {{569, 682, 971, 1139, 1139, 1821, 1479, 487, 682, 682, 797, 1196, 569,
    682, 569, 569, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682, 682, 1196,
    1196, 1196, 1251, 1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569, 1139, 1479, 1251,
    1706, 1479, 1593, 1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682, 569,
    682, 1196, 1139, 682, 1139, 1251, 1139, 1251, 1139, 682, 1251, 1251, 569, 569, 1139, 569, 1821,
    1251, 1251, 1251, 1251, 797, 1139, 682, 1251, 1139, 1593, 1139, 1139, 1024, 797, 573, 797,
    1196}, 682, 682, 1229};
const Face kSerif = {{512, 682, 836, 1024, 1024, 1706, 1593, 369, 682, 682, 1024, 1155, 512, 682,
    512, 569, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 569, 569, 1155, 1155,
    1155, 909, 1886, 1479, 1366, 1366, 1479, 1251, 1139, 1479, 1479, 682, 797, 1479, 1251, 1821,
    1479, 1479, 1139, 1479, 1366, 1139, 1251, 1479, 1479, 1933, 1479, 1479, 1251, 682, 569, 682,
    961, 1024, 682, 909, 1024, 909, 1024, 909, 682, 1024, 1024, 569, 569, 1024, 569, 1593, 1024,
    1024, 1024, 1024, 682, 797, 569, 1024, 1024, 1479, 1024, 1024, 909, 983, 410, 983, 1108},
    614, 682, 1192};
const Face kSerifItalic = {{512, 682, 860, 1024, 1024, 1706, 1593, 438, 682, 682, 1024, 1382,
    512, 682, 512, 569, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 682, 682,
    1382, 1382, 1382, 1024, 1884, 1251, 1251, 1366, 1479, 1251, 1251, 1479, 1479, 682, 909, 1366,
    1139, 1706, 1366, 1479, 1251, 1479, 1251, 1024, 1139, 1479, 1251, 1706, 1251, 1139, 1139, 797,
    569, 797, 864, 1024, 682, 1024, 1024, 909, 1024, 909, 569, 1024, 1024, 569, 569, 909, 569, 1479,
    1024, 1024, 1024, 1024, 797, 797, 569, 1024, 909, 1366, 909, 909, 797, 819, 563, 819, 1108},
    614, 512, 1217};

// Millimetres of s in font f, as the printer measures it.
double PrintedWidth(const platform::PrintFont& f, const std::string& s) {
  const bool sans = f.Name == "Arial";
  EXPECT_TRUE(sans || f.Name == "Times New Roman" || f.Name == "Symbol") << f.Name;
  const Face& face = sans ? (f.Bold ? kSansBold : kSans) : (f.Italic ? kSerifItalic : kSerif);
  double units = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 32 && c < 127) {
      units += f.Name == "Symbol" && c == 'S' ? face.sigma : face.ascii[c - 32];
    } else if (s.compare(i, 2, "\u00b2") == 0 || s.compare(i, 2, "\u00b7") == 0) {
      units += s[i + 1] == '\xb2' ? face.sup2 : face.middot;
      ++i;
    } else {
      ADD_FAILURE() << "no width for a character of " << s;
    }
  }
  return units / 2048 * f.Size * 25.4 / 72;
}

// A document that measures its texts as the printer does, and fails to print one text.
class MeasuredJob : public RecordedJob {
 public:
  std::string failing;
  double TextWidth(const std::string& s) override { return PrintedWidth(font, s); }
  void Text(double x, double y, const std::string& s) override {
    if (s == failing) throw platform::PrinterError(platform::kPrinterErrorNumber, "Printer error");
    RecordedJob::Text(x, y, s);
  }
};

class MeasuredPrinters : public FakePrinters {
 public:
  MeasuredPrinters() : FakePrinters({"P"}, "P") {}
  std::string failing;
  std::unique_ptr<platform::PrintJob> StartJob(platform::Orientation) override {
    auto job = std::make_unique<MeasuredJob>();
    job->failing = failing;
    job->archive = &jobs;
    return job;
  }
};

// The ink of one word of a printed text: across, from its first letter to its last; down,
// from the height of a capital or a digit above the baseline (0.73 em; the baseline lies
// 0.9 em below the text's top) to the depth of a "g" below it (0.21 em). A "²" is a word of
// its own, as high as its ink: 0.26 to 0.66 em above the baseline.
struct Word {
  size_t item;
  int page;
  double left, right, top, bottom;
  std::string text;
};

std::vector<Word> Words(const RecordedJob& job) {
  const std::string squared = "\u00b2";
  std::vector<Word> words;
  for (size_t i = 0; i < job.items.size(); ++i) {
    const DrawnItem& item = job.items[i];
    if (item.kind != DrawnItem::Text) continue;
    const std::string& s = item.text;
    const double em = item.font.Size * 25.4 / 72;
    const auto add = [&](size_t start, size_t end, double top, double bottom) {
      words.push_back({i, item.page, item.x + PrintedWidth(item.font, s.substr(0, start)),
                       item.x + PrintedWidth(item.font, s.substr(0, end)), top, bottom,
                       s.substr(start, end - start)});
    };
    for (size_t start = s.find_first_not_of(' '); start != std::string::npos;) {
      const size_t end = std::min(s.find(' ', start), s.size());
      for (size_t from = start; from < end;) {
        const size_t sup = std::min(s.find(squared, from), end);
        if (sup > from) add(from, sup, item.y + 0.17 * em, item.y + 1.11 * em);
        if (sup == end) break;
        add(sup, sup + squared.size(), item.y + 0.24 * em, item.y + 0.64 * em);
        from = sup + squared.size();
      }
      start = s.find_first_not_of(' ', end);
    }
  }
  return words;
}

// Words of two texts that share a stretch of line and overlap or stand closer than 0.1 mm.
std::vector<std::string> Collisions(const RecordedJob& job) {
  const std::vector<Word> words = Words(job);
  std::vector<std::string> found;
  for (size_t a = 0; a < words.size(); ++a) {
    for (size_t b = a + 1; b < words.size(); ++b) {
      const Word& u = words[a];
      const Word& v = words[b];
      if (u.item == v.item || u.page != v.page) continue;
      if (u.top >= v.bottom || v.top >= u.bottom) continue;
      if (u.right + 0.1 > v.left && v.right + 0.1 > u.left) {
        found.push_back("\"" + u.text + "\" and \"" + v.text + "\" on page " +
                        std::to_string(u.page));
      }
    }
  }
  return found;
}

// Every text whole and apart: none smaller than the least size the screen shows, none
// touching another.
void ExpectApart(const RecordedJob& job) {
  EXPECT_TRUE(job.ended);
  for (const DrawnItem& item : job.items) {
    if (item.kind == DrawnItem::Text) {
      EXPECT_GE(item.font.Size, platform::kLeastPointSize) << item.text;
    }
  }
  const std::vector<std::string> collisions = Collisions(job);
  EXPECT_TRUE(collisions.empty()) << collisions.size() << " collisions, the first "
                                  << collisions.front();
}

// The texts printed on the first page within a millimetre below the top of line L (a
// smaller text stands lower, on the line's baseline), from left to right.
std::vector<const DrawnItem*> OnLine(const RecordedJob& job, double L) {
  std::vector<const DrawnItem*> out;
  for (const DrawnItem& item : job.items) {
    const double below = item.y - LineY(L);
    if (item.kind == DrawnItem::Text && item.page == 1 && below > -1e-4 && below < 1) {
      out.push_back(&item);
    }
  }
  std::sort(out.begin(), out.end(), [](auto* a, auto* b) { return a->x < b->x; });
  return out;
}

// The cells of line L end at the columns' ends (report x), after the row number.
void ExpectColumnEnds(const RecordedJob& job, double L, const std::vector<double>& ends) {
  const std::vector<const DrawnItem*> row = OnLine(job, L);
  ASSERT_EQ(row.size(), ends.size() + 1);
  for (size_t c = 0; c < ends.size(); ++c) {
    const DrawnItem& cell = *row[c + 1];
    EXPECT_NEAR(cell.x + PrintedWidth(cell.font, cell.text), 10 + ends[c], 1e-3) << cell.text;
  }
}

// text is value rounded half up to the significant digits it shows, 10 at most.
void ExpectRounding(const std::string& text, double value) {
  const size_t e = text.find('E');
  std::string digits;
  for (char c : text.substr(0, e)) {
    if (c >= '0' && c <= '9') digits += c;
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  digits.erase(digits.find_last_not_of('0') + 1);
  const double shown = std::stod(text);
  if (value == 0) {
    EXPECT_EQ(shown, 0) << text;
    return;
  }
  ASSERT_FALSE(digits.empty()) << text;
  EXPECT_LE(digits.size(), 10u) << text;
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(shown))) -
                                         static_cast<double>(digits.size()) + 1);
  EXPECT_LE(std::fabs(shown - value), unit * (0.5 + 1e-9)) << text << " for " << value;
}

RecordedJob PrintedApart(const Report1VInput& in, const std::string& failing = "") {
  MeasuredPrinters printers;
  printers.failing = failing;
  printing::Imprimir1VAR(printers, in);
  return printers.jobs.at(0);
}

RecordedJob PrintedApart(const Report2VInput& in) {
  MeasuredPrinters printers;
  printing::Imprimir2VAR(printers, in);
  return printers.jobs.at(0);
}

// A report of the table with the results its panel shows.
Report1VInput Computed(const tables::Table1V& table, tables::Stats1V& stats) {
  Report1VInput in;
  in.Table = &table;
  in.LblESTAD1 = tables::LblESTAD1_Caption(table.DataType1V);
  in.Boxes = tables::ProcesarDatos1VAR(table, stats, 0, 0);
  in.Moment = [&stats](int16_t k, int16_t about) {
    return tables::CalculaMomento(stats, k, about).Txt1V_MM;
  };
  return in;
}

Report2VInput Computed(const tables::Table2V& table) {
  Report2VInput in;
  in.Table = &table;
  in.LblESTAD2 = tables::LblESTAD2_Caption(table.RegType2V);
  in.Label1_44 = tables::Label1_44_Caption(table.RegType2V);
  tables::Stats2V stats;
  in.Boxes = tables::ProcesarDatos2VAR(table, stats);
  return in;
}

TEST(ReportApartTest, WideNumbersPrintSmallerAndThenRoundedButNeverTouch) {
  // Grouped classes whose fourth powers need 15 digits: 37 * 1500^4 = 187312500000000
  // prints whole, smaller than the cells' 8 points, with room left to its neighbour.
  tables::Stats1V stats;
  const tables::Table1V grouped =
      Table1V(1, {{1000, 2000, 37}, {2000, 3000, 45}, {3000, 4000, 18}});
  RecordedJob job = PrintedApart(Computed(grouped, stats));
  ExpectApart(job);
  const std::vector<double> groupedEnds = {20, 42, 62, 85, 107, 129, 152, 175};
  ExpectColumnEnds(job, 2.7, groupedEnds);
  // Fifteen digits of Arial are 15 * 1139/2048 em, 2.9431 mm a point: the 21.5 mm from
  // 1.5 mm after the column at 152 to 175 hold 7.305 points, so the cell prints at 7.25,
  // lowered by the 0.75 points of Arial's 0.905 em ascent it lost, onto the line's baseline.
  const DrawnItem* power = job.Find("187312500000000");
  ASSERT_NE(power, nullptr);
  EXPECT_EQ(power->font.Size, 7.25);
  EXPECT_NEAR(power->y, LineY(2.7) + 0.75 * 0.905 * 25.4 / 72, 1e-4);
  // Its neighbour 37 * 1500^3 fits its column and keeps the cells' size and line.
  const DrawnItem* cube = job.Find("124875000000");
  ASSERT_NE(cube, nullptr);
  EXPECT_EQ(cube->font.Size, 8);
  EXPECT_NEAR(cube->y, LineY(2.7), 1e-4);
  // A smaller cell that fails to print leaves the cells' size to the rows after it.
  job = PrintedApart(Computed(grouped, stats), "187312500000000");
  EXPECT_EQ(job.Find("187312500000000"), nullptr);
  ASSERT_FALSE(OnLine(job, 3.7).empty());
  EXPECT_EQ(OnLine(job, 3.7)[0]->font.Size, 8);

  // 12-digit data. Ungrouped, the third moment about the mean, -2.15959370478E+32 (mpmath,
  // 40 digits), needs all the room before the label of the fourth; grouped, the first
  // class's lower bound all the room after its row number.
  const tables::Table1V twelve[] = {
      Table1V(0, {{123456789012, NoValue, 1}, {234567890123, NoValue, 3},
                  {345678901234, NoValue, 3}}),
      Table1V(1, {{-123456789012.5, -23456789012.25, 3}, {-23456789012.25, 76543210987.75, 1},
                  {76543210987.75, 176543210987.125, 2}})};
  for (const tables::Table1V& table : twelve) {
    tables::Stats1V twelveStats;
    job = PrintedApart(Computed(table, twelveStats));
    ExpectApart(job);
    if (table.DataType1V == 1) continue;
    ExpectColumnEnds(job, 2.7, {30, 59, 88, 117, 146, 175});
    const auto m3 = std::find_if(job.items.begin(), job.items.end(), [](const DrawnItem& item) {
      return item.text.rfind("-2.15959", 0) == 0;
    });
    ASSERT_NE(m3, job.items.end());
    ExpectRounding(m3->text, -2.15959370478e32);
  }

  // The two-variable table of seven-digit data, under every model.
  for (int16_t model = 0; model <= 4; ++model) {
    SCOPED_TRACE(model);
    const tables::Table2V table = Table2V(model, {{1234567.5, 3456789.125, 10},
                                                  {2345678.25, 4567890.5, 10},
                                                  {3456789, 5678901.75, 10}});
    const Report2VInput in = Computed(table);
    job = PrintedApart(in);
    ExpectApart(job);
    // The TOTAL row's sums stand apart, each the panel's number, whole or rounded.
    ExpectColumnEnds(job, 2.7, groupedEnds);
    const std::vector<const DrawnItem*> total = OnLine(job, 2.7 + 3 + 0.2);
    const tables::Results2V& b = in.Boxes;
    const std::string* sums[] = {&b.Txt2V_SN,  &b.Txt2V_SX,  &b.Txt2V_SY,
                                 &b.Txt2V_SX2, &b.Txt2V_SY2, &b.Txt2V_SXY};
    ASSERT_EQ(total.size(), 7u);
    EXPECT_EQ(total[0]->text, "TOTAL");
    for (size_t c = 0; c < 6; ++c) ExpectRounding(total[c + 1]->text, std::stod(*sums[c]));
  }
}

TEST(ReportApartTest, EveryColumnOfWideDataAndEveryResultKeepsItsRoom) {
  // Rows far down the table, whose every cell needs sixteen or seventeen characters: a
  // negative mantissa of ten digits and an exponent of two or three.
  const double a = -1.234567891e-5, b = -9.876543219e70;
  const double na = -9.876543211e-100, nb = -1.234567891e10;
  const std::string wide = "-1.234567891E-100";
  tables::Results1V boxes;
  for (std::string* box : {&boxes.Txt1V_SN, &boxes.Txt1V_SX, &boxes.Txt1V_SX2, &boxes.Txt1V_SX3,
                           &boxes.Txt1V_SX4, &boxes.Txt1V_MX, &boxes.Txt1V_ME, &boxes.Txt1V_MO,
                           &boxes.Txt1V_DX, &boxes.Txt1V_VX, &boxes.Txt1V_CV, &boxes.Txt1V_AS,
                           &boxes.Txt1V_CU}) {
    *box = wide;
  }
  boxes.Label1_68 = "Negative: left-skewed", boxes.Label1_69 = "Platykurtic";
  for (int16_t kind : {0, 1}) {
    SCOPED_TRACE(kind);
    tables::Table1V table;
    table.DataType1V = kind;
    table.N1V = 9999;
    table.Data1V_X1[9998] = a, table.Data1V_X2[9998] = a * (1 - 1e-10), table.Data1V_N[9998] = na;
    table.Data1V_X1[9999] = b, table.Data1V_X2[9999] = b * (1 - 1e-10), table.Data1V_N[9999] = nb;
    Report1VInput in;
    in.Table = &table;
    in.LblESTAD1 = tables::LblESTAD1_Caption(kind);
    in.Boxes = boxes;
    in.Moment = [&](int16_t, int16_t) { return wide; };
    const RecordedJob job = PrintedApart(in);
    ExpectApart(job);
    // Each cell is its value rounded to the digits it shows; the row number keeps the
    // cells' size.
    for (const auto& [L, x, n] : {std::tuple{2.7, a, na}, std::tuple{3.7, b, nb}}) {
      const std::vector<const DrawnItem*> row = OnLine(job, L);
      const double m = kind == 0 ? x : (x + x * (1 - 1e-10)) / 2;
      std::vector<double> values = kind == 0 ? std::vector<double>{x, n}
                                             : std::vector<double>{x, x * (1 - 1e-10), n, m};
      values.insert(values.end(), {m * n, m * m * n, m * m * m * n, m * m * m * m * n});
      ASSERT_EQ(row.size(), values.size() + 1);
      EXPECT_EQ(row[0]->text, L == 2.7 ? "9998" : "9999");
      EXPECT_EQ(row[0]->font.Size, kind == 0 ? 8.5 : 8);
      for (size_t c = 0; c < values.size(); ++c) ExpectRounding(row[c + 1]->text, values[c]);
    }
  }

  tables::Results2V boxes2;
  for (std::string* box :
       {&boxes2.Txt2V_SN, &boxes2.Txt2V_SX, &boxes2.Txt2V_SY, &boxes2.Txt2V_SX2, &boxes2.Txt2V_SY2,
        &boxes2.Txt2V_SXY, &boxes2.Txt2V_MX, &boxes2.Txt2V_MY, &boxes2.Txt2V_VX, &boxes2.Txt2V_VY,
        &boxes2.Txt2V_DX, &boxes2.Txt2V_DY, &boxes2.Txt2V_COV, &boxes2.Txt2V_R}) {
    *box = wide;
  }
  boxes2.Txt2V_CUR = " y = - " + wide.substr(1) + "x\u00b2 - " + wide.substr(1) + "x - " +
                     wide.substr(1);
  for (int16_t model = 0; model <= 4; ++model) {
    SCOPED_TRACE(model);
    tables::Table2V table = Table2V(model, {{-a, -b, na}, {-b, -a, nb}});
    table.N2V = 12;
    Report2VInput in;
    in.Table = &table;
    in.LblESTAD2 = tables::LblESTAD2_Caption(model);
    in.Label1_44 = tables::Label1_44_Caption(model);
    in.Boxes = boxes2;
    ExpectApart(PrintedApart(in));
  }
}

TEST(ReportApartTest, WhereNoDigitFitsTheShortestRoundingPrints) {
  MeasuredJob narrow;
  printing::ReportPage page(narrow, false);
  page.SetFont({"Arial", 8, false, false});
  page.FitTMR(10, 12, 0, printing::Cell(-1.234567891e-100));
  ASSERT_EQ(narrow.items.size(), 1u);
  EXPECT_EQ(narrow.items[0].text, "-1E-100");
  EXPECT_EQ(narrow.items[0].font.Size, platform::kLeastPointSize);
  EXPECT_EQ(narrow.font.Size, 8);
}

TEST(ReportApartTest, ARoundedCellKeepsTheDigitsOfItsValueNotOfItsPrintedText) {
  // Each room holds its room text at the least size and nothing wider; each value's digits
  // are rounded by hand, half away from zero.
  const struct {
    double value;
    const char* room;
    const char* shown;
  } cases[] = {
      // Printed 1.234567895: to 9 digits the value is 1.23456789, where rounding its
      // printed text again would give 1.2345679.
      {1.2345678949999, "1.23456789", "1.23456789"},
      // Printed -2.159593705E+32: to 9 digits -2.15959370E+32, not -2.15959371E+32.
      {-2.15959370478e32, "-2.15959371E+32", "-2.1595937E+32"},
      // As it reads, the last 5 rounds up: 1.01, not 1.00 nor "1".
      {1.005, "1.01", "1.01"},
      // The least double, 4.9406564584124654E-324, keeps the nine digits that fit.
      {5e-324, "4.94065646E-324", "4.94065646E-324"},
  };
  const platform::PrintFont least{"Arial", platform::kLeastPointSize, false, false};
  for (const auto& c : cases) {
    MeasuredJob job;
    printing::ReportPage page(job, false);
    page.SetFont({"Arial", 8, false, false});
    const double end = printing::kTextGap + PrintedWidth(least, c.room) + 1e-6;
    page.FitTMR(0, end, 0, printing::Cell(c.value));
    ASSERT_EQ(job.items.size(), 1u) << c.shown;
    EXPECT_EQ(job.items[0].text, c.shown);
    EXPECT_EQ(job.items[0].font.Size, platform::kLeastPointSize) << c.shown;
  }
}

TEST(Report2VTest, TheQuadraticReportHasNoCorrelationAsItsPanelShowsNone) {
  // x 1..5 against y 9, 16, 21, 24, 25: r = 0.9589266029707681 (numpy.corrcoef).
  for (int16_t model = 0; model <= 4; ++model) {
    SCOPED_TRACE(model);
    const tables::Table2V table =
        Table2V(model, {{1, 9, 1}, {2, 16, 1}, {3, 21, 1}, {4, 24, 1}, {5, 25, 1}});
    const Report2VInput in = Computed(table);
    const RecordedJob job = Printed(table, in);
    const bool shown = model != 4;
    EXPECT_EQ(job.Find("Coefficient of correlation") != nullptr, shown);
    EXPECT_EQ(job.Find("r") != nullptr, shown);
    EXPECT_EQ(job.Find("= " + in.Boxes.Txt2V_R) != nullptr, shown);
    if (model == 0 || model == 4) {
      EXPECT_EQ(in.Boxes.Txt2V_R, "0.958926603");
    }
    // The covariance and the curve stay under every model.
    EXPECT_NE(job.Find("= " + in.Boxes.Txt2V_COV), nullptr);
    EXPECT_NE(job.Find(in.Boxes.Txt2V_CUR), nullptr);
  }
}

}  // namespace
