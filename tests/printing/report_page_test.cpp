#include "printing/report_page.h"

#include <gtest/gtest.h>

#include "support/fake_printers.h"

namespace {

using printing::ReportPage;
using testing_support::DrawnItem;
using testing_support::RecordedJob;

TEST(ReportPageTest, PageBreakWhenTheNextLineLeavesLessThanOneAndAHalfLines) {
  // The next line's top is L*6+5 mm; it needs 9 mm below it inside the printable height.
  struct Case {
    double L, height;
    bool breaks;
  };
  const Case cases[] = {
      {43.5, 275, true},   // (43.5 + 1.5) * 6 + 5 = 275: not below the height
      {43.4, 275, false},  // 274.4
      {11, 80, true},      // exactly 80
      {11, 80.01, false},
      {0, 5, true},
  };
  for (const Case& c : cases) {
    RecordedJob job;
    job.height = c.height;
    ReportPage page(job, false);
    page.SetFont(printing::kCaptionFont);
    page.L = c.L;
    page.PageBreakCheck();
    EXPECT_EQ(job.page, c.breaks ? 2 : 1) << c.L << " " << c.height;
    EXPECT_DOUBLE_EQ(page.L, c.breaks ? 1.2 : c.L);
    EXPECT_EQ(page.Font(), c.breaks ? printing::kPageBreakFont : printing::kCaptionFont);
  }
}

TEST(ReportPageTest, LineThicknessIsATenthOfAMillimetreTwiceNeverBelowOnePixel) {
  struct Case {
    double dpi;
    int pixels;
  };
  const Case cases[] = {{600, 5}, {300, 2}, {96, 1}, {1200, 9}, {10, 1}};
  for (const Case& c : cases) {
    RecordedJob job;
    job.twipsPerPixel = 1440.0 / c.dpi;
    ReportPage page(job, false);
    page.SetLineThickness();
    page.L = 1.5;
    page.Rule(1.8);
    ASSERT_EQ(job.items.size(), 1u);
    EXPECT_EQ(job.items[0].width, c.pixels) << c.dpi;
    EXPECT_DOUBLE_EQ(job.items[0].x, 10);
    EXPECT_NEAR(job.items[0].y, 1.5 * 6 + 5 - 1.8, 1e-12);
    EXPECT_DOUBLE_EQ(job.items[0].dx, 175);
    EXPECT_DOUBLE_EQ(job.items[0].dy, 0);
  }
}

TEST(ReportPageTest, TextsSitInsideTheMarginsLeftOrRightAligned) {
  RecordedJob job;
  ReportPage page(job, false);
  page.SetFont(printing::kCaptionFont);  // 11 pt: 0.22 mm a character
  page.ImpriTML(20, 12, "ab");
  page.ImpriTMR(129, 12, "x  ");  // trailing blanks count in the width
  ASSERT_EQ(job.items.size(), 2u);
  EXPECT_FLOAT_EQ(job.items[0].x, 30);
  EXPECT_FLOAT_EQ(job.items[0].y, 17);
  EXPECT_FLOAT_EQ(job.items[1].x, 139 - 3 * 0.22);
  EXPECT_FLOAT_EQ(job.items[1].y, 17);
}

TEST(ReportPageTest, OnlyTheOneVariableStyleSkipsAFailedStep) {
  for (bool resume : {true, false}) {
    RecordedJob job;
    job.failOnText = "bad";
    ReportPage page(job, resume);
    bool after = false;
    auto run = [&] {
      page.Step([&] { page.ImpriTML(0, 0, "bad"); });
      page.Step([&] { page.ImpriTML(0, 0, "good"); });
      after = true;
    };
    if (resume) {
      run();
      EXPECT_TRUE(after);
      EXPECT_NE(job.Find("good"), nullptr);
    } else {
      EXPECT_THROW(run(), platform::PrinterError);
      EXPECT_FALSE(after);
    }
    EXPECT_EQ(job.Find("bad"), nullptr);
  }
}

TEST(ReportPageTest, CellsAndProductsOutOfRangeAreOverflowErrors) {
  EXPECT_EQ(printing::Cell(2.5), "2.5");
  EXPECT_EQ(printing::Cell(1.0 / 3), "0.3333333333");
  try {
    printing::Times(1e200, 1e200);
    FAIL() << "no error";
  } catch (const platform::PrinterError& e) {
    EXPECT_EQ(e.Number(), 6);
    EXPECT_STREQ(e.what(), "Overflow");
  }
  EXPECT_DOUBLE_EQ(printing::Times(-3, 4), -12);
}

}  // namespace
