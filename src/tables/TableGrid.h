// The grid of a data table: 12 visible rows of text boxes, one column per field, with a
// strip of headings above the rows, a strip of column sums below them and a vertical scroll
// bar. The columns are data (names, kinds, places), so the one- and two-variable panels
// build the same grid with their own columns. The grid owns the behaviour that is the same
// for every table: keyboard movement between the input cells with scrolling at the edges,
// the comma typed as a point, select-all on entry, the Edit keys routed to the Edit menu,
// row-number mouse events and the selection colours. What a change means is the panel's.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "tables/row_mouse.h"
#include "tables/table_data.h"

class QFrame;
class QLabel;
class QScrollBar;

namespace tables {

class TableGrid;

// A text box that turns a typed "," into "." and selects its whole text when it gets the
// focus from the keyboard or a click (caret at 0), so that typing replaces it. A focus
// given back by a popup or by the window becoming active keeps the caret where it was.
class NumberBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumberBox(QWidget* parent = nullptr);

  // Called when the box gets the focus, before its text is selected.
  std::function<void()> onFocus;
  // Runs the box's key handling first; true consumes the key.
  std::function<bool(QKeyEvent*)> onKey;
  // Selects the whole text with the caret at 0.
  void SelectAllFromStart();
  void SetSelectOnFocus(bool select) { selectOnFocus_ = select; }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool selectOnFocus_ = true;
};

enum class CellKind { RowNumber, Input, Computed };

struct GridColumn {
  QString name;  // cells are name_1 .. name_12
  CellKind kind;
  QString headingName;  // objectName of the heading label; empty for the row-number column
  QString heading;      // rich text of the heading
};

struct GridSum {
  QString name;         // the sum box
  QString headingName;  // its caption below it
  QString heading;
};

struct GridDesign {
  QString containerName;     // the grid as a whole
  QString headingStripName;  // the strip above the rows
  QString sumsStripName;     // the strip below them
  QString scrollBarName;
  QString cornerName;  // the "#" over the row numbers
  std::vector<GridColumn> columns;
  std::vector<GridSum> sums;
};

struct Place {
  bool visible = true;
  int left = 0;
  int width = 0;
};

// Where everything goes for one data kind or model. A heading right edge of -1 hides the
// heading; headings and sum captions are right-aligned at their right edge.
struct GridLayout {
  std::vector<Place> cells;              // per column
  std::vector<int> headingRight;         // per column
  std::vector<int> headingLines;         // x of the separators in the heading strip
  std::vector<Place> sums;               // per sum box
  std::vector<int> sumHeadingRight;      // per sum box
  std::vector<int> sumLines;             // x of the separators in the sums strip
  std::vector<QString> headingTexts;     // per column; empty keeps the text
  std::vector<QString> sumHeadingTexts;  // per sum box; empty keeps the text
};

class TableGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCellHeight = 27;
  static constexpr int kRowPitch = 26;

  TableGrid(const GridDesign& design, QWidget* parent);

  QLineEdit* Cell(int column, int row) const { return cells_[column][row - 1]; }
  QLineEdit* SumBox(int i) const { return sums_[i]; }
  QLabel* Heading(int column) const { return headings_[column]; }
  QScrollBar* ScrollBar() const { return bar_; }
  int ColumnCount() const { return static_cast<int>(design_.columns.size()); }

  // Lays the columns out; the grid is hidden while it changes.
  void ApplyLayout(const GridLayout& layout);

  // Plain colours for every visible row, the highlight colours for screen rows showing
  // data rows lo..hi (lo -1: none).
  void PaintRows(int32_t top, int32_t lo, int32_t hi);

  // The scroll bar's range and position without telling anyone.
  void SetScroll(int32_t maximum, int32_t value);

  // What the panel is told. Each is optional.
  std::function<void(int column, int row)> onCellChanged;  // an input cell's text changed
  std::function<void()> onCellFocused;                     // any cell or sum box got focus
  // A row-number cell of screen row `row` was pressed, moved over or released; y is the
  // pointer's position relative to that cell (the cell keeps the mouse until release).
  std::function<void(int what, int row, Qt::KeyboardModifiers modifiers, int y)> onRowMouse;
  // The bar moved (dragged, clicked, the wheel, a key at the grid's edge); not SetScroll.
  std::function<void(int32_t value)> onScrolled;
  std::function<int32_t()> rowCount;              // the table's N

  // The keyboard movement from the input cell at column, row; true when the key moved.
  bool Navigate(int column, int row, QKeyEvent* event);

 private:
  void Build();
  QLineEdit* MakeCell(const GridColumn& column, int columnIndex, int row, QWidget* parent);
  void ClearLines();

  GridDesign design_;
  std::vector<std::array<QLineEdit*, kVisibleRows>> cells_;
  std::vector<QLineEdit*> sums_;
  std::vector<QLabel*> headings_;
  std::vector<QLabel*> sumHeadings_;
  std::vector<QFrame*> lines_;
  std::vector<int> visibleInputs_;  // input columns in movement order
  QWidget* headingStrip_ = nullptr;
  QWidget* sumsStrip_ = nullptr;
  QScrollBar* bar_ = nullptr;
  bool settingBar_ = false;
};

// What the row-number mouse events report to onRowMouse.
enum RowMouseEvent { kRowPress = 0, kRowMove = 1, kRowRelease = 2 };

// The selection after a row-number mouse event reported by onRowMouse, for a grid whose
// first visible row shows data row top.
RowSelection RowMouseStep(RowMouse& mouse, RowSelection before, int32_t top, int what, int row,
                          Qt::KeyboardModifiers modifiers, int y);

}  // namespace tables
