// The one-variable statistics: everything the panel shows about its table, recomputed from
// scratch on every change of it. Plain C++; the panel only writes the returned texts into
// its boxes and labels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tables/table_data.h"

namespace tables {

// What one pass leaves behind for the moment box, the quantiles, the graph and the report.
// A reader that finds Stats1VReady set can trust the sums and moments: they are written
// together, and the flag is cleared at the start of every pass.
struct Stats1V {
  double SumN = 0;    // total frequency N of the complete rows
  double SumXN = 0;   // sum of v·n (v the value, or the class mark of grouped data)
  double SumX2N = 0;  // sum of v²·n
  double SumX3N = 0;  // sum of v³·n
  double SumX4N = 0;  // sum of v⁴·n
  // Central moments m2..m4 (divisor N), taken from the deviations from the mean: derived
  // from the power sums they lose every digit once the data sit far from 0. m2 is the
  // variance the panel shows.
  double MomM2 = 0, MomM3 = 0, MomM4 = 0;
  bool Stats1VReady = false;
  bool ClassesOK1V = false;  // fit for median, quantiles, grouped mode and histogram
  int32_t M1V = -1;          // last complete row as the class check last found it
  int16_t TipoQQ = 2;        // quantile kind: 0 quartiles, 1 deciles, 2 percentiles
  double FracQQ = 0;         // fraction (0..1) of the last order converted
};

// The moment display: symbol, order subscript, caption and value.
struct Moment1V {
  std::string Label1_63;  // "a  =" about the origin, "m  =" about the mean
  std::string Label1_64;  // the order as a subscript
  std::string Label1_65;  // e.g. "2th-moment about the mean"
  std::string Txt1V_MM;   // empty while the statistics are not ready
};

// The texts of the panel's result boxes after a pass. Every box is empty when there is
// nothing to show. The pass also empties the quantile boxes Txt1V_QQ and Txt1V_QPCT.
struct Results1V {
  std::string Txt1V_SN, Txt1V_SX, Txt1V_SX2, Txt1V_SX3, Txt1V_SX4;
  std::string Txt1V_MO;  // mode
  std::string Txt1V_MX;  // mean
  std::string Txt1V_VX;  // variance (divisor N)
  std::string Txt1V_DX;  // standard deviation
  std::string Txt1V_CV;  // coefficient of variation (a ratio)
  std::string Txt1V_ME;  // median
  std::string Txt1V_AS;  // skewness
  std::string Txt1V_CU;  // excess kurtosis
  std::string Label1_68;  // skewness class word
  std::string Label1_69;  // kurtosis class word
  // Set when the pass reached the moment box; otherwise the panel keeps its moment labels
  // as they are and shows Txt1V_MM empty.
  std::optional<Moment1V> Moment;
  bool CmdCuantil_Enabled = false;
};

// Recomputes every statistic of the table. k (0..4) and about (0 origin, 1 mean) are the
// panel's moment options. Failures are reported through ErrorFlag only: a partly filled
// row, or a negative frequency, sets it and leaves every box empty; a run-time failure sets
// it and stops the pass with the boxes written so far.
Results1V ProcesarDatos1VAR(const Table1V& table, Stats1V& stats, int16_t k, int16_t about);

// True when the table is fit for order statistics: rows 1..M1V complete, frequencies not
// negative, values strictly rising (ungrouped) or classes touching (grouped). Sets M1V.
bool VerificaClases(const Table1V& table, int32_t& M1V);

// The mode; on failure (tie, no usable row, grouped classes not fit) 0 with ErrorFlag 1.
double GetModa(const Table1V& table, const Stats1V& stats);

// The moment display for order k about the origin (0) or the mean (1). The report calls it
// for every order; the panel for its option buttons.
Moment1V CalculaMomento(const Stats1V& stats, int16_t k, int16_t about);

// The quantile command is offered instead of converting on every keystroke from 200 rows on.
bool CmdCuantilEnabled(const Table1V& table);

// The panel title for a data kind: "One variable statistic:  Ungrouped data".
std::string LblESTAD1_Caption(int16_t DataType1V);

// The program's own statistics state, beside the program's tables.
Stats1V& ProgramStats1V();

}  // namespace tables
