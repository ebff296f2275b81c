#include "events/Working.h"

#include <gtest/gtest.h>

#include <functional>

#include "events/EventExpression.h"
#include "events/EventTrees.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

using namespace test_trees;

// The urn: 3 red and 2 blue, two drawn without putting back. The first draw is typed as a
// fraction, its rest filled in as the program writes it; the second is typed unreduced.
TreeState urn() {
  TreeState state = MakeTree({2, 2});
  for (const auto& [from, to] : {std::pair{"A1", "R1"}, {"B1", "B1"}, {"A2", "R2"}, {"B2", "B2"}})
    RenameBranches(state, from, to);
  TypeLevel(state, 1, {"3/5", "0.4"});
  TypeLevel(state, 2, {"2/4", "0.5", "3/4", "0.25"});
  return state;
}

TEST(Working, WritesEachPathTheSumAndTheConditionalValue) {
  struct Case {
    const char* name;
    std::function<TreeState()> tree;
    const char* event;
    std::vector<const char*> lines;
  };
  const Case cases[] = {
      {"a union: typed fractions as typed, computed ones reduced",
       urn,
       "R2",
       {"R1R2:  3/5 · 2/4 = 3/10", "B1R2:  2/5 · 3/4 = 3/10",
        "P(R2) = 3/10 + 3/10 = 3/5 = 0.6000"}},
      {"reduced to R1: divided by its probability, folded before an equals sign",
       [] {
         TreeState state = urn();
         state.reduction = {true, "R1", 0.6};
         RemoveOutcomes(state, {3, 4});
         return state;
       },
       "R2",
       {"R1R2:  3/5 · 2/4 = 3/10", "P(R2 | R1) = P(R1R2) / P(R1) = 3/10 : 3/5 = 1/2",
        "           = 0.5000"}},
      {"a tree typed in decimals is worked in decimals, with the decimal comma",
       [] {
         TreeState state = MakeTree({2, 2});
         TypeLevel(state, 1, {"0.3", "0.7"});
         TypeLevel(state, 2, {"0.5", "0.5", "0.25", "0.75"});
         state.view.decimalComma = true;
         return state;
       },
       "A2",
       {"A1A2:  0,3 · 0,5 = 0,15", "B1A2:  0,7 · 0,25 = 0,175", "P(A2) = 0,15 + 0,175 = 0,3250"}},
  };
  for (const Case& c : cases) {
    TreeState state = c.tree();
    evaluateExpression(state, c.event);
    std::vector<std::string> expected;
    for (const char* line : c.lines) expected.push_back(w1252(line));
    EXPECT_EQ(eventWorking(state, c.event), expected) << c.name;
  }
}

TEST(Working, LongSumsAreFoldedNeverCut) {
  TreeState state = FractionTree();
  evaluateExpression(state, "1..27");
  const std::vector<std::string> lines = eventWorking(state, "1..27");
  // Folded lines joined again: every path's own line, then the sum of their products.
  std::vector<std::string> unfolded;
  for (const std::string& line : lines) {
    EXPECT_LE(line.size(), WorkingWidth) << line;
    if (line.front() == ' ')
      unfolded.back() += line.substr(line.find_first_not_of(' ') - 1);
    else
      unfolded.push_back(line);
  }
  ASSERT_EQ(unfolded.size(), 28u);
  EXPECT_EQ(unfolded[0].substr(0, 30), w1252("A1A2A3:  1234/4321 · 1234/4321"));
  std::string sum = "P(1..27) =";
  for (std::size_t k = 0; k < 27; ++k) {
    const std::string& path = unfolded[k];
    sum += (k ? " + " : " ") + path.substr(path.rfind("= ") + 2);
  }
  EXPECT_EQ(unfolded[27], sum + " = 1 = 1.0000");
}

}  // namespace
}  // namespace kvistra
