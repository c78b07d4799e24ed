// Quantiles of the one-variable table, both ways: the value at an order (quartile, decile
// or percentile) and the order of a value. Both interpolate linearly in the cumulative
// distribution of the table, where each class spreads its frequency evenly over its width
// and each ungrouped value over the half-gaps to its neighbours (the first from the value
// itself, the last up to the value itself).
#pragma once

#include <cstdint>
#include <string>

#include "tables/statistics1v.h"
#include "tables/table_data.h"

namespace tables {

// The value at cumulative fraction p (0..1). ErrorFlag is 0 on entry and 1 on failure
// (table not fit, statistics absent, p outside 0..1), with 0 as the result.
double GetCuantil(const Table1V& table, const Stats1V& stats, double p);

// The cumulative fraction at value x, with the same failure convention. An ungrouped table
// of one value has no fraction for any value.
double GetCuantilPCT(const Table1V& table, const Stats1V& stats, double x);

// Divisor and symbol of a quantile kind: 0 quartiles (4, "Q    ="), 1 deciles (10,
// "D    ="), 2 percentiles (100, "P    =").
double QuantileDivisor(int16_t TipoQQ);
std::string QuantileSymbol(int16_t TipoQQ);

// The texts of the quantile row: the order box and the value box.
struct QuantileBoxes {
  std::string Txt1V_QPCT;  // order
  std::string Txt1V_QQ;    // value
};

// Converts whichever box is the input (the other being empty) into the other, with 6
// significant digits. Unreadable text, an order outside the kind's range or data not fit
// leave the output box empty; ErrorFlag ends at 0 after an attempted conversion.
QuantileBoxes CmdCuantil_Click(const Table1V& table, Stats1V& stats, QuantileBoxes boxes);

// The user edited the order box (value box): the other box is emptied and, with fewer than
// 200 table rows, the conversion follows at once. The panel offers the quantile command
// (CmdCuantilEnabled) for larger tables.
QuantileBoxes Txt1V_QPCT_Change(const Table1V& table, Stats1V& stats, const std::string& order);
QuantileBoxes Txt1V_QQ_Change(const Table1V& table, Stats1V& stats, const std::string& value);

// A new quantile kind was chosen (index 0..2): its symbol, and the order box re-expressed
// in the new kind (quartile 3 becomes percentile 75). The order is taken from the box's
// own text, so an order typed but not converted yet keeps its meaning; unreadable text is
// left as it stands.
struct QuantileKind {
  std::string Label1_67;
  std::string Txt1V_QPCT;
};
QuantileKind OptQQ_Click(Stats1V& stats, int16_t index, const std::string& order);

}  // namespace tables
