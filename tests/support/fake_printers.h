// A printer service for tests: device names (none for a machine without printers), the
// current printer, and documents that record what is drawn on them, every character 0.02 mm
// per point of the font size wide. A document is kept in jobs when it is closed.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/printers.h"

namespace testing_support {

struct DrawnItem {
  enum Kind { Text, Line } kind = Text;
  int page = 1;
  double x = 0, y = 0, dx = 0, dy = 0;  // page millimetres
  int width = 0;                        // line width in pixels
  std::string text;
  platform::PrintFont font;
};

class RecordedJob : public platform::PrintJob {
 public:
  double height = 275, twipsPerPixel = 2.4;  // printable mm; 600 dpi
  std::vector<DrawnItem> items;
  platform::PrintFont font;
  int page = 1;
  bool ended = false, aborted = false;
  std::vector<RecordedJob>* archive = nullptr;

  ~RecordedJob() override {
    if (auto* kept = std::exchange(archive, nullptr)) kept->push_back(*this);
  }

  static double CharWidth(const platform::PrintFont& f) { return 0.02 * f.Size; }
  void SetFont(const platform::PrintFont& f) override { font = f; }
  double TextWidth(const std::string& s) override { return CharWidth(font) * s.size(); }
  void Text(double x, double y, const std::string& s) override {
    items.push_back({DrawnItem::Text, page, x, y, 0, 0, 0, s, font});
  }
  void Line(double x, double y, double dx, double dy, int width) override {
    items.push_back({DrawnItem::Line, page, x, y, dx, dy, width, "", font});
  }
  double PrintableHeight() override { return height; }
  double TwipsPerPixel() override { return twipsPerPixel; }
  void NewPage() override { ++page; }
  void End() override { ended = true; }
  void Abort() override { aborted = true; }

  // The nth text drawn equal to s, or nullptr.
  const DrawnItem* Find(const std::string& s, int nth = 0) const {
    for (const DrawnItem& item : items) {
      if (item.kind == DrawnItem::Text && item.text == s && nth-- == 0) return &item;
    }
    return nullptr;
  }
};

class FakePrinters : public platform::PrinterService {
 public:
  explicit FakePrinters(std::vector<std::string> names = {}, std::string current = "")
      : names(std::move(names)), current(std::move(current)),
        previous_(platform::InstalledPrinters()) {
    platform::InstallPrinters(this);
  }
  ~FakePrinters() override { platform::InstallPrinters(previous_); }

  std::vector<std::string> names;
  std::string current;
  std::vector<int> setCurrentCalls;
  std::vector<RecordedJob> jobs;

  std::vector<std::string> DeviceNames() override { return names; }
  std::string CurrentDeviceName() override { return current; }
  void SetCurrent(int index) override {
    setCurrentCalls.push_back(index);
    current = names.at(index);
  }
  std::unique_ptr<platform::PrintJob> StartJob(platform::Orientation) override {
    auto job = std::make_unique<RecordedJob>();
    job->archive = &jobs;
    return job;
  }
  void ProcessEvents() override {}

 private:
  platform::PrinterService* previous_;
};

}  // namespace testing_support
