// A printer service for tests: a list of device names (none at all for a machine without
// printers), the current printer, and documents that record what is drawn on them with
// simple metrics (every character is 0.2 mm per point of the font size wide).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/printers.h"

namespace testing_support {

struct DrawnItem {
  enum Kind { Text, Line, NewPage } kind = Text;
  int page = 1;
  double x = 0, y = 0;  // page millimetres: the text's top-left corner, the line's start
  double dx = 0, dy = 0;
  int width = 0;  // line width in pixels
  std::string text;
  platform::PrintFont font;
};

class RecordedJob : public platform::PrintJob {
 public:
  double height = 275;        // printable height, mm
  double twipsPerPixel = 2.4;  // 600 dpi
  std::string failOnText;      // a Text call with this text fails
  std::vector<DrawnItem> items;
  platform::PrintFont font;
  int page = 1;
  bool ended = false;
  bool aborted = false;

  static double CharWidth(const platform::PrintFont& f) { return 0.02 * f.Size; }

  void SetFont(const platform::PrintFont& f) override { font = f; }
  double TextWidth(const std::string& text) override {
    return CharWidth(font) * static_cast<double>(text.size());
  }
  void Text(double x, double y, const std::string& text) override {
    if (!failOnText.empty() && text == failOnText) {
      throw platform::PrinterError(platform::kPrinterErrorNumber, "Printer error");
    }
    items.push_back({DrawnItem::Text, page, x, y, 0, 0, 0, text, font});
  }
  void Line(double x, double y, double dx, double dy, int width) override {
    items.push_back({DrawnItem::Line, page, x, y, dx, dy, width, "", font});
  }
  double PrintableHeight() override { return height; }
  double TwipsPerPixel() override { return twipsPerPixel; }
  void NewPage() override {
    ++page;
    items.push_back({DrawnItem::NewPage, page, 0, 0, 0, 0, 0, "", font});
  }
  void End() override { ended = true; }
  void Abort() override { aborted = true; }

  // The texts drawn, in order; the first one equal to text, or nullptr.
  const DrawnItem* Find(const std::string& text, int nth = 0) const {
    for (const DrawnItem& item : items) {
      if (item.kind == DrawnItem::Text && item.text == text && nth-- == 0) return &item;
    }
    return nullptr;
  }
};

// The service hands out one RecordedJob per document and keeps them for inspection.
class FakePrinters : public platform::PrinterService {
 public:
  explicit FakePrinters(std::vector<std::string> names = {}, std::string current = "")
      : names(std::move(names)), current(std::move(current)) {
    previous_ = platform::InstalledPrinters();
    platform::InstallPrinters(this);
  }
  ~FakePrinters() override { platform::InstallPrinters(previous_); }

  std::vector<std::string> names;
  std::string current;
  std::vector<int> setCurrentCalls;
  int eventPumps = 0;
  RecordedJob prototype;  // settings copied into every new document
  std::vector<RecordedJob*> jobs;
  std::vector<std::unique_ptr<RecordedJob>> finished;  // kept after the report drops them

  std::vector<std::string> DeviceNames() override { return names; }
  std::string CurrentDeviceName() override { return current; }
  void SetCurrent(int index) override {
    setCurrentCalls.push_back(index);
    current = names.at(index);
  }
  std::unique_ptr<platform::PrintJob> StartJob(platform::Orientation) override;
  void ProcessEvents() override { ++eventPumps; }

 private:
  platform::PrinterService* previous_ = nullptr;
};

// The report owns its document; a forwarding document lets the test keep the record.
class ForwardingJob : public platform::PrintJob {
 public:
  explicit ForwardingJob(RecordedJob& target) : t_(target) {}
  void SetFont(const platform::PrintFont& f) override { t_.SetFont(f); }
  double TextWidth(const std::string& s) override { return t_.TextWidth(s); }
  void Text(double x, double y, const std::string& s) override { t_.Text(x, y, s); }
  void Line(double x, double y, double dx, double dy, int w) override { t_.Line(x, y, dx, dy, w); }
  double PrintableHeight() override { return t_.PrintableHeight(); }
  double TwipsPerPixel() override { return t_.TwipsPerPixel(); }
  void NewPage() override { t_.NewPage(); }
  void End() override { t_.End(); }
  void Abort() override { t_.Abort(); }

 private:
  RecordedJob& t_;
};

inline std::unique_ptr<platform::PrintJob> FakePrinters::StartJob(platform::Orientation) {
  auto job = std::make_unique<RecordedJob>();
  job->height = prototype.height;
  job->twipsPerPixel = prototype.twipsPerPixel;
  job->failOnText = prototype.failOnText;
  jobs.push_back(job.get());
  finished.push_back(std::move(job));
  return std::make_unique<ForwardingJob>(*jobs.back());
}

}  // namespace testing_support
