#include "platform/qt_buttons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace platform {
namespace {

class EnterPress : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr || !button->isEnabled()) return false;
    // An auto-default or default button answers Enter itself: one press, not two.
    if (button->autoDefault() || button->isDefault()) return false;
    button->click();
    return true;
  }
};

}  // namespace

void EnterPressesFocusedButton() {
  static QPointer<EnterPress> filter;
  if (filter != nullptr || qApp == nullptr) return;
  filter = new EnterPress(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace platform
