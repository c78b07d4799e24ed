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

}  // namespace
