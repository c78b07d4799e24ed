// A numeric box of the A and B and the total probability panels: entering it selects its
// whole text, a typed "," arrives as ".", and its panel sees the keys that move the caret
// (Tab included) before the box does.
#pragma once

#include <QLineEdit>
#include <functional>

namespace probability {

// Key codes as the panels' key handlers know them.
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;

class EventBox : public QLineEdit {
  Q_OBJECT

 public:
  EventBox(const QString& objectName, QWidget* parent);

  // The panel's key-down handler: it gets the key code and returns true when it took the
  // key (the key then has no other effect).
  std::function<bool(int keyCode)> KeyDown;

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
};

// The key code of a Qt key: Enter (either Return key), Tab, Up, Down; 0 for any other.
int KeyCodeOf(int qtKey);

// A box whose whole text has become "." reads "0." with the caret after the point. Does
// nothing while updating is set; sets it while it writes.
void DotBecomesZeroPoint(QLineEdit* box, bool& updating);

}  // namespace probability
