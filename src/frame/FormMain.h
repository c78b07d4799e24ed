#pragma once

#include <QMainWindow>

// The main window: the frame around the seven task panels.
class FormMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit FormMain(QWidget* parent = nullptr);
};
