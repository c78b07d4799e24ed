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
#include "support/reference_rows.h"
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

tables::Table2V Table2V(int16_t model, const std::vector<std::array<double, 3>>& rows) {
  tables::Table2V table;
  table.RegType2V = model;
  for (size_t i = 0; i < rows.size(); ++i) {
    table.Data2V_X[i + 1] = rows[i][0], table.Data2V_Y[i + 1] = rows[i][1];
    table.Data2V_N[i + 1] = rows[i][2];
  }
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
    tables::Table1V table;
    table.DataType1V = c.kind;
    for (size_t i = 0; i < c.rows.size(); ++i) {
      table.Data1V_X1[i + 1] = c.rows[i][0];
      table.Data1V_X2[i + 1] = c.rows[i][1];
      table.Data1V_N[i + 1] = c.rows[i][2];
    }
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
  in.Boxes.Label1_69 = "Mesokurtic";
  const tables::Table2V table2 = Table2V(3, {});
  Report2VInput in2;
  in2.Table = &table2;
  in2.Label1_44 = "Curve of POWER regression";
  in2.Boxes.Txt2V_MX = "mx", in2.Boxes.Txt2V_VY = "vy", in2.Boxes.Txt2V_R = "r1";
  in2.Boxes.Txt2V_CUR = " y = 2 x^3";
  const RecordedJob job = Printed(in), job2 = Printed(table2, in2);
  ExpectPlaced(job, "1V");
  ExpectPlaced(job2, "2V");

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

}  // namespace
