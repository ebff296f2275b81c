// The counts of N cases: the N a tree chooses, counts rounded by largest remainders so that each
// group adds up to its parent, the "ca." on rounded counts, and a typed N.
#include "tree/NaturalFrequencies.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/TreeBuilding.h"

namespace kvistra {
namespace {

using testing::Fixture;

TEST(NaturalFrequencies, CountsOfEachLeafForTheChosenOrTypedTotal) {
  struct Case {
    std::initializer_list<int> shape;
    std::initializer_list<const char*> first;
    std::initializer_list<const char*> second;
    std::optional<std::int64_t> typed;
    std::int64_t total;
    std::vector<std::int64_t> leaves;
    std::vector<bool> rounded;
    std::string event;  // outcomes 1 and 3 marked
  };
  const Case cases[] = {
      // The illness test: 1 % ill, 90 % sensitivity, 91 % specificity.
      {{2, 2},
       {"0.01", "0.99"},
       {"0.9", "0.1", "0.09", "0.91"},
       {},
       10000,
       {90, 10, 891, 9009},
       {false, false, false, false},
       "981 ud af 10 000"},
      {{2, 2},
       {"1/3", "2/3"},
       {"1/7", "6/7", "1/7", "6/7"},
       {},
       21,
       {1, 6, 2, 12},
       {false, false, false, false},
       "3 ud af 21"},
      // 3 * 101 * 103 * 107 cases would be needed: 1 000, rounded; the tie goes to the first.
      {{3, 2},
       {"1/3", "1/3", "1/3"},
       {"1/101", "100/101", "1/103", "102/103", "1/107", "106/107"},
       {},
       1000,
       {3, 331, 3, 330, 3, 330},
       {true, true, true, true, true, true},
       "ca. 6 ud af 1 000"},
      // A typed N: whole where it can be, rounded only where it must.
      {{2, 2},
       {"0.01", "0.99"},
       {"0.9", "0.1", "0.09", "0.91"},
       1000,
       1000,
       {9, 1, 89, 901},
       {false, false, true, true},
       "ca. 98 ud af 1 000"},
      {{2, 2},
       {"0.01", "0.99"},
       {"0.9", "0.1", "0.09", "0.91"},
       100000,
       100000,
       {900, 100, 8910, 90090},
       {false, false, false, false},
       "9 810 ud af 100 000"},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.build(c.shape);
    f.enterTyped(1, c.first);
    f.enterTyped(2, c.second);
    f.state.event.outcomeMarked[1] = f.state.event.outcomeMarked[3] = true;
    const NaturalFrequencies counts = naturalFrequencies(f.state.tree, c.typed);
    EXPECT_EQ(counts.total, c.total);
    std::vector<std::int64_t> leaves;
    std::vector<bool> rounded;
    for (int k = 1; k <= f.state.tree.leafCount; ++k) {
      leaves.push_back(counts.leafCount(f.state.tree, k));
      rounded.push_back(counts.leafRounded(f.state.tree, k));
    }
    EXPECT_EQ(leaves, c.leaves) << c.event;
    EXPECT_EQ(rounded, c.rounded) << c.event;
    EXPECT_EQ(eventFrequencyText(f.state, counts), c.event);
  }
}

TEST(NaturalFrequencies, ReadsATypedNumberOfCases) {
  const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
      {"400", 400},    {"10 000", 10000}, {"1000000", 1000000}, {"1000001", {}},
      {"0", {}},       {"", {}},          {"-5", {}},           {"1e3", {}},
      {"1.000", 1000}, {"10 00", {}},     {"1 0000", {}},       {" 1 000 ", 1000},
  };
  for (const auto& [typed, read] : cases)
    EXPECT_EQ(readCaseCount(typed, LargestTypedTotal), read) << typed;
}

}  // namespace
}  // namespace kvistra
