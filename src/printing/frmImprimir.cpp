#include "printing/frmImprimir.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "platform/qt_buttons.h"
#include "shared/program_state.h"

namespace printing {
namespace {

// The dialog is laid out in twips; 15 twips make a pixel on a 96 dpi screen.
int Px(int twips) { return (twips + 7) / 15; }

QRect TwipRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

QFont Arial(double points) {
  QFont font("Arial");
  font.setPointSizeF(points);
  return font;
}

}  // namespace

frmImprimir::frmImprimir(shared::ProgramState& state, platform::PrinterService& printers,
                         QWidget* parent)
    : QDialog(parent), state_(state), printers_(printers) {
  setObjectName("frmImprimir");
  setWindowTitle("Imprimir");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(Px(5955), Px(2550));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(230, 238, 248));
  setPalette(palette);
  setAutoFillBackground(true);

  Label3 = new QLabel(" Impresora", this);
  Label3->setObjectName("Label3");
  Label3->setGeometry(TwipRect(165, 150, 2250, 300));
  Label3->setFont(Arial(11.25));
  Label3->setStyleSheet("color: rgb(0, 0, 192); background: transparent;");

  Combo1 = new QComboBox(this);
  Combo1->setObjectName("Combo1");
  Combo1->setGeometry(TwipRect(210, 420, 5505, 360));
  Combo1->setFont(Arial(9.75));
  Combo1->setEditable(false);

  cmdCancelar = new QPushButton("&Cancelar", this);
  cmdCancelar->setObjectName("cmdCancelar");
  cmdCancelar->setGeometry(TwipRect(4110, 1725, 1560, 420));
  cmdImprimir = new QPushButton("&Imprimir", this);
  cmdImprimir->setObjectName("cmdImprimir");
  cmdImprimir->setGeometry(TwipRect(2385, 1725, 1560, 420));
  for (QPushButton* button : {cmdCancelar, cmdImprimir}) {
    button->setFont(Arial(9.75));
    // Neither is the default: Enter presses a button only when it has the focus, and
    // presses nothing in the printer list.
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  platform::EnterPressesFocusedButton();
  setTabOrder(Combo1, cmdCancelar);
  setTabOrder(cmdCancelar, cmdImprimir);

  connect(cmdImprimir, &QPushButton::clicked, this, [this] { cmdImprimir_Click(); });
  connect(cmdCancelar, &QPushButton::clicked, this, [this] { cmdCancelar_Click(); });
  connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) Combo1_Click();
  });
  connect(Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });

  Form_Load();
  Combo1->setFocus();
}

void frmImprimir::Form_Load() {
  {
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
  }
  const std::vector<std::string> names = printers_.DeviceNames();
  if (names.empty()) {
    Combo1->hide();
    cmdImprimir->hide();
    return;
  }
  {
    // The list keeps the platform's order and starts with nothing selected.
    const QSignalBlocker quiet(Combo1);
    for (const std::string& name : names) Combo1->addItem(QString::fromStdString(name));
    Combo1->setCurrentIndex(-1);
  }
  const QString current = QString::fromStdString(printers_.CurrentDeviceName());
  cmdImprimir->setToolTip(current);
  for (int i = 0; i < Combo1->count(); ++i) {
    if (Combo1->itemText(i) == current) {
      Combo1->setCurrentIndex(i);
      break;
    }
  }
}

void frmImprimir::Combo1_Click() {
  const std::string chosen = Combo1->currentText().toStdString();
  const std::vector<std::string> names = printers_.DeviceNames();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] != chosen) continue;
    // Made current twice around the pending events: one of them may have changed it.
    printers_.SetCurrent(static_cast<int>(i));
    printers_.ProcessEvents();
    printers_.SetCurrent(static_cast<int>(i));
    return;
  }
}

void frmImprimir::cmdImprimir_Click() {
  state_.PrintConfirmed = true;
  done(QDialog::Accepted);
}

void frmImprimir::cmdCancelar_Click() {
  state_.PrintConfirmed = false;
  done(QDialog::Rejected);
}

void frmImprimir::reject() { cmdCancelar_Click(); }

}  // namespace printing
