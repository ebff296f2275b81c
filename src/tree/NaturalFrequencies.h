// "Antal ud af N": the tree's probabilities as counts of N cases, which pupils read more easily
// than products of fractions: of 10 000 people 100 are ill, and 90 of those test positive.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "tree/TreeState.h"

namespace kvistra {

// The tree chooses the smallest N that makes every count whole, up to this many cases; beyond
// it the counts of RoundedTotal cases are rounded.
inline constexpr std::int64_t LargestWholeTotal = 100000;
inline constexpr std::int64_t RoundedTotal = 1000;
// A typed N: from one case to as many as the simulation's largest run.
inline constexpr std::int64_t LargestTypedTotal = 1000000;

// The cases that reach each branch: the root holds all N, a branch its parent's cases times its
// probability. A count that is not whole is rounded by largest remainders within its group, so
// the counts of a group always add up to its parent's.
struct NaturalFrequencies {
  std::int64_t total = 0;
  // Levels 0..6 and slots 1..64, as the tree's branches; the root at [0][1].
  std::array<std::array<std::int64_t, MaxNodesPerLevel + 1>, MaxBranchings + 1> counts{};
  // Whether a count was rounded, and is shown as approximate.
  std::array<std::array<bool, MaxNodesPerLevel + 1>, MaxBranchings + 1> rounded{};

  std::int64_t leafCount(const Tree& tree, int k) const {
    const BranchAt leaf = tree.outcome(k);
    return counts[leaf.level][leaf.slot];
  }
  bool leafRounded(const Tree& tree, int k) const {
    const BranchAt leaf = tree.outcome(k);
    return rounded[leaf.level][leaf.slot];
  }
};

// The counts of a complete tree for typedTotal cases, or for the N the tree chooses.
NaturalFrequencies naturalFrequencies(const Tree& tree, std::optional<std::int64_t> typedTotal);

// The cases a drawing counts: all N; on a reduced tree shown given its reduction only the kept
// ones, as its probabilities are: each kept leaf keeps its count, a kept branch and the root hold
// those of the kept leaves below them, a removed branch none. The total stays N.
NaturalFrequencies shownCases(const TreeState& state);

// A whole number with a blank between thousands, as Danish teaching writes it: "10 000".
std::string groupedNumber(std::int64_t number);

// A count as the tree shows it: "ca. 90" when it was rounded (Windows-1252 has no "≈").
std::string countText(std::int64_t count, bool rounded);

// The marked outcomes' cases out of those they are counted among, from the counts of all N:
// "82 ud af 10 000"; on a reduced tree shown given its reduction "82 ud af 1 072", and on one
// drawn whole both: "82 ud af de 1 072 i A2 (af 10 000 i alt)".
std::string eventFrequencyText(const TreeState& state, const NaturalFrequencies& all);

// The marked outcomes' count in the simulation shown, out of its trials, and their share:
// "4 512 af 10 000 = 0,4512".
std::string simulatedEventText(const TreeState& state);

// A typed number of cases or trials: digits, optionally grouped in threes by a blank or a point
// ("1 000", "1.000", "1000"); nothing unless it is a whole number from 1 to largest.
std::optional<std::int64_t> readCaseCount(const std::string& text, std::int64_t largest);

}  // namespace kvistra
