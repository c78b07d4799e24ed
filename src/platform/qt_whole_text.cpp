#include "platform/qt_whole_text.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "platform/fitted_number.h"

namespace platform {
namespace {

// A line edit leaves this much room inside its contents on either side of the text, and
// this much above and below it.
constexpr int kLineEditMargin = 2;
constexpr int kLineEditVerticalMargin = 1;
const char* const kWatcherName = "platform_whole_text";

// The rectangle a line edit clips its text to, as it computes it before it paints.
QRect TextClip(const QLineEdit* box) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.lineWidth =
      box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  if (box->isReadOnly()) option.state |= QStyle::State_ReadOnly;
  option.features = QStyleOptionFrame::None;
  return box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box) -
         box->textMargins();
}

// The rectangle a line edit lays its text in, within its clip.
QRect TextRect(const QLineEdit* box) {
  return TextClip(box).adjusted(kLineEditMargin, kLineEditVerticalMargin, -kLineEditMargin,
                                -kLineEditVerticalMargin);
}

int TextRoom(const QLineEdit* box) { return TextRect(box).width(); }

// Whether text, drawn in font, lies within the room box lays its text in: its advance and
// its own ink. TextFitsBox also keeps room for the widest overhang of any glyph of the font
// and for the caret, which a text drawn here has no need of.
bool InkFits(const QLineEdit* box, const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  const QRectF ink = metrics.boundingRect(text);
  const double right = std::max(metrics.horizontalAdvance(text), ink.right());
  return right - std::min(0.0, ink.left()) <= TextRoom(box);
}

// text in the few characters box has room for in font: a number rounded, anything else cut
// at its end with a mark that says so.
QString Shortened(const QLineEdit* box, const QFont& font, const QString& text) {
  const auto fits = [&](const std::string& candidate) {
    return InkFits(box, font, QString::fromStdString(candidate));
  };
  if (const auto number = FittedNumber(text.toStdString(), fits)) {
    return QString::fromStdString(*number);
  }
  const QString ellipsis(QChar(0x2026));
  QString start = text;
  while (!start.isEmpty() && !InkFits(box, font, start + ellipsis)) start.chop(1);
  return start + ellipsis;
}

// Watches a box: a new text or a new size sets the font that shows the text whole, and the
// shorter form it shows without the focus when no font does. A font given to the box by
// anyone else is its new design font.
class WholeText : public QObject {
 public:
  explicit WholeText(QLineEdit* box) : QObject(box), box_(box), design_(box->font()) {
    setObjectName(kWatcherName);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this] { Fit(); });
    Fit();
  }

  // The text box shows while it does not have the focus.
  const QString& Shown() const { return shown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != box_) return false;
    if (event->type() == QEvent::FontChange && !fitting_) {
      design_ = box_->font();
      Fit();
    } else if (event->type() == QEvent::Resize) {
      Fit();
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      box_->update();
    } else if (event->type() == QEvent::Paint && drawn_ && !box_->hasFocus()) {
      // The box draws itself as always, then the text it shows over its own, which it has
      // scrolled.
      static_cast<QObject*>(box_)->event(event);
      PaintShown();
      return true;
    }
    return false;
  }

 private:
  void Fit() {
    const QString text = box_->text();
    QFont font = design_;
    font.setPointSizeF(WholeTextPointSize(box_, design_, text));
    // A text the box would scroll even in the smallest font is drawn here, as it is when its
    // ink fits, else shorter.
    drawn_ = !TextFitsBox(box_, font, text);
    shown_ = !drawn_ || InkFits(box_, font, text) ? text : Shortened(box_, font, text);
    box_->update();
    if (font == box_->font()) return;
    fitting_ = true;
    box_->setFont(font);
    fitting_ = false;
  }

  void PaintShown() {
    QPainter painter(box_);
    painter.fillRect(TextClip(box_), box_->palette().brush(QPalette::Base));
    painter.setFont(box_->font());
    painter.setPen(box_->palette().color(QPalette::Text));
    painter.drawText(TextRect(box_),
                     (box_->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, shown_);
  }

  QLineEdit* box_;
  QFont design_;
  QString shown_;
  bool drawn_ = false;
  bool fitting_ = false;
};

}  // namespace

bool TextFitsBox(const QLineEdit* box, const QFont& font, const QString& text) {
  // The test the line edit itself makes before it scrolls the text instead of aligning it.
  const QFontMetrics metrics(font);
  const int width = static_cast<int>(std::lround(QFontMetricsF(font).horizontalAdvance(text)));
  const int used = std::max(0, -metrics.minLeftBearing()) + width + 1 +
                   std::max(0, -metrics.minRightBearing());
  return used <= TextRoom(box);
}

double WholeTextPointSize(const QLineEdit* box, const QFont& design, const QString& text) {
  QFont font = design;
  const double designSize = design.pointSizeF();
  if (designSize <= kLeastPointSize || TextFitsBox(box, design, text)) return designSize;
  return ShrunkPointSize(designSize, [&](double size) {
           font.setPointSizeF(size);
           return TextFitsBox(box, font, text);
         }).value_or(kLeastPointSize);
}

void KeepTextWhole(QLineEdit* box) { new WholeText(box); }

QString ShownText(const QLineEdit* box) {
  const auto* watcher = box->findChild<QObject*>(kWatcherName, Qt::FindDirectChildrenOnly);
  if (watcher == nullptr || box->hasFocus()) return box->text();
  return static_cast<const WholeText*>(watcher)->Shown();
}

}  // namespace platform
