#include "shell/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

// A decimal number as its significant digits: value = 0.digits x 10^point. No leading or trailing zeros
// in digits; an empty digit string is zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int point = 0;
};

void TrimZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  const auto first = d.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    d.digits.clear();
    return;
  }
  d.digits.erase(0, first);
  d.point -= int(first);
}

// The shortest decimal that reads back as the same double: the value the user typed or the
// calculation meant, without the binary tail.
Decimal ShortestDecimal(double value) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  const std::string_view text(buf, std::size_t(result.ptr - buf));  // e.g. "-4.6725e+01"
  const auto e = text.find('e');
  Decimal d;
  for (char c : text.substr(0, e)) {
    if (c == '-')
      d.negative = true;
    else if (c != '.')
      d.digits += c;
  }
  const char* exponent = text.data() + e + 1;
  if (*exponent == '+') ++exponent;
  int power = 0;
  std::from_chars(exponent, text.data() + text.size(), power);
  d.point = power + 1;
  TrimZeros(d);
  return d;
}

// Keeps the first `keep` significant digits, rounding the rest half away from zero.
void RoundDigits(Decimal& d, int keep) {
  if (keep >= int(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[std::size_t(keep)] >= '5';
  d.digits.resize(std::size_t(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[std::size_t(i)] == '9') d.digits[std::size_t(i--)] = '0';
    if (i >= 0) {
      ++d.digits[std::size_t(i)];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    }
  }
  TrimZeros(d);
}

char DigitAt(const Decimal& d, int index) {
  return index >= 0 && index < int(d.digits.size()) ? d.digits[std::size_t(index)] : '0';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Whether a number too far from 1 for a double is huge rather than tiny: its decimal magnitude is the
// written exponent plus the place of its first significant digit.
bool IsHuge(std::string_view mantissa, std::string_view exponent) {
  long long magnitude = 0;
  const auto dot = std::min(mantissa.find('.'), mantissa.size());
  const auto first = mantissa.find_first_of("123456789");
  if (first != std::string_view::npos)
    magnitude = first < dot ? (long long)(dot - first) : -(long long)(first - dot - 1);
  long long power = 0;
  const bool negative = exponent.find('-') != std::string_view::npos;  // "e-400"
  for (char c : exponent) {
    if (IsDigit(c)) power = std::min(power * 10 + (c - '0'), 1000000LL);
  }
  return magnitude + (negative ? -power : power) > 0;
}

std::string Without(std::string_view text, std::string_view drop) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (drop.find(c) == std::string_view::npos) out += c;
  }
  return out;
}

}  // namespace

std::string FixedText(double value, int decimals) {
  decimals = std::max(decimals, 0);
  if (!std::isfinite(value)) value = 0;
  Decimal d = ShortestDecimal(value);
  RoundDigits(d, 15);  // drop the noise of binary arithmetic: 3.5 x 13.35 is 46.725, not 46.72499...
  RoundDigits(d, int(std::min<long long>(d.point + (long long)decimals, d.digits.size())));
  std::string out;
  if (d.negative && !d.digits.empty()) out += '-';
  if (d.digits.empty() || d.point <= 0) out += '0';
  for (int i = 0; i < d.point && !d.digits.empty(); ++i) out += DigitAt(d, i);
  if (decimals > 0) {
    out += '.';
    for (int i = 0; i < decimals; ++i) out += DigitAt(d, d.point + i);
  }
  return out;
}

double LeadingValue(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  const bool negative = i < n && text[i] == '-';
  if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
  const std::size_t start = i;
  std::size_t digits = 0;
  bool point = false;
  for (; i < n; ++i) {
    if (IsDigit(text[i]))
      ++digits;
    else if (text[i] == '.' && !point)
      point = true;
    else
      break;
  }
  if (digits == 0) return 0;
  const std::size_t mantissaEnd = i;
  std::size_t end = i;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '-' || text[j] == '+')) ++j;
    std::size_t k = j;
    while (k < n && IsDigit(text[k])) ++k;
    if (k > j) end = k;
  }
  double value = 0;
  const auto result =
      std::from_chars(text.data() + start, text.data() + end, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    const bool huge =
        IsHuge(text.substr(start, mantissaEnd - start), text.substr(mantissaEnd, end - mantissaEnd));
    value = huge ? std::numeric_limits<double>::max() : 0.0;
  }
  if (negative) value = -value;
  return value == 0 ? 0.0 : value;
}

std::string AddThousandsSeparators(std::string_view text) {
  std::string out(text);
  const auto dot = out.find('.');
  std::size_t end = dot;  // one past the last digit of the integer part
  if (dot == std::string::npos) {
    const auto last = out.find_last_of("0123456789");
    end = last == std::string::npos ? 0 : last + 1;
  }
  std::size_t begin = end;
  while (begin > 0 && IsDigit(out[begin - 1])) --begin;
  for (std::size_t cut = end; cut >= begin + 4; cut -= 3) out.insert(cut - 3, 1, ',');
  return out;
}

std::string FormatCurrency(std::string_view text) {
  if (text.find_first_not_of(" \t\n\r\v\f") == std::string_view::npos) return {};
  return "$" + AddThousandsSeparators(text);
}

std::string TextNoCommas(std::string_view text) { return Without(text, ","); }

double TextMoney(std::string_view text, int decimals) {
  return RoundD(LeadingValue(Without(text, ",$")), decimals);
}

double TextNumber(std::string_view text, int /*decimals*/) { return LeadingValue(Without(text, ",")); }

double RoundD(double value, int decimals) { return LeadingValue(FixedText(value, decimals)); }

std::string FormatUpTo2Decimals(std::string_view text) {
  const double v = RoundD(LeadingValue(text), 2);
  if (v == std::trunc(v)) return FixedText(v, 0);
  std::string s = FixedText(v, 2);
  return s.back() == '0' ? FixedText(v, 1) : s;
}
