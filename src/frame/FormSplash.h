// The splash window, shown at start-up for 400 ms or until a click or a character key,
// and shown again, with its timer off, as the modal About window.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/ui.h"

class QEventLoop;
class QTimer;

class FormSplash : public QWidget, public platform::ModalWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 469;
  static constexpr int kHeight = 319;

  // The program's one splash window, created on first use and released when it closes.
  // showMain shows the main window (creating and loading it when needed); it runs when the
  // timer fires and whenever the splash closes.
  static FormSplash* Instance(std::function<void()> showMain);
  static FormSplash* Existing();

  QTimer* Timer1() const { return timer_; }

  // platform::ModalWindow: the About window.
  std::string ModalName() const override { return "FormSplash"; }
  void ExecModal() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  explicit FormSplash(std::function<void()> showMain);
  void Form_Load();
  void Timer1_Timer();
  // Runs a link with the timer held off while its message box may be up.
  void FollowLink(void (*link)());

  std::function<void()> showMain_;
  QTimer* timer_ = nullptr;
  QEventLoop* modalLoop_ = nullptr;
  bool boxUp_ = false;
  bool pressed_ = false;
};

// The product picture of the splash: a bell curve over a histogram.
QPixmap DrawProductPicture(int size);
