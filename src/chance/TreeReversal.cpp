#include "chance/TreeReversal.h"

#include <algorithm>
#include <array>

#include "construction/Construction.h"
#include "storage/TreeFileCommands.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

constexpr const char* CannotReverse = " Træet kan ikke vendes: ";

// from[k] is the branching of the tree that becomes branching k of the reversed tree.
struct BranchingOrder {
  int count = 0;
  std::array<int, MaxBranchings + 1> from{};
};

// The probability of reaching each branch of the reversed tree, level 0 (the root) to 3.
using Reach = std::array<std::array<Exact, MaxNodesPerLevel + 1>, MaxBranchings + 1>;

BranchingOrder orderWithFirst(int branchings, int first) {
  BranchingOrder order{branchings, {}};
  int next = 1;
  order.from[next++] = first;
  for (int level = 1; level <= branchings; ++level)
    if (level != first) order.from[next++] = level;
  return order;
}

int branchesOn(const Tree& tree, int level) {
  return tree.branch(level, 1).branchesPerNode;
}

std::string pathText(const Tree& tree, int level, int slot) {
  std::string path = pathNameOf(tree, level, slot);
  std::erase(path, ' ');
  return path;
}

// A branch of the reversed tree stands for the branches of its position in the groups of the
// branching it came from, which only holds when every group names them alike.
std::optional<std::string> namesRefusal(const Tree& tree) {
  for (int level = 2; level <= tree.branchingCount; ++level) {
    const int b = branchesOn(tree, level);
    for (int first = b + 1; first <= tree.branch(level, 1).levelNodeCount; first += b) {
      for (int i = 0; i < b; ++i) {
        if (tree.branch(level, first + i).name == tree.branch(level, 1 + i).name) continue;
        const int parent = tree.branch(level, first).parentIndex;
        return w1252(CannotReverse) + "grenene i " + std::to_string(level) +
               ". forgrening hedder ikke det samme efter " + pathText(tree, level - 1, parent) +
               " som efter " + pathText(tree, level - 1, 1) + ". ";
      }
    }
  }
  return std::nullopt;
}

// Every outcome's probability added to the branches of the reversed tree on its path: an
// outcome's position in each group of its path gives its path in the reversed tree.
Reach reachOfReversedBranches(const Tree& tree, const BranchingOrder& order) {
  const ExactValues values(tree);
  Reach reach;
  for (int k = 1; k <= tree.levelNodeCount; ++k) {
    const Exact probability = exactPathProbability(tree, values, k);
    std::array<int, MaxBranchings + 1> position{};
    for (int level = order.count, slot = k; level >= 1; --level) {
      position[level] = (slot - 1) % branchesOn(tree, level);
      slot = (slot - 1) / branchesOn(tree, level) + 1;
    }
    reach[0][1] += probability;
    for (int level = 1, index = 0; level <= order.count; ++level) {
      const int from = order.from[level];
      index = index * branchesOn(tree, from) + position[from];
      reach[level][index + 1] += probability;
    }
  }
  return reach;
}

// As the probability dialog leaves a typed fraction: the text, and the quotient of its two
// numbers in doubles. A fraction too long for the field gives way to the decimal the program
// writes for a branch it fills in.
void writeValue(const TreeState& state, Branch& branch, const Exact& value) {
  const std::string fraction = fractionText(value);
  if (fraction.size() <= TypedProbability::capacity) {
    const double quotient = value.get_num().get_d() / value.get_den().get_d();
    if (agreesWith(value, quotient)) {
      branch.probability = quotient;
      branch.typedText = fraction;
      return;
    }
  }
  branch.probability = value.get_d();
  branch.typedText = probabilityFormat(state, branch.probability);
}

// The name rows, where the names dialog has made them, move with their branchings.
void carryLabelRows(const TreeState& state, const BranchingOrder& order, TreeState& reversed) {
  if (state.labels.count == 0) return;
  std::array<int, MaxBranchings + 1> firstRow{};
  for (int level = 1, row = 1; level <= order.count; ++level) {
    firstRow[level] = row;
    row += branchesOn(state.tree, level);
  }
  int to = 1;
  for (int level = 1; level <= order.count; ++level) {
    const int from = order.from[level];
    for (int i = 0; i < branchesOn(state.tree, from) && to <= MaxLabelRows; ++i)
      reversed.labels.rows[to++] = state.labels.rows[firstRow[from] + i];
  }
  reversed.labels.count = state.labels.count;
}

}  // namespace

ReversedTree reversedTree(const TreeState& state, int firstBranching) {
  const Tree& tree = state.tree;
  if (std::optional<std::string> refusal = namesRefusal(tree)) return {std::nullopt, *refusal};
  const BranchingOrder order = orderWithFirst(
      tree.branchingCount, std::clamp(firstBranching, 1, std::max(tree.branchingCount, 1)));
  const Reach reach = reachOfReversedBranches(tree, order);

  TreeState reversed = freshStateFrom(state);
  Tree& out = reversed.tree;
  out.branchingCount = order.count;
  for (int level = 1; level <= order.count; ++level) {
    ++out.builtBranchings;
    const int b = branchesOn(tree, order.from[level]);
    buildLevel(reversed, b);
    for (int slot = 1; slot <= out.levelNodeCount; ++slot)
      out.branch(level, slot).name = tree.branch(order.from[level], (slot - 1) % b + 1).name;
  }
  for (int level = 1; level <= order.count; ++level) {
    for (int slot = 1; slot <= out.branch(level, 1).levelNodeCount; ++slot) {
      Branch& branch = out.branch(level, slot);
      const Exact& above = reach[level - 1][branch.parentIndex];
      if (sgn(above) == 0) {
        const std::string path = pathText(out, level - 1, branch.parentIndex);
        return {std::nullopt, w1252(CannotReverse) + "P(" + path +
                                  w1252(") er 0, så grenene efter ") + path +
                                  w1252(" ville kræve en division med 0. ")};
      }
      writeValue(reversed, branch, reach[level][slot] / above);
      branch.probabilityEntered = true;
    }
  }
  out.complete = true;
  carryLabelRows(state, order, reversed);
  return {std::move(reversed), {}};
}

std::vector<std::string> branchingNames(const Tree& tree) {
  std::vector<std::string> names;
  for (int level = 1; level <= tree.branchingCount; ++level) {
    std::string line;
    for (int slot = 1; slot <= branchesOn(tree, level); ++slot) {
      std::string name(tree.branch(level, slot).name.view());
      std::erase(name, ' ');
      line += (slot > 1 ? ", " : "") + name;
    }
    names.push_back(line);
  }
  return names;
}

void reverseTree(Context& context) {
  if (!settleUnsavedChanges(context)) return;
  int first = 2;
  if (context.state.tree.branchingCount == MaxBranchings) {
    const std::optional<int> chosen =
        context.host.chooseFirstBranching(branchingNames(context.state.tree));
    if (!chosen) return;
    first = *chosen;
  }
  ReversedTree reversed = reversedTree(context.state, first);
  if (!reversed.state) return context.host.showMessage(reversed.refusal, " ");
  showReplacedTree(context, std::move(*reversed.state), w1252("Vendt træ"));
}

}  // namespace kvistra
