#include "tree/Helpers.h"

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

bool clickInRect(const TreeState& state, int left, int top, int right, int bottom) {
  return state.clickX >= left && state.clickX <= right && state.clickY >= top &&
         state.clickY <= bottom;
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

void drawLine(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.moveTo(x1, y1);
  canvas.lineTo(x2, y2);
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

std::string ProbabilityFormat(const TreeState& state, double probability) {
  return fixedPoint(probability, state.decimalCount + 2, state.decimalCount);
}

void RebuildPathNames(TreeState& state) {
  const int deepest = state.branchingCount;
  for (int k = 1; k <= state.levelNodeCount && k <= MaxOutcomes; ++k) {
    auto& row = state.pathNames[k];
    for (auto& cell : row) cell = "";
    if (deepest < 1 || !state.node(deepest, k).exists) continue;
    int slot = k;
    for (int level = deepest; level >= 1; --level) {
      const Gren_Info& branch = state.node(level, slot);
      row[level] = branch.name.view();
      slot = branch.parentIndex;
    }
  }
}

double pathProbability(const TreeState& state, int k) {
  double product = 1.0;
  int slot = k;
  for (int level = state.branchingCount; level >= 1; --level) {
    const Gren_Info& branch = state.node(level, slot);
    product *= branch.probability;
    slot = branch.parentIndex;
  }
  return product;
}

std::string pathProbabilityText(const TreeState& state, int k) {
  return fixedPoint(pathProbability(state, k), 12, 4);
}

}  // namespace kvistra
