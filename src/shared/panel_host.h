// What the main window hands a task panel when it installs it: the panel's container, the
// picture buttons the panel gives commands to, the Edit menu, the program-wide state and
// data tables, and the hooks through which the window calls back into the panels. Panels
// see the window only through this, so they never reach up into the frame.
#pragma once

#include <cstdint>
#include <functional>

#include "shared/program_state.h"

class QMenu;
class QScrollBar;
class QWidget;

namespace tables {
struct Table1V;
struct Table2V;
}  // namespace tables

namespace shared {

class PictureButton;

// What the panels give the frame beyond their picture buttons' commands. Each is optional.
struct PanelHooks {
  // Load: fills the per-type table of the test and interval panels.
  std::function<void()> FillTestIntervalTable;
  // Tab click on the one- or two-variable task: puts back that table's own Undo and Redo
  // items (SetSTATUSUndoRedo1V with UndoEnabled1V, UndoCaption1V, ...).
  std::function<void()> RestoreUndoRedo1V;
  std::function<void()> RestoreUndoRedo2V;
  // The Delete key anywhere in the window: Edit > Delete selection.
  std::function<void()> mnu_Edicion_DelSel_Click;
};

// File > Print: the printer dialog and the two reports, as the printing panel provides them.
class PrintCommands {
 public:
  virtual ~PrintCommands() = default;
  // frmImprimir, shown modally through platform::Ui::RunModal. Its Print button sets
  // ProgramState::PrintConfirmed.
  virtual void ShowPrinterDialog() = 0;
  virtual void Imprimir1VAR() = 0;
  virtual void Imprimir2VAR() = 0;
};

inline constexpr int kFirstPictureButton = 9;
inline constexpr int kLastPictureButton = 24;

class PanelHost {
 public:
  virtual ~PanelHost() = default;
  // The window itself: the parent of a panel's dialogs and of the helpers that must live
  // as long as the window.
  virtual QWidget* Widget() = 0;
  // The main window as the panels' cores reach it (tabs, caption, File > Save).
  virtual FrameWindow& Window() = 0;
  // The container of task 0..6 ("Pictask_0".."Pictask_6").
  virtual QWidget* Panel(int task) const = 0;
  // Image9..Image24, each on its task's container; their commands are the panels' to set.
  virtual PictureButton* Button(int number) const = 0;
  // The Edit menu, shown only on the one- and two-variable tasks; its items are the
  // tables' to add.
  virtual QMenu* EditMenu() const = 0;
  virtual PanelHooks& Hooks() = 0;
  virtual ProgramState& State() = 0;
  // The data tables the window's File menu and close question act on.
  virtual tables::Table1V& Table1V() = 0;
  virtual tables::Table2V& Table2V() = 0;
  // The grid scroll bar that the mouse wheel moves on the one- or two-variable task.
  virtual void SetTableScrollBar(int16_t task, QScrollBar* bar) = 0;
  // What File > Print runs; until it is given, Print does nothing.
  virtual void SetPrintCommands(PrintCommands* commands) = 0;
};

}  // namespace shared
