// The main window: the frame around the seven task panels. It owns the tab row, the panel
// containers, the sixteen picture buttons, the menus, the close question, the Delete key
// and the mouse wheel. The panels of the tasks live in the containers and plug their
// commands into the seams below.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

#include "frame/file_menu.h"
#include "frame/wheel.h"
#include "shared/panel_host.h"
#include "shared/program_state.h"

class QLabel;
class QMenu;
class QScrollBar;

namespace shared {
class PictureButton;
}

namespace frame {

}  // namespace frame

class FormMain : public QMainWindow, public shared::FrameWindow, public shared::PanelHost {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 1018;
  static constexpr int kClientHeight = 686;

  explicit FormMain(shared::ProgramState& state = shared::Program(),
                    tables::Table1V& table1V = tables::ProgramTable1V(),
                    tables::Table2V& table2V = tables::ProgramTable2V(), QWidget* parent = nullptr);
  ~FormMain() override;

  // --- shared::PanelHost: what the task panels are handed ---
  QWidget* Widget() override { return this; }
  shared::FrameWindow& Window() override { return *this; }
  QWidget* Panel(int task) const override;
  // The load runs the New commands of Image14, Image11, Image23 and Image10, in that order.
  shared::PictureButton* Button(int number) const override;
  QMenu* EditMenu() const override { return mnu_Edicion_; }
  shared::PanelHooks& Hooks() override { return hooks_; }
  // The window's program-wide state (CurrentTask, Updating, ...) as the panels share it.
  shared::ProgramState& State() override { return state_; }
  tables::Table1V& Table1V() override { return table1V_; }
  tables::Table2V& Table2V() override { return table2V_; }
  void SetTableScrollBar(int16_t task, QScrollBar* bar) override;
  void SetPrintCommands(shared::PrintCommands* commands) override;

  frame::FileMenu& Files() { return files_; }

  // --- Life cycle ---
  // Loads the window on first use, then shows it; when it is visible already, only brings
  // it forward.
  void Show();
  void Form_Load();
  bool Loaded() const { return loaded_; }
  // True keeps the window open.
  bool Form_QueryUnload();
  void Form_Unload();

  // Scrolls the current table's grid one row: up for a positive Rotation, else down.
  void MouseWheel(int32_t Keys, int32_t Rotation, int32_t X, int32_t Y);

  // --- shared::FrameWindow ---
  void LblTASK_Click(int16_t index) override;
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void mnu_archivo_guardar_Click() override;

  void LblTASK_MouseDown(int16_t index);
  void LblTASK_MouseUp(int16_t index);
  void mnu_Ayuda_Acerca_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildTabs();
  void BuildPictureButtons();
  void WheelHook();
  void SetWindowBackground(const QColor& color);
  void SetEditMenuVisible(bool visible);
  void UpdateFileMenu();
  bool HandleWheel(QEvent* event);

  shared::ProgramState& state_;
  tables::Table1V& table1V_;
  tables::Table2V& table2V_;
  frame::FileMenu files_;
  shared::PanelHooks hooks_;
  frame::WheelNotches notches_;

  QWidget* client_ = nullptr;
  QWidget* Picture1 = nullptr;
  std::array<QLabel*, shared::kTaskCount> LblTASK{};
  std::array<QWidget*, shared::kTaskCount> Pictask{};
  std::array<shared::PictureButton*, shared::kLastPictureButton + 1> images_{};
  std::array<QScrollBar*, shared::kTaskCount> wheelBars_{};

  QMenu* mnu_archivo_ = nullptr;
  QMenu* mnu_Edicion_ = nullptr;
  QMenu* mnu_Ayuda_ = nullptr;

  bool loaded_ = false;
  bool unloaded_ = false;
  bool wheelHooked_ = false;
};
