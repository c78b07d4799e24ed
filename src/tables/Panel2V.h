// The "Two variables statistic" panel: the table's grid of x, y, n and the computed
// columns, the five regression models, the statistics of X and Y with the fitted equation,
// the estimation boxes and the graph command. A thin view of the two-variable table: every
// edit goes to the tables' core, which tells the panel what to show again; no statistic
// is computed here.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "shared/panel_host.h"

#include "tables/row_mouse.h"
#include "tables/statistics2v.h"
#include "tables/table_data.h"
#include "tables/table_window_view.h"
#include "tables/table_view.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace shared {
struct ProgramState;
class FrameWindow;
}  // namespace shared

namespace tables {

class NumberBox;
class TableGrid;

class Panel2V : public QWidget, public TableWindowView {
  Q_OBJECT

 public:
  // The grid's columns, in the order of their control arrays.
  enum Column { kITEM, kX, kY, kN, kXN, kYN, kX2N, kY2N, kXYN };

  // window and editMenu may be null (a panel without a main window).
  Panel2V(Table2V& table, Stats2V& stats, shared::ProgramState& state, shared::FrameWindow* window,
          QMenu* editMenu, QWidget* parent);
  ~Panel2V() override;

  TableGrid* Grid() const { return grid_; }

  // --- TableView ---
  void Recompute() override;
  void Refresh() override;
  void ShowSelection() override;
  void LayoutKind() override;
  void ClearPanel() override;
  void UndoRedoChanged() override;

  // The Edit menu shows this table's Undo and Redo.
  void ShowEditMenuState();

  // --- Handlers ---
  void Txt2V_x_Change(int column, int index);
  void Txt2V_N_Change(int index);
  void OptREG_Click(int index);
  void Txt2V_ESTX_Change();
  void Txt2V_ESTY_Change();
  void CmdGRAF2V_Click();

 private:
  void BuildResults();
  void BuildEstimation(QWidget* area);
  // Captions, caption pictures, the correlation's visibility and the formula picture of
  // the table's model.
  void CargarImagenes2v();
  void ReadRow(int index);
  void RowMouseEvent(int what, int row, Qt::KeyboardModifiers modifiers, int y);
  void VScroll1_Change(int32_t value);
  // Tab, Up and Down in an estimation box jump to the other box.
  bool EstimationKey(NumberBox* other, QKeyEvent* event);
  void SetBox(QLineEdit* box, const std::string& text);
  QLineEdit* Box(const char* name) const;
  QLabel* LabelNamed(const QString& name) const;

  Table2V& table_;
  Stats2V& stats_;
  shared::ProgramState& state_;
  QMenu* editMenu_;
  TableGrid* grid_ = nullptr;
  RowMouse mouse_;

  QLabel* LblESTAD2 = nullptr;
  std::array<QRadioButton*, 5> OptREG{};
  QWidget* resultArea_ = nullptr;  // Picture5_2
  QLabel* imgFOREG = nullptr;
  QLineEdit* Txt2V_CUR = nullptr;
  NumberBox* Txt2V_ESTX = nullptr;
  NumberBox* Txt2V_ESTY = nullptr;
};

// Builds the panel on the window's two-variable task and joins it to the window: the
// table's view, the Edit menu, the wheel's scroll bar, the graph button.
void InstallPanel2V(shared::PanelHost& form);

}  // namespace tables
