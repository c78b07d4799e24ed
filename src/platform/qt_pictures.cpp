#include "platform/qt_pictures.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include "platform/pictures.h"

namespace platform {

void ShowPicture(QLabel* label, const std::string& name) {
  const std::string path = PicturePath(name);
  QPixmap picture;
  if (!path.empty()) picture.load(QString::fromStdString(path));
  label->setScaledContents(false);
  if (picture.isNull()) {
    label->clear();
  } else {
    label->setPixmap(picture);
  }
}

void SetPictureBackground(QWidget* frame) {
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, Qt::white);
  frame->setPalette(palette);
  frame->setAutoFillBackground(true);
}

}  // namespace platform
