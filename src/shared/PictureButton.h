// A command of a task panel shown as a picture that behaves like a push button: a press
// shifts the picture one pixel right and down, the release puts it back, and a left click
// released over it runs its command. It never takes the keyboard focus.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>

namespace shared {

class PictureButton : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 100;
  static constexpr int kHeight = 30;

  PictureButton(const QString& objectName, const QString& label, QWidget* parent);

  // The panel's command handler; a click does nothing until one is set.
  void SetCommand(std::function<void()> command) { command_ = std::move(command); }
  const std::function<void()>& Command() const { return command_; }

  // Where the button rests on its panel; it goes there now and returns there after every
  // press. Panels that lay themselves out may move (and re-parent) their buttons.
  void SetDesignPosition(QPoint position);
  QPoint DesignPosition() const { return home_; }

  const QString& Label() const { return label_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString label_;
  QPixmap face_;
  QPoint home_;
  bool leftPressed_ = false;
  std::function<void()> command_;
};

// The picture of a command: its label on a 100 x 30 button face.
QPixmap DrawButtonFace(const QString& label);

}  // namespace shared
