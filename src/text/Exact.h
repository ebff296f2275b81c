// Exact probabilities: rationals read from what was typed, rounded only where they are shown.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

namespace kvistra {

using Exact = mpq_class;

// The exact value of a decimal ("0.25", "0,25", "-3", "1.5E-1") or of a fraction of two
// decimals ("3/5", "1.5/3"); nothing for any other text, for a fraction over 0, and for an
// exponent so large that no probability could be meant.
std::optional<Exact> readExact(std::string_view text);

// The double as a tree file writes it: its decimal with 15 significant digits.
Exact fifteenDigitValue(double value);

// Whether value, written with 15 significant digits, is the double as a tree file writes it.
bool agreesWith(const Exact& value, double stored);

// Fixed-point text of value, rounded half away from zero to decimals places and right-aligned
// in width (never cut): the same form as the fixed-point text of a double.
std::string fixedPoint(const Exact& value, int width, int decimals);

// The value as a reduced fraction: "3/10", "1", "0", "-1/2".
std::string fractionText(const Exact& value);

}  // namespace kvistra
