#include "distribution/VariableValue.h"

#include <string>

namespace kvistra {

namespace {

// More digits than a school task's value has; the limit keeps typed values readable.
constexpr std::size_t MostWholeDigits = 9;

bool allDigits(std::string_view text) {
  return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// digits [(.|,) digits], at most MostWholeDigits before the point.
std::optional<Exact> readUnsignedDecimal(std::string_view text) {
  const std::size_t point = text.find_first_of(".,");
  const std::string_view whole = text.substr(0, point);
  const std::string_view places =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || whole.size() > MostWholeDigits || !allDigits(whole)) return std::nullopt;
  if (point != std::string_view::npos && (places.empty() || !allDigits(places)))
    return std::nullopt;
  mpz_class denominator;
  mpz_ui_pow_ui(denominator.get_mpz_t(), 10, places.size());
  Exact value(mpz_class(std::string(whole) + std::string(places), 10), denominator);
  value.canonicalize();
  return value;
}

}  // namespace

std::optional<Exact> readVariableValue(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t slash = text.find('/');
  std::optional<Exact> value = readUnsignedDecimal(text.substr(0, slash));
  if (!value) return std::nullopt;
  if (slash != std::string_view::npos) {
    const std::string_view denominator = text.substr(slash + 1);
    if (denominator.empty() || denominator.size() > MostWholeDigits || !allDigits(denominator))
      return std::nullopt;
    const mpz_class divisor(std::string(denominator), 10);
    if (divisor == 0) return std::nullopt;
    *value /= divisor;
  }
  if (negative) *value = -*value;
  return value;
}

}  // namespace kvistra
