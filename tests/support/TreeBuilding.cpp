#include "support/TreeBuilding.h"

#include "construction/Construction.h"
#include "text/Exact.h"
#include "window/Controls.h"
#include "window/Startup.h"

namespace kvistra::testing {

Fixture::Fixture() {
  showMainWindow(state, window);
  liftTexts(state, host.canvas.textHeight("H"));
}

const WindowState& Fixture::controls() {
  showControls(state, window);
  return window;
}

void Fixture::build(int branchings, std::initializer_list<int> branchCounts) {
  beginTree(context, branchings);
  for (int b : branchCounts) {
    if (state.tree.complete) break;
    addBranching(context, b);
  }
}

void Fixture::enterUniformProbabilities() {
  for (int level = 1; level <= state.tree.branchingCount; ++level) {
    for (int slot = 1; slot <= state.tree.branch(level, 1).levelNodeCount; ++slot) {
      Branch& branch = state.tree.branch(level, slot);
      branch.probability = 1.0 / branch.branchesPerNode;
      branch.probabilityEntered = true;
    }
  }
}

void Fixture::enterTyped(int level, std::initializer_list<const char*> typed) {
  int slot = 0;
  for (const char* text : typed) {
    Branch& branch = state.tree.branch(level, ++slot);
    branch.typedText = text;
    branch.probability = readExact(text).value_or(0).get_d();
    branch.probabilityEntered = true;
  }
}

void Fixture::type(std::initializer_list<std::optional<std::string>> entries) {
  for (const auto& entry : entries) host.probabilityReplies.push_back(entry);
}

std::vector<double> levelProbabilities(const TreeState& state, int level) {
  std::vector<double> values;
  for (int slot = 1; slot <= state.tree.branch(level, 1).levelNodeCount; ++slot)
    values.push_back(state.tree.branch(level, slot).probability);
  return values;
}

}  // namespace kvistra::testing
