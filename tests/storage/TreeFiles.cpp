#include "storage/TreeFiles.h"

#include "construction/Construction.h"
#include "names/BranchNames.h"
#include "text/Windows1252.h"
#include "tree/TreeHelpers.h"

namespace kvistra::testing {

namespace {

// What a reduction leaves: the kept leaves and every branch above one of them.
void reduceTo(TreeState& state, const std::vector<int>& kept) {
  Tree& tree = state.tree;
  const int deepest = tree.branchingCount;
  for (int level = 1; level <= deepest; ++level)
    for (int slot = 1; slot <= tree.branch(level, 1).levelNodeCount; ++slot)
      tree.branch(level, slot).exists = false;
  double probability = 0.0;
  for (int k : kept) {
    probability += pathProbability(state, k);
    for (int level = deepest, slot = k; level >= 1;
         slot = tree.branch(level, slot).parentIndex, --level)
      tree.branch(level, slot).exists = true;
  }
  state.reduction = {true, "REDUC" + std::to_string(kept.size()), probability};
}

}  // namespace

void makeSavedTree(Fixture& f, const SavedTree& tree) {
  beginTree(f.context, static_cast<int>(tree.branchCounts.size()));
  for (int b : tree.branchCounts)
    if (!f.state.tree.complete) addBranching(f.context, b);
  f.enterUniformProbabilities();
  TreeState& state = f.state;
  for (int level = 1; level <= state.tree.branchingCount; ++level)
    for (int slot = 1; slot <= state.tree.branch(level, 1).levelNodeCount; ++slot)
      state.tree.branch(level, slot).typedText =
          "1/" + std::to_string(tree.branchCounts[level - 1]);
  if (!tree.keptOutcomes.empty()) reduceTo(state, tree.keptOutcomes);
  for (int i = 1; i <= tree.results; ++i)
    state.results.rows[i] = {"A1B" + std::to_string(i), "0." + std::to_string(1000 + i)};
  state.results.count = tree.results;
  if (tree.nameRows) {
    state.labels.count = labelRowsOf(state.tree);
    for (int i = 1; i <= state.labels.count; ++i) {
      state.labels.rows[i].newName = std::string(1, static_cast<char>('K' + i));
      state.labels.rows[i].text = w1252("Grøn æble nr. ") + std::to_string(i);
    }
    applyLabelRows(state);
  }
}

std::vector<std::string> fileLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const std::string& end) {
  std::string text;
  for (const auto& line : lines) text += line + end;
  return text;
}

}  // namespace kvistra::testing
