#include "tables/row_reading.h"

#include <cmath>

#include "tables/command_steps.h"

namespace tables {

namespace {

// A computed cell: 10 significant digits, or empty when the value overflowed or is not a
// number (the product of an overflow and 0, the logarithm of 0).
std::string Computed(double value) {
  if (!std::isfinite(value)) return "";
  return FormatoCifras(value, 10);
}

// A typed cell: blank text is an empty cell, not 0.
double ReadCell(const std::string& text) {
  if (text.find_first_not_of(' ') == std::string::npos) return NoValue;
  return LeerNumero(text);
}

// The data row of visible row index, or false (after the row-limit message where the row
// is beyond the limit).
bool RowOfIndex(const detail::TableRef& t, int index, int32_t& row) {
  if (index < 1 || index > kVisibleRows) return false;
  row = t.top + index - 1;
  if (row >= kMaxRows) {
    detail::ShowRowLimitMessage();
    return false;
  }
  return true;
}

// Editing the last row always leaves one empty row after it.
void GrowAndRecompute(const detail::TableRef& t, int32_t row) {
  if (row >= t.N) t.N = row + 1;
  t.view.Recompute();
}

DerivedCells1V Derived1V(int16_t dataType, double x1, double x2, double n) {
  DerivedCells1V cells;
  double x = x1;
  if (dataType == 1) {
    if (IsEmpty(x1) || IsEmpty(x2) || IsEmpty(n)) return cells;
    x = (x1 + x2) / 2;
    cells.XM = Computed(x);
  } else if (IsEmpty(x1) || IsEmpty(n)) {
    return cells;
  }
  cells.XN = Computed(x * n);
  cells.X2N = Computed(x * x * n);
  cells.X3N = Computed(x * x * x * n);
  cells.X4N = Computed(x * x * x * x * n);
  return cells;
}

// The value a two-variable column contributes under a model: the value itself, or its
// logarithm when the model takes it. False when the model takes the logarithm of a value
// that is not above 0.
bool ModelValue(double v, bool logarithmic, double& out) {
  if (logarithmic) {
    if (!(v > 0)) return false;
    out = std::log(v);
  } else {
    out = v;
  }
  return true;
}

DerivedCells2V Derived2V(int16_t model, double x, double y, double n) {
  DerivedCells2V cells;
  if (IsEmpty(n)) return cells;
  double X = 0, Y = 0;
  const bool hasX = !IsEmpty(x) && ModelValue(x, model == 1 || model == 3, X);
  const bool hasY = !IsEmpty(y) && ModelValue(y, model == 2 || model == 3, Y);
  if (hasX) {
    cells.XN = Computed(X * n);
    cells.X2N = Computed(X * X * n);
  }
  if (hasY) {
    cells.YN = Computed(Y * n);
    cells.Y2N = Computed(Y * Y * n);
  }
  if (!cells.XN.empty() && !cells.YN.empty()) cells.XYN = Computed(X * Y * n);
  return cells;
}

}  // namespace

std::optional<DerivedCells1V> LeerITEM1V(Table1V& table, int index, const std::string& x1Text,
                                         const std::string& x2Text, const std::string& nText) {
  const detail::TableRef t = detail::RefOf(table);
  int32_t row = 0;
  if (!RowOfIndex(t, index, row)) return std::nullopt;
  table.Data1V_X1[row] = ReadCell(x1Text);
  table.Data1V_X2[row] = table.DataType1V == 1 ? ReadCell(x2Text) : NoValue;
  table.Data1V_N[row] = ReadCell(nText);
  DerivedCells1V cells = DerivedCellsOf1V(table, row);
  GrowAndRecompute(t, row);
  return cells;
}

std::optional<DerivedCells2V> LeerITEM2V(Table2V& table, int index, const std::string& xText,
                                         const std::string& yText, const std::string& nText) {
  const detail::TableRef t = detail::RefOf(table);
  int32_t row = 0;
  if (!RowOfIndex(t, index, row)) return std::nullopt;
  auto read = [](const std::string& text) {
    const double v = ReadCell(text);
    return v != 0 && std::fabs(v) < 1E-300 ? NoValue : v;
  };
  table.Data2V_X[row] = read(xText);
  table.Data2V_Y[row] = read(yText);
  table.Data2V_N[row] = read(nText);
  DerivedCells2V cells = DerivedCellsOf2V(table, row);
  GrowAndRecompute(t, row);
  return cells;
}

DerivedCells1V DerivedCellsOf1V(const Table1V& table, int32_t row) {
  return Derived1V(table.DataType1V, table.Data1V_X1[row], table.Data1V_X2[row],
                   table.Data1V_N[row]);
}

DerivedCells2V DerivedCellsOf2V(const Table2V& table, int32_t row) {
  return Derived2V(table.RegType2V, table.Data2V_X[row], table.Data2V_Y[row],
                   table.Data2V_N[row]);
}

}  // namespace tables
