// Reading a value the user gives an outcome of the random variable.
#pragma once

#include <optional>
#include <string_view>

#include "text/Exact.h"

namespace kvistra {

// The value typed: an integer, a decimal or a fraction ("-5", "2.5", "2,5", "-1/2"), kept
// exactly. Only digits, "-", ".", "," and "/" are allowed: a minus only in front, a decimal
// point or comma only between digits of the numerator, a denominator of digits only and not 0,
// at most 9 digits before the point and in the denominator. Nothing for anything else (the
// window then says "Skriv et tal, f.eks. -5, 2.5 eller 1/2.").
std::optional<Exact> readVariableValue(std::string_view text);

}  // namespace kvistra
