// The page model, the graph page's geometry and the two reports' layouts, on a recording
// printer.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "graph/recording_surface.h"
#include "printing/graph_print.h"
#include "printing/report_page.h"
#include "printing/reports.h"
#include "support/fake_printers.h"
#include "support/scripted_ui.h"

namespace {

using printing::Report1VInput;
using printing::Report2VInput;
using testing_support::DrawnItem;
using testing_support::FakePrinters;
using testing_support::RecordedJob;
using testing_support::ScriptedUi;

TEST(ReportPageTest, PageBreaksWhenLessThanOneAndAHalfLinesAreLeftAndRulesScaleWithDpi) {
  // The next line's top is L*6+5 mm; it needs 9 mm below it inside the printable height.
  struct Case {
    double L, height;
    bool breaks;
  };
  for (const Case& c : {Case{43.5, 275, true}, Case{43.4, 275, false}, Case{11, 80, true},
                        Case{11, 80.01, false}, Case{0, 5, true}}) {
    RecordedJob job;
    job.height = c.height;
    printing::ReportPage page(job, false);
    page.SetFont(printing::kCaptionFont);
    page.L = c.L;
    page.PageBreakCheck();
    EXPECT_EQ(job.page, c.breaks ? 2 : 1) << c.L << " " << c.height;
    EXPECT_DOUBLE_EQ(page.L, c.breaks ? 1.2 : c.L);
    EXPECT_EQ(page.Font(), c.breaks ? printing::kPageBreakFont : printing::kCaptionFont);
  }
  // Rules are 0.2 mm in printer pixels, never below one, from 10 mm across 175 mm.
  const std::pair<double, int> dpis[] = {{600, 5}, {300, 2}, {96, 1}, {1200, 9}, {10, 1}};
  for (auto [dpi, pixels] : dpis) {
    RecordedJob job;
    job.twipsPerPixel = 1440.0 / dpi;
    printing::ReportPage page(job, false);
    page.SetLineThickness();
    page.L = 1.5;
    page.Rule(1.8);
    ASSERT_EQ(job.items.size(), 1u);
    const DrawnItem& rule = job.items[0];
    EXPECT_EQ(rule.width, pixels) << dpi;
    EXPECT_TRUE(rule.x == 10 && std::abs(rule.y - 12.2) < 1e-12 && rule.dx == 175 && rule.dy == 0);
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
    // x = 6000 * 300/600, y = 4000 * 100/400; outline 0.3 mm = 7 pixels; the text is
    // 7 pixels a character (formula and four blanks: 70) and 13 high.
    const auto fill = paper.Of("Box"), frame = paper.Of("Rectangle"), text = paper.Of("Text");
    ASSERT_TRUE(fill.size() == 1 && frame.size() == 1 && text.size() == 1);
    EXPECT_EQ(fill[0].colour, (graph::Rgb{255, 255, 255}));
    EXPECT_EQ(frame[0].colour, outline);
    EXPECT_EQ(frame[0].pen, 7);
    for (const graph_test::Op& op : {fill[0], frame[0]}) {
      EXPECT_TRUE(op.x1 == 3000 && op.y1 == 1000 && op.x2 == 3084 && op.y2 == 1040);
    }
    EXPECT_EQ(text[0].text, "y = 2x");
    EXPECT_TRUE(text[0].x1 == 3014 && text[0].y1 == 1006.5);
  }
}

double LineY(double L) { return L * 6 + 5; }  // page y of the top of line L

// The texts printed at page y on a page, in the order drawn.
std::vector<const DrawnItem*> ItemsAt(const RecordedJob& job, double y, int page = 1) {
  std::vector<const DrawnItem*> out;
  for (const DrawnItem& item : job.items) {
    if (item.kind == DrawnItem::Text && item.page == page && std::abs(item.y - y) < 1e-4) {
      out.push_back(&item);
    }
  }
  return out;
}

std::vector<std::string> TextsAt(const RecordedJob& job, double y) {
  std::vector<std::string> out;
  for (const DrawnItem* item : ItemsAt(job, y)) out.push_back(item->text);
  return out;
}

const std::vector<double> kEdges1V{30, 59, 88, 117, 146, 175};
const std::vector<double> kEdges9{20, 42, 62, 85, 107, 129, 152, 175};

// Each text but the first (the row number at 0) ends at its column's right edge.
void ExpectRightEdges(const RecordedJob& job, double y, const std::vector<double>& edges) {
  const std::vector<const DrawnItem*> items = ItemsAt(job, y);
  ASSERT_EQ(items.size(), edges.size() + 1);
  EXPECT_NEAR(items[0]->x, 10, 1e-4);
  for (size_t i = 0; i < edges.size(); ++i) {
    const DrawnItem& item = *items[i + 1];
    const double right = item.x + RecordedJob::CharWidth(item.font) * item.text.size();
    EXPECT_NEAR(right, edges[i] + 10, 1e-4) << item.text;
  }
}

// The page y of every line this long: full-width rules are 175 mm.
std::vector<double> Lines(const RecordedJob& job, double length = 175) {
  std::vector<double> out;
  for (const DrawnItem& item : job.items) {
    if (item.kind == DrawnItem::Line && item.dx == length) {
      out.push_back(std::round(item.y * 1e4) / 1e4);
    }
  }
  return out;
}

// Texts expected at page position (x, y) in a font of this size.
struct Placed {
  std::string text;
  int nth;
  double x, y, size;
};

void ExpectPlaced(const RecordedJob& job, const std::vector<Placed>& expected) {
  for (const Placed& e : expected) {
    const DrawnItem* item = job.Find(e.text, e.nth);
    ASSERT_NE(item, nullptr) << e.text;
    EXPECT_TRUE(std::abs(item->x - e.x) < 1e-4 && std::abs(item->y - e.y) < 1e-4 &&
                item->font.Size == e.size)
        << e.text << " " << e.nth << " at " << item->x << ", " << item->y;
  }
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

TEST(Report1VTest, RowsOfCompleteCellsKeepTheirNumbersAndShowTheirPowers) {
  struct Case {
    int16_t kind;
    std::vector<std::array<double, 3>> rows;  // x1, x2, n
    std::vector<std::vector<std::string>> lines;
    double cellSize;
  };
  // Worked by hand: x, n, x·n, x²·n, x³·n, x⁴·n; grouped with bounds and class mark.
  const Case cases[] = {
      {0, {{2, NoValue, 3}, {-1.5, 7, 2}, {5, 1, NoValue}, {10, NoValue, 1}},
       {{"1", "2", "3", "6", "12", "24", "48"},
        {"2", "-1.5", "2", "-3", "4.5", "-6.75", "10.125"},
        {"4", "10", "1", "10", "100", "1000", "10000"}}, 8.5},
      {1, {{0, 4, 2}, {4, NoValue, 5}, {4, 8, 1}},
       {{"1", "0", "4", "2", "2", "4", "8", "16", "32"},
        {"3", "4", "8", "1", "6", "6", "36", "216", "1296"}}, 8},
      // A power out of range leaves only its cell out.
      {0, {{1e100, NoValue, 1}}, {{"1", "1E+100", "1", "1E+100", "1E+200", "1E+300"}}, 8.5},
  };
  for (const Case& c : cases) {
    FakePrinters printers({"P"}, "P");
    tables::Table1V table;
    table.DataType1V = c.kind;
    for (size_t i = 0; i < c.rows.size(); ++i) {
      table.Data1V_X1[i + 1] = c.rows[i][0];
      table.Data1V_X2[i + 1] = c.rows[i][1];
      table.Data1V_N[i + 1] = c.rows[i][2];
    }
    printing::Imprimir1VAR(printers, Input1V(table));
    ASSERT_EQ(printers.jobs.size(), 1u);
    const RecordedJob& job = printers.jobs[0];
    EXPECT_TRUE(job.ended && !job.aborted);
    EXPECT_EQ(printers.eventPumps, 1);
    EXPECT_EQ(TextsAt(job, 5), std::vector<std::string>{"One variable statistic:  Ungrouped data"});
    // The first row on line 2.7 (21.2 mm), one line each, then TOTAL 0.2 line lower.
    for (size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(TextsAt(job, LineY(2.7 + i)), c.lines[i]) << c.kind << " " << i;
      EXPECT_EQ(ItemsAt(job, LineY(2.7 + i)).back()->font,
                (platform::PrintFont{"Arial", c.cellSize, false, false}));
    }
    EXPECT_EQ(TextsAt(job, LineY(2.9 + c.lines.size())).front(), "TOTAL");
    const std::vector<double>& edges = c.kind == 1 ? kEdges9 : kEdges1V;
    if (c.lines[0].size() == edges.size() + 1) ExpectRightEdges(job, LineY(2.7), edges);
  }
}

TEST(Report1VTest, PageBreaksFallWhereLessThanOneAndAHalfLinesAreLeft) {
  FakePrinters printers({"P"}, "P");
  tables::Table1V table;
  for (int i = 1; i <= 100; ++i) table.Data1V_X1[i] = i, table.Data1V_N[i] = 1;
  table.N1V = 100;
  printing::Imprimir1VAR(printers, Input1V(table));
  const RecordedJob& job = printers.jobs[0];
  // Page 1 holds the rows at lines 2.7 .. 42.7 (rows 1..41); later pages the rows at
  // 1.2 .. 43.2 (43 rows each).
  for (int p : {1, 2}) {
    const DrawnItem* last = job.Find(std::to_string(p == 1 ? 41 : 84));
    const DrawnItem* next = job.Find(std::to_string(p == 1 ? 42 : 85));
    ASSERT_TRUE(last && next);
    EXPECT_TRUE(last->page == p && next->page == p + 1 && std::abs(next->y - 12.2) < 1e-4);
    EXPECT_EQ(next->font, printing::kPageBreakFont);
  }
  // The TOTAL row after a break in the table is Arial 9 bold; nothing is repeated; the
  // last row (100 to the fourth power) is printed too.
  EXPECT_EQ(job.Find("TOTAL")->font, (platform::PrintFont{"Arial", 9, true, false}));
  EXPECT_EQ(job.Find("#", 1), nullptr);
  EXPECT_EQ(job.page, 3);
  EXPECT_EQ(job.Find("100000000")->page, 3);
}

TEST(ReportTest, ResultsOfEmptyTablesSitOnTheirLinesAndNoPrinterPrintsNothing) {
  FakePrinters printers({"P"}, "P");
  tables::Table1V table;
  Report1VInput in = Input1V(table);
  in.Boxes.Txt1V_MX = "mx", in.Boxes.Txt1V_DX = "dx", in.Boxes.Txt1V_CU = "cu";
  in.Boxes.Label1_69 = "Mesokurtic";
  printing::Imprimir1VAR(printers, in);
  // No row: TOTAL on line 2.9, sums on 3.8, then the sections from line 5.4, each heading
  // 0.9 line above its values and 1.5 lines below the previous values.
  const RecordedJob& job = printers.jobs[0];
  ExpectPlaced(job, {{"TOTAL", 0, 10, 22.4, 8.5}, {"SN-box", 0, 69 - 6 * 0.17, 22.4, 8.5},
                     {"S", 0, 64, 27.3, 12}, {"S", 4, 176, 27.3, 12}, {"Mean", 0, 10, 37.4, 10},
                     {"mx", 0, 16.3, 42.8, 10}, {"x =", 0, 10, 42.4, 11},
                     {"Mo =", 0, 110, 42.4, 11}, {"Coefficient of variation", 0, 110, 51.8, 10},
                     {"dx", 0, 16, 57.2, 10}, {"s\u00b2 = ", 0, 60, 56.8, 11},
                     {"cu  Mesokurtic", 0, 118.4, 71.6, 10}, {"1", 0, 12.2, 73.4, 7},
                     {"2", 2, 112.2, 73.4, 7}, {"g   = ", 1, 110, 71.2, 11},
                     {"Moments about the origin", 0, 10, 80.6, 10}, {"a   =", 4, 155, 86, 11},
                     {"M4origin", 0, 163.9, 86, 10}, {"4", 2, 157.4, 88.1, 7},
                     {"Moments about the mean", 0, 10, 95, 10}, {"m   =", 1, 35, 100.4, 11},
                     {"M1mean", 0, 44.8, 100.4, 10}, {"1", 2, 38.2, 102.5, 7}});
  // Under the title, the captions, above TOTAL and under the sums.
  const std::vector<double> rules{12.2, 19.2, 20.4, 33.9};
  EXPECT_EQ(Lines(job), rules);
  ExpectRightEdges(job, LineY(1.5), kEdges1V);
  EXPECT_EQ(TextsAt(job, LineY(1.5) - 0.5), (std::vector<std::string>{"2", "3", "4"}));
  EXPECT_NEAR(job.Find("3")->x, 152.3, 1e-4);
  // The mean's overbar: 1.7 mm, half a millimetre below the top of its line.
  EXPECT_EQ(Lines(job, 1.7), std::vector<double>{43.3});

  tables::Table2V table2;
  table2.RegType2V = 3;
  Report2VInput in2;
  in2.Table = &table2;
  in2.Label1_44 = "Curve of POWER regression";
  in2.Boxes.Txt2V_MX = "mx", in2.Boxes.Txt2V_VY = "vy", in2.Boxes.Txt2V_R = "r1";
  in2.Boxes.Txt2V_CUR = " y = 2 x^3";
  printing::Imprimir2VAR(printers, in2);
  // Headings on line 5.5, the x side on 6.4 and the y side on 7.4, covariance heading on
  // 9.0 and values on 9.9, the curve on 11.5 and 12.5; both sides logarithmic.
  const RecordedJob& job2 = printers.jobs[1];
  ExpectPlaced(job2, {{"Means", 0, 10, 38, 10}, {"= mx", 0, 16.5, 43.4, 10},
                      {"= vy", 0, 117, 49.4, 10}, {"lnx", 0, 10, 43, 11},
                      {"s\u00b2", 1, 110, 49, 11}, {"lny", 2, 112, 51.4, 7},
                      {"Covariance", 0, 10, 59, 10}, {"= r1", 0, 113, 64.4, 10},
                      {"r", 0, 110, 64, 11}, {"lnx lny", 0, 12, 66.4, 7},
                      {"Curve of POWER regression", 0, 10, 74, 11},
                      {" y = 2 x^3", 0, 10, 80, 11}});
  EXPECT_EQ(Lines(job2), rules);
  EXPECT_EQ(TextsAt(job2, LineY(1.5)),
            (std::vector<std::string>{"#", "x", "y", "n", "n lnx", "n lny", "n lnx  ", "n lny  ",
                                      "n lnx lny"}));
  ExpectRightEdges(job2, LineY(1.5), kEdges9);
  EXPECT_EQ(Lines(job2, 5), (std::vector<double>{43.2, 49.2}));  // the means' bars

  ScriptedUi ui;  // any message fails the test
  FakePrinters none;
  printing::Imprimir1VAR(none, Input1V(table));
  printing::Imprimir2VAR(none, in2);
  EXPECT_TRUE(none.jobs.empty());
}

RecordedJob& Print2V(FakePrinters& printers, int16_t model,
                     std::vector<std::array<double, 3>> rows) {
  tables::Table2V table;
  table.RegType2V = model;
  for (size_t i = 0; i < rows.size(); ++i) {
    table.Data2V_X[i + 1] = rows[i][0], table.Data2V_Y[i + 1] = rows[i][1];
    table.Data2V_N[i + 1] = rows[i][2];
  }
  Report2VInput in;
  in.Table = &table;
  printing::Imprimir2VAR(printers, in);
  return printers.jobs.back();
}

TEST(Report2VTest, ModelsDecideTransformsCaptionsSignsAndSkippedRows) {
  struct Case {
    int16_t model;
    std::vector<std::string> firstRow;  // row index, x, y, n, then the five products
    std::string lastCaption;
    std::vector<double> signs;  // before n and the five product columns
    double covarianceX;
    std::vector<std::string> indices;
  };
  // Rows: (2, 1, 3), (-1, 2, 1), (4, -2, 1). Worked by hand for each model.
  const Case cases[] = {
      {0, {"1", "2", "1", "3", "6", "3", "12", "3", "6"},
       "n x y", {57, 77, 99, 119.2, 142.2, 164}, 7, {"1", "2", "3"}},
      {2, {"1", "2", "1", "3", "6", "0", "12", "0", "0"},
       "n x lny", {57, 77, 96, 119.2, 139.2, 161}, 9, {"1", "2"}},
      {1, {"1", "2", "1", "3", "2.079441542", "3", "1.441359042", "3", "2.079441542"},
       "n y lnx", {57, 74, 99, 116.2, 142.2, 161}, 9, {"1", "3"}},
      {3, {"1", "2", "1", "3", "2.079441542", "0", "1.441359042", "0", "0"},
       "n lnx lny", {57, 74, 96, 116.2, 139.2, 158}, 11, {"1"}},
      {4, {"1", "2", "1", "3", "6", "3", "12", "3", "6"},
       "n x y", {57, 77, 99, 119.2, 142.2, 164}, 7, {"1", "2", "3"}},
  };
  for (const Case& c : cases) {
    FakePrinters printers({"P"}, "P");
    const RecordedJob& job = Print2V(printers, c.model, {{2, 1, 3}, {-1, 2, 1}, {4, -2, 1}});
    EXPECT_TRUE(job.ended);
    EXPECT_EQ(TextsAt(job, LineY(2.7)), c.firstRow) << c.model;
    ExpectRightEdges(job, LineY(2.7), kEdges9);
    // The exponents of the squared columns, on the caption line...
    const std::vector<const DrawnItem*> exponents = ItemsAt(job, LineY(1.5) - 0.5);
    ASSERT_EQ(exponents.size(), 2u);
    EXPECT_NEAR(exponents[0]->x, 139 - 0.14, 1e-4);
    EXPECT_NEAR(exponents[1]->x, 162 - 0.14, 1e-4);
    // ...and with the six sum signs half a millimetre above the sums line.
    EXPECT_EQ(TextsAt(job, job.Find("TOTAL")->y + 5.4 - 0.5).size(), 8u);
    // Row 2 has x <= 0 and row 3 y <= 0: only the plain sides print them.
    std::vector<std::string> indices;
    double L = 2.7;
    for (; !ItemsAt(job, LineY(L)).empty(); L += 1) indices.push_back(TextsAt(job, LineY(L))[0]);
    EXPECT_EQ(indices, c.indices) << c.model;
    EXPECT_NEAR(job.Find("TOTAL")->y, LineY(L + 0.2), 1e-4) << c.model;
    // The last column's caption on the caption line and the sums line, its sign before it.
    ASSERT_NE(job.Find(c.lastCaption, 1), nullptr) << c.model;
    std::vector<double> signs;
    for (const DrawnItem& item : job.items) {
      if (item.text == "S" && item.font.Name == "Symbol") signs.push_back(item.x - 10);
    }
    ASSERT_EQ(signs.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(signs[i], c.signs[i], 1e-4) << c.model << " " << i;
    EXPECT_NEAR(job.Find("= ", 6)->x, 10 + c.covarianceX, 1e-4) << c.model;
  }
}

TEST(Report2VTest, ARunTimeErrorStopsTheReportDropsTheDocumentAndSaysWhy) {
  ScriptedUi ui;
  ui.ExpectMsgBox("Printing Error: \nError  6\nOverflow", platform::Answer::Ok, "",
                  platform::Icon::Critical, platform::Buttons::Ok);
  FakePrinters printers({"P"}, "P");
  const RecordedJob& job = Print2V(printers, 0, {{1, 1, 1}, {1e200, 1, 1}});
  EXPECT_TRUE(job.aborted && !job.ended);
  EXPECT_EQ(job.Find("Covariance"), nullptr);
}

}  // namespace
