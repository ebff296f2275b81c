#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "distribution/DistributionText.h"

namespace kvistra {
namespace {

Exact q(const char* text) {
  return *readExact(text);
}

std::vector<DistributionRow> twoDiceSums() {
  std::vector<DistributionRow> pairs;
  for (int first = 1; first <= 6; ++first)
    for (int second = 1; second <= 6; ++second) pairs.push_back({first + second, Exact(1, 36)});
  return pairs;
}

// Published textbook values; the dice give unmerged pairs, the ±-game negative values.
TEST(Distribution, MeanVarianceAndExactSpread) {
  struct Case {
    std::vector<DistributionRow> pairs;
    std::size_t rows;
    Exact mean, variance;
    std::string sigma;
  };
  const Case cases[] = {
      {{{0, q("1/8")}, {1, q("3/8")}, {2, q("3/8")}, {3, q("1/8")}},
       4,
       q("3/2"),
       q("3/4"),
       "σ(X) = √(Var(X)) = √(3)/2 ≈ 0.8660"},
      {twoDiceSums(), 11, 7, q("35/6"), "σ(X) = √(Var(X)) = √(210)/6 ≈ 2.4152"},
      {{{10, q("1/4")}, {-5, q("1/4")}, {-5, q("1/4")}, {-5, q("1/4")}},
       2,
       q("-5/4"),
       q("675/16"),
       "σ(X) = √(Var(X)) = 15√(3)/4 ≈ 6.4952"},
      {{{0, q("1/2")}, {10, q("1/2")}, {7, 0}}, 3, 5, 25, "σ(X) = √(Var(X)) = 5"},
  };
  for (const auto& c : cases) {
    const Distribution distribution(c.pairs);
    EXPECT_EQ(distribution.rows().size(), c.rows);
    EXPECT_EQ(distribution.total(), 1);
    EXPECT_EQ(distribution.mean(), c.mean);
    EXPECT_EQ(distribution.variance(), c.variance);
    EXPECT_EQ(standardDeviationDisplayText(distribution, {}), c.sigma);
  }
}

// Square parts the trial division must find, and roots too long to show.
TEST(exactRootText, SimplifiesOrGivesUp) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"3/4", "√(3)/2"},
      {"1/4", "1/2"},
      {"0", "0"},
      {"2", "√(2)"},
      {"20001200018", "100003√(2)"},  // 2·100003², a prime above the trials
      {"1/1000003", std::nullopt},
      {"-1", std::nullopt},
  };
  for (const auto& [square, text] : cases) EXPECT_EQ(exactRootText(q(square)), text) << square;
}

TEST(DistributionText, WorkingLines) {
  const Distribution coins({{0, q("1/8")}, {1, q("3/8")}, {2, q("3/8")}, {3, q("1/8")}});
  const Distribution game({{10, q("1/4")}, {-5, q("3/4")}});
  const NumberStyle decimalsWithComma{false, 3, true};
  EXPECT_EQ(meanDisplayText(coins, {}), "E(X) = 0 · 1/8 + 1 · 3/8 + 2 · 3/8 + 3 · 1/8 = 3/2");
  EXPECT_EQ(meanDisplayText(game, {}, "Y"), "E(Y) = (−5) · 3/4 + 10 · 1/4 = −5/4");
  EXPECT_EQ(meanDisplayText(game, decimalsWithComma), "E(X) = (−5) · 0,75 + 10 · 0,25 = −1,25");
  EXPECT_EQ(varianceDisplayText(coins, {}), "Var(X) = Σ (x − E(X))² · P(X = x) = 3/4");
  EXPECT_EQ(varianceTermsDisplayText(game, {}),
            "Var(X) = (−5 − (−5/4))² · 3/4 + (10 − (−5/4))² · 1/4 = 675/16");
  EXPECT_EQ(standardDeviationDisplayText(coins, decimalsWithComma),
            "σ(X) = √(Var(X)) = √(3)/2 ≈ 0,866");
  EXPECT_EQ(meanDisplayText(Distribution(twoDiceSums()), {}), "E(X) = Σ x · P(X = x) = 7");
  EXPECT_FALSE(varianceTermsDisplayText(Distribution(twoDiceSums()), {}));
}

TEST(conditionalDistribution, DividesByTheTotal) {
  const auto given = conditionalDistribution({{1, q("1/8")}, {2, q("3/8")}});
  ASSERT_TRUE(given);
  EXPECT_EQ(given->rows()[0].probability, q("1/4"));
  EXPECT_EQ(given->mean(), q("7/4"));
  EXPECT_FALSE(conditionalDistribution({{1, 0}}));
}

}  // namespace
}  // namespace kvistra
