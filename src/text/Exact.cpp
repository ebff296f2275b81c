#include "text/Exact.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kvistra {

namespace {

// No probability is written with an exponent beyond this; larger ones would only cost memory.
constexpr long LargestExponent = 400;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

Exact powerOfTen(long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10,
                static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
  return exponent < 0 ? Exact(mpz_class(1), power) : Exact(power);
}

// [+-] digits [. digits] [(E|e) [+-] digits], with a digit somewhere before the exponent.
std::optional<Exact> readDecimalExactly(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;
  long decimals = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      digits += c;
      if (point) ++decimals;
    } else if ((c == '.' || c == ',') && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits.empty()) return std::nullopt;
  long exponent = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    const std::size_t first = i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
      exponent = exponent * 10 + (text[i] - '0');
      if (exponent > LargestExponent) return std::nullopt;
    }
    if (i == first) return std::nullopt;
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;
  Exact value(mpz_class(digits, 10));
  value *= powerOfTen(exponent - decimals);
  value.canonicalize();
  return negative ? Exact(-value) : value;
}

}  // namespace

std::optional<Exact> readExact(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return readDecimalExactly(text);
  const std::optional<Exact> numerator = readDecimalExactly(text.substr(0, slash));
  const std::optional<Exact> denominator = readDecimalExactly(text.substr(slash + 1));
  if (!numerator || !denominator || sgn(*denominator) <= 0) return std::nullopt;
  return Exact(*numerator / *denominator);
}

Exact fifteenDigitValue(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.14e", value);
  return readDecimalExactly(text).value_or(Exact(0));
}

bool agreesWith(const Exact& value, double stored) {
  if (!std::isfinite(stored)) return false;
  const double mine = value.get_d();
  if (stored == 0.0) return mine == 0.0;
  // Written with 15 significant digits, two values agree when they differ by at most half a unit
  // of the 15th digit. Doubles carry 17, so comparing them as doubles is safe and cheap. A double
  // read back from a file lies that far from the one written, and then some units in the last
  // place more: the written double's rounding, the reading's and get_d's cut. 10/109 typed is
  // such a case.
  const double halfUnit = std::pow(10.0, std::floor(std::log10(std::abs(stored))) - 14) / 2;
  const double lastPlace = std::nextafter(std::abs(stored), HUGE_VAL) - std::abs(stored);
  return std::abs(mine - stored) <= halfUnit + 4 * lastPlace;
}

std::string fixedPoint(const Exact& value, int width, int decimals) {
  // |value| · 10^decimals, rounded half away from zero.
  const Exact scaled = abs(value) * powerOfTen(decimals) + Exact(1, 2);
  const mpz_class rounded = scaled.get_num() / scaled.get_den();
  std::string digits = rounded.get_str();
  if (static_cast<int>(digits.size()) <= decimals)
    digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
  std::string text = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
  if (decimals > 0) text += "." + digits.substr(digits.size() - static_cast<std::size_t>(decimals));
  if (sgn(value) < 0 && sgn(rounded) != 0) text.insert(0, "-");
  if (static_cast<int>(text.size()) < width)
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::string fractionText(const Exact& value) {
  return value.get_den() == 1 ? value.get_num().get_str() : value.get_str();
}

}  // namespace kvistra
