// The page model the statistics reports print through: millimetre positions with a 10 mm
// left and a 5 mm top margin, a line counter with a 6 mm pitch, full-width rules, one
// page-break check and the font roles. Plain C++ over platform::PrintJob.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/printers.h"

namespace printing {

using platform::PrintFont;

inline const PrintFont kTitleFont{"Arial", 10, true, false};
inline const PrintFont kCaptionFont{"Times New Roman", 11, false, true};
inline const PrintFont kExponentFont{"Times New Roman", 7, false, false};
inline const PrintFont kSumSignFont{"Symbol", 12, false, false};
inline const PrintFont kResultFont{"Arial", 10, false, false};
inline const PrintFont kCurveHeadingFont{"Arial", 11, true, false};
inline const PrintFont kPageBreakFont{"Arial", 9, false, false};

inline constexpr double kLinePitch = 6.0;   // mm per line
inline constexpr double kLeftMargin = 10.0;
inline constexpr double kTopMargin = 5.0;
inline constexpr double kRuleLength = 175.0;
inline constexpr double kLineThickness = 0.2;  // mm, for rules and overbars
// The least room between a text and its neighbour on the line: texts never run together.
inline constexpr double kTextGap = 1.5;  // mm, two blanks of the 8-point cells

// A number as a report prints it, with the texts that share its place ("= " before a
// result, the class word after the skewness).
struct PrintedNumber {
  // A box's text stands for its number as it is.
  PrintedNumber(std::string number) : text(std::move(number)) {}
  PrintedNumber(std::string lead, std::string number, std::string trail = "")
      : before(std::move(lead)), text(std::move(number)), after(std::move(trail)) {}

  std::string before;
  std::string text;  // the number: the report's own 10 digits, or a box's text as it stands
  std::string after;
  std::optional<double> value;  // the number itself, where the report computed it
};

// One run of a report on one document. The line counter L is the report's own.
class ReportPage {
 public:
  // resumeOnError: a failed step is skipped and printing goes on (the one-variable
  // report); otherwise the first failure ends the report (the two-variable report).
  ReportPage(platform::PrintJob& job, bool resumeOnError);

  double L = 0;  // line counter; line L stands at report y = L * 6

  // Report y of the current line.
  double Y() const { return L * kLinePitch; }

  // Font properties: a report sets whole roles or single properties, and each holds
  // until it is set again.
  void SetFont(const PrintFont& font);
  void SetSize(double size);
  void SetBold(bool bold);
  void SetItalic(bool italic);
  const PrintFont& Font() const { return font_; }

  // Left-aligned text: its left edge at report x, the top of its line box at report y.
  void ImpriTML(double x, double y, const std::string& s);
  // Right-aligned text: its right edge (trailing blanks included) at report x.
  void ImpriTMR(double x, double y, const std::string& s);

  // The same, for a text that must keep kTextGap from its neighbours: left-aligned at x
  // before the text that starts at next, or right-aligned at x after the one that ends at
  // previous. A text too wide for that room prints smaller, in quarter points down to
  // platform::kLeastPointSize, and past that its number is rounded to the significant
  // digits that fit, as the screen rounds it (platform::FittedNumber), on the same
  // baseline: a number the report computed from its value, no more digits than it prints.
  // The font in force stays.
  void FitTML(double x, double next, double y, const PrintedNumber& s);
  void FitTMR(double previous, double x, double y, const PrintedNumber& s);

  // Width in millimetres of s in the font in force.
  double Width(const std::string& s);

  // The 0.2 mm line width in printer pixels; set once, after the title.
  void SetLineThickness();
  // A 175 mm rule at page y = L * 6 + 5 - lift.
  void Rule(double lift);
  // A line of the rule's thickness from page (x, pageY), length mm to the right.
  void Bar(double pageX, double pageY, double length);

  // Run after advancing L for the next line and before printing it: when the line would
  // leave less than 1.5 lines above the end of the printable height, a new page begins
  // and L becomes 1.2, in the page-break font.
  void PageBreakCheck();

  // Runs one step of the report. With resumeOnError a failure of the step (a printer
  // call, a value out of range) only leaves the step out.
  void Step(const std::function<void()>& step);

  // Ends the document.
  void End();

  int LineWidth() const { return lineWidth_; }

 private:
  // s as it fits room at the font in force, which it may leave smaller.
  std::string Fitted(const PrintedNumber& s, double room);
  // Prints through place the text that fits room, lowered by how much less its smaller
  // size rises above the baseline, then puts the font in force back.
  void PlaceFitted(const PrintedNumber& s, double room,
                   const std::function<void(const std::string&, double lower)>& place);

  platform::PrintJob& job_;
  bool resume_;
  PrintFont font_;
  int lineWidth_ = 1;
};

// Starts the report's document on the current printer and prints the frame around its
// body: set-up, title, rule. Then body(page) and the end of the document. With no printer,
// or no document started, nothing happens. A failure outside the one-variable report's
// skipped steps drops the document and is passed on.
void PrintReport(platform::PrinterService& printers, bool resumeOnError, const std::string& title,
                 const std::function<void(ReportPage&)>& body);

// One table row on line L: the row number left-aligned at 0, then each cell right-aligned
// at the end of its column (edges, rising, one for each cell) and clear of what ends
// before it. A cell is
// computed in its own step, so that the one-variable report leaves out only a cell that
// fails.
void TableRow(ReportPage& page, int32_t index, std::span<const double> edges,
              const std::vector<std::function<PrintedNumber()>>& cells);

// The end of the column before the one that ends at x (0 for the first).
double EdgeBefore(std::span<const double> edges, double x);

// A number the report computes itself, printed with 10 significant digits. A value out of
// the range of a Double is a run-time error (PrinterError 6, "Overflow").
PrintedNumber Cell(double value);
// A product formed by the report; out of range it is the same run-time error.
double Times(double a, double b);

inline constexpr int kOverflowErrorNumber = 6;

}  // namespace printing
