#include "platform/qt_whole_text.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// A line edit leaves this much room inside its contents on either side of the text.
constexpr int kLineEditMargin = 2;
constexpr double kStep = 0.25;

// The width a line edit lays its text in, as it computes it before it paints.
int TextRoom(const QLineEdit* box) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.lineWidth =
      box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  if (box->isReadOnly()) option.state |= QStyle::State_ReadOnly;
  option.features = QStyleOptionFrame::None;
  const QRect contents =
      box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box) -
      box->textMargins();
  return contents.width() - 2 * kLineEditMargin;
}

// Watches a box: a new text or a new size sets the font that shows the text whole. A font
// given to the box by anyone else is its new design font.
class WholeText : public QObject {
 public:
  explicit WholeText(QLineEdit* box) : QObject(box), box_(box), design_(box->font()) {
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this] { Fit(); });
    Fit();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != box_) return false;
    if (event->type() == QEvent::FontChange && !fitting_) {
      design_ = box_->font();
      Fit();
    } else if (event->type() == QEvent::Resize) {
      Fit();
    }
    return false;
  }

 private:
  void Fit() {
    QFont font = design_;
    font.setPointSizeF(WholeTextPointSize(box_, design_, box_->text()));
    if (font == box_->font()) return;
    fitting_ = true;
    box_->setFont(font);
    fitting_ = false;
  }

  QLineEdit* box_;
  QFont design_;
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
  // Down from the design size in whole quarter points.
  for (double size = std::floor(designSize / kStep) * kStep; size > kLeastPointSize;
       size -= kStep) {
    if (size >= designSize) continue;
    font.setPointSizeF(size);
    if (TextFitsBox(box, font, text)) return size;
  }
  return kLeastPointSize;
}

void KeepTextWhole(QLineEdit* box) { new WholeText(box); }

}  // namespace platform
