// Joins the two data tables to the main window: the File menu's readers and writers, and
// the part of each table's view that belongs to the window (its caption, the task tabs,
// File > Save). The grid panels build on this view and add what they show of the table.
#pragma once

#include <string>

#include "frame/file_menu.h"
#include "frame/frame_state.h"
#include "tables/table_data.h"
#include "tables/table_view.h"

namespace frame {

class TableWindowView : public tables::TableView {
 public:
  explicit TableWindowView(FrameWindow& window) : window_(window) {}

  void SetCaption(const std::string& caption) override { window_.SetCaption(caption); }
  void ShowTask(int task) override { window_.LblTASK_Click(static_cast<int16_t>(task)); }
  void SaveTable() override { window_.mnu_archivo_guardar_Click(); }

 private:
  FrameWindow& window_;
};

class TableFiles1V : public TableFileCommands {
 public:
  explicit TableFiles1V(tables::Table1V& table) : table_(table) {}
  void Save() override;
  bool Load(const std::string& fileName) override;
  void PreLoad(const std::string& fileName) override;

 private:
  tables::Table1V& table_;
};

class TableFiles2V : public TableFileCommands {
 public:
  explicit TableFiles2V(tables::Table2V& table) : table_(table) {}
  void Save() override;
  bool Load(const std::string& fileName) override;
  void PreLoad(const std::string& fileName) override;

 private:
  tables::Table2V& table_;
};

}  // namespace frame
