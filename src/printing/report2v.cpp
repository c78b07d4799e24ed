#include <array>
#include <cmath>

#include "numeric/numeric.h"
#include "platform/ui.h"
#include "printing/report_page.h"
#include "printing/reports.h"
#include "tables/model_captions.h"

namespace printing {
namespace {

using tables::IsEmpty;

// What the regression model prints through the natural logarithm.
struct Sides {
  bool logX = false;
  bool logY = false;
};

Sides SidesOf(int16_t m) { return {m == 1 || m == 3, m == 2 || m == 3}; }

// The captions of the five product columns, at 85, 107, 129, 152 and 175.
std::array<std::string, 5> ProductCaptions(Sides s) {
  const std::string x = s.logX ? "lnx" : "x";
  const std::string y = s.logY ? "lny" : "y";
  const std::string xy = s.logX && s.logY ? "lnx lny"
                         : s.logX         ? "y lnx"
                         : s.logY         ? "x lny"
                                          : "x y";
  return {"n " + x, "n " + y, "n " + x + "  ", "n " + y + "  ", "n " + xy};
}

constexpr double kProductX[5] = {85, 107, 129, 152, 175};
// The right ends of the table's columns after the row number.
constexpr double kEdges[] = {20, 42, 62, 85, 107, 129, 152, 175};

void Captions(ReportPage& page, Sides s, double y) {
  const std::array<std::string, 5> captions = ProductCaptions(s);
  for (int c = 0; c < 5; ++c) page.ImpriTMR(kProductX[c], y, captions[c]);
}

void Exponents(ReportPage& page, double y) {
  page.SetFont(kExponentFont);
  page.ImpriTMR(129, y - 0.5, "2");
  page.ImpriTMR(152, y - 0.5, "2");
}

double Ln(double v) { return std::log(v); }

void Table(ReportPage& page, const Report2VInput& in, Sides s) {
  const tables::Table2V& t = *in.Table;
  page.SetFont(kCaptionFont);
  double y = page.Y();
  page.ImpriTML(0, y, "#");
  page.ImpriTMR(20, y, "x");
  page.ImpriTMR(42, y, "y");
  page.ImpriTMR(62, y, "n");
  Captions(page, s, y);
  Exponents(page, y);

  page.L += 1.2;
  page.Rule(2.0);
  page.SetFont({"Arial", 8, false, false});
  for (int32_t i = 1; i <= t.N2V; ++i) {
    const double x = t.Data2V_X[i];
    const double yv = t.Data2V_Y[i];
    const double n = t.Data2V_N[i];
    if (IsEmpty(x) || IsEmpty(yv) || IsEmpty(n)) continue;
    if ((s.logX && x <= 0) || (s.logY && yv <= 0)) continue;
    const double X = s.logX ? Ln(x) : x;
    const double Y = s.logY ? Ln(yv) : yv;
    TableRow(page, i, kEdges,
             {[&] { return Cell(x); }, [&] { return Cell(yv); }, [&] { return Cell(n); },
              [&] { return Cell(Times(X, n)); }, [&] { return Cell(Times(Y, n)); },
              [&] { return Cell(Times(Times(X, X), n)); },
              [&] { return Cell(Times(Times(Y, Y), n)); },
              [&] { return Cell(Times(Times(X, Y), n)); }});
    page.L += 1.0;
    page.PageBreakCheck();
  }

  page.L += 0.2;
  page.Rule(2.0);
  page.SetBold(true);
  const tables::Results2V& b = in.Boxes;
  y = page.Y();
  page.ImpriTML(0, y, "TOTAL");
  const std::pair<double, const std::string*> totals[] = {
      {62, &b.Txt2V_SN},  {85, &b.Txt2V_SX},   {107, &b.Txt2V_SY},
      {129, &b.Txt2V_SX2}, {152, &b.Txt2V_SY2}, {175, &b.Txt2V_SXY}};
  for (const auto& [x, text] : totals) page.FitTMR(EdgeBefore(kEdges, x), x, y, *text);

  page.L += 0.9;
  page.PageBreakCheck();
  y = page.Y();
  page.SetFont(kCaptionFont);
  page.ImpriTMR(62, y, "n");
  Captions(page, s, y);
  Exponents(page, y);
  page.SetFont(kSumSignFont);
  // Each sign stands before its caption, which is wider on a logarithmic side.
  const double signs[6] = {57,
                           s.logX ? 74.0 : 77.0,
                           s.logY ? 96.0 : 99.0,
                           s.logX ? 119.2 - 3 : 119.2,
                           s.logY ? 142.2 - 3 : 142.2,
                           s.logX && s.logY ? 158.0 : (s.logX || s.logY) ? 161.0 : 164.0};
  for (double x : signs) page.ImpriTML(x, y - 0.5, "S");
}

void Results(ReportPage& page, const Report2VInput& in, Sides s, int16_t m) {
  const tables::Results2V& b = in.Boxes;
  page.L += 1.6;
  page.PageBreakCheck();
  page.Rule(3.5);
  page.L += 1.0;
  page.PageBreakCheck();

  // Means, standard deviations and variances: x side on line L, y side on line L + 1.
  page.SetFont(kResultFont);
  const double head = (page.L - 0.9) * kLinePitch;
  page.ImpriTML(0, head, "Means");
  page.ImpriTML(50, head, "Standard deviations");
  page.ImpriTML(100, head, "Variances");
  struct Side {
    bool log;
    double line;
    const std::string* mean;
    const std::string* deviation;
    const std::string* variance;
    std::string name;
  };
  const Side sides[2] = {
      {s.logX, page.L, &b.Txt2V_MX, &b.Txt2V_DX, &b.Txt2V_VX, s.logX ? "lnx" : "x"},
      {s.logY, page.L + 1, &b.Txt2V_MY, &b.Txt2V_DY, &b.Txt2V_VY, s.logY ? "lny" : "y"}};
  for (const Side& side : sides) {
    const double shift = side.log ? 2.5 : 0.0;
    const double y = side.line * kLinePitch;
    page.FitTML(4.0 + shift, 50, y, {"= ", *side.mean});
    page.FitTML(54.0 + shift, 100, y, {"= ", *side.deviation});
    page.FitTML(104.5 + shift, kRuleLength, y, {"= ", *side.variance});
  }
  page.SetFont(kCaptionFont);
  for (const Side& side : sides) {
    const double y = side.line * kLinePitch - 0.4;
    page.ImpriTML(0, y, side.name);
    page.ImpriTML(50, y, "s");
    page.ImpriTML(100, y, "s\u00b2");
  }
  for (const Side& side : sides) {
    if (side.log) {
      page.Bar(kLeftMargin, side.line * kLinePitch + 4.8, 5.0);
    } else {
      page.Bar(kLeftMargin, side.line * kLinePitch + 5.5, 1.7);
    }
  }
  page.SetSize(7);
  for (const Side& side : sides) {
    const double y = side.line * kLinePitch + 2.0;
    page.ImpriTML(52, y, side.name);
    page.ImpriTML(102, y, side.name);
  }

  // Covariance and, where the panel shows it, correlation: the quadratic model has none.
  const bool correlation = tables::CargarImagenes2v(m).correlationShown;
  page.L += 2.6;
  page.PageBreakCheck();
  page.SetFont(kResultFont);
  double y = page.Y();
  page.ImpriTML(0, y, "Covariance");
  if (correlation) page.ImpriTML(100, y, "Coefficient of correlation");
  page.L += 0.9;
  y = page.Y();
  const double covX = m == 3 ? 11 : (m == 1 || m == 2) ? 9 : 7;
  page.FitTML(covX, 100, y, {"= ", b.Txt2V_COV});
  if (correlation) page.FitTML(103, kRuleLength, y, {"= ", b.Txt2V_R});
  page.SetFont(kCaptionFont);
  page.ImpriTML(0, y - 0.4, "s");
  if (correlation) page.ImpriTML(100, y - 0.4, "r");
  page.SetSize(7);
  if (m == 1 || m == 2 || m == 3) {
    page.ImpriTML(2, y + 2.0, m == 1 ? "y lnx" : m == 2 ? "x lny" : "lnx lny");
  } else {
    page.ImpriTMR(5, y + 2.0, "x y");
  }

  // The fitted curve.
  page.L += 1.6;
  page.PageBreakCheck();
  page.SetFont(kCurveHeadingFont);
  page.ImpriTML(0, page.Y(), in.Label1_44);
  page.L += 1.0;
  page.FitTML(0, kRuleLength, page.Y(), b.Txt2V_CUR);
}

}  // namespace

void Body2VAR(ReportPage& page, const Report2VInput& input) {
  const int16_t m = input.Table->RegType2V;
  const Sides s = SidesOf(m);
  Table(page, input, s);
  Results(page, input, s, m);
}

void Imprimir2VAR(platform::PrinterService& printers, const Report2VInput& input) {
  try {
    PrintReport(printers, false, input.LblESTAD2,
                [&](ReportPage& page) { Body2VAR(page, input); });
  } catch (const platform::PrinterError& error) {
    ShowPrintingError(error);
  }
}

void ShowPrintingError(const platform::PrinterError& error) {
  // The number is written as the platform writes a number: a blank before it when it is
  // not negative.
  const int number = error.Number();
  std::string numberText = number < 0 ? "" : " ";
  numberText += std::to_string(number);
  platform::CurrentUi().MsgBox("Printing Error: \nError " + numberText + "\n" + error.what(),
                               platform::Buttons::Ok, platform::Icon::Critical, "");
}

}  // namespace printing
