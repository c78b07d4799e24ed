#include "probability/distribution_panel_core.h"

#include <cmath>
#include <exception>
#include <functional>
#include <initializer_list>
#include <limits>

#include "numeric/numeric.h"
#include "platform/ui.h"

namespace probability {

const std::array<const char*, shared::kDistributionCount> kOptDICaption = {
    "Normal", "t-Student", "Chi-Square", "F-Snedecor", "Binomial", "Poisson", "Gamma", "Beta"};
const std::array<const char*, shared::kDistributionCount> kOptDITag = {"N", "T", "X", "F",
                                                                       "B", "P", "G", "E"};

namespace {

constexpr std::array<const char*, 4> kSideCaption = {"Left", "Right", "Interval",
                                                     "Centered interval"};
constexpr std::array<const char*, 4> kSideTag = {"L", "R", "I", "C"};
constexpr double kLongMax = 2147483647.0;
// 2^53: beyond it doubles no longer tell neighbouring counts apart, so n - k and the
// binomial's terms lose the count they stand for.
constexpr double kTrialsMax = 9007199254740992.0;

bool Given(double value) { return value != BlankDI; }

// A whole number: its integer part is itself.
bool Whole(double value) { return std::floor(value) == value; }

// Degrees of freedom and counts go to the routines as 32-bit integers.
bool WholeLong(double value) { return value > 0 && Whole(value) && value <= kLongMax; }

int32_t ToLong(double value) { return static_cast<int32_t>(std::nearbyint(value)); }

bool Finite(std::initializer_list<double> values) {
  for (double value : values) {
    if (!std::isfinite(value)) return false;
  }
  return true;
}

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool Blank(const std::string& text) { return TrimBlanks(text).empty(); }

// Refuses the request: ErrorFlag tells Calculate to say "Invalid data".
void Reject() { ErrorFlag = 1; }

// A failure inside a routine, or a value that is no finite number, refuses the request
// before anything is written.
// A point the library can only give as its infinite mark, 1E+300, lies beyond what a box
// holds: written there, it would read back as a blank box. So does a point just below the
// mark that its six digits round up to it.
constexpr double kLargestShown = 9.999995E+299;

bool Failed(std::initializer_list<double> values) {
  bool reachable = true;
  for (double value : values) reachable = reachable && std::fabs(value) < kLargestShown;
  if (ErrorFlag != 0 || !Finite(values) || !reachable) {
    Reject();
    return true;
  }
  return false;
}

std::string SymbolPicture(const char* array, int index) {
  return std::string(array) + "_" + std::to_string(index) + ".gif";
}

int CountGiven(std::initializer_list<double> values) {
  int given = 0;
  for (double value : values) given += Given(value) ? 1 : 0;
  return given;
}

}  // namespace

bool IsDiscrete(int16_t tipo) {
  return tipo == kDistributionBinomial || tipo == kDistributionPoisson;
}

std::string SideCaption(int16_t tipo, int16_t side) {
  if (side == kSideCentred && IsDiscrete(tipo)) return "Point";
  return kSideCaption.at(side);
}

std::string SideTag(int16_t tipo, int16_t side) {
  if (side == kSideCentred && IsDiscrete(tipo)) return "P";
  return kSideTag.at(side);
}

bool SecondPointShown(int16_t tipo, int16_t side) {
  return side == kSideInterval || (side == kSideCentred && !IsDiscrete(tipo));
}

const char* BoxName(BoxDI box) {
  static constexpr std::array<const char*, kBoxCount> kNames = {"TxtPAR1", "TxtPAR2", "txt_PROB",
                                                                "TxtPP1", "TxtPP2"};
  return kNames[static_cast<int>(box)];
}

// --- Boxes ----------------------------------------------------------------------------

void DistributionPanel::SetText(BoxDI box, const std::string& text) {
  std::string& current = texts_[static_cast<int>(box)];
  if (current == text) return;
  current = text;
  Change(box);
}

bool DistributionPanel::Shown(BoxDI box) const {
  if (box == BoxDI::TxtPAR2) return view_.secondParameterShown;
  if (box == BoxDI::TxtPP2) return view_.secondPointShown;
  return true;
}

void DistributionPanel::Change(BoxDI box) {
  switch (box) {
    case BoxDI::TxtPAR1:
    case BoxDI::TxtPAR2:
      TxtPAR_Change();
      break;
    case BoxDI::txt_PROB:
      txt_PROB_Change();
      break;
    case BoxDI::TxtPP1:
      TxtPP1_Change();
      break;
    case BoxDI::TxtPP2:
      TxtPP2_Change();
      break;
  }
}

bool DistributionPanel::txt_PROB_Change() {
  if (frame_.Updating) return false;
  frame_.Updating = true;
  if (fields_.SideDI != kSideInterval) {
    SetText(BoxDI::TxtPP1, "");
    SetText(BoxDI::TxtPP2, "");
  }
  const bool rewritten = Text(BoxDI::txt_PROB) == ".";
  if (rewritten) SetText(BoxDI::txt_PROB, "0.");
  frame_.Updating = false;
  return rewritten;
}

void DistributionPanel::TxtPP1_Change() {
  if (frame_.Updating) return;
  frame_.Updating = true;
  if (fields_.SideDI != kSideInterval) {
    SetText(BoxDI::TxtPP2, "");
    SetText(BoxDI::txt_PROB, "");
  } else if (IsDiscrete(fields_.TipoDI)) {
    SetText(BoxDI::txt_PROB, "");
  }
  frame_.Updating = false;
}

void DistributionPanel::TxtPP2_Change() {
  if (frame_.Updating) return;
  frame_.Updating = true;
  if (fields_.SideDI != kSideInterval) {
    SetText(BoxDI::TxtPP1, "");
    SetText(BoxDI::txt_PROB, "");
  } else if (IsDiscrete(fields_.TipoDI)) {
    SetText(BoxDI::txt_PROB, "");
  }
  frame_.Updating = false;
}

// --- Choice of distribution and mode ----------------------------------------------------

void DistributionPanel::OptDI_Click(int16_t index) {
  if (index < 0 || index >= shared::kDistributionCount) return;
  title_ = std::string("Probability distribution: ") + kOptDICaption[index];
  fields_.TipoDI = index;
  chosen_ = true;
  CargarImagenes_DI();
}

void DistributionPanel::OptSIDE_DI_Click(int16_t index) {
  if (index < 0 || index > kSideCentred) return;
  selectedSide_ = index;
  CargarImagenes_DI();
  Cmd_DIBorrar_Click();
}

void DistributionPanel::CargarImagenes_DI() {
  const int16_t tipo = fields_.TipoDI;
  fields_.TagPanel = kOptDITag[tipo];
  fields_.SideDI = selectedSide_;
  const std::string sideTag = SideTag(tipo, selectedSide_);
  view_.graphPicture = "DI_" + fields_.TagPanel + sideTag + ".GIF";
  view_.formulaPicture = "DI_F" + fields_.TagPanel + sideTag + ".GIF";

  const bool twoPoints = SecondPointShown(tipo, selectedSide_);
  const int first = twoPoints ? 3 : 0;
  const int base = frame_.PicProbBaseDI[tipo];
  view_.par1Symbol = SymbolPicture("ImgNMVP", frame_.PicPar1IdxDI[tipo]);
  const int16_t par2 = frame_.PicPar2IdxDI[tipo];
  view_.par2Symbol = par2 == -1 ? "" : SymbolPicture("ImgNMVP", par2);
  view_.point1Symbol = SymbolPicture("ImgPP", base + first);
  view_.point2Symbol = twoPoints ? SymbolPicture("ImgPP", base + 4) : "";
  view_.secondPointShown = twoPoints;
  view_.label30 = twoPoints ? "Percentage point 1" : "Percentage point";
  view_.label31 = "Percentage point 2";

  view_.label36 = frame_.LabelPar1DI[tipo];
  view_.label37 = frame_.LabelPar2DI[tipo];
  view_.secondParameterShown = !view_.label37.empty();

  if (tipo == kDistributionNormal) {
    if (Blank(Text(BoxDI::TxtPAR1))) SetText(BoxDI::TxtPAR1, "0");
    if (Blank(Text(BoxDI::TxtPAR2))) SetText(BoxDI::TxtPAR2, "1");
  }
  view_.probabilityReadOnly = IsDiscrete(tipo);
}

std::vector<std::string> DistributionPictureNames(const shared::ProgramState& frame) {
  std::vector<std::string> names;
  for (int16_t tipo = 0; tipo < kDistributionsShown; ++tipo) {
    const std::string tag = kOptDITag[tipo];
    for (int16_t side = 0; side <= kSideCentred; ++side) {
      names.push_back("DI_" + tag + SideTag(tipo, side) + ".GIF");
      names.push_back("DI_F" + tag + SideTag(tipo, side) + ".GIF");
    }
    names.push_back(SymbolPicture("ImgNMVP", frame.PicPar1IdxDI[tipo]));
    if (frame.PicPar2IdxDI[tipo] != -1) {
      names.push_back(SymbolPicture("ImgNMVP", frame.PicPar2IdxDI[tipo]));
    }
    for (int offset : {0, 3, 4}) {
      names.push_back(SymbolPicture("ImgPP", frame.PicProbBaseDI[tipo] + offset));
    }
  }
  std::vector<std::string> unique;
  for (const std::string& name : names) {
    bool seen = false;
    for (const std::string& kept : unique) seen = seen || kept == name;
    if (!seen) unique.push_back(name);
  }
  return unique;
}

// --- Commands ---------------------------------------------------------------------------

void DistributionPanel::Leerdatos_DI() {
  ErrorFlag = 0;
  // A text that cannot be evaluated (a zero denominator, an overflow) is as unusable as an
  // empty parameter.
  auto read = [this](BoxDI box, double& field) {
    const double value = LeerNumero(Text(box));
    if (value == NoValue) return false;
    field = value;
    return true;
  };
  auto fail = [] { ErrorFlag = 1; };

  if (Blank(Text(BoxDI::TxtPAR1)) || !read(BoxDI::TxtPAR1, fields_.Par1DI)) return fail();
  if (Shown(BoxDI::TxtPAR2)) {
    if (Blank(Text(BoxDI::TxtPAR2)) || !read(BoxDI::TxtPAR2, fields_.Par2DI)) return fail();
  }
  if (Blank(Text(BoxDI::txt_PROB))) {
    fields_.ProbDI = BlankDI;
  } else {
    if (!read(BoxDI::txt_PROB, fields_.ProbDI)) return fail();
    if (fields_.ProbDI <= 0 || fields_.ProbDI >= 1) return fail();
  }
  if (Blank(Text(BoxDI::TxtPP1))) {
    fields_.X1DI = BlankDI;
  } else if (!read(BoxDI::TxtPP1, fields_.X1DI)) {
    return fail();
  }
  if (!Shown(BoxDI::TxtPP2)) return;
  if (Blank(Text(BoxDI::TxtPP2))) {
    fields_.X2DI = BlankDI;
  } else if (!read(BoxDI::TxtPP2, fields_.X2DI)) {
    return fail();
  }
}

void DistributionPanel::Cmd_DICalcular_Click() {
  ErrorFlag = 0;
  Leerdatos_DI();
  if (ErrorFlag == 1) {
    platform::CurrentUi().MsgBox("No data or invalid data", platform::Buttons::Ok,
                                 platform::Icon::Exclamation, "Error");
    return;
  }
  frame_.Updating = true;
  bool failed = false;
  try {
    switch (fields_.TipoDI) {
      case kDistributionNormal: DI_NOR(); break;
      case kDistributionT: DI_TST(); break;
      case kDistributionChi2: DI_JI2(); break;
      case kDistributionF: DI_FSN(); break;
      case kDistributionBinomial: DI_BIN(); break;
      case kDistributionPoisson: DI_POI(); break;
      default: break;
    }
  } catch (const std::exception&) {
    failed = true;
  }
  frame_.Updating = false;
  if (ErrorFlag == 1 || failed) {
    platform::CurrentUi().MsgBox("Invalid data", platform::Buttons::Ok, platform::Icon::None, "");
  }
}

void DistributionPanel::Cmd_DIBorrar_Click() {
  SetText(BoxDI::TxtPP1, "");
  SetText(BoxDI::TxtPP2, "");
  SetText(BoxDI::txt_PROB, "");
}

void DistributionPanel::Cmd_DIBorrar_CONFIG_Click() {
  SetText(BoxDI::TxtPAR1, "");
  SetText(BoxDI::TxtPAR2, "");
  if (fields_.TipoDI == kDistributionNormal) {
    SetText(BoxDI::TxtPAR1, "0");
    SetText(BoxDI::TxtPAR2, "1");
  }
}

void DistributionPanel::Write(BoxDI box, double value) { SetText(box, FormatoCifras(value, 6)); }

// A probability is shown in [0, 1], whatever rounding took it past an end, and one too small
// for a normal double (whose digits are partly lost) as 0.
void DistributionPanel::WriteProbability(double p) {
  if (!(p >= std::numeric_limits<double>::min())) p = 0;
  Write(BoxDI::txt_PROB, std::fmin(p, 1.0));
}

// --- Calculators ------------------------------------------------------------------------
//
// Each request is told apart by its mode and by which of x1, x2 and P are given. Every
// refusal comes before the first write, so a refused request leaves the boxes as they were.

void DistributionPanel::DI_NOR() {
  ErrorFlag = 0;
  const double mu = fields_.Par1DI;
  const double sigma = fields_.Par2DI;
  if (!(sigma > 0)) return Reject();
  Continuous normal;
  // A distance in standard deviations. One beyond the doubles (a standard deviation of
  // 5E-324) is an infinite point, whose tails are 0 and 1 and whose central part is 1.
  const auto standard = [sigma](double distance) {
    const double z = distance / sigma;
    if (std::isnan(z)) Reject();
    return z;
  };
  normal.Q = [mu, standard](double x) { return NormalCola(standard(x - mu)); };
  normal.L = [mu, standard](double x) { return NormalCola(-standard(x - mu)); };
  // The point over an upper tail comes from that tail, not from 1 minus it, which would
  // lose a small tail entirely.
  normal.Qinv = [mu, sigma](double p) { return mu - sigma * NormalInversa(p); };
  normal.Linv = [mu, sigma](double p) { return mu + sigma * NormalInversa(p); };
  normal.C = [standard](double h) {
    const double z = standard(h);
    return std::isinf(z) ? 1.0 : NormalCentral(z);
  };
  normal.Cinv = [sigma](double p) { return sigma * NormalCentralInversa(p); };
  normal.R = [mu, sigma](double x1, double x2) { return NormalIntervalo(mu, sigma, x1, x2); };
  normal.W = [mu, sigma](double x, double p, bool up) {
    return NormalIntervaloAncho(mu, sigma, x, p, up);
  };
  normal.symmetric = true;
  normal.centre = mu;
  ContinuousCalculator(normal);
}

void DistributionPanel::DI_TST() {
  ErrorFlag = 0;
  if (!WholeLong(fields_.Par1DI)) return Reject();
  const int32_t k = ToLong(fields_.Par1DI);
  Continuous t;
  t.Q = [k](double x) { return TStudentCola(k, x); };
  t.Qinv = [k](double p) { return TStudentInversa(k, p); };
  t.C = [k](double h) { return TStudentCentral(k, h); };
  t.Cinv = [k](double p) { return TStudentCentralInversa(k, p); };
  t.R = [k](double x1, double x2) { return TStudentIntervalo(k, x1, x2); };
  t.W = [k](double x, double p, bool up) { return TStudentIntervaloAncho(k, x, p, up); };
  t.symmetric = true;
  ContinuousCalculator(t);
}

void DistributionPanel::DI_JI2() {
  ErrorFlag = 0;
  if (!WholeLong(fields_.Par1DI)) return Reject();
  const double k = fields_.Par1DI;
  Continuous chi2;
  chi2.Q = [k](double x) { return Ji2Cola(k, x); };
  chi2.Qinv = [k](double p) { return Ji2Inversa(k, p); };
  chi2.L = [k](double x) { return Ji2Acum(k, x); };
  chi2.Linv = [k](double p) { return Ji2AcumInversa(k, p); };
  chi2.R = [k](double x1, double x2) { return Ji2Intervalo(k, x1, x2); };
  chi2.W = [k](double x, double p, bool up) { return Ji2IntervaloAncho(k, x, p, up); };
  chi2.O = [k](double x) { return Ji2Opuesto(k, x); };
  ContinuousCalculator(chi2);
}

void DistributionPanel::DI_FSN() {
  ErrorFlag = 0;
  if (!WholeLong(fields_.Par1DI)) return Reject();
  if (!WholeLong(fields_.Par2DI)) return Reject();
  const int32_t k1 = ToLong(fields_.Par1DI);
  const int32_t k2 = ToLong(fields_.Par2DI);
  Continuous f;
  f.Q = [k1, k2](double x) { return FSnedecorCola(k1, k2, x); };
  f.Qinv = [k1, k2](double p) { return FSnedecorInversa(k1, k2, p); };
  f.L = [k1, k2](double x) { return FSnedecorAcum(k1, k2, x); };
  f.Linv = [k1, k2](double p) { return FSnedecorAcumInversa(k1, k2, p); };
  f.R = [k1, k2](double x1, double x2) { return FSnedecorIntervalo(k1, k2, x1, x2); };
  f.W = [k1, k2](double x, double p, bool up) { return FSnedecorIntervaloAncho(k1, k2, x, p, up); };
  f.O = [k1, k2](double x) { return FSnedecorOpuesto(k1, k2, x); };
  ContinuousCalculator(f);
}

// The four continuous distributions, each known by its upper tail Q, its lower tail L and
// the points over a given upper (Qinv) or lower (Linv) tail. The normal and the t are
// symmetric about their centre, so a point is mirrored there; chi-square and F live on
// [0, +oo) and their centred intervals leave (1 - P)/2 in each tail. Every probability and
// point is taken from the tail it is small in: 1 - Q, or Qinv(1 - P), would lose a small
// lower tail entirely.
void DistributionPanel::ContinuousCalculator(const Continuous& given) {
  Continuous d = given;
  const double c = d.centre;
  auto mirror = [c](double x) { return c - (x - c); };
  if (!d.L) d.L = [Q = d.Q, mirror](double x) { return Q(mirror(x)); };
  if (!d.Linv) d.Linv = [Qinv = d.Qinv, mirror](double p) { return mirror(Qinv(p)); };
  const double x1 = fields_.X1DI;
  const double x2 = fields_.X2DI;
  const double P = fields_.ProbDI;
  const bool g1 = Given(x1);
  const bool gp = Given(P);
  if (!d.symmetric) {
    // A hidden second point is no input: what it last held does not matter.
    const bool secondShown = SecondPointShown(kDistributionChi2, fields_.SideDI);
    if (g1 && x1 < 0) return Reject();
    if (secondShown && Given(x2) && x2 < 0) return Reject();
  }

  switch (fields_.SideDI) {
    case kSideLeft:
    case kSideRight: {
      if (g1 == gp) return Reject();
      const bool left = fields_.SideDI == kSideLeft;
      if (g1) {
        const double p = left ? d.L(x1) : d.Q(x1);
        if (Failed({p})) return;
        WriteProbability(p);
      } else {
        const double x = left ? d.Linv(P) : d.Qinv(P);
        if (Failed({x})) return;
        Write(BoxDI::TxtPP1, x);
      }
      return;
    }
    case kSideInterval: {
      if (CountGiven({x1, x2, P}) != 2) return Reject();
      // The region, and the width from the given end, each kept to its digits however
      // short the interval: the difference of two tails, or the end over the tail left
      // beyond it, would keep none of them.
      if (!gp) {
        if (!(x1 < x2)) return Reject();
        const double p = d.R(x1, x2);
        if (Failed({p})) return;
        WriteProbability(p);
      } else if (!Given(x2)) {
        const double q = d.Q(x1) - P;
        if (!(q > 0)) return Reject();
        const double end = x1 + d.W(x1, P, true);
        if (Failed({q, end})) return;
        Write(BoxDI::TxtPP2, end);
      } else {
        const double lower = d.L(x2) - P;  // the tail left below the start
        if (!(lower > 0)) return Reject();
        const double start = x2 - d.W(x2, P, false);
        if (Failed({lower, start})) return;
        Write(BoxDI::TxtPP1, start);
      }
      return;
    }
    case kSideCentred: {
      if (CountGiven({x1, x2, P}) != 1) return Reject();
      if (gp) {
        double start, end;
        if (d.symmetric) {
          // The half-width from the central part itself: (1 - P)/2 would lose a small P.
          const double half = d.Cinv(P);
          start = c - half;
          end = c + half;
        } else {
          const double tail = (1 - P) / 2;
          end = d.Qinv(tail);
          start = d.Linv(tail);
          // A tiny P leaves two points a hair apart about the median, which the inverses'
          // last digits can cross: they then meet halfway, as the exact points nearly do.
          if (start > end) start = end = start / 2 + end / 2;
        }
        if (Failed({start, end})) return;
        Write(BoxDI::TxtPP1, start);
        Write(BoxDI::TxtPP2, end);
      } else if (g1) {
        // Only a point below the centre (the median) starts a centred interval. A
        // symmetric distribution gives the central part itself: 1 - 2 L(x1) keeps no
        // digit of a small one.
        if (d.symmetric && !(x1 < c)) return Reject();
        const double tail = d.symmetric ? 0 : d.L(x1);
        const double p = d.symmetric ? d.C(c - x1) : 1 - 2 * tail;
        // A tail too small for P to show (even one below the doubles) still has its other
        // end, which P = 1 would not give; only x1 = 0 of chi-square and F starts no
        // interval.
        if (ErrorFlag != 0 || !(p > 0 && (d.symmetric || x1 > 0))) return Reject();
        const double end = d.symmetric ? mirror(x1) : d.O(x1);
        if (Failed({p, end})) return;
        Write(BoxDI::TxtPP2, end);
        WriteProbability(p);
      } else {
        if (d.symmetric && !(x2 > c)) return Reject();
        const double tail = d.symmetric ? 0 : d.Q(x2);
        const double p = d.symmetric ? d.C(x2 - c) : 1 - 2 * tail;
        if (ErrorFlag != 0 || !(p > 0)) return Reject();
        const double start = d.symmetric ? mirror(x2) : d.O(x2);
        if (Failed({p, start})) return;
        Write(BoxDI::TxtPP1, start);
        WriteProbability(p);
      }
      return;
    }
    default:
      return Reject();
  }
}

void DistributionPanel::DI_BIN() { DiscreteCalculator(true); }
void DistributionPanel::DI_POI() { DiscreteCalculator(false); }

// Binomial and Poisson: probabilities of whole counts from the cumulative F(k) = P(X <= k).
// They never compute a point, so a given probability is refused.
void DistributionPanel::DiscreteCalculator(bool binomial) {
  ErrorFlag = 0;
  const double a = fields_.Par1DI;
  const double b = fields_.Par2DI;
  if (binomial) {
    if (!(a > 0 && Whole(a) && a <= kTrialsMax)) return Reject();
    if (!(b > 0 && b < 1)) return Reject();
  } else if (!(a > 0 && std::isfinite(a))) {
    return Reject();
  }
  const double x1 = fields_.X1DI;
  const double x2 = fields_.X2DI;
  const double P = fields_.ProbDI;
  // A count is a whole number that a 32-bit integer holds.
  auto count = [](double x) { return x >= 0 && Whole(x) && x <= kLongMax; };
  const bool secondShown = SecondPointShown(binomial ? kDistributionBinomial : kDistributionPoisson,
                                            fields_.SideDI);
  if (Given(x1) && !count(x1)) return Reject();
  if (secondShown && Given(x2) && !count(x2)) return Reject();

  // Each region from the side that keeps its digits: Right from the upper tail itself,
  // Interval and Point from the library's region, never as 1 - F or F - F.
  auto F = [binomial, a, b](double k) {
    return binomial ? BinomialAcum(k, a, b) : PoissonAcum(ToLong(k), a);
  };
  auto upper = [binomial, a, b](double k) {
    return binomial ? BinomialCola(k, a, b) : PoissonCola(ToLong(k), a);
  };
  auto region = [binomial, a, b](double k1, double k2) {
    return binomial ? BinomialIntervalo(k1, k2, a, b) : PoissonIntervalo(ToLong(k1), ToLong(k2), a);
  };
  if (!Given(x1) || Given(P)) return Reject();
  double p = 0;
  switch (fields_.SideDI) {
    case kSideLeft:
      p = F(x1);
      break;
    case kSideRight:
      p = upper(x1 - 1);
      break;
    case kSideInterval:
      if (!Given(x2)) return Reject();
      if (!(x1 < x2)) return Reject();
      p = region(x1, x2);
      break;
    case kSideCentred:
      p = region(x1, x1);
      break;
    default:
      return Reject();
  }
  if (Failed({p})) return;
  WriteProbability(p);
}

}  // namespace probability
