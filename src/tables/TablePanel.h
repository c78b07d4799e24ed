// What the one- and two-variable panels have in common: the table's grid and its wiring,
// reading an edited row back, the scroll bar, row selection by mouse, the Edit menu's Undo
// and Redo, and the sums and result boxes of a statistics pass. It is written once over
// a traits struct that names a table's types, its columns and fields, its core functions
// and its result boxes; each panel adds its own options and results on top.
//
// The grid's columns are the same in both tables: the row number, the three input columns
// in the order of the table's data columns (the frequency last), then five computed ones.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QScrollBar>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "shared/PictureButton.h"
#include "shared/panel_host.h"
#include "shared/program_state.h"
#include "tables/EditMenu.h"
#include "tables/TableGrid.h"
#include "tables/row_mouse.h"
#include "tables/row_text.h"
#include "tables/table_data.h"
#include "tables/table_ref.h"
#include "tables/table_window_view.h"
#include "tables/undo.h"

class QMenu;

namespace tables {

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

namespace panel {

inline constexpr int kWidth = 1012;
inline constexpr int kHeight = 660;

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

inline std::string Trimmed(const QLineEdit* box) { return box->text().trimmed().toStdString(); }

inline QFont Font(double points, bool bold = false) {
  QFont font("Arial");
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace panel

// A result box of a statistics pass: its control's name and the text it shows.
template <class Results>
struct ResultField {
  const char* name;
  std::string Results::*text;
};

// Traits names the table's types (Table, Stats, Results, Cells), the panel's objectName,
// task and graph button, where the window keeps the table and its statistics, the table's
// view field, the core functions that read a row, compute a row's cells, select, deselect
// and set Undo and Redo, and the computed cells, sums and result boxes in column order;
// Traits1V (Panel1V.h) and Traits2V (Panel2V.h) are the two.
template <class Traits>
class TablePanel : public QWidget, public TableWindowView {
 public:
  using Table = typename Traits::Table;
  using Stats = typename Traits::Stats;
  using Results = typename Traits::Results;
  using Cells = typename Traits::Cells;
  using TraitsType = Traits;

  static constexpr int kRowNumberColumn = 0;
  static constexpr int kFirstInputColumn = 1;
  static constexpr int kCountColumn = 3;
  static constexpr int kFirstComputedColumn = 4;

  ~TablePanel() override {
    if (table_.*Traits::kView == this) table_.*Traits::kView = nullptr;
  }

  TableGrid* Grid() const { return grid_; }

  // --- TableView ---
  void Refresh() override {
    const detail::TableRef t = detail::RefOf(table_);
    // A frequency in the last row reads that row back, which always leaves one empty row
    // after it, as typing into it does.
    const int32_t lastShown = t.top + kVisibleRows - 1;
    if (lastShown >= t.N && t.N < kMaxRows && !IsEmpty((*t.col[2])[t.N])) t.N += 1;
    grid_->SetScroll(t.N - (kVisibleRows - 1), t.top);
    t.top = grid_->ScrollBar()->value();
    UpdatingGuard guard(state_.Updating);
    for (int i = 1; i <= kVisibleRows; ++i) {
      const int32_t r = t.top + i - 1;
      SetBox(grid_->Cell(kRowNumberColumn, i), std::to_string(r));
      for (int k = 0; k < 3; ++k) {
        SetBox(grid_->Cell(kFirstInputColumn + k, i), InputCellText((*t.col[k])[r]));
      }
      ShowComputed(i, Traits::kCellsOf(table_, r));
    }
    RefreshOwn();
    ShowSelection();
  }

  void ShowSelection() override {
    const detail::TableRef t = detail::RefOf(table_);
    const bool any = t.selStart != -1 && t.selEnd != -1;
    grid_->PaintRows(t.top, any ? std::min(t.selStart, t.selEnd) : -1,
                     any ? std::max(t.selStart, t.selEnd) : -1);
  }

  void UndoRedoChanged() override {
    if (state_.CurrentTask == Traits::kTask) ShowEditMenuState();
  }

  // The Edit menu shows this table's Undo and Redo (a click on the task's tab).
  void ShowEditMenuState() { ShowUndoRedo(editMenu_, UndoRedoMenuOf(table_)); }

 protected:
  // window and editMenu may be null (a panel without a main window).
  TablePanel(Table& table, Stats& stats, shared::ProgramState& state,
             shared::FrameWindow* window, QMenu* editMenu, QWidget* parent)
      : QWidget(parent),
        TableWindowView(window),
        table_(table),
        stats_(stats),
        state_(state),
        editMenu_(editMenu) {
    setObjectName(Traits::kPanelName);
    setGeometry(0, 0, panel::kWidth, panel::kHeight);
    grid_ = new TableGrid(Traits::Design(), this);
    grid_->onCellChanged = [this](int column, int row) {
      if (column == kCountColumn) {
        CountChanged(row);
      } else {
        ValueChanged(column, row);
      }
    };
    grid_->onCellFocused = [this] { Traits::kDeselect(table_); };
    grid_->onRowMouse = [this](int what, int row, Qt::KeyboardModifiers modifiers, int y) {
      RowMouseEvent(what, row, modifiers, y);
    };
    grid_->onScrolled = [this](int32_t value) { Scrolled(value); };
    grid_->rowCount = [this] { return detail::RefOf(table_).N; };
  }

  // Makes the panel the table's view; the last step of a panel's construction.
  void Attach() { table_.*Traits::kView = this; }

  // What a panel refills of its own after the rows, within the same update.
  virtual void RefreshOwn() {}

  // A value cell's text changed.
  void ValueChanged(int column, int index) {
    if (state_.Updating) return;
    Traits::kSetUndoRedo(table_, false, "", false, "");
    detail::RefOf(table_).modified = true;
    QLineEdit* n = grid_->Cell(kCountColumn, index);
    if (!panel::Trimmed(grid_->Cell(column, index)).empty() && panel::Trimmed(n).empty()) {
      // A value typed into a new row counts once.
      UpdatingGuard guard(state_.Updating);
      n->setText("1");
    }
    ReadRow(index);
  }

  // A frequency cell's text changed.
  void CountChanged(int index) {
    if (state_.Updating) return;
    detail::RefOf(table_).modified = true;
    Traits::kSetUndoRedo(table_, false, "", false, "");
    ReadRow(index);
  }

  // The sums and the result boxes the traits name; the caller holds the update guard.
  void ShowResults(const Results& r) {
    for (size_t i = 0; i < Traits::kSums.size(); ++i) {
      SetBox(grid_->SumBox(static_cast<int>(i)), r.*Traits::kSums[i]);
    }
    for (const ResultField<Results>& field : Traits::kResults) {
      SetBox(Box(field.name), r.*field.text);
    }
  }

  // Every cell, sum and result box the traits name emptied; the caller holds the guard.
  void ClearShown() {
    for (int c = 0; c < grid_->ColumnCount(); ++c) {
      for (int i = 1; i <= kVisibleRows; ++i) SetBox(grid_->Cell(c, i), "");
    }
    for (size_t i = 0; i < Traits::kSums.size(); ++i) {
      SetBox(grid_->SumBox(static_cast<int>(i)), "");
    }
    for (const ResultField<Results>& field : Traits::kResults) SetBox(Box(field.name), "");
  }

  QLineEdit* Box(const char* name) const { return findChild<QLineEdit*>(name); }

  void SetBox(QLineEdit* box, const std::string& text) {
    const QString value = panel::Q(text);
    if (box->text() != value) box->setText(value);
  }

  Table& table_;
  Stats& stats_;
  shared::ProgramState& state_;
  TableGrid* grid_ = nullptr;

 private:
  void ShowComputed(int index, const Cells& cells) {
    for (size_t k = 0; k < Traits::kComputed.size(); ++k) {
      SetBox(grid_->Cell(kFirstComputedColumn + static_cast<int>(k), index),
             cells.*Traits::kComputed[k]);
    }
  }

  void ReadRow(int index) {
    if constexpr (Traits::kClearsComputedFirst) {
      // Cleared first, so that a row refused at the row limit shows no stale products.
      UpdatingGuard guard(state_.Updating);
      ShowComputed(index, Cells{});
    }
    auto text = [this, index](int column) {
      return grid_->Cell(column, index)->text().toStdString();
    };
    const auto cells = Traits::kRead(table_, index, text(kFirstInputColumn),
                                     text(kFirstInputColumn + 1), text(kCountColumn));
    if (!cells) return;
    {
      UpdatingGuard guard(state_.Updating);
      ShowComputed(index, *cells);
    }
    const detail::TableRef t = detail::RefOf(table_);
    const int32_t maximum = t.N - (kVisibleRows - 1);
    if (maximum > grid_->ScrollBar()->maximum()) grid_->SetScroll(maximum, t.top);
  }

  void Scrolled(int32_t value) {
    detail::RefOf(table_).top = value;
    Refresh();
  }

  void RowMouseEvent(int what, int row, Qt::KeyboardModifiers modifiers, int y) {
    const detail::TableRef t = detail::RefOf(table_);
    const RowSelection before{t.selStart, t.selEnd};
    const RowSelection after = RowMouseStep(mouse_, before, t.top, what, row, modifiers, y);
    if (after != before) Traits::kSetSelection(table_, after.start, after.end);
  }

  QMenu* editMenu_;
  RowMouse mouse_;
};

// Builds a table panel on its task and joins it to the window: the table's view, the Edit
// menu, the wheel's scroll bar and the task's graph button.
template <class Panel>
void InstallTablePanel(shared::PanelHost& form, void (Panel::*graph)()) {
  using Traits = typename Panel::TraitsType;
  InstallEditMenu(form);
  auto* panel = new Panel((form.*Traits::kTableOf)(), Traits::kStatsOf(), form.State(),
                          &form.Window(), form.EditMenu(), form.Panel(Traits::kTask));
  // The picture buttons of the task stay above the panel.
  panel->lower();
  form.SetTableScrollBar(Traits::kTask, panel->Grid()->ScrollBar());
  form.Button(Traits::kGraphButton)->SetCommand([panel, graph] { (panel->*graph)(); });
}

}  // namespace tables
