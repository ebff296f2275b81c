#include "distribution/DisplayNumbers.h"

#include <algorithm>
#include <array>

namespace kvistra {

namespace {

constexpr std::string_view DisplayMinus = "−";
// ⁰ … ⁹ in UTF-8.
constexpr std::array<std::string_view, 10> SuperscriptDigits = {"⁰", "¹", "²", "³", "⁴",
                                                                "⁵", "⁶", "⁷", "⁸", "⁹"};
constexpr int MostSignificantDigitsSearched = 60;

// The fewest places that write value exactly, or -1 when its denominator has a prime other
// than 2 and 5.
int exactPlaces(const Exact& value) {
  mpz_class rest = value.get_den();
  int twos = 0;
  int fives = 0;
  while (mpz_divisible_ui_p(rest.get_mpz_t(), 2)) rest /= 2, ++twos;
  while (mpz_divisible_ui_p(rest.get_mpz_t(), 5)) rest /= 5, ++fives;
  if (rest != 1) return -1;
  return std::max(twos, fives);
}

int significantDigits(const std::string& fixed) {
  const std::size_t first = fixed.find_first_of("123456789");
  if (first == std::string::npos) return 0;
  int count = 0;
  for (std::size_t i = first; i < fixed.size(); ++i)
    if (fixed[i] >= '0' && fixed[i] <= '9') ++count;
  return count;
}

}  // namespace

bool hasAtMostPlaces(const Exact& value, int places) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(places));
  return mpz_divisible_p(power.get_mpz_t(), value.get_den().get_mpz_t()) != 0;
}

std::string displayText(std::string_view asciiNumber, bool decimalComma) {
  std::string text;
  for (const char c : asciiNumber) {
    if (c == '-')
      text += DisplayMinus;
    else if (c == '.' && decimalComma)
      text += ',';
    else
      text += c;
  }
  return text;
}

std::string displayDecimal(const Exact& value, int decimals, bool decimalComma) {
  return displayText(fixedPoint(value, 0, decimals), decimalComma);
}

std::string exactDecimalText(const Exact& value, bool decimalComma) {
  const int places = exactPlaces(value);
  if (places < 0) return "";
  return displayDecimal(value, places, decimalComma);
}

std::string displayNumber(const Exact& value, const NumberStyle& style) {
  if (style.fractions) return displayText(fractionText(value));
  if (hasAtMostPlaces(value, style.decimals)) return exactDecimalText(value, style.decimalComma);
  return displayDecimal(value, style.decimals, style.decimalComma);
}

std::string displaySignificantDecimal(const Exact& value, int decimals, bool decimalComma) {
  int places = decimals;
  std::string fixed = fixedPoint(value, 0, places);
  while (sgn(value) != 0 && significantDigits(fixed) < 4 && places < MostSignificantDigitsSearched)
    fixed = fixedPoint(value, 0, ++places);
  return displayText(fixed, decimalComma);
}

std::string superscript(long exponent) {
  std::string text;
  if (exponent < 0) text += "⁻";
  for (const char digit : std::to_string(exponent < 0 ? -exponent : exponent))
    text += SuperscriptDigits[static_cast<std::size_t>(digit - '0')];
  return text;
}

std::size_t displayLength(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

}  // namespace kvistra
