#include "chance/Simulation.h"

#include <algorithm>

#include "tree/ExactValues.h"

namespace kvistra {

namespace {

// mpz_get_ui gives only 32 bits on some platforms, so the two halves are taken apart.
std::uint64_t toUint64(const mpz_class& value) {
  const mpz_class high = value >> 32;
  const mpz_class low = value - (high << 32);
  return (static_cast<std::uint64_t>(high.get_ui()) << 32) | low.get_ui();
}

}  // namespace

std::vector<Exact> outcomeProbabilities(const Tree& tree) {
  const ExactValues values(tree);
  std::vector<Exact> probabilities;
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
    probabilities.push_back(exactPathProbability(tree, values, k));
  return probabilities;
}

Simulation::Simulation(const std::vector<Exact>& weights, std::uint64_t seed)
    : seed_(seed), generator_(seed), counts_(weights.size(), 0) {
  std::vector<Exact> kept;
  Exact sum = 0;
  for (const Exact& weight : weights) {
    kept.push_back(sgn(weight) > 0 ? weight : Exact(0));
    sum += kept.back();
  }
  drawable_ = sgn(sum) > 0;
  if (!drawable_) return;
  std::size_t last = kept.size() - 1;
  while (sgn(kept[last]) == 0) --last;
  Exact cumulative = 0;
  for (std::size_t i = 0; i < last; ++i) {
    cumulative += kept[i] / sum;
    const mpz_class scaled = (cumulative.get_num() << 64) / cumulative.get_den();
    thresholds_.push_back(toUint64(scaled));
  }
  for (std::uint64_t top = 0; top < (1u << GuideBits); ++top) {
    const std::uint64_t smallest = top << (64 - GuideBits);
    guide_.push_back(static_cast<std::uint32_t>(
        std::upper_bound(thresholds_.begin(), thresholds_.end(), smallest) - thresholds_.begin()));
  }
}

void Simulation::run(std::int64_t trials) {
  if (!drawable_ || trials <= 0) return;
  for (std::int64_t trial = 0; trial < trials; ++trial) {
    const std::uint64_t drawn = generator_();
    std::size_t outcome = guide_[drawn >> (64 - GuideBits)];
    while (outcome < thresholds_.size() && thresholds_[outcome] <= drawn) ++outcome;
    ++counts_[outcome];
  }
  trials_ += trials;
}

}  // namespace kvistra
