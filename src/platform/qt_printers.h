// The printer service on Qt: the installed printers (QPrinterInfo), then a printer that
// writes a PDF file where the user says, so that a machine with no printer can still print.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>
#include <vector>

#include "platform/printers.h"

namespace platform {

// The device name of the PDF file printer, listed after the installed printers.
inline constexpr const char* kPdfPrinterName = "PDF file";

// A document on a QPrinter. The graph window draws on Painter() in printer pixels.
class QtPrintJob : public PrintJob {
 public:
  // printer is set up (device or PDF file) and not yet painted on. pdfFile is the file a
  // PDF printer writes, removed again on Abort; "" for a device.
  QtPrintJob(std::unique_ptr<QPrinter> printer, Orientation orientation, std::string pdfFile);
  ~QtPrintJob() override;

  void SetFont(const PrintFont& font) override;
  double TextWidth(const std::string& text) override;
  void Text(double x, double y, const std::string& text) override;
  void Line(double x, double y, double dx, double dy, int widthPixels) override;
  double PrintableHeight() override;
  double TwipsPerPixel() override;
  void NewPage() override;
  void End() override;
  void Abort() override;

  QPainter& Painter() { return painter_; }
  QPrinter& Printer() { return *printer_; }
  int Pages() const { return pages_; }

 private:
  double Px(double mm) const;
  void Check(bool ok);

  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  std::string pdfFile_;
  QFont font_;
  QFontMetricsF metrics_{QFont()};  // of font_ on the printer
  bool symbol_ = false;  // the font draws Latin letters as Greek ones
  bool open_ = false;
  int pages_ = 1;
};

class QtPrinters : public PrinterService {
 public:
  // The current printer starts as the system's default printer, or the PDF file printer
  // when there is none.
  QtPrinters();

  std::vector<std::string> DeviceNames() override;
  std::string CurrentDeviceName() override { return current_; }
  void SetCurrent(int index) override;
  std::unique_ptr<PrintJob> StartJob(Orientation orientation) override;
  void ProcessEvents() override;

 private:
  std::string current_;
};

// A job writing a PDF file directly, without asking: for tests and benchmarks.
std::unique_ptr<QtPrintJob> StartPdfJob(const std::string& path, Orientation orientation);

// The text as the "Symbol" font shows it: Latin letters stand for Greek ones ("S" is the
// capital sigma).
QString SymbolFontText(const QString& text);

}  // namespace platform
