#include <gtest/gtest.h>

#include "events/EventTrees.h"
#include "tree/TreeHelpers.h"
#include "tree/TreeState.h"

namespace kvistra {
namespace {

// Every loop over the store trusts these counts, whatever a file or a half-built tree holds.
TEST(TreeShape, CountsStayWithinTheStore) {
  struct Case {
    int branchings, levelNodes, leaves;
    int depth, slots, outcomes;
  };
  const Case cases[] = {
      {0, 0, 1, 0, 0, 1},      // a new tree: only the root
      {-1, -5, -1, 0, 0, 0},   // below the store
      {6, 64, 64, 6, 64, 64},  // the largest tree
      {9, 80, 99, 6, 64, 64},  // beyond the store
  };
  for (const Case& c : cases) {
    Tree tree;
    tree.branchingCount = c.branchings;
    tree.branch(1, 1).levelNodeCount = c.levelNodes;
    tree.leafCount = c.leaves;
    EXPECT_EQ(tree.depth(), c.depth) << c.branchings;
    EXPECT_EQ(tree.slotsOn(1), c.slots) << c.levelNodes;
    EXPECT_EQ(tree.outcomeSlots(), c.outcomes) << c.leaves;
    EXPECT_EQ(tree.slotsOn(0), 1);  // the root's record holds no count of its own
  }
}

// A tree of 6 branches and then 4: leaf 7 is the third branch under the second node.
TEST(TreeShape, GroupsAreFoundFromTheirParent) {
  const Tree tree = test_trees::MakeTree({6, 4}).tree;
  struct Case {
    int level, slot;
    Slots children, siblings;
  };
  const Case cases[] = {
      {0, 1, {1, 6}, {1, 1}},  // the root stands alone
      {1, 2, {5, 8}, {1, 6}},  //
      {2, 7, {1, 0}, {5, 8}},  // a leaf has no children
      {3, 1, {1, 0}, {1, 0}},  // below the deepest branching nothing stands
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tree.children(c.level, c.slot), c.children) << c.level << "," << c.slot;
    EXPECT_EQ(tree.siblings(c.level, c.slot), c.siblings) << c.level << "," << c.slot;
  }
  EXPECT_EQ(tree.above(tree.outcome(7)), (BranchAt{1, 2}));
  EXPECT_EQ(tree.groupSize(2), 4);
}

// Paths that end at the first branching: A1 and C1 branch again, B1 ends. Its outcome stands
// between theirs, as it is drawn.
TEST(TreeShape, OutcomesRunTopToBottomWhereverTheirPathsEnd) {
  Tree tree;
  tree.branchingCount = tree.builtBranchings = 2;
  tree.leafCount = 5;
  tree.complete = true;
  const auto place = [&](int level, int slot, int parent, int levelCount) {
    tree.branch(level, slot).parentIndex = parent;
    tree.branch(level, slot).levelNodeCount = levelCount;
  };
  for (int slot = 1; slot <= 3; ++slot) place(1, slot, 1, 3);
  for (int slot = 1; slot <= 4; ++slot) place(2, slot, slot <= 2 ? 1 : 3, 4);
  const BranchAt expected[] = {{2, 1}, {2, 2}, {1, 2}, {2, 3}, {2, 4}};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(tree.outcome(k), expected[k - 1]) << k;
  EXPECT_EQ(tree.children(1, 2).size(), 0);
  EXPECT_FALSE(isEvenTree(tree));
  EXPECT_TRUE(isEvenTree(test_trees::MakeTree({6, 4}).tree));
}

}  // namespace
}  // namespace kvistra
