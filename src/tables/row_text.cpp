// Texts are read and written as bytes: a line ends in CR LF on every system, and the
// markers are compared byte for byte.
#include "tables/row_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "numeric/number_text_internal.h"

namespace tables {

namespace {

constexpr std::string_view kEmptyField = "<N>";
constexpr std::string_view kLineEnd = "\r\n";

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Cuts s at its first occurrence of separator: head gets what precedes it, s what
// follows. False when separator does not occur.
bool CutAt(std::string_view& s, std::string_view separator, std::string_view& head) {
  const size_t at = s.find(separator);
  if (at == std::string_view::npos) return false;
  head = s.substr(0, at);
  s.remove_prefix(at + separator.size());
  return true;
}

// A count must be a number: a header that does not begin with one is not read as 0.
bool BeginsWithNumber(std::string_view s) {
  auto digit = [&](size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  if (i < s.size() && s[i] == '.') ++i;
  return digit(i);
}

// False for a number too large for a double ("1E400"): taking it for an empty cell would
// replace the user's value with nothing, and the next save would write the loss back.
bool FieldValue(std::string_view field, double& value) {
  if (field == kEmptyField) {
    value = NoValue;
    return true;
  }
  return ReadLeadingNumber(field, value);
}

// A line of three fields: field 1 ends at the first blank, field 2 at the next blank after
// the blanks that follow field 1, and field 3 is the rest.
bool SplitFields(std::string_view line, double (&values)[3]) {
  line = TrimBlanks(line);
  std::string_view first, second;
  if (!CutAt(line, " ", first)) return false;
  line = TrimBlanks(line);
  if (!CutAt(line, " ", second)) return false;
  return FieldValue(TrimBlanks(first), values[0]) && FieldValue(TrimBlanks(second), values[1]) &&
         FieldValue(TrimBlanks(line), values[2]);
}

}  // namespace

std::string FieldText(double value) {
  if (IsEmpty(value)) return std::string(kEmptyField);
  if (value == 0.0 || !std::isfinite(value)) return StrNumero(value);
  // Whole numbers (most frequencies and many values) need no exponent or point.
  if (std::fabs(value) < 1E+15 && value == std::trunc(value)) {
    char buf[24];
    buf[0] = ' ';
    const auto end = std::to_chars(buf + (value < 0 ? 0 : 1), buf + sizeof buf,
                                   static_cast<int64_t>(value)).ptr;
    return std::string(buf, end);
  }
  // The shortest digits that read back to this double, as d.ddde[+-]x.
  char buf[64];
  const auto result =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
  const std::string_view sci(buf, static_cast<size_t>(result.ptr - buf));
  const size_t e = sci.find('e');
  std::string digits(1, sci[0]);
  if (e > 1) digits.append(sci.substr(2, e - 2));
  const char* exponentText = sci.data() + e + 1;
  if (*exponentText == '+') ++exponentText;
  int exponent = 0;
  std::from_chars(exponentText, sci.data() + sci.size(), exponent);
  return NumberTextFromDigits(value < 0, std::move(digits), exponent);
}

std::string InputCellText(double value) {
  if (IsEmpty(value)) return "";
  return std::string(TrimBlanks(StrNumero(value)));
}

namespace detail {

void AppendRowLines(std::string& out, const Columns& cols, int32_t lo, int32_t hi) {
  for (int32_t row = lo; row <= hi; ++row) {
    for (const std::vector<double>* c : cols) {
      out += FieldText((*c)[row]);
      out += ' ';
    }
    out += kLineEnd;
  }
}

RowTextStatus ReadRowText(std::string_view text, std::string_view marker, int64_t minCount,
                          std::string_view& header, RowBlock& rows) {
  if (text.substr(0, marker.size()) != marker) return RowTextStatus::WrongMarker;
  std::string_view s = TrimBlanks(text.substr(marker.size()));
  if (!CutAt(s, kLineEnd, header)) return RowTextStatus::Malformed;
  header = TrimBlanks(header);
  s = TrimBlanks(s);

  // The count comes first in the header; it is rounded half to even.
  if (!BeginsWithNumber(header)) return RowTextStatus::Malformed;
  double value = 0.0;
  if (!ReadLeadingNumber(header, value)) {  // too large for a double
    return header.front() == '-' ? RowTextStatus::Malformed : RowTextStatus::TooLarge;
  }
  const double rounded = std::nearbyint(value);
  if (rounded > kMaxRows) return RowTextStatus::TooLarge;
  if (rounded < static_cast<double>(minCount)) return RowTextStatus::Malformed;

  rows.count = static_cast<int32_t>(rounded);
  for (std::vector<double>& c : rows.col) c.resize(static_cast<size_t>(rows.count));
  for (int32_t i = 0; i < rows.count; ++i) {
    std::string_view line;
    double values[3];
    if (!CutAt(s, kLineEnd, line) || !SplitFields(line, values)) return RowTextStatus::Malformed;
    for (int k = 0; k < 3; ++k) rows.col[k][static_cast<size_t>(i)] = values[k];
  }
  return RowTextStatus::Ok;
}

}  // namespace detail
}  // namespace tables
