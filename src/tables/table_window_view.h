// The part of a table's view that belongs to the main window: its caption, the task tabs
// and File > Save. The grid panels build on this view and add what they show of the table.
#pragma once

#include <cstdint>
#include <string>

#include "shared/program_state.h"
#include "tables/table_view.h"

namespace tables {

// window may be null: a panel built without a main window has no caption, tabs or menu.
class TableWindowView : public TableView {
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

}  // namespace tables
