// A random variable's finite distribution, exactly: its rows x | P(X = x), mean and spread.
// Knows nothing of trees: whoever gives the (value, probability) pairs decides what X is.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/Exact.h"

namespace kvistra {

struct DistributionRow {
  Exact value;
  Exact probability;
};

class Distribution {
 public:
  // The rows in rising value, pairs of equal value merged. Rows of probability 0 are kept: an
  // outcome the tree can show is a value X can take, even when its path has probability 0.
  explicit Distribution(const std::vector<DistributionRow>& pairs);

  const std::vector<DistributionRow>& rows() const { return rows_; }
  const Exact& total() const { return total_; }
  // E(X) = Σ x · P(X = x).
  const Exact& mean() const { return mean_; }
  // Var(X) = Σ (x − E(X))² · P(X = x).
  const Exact& variance() const { return variance_; }
  // σ(X) = √Var(X), for the decimal only; texts round from the exact variance.
  double standardDeviation() const;

 private:
  std::vector<DistributionRow> rows_;
  Exact total_;
  Exact mean_;
  Exact variance_;
};

// The pairs with each probability divided by their total: X given the event that the pairs
// make up, as the tree's reduction leaves it. Nothing when the total is 0.
std::optional<Distribution> conditionalDistribution(const std::vector<DistributionRow>& pairs);

// √value when it is rational: 1/2 for 1/4; nothing for 3/4 or a negative value.
std::optional<Exact> rationalRoot(const Exact& value);

// σ exactly, when that text is short: √(square) as a·√(b)/c with b square-free ("√(3)/2",
// "15√(3)/4"), or without a root when square is the square of a rational ("5", "1/2").
// Nothing when square is negative or the text would be longer than 16 characters.
std::optional<std::string> exactRootText(const Exact& square);

// √value rounded half away from zero to decimals places, exactly (no double on the way).
std::string roundedRootText(const Exact& value, int decimals);

}  // namespace kvistra
