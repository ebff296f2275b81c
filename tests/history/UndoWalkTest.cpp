#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "support/UndoWalk.h"

namespace kvistra::testing {
namespace {

// Random walks of commands, each undone step by step and redone: every step must come back as
// the work and the file text it was, whatever came before it. The seeds are fixed, so a failure
// is found again by its seed.
TEST(Session, UndoAndRedoGiveBackEveryStepOfAWalk) {
  const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "undo-walk";
  std::filesystem::create_directories(folder);
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 random(seed);
    const auto choose = [&](int n) {
      return static_cast<int>(random() % static_cast<unsigned>(n));
    };
    EXPECT_EQ(undoWalkFault(choose, 60, folder.string()), "") << "seed " << seed;
  }
}

}  // namespace
}  // namespace kvistra::testing
