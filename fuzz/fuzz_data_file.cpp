// The data-file readers from bytes. The first byte chooses the one- or the two-variable
// reader. A file is read completely or not at all, and what Save writes of a table read
// from a file reads back to the same table.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/quiet_ui.h"
#include "tables/data_files.h"

namespace {

template <typename Table, typename Load, typename Text>
void Check(std::string_view bytes, Load load, Text text) {
  fuzz::QuietUi& ui = fuzz::Ui();
  // Tables are large: copying a pristine one is much faster than building one per input.
  static const Table pristine;
  static Table table, again;
  table = pristine;
  again = pristine;
  const fuzz::Rows before = fuzz::RowsOf(table);
  const bool loaded = load(table, "fuzz", bytes);
  fuzz::Require(fuzz::OutsideRowsEmpty(table), "nothing is written outside rows 1..N");
  if (!loaded) {
    fuzz::Require(ui.messages == 1, "a refused file is reported once");
    fuzz::Require(fuzz::RowsOf(table) == before, "a refused file changes nothing");
    return;
  }
  fuzz::Require(ui.messages == 0, "a file that is read says nothing");
  fuzz::Require(load(again, "again", text(table)), "what Save writes can be read");
  fuzz::Require(fuzz::RowsOf(again) == fuzz::RowsOf(table), "what Save writes reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] & 1) {
    Check<tables::Table2V>(bytes, tables::Load2VARFromBytes, tables::DataFileText2V);
  } else {
    Check<tables::Table1V>(bytes, tables::Load1VARFromBytes, tables::DataFileText1V);
  }
  return 0;
}
