// The two-variable statistics and the five regression models, recomputed from scratch on
// every change of the table. Plain C++; the panel only writes the returned texts into its
// boxes. Texts are UTF-8 ("x²", the middle dot of "3 · 2 ^ x").
#pragma once

#include <cstdint>
#include <string>

#include "tables/table_data.h"

namespace tables {

// The fitted coefficients of the current model, each rounded to the 10 significant digits
// the equation shows, so that the equation, the estimates, the graph and the report agree.
// Only a pass that fits a curve overwrites them: readers check the equation text first.
struct Stats2V {
  double RegCoefA = 0;  // intercept (linear, logarithmic), factor (exponential, power), x² (quadratic)
  double RegCoefB = 0;  // slope, base (exponential), exponent (power), x (quadratic)
  double RegCoefC = 0;  // constant (quadratic); 0 otherwise
};

// The texts of the panel's result boxes after a pass; empty when there is nothing to show.
// The statistics are those of X and Y: x and y, or ln x and ln y as the model requires.
// The pass also empties the estimation boxes Txt2V_ESTX and Txt2V_ESTY.
struct Results2V {
  std::string Txt2V_SN, Txt2V_SX, Txt2V_SY, Txt2V_SX2, Txt2V_SY2, Txt2V_SXY;
  std::string Txt2V_MX, Txt2V_MY;  // means
  std::string Txt2V_VX, Txt2V_VY;  // variances (divisor N)
  std::string Txt2V_DX, Txt2V_DY;  // standard deviations
  std::string Txt2V_COV;           // covariance
  std::string Txt2V_R;             // coefficient of correlation (hidden for the quadratic)
  std::string Txt2V_CUR;           // the fitted equation, " y = ..."; empty when none
};

// Recomputes every statistic and fits the table's model RegType2V (0 linear, 1 logarithmic,
// 2 exponential, 3 power, 4 quadratic). A partly filled row, a negative frequency, or an x
// (y) that the model takes the logarithm of and is not positive, sets ErrorFlag and leaves
// every box empty; a run-time failure sets it and stops the pass with the boxes written so
// far. All x equal, or a parabola not determined by the data: no equation, coefficients
// untouched.
Results2V ProcesarDatos2VAR(const Table2V& table, Stats2V& stats);

// The equation text of a model with coefficients A, B, C, as the equation box shows it.
std::string CurveEquation(int16_t RegType2V, double A, double B, double C);

// Captions that follow the model: the option's own ("Linear"), the panel title ("Two
// variables statistic:  Linear regression analysis") and the curve label ("Curve of LINEAR
// regression").
std::string ModelCaption(int16_t RegType2V);
std::string LblESTAD2_Caption(int16_t RegType2V);
std::string Label1_44_Caption(int16_t RegType2V);

// The program's own regression state, beside the program's tables.
Stats2V& ProgramStats2V();

}  // namespace tables
