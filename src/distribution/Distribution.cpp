#include "distribution/Distribution.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "distribution/DisplayNumbers.h"

namespace kvistra {

namespace {

constexpr std::size_t LongestRootText = 16;
// Trial division stops here; what is left then has no prime below it, so it is square-free
// or a prime's square when below its cube, and too long to show in a short root otherwise.
constexpr unsigned long LargestTrialDivisor = 100000;

struct RootForm {
  mpz_class outside = 1;   // a in a·√(b)
  mpz_class radicand = 1;  // b, square-free
};

// n = a²·b with b square-free; nothing when that cannot be settled by trial division (then b
// has at least 16 digits, too long for a short text anyway).
std::optional<RootForm> squareFreeForm(mpz_class n) {
  RootForm form;
  for (unsigned long d = 2; d <= LargestTrialDivisor; d += (d == 2 ? 1 : 2)) {
    mpz_class cube = mpz_class(d) * d * d;
    if (cube > n) break;
    int times = 0;
    while (mpz_divisible_ui_p(n.get_mpz_t(), d)) n /= d, ++times;
    for (int i = 0; i + 1 < times; i += 2) form.outside *= d;
    if (times % 2 == 1) form.radicand *= d;
  }
  if (mpz_perfect_square_p(n.get_mpz_t())) {
    form.outside *= sqrt(n);
  } else {
    if (n >= mpz_class(LargestTrialDivisor) * LargestTrialDivisor * LargestTrialDivisor)
      return std::nullopt;
    form.radicand *= n;
  }
  return form;
}

std::string rootText(const Exact& outside, const mpz_class& radicand) {
  if (radicand == 1) return displayText(fractionText(outside));
  const std::string numerator = outside.get_num() == 1 ? "" : outside.get_num().get_str();
  std::string text = numerator + "√(" + radicand.get_str() + ")";
  if (outside.get_den() != 1) text += "/" + outside.get_den().get_str();
  return text;
}

}  // namespace

Distribution::Distribution(const std::vector<DistributionRow>& pairs) {
  std::map<Exact, Exact> merged;
  for (const auto& pair : pairs) merged[pair.value] += pair.probability;
  rows_.reserve(merged.size());
  for (const auto& [value, probability] : merged) {
    rows_.push_back({value, probability});
    total_ += probability;
    mean_ += value * probability;
  }
  for (const auto& row : rows_) {
    const Exact deviation = row.value - mean_;
    variance_ += deviation * deviation * row.probability;
  }
}

double Distribution::standardDeviation() const {
  return std::sqrt(variance_.get_d());
}

std::optional<Distribution> conditionalDistribution(const std::vector<DistributionRow>& pairs) {
  Exact total;
  for (const auto& pair : pairs) total += pair.probability;
  if (sgn(total) == 0) return std::nullopt;
  std::vector<DistributionRow> divided;
  divided.reserve(pairs.size());
  for (const auto& pair : pairs) divided.push_back({pair.value, pair.probability / total});
  return Distribution(divided);
}

std::optional<Exact> rationalRoot(const Exact& value) {
  if (sgn(value) < 0 || !mpz_perfect_square_p(value.get_num().get_mpz_t()) ||
      !mpz_perfect_square_p(value.get_den().get_mpz_t()))
    return std::nullopt;
  return Exact(sqrt(value.get_num()), sqrt(value.get_den()));
}

std::optional<std::string> exactRootText(const Exact& square) {
  if (sgn(square) < 0) return std::nullopt;
  // √(p/q) = √(p·q)/q.
  const mpz_class& q = square.get_den();
  const std::optional<RootForm> form = squareFreeForm(square.get_num() * q);
  if (!form) return std::nullopt;
  Exact outside(form->outside, q);
  outside.canonicalize();
  std::string text = rootText(outside, form->radicand);
  if (displayLength(text) > LongestRootText) return std::nullopt;
  return text;
}

std::string roundedRootText(const Exact& value, int decimals) {
  // k = round(√(v·10^2d)) is the largest k with (2k − 1)² ≤ 4·v·10^2d; the left side is an
  // integer, so the right side may be floored first.
  mpz_class scale;
  mpz_ui_pow_ui(scale.get_mpz_t(), 10, 2 * static_cast<unsigned long>(decimals));
  const Exact scaled = abs(value) * scale * 4;
  const mpz_class floored = scaled.get_num() / scaled.get_den();
  mpz_class odd = sqrt(floored);
  if (mpz_even_p(odd.get_mpz_t())) odd -= 1;
  const mpz_class k = odd < 0 ? mpz_class(0) : mpz_class((odd + 1) / 2);
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(decimals));
  Exact rounded(k, power);
  rounded.canonicalize();
  return fixedPoint(rounded, 0, decimals);
}

}  // namespace kvistra
