// The "One variable statistic" panel: the table's grid, the data-kind options, the result
// boxes, the moment options and the quantile row. A thin view of the one-variable table
// and its statistics: every edit goes to the tables' core, which tells the panel what to
// show again; no statistic is computed here.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "shared/panel_host.h"

#include "tables/row_mouse.h"
#include "tables/statistics1v.h"
#include "tables/table_data.h"
#include "tables/table_window_view.h"
#include "tables/table_view.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace shared {
struct ProgramState;
class FrameWindow;
}  // namespace shared

namespace tables {

class NumberBox;
class TableGrid;

// Sets a flag for as long as it lives and then puts back what it was, so that a nested
// write does not clear the guard of the one around it.
class UpdatingGuard {
 public:
  explicit UpdatingGuard(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~UpdatingGuard() { flag_ = previous_; }
  UpdatingGuard(const UpdatingGuard&) = delete;
  UpdatingGuard& operator=(const UpdatingGuard&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

class Panel1V : public QWidget, public TableWindowView {
  Q_OBJECT

 public:
  // The grid's columns, in the order of their control arrays.
  enum Column { kITEM, kX1, kX2, kN, kXM, kXN, kX2N, kX3N, kX4N };

  // window and editMenu may be null (a panel without a main window).
  Panel1V(Table1V& table, Stats1V& stats, shared::ProgramState& state, shared::FrameWindow* window,
          QMenu* editMenu, QWidget* parent);
  ~Panel1V() override;

  TableGrid* Grid() const { return grid_; }

  // --- TableView ---
  void Recompute() override;
  void Refresh() override;
  void ShowSelection() override;
  void LayoutKind() override;
  void ClearPanel() override;
  void UndoRedoChanged() override;

  // The Edit menu shows this table's Undo and Redo (a click on the task's tab).
  void ShowEditMenuState();

  // --- Handlers ---
  void Txt1V_x_Change(int column, int index);
  void Txt1V_N_Change(int index);
  void Opt1VAR_Click(int index);
  void OptMOM_Click(int index);
  void OptMR_Click(int index);
  void OptQQ_Click(int index);
  void Txt1V_QPCT_Change();
  void Txt1V_QQ_Change();
  void CmdCuantil_Click();
  void CmdGRAF1V_Click();

 private:
  void BuildResults();
  void ReadRow(int index);
  void RowMouseEvent(int what, int row, Qt::KeyboardModifiers modifiers, int y);
  void VScroll2_Change(int32_t value);
  void ShowMoment(const Moment1V& moment);
  int16_t CheckedIndex(const char* prefix, int count) const;
  void SetBox(QLineEdit* box, const std::string& text);
  QLineEdit* Box(const char* name) const;

  Table1V& table_;
  Stats1V& stats_;
  shared::ProgramState& state_;
  QMenu* editMenu_;
  TableGrid* grid_ = nullptr;
  RowMouse mouse_;

  QLabel* LblESTAD1 = nullptr;
  std::array<QRadioButton*, 2> Opt1VAR{};
  std::array<QRadioButton*, 5> OptMOM{};
  std::array<QRadioButton*, 2> OptMR{};
  std::array<QRadioButton*, 3> OptQQ{};
  QLabel* Label1_63 = nullptr;  // moment symbol
  QLabel* Label1_64 = nullptr;  // moment order
  QLabel* Label1_65 = nullptr;  // moment caption
  QLabel* Label1_67 = nullptr;  // quantile symbol
  QLabel* Label1_68 = nullptr;  // skewness class word
  QLabel* Label1_69 = nullptr;  // kurtosis class word
  NumberBox* Txt1V_QPCT = nullptr;
  NumberBox* Txt1V_QQ = nullptr;
  QPushButton* CmdCuantil = nullptr;
};

// Builds the panel on the window's one-variable task and joins it to the window: the
// table's view, the Edit menu, the wheel's scroll bar, the graph button.
void InstallPanel1V(shared::PanelHost& form);

}  // namespace tables
