// The printer service: the printers the program can print on, the one current printer of
// the whole program, and a document on it. Only standard types cross it, so that the
// reports are plain C++ and tests print on a recorder instead of paper.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// A failed printer call, with the number and text the user is told.
class PrinterError : public std::runtime_error {
 public:
  PrinterError(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}
  int Number() const { return number_; }

 private:
  int number_;
};

inline constexpr int kPrinterErrorNumber = 482;  // "Printer error"

struct PrintFont {
  std::string Name = "Arial";
  double Size = 10;  // points
  bool Bold = false;
  bool Italic = false;
  bool operator==(const PrintFont&) const = default;
};

enum class Orientation { Portrait, Landscape };

// One document on the current printer. Positions are millimetres from the top-left corner
// of the printable area, x to the right and y downward. A failed call throws PrinterError.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual void SetFont(const PrintFont& font) = 0;
  // Width of the text in the font in force, trailing blanks included.
  virtual double TextWidth(const std::string& text) = 0;
  // The top-left corner of the text's line box at (x, y).
  virtual void Text(double x, double y, const std::string& text) = 0;
  // A black line from (x, y) to (x + dx, y + dy), widthPixels printer pixels wide.
  virtual void Line(double x, double y, double dx, double dy, int widthPixels) = 0;
  virtual double PrintableHeight() = 0;
  // The size of one printer pixel in twips (1/1440 inch).
  virtual double TwipsPerPixel() = 0;
  virtual void NewPage() = 0;
  // Sends the document.
  virtual void End() = 0;
  // Drops the document: nothing of it reaches the printer, and a file it was going to is
  // removed.
  virtual void Abort() = 0;
};

class PrinterService {
 public:
  virtual ~PrinterService() = default;
  // The printers' device names, in the platform's order.
  virtual std::vector<std::string> DeviceNames() = 0;
  // The current printer's device name ("" when there is none).
  virtual std::string CurrentDeviceName() = 0;
  // Makes printer index (into DeviceNames) current for the rest of the run.
  virtual void SetCurrent(int index) = 0;
  // Starts a document on the current printer, or nothing when none can be started (no
  // printer, or the user declined to name the file a file printer writes to).
  virtual std::unique_ptr<PrintJob> StartJob(Orientation orientation) = 0;
  // Lets the window system handle what is pending.
  virtual void ProcessEvents() = 0;
};

// The process-wide service; the program installs the Qt one, tests their own. Not owned.
PrinterService& CurrentPrinters();
PrinterService* InstalledPrinters();
void InstallPrinters(PrinterService* printers);

// Pixels of a width in millimetres on a printer with pixels of twipsPerPixel twips:
// rounded to the nearest, halves to even, and never below 1.
int MillimetresToPixels(double mm, double twipsPerPixel);

}  // namespace platform
