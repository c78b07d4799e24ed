// The rows of a reference file under tests/data.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

// The rows of tests/data/<name>, split at tabs, with "-" read as an empty text; lines that
// begin with '#' say what the columns are. A file without rows fails the test.
inline std::vector<std::vector<std::string>> ReferenceRows(const std::string& name) {
  std::ifstream in(std::string(ORVALIS_TEST_DATA_DIR) + "/" + name);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream split(line);
    auto& fields = rows.emplace_back();
    for (std::string f; std::getline(split, f, '\t');) fields.push_back(f == "-" ? "" : f);
    if (line.back() == '\t') fields.emplace_back();  // getline drops a last empty field
  }
  EXPECT_FALSE(rows.empty()) << "no rows read from " << name;
  return rows;
}

}  // namespace testing_support
