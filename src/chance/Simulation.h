// Trials drawn at random from a tree's outcomes, each as often as its probability says, for a
// class to hold frequencies against probabilities. The generator is seeded and every step from
// its numbers to an outcome is fixed to the bit, so a seed repeats its run on every machine.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "text/Exact.h"
#include "tree/TreeState.h"

namespace kvistra {

// The probability of each outcome of the tree, at 0..n-1: its path product.
std::vector<Exact> outcomeProbabilities(const Tree& tree);

class Simulation {
 public:
  // Outcome i + 1 is drawn with probability weights[i] over their sum; a negative weight counts
  // as 0. With no weight above 0 nothing can be drawn, and no trial is made.
  Simulation(const std::vector<Exact>& weights, std::uint64_t seed);

  // Draws trials more, going on where the last run stopped: two runs of N count what one run of
  // 2N counts.
  void run(std::int64_t trials);

  std::uint64_t seed() const { return seed_; }
  std::int64_t trials() const { return trials_; }
  // How often each outcome has been drawn, at 0..n-1.
  const std::vector<std::int64_t>& counts() const { return counts_; }

 private:
  std::uint64_t seed_;
  std::mt19937_64 generator_;
  // A drawn 64-bit number u gives the outcome at the index that counts the thresholds at or
  // below u. Threshold i is the cumulative probability through outcome i + 1, times 2^64 and
  // rounded down, worked out exactly; the last outcome that can be drawn needs none.
  std::vector<std::uint64_t> thresholds_;
  // For each value of a drawn number's top bits, the outcome of the smallest number with those
  // bits: the search for the outcome starts there and rarely takes a step.
  static constexpr int GuideBits = 8;
  std::vector<std::uint32_t> guide_;
  std::vector<std::int64_t> counts_;
  std::int64_t trials_ = 0;
  bool drawable_ = false;
};

}  // namespace kvistra
