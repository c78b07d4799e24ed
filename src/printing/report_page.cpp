#include "printing/report_page.h"

#include <charconv>
#include <cmath>

#include "numeric/numeric.h"
#include "platform/fitted_number.h"
#include "platform/least_point_size.h"

namespace printing {
namespace {

// Millimetres of ascent per point of size of the fitted texts' font, Arial (0.905 em), by
// which a smaller text moves down to stand on its line's baseline.
constexpr double kAscentPerPoint = 0.905 * 25.4 / 72;

// The significant digits a number the report computes itself prints with.
constexpr int kCellDigits = 10;

// A computed value's 15 significant digits, as a grid cell holds it. Where its 10 do not
// fit, fewer are rounded from these and not from its printed text, which would round twice:
// 1.2345678949999 prints 1.234567895, yet is 1.23456789 to 9 digits. Fifteen rather than
// all of the double's digits, so that 1.005 rounds as it reads, to 1.01.
std::string ValueDigits(double value) {
  char buffer[32];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  return std::string(buffer, written.ptr);
}

}  // namespace

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

double ReportPage::Width(const std::string& s) { return job_.TextWidth(s); }

std::string ReportPage::Fitted(const PrintedNumber& s, double room) {
  const std::string whole = s.before + s.text + s.after;
  if (job_.TextWidth(whole) <= room) return whole;
  // Smaller, as the screen shrinks a text; the last size tried, the least, stays in force.
  const auto fitsAt = [&](double size) {
    SetSize(size);
    return job_.TextWidth(whole) <= room;
  };
  if (platform::ShrunkPointSize(font_.Size, fitsAt)) return whole;
  // Even the least size cannot hold it: fewer digits, never a number cut or run together.
  const auto fits = [&](const std::string& number) {
    return job_.TextWidth(s.before + number + s.after) <= room;
  };
  const std::optional<std::string> number =
      s.value ? platform::FittedNumber(ValueDigits(*s.value), fits, kCellDigits)
              : platform::FittedNumber(s.text, fits);
  return number ? s.before + *number + s.after : whole;
}

void ReportPage::PlaceFitted(const PrintedNumber& s, double room,
                             const std::function<void(const std::string&, double)>& place) {
  const PrintFont design = font_;
  try {
    const std::string text = Fitted(s, room);
    place(text, (design.Size - font_.Size) * kAscentPerPoint);
  } catch (...) {
    // A failed text must not leave its smaller size to the texts after it.
    if (font_ != design) {
      try {
        SetFont(design);
      } catch (const platform::PrinterError&) {
      }
    }
    throw;
  }
  if (font_ != design) SetFont(design);
}

void ReportPage::FitTML(double x, double next, double y, const PrintedNumber& s) {
  PlaceFitted(s, next - kTextGap - x,
              [&](const std::string& text, double lower) { ImpriTML(x, y + lower, text); });
}

void ReportPage::FitTMR(double previous, double x, double y, const PrintedNumber& s) {
  PlaceFitted(s, x - previous - kTextGap,
              [&](const std::string& text, double lower) { ImpriTMR(x, y + lower, text); });
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

void TableRow(ReportPage& page, int32_t index, std::span<const double> edges,
              const std::vector<std::function<PrintedNumber()>>& cells) {
  const double y = page.Y();
  const std::string number = std::to_string(index);
  double previous = 0;
  page.Step([&] {
    page.ImpriTML(0, y, number);
    previous = page.Width(number);
  });
  for (size_t c = 0; c < cells.size(); ++c) {
    page.Step([&] { page.FitTMR(previous, edges[c], y, cells[c]()); });
    previous = edges[c];
  }
}

double EdgeBefore(std::span<const double> edges, double x) {
  double before = 0;
  for (double edge : edges) {
    if (edge < x) before = edge;
  }
  return before;
}

PrintedNumber Cell(double value) {
  if (!std::isfinite(value)) throw platform::PrinterError(kOverflowErrorNumber, "Overflow");
  PrintedNumber cell(FormatoCifras(value, kCellDigits));
  cell.value = value;
  return cell;
}

double Times(double a, double b) {
  const double product = a * b;
  if (!std::isfinite(product)) throw platform::PrinterError(kOverflowErrorNumber, "Overflow");
  return product;
}

}  // namespace printing
