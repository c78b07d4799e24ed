#include "shared/PictureButton.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace shared {

QPixmap DrawButtonFace(const QString& label) {
  QPixmap face(PictureButton::kWidth, PictureButton::kHeight);
  face.fill(Qt::transparent);
  QPainter painter(&face);
  painter.setRenderHint(QPainter::Antialiasing);

  const QRectF body(0.5, 0.5, PictureButton::kWidth - 1.0, PictureButton::kHeight - 1.0);
  QPainterPath outline;
  outline.addRoundedRect(body, 6, 6);
  // The blues of the task tabs, lighter at the top so the face reads as raised.
  QLinearGradient fill(0, 0, 0, PictureButton::kHeight);
  fill.setColorAt(0.0, QColor(150, 178, 255));
  fill.setColorAt(0.5, QColor(112, 146, 245));
  fill.setColorAt(1.0, QColor(80, 112, 222));
  painter.fillPath(outline, fill);
  painter.setPen(QPen(QColor(48, 72, 176), 1));
  painter.drawPath(outline);

  // A thin highlight under the top edge.
  painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
  painter.drawLine(QPointF(6, 2.5), QPointF(PictureButton::kWidth - 6, 2.5));

  // The label's own size, smaller for a long label so it stays inside the face.
  QFont font("Arial");
  font.setBold(true);
  for (int pixels = 13; pixels >= 9; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(label) <= PictureButton::kWidth - 10) break;
  }
  painter.setFont(font);
  const QRect textBox(0, 0, PictureButton::kWidth, PictureButton::kHeight);
  painter.setPen(QColor(32, 48, 128, 140));
  painter.drawText(textBox.translated(1, 1), Qt::AlignCenter, label);
  painter.setPen(Qt::white);
  painter.drawText(textBox, Qt::AlignCenter, label);
  return face;
}

PictureButton::PictureButton(const QString& objectName, const QString& label, QWidget* parent)
    : QWidget(parent), label_(label), face_(DrawButtonFace(label)) {
  setObjectName(objectName);
  setFixedSize(kWidth, kHeight);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  setToolTip(label);
}

void PictureButton::SetDesignPosition(QPoint position) {
  home_ = position;
  move(home_);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, face_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  // Every button pressed shows the same look; only the left one can make a click.
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
  move(home_ + QPoint(1, 1));
  event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  // Back to its own resting place, whatever other buttons were pressed meanwhile.
  const bool inside = rect().contains(event->position().toPoint());
  move(home_);
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool click = leftPressed_ && inside;
  leftPressed_ = false;
  if (!click || !command_) return;
  // The command may replace this button's command while it runs.
  const std::function<void()> command = command_;
  command();
}

}  // namespace shared
