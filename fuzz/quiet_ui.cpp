#include "fuzz/quiet_ui.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cstdlib>

namespace fuzz {

platform::Answer QuietUi::MsgBox(const std::string& text, platform::Buttons, platform::Icon,
                                 const std::string&) {
  lastMessage = text;
  ++messages;
  return platform::Answer::Ok;
}

std::optional<std::string> QuietUi::ShowOpen(const platform::FileDialogRequest&) {
  return std::nullopt;
}

std::optional<std::string> QuietUi::ShowSave(const platform::FileDialogRequest&) {
  return std::nullopt;
}

QuietUi& Ui() {
  static QuietUi ui;
  platform::InstallUi(&ui);
  ui.messages = 0;
  ui.lastMessage.clear();
  return ui;
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

namespace {

template <typename Column>
Rows Collect(int32_t n, int16_t kind, const Column& a, const Column& b, const Column& c) {
  Rows rows{n, kind, {}};
  for (int32_t i = 1; i <= n; ++i) {
    for (const Column* col : {&a, &b, &c}) rows.cells.push_back((*col)[static_cast<size_t>(i)]);
  }
  return rows;
}

// A whole table is scanned after every input: memcmp against a column of empty cells is
// many times faster than a loop under the sanitizers.
bool AllEmpty(const double* from, size_t count) {
  static const std::vector<double> empty(tables::kArraySize, NoValue);
  return count == 0 || std::memcmp(from, empty.data(), count * sizeof(double)) == 0;
}

template <typename Column>
bool Outside(int32_t n, const Column& a, const Column& b, const Column& c) {
  for (const Column* col : {&a, &b, &c}) {
    const size_t after = std::min(static_cast<size_t>(n) + 1, col->size());
    if (!AllEmpty(col->data(), 1) || !AllEmpty(col->data() + after, col->size() - after)) return false;
  }
  return true;
}

}  // namespace

Rows RowsOf(const tables::Table1V& t) {
  return Collect(t.N1V, t.DataType1V, t.Data1V_X1, t.Data1V_X2, t.Data1V_N);
}
Rows RowsOf(const tables::Table2V& t) {
  return Collect(t.N2V, t.RegType2V, t.Data2V_X, t.Data2V_Y, t.Data2V_N);
}
bool OutsideRowsEmpty(const tables::Table1V& t) {
  return Outside(t.N1V, t.Data1V_X1, t.Data1V_X2, t.Data1V_N);
}
bool OutsideRowsEmpty(const tables::Table2V& t) {
  return Outside(t.N2V, t.Data2V_X, t.Data2V_Y, t.Data2V_N);
}

}  // namespace fuzz
