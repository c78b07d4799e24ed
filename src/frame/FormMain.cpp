#include "frame/FormMain.h"

#include <QWidget>

FormMain::FormMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("FormMain");
  setWindowTitle("Orvalis - ZorbSoftware");
  auto* client = new QWidget(this);
  client->setObjectName("ClientArea");
  setCentralWidget(client);
  client->setFixedSize(1018, 686);
  client->setAutoFillBackground(true);
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, QColor(252, 252, 255));
  client->setPalette(palette);
}
