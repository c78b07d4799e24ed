#include "probability/EventBox.h"

#include <QKeyEvent>

namespace probability {

EventBox::EventBox(const QString& objectName, QWidget* parent) : QLineEdit(parent) {
  setObjectName(objectName);
}

int KeyCodeOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    case Qt::Key_Tab:
      return kKeyTab;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Down:
      return kKeyDown;
    default:
      return 0;
  }
}

bool EventBox::event(QEvent* event) {
  // Tab moves the focus before a key press handler would see it, so keys are taken here.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = KeyCodeOf(key->key());
    if (code != 0 && KeyDown && KeyDown(code)) {
      event->accept();
      return true;
    }
    if (key->text() == "," && !isReadOnly()) {
      QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), ".");
      return QLineEdit::event(&point);
    }
  }
  return QLineEdit::event(event);
}

void EventBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Typing replaces the value.
  selectAll();
}

void DotBecomesZeroPoint(QLineEdit* box, bool& updating) {
  if (updating || box->text() != ".") return;
  updating = true;
  box->setText("0.");
  box->setCursorPosition(2);
  updating = false;
}

}  // namespace probability
