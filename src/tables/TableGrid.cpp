#include "tables/TableGrid.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "platform/qt_whole_text.h"
#include "tables/grid_keys.h"

namespace tables {

namespace {

const QColor kGridBack(240, 240, 240);
const QColor kStripBack(230, 238, 248);  // also the row numbers
const QColor kInputBack(255, 255, 255);
const QColor kComputedBack(255, 255, 232);
const QColor kLineColour(127, 157, 185);

constexpr int kGridLeft = 19, kGridTop = 66, kGridWidth = 857, kGridHeight = 403;
constexpr int kStripWidth = 837;
constexpr int kSumsTop = 341;

void PaintBack(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QColor PlainBack(CellKind kind) {
  switch (kind) {
    case CellKind::RowNumber: return kStripBack;
    case CellKind::Input: return kInputBack;
    case CellKind::Computed: return kComputedBack;
  }
  return kInputBack;
}

void SetColours(QLineEdit* box, const QColor& back, const QColor& text) {
  QPalette palette = box->palette();
  if (palette.color(QPalette::Base) == back && palette.color(QPalette::Text) == text) return;
  palette.setColor(QPalette::Base, back);
  palette.setColor(QPalette::Text, text);
  box->setPalette(palette);
}

bool IsEditShortcut(const QKeyEvent* key) {
  if (key->modifiers() != Qt::ControlModifier) return false;
  switch (key->key()) {
    case Qt::Key_C: case Qt::Key_V: case Qt::Key_X: case Qt::Key_Z: case Qt::Key_Y:
      return true;
    default:
      return false;
  }
}

GridKey KeyOf(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: return GridKey::Left;
    case Qt::Key_Right: return GridKey::Right;
    case Qt::Key_Up: return GridKey::Up;
    case Qt::Key_Down: return GridKey::Down;
    case Qt::Key_Return: case Qt::Key_Enter: return GridKey::Enter;
    case Qt::Key_Tab: case Qt::Key_Backtab: return GridKey::Tab;
    default: return GridKey::Other;
  }
}

// The row numbers show an arrow pointing up and to the right: what is clicked is the row.
QCursor RowCursor() {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  // The usual arrow, mirrored: its tip at (10, 0), its tail towards the lower left.
  const QPolygon arrow({QPoint(10, 0), QPoint(10, 15), QPoint(7, 12), QPoint(4, 18),
                        QPoint(2, 17), QPoint(5, 11), QPoint(0, 11)});
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  painter.drawPolygon(arrow);
  painter.end();
  return QCursor(picture, 10, 0);
}

// A cell of the grid: a number box that knows its place and draws a thin border shared
// with its neighbours.
class GridCell : public NumberBox {
 public:
  GridCell(TableGrid* grid, int row, CellKind kind, QWidget* parent)
      : NumberBox(parent), grid_(grid), row_(row), kind_(kind) {
    setFrame(false);
    selectOnFocus_ = kind == CellKind::Input;
    setReadOnly(kind != CellKind::Input);
    if (kind == CellKind::RowNumber) {
      setFocusPolicy(Qt::NoFocus);
      setCursor(RowCursor());
    }
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    NumberBox::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kLineColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (kind_ != CellKind::RowNumber) return NumberBox::mousePressEvent(event);
    Report(kRowPress, event);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (kind_ != CellKind::RowNumber) return NumberBox::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton) Report(kRowMove, event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (kind_ != CellKind::RowNumber) return NumberBox::mouseReleaseEvent(event);
    Report(kRowRelease, event);
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (kind_ != CellKind::RowNumber) return NumberBox::mouseDoubleClickEvent(event);
    Report(kRowPress, event);
  }

 private:
  void Report(int what, QMouseEvent* event) {
    event->accept();
    if (grid_->onRowMouse) {
      grid_->onRowMouse(what, row_, event->modifiers(),
                        static_cast<int>(std::floor(event->position().y())));
    }
  }

  TableGrid* grid_;
  int row_;
  CellKind kind_;
};

}  // namespace

// --- NumberBox ---------------------------------------------------------------------------

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) {}

void NumberBox::SelectAllFromStart() { setSelection(static_cast<int>(text().size()), -static_cast<int>(text().size())); }

void NumberBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return;
  if (onFocus) onFocus();
  if (!selectOnFocus_) return;
  if (reason == Qt::MouseFocusReason) {
    // The press that gave the focus places the caret after this; select once it has.
    QTimer::singleShot(0, this, [this] {
      if (hasFocus()) SelectAllFromStart();
    });
  } else {
    SelectAllFromStart();
  }
}

bool NumberBox::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      IsEditShortcut(static_cast<QKeyEvent*>(event)) && property("editKeysToMenu").toBool()) {
    // Leave Cut, Copy, Paste, Undo and Redo to the Edit menu: they act on the table.
    event->ignore();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab would move the focus along the window's chain before the key handler saw it.
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && onKey && onKey(key)) {
      return true;
    }
  }
  return QLineEdit::event(event);
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
  if (onKey && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab && onKey(event)) {
    event->accept();
    return;
  }
  if (property("editKeysToMenu").toBool() && IsEditShortcut(event)) {
    // An Edit command that is not available does nothing, not the box's own undo or paste.
    event->accept();
    return;
  }
  if (event->text() == "," && !isReadOnly()) {
    QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), ".", event->isAutoRepeat());
    QLineEdit::keyPressEvent(&point);
    event->setAccepted(point.isAccepted());
    return;
  }
  QLineEdit::keyPressEvent(event);
}

// --- TableGrid ---------------------------------------------------------------------------

TableGrid::TableGrid(const GridDesign& design, QWidget* parent)
    : QWidget(parent), design_(design) {
  Build();
}

QLineEdit* TableGrid::MakeCell(const GridColumn& column, int columnIndex, int row,
                               QWidget* parent) {
  auto* cell = new GridCell(this, row, column.kind, parent);
  cell->setObjectName(QString("%1_%2").arg(column.name).arg(row));
  cell->setProperty("editKeysToMenu", true);
  QFont font("Arial");
  font.setPointSizeF(column.kind == CellKind::RowNumber ? 9.75 : 11.25);
  cell->setFont(font);
  cell->setAlignment(column.kind == CellKind::RowNumber ? Qt::AlignCenter
                                                        : (Qt::AlignRight | Qt::AlignVCenter));
  cell->setTextMargins(2, 0, 2, 0);
  SetColours(cell, PlainBack(column.kind), Qt::black);
  // Typed numbers as well as computed ones: a cell cut at one end shows another number.
  if (column.kind != CellKind::RowNumber) platform::KeepTextWhole(cell);
  if (column.kind == CellKind::Input) {
    connect(cell, &QLineEdit::textChanged, this, [this, columnIndex, row] {
      if (onCellChanged) onCellChanged(columnIndex, row);
    });
    cell->onKey = [this, columnIndex, row](QKeyEvent* event) {
      return Navigate(columnIndex, row, event);
    };
  }
  if (column.kind != CellKind::RowNumber) {
    cell->onFocus = [this] {
      if (onCellFocused) onCellFocused();
    };
  }
  return cell;
}

void TableGrid::Build() {
  setObjectName(design_.containerName);
  setGeometry(kGridLeft, kGridTop, kGridWidth, kGridHeight);
  PaintBack(this, kGridBack);

  headingStrip_ = new QWidget(this);
  headingStrip_->setObjectName(design_.headingStripName);
  headingStrip_->setGeometry(-1, -1, kStripWidth, 29);
  PaintBack(headingStrip_, kStripBack);
  sumsStrip_ = new QWidget(this);
  sumsStrip_->setObjectName(design_.sumsStripName);
  sumsStrip_->setGeometry(-1, kSumsTop, kStripWidth, 61);
  PaintBack(sumsStrip_, kStripBack);

  QFont headingFont("Times New Roman");
  headingFont.setItalic(true);
  headingFont.setPointSizeF(12);
  auto label = [&](const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::RichText);
    l->setText(text);
    l->setFont(headingFont);
    return l;
  };
  auto* corner = new QLabel("#", headingStrip_);
  corner->setObjectName(design_.cornerName);
  QFont cornerFont("Arial");
  cornerFont.setPointSizeF(11.25);
  corner->setFont(cornerFont);
  corner->setAlignment(Qt::AlignCenter);
  corner->setGeometry(0, 5, 45, 20);

  cells_.resize(design_.columns.size());
  for (size_t c = 0; c < design_.columns.size(); ++c) {
    const GridColumn& column = design_.columns[c];
    headings_.push_back(column.headingName.isEmpty()
                            ? nullptr
                            : label(column.headingName, column.heading, headingStrip_));
    for (int row = 1; row <= kVisibleRows; ++row) {
      cells_[c][row - 1] = MakeCell(column, static_cast<int>(c), row, this);
    }
  }
  for (const GridSum& sum : design_.sums) {
    auto* box = new NumberBox(sumsStrip_);
    box->setObjectName(sum.name);
    box->setProperty("editKeysToMenu", true);
    box->setReadOnly(true);
    box->SetSelectOnFocus(false);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font("Arial");
    font.setPointSizeF(11.25);
    box->setFont(font);
    SetColours(box, kComputedBack, Qt::black);
    platform::KeepTextWhole(box);
    box->onFocus = [this] {
      if (onCellFocused) onCellFocused();
    };
    sums_.push_back(box);
    sumHeadings_.push_back(label(sum.headingName, sum.heading, sumsStrip_));
  }

  bar_ = new QScrollBar(Qt::Vertical, this);
  bar_->setObjectName(design_.scrollBarName);
  bar_->setGeometry(kStripWidth, 0, 17, kGridHeight - 3);
  bar_->setRange(1, 1);
  bar_->setSingleStep(1);
  bar_->setPageStep(11);
  bar_->setValue(1);
  bar_->setFocusPolicy(Qt::NoFocus);
  connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
    if (!settingBar_ && onScrolled) onScrolled(value);
  });
  // The rows are drawn over the strips' edges.
  for (auto& column : cells_) {
    for (QLineEdit* cell : column) cell->raise();
  }
}

void TableGrid::SetScroll(int32_t maximum, int32_t value) {
  settingBar_ = true;
  bar_->setMaximum(std::max(1, maximum));
  bar_->setValue(value);
  settingBar_ = false;
}

void TableGrid::ClearLines() {
  for (QFrame* line : lines_) delete line;
  lines_.clear();
}

void TableGrid::ApplyLayout(const GridLayout& layout) {
  hide();
  ClearLines();
  auto line = [this](QWidget* strip, int x, int y1, int y2) {
    auto* l = new QFrame(strip);
    l->setGeometry(x, y1, 1, std::min(y2, strip->height()) - y1);
    PaintBack(l, kLineColour);
    l->show();
    lines_.push_back(l);
  };
  auto placeRight = [](QLabel* label, int right, int top) {
    if (label == nullptr) return;
    if (right < 0) {
      label->hide();
      return;
    }
    label->adjustSize();
    label->move(right - label->width(), top);
    label->show();
  };
  for (int x : layout.headingLines) line(headingStrip_, x, 0, 37);
  for (int x : layout.sumLines) line(sumsStrip_, x, 25, 60);

  visibleInputs_.clear();
  for (size_t c = 0; c < design_.columns.size() && c < layout.cells.size(); ++c) {
    const Place& place = layout.cells[c];
    if (c < layout.headingTexts.size() && !layout.headingTexts[c].isEmpty() && headings_[c]) {
      headings_[c]->setText(layout.headingTexts[c]);
    }
    if (c < layout.headingRight.size()) placeRight(headings_[c], layout.headingRight[c], 4);
    for (int row = 1; row <= kVisibleRows; ++row) {
      QLineEdit* cell = cells_[c][row - 1];
      if (!place.visible) {
        cell->hide();
        continue;
      }
      cell->setGeometry(place.left, kRowPitch * row + 2, place.width, kCellHeight);
      cell->show();
    }
    if (place.visible && design_.columns[c].kind == CellKind::Input) {
      visibleInputs_.push_back(static_cast<int>(c));
    }
  }
  for (size_t i = 0; i < sums_.size() && i < layout.sums.size(); ++i) {
    sums_[i]->setGeometry(layout.sums[i].left, -1, layout.sums[i].width, 26);
    sums_[i]->setVisible(layout.sums[i].visible);
    if (i < layout.sumHeadingTexts.size() && !layout.sumHeadingTexts[i].isEmpty()) {
      sumHeadings_[i]->setText(layout.sumHeadingTexts[i]);
    }
    if (i < layout.sumHeadingRight.size()) {
      placeRight(sumHeadings_[i], layout.sumHeadingRight[i], 29);
    }
  }
  show();
}

void TableGrid::PaintRows(int32_t top, int32_t lo, int32_t hi) {
  const QPalette system = QApplication::palette();
  const QColor highlight = system.color(QPalette::Active, QPalette::Highlight);
  const QColor highlightText = system.color(QPalette::Active, QPalette::HighlightedText);
  for (int row = 1; row <= kVisibleRows; ++row) {
    const int32_t data = top + row - 1;
    const bool selected = lo != -1 && data >= lo && data <= hi;
    for (size_t c = 0; c < cells_.size(); ++c) {
      if (selected) {
        SetColours(cells_[c][row - 1], highlight, highlightText);
      } else {
        SetColours(cells_[c][row - 1], PlainBack(design_.columns[c].kind), Qt::black);
      }
    }
  }
}

bool TableGrid::Navigate(int column, int row, QKeyEvent* event) {
  const GridKey key = KeyOf(event);
  if (key == GridKey::Other) return false;
  const auto position = std::find(visibleInputs_.begin(), visibleInputs_.end(), column);
  if (position == visibleInputs_.end() || visibleInputs_.size() < 2) return false;
  QLineEdit* cell = Cell(column, row);
  const int caret = cell->cursorPosition();
  const int32_t top = bar_->value();
  const int32_t N = rowCount ? rowCount() : top + kVisibleRows - 1;
  const GridMove move = NavigateKey(
      key, static_cast<int>(position - visibleInputs_.begin()),
      static_cast<int>(visibleInputs_.size()), row, top + row - 1, N, caret == 0,
      caret == static_cast<int>(cell->text().size()));
  if (!move.consumed) {
    // Enter and Tab that lead nowhere do nothing, rather than leave the grid.
    return key == GridKey::Enter || key == GridKey::Tab;
  }
  if (move.scroll != 0) bar_->setValue(bar_->value() + move.scroll);
  QLineEdit* target = Cell(visibleInputs_[move.column], move.row);
  if (target == cell) {
    static_cast<NumberBox*>(target)->SelectAllFromStart();
  } else {
    target->setFocus(Qt::TabFocusReason);
  }
  return true;
}

RowSelection RowMouseStep(RowMouse& mouse, RowSelection before, int32_t top, int what, int row,
                          Qt::KeyboardModifiers modifiers, int y) {
  modifiers &= ~Qt::KeypadModifier;
  if (what == kRowPress) {
    const RowModifiers kind = modifiers == Qt::NoModifier      ? RowModifiers::None
                              : modifiers == Qt::ShiftModifier ? RowModifiers::ShiftOnly
                                                               : RowModifiers::Other;
    return mouse.Down(before, top, row, kind);
  }
  if (what == kRowMove) return mouse.Move(before, top, row, y);
  return mouse.Up(before);
}

}  // namespace tables
