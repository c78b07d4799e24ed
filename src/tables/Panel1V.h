// The "One variable statistic" panel: the table's grid, the data-kind options, the result
// boxes, the moment options and the quantile row. A thin view of the one-variable table
// and its statistics: every edit goes to the tables' core, which tells the panel what to
// show again; no statistic is computed here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shared/panel_host.h"

#include "tables/TablePanel.h"
#include "tables/edit_commands.h"
#include "tables/row_reading.h"
#include "tables/statistics1v.h"
#include "tables/table_data.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tables {

class NumberBox;

// The one-variable table as the table panel sees it.
struct Traits1V {
  using Table = Table1V;
  using Stats = Stats1V;
  using Results = Results1V;
  using Cells = DerivedCells1V;

  static constexpr const char* kPanelName = "Panel1V";
  static constexpr int16_t kTask = shared::kTask1V;
  static constexpr int kGraphButton = 15;
  static constexpr auto kTableOf = &shared::PanelHost::Table1V;
  static constexpr auto kStatsOf = &ProgramStats1V;
  static constexpr auto kView = &Table1V::View1V;

  static constexpr auto kRead = &LeerITEM1V;
  static constexpr auto kCellsOf = &DerivedCellsOf1V;
  static constexpr auto kDeselect = &DeseleccionarTABLA1V;
  static constexpr auto kSetSelection = &SetSelection1V;
  static constexpr auto kSetUndoRedo = &SetSTATUSUndoRedo1V;
  // A row refused at the row limit keeps the computed cells it showed.
  static constexpr bool kClearsComputedFirst = false;

  // The computed columns' cells, in column order.
  static constexpr std::array kComputed = {&Cells::XM, &Cells::XN, &Cells::X2N, &Cells::X3N,
                                           &Cells::X4N};
  static constexpr std::array kSums = {&Results::Txt1V_SN, &Results::Txt1V_SX,
                                       &Results::Txt1V_SX2, &Results::Txt1V_SX3,
                                       &Results::Txt1V_SX4};
  static constexpr std::array<ResultField<Results>, 8> kResults = {{
      {"Txt1V_MX", &Results::Txt1V_MX},
      {"Txt1V_VX", &Results::Txt1V_VX},
      {"Txt1V_DX", &Results::Txt1V_DX},
      {"Txt1V_MO", &Results::Txt1V_MO},
      {"Txt1V_ME", &Results::Txt1V_ME},
      {"Txt1V_AS", &Results::Txt1V_AS},
      {"Txt1V_CU", &Results::Txt1V_CU},
      {"Txt1V_CV", &Results::Txt1V_CV},
  }};

  static GridDesign Design();
};

class Panel1V : public TablePanel<Traits1V> {
  Q_OBJECT

 public:
  // The grid's columns, in the order of their control arrays.
  enum Column { kITEM, kX1, kX2, kN, kXM, kXN, kX2N, kX3N, kX4N };

  // window and editMenu may be null (a panel without a main window).
  Panel1V(Table1V& table, Stats1V& stats, shared::ProgramState& state, shared::FrameWindow* window,
          QMenu* editMenu, QWidget* parent);

  // --- TableView ---
  void Recompute() override;
  void LayoutKind() override;
  void ClearPanel() override;

  // --- Handlers ---
  void Txt1V_x_Change(int column, int index) { ValueChanged(column, index); }
  void Txt1V_N_Change(int index) { CountChanged(index); }
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
  void RefreshOwn() override;
  void ShowMoment(const Moment1V& moment);
  int16_t CheckedIndex(const char* prefix, int count) const;

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
