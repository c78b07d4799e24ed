#include "inference/panel_parts.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

#include "inference/inference.h"
#include "platform/qt_pictures.h"
#include "platform/qt_whole_text.h"

namespace inference::parts {

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                bool bold) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

QLabel* Image(QWidget* parent, const QString& name, QPoint position) {
  auto* image = new QLabel(parent);
  image->setObjectName(name);
  image->setGeometry(QRect(position, QSize(0, 0)));
  return image;
}

QLineEdit* Box(QWidget* parent, const QString& name, QRect geometry, bool readOnly) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->setReadOnly(readOnly);
  if (readOnly) {
    box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xE8));
    box->setPalette(palette);
    platform::KeepTextWhole(box);
  }
  return box;
}

QFrame* Frame(QWidget* parent, const QString& name, QRect geometry) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFrameShape(QFrame::Box);
  frame->setGeometry(geometry);
  platform::SetPictureBackground(frame);
  return frame;
}

void Load(QLabel* image, const std::string& file) {
  platform::ShowPicture(image, file);
  const QPixmap picture = image->pixmap();
  image->resize(picture.isNull() ? QSize(0, 0) : picture.size());
}

void PlaceRight(QWidget* box, const QLabel* picture) {
  box->move(picture->x() + picture->width() + 2, box->y());
}

std::array<QRadioButton*, kTypeCount> TypeOptions(QWidget* parent, int panel, const QString& prefix,
                                         std::function<void(int16_t)> onClick) {
  const QString suffix = QString("_%1").arg(panel);
  auto* one = new QGroupBox("One population", parent);
  one->setObjectName("FraOne" + suffix);
  one->setGeometry(8, 60, 300, 112);
  auto* two = new QGroupBox("Two populations", parent);
  two->setObjectName("FraTwo" + suffix);
  two->setGeometry(8, 178, 300, 134);
  std::array<QRadioButton*, kTypeCount> options{};
  for (int16_t i = 0; i < kTypeCount; ++i) {
    const int row = i < 4 ? i : i - 4;
    options[i] = new QRadioButton(kOptions[i].caption, i < 4 ? one : two);
    options[i]->setObjectName(QString("%1_%2").arg(prefix).arg(i));
    options[i]->setGeometry(4, 20 + 22 * row, 294, 20);
    options[i]->setAutoExclusive(false);
    QObject::connect(options[i], &QRadioButton::clicked, parent, [onClick, i] { onClick(i); });
  }
  return options;
}

void DataRow(QWidget* parent, int top, const QString& caption, QLabel*& label, QLabel*& image,
             const QString& imageName, QLineEdit*& first, QLineEdit*& second, const QString& n1,
             const QString& n2) {
  label = Caption(parent, caption, "", {8, top, 300, 18});
  image = Image(parent, imageName, {8, top + 20});
  first = Box(parent, n1, {8, top + 20, kBoxWidth, kBoxHeight});
  second = Box(parent, n2, {8, top + 20 + kSecondRow, kBoxWidth, kBoxHeight});
}

std::array<QLineEdit*, 2> LevelBoxes(QWidget* parent, int top, int panel) {
  const QString suffix = QString("_%1").arg(panel);
  Caption(parent, "LblNCon" + suffix, "Confidence level", {8, top, 130, 20});
  Caption(parent, "LblNSig" + suffix, "Significance level", {8, top + 28, 130, 20});
  return {Box(parent, "txt_NCon" + suffix, {140, top, 80, kBoxHeight}),
          Box(parent, "txt_NSig" + suffix, {140, top + 28, 80, kBoxHeight})};
}

void SymbolRow(int16_t index, QLabel* image, QLineEdit* first, QLineEdit* second, QLabel* caption,
               const std::string& text, bool two) {
  if (index == -1) {
    image->clear();
    image->resize(0, 0);
    first->hide();
    second->hide();
    caption->hide();
    return;
  }
  Load(image, SymbolPicture("ImgNMVP", index));
  PlaceRight(first, image);
  second->move(first->x(), second->y());
  first->show();
  caption->setText(QString::fromStdString(text));
  caption->show();
  second->setVisible(two);
}

void Centre(QLabel* image, const QFrame* frame, bool top5) {
  const int left = frame->x() + (frame->width() - image->width()) / 2;
  const int top = top5 ? frame->y() + 5 : frame->y() + (frame->height() - image->height()) / 2;
  image->move(left, top);
}

BoxKeys::BoxKeys(QLineEdit* box, Comma comma, std::function<void(QLineEdit*)> enter,
                 bool selectAll)
    : QObject(box), box_(box), comma_(comma), enter_(std::move(enter)), selectAll_(selectAll) {
  box->installEventFilter(this);
}

bool BoxKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_) return false;
  if (event->type() == QEvent::FocusIn && selectAll_) {
    // After the press that gave the focus has placed the caret.
    QPointer<QLineEdit> box = box_;
    QTimer::singleShot(0, box_, [box] {
      if (box != nullptr && box->hasFocus()) box->setSelection(0, box->text().size());
    });
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->text() == ",") {
    if (comma_ == Comma::Drop) return true;
    if (comma_ == Comma::ToDot) {
      box_->insert(".");
      return true;
    }
    return false;
  }
  if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && enter_) {
    enter_(box_);
    return true;
  }
  return false;
}

void SendTab(QLineEdit* box) {
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(box, &tab);
}

}  // namespace inference::parts
