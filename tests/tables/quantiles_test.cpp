#include <gtest/gtest.h>

#include <string>

#include "numeric/numeric.h"
#include "tables/quantiles.h"

namespace {

using tables::OptQQ_Click;
using tables::Stats1V;

// Switching the quantile kind re-expresses the order box in the new kind, from the box's
// own text: an order typed but not yet converted keeps its meaning.
TEST(Quantiles, SwitchingKindReexpressesTheTypedOrder) {
  struct Case {
    const char* what;
    int16_t from, to;
    double staleFraction;  // left by an earlier conversion
    const char* order;
    const char* label;
    const char* expectedOrder;
    double expectedFraction;
  };
  const Case cases[] = {
      {"quartile 3 as percentiles", 0, 2, 0.75, "3", "P    =", "75", 0.75},
      {"percentile 75 as quartiles", 2, 0, 0.75, "75", "Q    =", "3", 0.75},
      {"typed decile 1, stale quartile 3", 1, 2, 0.75, "1", "P    =", "10", 0.1},
      {"typed percentile 33 as deciles", 2, 1, 0.5, "33", "D    =", "3.3", 0.33},
      {"percentile 1/3 as quartiles", 2, 0, 0.5, "100/3", "Q    =", "1.33333", 1.0 / 3},
      {"same kind again", 1, 1, 0.5, " 2.5 ", "D    =", "2.5", 0.25},
      {"out of range is kept as an order", 0, 2, 0.5, "5", "P    =", "125", 1.25},
      {"unreadable text stays", 0, 2, 0.5, "3/0", "P    =", "3/0", 0.5},
      {"too large to read stays", 2, 1, 0.5, "1E+400", "D    =", "1E+400", 0.5},
      {"empty order box stays empty", 0, 1, 0.5, "", "D    =", "", 0.5},
  };
  for (const auto& c : cases) {
    Stats1V stats;
    stats.TipoQQ = c.from;
    stats.FracQQ = c.staleFraction;
    const auto r = OptQQ_Click(stats, c.to, c.order);
    EXPECT_EQ(r.Label1_67, c.label) << c.what;
    EXPECT_EQ(r.Txt1V_QPCT, c.expectedOrder) << c.what;
    EXPECT_EQ(stats.TipoQQ, c.to) << c.what;
    EXPECT_DOUBLE_EQ(stats.FracQQ, c.expectedFraction) << c.what;
  }
}

TEST(Quantiles, NothingToConvertWithoutStatistics) {
  // A new table: no pass has made the statistics ready, so no box is filled and the
  // conversion leaves no error behind.
  tables::Table1V table;
  Stats1V stats;
  ErrorFlag = 0;
  for (const tables::QuantileBoxes& typed :
       {tables::QuantileBoxes{"50", ""}, tables::QuantileBoxes{"", "3"}}) {
    const auto b = tables::CmdCuantil_Click(table, stats, typed);
    EXPECT_EQ(b.Txt1V_QPCT, typed.Txt1V_QPCT);
    EXPECT_EQ(b.Txt1V_QQ, typed.Txt1V_QQ);
    EXPECT_EQ(ErrorFlag, 0);
  }
  stats.ClassesOK1V = true;  // fit, but no sums: the lookups fail and say so
  EXPECT_EQ(tables::GetCuantil(table, stats, 0.5), 0);
  EXPECT_EQ(ErrorFlag, 1);
  EXPECT_EQ(tables::GetCuantilPCT(table, stats, 1), 0);
  EXPECT_EQ(ErrorFlag, 1);
  EXPECT_EQ(tables::CmdCuantil_Click(table, stats, {"50", ""}).Txt1V_QQ, "");
  EXPECT_EQ(ErrorFlag, 0);
}

}  // namespace
