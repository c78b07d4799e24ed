#include "platform/qt_printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include "platform/ui.h"

namespace platform {
namespace {

PrinterError Failed() { return PrinterError(kPrinterErrorNumber, "Printer error"); }

}  // namespace

QString SymbolFontText(const QString& text) {
  // The Symbol font's Latin-to-Greek table, for the letters that have a Greek twin.
  static const QString latin = QStringLiteral("ABGDEZHQIKLMNXOPRSTUFCYWabgdezhqiklmnxoprstufcyw");
  static const QString greek =
      QString::fromUtf8("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩαβγδεζηθικλμνξοπρστυφχψω");
  QString out = text;
  for (QChar& c : out) {
    const qsizetype at = latin.indexOf(c);
    if (at >= 0) c = greek[at];
  }
  return out;
}

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer, Orientation orientation,
                       std::string pdfFile)
    : printer_(std::move(printer)), pdfFile_(std::move(pdfFile)) {
  printer_->setFullPage(false);
  printer_->setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
  if (!painter_.begin(printer_.get())) throw Failed();
  open_ = true;
  painter_.setPen(Qt::black);
}

QtPrintJob::~QtPrintJob() {
  // A job dropped without End (a report that stopped) must not reach the printer.
  if (open_) Abort();
}

void QtPrintJob::Check(bool ok) {
  if (!ok || !open_) throw Failed();
}

double QtPrintJob::Px(double mm) const { return mm / 25.4 * printer_->resolution(); }

void QtPrintJob::SetFont(const PrintFont& font) {
  Check(true);
  symbol_ = font.Name == "Symbol";
  // The Symbol font's letters are drawn as Greek letters of a serif face instead.
  font_ = QFont(QString::fromStdString(symbol_ ? std::string("Times New Roman") : font.Name));
  font_.setPointSizeF(font.Size);
  font_.setBold(font.Bold);
  font_.setItalic(font.Italic);
  painter_.setFont(font_);
  metrics_ = QFontMetricsF(font_, printer_.get());
}

double QtPrintJob::TextWidth(const std::string& text) {
  Check(true);
  QString shown = QString::fromStdString(text);
  if (symbol_) shown = SymbolFontText(shown);
  return metrics_.horizontalAdvance(shown) / printer_->resolution() * 25.4;
}

void QtPrintJob::Text(double x, double y, const std::string& text) {
  Check(true);
  QString shown = QString::fromStdString(text);
  if (symbol_) shown = SymbolFontText(shown);
  painter_.drawText(QPointF(Px(x), Px(y) + metrics_.ascent()), shown);
}

void QtPrintJob::Line(double x, double y, double dx, double dy, int widthPixels) {
  Check(true);
  QPen pen(Qt::black);
  pen.setWidth(widthPixels);
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(QPointF(Px(x), Px(y)), QPointF(Px(x + dx), Px(y + dy)));
  painter_.setPen(Qt::black);
}

double QtPrintJob::PrintableHeight() {
  Check(true);
  return printer_->pageLayout().paintRect(QPageLayout::Millimeter).height();
}

double QtPrintJob::TwipsPerPixel() {
  Check(true);
  return 1440.0 / printer_->resolution();
}

void QtPrintJob::NewPage() {
  Check(printer_->newPage());
  ++pages_;
}

void QtPrintJob::End() {
  Check(true);
  open_ = false;
  if (!painter_.end()) throw Failed();
}

void QtPrintJob::Abort() {
  if (!open_) return;
  open_ = false;
  // A device job is cancelled in the spooler; a PDF engine cannot cancel, so its file is
  // closed and removed.
  printer_->abort();
  painter_.end();
  if (!pdfFile_.empty()) QFile::remove(QString::fromStdString(pdfFile_));
}

std::unique_ptr<QtPrintJob> StartPdfJob(const std::string& path, Orientation orientation) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setOutputFileName(QString::fromStdString(path));
  return std::make_unique<QtPrintJob>(std::move(printer), orientation, path);
}

QtPrinters::QtPrinters() {
  const QString fallback = QPrinterInfo::defaultPrinterName();
  current_ = fallback.isEmpty() ? kPdfPrinterName : fallback.toStdString();
}

std::vector<std::string> QtPrinters::DeviceNames() {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) {
    names.push_back(name.toStdString());
  }
  names.emplace_back(kPdfPrinterName);
  return names;
}

void QtPrinters::SetCurrent(int index) {
  const std::vector<std::string> names = DeviceNames();
  if (index >= 0 && index < static_cast<int>(names.size())) current_ = names[index];
}

std::unique_ptr<PrintJob> QtPrinters::StartJob(Orientation orientation) {
  if (current_ == kPdfPrinterName) {
    FileDialogRequest request;
    request.title = "Print to PDF file";
    request.filter = "PDF file (*.pdf)|*.pdf";
    request.initDir = QDir::homePath().toStdString();
    request.fileName = "Orvalis.pdf";
    // A name typed bare still makes a file that opens as a PDF; the question before
    // replacing a file is about the name written.
    request.extension = ".pdf";
    const std::optional<std::string> path = CurrentUi().ShowSave(request);
    if (!path) return nullptr;
    return StartPdfJob(WithExtension(*path, request.extension), orientation);
  }
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(current_));
  if (info.isNull()) throw Failed();
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  return std::make_unique<QtPrintJob>(std::move(printer), orientation, std::string());
}

void QtPrinters::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace platform
