#include <gtest/gtest.h>

#include <string>

#include "distribution/RepeatedTrials.h"

namespace kvistra {
namespace {

Exact q(const char* text) {
  return *readExact(text);
}

// Published table values, read from cumulative or single rows as the textbook tables give them.
TEST(RepeatedTrials, PublishedTableValues) {
  struct Case {
    std::optional<TrialsTable> table;
    int k;
    bool cumulative;
    std::string text;
  };
  const Case cases[] = {
      {binomialTable(20, q("0.3")), 5, true, "0.4164"},
      {binomialTable(60, q("0.1")), 9, true, "0.9269"},
      {binomialTable(10, q("1/2")), 5, false, "63/256"},
      {hypergeometricTable(50, 5, 10), 0, false, "0.3106"},
      {hypergeometricTable(10, 8, 5), 3, false, "2/9"},  // fewer failures than draws
      {hypergeometricTable(10, 8, 5), 2, true, "0.0000"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(c.table);
    const TrialsRow& row = c.table->rows[static_cast<std::size_t>(c.k)];
    const Exact& value = c.cumulative ? row.cumulative : row.probability;
    const bool exact = c.text.find('/') != std::string::npos;
    EXPECT_EQ(exact ? fractionText(value) : displayDecimal(value, 4, false), c.text);
    EXPECT_EQ(c.table->rows.back().cumulative, 1);
  }
}

Exact power(const Exact& base, unsigned long exponent) {
  Exact result;
  mpz_pow_ui(result.get_num_mpz_t(), base.get_num_mpz_t(), exponent);
  mpz_pow_ui(result.get_den_mpz_t(), base.get_den_mpz_t(), exponent);
  return result;
}

// The incremental, prime-stripped table against the formula for each term: one wrong ratio or
// one fraction left unreduced shows. 1000003 is a prime beyond the trial divisions.
TEST(binomialTable, AgreesWithTheFormulaForLargeN) {
  for (const char* p : {"1/3", "0.3", "7/1000003"}) {
    const auto table = binomialTable(1000, q(p));
    ASSERT_TRUE(table);
    for (unsigned long k : {0ul, 1ul, 333ul, 999ul, 1000ul}) {
      mpz_class coefficient;
      mpz_bin_uiui(coefficient.get_mpz_t(), 1000, k);
      const Exact expected = coefficient * power(q(p), k) * power(1 - q(p), 1000 - k);
      EXPECT_EQ(table->rows[k].probability, expected) << p << " " << k;
    }
    EXPECT_EQ(table->mean, q(p) * 1000);
    EXPECT_EQ(table->variance, q(p) * 1000 * (1 - q(p)));
  }
}

// Short fractions exactly, long ones as decimals rounded from the exact value.
TEST(tableProbabilityDisplayText, FractionWhenShort) {
  EXPECT_EQ(
      tableProbabilityDisplayText(hypergeometricTable(50, 5, 10)->rows[0].probability, 4, true),
      "82251/264845");
  EXPECT_EQ(tableProbabilityDisplayText(binomialTable(20, q("0.3"))->rows[5].cumulative, 3, true),
            "0,416");
  EXPECT_EQ(tableProbabilityDisplayText(q("12345678901/99999999999"), 4, false), "0.1235");
}

TEST(RepeatedTrials, MeansVariancesAndRefusals) {
  EXPECT_EQ(hypergeometricTable(50, 5, 10)->variance, q("36/49"));
  EXPECT_EQ(hypergeometricTable(1, 1, 1)->variance, 0);
  EXPECT_FALSE(binomialTable(10, 1));
  EXPECT_FALSE(binomialTable(1001, q("0.5")));
  EXPECT_FALSE(hypergeometricTable(10, 11, 5));
  EXPECT_FALSE(hypergeometricTable(10, 5, 11));
}

TEST(chartedValues, KeepsLikelyValuesAndTheChosenInterval) {
  const auto table = binomialTable(100, q("1/2"));
  const std::vector<int> shown = chartedValues(*table, 0, 0);
  EXPECT_EQ(shown.front(), 0);
  EXPECT_EQ(shown[1], 31);  // P(X = 31) ≈ 0.000052, P(X = 30) ≈ 0.000023
  EXPECT_EQ(shown.back(), 69);
}

TEST(RepeatedTrials, TermWorking) {
  EXPECT_EQ(binomialTermDisplayText(10, q("0.3"), 3, 4, false),
            "P(X = 3) = K(10, 3) · 0.3³ · 0.7⁷ = 120 · 0.027 · 0.0823543 = 0.2668");
  EXPECT_EQ(binomialTermDisplayText(3, q("1/3"), 2, 3, true),
            "P(X = 2) = K(3, 2) · (1/3)² · (2/3)¹ = 3 · 1/9 · 2/3 = 0,222");
  EXPECT_EQ(binomialTermDisplayText(1000, q("0.5"), 500, 4, false),
            "P(X = 500) = K(1000, 500) · 0.5⁵⁰⁰ · 0.5⁵⁰⁰ = 0.0252");
  EXPECT_EQ(hypergeometricTermDisplayText(50, 5, 10, 0, 4, false),
            "P(X = 0) = K(5, 0) · K(45, 10) / K(50, 10) = 1 · 3190187286 / 10272278170 = 0.3106");
}

}  // namespace
}  // namespace kvistra
