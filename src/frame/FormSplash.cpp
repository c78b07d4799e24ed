#include "frame/FormSplash.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "frame/help_menu.h"
#include "frame/maker.h"

namespace {

QPointer<FormSplash> g_splash;

const QColor kSplashBlue(80, 128, 240);

// A label of the splash that opens a link when clicked, instead of closing the window.
class LinkLabel : public QLabel {
 public:
  LinkLabel(const QString& text, std::function<void()> follow, QWidget* parent)
      : QLabel(text, parent), follow_(std::move(follow)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      follow_();
    }
  }

 private:
  std::function<void()> follow_;
};

QLabel* AddLabel(QWidget* parent, const char* name, const QRect& geometry, int pixelSize, bool bold,
                 const QColor& color) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  QFont font("Arial");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  return label;
}

void AddFrame(QWidget* parent, int index, const QRect& geometry) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(QString("Shape1_%1").arg(index));
  frame->setGeometry(geometry);
  frame->setStyleSheet("QFrame { border: 1px solid rgba(255, 255, 255, 150); }");
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  frame->lower();
}

}  // namespace

QPixmap DrawProductPicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  const QRectF card(2, 2, size - 4, size - 4);
  painter.setPen(QPen(QColor(40, 72, 176), 2));
  painter.setBrush(QColor(248, 250, 255));
  painter.drawRoundedRect(card, 14, 14);

  const double left = size * 0.12;
  const double right = size * 0.88;
  const double base = size * 0.80;
  const double height = size * 0.58;
  auto bell = [](double z) { return std::exp(-0.5 * z * z); };

  // The histogram: nine bars under the curve.
  const int bars = 9;
  const double barWidth = (right - left) / bars;
  for (int i = 0; i < bars; ++i) {
    const double z = -2.8 + 5.6 * (i + 0.5) / bars;
    const double h = height * bell(z) * 0.92;
    const QRectF bar(left + i * barWidth + 1.5, base - h, barWidth - 3.0, h);
    painter.setPen(Qt::NoPen);
    painter.setBrush(i == bars / 2 ? QColor(80, 128, 240) : QColor(150, 180, 250));
    painter.drawRect(bar);
  }

  // The bell curve over it.
  QPainterPath curve;
  for (int i = 0; i <= 60; ++i) {
    const double z = -2.8 + 5.6 * i / 60.0;
    const QPointF point(left + (z + 2.8) / 5.6 * (right - left), base - height * bell(z));
    if (i == 0) {
      curve.moveTo(point);
    } else {
      curve.lineTo(point);
    }
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(220, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(curve);

  // The axis.
  painter.setPen(QPen(QColor(40, 56, 96), 2));
  painter.drawLine(QPointF(left - 4, base), QPointF(right + 4, base));
  return picture;
}

FormSplash* FormSplash::Instance(std::function<void()> showMain) {
  if (g_splash == nullptr) g_splash = new FormSplash(std::move(showMain));
  return g_splash;
}

FormSplash* FormSplash::Existing() { return g_splash; }

FormSplash::FormSplash(std::function<void()> showMain)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), showMain_(std::move(showMain)) {
  setObjectName("FormSplash");
  setFixedSize(kWidth, kHeight);
  setFocusPolicy(Qt::StrongFocus);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kSplashBlue);
  setPalette(palette);
  setAutoFillBackground(true);

  AddFrame(this, 0, QRect(8, 8, kWidth - 16, kHeight - 16));
  AddFrame(this, 1, QRect(24, 36, 160, 160));
  AddFrame(this, 2, QRect(24, 222, kWidth - 48, 62));

  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setGeometry(29, 41, 150, 150);
  image->setPixmap(DrawProductPicture(150));

  const QColor white(255, 255, 255);
  const QColor pale(222, 232, 255);
  AddLabel(this, "LblTIT1", QRect(204, 36, 245, 52), 44, true, white);
  auto* title = AddLabel(this, "LblTIT2", QRect(206, 92, 240, 44), 15, false, white);
  title->setWordWrap(true);
  AddLabel(this, "lblVersion", QRect(206, 148, 240, 20), 13, true, pale);
  AddLabel(this, "lblCopyright", QRect(206, 172, 240, 20), 13, false, pale);

  QFont linkFont("Arial");
  linkFont.setPixelSize(14);
  linkFont.setUnderline(true);
  QPalette linkPalette = this->palette();
  linkPalette.setColor(QPalette::WindowText, QColor(255, 244, 170));
  auto* web = new LinkLabel(
      frame::kMakerWeb, [this] { FollowLink(&frame::LblWEB_Click); }, this);
  web->setObjectName("LblWEB");
  web->setGeometry(40, 230, 260, 22);
  auto* mail = new LinkLabel(
      frame::kMakerMail, [this] { FollowLink(&frame::LlblMAIL_Click); }, this);
  mail->setObjectName("LlblMAIL");
  mail->setGeometry(40, 254, 260, 22);
  mail->setToolTip(QString("mailto:%1").arg(frame::kMakerMail));
  for (QLabel* link : {static_cast<QLabel*>(web), static_cast<QLabel*>(mail)}) {
    link->setFont(linkFont);
    link->setPalette(linkPalette);
  }

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setInterval(400);
  connect(timer_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
  timer_->start();

  Form_Load();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void FormSplash::Form_Load() {
  findChild<QLabel*>("lblVersion")->setText(QString::fromStdString(frame::VersionText()));
  findChild<QLabel*>("LblTIT1")->setText(frame::kProgramName);
  findChild<QLabel*>("LblTIT2")->setText(frame::kProductTitle);
  findChild<QLabel*>("lblCopyright")->setText(frame::kCopyrightLine);
  findChild<QLabel*>("LblWEB")->setToolTip(frame::kMakerWeb);
}

void FormSplash::Timer1_Timer() {
  // Closing now would pull the window from under the message box that one of its links
  // opened; the next tick hands over instead.
  if (boxUp_) return;
  timer_->stop();
  if (showMain_) showMain_();
  close();
}

void FormSplash::FollowLink(void (*link)()) {
  boxUp_ = true;
  link();
  boxUp_ = false;
}

void FormSplash::ExecModal() {
  setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  modalLoop_ = &loop;
  show();
  loop.exec();
  modalLoop_ = nullptr;
}

void FormSplash::keyPressEvent(QKeyEvent* event) {
  // Only keys that type a character close it, as the Enter, Escape or letter keys do.
  if (event->text().isEmpty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  close();
}

void FormSplash::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void FormSplash::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) close();
}

void FormSplash::closeEvent(QCloseEvent* event) {
  timer_->stop();
  // Whatever closed it, the main window comes (or stays) up.
  if (showMain_) showMain_();
  event->accept();
  if (modalLoop_ != nullptr) modalLoop_->quit();
  // Released now: the next About loads a fresh window.
  if (g_splash == this) g_splash = nullptr;
  deleteLater();
}

void FormSplash::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) update();
  QWidget::changeEvent(event);
}

void FormSplash::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  activateWindow();
  setFocus();
}
