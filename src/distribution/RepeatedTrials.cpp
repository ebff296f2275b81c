#include "distribution/RepeatedTrials.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace kvistra {

namespace {

constexpr std::size_t LongestExactText = 20;
// A decimal as typed reads well up to this many characters ("0.12345678"); longer p are
// written as fractions in brackets.
constexpr std::size_t LongestTypedDecimal = 10;
const Exact SmallestCharted(1, 20000);  // 0.00005
// Typed denominators have small primes; the last one left above this is tested for primality.
constexpr unsigned long LargestTrialDivisor = 1000;

mpz_class binomialCoefficient(unsigned long n, unsigned long k) {
  mpz_class coefficient;
  mpz_bin_uiui(coefficient.get_mpz_t(), n, k);
  return coefficient;
}

// Reduces fractions over one fixed denominator. A fraction's numerator can share with the
// denominator only the denominator's primes; when those are known, removing them is far
// cheaper than the general gcd (it keeps the table of n = 1 000 within milliseconds).
class FractionReducer {
 public:
  struct PrimePower {
    mpz_class prime;
    unsigned long exponent;
  };

  FractionReducer(mpz_class denominator, std::optional<std::vector<PrimePower>> primes)
      : denominator_(std::move(denominator)), primes_(std::move(primes)) {}

  Exact reduced(const mpz_class& numerator) const {
    if (!primes_ || sgn(numerator) == 0) {
      Exact fraction(numerator, denominator_);
      fraction.canonicalize();
      return fraction;
    }
    Exact fraction;
    mpz_class& top = fraction.get_num();
    top = numerator;
    mpz_class removed = 1;
    for (const auto& [prime, exponent] : *primes_) {
      unsigned long times = mpz_remove(top.get_mpz_t(), top.get_mpz_t(), prime.get_mpz_t());
      if (times > exponent) {
        mpz_class surplus;
        mpz_pow_ui(surplus.get_mpz_t(), prime.get_mpz_t(), times - exponent);
        top *= surplus;
        times = exponent;
      }
      mpz_class power;
      mpz_pow_ui(power.get_mpz_t(), prime.get_mpz_t(), times);
      removed *= power;
    }
    mpz_divexact(fraction.get_den_mpz_t(), denominator_.get_mpz_t(), removed.get_mpz_t());
    return fraction;
  }

 private:
  mpz_class denominator_;
  std::optional<std::vector<PrimePower>> primes_;  // of the denominator; nothing if unknown
};

// The primes of b^power with their exponents, when trial division and a primality test find
// them all (they do for every denominator a school task types).
std::optional<std::vector<FractionReducer::PrimePower>> primesOfPower(mpz_class b,
                                                                      unsigned long power) {
  std::vector<FractionReducer::PrimePower> primes;
  for (unsigned long d = 2; d <= LargestTrialDivisor && mpz_class(d) * d <= b; ++d) {
    const mpz_class prime = d;
    const unsigned long times = mpz_remove(b.get_mpz_t(), b.get_mpz_t(), prime.get_mpz_t());
    if (times > 0) primes.push_back({prime, times * power});
  }
  if (b > 1) {
    if (mpz_probab_prime_p(b.get_mpz_t(), 30) == 0) return std::nullopt;
    primes.push_back({b, power});
  }
  return primes;
}

// Fills the table's rows from the integer numerators of P(X = k) over one common
// denominator. One shared denominator keeps the cumulative sums integer additions.
TrialsTable tableOf(const std::vector<mpz_class>& numerators, const FractionReducer& reducer) {
  TrialsTable table;
  table.rows.resize(numerators.size());
  mpz_class running = 0;
  for (std::size_t k = 0; k < numerators.size(); ++k) {
    running += numerators[k];
    TrialsRow& row = table.rows[k];
    row.k = static_cast<int>(k);
    row.probability = reducer.reduced(numerators[k]);
    row.cumulative = reducer.reduced(running);
  }
  return table;
}

bool isBinomial(int n, const Exact& p) {
  return n >= 1 && n <= MostTrials && sgn(p) > 0 && p < 1;
}

bool isHypergeometric(int N, int M, int n) {
  return N >= 1 && N <= LargestPopulation && M >= 0 && M <= N && n >= 1 && n <= N &&
         n <= MostTrials;
}

// p as the working writes it: a short decimal as typed ("0.3"), else a fraction in
// brackets ("(1/3)"), so that the exponent applies to all of it.
std::string baseText(const Exact& p, bool decimalComma) {
  const std::string decimal = exactDecimalText(p, decimalComma);
  if (!decimal.empty() && decimal.size() <= LongestTypedDecimal) return decimal;
  return "(" + fractionText(p) + ")";
}

// A power's value: exact in the base's own form when short, else a decimal.
std::string powerValueText(const Exact& power, bool baseIsDecimal, int decimals,
                           bool decimalComma) {
  const std::string exact =
      baseIsDecimal ? exactDecimalText(power, decimalComma) : fractionText(power);
  if (!exact.empty() && exact.size() <= LongestExactText) return exact;
  return displaySignificantDecimal(power, decimals, decimalComma);
}

Exact power(const Exact& base, unsigned long exponent) {
  Exact result;
  mpz_pow_ui(result.get_num_mpz_t(), base.get_num_mpz_t(), exponent);
  mpz_pow_ui(result.get_den_mpz_t(), base.get_den_mpz_t(), exponent);
  return result;
}

bool allShort(std::initializer_list<const std::string*> texts) {
  for (const std::string* text : texts)
    if (text->size() > LongestExactText) return false;
  return true;
}

std::string coefficientName(int n, int k) {
  return "K(" + std::to_string(n) + ", " + std::to_string(k) + ")";
}

}  // namespace

std::optional<TrialsTable> binomialTable(int n, const Exact& p) {
  if (!isBinomial(n, p)) return std::nullopt;
  // p = a/b, 1 − p = c/b: P(X = k) = K(n, k)·a^k·c^(n − k) / b^n, and term k + 1 is term k
  // times (n − k)·a / ((k + 1)·c), an exact division of integers.
  const mpz_class& a = p.get_num();
  const mpz_class& b = p.get_den();
  const mpz_class c = b - a;
  std::vector<mpz_class> numerators(static_cast<std::size_t>(n) + 1);
  mpz_pow_ui(numerators[0].get_mpz_t(), c.get_mpz_t(), static_cast<unsigned long>(n));
  for (int k = 0; k < n; ++k) {
    mpz_class next = numerators[static_cast<std::size_t>(k)] * a;
    next *= n - k;
    mpz_divexact(next.get_mpz_t(), next.get_mpz_t(), c.get_mpz_t());
    mpz_divexact_ui(next.get_mpz_t(), next.get_mpz_t(), static_cast<unsigned long>(k + 1));
    numerators[static_cast<std::size_t>(k) + 1] = std::move(next);
  }
  mpz_class denominator;
  mpz_pow_ui(denominator.get_mpz_t(), b.get_mpz_t(), static_cast<unsigned long>(n));
  const FractionReducer reducer(denominator, primesOfPower(b, static_cast<unsigned long>(n)));
  TrialsTable table = tableOf(numerators, reducer);
  table.mean = p * n;
  table.variance = table.mean * (1 - p);
  return table;
}

std::optional<TrialsTable> hypergeometricTable(int N, int M, int n) {
  if (!isHypergeometric(N, M, n)) return std::nullopt;
  // Numerator k is K(M, k)·K(N − M, n − k); from k to k + 1 the first factor gains
  // (M − k)/(k + 1) and the second (n − k)/(N − M − n + k + 1), each an exact division.
  const int failures = N - M;
  const int first = std::max(0, n - failures);
  const int last = std::min(n, M);
  std::vector<mpz_class> numerators(static_cast<std::size_t>(n) + 1);
  mpz_class term =
      binomialCoefficient(static_cast<unsigned long>(M), static_cast<unsigned long>(first)) *
      binomialCoefficient(static_cast<unsigned long>(failures),
                          static_cast<unsigned long>(n - first));
  for (int k = first; k <= last; ++k) {
    numerators[static_cast<std::size_t>(k)] = term;
    if (k == last) break;
    term *= M - k;
    mpz_divexact_ui(term.get_mpz_t(), term.get_mpz_t(), static_cast<unsigned long>(k + 1));
    term *= n - k;
    mpz_divexact_ui(term.get_mpz_t(), term.get_mpz_t(),
                    static_cast<unsigned long>(failures - n + k + 1));
  }
  // K(N, n) has too many primes to remove one by one; the general gcd does better.
  const FractionReducer reducer(
      binomialCoefficient(static_cast<unsigned long>(N), static_cast<unsigned long>(n)),
      std::nullopt);
  TrialsTable table = tableOf(numerators, reducer);
  const Exact share(M, N);
  table.mean = share * n;
  // The finite-population factor (N − n)/(N − 1), taken as 0 for a population of one.
  const Exact finite = N == 1 ? Exact(0) : Exact(N - n, N - 1);
  table.variance = table.mean * (1 - share) * finite;
  return table;
}

std::string tableProbabilityDisplayText(const Exact& probability, int decimals, bool decimalComma) {
  // The digit counts bound the fraction's length (sizeinbase may say one too many), so the
  // long fractions of large n are never written out.
  const std::size_t digits = mpz_sizeinbase(probability.get_num_mpz_t(), 10) +
                             mpz_sizeinbase(probability.get_den_mpz_t(), 10);
  if (digits <= LongestExactText + 1) {
    const std::string fraction = fractionText(probability);
    if (fraction.size() <= LongestExactText) return fraction;
  }
  return displayDecimal(probability, decimals, decimalComma);
}

std::vector<int> chartedValues(const TrialsTable& table, int a, int b) {
  std::vector<int> values;
  for (const auto& row : table.rows)
    if ((a <= row.k && row.k <= b) || row.probability >= SmallestCharted) values.push_back(row.k);
  return values;
}

std::string binomialTermDisplayText(int n, const Exact& p, int k, int decimals, bool decimalComma,
                                    const std::string& name) {
  if (!isBinomial(n, p) || k < 0 || k > n) return "";
  const Exact q = 1 - p;
  const unsigned long successes = static_cast<unsigned long>(k);
  const unsigned long failures = static_cast<unsigned long>(n - k);
  const std::string pText = baseText(p, decimalComma);
  const std::string qText = baseText(q, decimalComma);
  const Exact pPower = power(p, successes);
  const Exact qPower = power(q, failures);
  const mpz_class coefficient = binomialCoefficient(static_cast<unsigned long>(n), successes);
  std::string text = "P(" + name + " = " + std::to_string(k) + ") = " + coefficientName(n, k) +
                     " · " + pText + superscript(k) + " · " + qText + superscript(n - k);
  const std::string coefficientText = coefficient.get_str();
  const std::string pPowerText =
      powerValueText(pPower, pText.front() != '(', decimals, decimalComma);
  const std::string qPowerText =
      powerValueText(qPower, qText.front() != '(', decimals, decimalComma);
  if (allShort({&coefficientText, &pPowerText, &qPowerText}))
    text += " = " + coefficientText + " · " + pPowerText + " · " + qPowerText;
  const Exact probability = Exact(coefficient) * pPower * qPower;
  return text + " = " + displayDecimal(probability, decimals, decimalComma);
}

std::string hypergeometricTermDisplayText(int N, int M, int n, int k, int decimals,
                                          bool decimalComma, const std::string& name) {
  if (!isHypergeometric(N, M, n) || k < 0 || k > n) return "";
  const auto coefficient = [](int top, int bottom) {
    return bottom < 0 || bottom > top ? mpz_class(0)
                                      : binomialCoefficient(static_cast<unsigned long>(top),
                                                            static_cast<unsigned long>(bottom));
  };
  const mpz_class successes = coefficient(M, k);
  const mpz_class failures = coefficient(N - M, n - k);
  const mpz_class all = coefficient(N, n);
  std::string text = "P(" + name + " = " + std::to_string(k) + ") = " + coefficientName(M, k) +
                     " · " + coefficientName(N - M, n - k) + " / " + coefficientName(N, n);
  const std::string successesText = successes.get_str();
  const std::string failuresText = failures.get_str();
  const std::string allText = all.get_str();
  if (allShort({&successesText, &failuresText, &allText}))
    text += " = " + successesText + " · " + failuresText + " / " + allText;
  Exact probability(successes * failures, all);
  probability.canonicalize();
  return text + " = " + displayDecimal(probability, decimals, decimalComma);
}

}  // namespace kvistra
