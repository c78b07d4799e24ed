// The "Two variables statistic" panel: the table's grid of x, y, n and the computed
// columns, the five regression models, the statistics of X and Y with the fitted equation,
// the estimation boxes and the graph command. A thin view of the two-variable table: every
// edit goes to the tables' core, which tells the panel what to show again; no statistic
// is computed here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shared/panel_host.h"

#include "tables/TablePanel.h"
#include "tables/edit_commands.h"
#include "tables/row_reading.h"
#include "tables/statistics2v.h"
#include "tables/table_data.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace tables {

class NumberBox;

// The two-variable table as the table panel sees it.
struct Traits2V {
  using Table = Table2V;
  using Stats = Stats2V;
  using Results = Results2V;
  using Cells = DerivedCells2V;

  static constexpr const char* kPanelName = "Panel2V";
  static constexpr int16_t kTask = shared::kTask2V;
  static constexpr int kGraphButton = 12;
  static constexpr auto kTableOf = &shared::PanelHost::Table2V;
  static constexpr auto kStatsOf = &ProgramStats2V;
  static constexpr auto kView = &Table2V::View2V;

  static constexpr auto kRead = &LeerITEM2V;
  static constexpr auto kCellsOf = &DerivedCellsOf2V;
  static constexpr auto kDeselect = &DeseleccionarTABLA2V;
  static constexpr auto kSetSelection = &SetSelection2V;
  static constexpr auto kSetUndoRedo = &SetSTATUSUndoRedo2V;
  // A row refused at the row limit shows no stale products.
  static constexpr bool kClearsComputedFirst = true;

  // The computed columns' cells, in column order.
  static constexpr std::array kComputed = {&Cells::XN, &Cells::YN, &Cells::X2N, &Cells::Y2N,
                                           &Cells::XYN};
  static constexpr std::array kSums = {&Results::Txt2V_SN,  &Results::Txt2V_SX,
                                       &Results::Txt2V_SY,  &Results::Txt2V_SX2,
                                       &Results::Txt2V_SY2, &Results::Txt2V_SXY};
  // In the order of the models' captions for them (model_captions.h).
  static constexpr std::array<ResultField<Results>, 8> kResults = {{
      {"Txt2V_MX", &Results::Txt2V_MX},
      {"Txt2V_MY", &Results::Txt2V_MY},
      {"Txt2V_DX", &Results::Txt2V_DX},
      {"Txt2V_DY", &Results::Txt2V_DY},
      {"Txt2V_VX", &Results::Txt2V_VX},
      {"Txt2V_VY", &Results::Txt2V_VY},
      {"Txt2V_COV", &Results::Txt2V_COV},
      {"Txt2V_R", &Results::Txt2V_R},
  }};

  static GridDesign Design();
};

class Panel2V : public TablePanel<Traits2V> {
  Q_OBJECT

 public:
  // The grid's columns, in the order of their control arrays.
  enum Column { kITEM, kX, kY, kN, kXN, kYN, kX2N, kY2N, kXYN };

  // window and editMenu may be null (a panel without a main window).
  Panel2V(Table2V& table, Stats2V& stats, shared::ProgramState& state, shared::FrameWindow* window,
          QMenu* editMenu, QWidget* parent);

  // --- TableView ---
  void Recompute() override;
  void LayoutKind() override;
  void ClearPanel() override;

  // --- Handlers ---
  void Txt2V_x_Change(int column, int index) { ValueChanged(column, index); }
  void Txt2V_N_Change(int index) { CountChanged(index); }
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
  // Tab, Up and Down in an estimation box jump to the other box.
  bool EstimationKey(NumberBox* other, QKeyEvent* event);
  QLabel* LabelNamed(const QString& name) const;

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
