// Reading the number typed in the probability dialog: a decimal or a fraction such as 1/6.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tree/TreeState.h"

namespace kvistra {

// The probability field's key filter: a typed "," becomes "."; a key outside NumberChars is
// dropped (nothing).
std::optional<char> probabilityKey(char typed);

struct DecimalReading {
  double value = 0.0;
  bool fault = false;
};

// Blanks, an optional sign, digits with at most one ".", an optional exponent. A character that
// does not fit stops the reading with a fault; the value is then the digits read so far as a
// whole number, point and sign ignored. The empty text reads 0 with a fault.
DecimalReading readDecimal(std::string_view text);

// The value of a typed probability: a fraction when the text holds "/", else a decimal. A
// fraction whose parts do not read, or whose denominator is not above 0, is 0.
double probabilityValue(std::string_view text);

// A typed probability: the text as typed and its value.
struct TypedValue {
  std::string text;
  double value = 0.0;
};

TypedValue readProbabilityText(const std::string& text);

}  // namespace kvistra
