// The pictures of the graph window's tool buttons and its drag pointer, drawn in code.
#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "graph/FormGraficador.h"

namespace graph {

namespace {

const QColor kInk(36, 60, 140);
const QColor kFace(250, 252, 255);
const QColor kShade(206, 218, 240);

QPainterPath Arrow(QPointF tip, QPointF direction, double length, double head) {
  const QPointF back = tip - direction * length;
  const QPointF side(-direction.y(), direction.x());
  QPainterPath path;
  path.moveTo(tip);
  path.lineTo(tip - direction * head + side * head * 0.8);
  path.lineTo(tip - direction * head + side * head * 0.3);
  path.lineTo(back + side * head * 0.3);
  path.lineTo(back - side * head * 0.3);
  path.lineTo(tip - direction * head - side * head * 0.3);
  path.lineTo(tip - direction * head - side * head * 0.8);
  path.closeSubpath();
  return path;
}

void Magnifier(QPainter& p, bool plus) {
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 20), QPointF(28, 28));
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(220, 236, 255));
  p.drawEllipse(QPointF(13, 13), 9, 9);
  p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
  if (plus) p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
}

void Caption(QPainter& p, const QRectF& box, const QString& text, bool italic) {
  QFont font("Arial");
  font.setPixelSize(13);
  font.setBold(true);
  font.setItalic(italic);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

QPixmap ToolButtonPicture(int index) {
  static const QSize sizes[12] = {{32, 32}, {32, 32}, {28, 21}, {28, 21}, {28, 21}, {28, 21},
                                  {22, 32}, {32, 22}, {32, 22}, {22, 32}, {32, 32}, {32, 32}};
  const QSize size = sizes[std::clamp(index, 0, 11)];
  QPixmap picture(size);
  picture.fill(kFace);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width(), h = size.height();
  p.fillRect(QRectF(0, h * 0.55, w, h * 0.45), kShade);
  p.setBrush(kInk);
  p.setPen(Qt::NoPen);
  const QPointF centre(w / 2, h / 2);
  switch (index) {
    case 0:
    case 1:
      Magnifier(p, index == 0);
      break;
    case 2: p.drawPath(Arrow({w / 2, 2}, {0, -1}, h - 4, 9)); break;
    case 3: p.drawPath(Arrow({3, h / 2}, {-1, 0}, w - 6, 9)); break;
    case 4: p.drawPath(Arrow({w - 3, h / 2}, {1, 0}, w - 6, 9)); break;
    case 5: p.drawPath(Arrow({w / 2, h - 2}, {0, 1}, h - 4, 9)); break;
    case 6:  // both ends come in along y
      p.drawPath(Arrow(centre - QPointF(0, 2), {0, 1}, 12, 7));
      p.drawPath(Arrow(centre + QPointF(0, 2), {0, -1}, 12, 7));
      break;
    case 9:  // both ends go out along y
      p.drawPath(Arrow({w / 2, 2}, {0, -1}, 13, 7));
      p.drawPath(Arrow({w / 2, h - 2}, {0, 1}, 13, 7));
      break;
    case 7:  // both ends go out along x
      p.drawPath(Arrow({2, h / 2}, {-1, 0}, 13, 7));
      p.drawPath(Arrow({w - 2, h / 2}, {1, 0}, 13, 7));
      break;
    case 8:  // both ends come in along x
      p.drawPath(Arrow(centre - QPointF(2, 0), {1, 0}, 12, 7));
      p.drawPath(Arrow(centre + QPointF(2, 0), {-1, 0}, 12, 7));
      break;
    case 10:
      Caption(p, QRectF(0, 0, w, h), "1:1", false);
      break;
    case 11:
      Caption(p, QRectF(0, 0, w, h), "f(x)", true);
      break;
    default:
      break;
  }
  return picture;
}

QCursor DragHandCursor() {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath hand;
  hand.addRoundedRect(QRectF(6, 13, 17, 14), 5, 5);  // palm
  for (int f = 0; f < 4; ++f) hand.addRoundedRect(QRectF(7 + 4 * f, 6 + (f == 0 || f == 3 ? 2 : 0), 4, 12), 2, 2);
  hand.addRoundedRect(QRectF(2, 14, 8, 4), 2, 2);  // thumb
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(Qt::white);
  p.drawPath(hand.simplified());
  return QCursor(picture, 11, 9);
}

}  // namespace graph
