#include "text/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kvistra {

int largerOf(int a, int b) {
  return std::max(a, b);
}

std::string namePadding(std::string_view name) {
  constexpr std::size_t columnWidth = 5;
  return std::string(name.size() < columnWidth ? columnWidth - name.size() : 0, ' ');
}

void removeSpaces(std::string& text) {
  std::erase(text, ' ');
}

char upcaseDanish(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  switch (code) {
    case 229:
      return static_cast<char>(197);  // å
    case 230:
      return static_cast<char>(198);  // æ
    case 248:
      return static_cast<char>(216);  // ø
    default:
      return c;
  }
}

namespace {

// Adds one to the last digit of a run of decimal digits, carrying to the left.
void incrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string fixedPoint(double value, int width, int decimals) {
  if (!std::isfinite(value)) {
    char text[32];
    std::snprintf(text, sizeof text, "%*f", width, value);
    return text;
  }
  // "d.ddddddddddddddddddde±xx": the 19 significant digits and the exponent.
  char scientific[40];
  std::snprintf(scientific, sizeof scientific, "%.18e", std::fabs(value));
  std::string digits;
  digits += scientific[0];
  digits.append(scientific + 2, 18);
  int pointAt = std::atoi(scientific + 21) + 1;  // digits before the decimal point

  if (pointAt <= 0) {
    digits.insert(0, static_cast<std::size_t>(1 - pointAt), '0');
    pointAt = 1;
  }
  const std::size_t kept = static_cast<std::size_t>(pointAt + decimals);
  if (digits.size() < kept + 1) digits.resize(kept + 1, '0');
  const bool roundUp = digits[kept] >= '5';
  digits.resize(kept);
  if (roundUp) {
    const std::size_t before = digits.size();
    incrementDigits(digits);
    pointAt += static_cast<int>(digits.size() - before);
  }

  std::string integerPart = digits.substr(0, static_cast<std::size_t>(pointAt));
  integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size() - 1));
  std::string text = integerPart;
  if (decimals > 0) text += "." + digits.substr(static_cast<std::size_t>(pointAt));
  const bool allZero = digits.find_first_not_of('0') == std::string::npos;
  if (value < 0 && !allZero) text.insert(0, "-");
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string shownNumber(std::string text, bool comma) {
  if (comma) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string cutWithDots(const std::string& text, std::size_t limit, std::size_t keep) {
  return text.size() > limit ? text.substr(0, keep) + ".." : text;
}

}  // namespace kvistra
