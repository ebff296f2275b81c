#include "probabilities/ProbabilityReading.h"

#include "text/CharSet.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace kvistra {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The whole number formed by the digits of text, in order.
double digitsAsWholeNumber(std::string_view text) {
  double value = 0.0;
  for (char c : text)
    if (isDigit(c)) value = value * 10.0 + (c - '0');
  return value;
}

// The length of the longest start of text that has the form of a decimal number.
std::size_t numberLength(std::string_view text) {
  std::size_t i = 0;
  const auto skipDigits = [&] {
    while (i < text.size() && isDigit(text[i])) ++i;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  skipDigits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    skipDigits();
  }
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    const std::size_t mantissaEnd = i++;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponentDigits = i;
    skipDigits();
    if (i == exponentDigits) return mantissaEnd;  // an exponent without digits does not fit
  }
  return i;
}

// The exponent's value, held within bounds so that a long run of digits cannot overflow it.
long boundedExponent(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  long value = 0;
  for (char c : text)
    if (isDigit(c)) value = std::min(value * 10 + (c - '0'), 100000L);
  return negative ? -value : value;
}

// Whether an unsigned number out of the range of a double is too large rather than too small,
// judged by the place of its first significant digit.
bool tooLarge(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  const long exponent = e == std::string_view::npos ? 0 : boundedExponent(number.substr(e + 1));
  const auto point = static_cast<long>(std::min(mantissa.find('.'), mantissa.size()));
  const auto first = static_cast<long>(mantissa.find_first_of("123456789"));
  return point - first + exponent > 0;
}

// The value of a text of the form numberLength accepts in full.
double numberValue(std::string_view number) {
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  const bool negative = !number.empty() && number.front() == '-';
  if (negative) number.remove_prefix(1);
  const bool mantissaDigits =
      !number.empty() && (isDigit(number.front()) || (number.size() > 1 && isDigit(number[1])));
  if (!mantissaDigits) return 0.0;  // a lone point
  // from_chars wants a digit before the point; it ignores the locale, which Qt sets.
  std::string text(number);
  if (text.front() == '.') text.insert(0, 1, '0');
  double value = 0.0;
  const auto [_, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range)
    value = tooLarge(text) ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -value : value;
}

}  // namespace

std::optional<char> probabilityKey(char typed) {
  const char key = typed == ',' ? '.' : typed;
  if (!NumberChars.contains(key)) return std::nullopt;
  return key;
}

DecimalReading readDecimal(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.empty()) return {0.0, true};
  const std::size_t length = numberLength(text);
  const std::string_view number = text.substr(0, length);
  const bool signOnly = number == "+" || number == "-";
  if (length < text.size() || signOnly) return {digitsAsWholeNumber(number), true};
  return {numberValue(number), false};
}

double probabilityValue(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return readDecimal(text).value;
  const DecimalReading numerator = readDecimal(text.substr(0, slash));
  const DecimalReading denominator = readDecimal(text.substr(slash + 1));
  if (numerator.fault || denominator.fault || !(denominator.value > 0.0)) return 0.0;
  const double value = numerator.value / denominator.value;
  return std::isnan(value) ? 0.0 : value;
}

TypedValue readProbabilityText(const std::string& text) {
  return {text, probabilityValue(text)};
}

}  // namespace kvistra
