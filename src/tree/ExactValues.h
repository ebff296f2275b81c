// The exact value of every branch, and the exact sums and products made of them. A branch keeps
// what was typed and the double the program computes with; its exact value is read from those
// two, so every way a probability is set, typed, filled in, copied, edited or loaded, carries it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "text/Exact.h"
#include "tree/TreeState.h"

namespace kvistra {

// Levels 0..6 and slots 1..64, as the tree's branches.
class ExactValues {
 public:
  explicit ExactValues(const Tree& tree);
  const Exact& operator()(int level, int slot) const { return values_[level][slot]; }

 private:
  std::array<std::array<Exact, MaxNodesPerLevel + 1>, MaxBranchings + 1> values_;
};

// What a branch's typed text or double alone says: the typed value when it agrees with the
// double to 15 significant digits, else the double's 15-digit decimal.
Exact typedOrStoredValue(const Branch& branch);

// The fraction typed for a branch, blanks left out ("2/4"), when it is the branch's value.
std::optional<std::string> typedFraction(const Branch& branch, const Exact& value);

// A branch's value as a fraction: as typed when it was typed as one ("2/4") and agrees with the
// branch, otherwise value reduced ("3/10").
std::string branchFractionText(const Branch& branch, const Exact& value);

// The exact value of a branch: the typed value when it agrees with the double; otherwise 1 minus
// its siblings when that agrees (a filled-in last branch); otherwise the double's 15-digit decimal.
Exact exactBranchValue(const Tree& tree, int level, int slot);

// The sum of the exact values of the branches of slot's group that stand before it.
Exact exactSumBefore(const Tree& tree, int level, int slot);

// The product along the path of outcome k.
Exact exactPathProbability(const Tree& tree, const ExactValues& values, int k);

// The marked outcomes' probability, and that of the outcomes that exist.
Exact exactMarkedSum(const TreeState& state, const ExactValues& values);
Exact exactExistingSum(const Tree& tree, const ExactValues& values);

// The probability the tree is reduced to (1 when it is not): the outcomes kept, summed exactly,
// when the probability the reduction holds is that sum but for the doubles' rounding (within
// 1e-9, as a group's sum); otherwise the held one's 15-digit decimal.
Exact exactReductionProbability(const TreeState& state, const ExactValues& values);

// Each branch's probability given the outcomes that exist and the path to its parent: the kept
// outcomes' probability through the branch over that through its parent. What a reduced tree's
// branches mean once the reduction has happened.
class ConditionalValues {
 public:
  ConditionalValues(const Tree& tree, const ExactValues& values);
  // Nothing for a branch that is not kept, or whose parent's kept outcomes have probability 0.
  const std::optional<Exact>& operator()(int level, int slot) const { return values_[level][slot]; }

 private:
  std::array<std::array<std::optional<Exact>, MaxNodesPerLevel + 1>, MaxBranchings + 1> values_;
};

}  // namespace kvistra
