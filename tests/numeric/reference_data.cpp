#include "reference_data.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <sstream>

namespace numeric_testing {

namespace {

bool ParseDouble(const std::string& field, double& value) {
  const char* end = field.data() + field.size();
  const auto result = std::from_chars(field.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

std::vector<ReferenceRow> LoadReference(const std::string& name) {
  const std::string path = std::string(ORVALIS_TEST_DATA_DIR) + "/" + name;
  std::ifstream in(path);
  EXPECT_TRUE(in) << "cannot read " << path;
  std::vector<ReferenceRow> rows;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    ReferenceRow row;
    row.line = number;
    bool ok = fields.size() == 6;
    if (ok) {
      row.routine = fields[0];
      for (int i = 0; i < 3; ++i) {
        if (fields[1 + i] == "-") continue;
        ok = ok && ParseDouble(fields[1 + i], row.arg[i]);
        row.args = i + 1;
      }
      ok = ok && ParseDouble(fields[4], row.exact) && ParseDouble(fields[5], row.tie_distance);
    }
    EXPECT_TRUE(ok) << path << ":" << number << ": malformed row: " << line;
    if (ok) rows.push_back(row);
  }
  return rows;
}

std::vector<ReferenceRow> RowsOf(const std::vector<ReferenceRow>& rows, const std::string& routine) {
  std::vector<ReferenceRow> selected;
  for (const auto& row : rows) {
    if (row.routine == routine) selected.push_back(row);
  }
  return selected;
}

}  // namespace numeric_testing
