#include "graph/qt_surface.h"

#include <QFontMetricsF>
#include <QPainter>
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
      text_(text) {}

double PainterSurface::TextWidth(const std::string& text) {
  return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(QString::fromStdString(text));
}

double PainterSurface::TextHeight(const std::string&) {
  return QFontMetricsF(painter_.font(), painter_.device()).height();
}

void PainterSurface::SetMaskPen(bool on) {
  painter_.setCompositionMode(on ? QPainter::RasterOp_SourceAndDestination
                                 : QPainter::CompositionMode_SourceOver);
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, Rgb colour) {
  painter_.setRenderHint(QPainter::Antialiasing, pen_ > 1);
  painter_.setPen(QPen(ToQt(colour), pen_, Qt::SolidLine, pen_ > 1 ? Qt::RoundCap : Qt::FlatCap));
  // A one-pixel line on pixel centres stays crisp.
  const double shift = pen_ > 1 ? 0 : 0.5;
  painter_.drawLine(QPointF(x1 + shift, y1 + shift), QPointF(x2 + shift, y2 + shift));
}

void PainterSurface::Rectangle(double x1, double y1, double x2, double y2, Rgb colour) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setPen(QPen(ToQt(colour), pen_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(Spanned(x1, y1, x2, y2));
}

void PainterSurface::FilledBox(double x1, double y1, double x2, double y2, Rgb colour) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.fillRect(Spanned(x1, y1, x2, y2), ToQt(colour));
}

void PainterSurface::Dot(double x, double y, Rgb colour) {
  painter_.setRenderHint(QPainter::Antialiasing, pen_ > 1);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ToQt(colour));
  if (pen_ <= 1) {
    painter_.fillRect(QRectF(x, y, 1, 1), ToQt(colour));
  } else {
    painter_.drawEllipse(QPointF(x, y), pen_ / 2, pen_ / 2);
  }
  painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::Text(double x, double y, const std::string& text) {
  painter_.setPen(text_);
  const QFontMetricsF metrics(painter_.font(), painter_.device());
  painter_.drawText(QPointF(x, y + metrics.ascent()), QString::fromStdString(text));
}

void PainterSurface::Clear() {
  const QPainter::CompositionMode mode = painter_.compositionMode();
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.fillRect(QRectF(0, 0, width_, height_), background_);
  painter_.setCompositionMode(mode);
}

}  // namespace graph
