#include "printing/GraphPrinting.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>

#include "graph/FormGraficador.h"
#include "graph/plot_content.h"
#include "graph/qt_surface.h"
#include "platform/qt_buttons.h"
#include "platform/qt_printers.h"
#include "printing/graph_print.h"
#include "printing/reports.h"

namespace printing {
namespace {

QFont Arial(double points) {
  QFont font("Arial");
  font.setPointSizeF(points);
  return font;
}

}  // namespace

PrinterList::PrinterList(QWidget* parent) : QComboBox(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void PrinterList::showPopup() {
  emit GotFocus();
  QComboBox::showPopup();
}

void PrinterList::hidePopup() {
  QComboBox::hidePopup();
  emit LostFocus();
}

void PrinterList::wheelEvent(QWheelEvent* event) { event->accept(); }

GraphPrinting::GraphPrinting(graph::FormGraficador& form) : QObject(&form), form_(form) {
  QWidget* bar = form.Picture3(1);
  cmdPRINT = new QPushButton("&Print", bar);
  cmdPRINT->setObjectName("cmdPRINT");
  cmdPRINT->setGeometry(6, 6, 111, 28);
  Label2 = new QLabel("Printer:", bar);
  Label2->setObjectName("Label2");
  Label2->setGeometry(119, 12, 73, 21);
  Combo1 = new PrinterList(bar);
  Combo1->setObjectName("Combo1");
  Combo1->setGeometry(194, 9, 225, 24);
  Check1 = new QCheckBox("Black and white", bar);
  Check1->setObjectName("Check1");
  Check1->setGeometry(429, 10, 129, 24);
  for (QWidget* w : std::initializer_list<QWidget*>{cmdPRINT, Label2, Combo1, Check1}) {
    w->setFont(Arial(9.75));
  }
  // The keys keep panning the plot until the user picks one of these.
  cmdPRINT->setFocusPolicy(Qt::ClickFocus);
  Check1->setFocusPolicy(Qt::ClickFocus);
  platform::EnterPressesFocusedButton();

  Timer2 = new QTimer(this);
  Timer2->setObjectName("Timer2");
  Timer2->setInterval(500);

  connect(cmdPRINT, &QPushButton::clicked, this, [this] { cmdPRINT_Click(); });
  connect(Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
  connect(Combo1, &PrinterList::GotFocus, this, [this] { Combo1_GotFocus(); });
  connect(Combo1, &PrinterList::LostFocus, this, [this] { Combo1_LostFocus(); });
  connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

  // The list shows its design text until the first tick selects the current printer.
  Combo1->setPlaceholderText("Combo1");
  const std::vector<std::string> names = platform::CurrentPrinters().DeviceNames();
  for (const std::string& name : names) Combo1->addItem(QString::fromStdString(name));
  Combo1->setCurrentIndex(-1);
  if (names.empty()) {
    Combo1->hide();
    Label2->hide();
  }
  Timer2->start();
}

void GraphPrinting::cmdPRINT_Click() {
  platform::PrinterService& printers = platform::CurrentPrinters();
  if (printers.DeviceNames().empty()) {
    platform::CurrentUi().MsgBox("Unable to print. No printers in this system",
                                 platform::Buttons::Ok, platform::Icon::Exclamation,
                                 "No printers");
    return;
  }
  graph::PlotScene scene = form_.Scene();
  scene.PrintBlackWhite = Check1->isChecked();
  scene.Check1 = Check1->isChecked();
  const QWidget* plot = form_.Picture1();
  const QWidget* box = form_.Picture2();
  const FormulaBoxPlace place{!box->isHidden(), static_cast<double>(box->x()),
                              static_cast<double>(box->y()), static_cast<double>(plot->width()),
                              static_cast<double>(plot->height())};
  try {
    std::unique_ptr<platform::PrintJob> job =
        printers.StartJob(GraphOrientation(plot->width(), plot->height()));
    if (!job) return;
    auto* paperJob = dynamic_cast<platform::QtPrintJob*>(job.get());
    if (paperJob == nullptr) {
      throw platform::PrinterError(platform::kPrinterErrorNumber, "Printer error");
    }
    QPainter& painter = paperJob->Painter();
    painter.setFont(Arial(10));
    const QPaintDevice* page = painter.device();
    {
      graph::PainterSurface paper(painter, page->width(), page->height(), false,
                                  paperJob->TwipsPerPixel(), Qt::white, Qt::black);
      graph::DibujarRejilla(paper, scene);
      graph::DibujarEjes(paper, scene);
      platform::BusyPointer busy;
      ImprimirFuncion(paper, scene, place);
      graph::DibujarCurva(paper, scene);
      graph::DibujarDatosPuntuales(paper, scene);
    }
    job->End();
  } catch (const platform::PrinterError& error) {
    // The job is dropped with the object that holds it.
    ShowPrintingError(error);
  }
  platform::CurrentPrinters().ProcessEvents();
}

void GraphPrinting::Combo1_Click() {
  platform::PrinterService& printers = platform::CurrentPrinters();
  const std::string chosen = Combo1->currentText().toStdString();
  const std::vector<std::string> names = printers.DeviceNames();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] != chosen) continue;
    printers.SetCurrent(static_cast<int>(i));
    printers.ProcessEvents();
    printers.SetCurrent(static_cast<int>(i));
    break;
  }
  Timer2->start();
}

void GraphPrinting::Combo1_GotFocus() { Timer2->stop(); }

void GraphPrinting::Combo1_LostFocus() { Timer2->start(); }

void GraphPrinting::Timer2_Timer() {
  platform::PrinterService& printers = platform::CurrentPrinters();
  const std::vector<std::string> names = printers.DeviceNames();
  if (names.empty()) return;
  const QString current = QString::fromStdString(printers.CurrentDeviceName());
  cmdPRINT->setToolTip(current);
  // Printers that came or went since the list was filled leave it as it is.
  if (Combo1->count() != static_cast<int>(names.size())) return;
  for (int i = 0; i < Combo1->count(); ++i) {
    if (Combo1->itemText(i) == current) {
      Combo1->setCurrentIndex(i);
      return;
    }
  }
}

void InstallGraphPrinting(graph::FormGraficador& form) { new GraphPrinting(form); }

}  // namespace printing
