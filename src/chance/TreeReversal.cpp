#include "chance/TreeReversal.h"

#include <algorithm>
#include <array>

#include "construction/Construction.h"
#include "construction/ShapeLayout.h"
#include "construction/TreeReplacement.h"
#include "storage/TreeFileCommands.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

constexpr const char* CannotReverse = " Træet kan ikke vendes: ";
// A tree of this many branchings asks which branching comes first.
constexpr int MostReversedBranchings = 3;
// A hint's working longer than this is written step by step, a line each.
constexpr std::size_t LongestHintLine = 100;
constexpr std::size_t TermsPerLine = 3;

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

std::string pathText(const Tree& tree, int level, int slot) {
  std::string path = pathNameOf(tree, level, slot);
  std::erase(path, ' ');
  return path;
}

// Branchings swap places only where each of them is one kind of group under every node.
std::optional<std::string> shapeRefusal(const Tree& tree) {
  if (tree.depth() >= 2 && tree.depth() <= MostReversedBranchings && isEvenTree(tree))
    return std::nullopt;
  return w1252(CannotReverse) +
         w1252(
             "det kan kun et træ med 2 eller 3 forgreninger, hvor alle stier går gennem alle "
             "forgreninger, og alle grupper i en forgrening har lige mange grene. ");
}

// A branch of the reversed tree stands for the branches of its position in the groups of the
// branching it came from, which only holds when every group names them alike.
std::optional<std::string> namesRefusal(const Tree& tree) {
  for (int level = 2; level <= tree.depth(); ++level) {
    const int b = tree.groupSize(level);
    for (int first = b + 1; first <= tree.slotsOn(level); first += b) {
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

BranchingOrder inOrder(int branchings) {
  return orderWithFirst(branchings, 1);
}

// One branch chosen, by its place in its group, on some branchings of the tree that is reversed;
// NotChosen on the others.
constexpr int NotChosen = -1;
using Choice = std::array<int, MaxBranchings + 1>;

// The branches on the path to slot of the given level of a tree laid out in order, as choices on
// the branchings of the tree that is reversed.
Choice pathChoice(const Tree& tree, const BranchingOrder& order, int level, int slot) {
  Choice choice;
  choice.fill(NotChosen);
  for (int l = level; l >= 1; --l) {
    const int b = tree.groupSize(order.from[l]);
    choice[order.from[l]] = (slot - 1) % b;
    slot = (slot - 1) / b + 1;
  }
  return choice;
}

// Every outcome's probability added to the branches of the reversed tree on its path: an
// outcome's position in each group of its path gives its path in the reversed tree.
Reach reachOfReversedBranches(const Tree& tree, const BranchingOrder& order) {
  const ExactValues values(tree);
  Reach reach;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    const Exact probability = exactPathProbability(tree, values, k);
    const Choice position = pathChoice(tree, inOrder(order.count), order.count, k);
    reach[0][1] += probability;
    for (int level = 1, index = 0; level <= order.count; ++level) {
      const int from = order.from[level];
      index = index * tree.groupSize(from) + position[from];
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

// The probability that every branching of choice takes the branch chosen on it.
Exact chanceOf(const Tree& tree, const ExactValues& values, const Choice& choice) {
  Exact sum;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    const Choice outcome = pathChoice(tree, inOrder(tree.depth()), tree.depth(), k);
    bool chosen = true;
    for (int level = 1; level <= tree.depth(); ++level)
      chosen = chosen && (choice[level] == NotChosen || choice[level] == outcome[level]);
    if (chosen) sum += exactPathProbability(tree, values, k);
  }
  return sum;
}

Choice only(const Choice& choice, int branching) {
  Choice one;
  one.fill(NotChosen);
  one[branching] = choice[branching];
  return one;
}

Choice joined(Choice choice, const Choice& more) {
  for (int level = 1; level <= MaxBranchings; ++level)
    if (more[level] != NotChosen) choice[level] = more[level];
  return choice;
}

// The branches chosen before the given branching.
Choice before(const Choice& choice, int branching) {
  Choice earlier;
  earlier.fill(NotChosen);
  for (int level = 1; level < branching; ++level) earlier[level] = choice[level];
  return earlier;
}

// "S1P2": the names of the chosen branches, in the order of the branchings given.
std::string namesOf(const Tree& tree, const Choice& choice, const BranchingOrder& order) {
  std::string names;
  for (int level = 1; level <= order.count; ++level)
    if (const int place = choice[order.from[level]]; place != NotChosen)
      names += tree.branch(order.from[level], place + 1).name.str();
  std::erase(names, ' ');
  return names;
}

std::string chanceText(const std::string& event, const std::string& given) {
  return "P(" + event + (given.empty() ? "" : " | " + given) + ")";
}

// The terms added up; broken, a few terms a line.
std::string sumText(const std::vector<std::string>& terms, bool broken) {
  std::string sum;
  for (std::size_t i = 0; i < terms.size(); ++i)
    sum += (i == 0 ? "" : broken && i % TermsPerLine == 0 ? "\n  + " : " + ") + terms[i];
  return sum;
}

// "P(P2) = P(S1) · P(P2 | S1) + P(S2) · P(P2 | S2) = 1/100 · 9/10 + 99/100 · 9/100 = 981/10000":
// the first branching's branch by the paths of the branchings before it in the tree reversed.
std::string totalChanceWorking(const Tree& tree, const ExactValues& values, int first, int place) {
  const BranchingOrder order = inOrder(tree.depth());
  Choice moved;
  moved.fill(NotChosen);
  moved[first] = place;
  const std::string event = namesOf(tree, moved, order);
  if (first == 1) return chanceText(event, "") + " = " + fractionText(values(1, place + 1));
  std::vector<std::string> terms, numbers;
  const int b = tree.groupSize(first);
  for (int node = 1; node <= tree.slotsOn(first - 1); ++node) {
    const Choice path = pathChoice(tree, order, first - 1, node);
    const std::string given = namesOf(tree, path, order);
    terms.push_back(chanceText(given, "") + w1252(" · ") + chanceText(event, given));
    numbers.push_back(fractionText(chanceOf(tree, values, path)) + w1252(" · ") +
                      fractionText(values(first, (node - 1) * b + place + 1)));
  }
  const std::string result = fractionText(chanceOf(tree, values, moved));
  const std::string line = chanceText(event, "") + " = " + sumText(terms, false) + " = " +
                           sumText(numbers, false) + " = " + result;
  if (line.size() <= LongestHintLine) return line;
  // Many paths before the moved branching: step by step, a few terms a line, so that the hint
  // stays on the screen.
  return chanceText(event, "") + "\n= " + sumText(terms, true) + "\n= " + sumText(numbers, true) +
         "\n= " + result;
}

// The working of a branch below the first branching of the reversed tree: a branching that came
// after the moved one keeps its value; one that came before it is turned round by Bayes' rule,
// "P(S1 | P2) = P(S1) · P(P2 | S1) / P(P2) = 1/100 · 9/10 : 981/10000 = 10/109".
std::string bayesWorking(const Tree& tree, const ExactValues& values, const BranchingOrder& order,
                         int level, int slot) {
  const BranchingOrder original = inOrder(tree.depth());
  const int first = order.from[1];
  const int from = order.from[level];
  const Choice path = pathChoice(tree, order, level, slot);
  const Choice branch = only(path, from);
  Choice given = path;
  given[from] = NotChosen;
  const Exact result = chanceOf(tree, values, path) / chanceOf(tree, values, given);
  const std::string x = namesOf(tree, branch, original);
  const std::string g = namesOf(tree, given, order);
  const std::string left = chanceText(x, g) + " = ";
  const std::string equals = " = " + fractionText(result);
  const Choice earlier = before(path, from);
  const std::string h = namesOf(tree, earlier, original);
  if (first < from) return left + (h == g ? fractionText(result) : chanceText(x, h) + equals);

  const Choice moved = only(path, first);
  const Exact earlierChance = chanceOf(tree, values, earlier);
  const Exact reached = chanceOf(tree, values, joined(earlier, branch));
  if (sgn(reached) == 0)
    return left + chanceText(g + x, "") + " / " + chanceText(g, "") +
           " = 0 : " + fractionText(chanceOf(tree, values, given)) + equals;
  const Exact xGivenH = reached / earlierChance;
  const Exact fGivenHX = chanceOf(tree, values, path) / reached;
  const Exact fGivenH = chanceOf(tree, values, joined(earlier, moved)) / earlierChance;
  const std::string f = namesOf(tree, moved, original);
  return left + chanceText(x, h) + w1252(" · ") + chanceText(f, h + x) + " / " + chanceText(f, h) +
         " = " + fractionText(xGivenH) + w1252(" · ") + fractionText(fGivenHX) + " : " +
         fractionText(fGivenH) + equals;
}

// The working of every branch of the reversed tree, with the values it was written with.
ReversalWorking reversalWorking(const Tree& tree, const BranchingOrder& order,
                                const Tree& reversed) {
  const ExactValues values(tree);
  ReversalWorking working;
  for (int level = 1; level <= order.count; ++level)
    for (int slot = 1; slot <= reversed.slotsOn(level); ++slot) {
      working.lines[level][slot] =
          level == 1 ? totalChanceWorking(tree, values, order.from[1],
                                          pathChoice(tree, order, 1, slot)[order.from[1]])
                     : bayesWorking(tree, values, order, level, slot);
      working.values[level][slot] = reversed.branch(level, slot).probability;
    }
  return working;
}

// The name rows, where the names dialog has made them, move with their branchings.
void carryLabelRows(const TreeState& state, const BranchingOrder& order, TreeState& reversed) {
  if (state.labels.count == 0) return;
  std::array<int, MaxBranchings + 1> firstRow{};
  for (int level = 1, row = 1; level <= order.count; ++level) {
    firstRow[level] = row;
    row += state.tree.groupSize(level);
  }
  int to = 1;
  for (int level = 1; level <= order.count; ++level) {
    const int from = order.from[level];
    for (int i = 0; i < state.tree.groupSize(from) && to <= MaxLabelRows; ++i)
      reversed.labels.rows[to++] = state.labels.rows[firstRow[from] + i];
  }
  reversed.labels.count = state.labels.count;
}

}  // namespace

ReversedTree reversedTree(const TreeState& state, int firstBranching) {
  const Tree& tree = state.tree;
  if (std::optional<std::string> refusal = shapeRefusal(tree)) return {std::nullopt, *refusal};
  if (std::optional<std::string> refusal = namesRefusal(tree)) return {std::nullopt, *refusal};
  const BranchingOrder order =
      orderWithFirst(tree.depth(), std::clamp(firstBranching, 1, std::max(tree.depth(), 1)));
  const Reach reach = reachOfReversedBranches(tree, order);

  TreeState reversed = freshStateFrom(state);
  Tree& out = reversed.tree;
  out.branchingCount = order.count;
  for (int level = 1; level <= order.count; ++level) {
    ++out.builtBranchings;
    const int b = tree.groupSize(order.from[level]);
    buildLevel(reversed, b);
    for (int slot = 1; slot <= out.slotsOn(level); ++slot)
      out.branch(level, slot).name = tree.branch(order.from[level], (slot - 1) % b + 1).name;
  }
  // A tree of more outcomes than construction lays out evenly, such as two dice, stands in rows.
  layOutTree(out);
  for (int level = 1; level <= order.count; ++level) {
    for (int slot = 1; slot <= out.slotsOn(level); ++slot) {
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
  // The class keeps seeing values as it chose to; the values above were typed at full length.
  out.decimalCount = tree.decimalCount;
  out.showFractions = tree.showFractions;
  carryLabelRows(state, order, reversed);
  reversed.reversal = reversalWorking(tree, order, out);
  return {std::move(reversed), {}};
}

std::vector<std::string> branchingNames(const Tree& tree) {
  std::vector<std::string> names;
  for (int level = 1; level <= tree.depth(); ++level) {
    std::string line;
    for (int slot = 1; slot <= tree.groupSize(level); ++slot) {
      std::string name(tree.branch(level, slot).name.view());
      std::erase(name, ' ');
      line += (slot > 1 ? ", " : "") + name;
    }
    names.push_back(line);
  }
  return names;
}

void reverseTree(Context& context) {
  // Told before the choice of the first branching, which a tree of another shape has not.
  if (std::optional<std::string> refusal = shapeRefusal(context.state.tree))
    return context.host.showMessage(*refusal, " ");
  int first = 2;
  if (context.state.tree.depth() == MostReversedBranchings) {
    const std::optional<int> chosen =
        context.host.chooseFirstBranching(branchingNames(context.state.tree));
    if (!chosen) return;
    first = *chosen;
  }
  ReversedTree reversed = reversedTree(context.state, first);
  if (!reversed.state) return context.host.showMessage(reversed.refusal, " ");
  // Only a reversal that will go on asks about the changes it would replace.
  if (!settleUnsavedChanges(context)) return;
  showReplacedTree(context, std::move(*reversed.state), w1252("Vendt træ"));
}

}  // namespace kvistra
