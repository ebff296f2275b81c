// Numbers as the distribution texts show them. These texts are UTF-8 display text (they use
// "−", "√", "σ", superscripts), unlike the program's other texts, which are Windows-1252.
#pragma once

#include <string>
#include <string_view>

#include "text/Exact.h"

namespace kvistra {

// How the window writes numbers: as fractions or decimals (the tree's "Brøker" choice), with
// how many decimals (2, 3 or 4), and with a decimal point or a decimal comma.
struct NumberStyle {
  bool fractions = true;
  int decimals = 4;
  bool decimalComma = false;
};

// value as display text: "−1/2" as a fraction; as a decimal the exact decimal when it has at
// most style.decimals places ("2.5"), else rounded to style.decimals places ("0.3333").
std::string displayNumber(const Exact& value, const NumberStyle& style);

// Whether value is written exactly with at most places decimals.
bool hasAtMostPlaces(const Exact& value, int places);

// value rounded to decimals places from its exact value, as display text: "0.2668", "−1,5".
std::string displayDecimal(const Exact& value, int decimals, bool decimalComma);

// value as a decimal display text with at least four significant digits, and at least
// decimals places: for powers too small to show with the chosen decimals ("0.000005905").
std::string displaySignificantDecimal(const Exact& value, int decimals, bool decimalComma);

// value written exactly as a decimal (it has finitely many places), or "" when it has none.
std::string exactDecimalText(const Exact& value, bool decimalComma);

// ASCII number text made display text: "-" becomes "−", and "." becomes "," if asked.
std::string displayText(std::string_view asciiNumber, bool decimalComma = false);

// The exponent in superscript digits: 7 → "⁷", 10 → "¹⁰".
std::string superscript(long exponent);

// Characters (code points) in a UTF-8 text: "√(3)/2" has 6.
std::size_t displayLength(std::string_view text);

}  // namespace kvistra
