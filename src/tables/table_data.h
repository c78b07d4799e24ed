// The one- and two-variable data tables: the columns every part of the program reads
// (grids, statistics, files, undo, graph, reports) and the per-table state of the panels.
// Plain C++; the windows are views of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "numeric/numeric.h"

namespace tables {

class TableView;

// Rows 1..N are the table; index 0 and the indices above N are not part of it, and every
// element outside the table holds NoValue, so a count that grows always uncovers empty rows.
inline constexpr int32_t kArraySize = 10002;  // indices 0..10001
inline constexpr int32_t kMaxRows = 10000;
inline constexpr int32_t kNewTableRows = 12;
inline constexpr int32_t kVisibleRows = 12;

inline bool IsEmpty(double cell) { return cell == NoValue; }

// One step of undo or redo: the table's rows as they were, with the selection (lowest end
// first), the first visible row and the row count. The data kind, the model, the file
// name and the modified flag are not part of it.
struct TableSnapshot {
  std::vector<double> Columns[3] = {std::vector<double>(kNewTableRows + 1, NoValue),
                                    std::vector<double>(kNewTableRows + 1, NoValue),
                                    std::vector<double>(kNewTableRows + 1, NoValue)};
  int32_t SelLo = -1;
  int32_t SelHi = -1;
  int32_t Top = 1;
  int32_t N = kNewTableRows;
};

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

  // One step of undo and one of redo, and what the Edit menu offers for them.
  TableSnapshot Undo1V;
  TableSnapshot Redo1V;
  bool UndoAvail1V = false;
  bool RedoAvail1V = false;
  std::string UndoCaption1V;
  std::string RedoCaption1V;

  // The panel that shows this table; commands tell it what to redraw. Not owned; while
  // it is null the table works without a window (nothing is shown).
  TableView* View1V = nullptr;
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

  TableSnapshot Undo2V;
  TableSnapshot Redo2V;
  bool UndoAvail2V = false;
  bool RedoAvail2V = false;
  std::string UndoCaption2V;
  std::string RedoCaption2V;

  TableView* View2V = nullptr;
};

// The program-wide instances. Plain C++ code takes a table by reference, so that tests
// can use tables of their own.
Table1V& ProgramTable1V();
Table2V& ProgramTable2V();

// The main window's caption without a file and with one.
inline constexpr const char* kPlainCaption = "Orvalis - ZorbSoftware";
std::string CaptionWithFile(const std::string& fileName);

}  // namespace tables
