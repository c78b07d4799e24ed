// Joins the two data tables to the main window: the File menu's readers and writers, and
// the part of each table's view that belongs to the window (its caption, the task tabs,
// File > Save). The grid panels build on this view and add what they show of the table.
#pragma once

#include <string>

#include "frame/file_menu.h"
#include "shared/program_state.h"
#include "tables/data_files.h"
#include "tables/table_data.h"
#include "tables/table_view.h"

namespace frame {

// window may be null: a panel built without a main window has no caption, tabs or menu.
class TableWindowView : public tables::TableView {
 public:
  explicit TableWindowView(shared::FrameWindow* window) : window_(window) {}

  void SetCaption(const std::string& caption) override {
    if (window_ != nullptr) window_->SetCaption(caption);
  }
  void ShowTask(int task) override {
    if (window_ != nullptr) window_->LblTASK_Click(static_cast<int16_t>(task));
  }
  void SaveTable() override {
    if (window_ != nullptr) window_->mnu_archivo_guardar_Click();
  }

 private:
  shared::FrameWindow* window_;
};

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
