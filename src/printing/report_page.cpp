#include "printing/report_page.h"

#include <cmath>

#include "numeric/numeric.h"

namespace printing {

ReportPage::ReportPage(platform::PrintJob& job, bool resumeOnError)
    : job_(job), resume_(resumeOnError) {}

void ReportPage::SetFont(const PrintFont& font) {
  font_ = font;
  job_.SetFont(font_);
}

void ReportPage::SetSize(double size) {
  font_.Size = size;
  job_.SetFont(font_);
}

void ReportPage::SetBold(bool bold) {
  font_.Bold = bold;
  job_.SetFont(font_);
}

void ReportPage::SetItalic(bool italic) {
  font_.Italic = italic;
  job_.SetFont(font_);
}

void ReportPage::ImpriTML(double x, double y, const std::string& s) {
  // The printer keeps its current position in single precision.
  const float px = static_cast<float>(x + kLeftMargin);
  const float py = static_cast<float>(y + kTopMargin);
  job_.Text(px, py, s);
}

void ReportPage::ImpriTMR(double x, double y, const std::string& s) {
  const double width = job_.TextWidth(s);
  const float px = static_cast<float>(x + kLeftMargin - width);
  const float py = static_cast<float>(y + kTopMargin);
  job_.Text(px, py, s);
}

void ReportPage::SetLineThickness() {
  lineWidth_ = platform::MillimetresToPixels(kLineThickness, job_.TwipsPerPixel());
}

void ReportPage::Rule(double lift) {
  job_.Line(kLeftMargin, L * kLinePitch + kTopMargin - lift, kRuleLength, 0, lineWidth_);
}

void ReportPage::Bar(double pageX, double pageY, double length) {
  job_.Line(pageX, pageY, length, 0, lineWidth_);
}

void ReportPage::PageBreakCheck() {
  const float t = static_cast<float>((L + 1.5) * kLinePitch + kTopMargin);
  if (job_.PrintableHeight() <= t) {
    job_.NewPage();
    L = 1.2;
    SetFont(kPageBreakFont);
  }
}

void ReportPage::Step(const std::function<void()>& step) {
  if (!resume_) {
    step();
    return;
  }
  try {
    step();
  } catch (const platform::PrinterError&) {
    // The one-variable report leaves a failed step out and goes on.
  }
}

void ReportPage::End() { job_.End(); }

void PrintReport(platform::PrinterService& printers, bool resumeOnError, const std::string& title,
                 const std::function<void(ReportPage&)>& body) {
  if (printers.DeviceNames().empty()) return;
  std::unique_ptr<platform::PrintJob> job = printers.StartJob(platform::Orientation::Portrait);
  if (!job) return;
  try {
    ReportPage page(*job, resumeOnError);
    // Set up, let pending window events run, and set up again: an event handled in
    // between may have changed the printer's settings.
    page.Step([&] { page.SetFont(kTitleFont); });
    printers.ProcessEvents();
    page.Step([&] { page.SetFont(kTitleFont); });
    page.L = 0;
    page.Step([&] { page.ImpriTML(0, 0, title); });
    page.L += 1.5;
    page.Step([&] { page.SetLineThickness(); });
    page.Step([&] { page.Rule(1.8); });
    body(page);
    page.Step([&] { page.End(); });
  } catch (...) {
    // Nothing of a report that stopped reaches the printer or a later job.
    job->Abort();
    throw;
  }
}

std::string Cell(double value) {
  if (!std::isfinite(value)) throw platform::PrinterError(kOverflowErrorNumber, "Overflow");
  return FormatoCifras(value, 10);
}

double Times(double a, double b) {
  const double product = a * b;
  if (!std::isfinite(product)) throw platform::PrinterError(kOverflowErrorNumber, "Overflow");
  return product;
}

}  // namespace printing
