#include <array>
#include <span>

#include "numeric/numeric.h"
#include "printing/report_page.h"
#include "printing/reports.h"

namespace printing {
namespace {

using tables::IsEmpty;

struct Placed {
  const char* text;
  double x;
};

// The right ends of the table's columns after the row number.
constexpr double kUngroupedEdges[] = {30, 59, 88, 117, 146, 175};
constexpr double kGroupedEdges[] = {20, 42, 62, 85, 107, 129, 152, 175};

// The x at which the moment of order k starts: 0, 25, 65, 105, 145.
double MomentX(int k) { return 40.0 * k - 15.0 * (k > 0 ? 1 : 0); }

// Below the rows: the TOTAL line of the five sums at their columns' right edges, then the
// line naming them (the sum sign, n·x to the power, its exponent).
void TotalsAndSums(ReportPage& page, const tables::Results1V& b, std::span<const double> edges,
                   const std::array<double, 5>& columns, const Placed (&exponents)[3],
                   const std::array<double, 5>& signs) {
  page.L += 0.2;
  page.Step([&] { page.Rule(2.0); });
  page.Step([&] { page.SetBold(true); });
  const double ty = page.Y();
  page.Step([&] { page.ImpriTML(0, ty, "TOTAL"); });
  const std::string* totals[] = {&b.Txt1V_SN, &b.Txt1V_SX, &b.Txt1V_SX2, &b.Txt1V_SX3,
                                 &b.Txt1V_SX4};
  for (size_t i = 0; i < columns.size(); ++i) {
    page.Step([&] { page.FitTMR(EdgeBefore(edges, columns[i]), columns[i], ty, *totals[i]); });
  }

  page.L += 0.9;
  page.Step([&] { page.PageBreakCheck(); });
  const double sy = page.Y();
  page.Step([&] { page.SetFont(kCaptionFont); });
  const char* names[] = {"n", "x n", "x  n", "x  n", "x  n"};
  for (size_t i = 0; i < columns.size(); ++i) {
    page.Step([&] { page.ImpriTMR(columns[i], sy, names[i]); });
  }
  page.Step([&] { page.SetSize(7); });
  page.Step([&] { page.SetItalic(false); });
  for (const Placed& e : exponents) page.Step([&] { page.ImpriTML(e.x, sy - 0.5, e.text); });
  page.Step([&] { page.SetFont(kSumSignFont); });
  for (double x : signs) page.Step([&] { page.ImpriTML(x, sy - 0.5, "S"); });
}

void UngroupedTable(ReportPage& page, const Report1VInput& in) {
  const tables::Table1V& t = *in.Table;
  page.Step([&] { page.SetFont(kCaptionFont); });
  const double y = page.Y();
  page.Step([&] { page.ImpriTML(0, y, "#"); });
  const Placed captions[] = {{"x", 30},     {"n", 59},      {"x n", 88},
                             {"x  n", 117}, {"x  n", 146},  {"x  n", 175}};
  for (const Placed& c : captions) page.Step([&] { page.ImpriTMR(c.x, y, c.text); });
  page.Step([&] { page.SetSize(7); });
  page.Step([&] { page.SetItalic(false); });
  const Placed exponents[] = {{"2", 113.3}, {"3", 142.3}, {"4", 171.3}};
  for (const Placed& e : exponents) page.Step([&] { page.ImpriTML(e.x, y - 0.5, e.text); });

  page.L += 1.2;
  page.Step([&] { page.Rule(2.0); });
  page.Step([&] { page.SetFont({"Arial", 8.5, false, false}); });
  for (int32_t i = 1; i <= t.N1V; ++i) {
    const double x = t.Data1V_X1[i];
    const double n = t.Data1V_N[i];
    if (IsEmpty(x) || IsEmpty(n)) continue;
    TableRow(page, i, kUngroupedEdges,
             {[&] { return Cell(x); }, [&] { return Cell(n); }, [&] { return Cell(Times(x, n)); },
              [&] { return Cell(Times(Times(x, x), n)); },
              [&] { return Cell(Times(Times(Times(x, x), x), n)); },
              [&] { return Cell(Times(Times(Times(Times(x, x), x), x), n)); }});
    page.L += 1.0;
    page.Step([&] { page.PageBreakCheck(); });
  }

  TotalsAndSums(page, in.Boxes, kUngroupedEdges, {59, 88, 117, 146, 175}, exponents,
                {54.0, 80.0, 108.0, 137.0, 166.0});
}

void GroupedTable(ReportPage& page, const Report1VInput& in) {
  const tables::Table1V& t = *in.Table;
  page.Step([&] { page.SetFont(kCaptionFont); });
  const double y = page.Y();
  page.Step([&] { page.ImpriTML(0, y, "#"); });
  const Placed captions[] = {{"x  ", 20},  {"x  ", 42},   {"n", 62},     {"x   ", 85},
                             {"x n", 107}, {"x  n", 129}, {"x  n", 152}, {"x  n", 175}};
  for (const Placed& c : captions) page.Step([&] { page.ImpriTMR(c.x, y, c.text); });
  page.Step([&] { page.SetSize(7); });
  page.Step([&] { page.SetItalic(false); });
  const Placed exponents[] = {{"2", 125.3}, {"3", 148.3}, {"4", 171.3}};
  for (const Placed& e : exponents) page.Step([&] { page.ImpriTML(e.x, y - 0.5, e.text); });
  const Placed subscripts[] = {{"1", 19.5}, {"2", 41.5}, {"M", 84.5}};
  for (const Placed& s : subscripts) page.Step([&] { page.ImpriTMR(s.x, y + 2.0, s.text); });

  page.L += 1.2;
  page.Step([&] { page.Rule(2.0); });
  page.Step([&] { page.SetFont({"Arial", 8, false, false}); });
  for (int32_t i = 1; i <= t.N1V; ++i) {
    const double x1 = t.Data1V_X1[i];
    const double x2 = t.Data1V_X2[i];
    const double n = t.Data1V_N[i];
    if (IsEmpty(x1) || IsEmpty(x2) || IsEmpty(n)) continue;
    const double xm = (x1 + x2) / 2;
    TableRow(page, i, kGroupedEdges,
             {[&] { return Cell(x1); }, [&] { return Cell(x2); }, [&] { return Cell(n); },
              [&] { return Cell(xm); }, [&] { return Cell(Times(xm, n)); },
              [&] { return Cell(Times(Times(xm, xm), n)); },
              [&] { return Cell(Times(Times(Times(xm, xm), xm), n)); },
              [&] { return Cell(Times(Times(Times(Times(xm, xm), xm), xm), n)); }});
    page.L += 1.0;
    page.Step([&] { page.PageBreakCheck(); });
  }

  TotalsAndSums(page, in.Boxes, kGroupedEdges, {62, 107, 129, 152, 175}, exponents,
                {57.0, 99.0, 120.0, 143.0, 166.0});
}

// A section's heading line; then the counter moves to its values line.
void Headings(ReportPage& page, std::initializer_list<Placed> headings) {
  page.Step([&] { page.SetFont(kResultFont); });
  const double y = page.Y();
  for (const Placed& h : headings) page.Step([&] { page.ImpriTML(h.x, y, h.text); });
  page.L += 0.9;
}

void Left(ReportPage& page, double x, double y, const std::string& text) {
  page.Step([&] { page.ImpriTML(x, y, text); });
}

// A result value at x, clear of the label that starts at next.
void Value(ReportPage& page, double x, double next, double y, const PrintedNumber& value) {
  page.Step([&] { page.FitTML(x, next, y, value); });
}

void SectionEnd(ReportPage& page) {
  page.L += 1.5;
  page.Step([&] { page.PageBreakCheck(); });
}

void Moments(ReportPage& page, const Report1VInput& in, int16_t about) {
  const bool mean = about == 1;
  Headings(page, {{mean ? "Moments about the mean" : "Moments about the origin", 0}});
  const double y = page.Y();
  page.Step([&] { page.SetFont(kCaptionFont); });
  for (int k = 0; k <= 4; ++k) Left(page, MomentX(k), y, mean ? "m   =" : "a   =");
  page.Step([&] { page.SetFont(kResultFont); });
  for (int16_t k = 0; k <= 4; ++k) {
    page.Step([&] {
      const std::string value = in.Moment ? in.Moment(k, about) : std::string();
      const double next = k < 4 ? MomentX(k + 1) : kRuleLength;
      page.FitTML(MomentX(k) + (mean ? 9.8 : 8.9), next, y, value);
    });
  }
  page.Step([&] { page.SetSize(7); });
  for (int k = 0; k <= 4; ++k) {
    Left(page, MomentX(k) + (mean ? 3.2 : 2.4), y + 2.1, std::to_string(k));
  }
}

void Results(ReportPage& page, const Report1VInput& in) {
  const tables::Results1V& b = in.Boxes;

  Headings(page, {{"Mean", 0}, {"Median", 50}, {"Mode", 100}});
  double y = page.Y();
  Value(page, 6.3, 50, y, b.Txt1V_MX);
  Value(page, 59.4, 100, y, b.Txt1V_ME);
  Value(page, 109.5, kRuleLength, y, b.Txt1V_MO);
  page.Step([&] { page.SetFont(kCaptionFont); });
  Left(page, 0, y - 0.4, "x =");
  page.Step([&] { page.Bar(kLeftMargin, y + kTopMargin + 0.5, 1.7); });
  Left(page, 50, y - 0.4, "Me =");
  Left(page, 100, y - 0.4, "Mo =");
  SectionEnd(page);

  Headings(page, {{"Standard deviation", 0}, {"Variance", 50}, {"Coefficient of variation", 100}});
  y = page.Y();
  Value(page, 6.0, 50, y, b.Txt1V_DX);
  Value(page, 57.0, 100, y, b.Txt1V_VX);
  Value(page, 109.4, kRuleLength, y, b.Txt1V_CV);
  page.Step([&] { page.SetFont(kCaptionFont); });
  Left(page, 0, y - 0.4, "s = ");
  Left(page, 50, y - 0.4, "s\u00b2 = ");
  Left(page, 100, y - 0.4, "CV = ");
  SectionEnd(page);

  Headings(page, {{"Skewness", 0}, {"Kurtosis", 100}});
  y = page.Y();
  Value(page, 8.4, 100, y, {"", b.Txt1V_AS, "  " + b.Label1_68});
  Value(page, 108.4, kRuleLength, y, {"", b.Txt1V_CU, "  " + b.Label1_69});
  page.Step([&] { page.SetSize(7); });
  Left(page, 2.2, y + 1.8, "1");
  Left(page, 102.2, y + 1.8, "2");
  page.Step([&] { page.SetFont(kCaptionFont); });
  Left(page, 0, y - 0.4, "g   = ");
  Left(page, 100, y - 0.4, "g   = ");
  SectionEnd(page);

  Moments(page, in, 0);
  SectionEnd(page);
  Moments(page, in, 1);
}

}  // namespace

void Body1VAR(ReportPage& page, const Report1VInput& input) {
  if (input.Table->DataType1V == 0) {
    UngroupedTable(page, input);
  } else {
    GroupedTable(page, input);
  }
  page.L += 1.6;
  page.Step([&] { page.PageBreakCheck(); });
  page.Step([&] { page.Rule(3.5); });
  Results(page, input);
}

void Imprimir1VAR(platform::PrinterService& printers, const Report1VInput& input) {
  try {
    PrintReport(printers, true, input.LblESTAD1,
                [&](ReportPage& page) { Body1VAR(page, input); });
  } catch (const platform::PrinterError& error) {
    // Only a document that could not be started gets here (a file that cannot be
    // written): the user must not take silence for a printed report.
    ShowPrintingError(error);
  }
}

}  // namespace printing
