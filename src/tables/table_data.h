// The one- and two-variable data tables: the columns every part of the program reads
// (grids, statistics, files, undo, graph, reports) and the per-table state of the panels.
// Plain C++; the windows are views of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "numeric/numeric.h"

namespace tables {

// Rows 1..N are the table; index 0 and the indices above N are not part of it.
inline constexpr int32_t kArraySize = 10002;  // indices 0..10001
inline constexpr int32_t kMaxRows = 10000;
inline constexpr int32_t kNewTableRows = 12;
inline constexpr int32_t kVisibleRows = 12;

inline bool IsEmpty(double cell) { return cell == NoValue; }

// The one-variable table: values (ungrouped) or classes (grouped) with frequencies.
struct Table1V {
  std::vector<double> Data1V_X1 = std::vector<double>(kArraySize, NoValue);  // value or lower bound
  std::vector<double> Data1V_X2 = std::vector<double>(kArraySize, NoValue);  // upper bound (grouped)
  std::vector<double> Data1V_N = std::vector<double>(kArraySize, NoValue);   // frequency
  int32_t N1V = kNewTableRows;
  int16_t DataType1V = 0;  // 0 ungrouped, 1 grouped

  std::string FileName1V;  // full path of the table's file; "" while it has none
  bool Modified1V = false;
  int32_t SelStart1V = -1;  // the anchor of the selected rows; -1: none
  int32_t SelEnd1V = -1;
  int32_t Top1V = 1;  // data row shown in the first visible grid row
};

// The two-variable table: x, y and frequency, fitted with the model RegType2V.
struct Table2V {
  std::vector<double> Data2V_X = std::vector<double>(kArraySize, NoValue);
  std::vector<double> Data2V_Y = std::vector<double>(kArraySize, NoValue);
  std::vector<double> Data2V_N = std::vector<double>(kArraySize, NoValue);
  int32_t N2V = kNewTableRows;
  int16_t RegType2V = 0;  // 0 linear, 1 logarithmic, 2 exponential, 3 power, 4 quadratic

  std::string FileName2V;
  bool Modified2V = false;
  int32_t SelStart2V = -1;
  int32_t SelEnd2V = -1;
  int32_t Top2V = 1;
};

// The program-wide instances. Plain C++ code takes a table by reference, so that tests
// can use tables of their own.
Table1V& ProgramTable1V();
Table2V& ProgramTable2V();

}  // namespace tables
