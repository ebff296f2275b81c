// Repeated trials: the binomial distribution (with replacement) and the hypergeometric one
// (without), exactly, for n up to 1 000, with the working of one term as display text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "distribution/DisplayNumbers.h"
#include "text/Exact.h"

namespace kvistra {

constexpr int MostTrials = 1000;
constexpr int LargestPopulation = 10000;
// The most trials whose table a worksheet gives the pupils to fill in: 21 rows fit a page.
constexpr int MostTabulatedTrials = 20;

struct TrialsRow {
  int k = 0;
  Exact probability;  // P(X = k)
  Exact cumulative;   // P(X ≤ k)
};

// Rows for every k from 0 to n, so row k is rows[k]; impossible k have probability 0.
struct TrialsTable {
  std::vector<TrialsRow> rows;
  Exact mean;
  Exact variance;
};

// X ~ b(n, p): P(X = k) = K(n, k) · p^k · (1 − p)^(n − k). Nothing unless 1 ≤ n ≤ MostTrials
// and 0 < p < 1.
std::optional<TrialsTable> binomialTable(int n, const Exact& p);

// n drawn without replacement from N of which M are successes:
// P(X = k) = K(M, k) · K(N − M, n − k) / K(N, n). Nothing unless
// 1 ≤ n ≤ min(N, MostTrials), N ≤ LargestPopulation and 0 ≤ M ≤ N.
std::optional<TrialsTable> hypergeometricTable(int N, int M, int n);

// A probability of the table as display text: the exact fraction when it has at most 20
// characters, else the decimal rounded from the exact value.
std::string tableProbabilityDisplayText(const Exact& probability, int decimals, bool decimalComma);

// The k a chart shows: those with P(X = k) ≥ 0.00005, and every k in [a, b].
std::vector<int> chartedValues(const TrialsTable& table, int a, int b);

// "P(X = 3) = K(10, 3) · 0.3³ · 0.7⁷ = 120 · 0.027 · 0.0823543 = 0.2668". The middle step is
// left out when one of its numbers would take more than 20 characters. Empty for k outside
// 0 … n or a p the table refuses.
std::string binomialTermDisplayText(int n, const Exact& p, int k, int decimals, bool decimalComma,
                                    const std::string& name = "X");

// "P(X = 0) = K(5, 0) · K(45, 10) / K(50, 10) = 1 · 3190187286 / 10272278170 = 0.3106", with
// the middle step left out as above. Empty for arguments the table refuses.
std::string hypergeometricTermDisplayText(int N, int M, int n, int k, int decimals,
                                          bool decimalComma, const std::string& name = "X");

}  // namespace kvistra
