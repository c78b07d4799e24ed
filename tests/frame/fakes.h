// Stand-ins for the main window and the tables' readers and writers, recording what the
// File menu asks of them.
#pragma once

#include <string>
#include <vector>

#include "frame/file_menu.h"
#include "frame/frame_state.h"

namespace frame_testing {

class FakeWindow : public frame::FrameWindow {
 public:
  explicit FakeWindow(frame::FrameState& state) : state_(state) {}
  void LblTASK_Click(int16_t index) override {
    state_.CurrentTask = index;
    tabClicks.push_back(index);
  }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  std::string Caption() const override { return caption_; }
  void mnu_archivo_guardar_Click() override {}

  std::vector<int16_t> tabClicks;

 private:
  frame::FrameState& state_;
  std::string caption_ = frame::kCaption;
};

// One table's commands. Calls are logged as "Save", "Load <file name>", "PreLoad <name>".
class FakeTable : public frame::TableFileCommands {
 public:
  FakeTable(bool& modified, std::string& fileName, std::vector<std::string>& log, std::string tag)
      : modified_(modified), fileName_(fileName), log_(log), tag_(std::move(tag)) {}

  void Save() override {
    log_.push_back(tag_ + " Save " + fileName_);
    if (saveSucceeds) modified_ = false;
  }
  bool Load(const std::string& fileName) override {
    log_.push_back(tag_ + " Load " + fileName);
    if (loadSucceeds) {
      fileName_ = fileName;
      modified_ = false;
    }
    return loadSucceeds;
  }
  void PreLoad(const std::string& fileName) override {
    log_.push_back(tag_ + " PreLoad " + fileName);
  }

  bool saveSucceeds = true;
  bool loadSucceeds = true;

 private:
  bool& modified_;
  std::string& fileName_;
  std::vector<std::string>& log_;
  std::string tag_;
};

class FakePrinter : public frame::PrintCommands {
 public:
  FakePrinter(frame::FrameState& state, std::vector<std::string>& log) : state_(state), log_(log) {}
  void ShowPrinterDialog() override {
    log_.push_back("PrinterDialog");
    if (confirms) state_.PrintConfirmed = true;
  }
  void Imprimir1VAR() override { log_.push_back("Imprimir1VAR"); }
  void Imprimir2VAR() override { log_.push_back("Imprimir2VAR"); }

  bool confirms = false;

 private:
  frame::FrameState& state_;
  std::vector<std::string>& log_;
};

}  // namespace frame_testing
