#include "graph/qt_surface.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <algorithm>

namespace graph {

namespace {

QColor ToQt(Rgb c) { return QColor(c.r, c.g, c.b); }

QRectF Spanned(double x1, double y1, double x2, double y2) {
  return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
}

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, double width, double height, bool screen,
                               double twipsPerPixel, QColor background, QColor text)
    : painter_(painter),
      width_(width),
      height_(height),
      screen_(screen),
      twips_(twipsPerPixel),
      background_(background),
      text_(text) {
  stamps_ = painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Raster;
}

double PainterSurface::TextWidth(const std::string& text) {
  return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(QString::fromStdString(text));
}

double PainterSurface::TextHeight(const std::string&) {
  return QFontMetricsF(painter_.font(), painter_.device()).height();
}

PainterSurface::~PainterSurface() { FlushBand(); }

void PainterSurface::FlushBand() {
  if (!band_.active) return;
  band_.active = false;
  const QPainter::CompositionMode mode = painter_.compositionMode();
  painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  painter_.fillRect(QRectF(QPointF(band_.left, band_.top), QPointF(band_.right + 1, band_.bottom)),
                    ToQt(band_.colour));
  painter_.setCompositionMode(mode);
}

void PainterSurface::SetMaskPen(bool on) {
  mask_ = on;
  painter_.setCompositionMode(on ? QPainter::RasterOp_SourceAndDestination
                                 : QPainter::CompositionMode_SourceOver);
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, Rgb colour) {
  if (mask_ && pen_ <= 1 && x1 == x2) {
    // The columns of a band come one by one; they are masked in together, as one area.
    const double column = std::floor(x1);
    const double top = std::floor(std::min(y1, y2));
    const double bottom = std::floor(std::max(y1, y2)) + 1;
    if (band_.active && band_.colour == colour && band_.top == top && band_.bottom == bottom &&
        column >= band_.left && column <= band_.right + 1) {
      band_.right = std::max(band_.right, column);
      return;
    }
    FlushBand();
    band_ = {true, column, column, top, bottom, colour};
    return;
  }
  FlushBand();
  painter_.setRenderHint(QPainter::Antialiasing, pen_ > 1);
  painter_.setPen(QPen(ToQt(colour), pen_, Qt::SolidLine, pen_ > 1 ? Qt::RoundCap : Qt::FlatCap));
  // A one-pixel line on pixel centres stays crisp.
  const double shift = pen_ > 1 ? 0 : 0.5;
  painter_.drawLine(QPointF(x1 + shift, y1 + shift), QPointF(x2 + shift, y2 + shift));
}

void PainterSurface::Rectangle(double x1, double y1, double x2, double y2, Rgb colour) {
  FlushBand();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setPen(QPen(ToQt(colour), pen_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(Spanned(x1, y1, x2, y2));
}

void PainterSurface::FilledBox(double x1, double y1, double x2, double y2, Rgb colour) {
  FlushBand();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.fillRect(Spanned(x1, y1, x2, y2), ToQt(colour));
}

void PainterSurface::Dot(double x, double y, Rgb colour) {
  FlushBand();
  painter_.setRenderHint(QPainter::Antialiasing, pen_ > 1);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ToQt(colour));
  if (pen_ <= 1) {
    painter_.fillRect(QRectF(x, y, 1, 1), ToQt(colour));
  } else if (stamps_) {
    QImage& stamp = dotStamps_[{pen_, colour.r, colour.g, colour.b}];
    const int side = static_cast<int>(std::ceil(pen_)) + 2;
    if (stamp.isNull()) {
      stamp = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
      stamp.fill(Qt::transparent);
      QPainter p(&stamp);
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(Qt::NoPen);
      p.setBrush(ToQt(colour));
      p.drawEllipse(QPointF(side / 2.0, side / 2.0), pen_ / 2, pen_ / 2);
    }
    painter_.drawImage(QPoint(static_cast<int>(std::lround(x - side / 2.0)),
                              static_cast<int>(std::lround(y - side / 2.0))),
                       stamp);
  } else {
    painter_.drawEllipse(QPointF(x, y), pen_ / 2, pen_ / 2);
  }
  painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::Text(double x, double y, const std::string& text) {
  FlushBand();
  painter_.setPen(text_);
  const QFontMetricsF metrics(painter_.font(), painter_.device());
  painter_.drawText(QPointF(x, y + metrics.ascent()), QString::fromStdString(text));
}

void PainterSurface::Clear() {
  FlushBand();
  const QPainter::CompositionMode mode = painter_.compositionMode();
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.fillRect(QRectF(0, 0, width_, height_), background_);
  painter_.setCompositionMode(mode);
}

}  // namespace graph
