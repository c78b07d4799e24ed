// Joins the two data tables to the main window's File menu: their readers and writers.
#pragma once

#include <string>

#include "frame/file_menu.h"
#include "tables/data_files.h"
#include "tables/table_data.h"

namespace frame {

// A table's File menu commands, as its readers and writers in the tables provide them.
template <class Table, void (*SaveVAR)(Table&), bool (*LoadVAR)(Table&, const std::string&),
          void (*PreLoadVAR)(Table&, const std::string&)>
class TableFiles : public TableFileCommands {
 public:
  explicit TableFiles(Table& table) : table_(table) {}
  void Save() override { SaveVAR(table_); }
  bool Load(const std::string& fileName) override { return LoadVAR(table_, fileName); }
  void PreLoad(const std::string& fileName) override { PreLoadVAR(table_, fileName); }

 private:
  Table& table_;
};

using TableFiles1V =
    TableFiles<tables::Table1V, tables::Save1VAR, tables::Load1VAR, tables::PreLOAD1VAR>;
using TableFiles2V =
    TableFiles<tables::Table2V, tables::Save2VAR, tables::Load2VAR, tables::PreLOAD2VAR>;

}  // namespace frame
