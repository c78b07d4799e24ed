// Rows of the reference files written by tools/numeric_reference.py (mpmath at 40 digits).
#pragma once

#include <string>
#include <vector>

namespace numeric_testing {

struct ReferenceRow {
  std::string routine;  // the routine, or the table of a critical-value row
  double arg[3] = {0, 0, 0};
  int args = 0;         // how many leading arguments the row gives
  double exact = 0;     // the exact value, rounded to the nearest double
  // How far exact lies from a tie of its rounding to 6 digits, relative to it: a value
  // closer to exact than that has the same 6-digit text.
  double tie_distance = 1;
  int line = 0;
};

// Every row of tests/data/<name>; a missing or malformed file fails the calling test.
std::vector<ReferenceRow> LoadReference(const std::string& name);

// The rows of one routine.
std::vector<ReferenceRow> RowsOf(const std::vector<ReferenceRow>& rows, const std::string& routine);

}  // namespace numeric_testing
