#include "probability/events_ab.h"

#include <cmath>

#include "numeric/numeric.h"

namespace probability {
namespace {

bool Known(double v) { return v != NoValue; }

// A rule's condition on one value: none, equal to or different from a constant. "Equal"
// implies known; "different" is tested on a known value only.
enum class Test { None, Equal, Differ };
struct Condition {
  Test test = Test::None;
  int box = 0;
  double constant = 0.0;
};
constexpr Condition kAlways{};
constexpr Condition Is(int box, double c) { return {Test::Equal, box, c}; }
constexpr Condition IsNot(int box, double c) { return {Test::Differ, box, c}; }

// How a rule's value comes about: a copy or a constant is stored as it is; a value from
// arithmetic is cleaned of rounding noise first.
enum class Kind { Exact, Arithmetic };

struct Rule {
  int target;
  std::array<int, 3> sources;  // 0 for none
  Condition condition;
  Kind kind;
  double (*value)(const ValuesPAB& p);
};

// The rules in the order a pass applies them. Complements and De Morgan (1-12), addition
// (13-16), conditional probabilities (17-24), differences (25-30), events of probability 0
// (31-40) and 1 (41, 42), and p13 = p1(1 - p7), p14 = p2(1 - p6) (43, 44).
constexpr Rule kRules[] = {
    {8, {1}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return 1 - p[1]; }},
    {1, {8}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return 1 - p[8]; }},
    {2, {9}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return 1 - p[9]; }},
    {9, {2}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return 1 - p[2]; }},
    {10, {3}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return 1 - p[3]; }},
    {3, {10}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return 1 - p[10]; }},
    {11, {4}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return 1 - p[4]; }},
    {4, {11}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return 1 - p[11]; }},
    {12, {10}, kAlways, Kind::Exact, [](const ValuesPAB& p) { return p[10]; }},
    {10, {12}, kAlways, Kind::Exact, [](const ValuesPAB& p) { return p[12]; }},
    {5, {11}, kAlways, Kind::Exact, [](const ValuesPAB& p) { return p[11]; }},
    {11, {5}, kAlways, Kind::Exact, [](const ValuesPAB& p) { return p[5]; }},
    {4, {1, 2, 3}, kAlways, Kind::Arithmetic,
     [](const ValuesPAB& p) { return p[1] + p[2] - p[3]; }},
    {1, {2, 3, 4}, kAlways, Kind::Arithmetic,
     [](const ValuesPAB& p) { return p[4] - p[2] + p[3]; }},
    {2, {1, 3, 4}, kAlways, Kind::Arithmetic,
     [](const ValuesPAB& p) { return p[4] - p[1] + p[3]; }},
    {3, {1, 2, 4}, kAlways, Kind::Arithmetic,
     [](const ValuesPAB& p) { return p[1] + p[2] - p[4]; }},
    {6, {3}, Is(3, 0), Kind::Exact, [](const ValuesPAB&) { return 0.0; }},
    {7, {3}, Is(3, 0), Kind::Exact, [](const ValuesPAB&) { return 0.0; }},
    {6, {2, 3}, IsNot(2, 0), Kind::Arithmetic, [](const ValuesPAB& p) { return p[3] / p[2]; }},
    {7, {1, 3}, IsNot(1, 0), Kind::Arithmetic, [](const ValuesPAB& p) { return p[3] / p[1]; }},
    {3, {2, 6}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return p[6] * p[2]; }},
    {3, {1, 7}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return p[7] * p[1]; }},
    {1, {3, 7}, IsNot(7, 0), Kind::Arithmetic, [](const ValuesPAB& p) { return p[3] / p[7]; }},
    {2, {3, 6}, IsNot(6, 0), Kind::Arithmetic, [](const ValuesPAB& p) { return p[3] / p[6]; }},
    {13, {1, 3}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return p[1] - p[3]; }},
    {14, {2, 3}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return p[2] - p[3]; }},
    {1, {3, 13}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return p[13] + p[3]; }},
    {2, {3, 14}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return p[14] + p[3]; }},
    {3, {1, 13}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return p[1] - p[13]; }},
    {3, {2, 14}, kAlways, Kind::Arithmetic, [](const ValuesPAB& p) { return p[2] - p[14]; }},
    {4, {2}, Is(1, 0), Kind::Exact, [](const ValuesPAB& p) { return p[2]; }},
    {2, {4}, Is(1, 0), Kind::Exact, [](const ValuesPAB& p) { return p[4]; }},
    {3, {}, Is(1, 0), Kind::Exact, [](const ValuesPAB&) { return 0.0; }},
    {6, {}, Is(1, 0), Kind::Exact, [](const ValuesPAB&) { return 0.0; }},
    {13, {}, Is(1, 0), Kind::Exact, [](const ValuesPAB&) { return 0.0; }},
    {4, {1}, Is(2, 0), Kind::Exact, [](const ValuesPAB& p) { return p[1]; }},
    {1, {4}, Is(2, 0), Kind::Exact, [](const ValuesPAB& p) { return p[4]; }},
    {3, {}, Is(2, 0), Kind::Exact, [](const ValuesPAB&) { return 0.0; }},
    {7, {}, Is(2, 0), Kind::Exact, [](const ValuesPAB&) { return 0.0; }},
    {14, {}, Is(2, 0), Kind::Exact, [](const ValuesPAB&) { return 0.0; }},
    {4, {}, Is(1, 1), Kind::Exact, [](const ValuesPAB&) { return 1.0; }},
    {4, {}, Is(2, 1), Kind::Exact, [](const ValuesPAB&) { return 1.0; }},
    {1, {7, 13}, IsNot(7, 1), Kind::Arithmetic,
     [](const ValuesPAB& p) { return p[13] / (1 - p[7]); }},
    {2, {6, 14}, IsNot(6, 1), Kind::Arithmetic,
     [](const ValuesPAB& p) { return p[14] / (1 - p[6]); }},
};
static_assert(std::size(kRules) == 44);

bool Holds(const Condition& c, const ValuesPAB& p) {
  switch (c.test) {
    case Test::None:
      return true;
    case Test::Equal:
      return p[c.box] == c.constant;
    case Test::Differ:
      return Known(p[c.box]) && p[c.box] != c.constant;
  }
  return false;
}

bool AllKnown(const ValuesPAB& p, std::initializer_list<int> boxes) {
  for (int k : boxes) {
    if (!Known(p[k])) return false;
  }
  return true;
}

// Fails when both are known and a exceeds b.
bool Above(const ValuesPAB& p, int a, int b) { return AllKnown(p, {a, b}) && p[a] > p[b]; }

bool ComplementFails(const ValuesPAB& p, int a, int b) {
  return AllKnown(p, {a, b}) && std::abs(p[a] + p[b] - 1) > 1E-8;
}

// An event of probability `event` makes a related value that is known differ from `must`.
bool ForcedFails(const ValuesPAB& p, int box, double event, int related, double must) {
  return p[box] == event && Known(p[related]) && p[related] != must;
}

bool Near(double a, double b) { return std::abs(a - b) <= 1E-8; }

}  // namespace

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

ValuesPAB ReadPAB(const TextsPAB& texts) {
  ValuesPAB p;
  p.fill(NoValue);
  for (int k = 1; k <= kBoxesPAB; ++k) {
    if (!TrimBlanks(texts[k]).empty()) p[k] = LeerNumero(texts[k]);
  }
  return p;
}

bool ConsistentPAB(const ValuesPAB& p) {
  bool fails = false;
  // A value that is not a finite number in [0, 1] fails, NaN included.
  for (int k = 1; k <= kBoxesPAB; ++k) {
    if (Known(p[k]) && !(p[k] >= 0 && p[k] <= 1)) fails = true;
  }
  fails |= ComplementFails(p, 1, 8);
  fails |= ComplementFails(p, 2, 9);
  fails |= ComplementFails(p, 3, 10);
  fails |= ComplementFails(p, 4, 11);
  fails |= AllKnown(p, {5, 11}) && p[11] != p[5];
  fails |= AllKnown(p, {10, 12}) && p[10] != p[12];
  fails |= Above(p, 3, 1) || Above(p, 3, 2) || Above(p, 5, 8) || Above(p, 5, 9);
  fails |= Above(p, 1, 4) || Above(p, 2, 4) || Above(p, 8, 12) || Above(p, 9, 12);
  fails |= Above(p, 13, 1) || Above(p, 14, 2);
  fails |= ForcedFails(p, 1, 0, 3, 0) || ForcedFails(p, 1, 0, 13, 0) || ForcedFails(p, 1, 0, 6, 0);
  fails |= ForcedFails(p, 2, 0, 3, 0) || ForcedFails(p, 2, 0, 14, 0) || ForcedFails(p, 2, 0, 7, 0);
  fails |= ForcedFails(p, 1, 1, 4, 1) || ForcedFails(p, 2, 1, 4, 1);
  return !fails;
}

bool IdentitiesHoldPAB(const ValuesPAB& p) {
  // Multiplied out, the conditional probabilities need no division and also hold when the
  // condition has probability 0.
  if (AllKnown(p, {1, 2, 3, 4}) && !Near(p[4], p[1] + p[2] - p[3])) return false;
  if (AllKnown(p, {2, 3, 6}) && !Near(p[3], p[6] * p[2])) return false;
  if (AllKnown(p, {1, 3, 7}) && !Near(p[3], p[7] * p[1])) return false;
  if (AllKnown(p, {1, 3, 13}) && !Near(p[13], p[1] - p[3])) return false;
  if (AllKnown(p, {2, 3, 14}) && !Near(p[14], p[2] - p[3])) return false;
  return true;
}

double CleanDerived(double x) {
  if (!std::isfinite(x) || std::abs(x) >= 1E3) return x;
  const double decimal = std::round(x * 1E12) / 1E12;
  // Only noise is cleared: a value such as 2/3 keeps its digits beyond the twelfth, so
  // that it stays equal to the value it was derived from.
  if (std::abs(decimal - x) > 1E-13) return x;
  return decimal == 0 ? 0.0 : decimal;
}

double CleanDerived(double x, const ValuesPAB& p) {
  // A value that arithmetic gets only nearly equal to one already known (2/3 + 1/2 - 1/2
  // beside a typed 2/3) takes that value, so that equal events compare equal in the checks.
  int nearest = 0;
  double distance = 1E-12;
  for (int k = 1; k <= kBoxesPAB; ++k) {
    if (Known(p[k]) && std::abs(p[k] - x) <= distance) {
      nearest = k;
      distance = std::abs(p[k] - x);
    }
  }
  if (nearest == 0) return CleanDerived(x);
  return p[nearest] == 0 ? 0.0 : p[nearest];
}

int SolvePAB(ValuesPAB& p) {
  int passes = 0;
  for (bool fired = true; fired;) {
    fired = false;
    for (const Rule& rule : kRules) {
      if (Known(p[rule.target])) continue;
      bool ready = true;
      for (int s : rule.sources) {
        if (s != 0 && !Known(p[s])) ready = false;
      }
      if (!ready || !Holds(rule.condition, p)) continue;
      const double v = rule.value(p);
      p[rule.target] = rule.kind == Kind::Arithmetic ? CleanDerived(v, p) : v;
      fired = true;
    }
    if (fired) ++passes;
  }
  return passes;
}

OutcomePAB CalculatePAB(const TextsPAB& texts) {
  OutcomePAB outcome;
  ValuesPAB p = ReadPAB(texts);
  if (!ConsistentPAB(p)) {
    outcome.invalid = true;
    return outcome;
  }
  SolvePAB(p);
  if (!ConsistentPAB(p) || !IdentitiesHoldPAB(p)) {
    outcome.invalid = true;
    return outcome;
  }
  for (int k = 1; k <= kBoxesPAB; ++k) {
    if (Known(p[k]) && TrimBlanks(texts[k]).empty()) outcome.written[k] = FormatoCifras(p[k], 8);
  }
  return outcome;
}

std::string LabelPicturePAB(int box) { return "ImgPAB_" + std::to_string(box) + ".gif"; }

std::vector<std::string> PicturesPAB() {
  std::vector<std::string> names;
  for (int k = 1; k <= kBoxesPAB; ++k) names.push_back(LabelPicturePAB(k));
  names.push_back("ImgPABGRAF_0.gif");
  names.push_back("ImgPABGRAF_1.gif");
  return names;
}

}  // namespace probability
