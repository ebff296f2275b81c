// Frequencies that pass a chi-square test at a fixed seed (so never fail by chance), outcomes of
// probability 0 never drawn, runs that go on where they stopped, a seed's counts kept.
#include <gtest/gtest.h>

#include "chance/Simulation.h"
#include "events/EventTrees.h"

namespace kvistra {
namespace {

TEST(SimulationTest, FrequenciesFitTheProbabilitiesAndRunsGoOnWhereTheyStopped) {
  const std::vector<Exact> illness = {{9, 1000}, {1, 1000}, {891, 10000}, {9009, 10000}};
  const std::pair<std::vector<Exact>, double> cases[] = {
      // The limit is exceeded by chance once in a thousand runs.
      {illness, 16.27},
      {outcomeProbabilities(test_trees::FractionTree().tree), 54.05},
      {{0, Exact(1, 3), 0, Exact(2, 3), 0}, 10.83},
  };
  constexpr int Trials = 200'000;
  for (const auto& [probabilities, limit] : cases) {
    Simulation halves(probabilities, 2024), whole(probabilities, 2024);
    halves.run(Trials / 2);
    halves.run(Trials / 2);
    whole.run(Trials);
    EXPECT_EQ(halves.counts(), whole.counts());
    double chiSquare = 0;
    for (std::size_t i = 0; i < probabilities.size(); ++i) {
      const double expected = probabilities[i].get_d() * Trials;
      const auto observed = static_cast<double>(whole.counts()[i]);
      chiSquare += expected > 0 ? (observed - expected) * (observed - expected) / expected
                                : observed * 1e9;  // never drawn
    }
    EXPECT_LT(chiSquare, limit);
  }
  // Lessons keep a seed to show a run again: these counts must never change.
  Simulation lesson(illness, 1);
  lesson.run(1000);
  EXPECT_EQ(lesson.counts(), (std::vector<std::int64_t>{5, 0, 77, 918}));
}

}  // namespace
}  // namespace kvistra
