// The A and B events panel's arithmetic: fourteen related probabilities of two events A and
// B, completed from whichever of them the user knows. Plain C++, no Qt.
//
// Box k holds:  1 P(A)       2 P(B)        3 P(A∩B)     4 P(A∪B)     5 P(A'∩B')
//               6 P(A/B)     7 P(B/A)      8 P(A')      9 P(B')     10 P((A∩B)')
//              11 P((A∪B)')  12 P(A'∪B')  13 P(A∩B')   14 P(A'∩B)
#pragma once

#include <array>
#include <string>
#include <vector>

namespace probability {

inline constexpr int kBoxesPAB = 14;

// Working values, indexed 1..14 (0 unused); NoValue marks an empty one.
using ValuesPAB = std::array<double, kBoxesPAB + 1>;
// The texts of the boxes, indexed 1..14 (0 unused).
using TextsPAB = std::array<std::string, kBoxesPAB + 1>;

// The value of each box: NoValue for a blank box and for text that cannot be read.
ValuesPAB ReadPAB(const TextsPAB& texts);

// The consistency checks on the values as they stand (empty values are skipped): each
// value within [0, 1], the complements, the two De Morgan pairs, the orderings of the
// events, and the events of probability 0 and 1. True when none fails.
bool ConsistentPAB(const ValuesPAB& p);

// The identities of addition, conditional probability and difference, within 1E-8, for
// every group of values that are all known. True when they hold.
bool IdentitiesHoldPAB(const ValuesPAB& p);

// Fills empty values by passes over the ordered rule list until a pass fires no rule.
// Returns the number of passes that fired a rule.
int SolvePAB(ValuesPAB& p);

// A value computed by a rule, cleared of the noise of binary arithmetic: it is taken to 12
// decimal places when that moves it by no more than 1E-13, and -0 becomes 0.
double CleanDerived(double x);
// The same for the solver: a value within 1E-12 of a known value first takes the nearest
// such value.
double CleanDerived(double x, const ValuesPAB& known);

// Calculate: read, check, solve, check again, and the texts to write. On success
// written[k] holds the 8-digit text for each box that was blank and received a value,
// and is empty for every other box.
struct OutcomePAB {
  bool invalid = false;
  TextsPAB written;
};
OutcomePAB CalculatePAB(const TextsPAB& texts);

// The picture files the panel shows: the fourteen box labels, the Venn diagram and the
// formula sheet.
std::string LabelPicturePAB(int box);
std::vector<std::string> PicturesPAB();

// Trimmed of leading and trailing blanks, as the panels test a box for being empty.
std::string TrimBlanks(const std::string& text);

}  // namespace probability
