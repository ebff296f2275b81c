#include "tree/NaturalFrequencies.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <vector>

#include "text/TextFormat.h"
#include "tree/ExactValues.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

int parentSlot(const Tree& tree, int level, int slot) {
  return level == 1 ? 1 : tree.branch(level, slot).parentIndex;
}

// Each branch's probability of being reached: the product of the values along its path.
using Reached = std::array<std::array<Exact, MaxNodesPerLevel + 1>, MaxBranchings + 1>;

Reached reachedProbabilities(const Tree& tree, const ExactValues& values) {
  Reached reached{};
  reached[0][1] = 1;
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      reached[level][slot] =
          reached[level - 1][parentSlot(tree, level, slot)] * values(level, slot);
  return reached;
}

// The smallest N that makes every count whole, when it is at most LargestWholeTotal.
std::optional<std::int64_t> smallestWholeTotal(const Tree& tree, const Reached& reached) {
  mpz_class total = 1;
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
      mpz_lcm(total.get_mpz_t(), total.get_mpz_t(), reached[level][slot].get_den_mpz_t());
      if (total > LargestWholeTotal) return std::nullopt;
    }
  return total.get_si();
}

// Shares the parent's count among the group's branches: each gets its exact share rounded down,
// and the cases left over go one each to the largest remainders, the first branch on a tie.
void shareGroup(const Tree& tree, const ExactValues& values, const std::vector<int>& group,
                int level, NaturalFrequencies& frequencies) {
  const int parent = parentSlot(tree, level, group.front());
  const std::int64_t parentCount = frequencies.counts[level - 1][parent];
  std::vector<Exact> remainders;
  std::int64_t shared = 0;
  for (int slot : group) {
    const Exact exact = parentCount * values(level, slot);
    const mpz_class whole = exact.get_num() / exact.get_den();
    frequencies.counts[level][slot] = whole.get_si();
    frequencies.rounded[level][slot] =
        exact.get_den() != 1 || frequencies.rounded[level - 1][parent];
    remainders.push_back(exact - Exact(whole));
    shared += whole.get_si();
  }
  std::vector<std::size_t> order(group.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
  const auto left = static_cast<std::size_t>(
      std::clamp<std::int64_t>(parentCount - shared, 0, static_cast<std::int64_t>(group.size())));
  for (std::size_t i = 0; i < left; ++i) ++frequencies.counts[level][group[order[i]]];
}

// Adds a kept leaf's count to every branch on its path, and to the root.
void countKeptLeaf(const Tree& tree, const NaturalFrequencies& all, int k,
                   NaturalFrequencies& kept) {
  const std::int64_t count = all.leafCount(tree, k);
  const bool rounded = all.leafRounded(tree, k);
  const auto add = [&](BranchAt at) {
    kept.counts[at.level][at.slot] += count;
    kept.rounded[at.level][at.slot] = kept.rounded[at.level][at.slot] || rounded;
  };
  // From the leaf's own branching, which is not the last one when its path ends early.
  for (BranchAt at = tree.outcome(k); at.level >= 1; at = tree.above(at)) add(at);
  add({0, 1});
}

NaturalFrequencies keptCases(const Tree& tree, const NaturalFrequencies& all) {
  NaturalFrequencies kept;
  kept.total = all.total;
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
    if (tree.leaf(k).exists) countKeptLeaf(tree, all, k, kept);
  return kept;
}

}  // namespace

NaturalFrequencies naturalFrequencies(const Tree& tree, std::optional<std::int64_t> typedTotal) {
  const ExactValues values(tree);
  NaturalFrequencies frequencies;
  frequencies.total = typedTotal.value_or(
      smallestWholeTotal(tree, reachedProbabilities(tree, values)).value_or(RoundedTotal));
  frequencies.counts[0][1] = frequencies.total;
  for (int level = 1; level <= tree.depth(); ++level) {
    std::vector<int> group;
    const int slots = tree.slotsOn(level);
    for (int slot = 1; slot <= slots; ++slot) {
      group.push_back(slot);
      const bool groupEnds =
          slot == slots || parentSlot(tree, level, slot + 1) != parentSlot(tree, level, slot);
      if (!groupEnds) continue;
      shareGroup(tree, values, group, level, frequencies);
      group.clear();
    }
  }
  return frequencies;
}

NaturalFrequencies shownCases(const TreeState& state) {
  const NaturalFrequencies all = naturalFrequencies(state.tree, state.view.typedCaseCount);
  return showsConditionalValues(state) ? keptCases(state.tree, all) : all;
}

std::string groupedNumber(std::int64_t number) {
  std::string digits = std::to_string(number < 0 ? -number : number);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), " ");
  return number < 0 ? "-" + digits : digits;
}

std::string countText(std::int64_t count, bool rounded) {
  return (rounded ? "ca. " : "") + groupedNumber(count);
}

std::string eventFrequencyText(const TreeState& state, const NaturalFrequencies& all) {
  const Tree& tree = state.tree;
  const NaturalFrequencies kept = keptCases(tree, all);
  std::int64_t marked = 0;
  bool rounded = false;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    if (!tree.leaf(k).exists || !state.event.outcomeMarked[k]) continue;
    marked += all.leafCount(tree, k);
    rounded = rounded || all.leafRounded(tree, k);
  }
  const std::string event = countText(marked, rounded) + " ud af ";
  // On a whole tree the leaves hold all N, however they were rounded.
  if (!state.reduction.reduced) return event + groupedNumber(all.total);
  const std::string keptCount = countText(kept.counts[0][1], kept.rounded[0][1]);
  if (showsConditionalValues(state)) return event + keptCount;
  return event + "de " + keptCount + " i " + state.reduction.text + " (af " +
         groupedNumber(all.total) + " i alt)";
}

std::string simulatedEventText(const TreeState& state) {
  if (!state.simulation || state.simulation->trials == 0) return {};
  const SimulationTally& tally = *state.simulation;
  std::int64_t marked = 0;
  for (int k = 1; k <= state.tree.outcomeSlots(); ++k)
    if (state.event.outcomeMarked[k]) marked += tally.counts[k];
  Exact share{mpz_class(marked), mpz_class(tally.trials)};
  share.canonicalize();
  return groupedNumber(marked) + " af " + groupedNumber(tally.trials) + " = " +
         shownNumber(fixedPoint(share, 0, 4), state.view.decimalComma);
}

std::optional<std::int64_t> readCaseCount(const std::string& text, std::int64_t largest) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const std::string_view number =
      std::string_view(text).substr(first, text.find_last_not_of(' ') + 1 - first);
  std::int64_t value = 0;
  std::size_t groupDigits = 0;
  bool grouped = false;
  for (char c : number) {
    if (c == ' ' || c == '.') {
      // The first group has one to three digits, every later one three.
      const bool groupWhole = grouped ? groupDigits == 3 : groupDigits >= 1 && groupDigits <= 3;
      if (!groupWhole) return std::nullopt;
      grouped = true;
      groupDigits = 0;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    ++groupDigits;
    if (value > largest || (grouped && groupDigits > 3)) return std::nullopt;
  }
  if (groupDigits == 0 || (grouped && groupDigits != 3) || value < 1) return std::nullopt;
  return value;
}

}  // namespace kvistra
