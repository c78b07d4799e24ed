// Estimation from the fitted curve: y from a typed x, and x from a typed y through the
// curve's inverse. The two boxes clear each other, so the one typed into last is the input.
#pragma once

#include <cstdint>
#include <string>

#include "tables/statistics2v.h"

namespace tables {

// The text for Txt2V_ESTY after x was typed into Txt2V_ESTX: the curve of model RegType2V
// with the stored coefficients at x, with 10 significant digits. Empty when no curve is
// fitted (Txt2V_CUR blank), the text is blank or unreadable, or the curve has no value there.
std::string Txt2V_ESTX_Change(const Stats2V& stats, int16_t RegType2V,
                              const std::string& Txt2V_CUR, const std::string& x);

// The text for Txt2V_ESTX after y was typed into Txt2V_ESTY: the x at which the curve
// takes the value y (the larger root for the quadratic), or empty as above.
std::string Txt2V_ESTY_Change(const Stats2V& stats, int16_t RegType2V,
                              const std::string& Txt2V_CUR, const std::string& y);

}  // namespace tables
