// Fuzzes the entering, copying and editing of probabilities: the first bytes choose a tree, the
// answers to the yes/no questions and a run of commands; the rest are the texts typed in the
// dialog, one a line, "~" pressing "Fortryd". After every command it checks what must always
// hold: no probability outside 0..1, every filled group summing to 1 (or holding zeros copied
// from a cleared tree), the input position inside the tree and not moved by an edit, and a
// complete tree, with the calculations open, exactly when every branch has its probability.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzTrees.h"
#include "PropertyCheck.h"
#include "construction/Construction.h"
#include "probabilities/BranchEditing.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "probabilities/ProbabilityReading.h"
#include "support/TreeBuilding.h"
#include "tree/Layout.h"

namespace kvistra {
namespace {

// Layout of an input: the tree's shape, yes/no answers, commands, then the typed lines.
constexpr std::size_t AnswerByte = fuzzing::ShapeBytes;
constexpr std::size_t CommandBytes = AnswerByte + 1;
constexpr std::size_t CommandByteCount = 4;
constexpr std::size_t HeaderSize = CommandBytes + CommandByteCount;
constexpr int CommandCount = static_cast<int>(CommandByteCount) * 4;

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
    lines.emplace_back(text.substr(start, end - start));
  lines.emplace_back(text.substr(start));
  return lines;
}

void scriptDialogs(testing::FakeHost& host, const std::vector<std::string>& lines,
                   uint8_t answers) {
  for (const auto& line : lines) {
    check(!std::isnan(probabilityValue(line)), "a typed text never reads as NaN");
    if (line == "~")
      host.probabilityReplies.push_back(std::nullopt);
    else
      host.probabilityReplies.push_back(line);
  }
  for (int i = 0; i < 64; ++i) host.yesNoReplies.push_back((answers >> (i % 8)) & 1);
}

// "Ret talværdi" on a branch that the command's place in the run picks.
void editByClick(Context& context, int i) {
  const TreeState& state = context.state;
  const int level = 1 + i % state.tree.branchingCount;
  const Branch& branch =
      state.tree.branch(level, 1 + (i * 5) % state.tree.branch(level, 1).levelNodeCount);
  const InputPosition before = state.input;
  chooseTool(context, ToolMode::EditValue);
  releaseOnDrawing(context, ScreenOffsetX + branch.x + LevelPitch / 2, branch.y);
  check(state.input.currentLevel == before.currentLevel &&
            state.input.currentSlot == before.currentSlot,
        "an edit leaves the input position where it was");
}

void run(Context& context, int command, int i) {
  const WindowState& window = context.window;
  switch (command) {
    case 0:
      if (window.isEnabled(Control::EnterProbabilitiesButton)) enterNextGroup(context);
      return;
    case 1:
      if (window.isEnabled(Control::CopyAcrossButton))
        copyNextGroup(context, CopyDirection::Across);
      return;
    case 2:
      if (window.isEnabled(Control::CopyDownButton)) copyNextGroup(context, CopyDirection::Down);
      return;
    default:
      if (window.isEnabled(Control::SetFirstProbabilities))
        setFirstProbabilities(context);
      else
        editByClick(context, i);
  }
}

void checkGroups(const TreeState& state) {
  for (int level = 1; level <= state.tree.branchingCount; ++level) {
    const int b = state.tree.branch(level, 1).branchesPerNode;
    const int n = state.tree.branch(level, 1).levelNodeCount;
    for (int first = 1; first <= n; first += b) {
      bool filled = true;
      double sum = 0.0;
      for (int slot = first; slot < first + b; ++slot) {
        const Branch& branch = state.tree.branch(level, slot);
        check(!std::isnan(branch.probability), "no probability is NaN");
        check(branch.probability >= 0.0 && branch.probability <= 1.0,
              "every probability lies in 0..1");
        filled = filled && branch.probabilityEntered;
        sum += branch.probability;
      }
      if (filled) check(std::abs(sum - 1.0) < 1e-9 || sum == 0.0, "a filled group sums to 1");
    }
  }
}

void checkState(const TreeState& state, const WindowState& window) {
  checkGroups(state);
  check(state.input.currentLevel >= 1 && state.input.currentLevel <= state.tree.branchingCount,
        "the input stays on the tree's levels");
  check(
      state.input.currentSlot >= 0 &&
          state.input.currentSlot <= state.tree.branch(state.input.currentLevel, 1).levelNodeCount,
      "the input stays within its level");
  if (state.input.allProbabilitiesEntered)
    check(allBranchesEntered(state), "a complete tree has every probability");
  check(window.isEnabled(Control::CalculationsMenu) == state.input.allProbabilitiesEntered,
        "the calculations are open exactly for a complete tree");
}

}  // namespace
}  // namespace kvistra

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace kvistra;
  if (size < HeaderSize) return 0;
  const std::string_view typed(reinterpret_cast<const char*>(data + HeaderSize), size - HeaderSize);
  testing::Fixture f;
  const std::vector<int> counts = fuzzing::branchCounts(data);
  beginTree(f.context, static_cast<int>(counts.size()));
  for (int b : counts)
    if (!f.state.tree.complete) addBranching(f.context, b);
  scriptDialogs(f.host, linesOf(typed), data[AnswerByte]);
  try {
    setFirstProbabilities(f.context);
    checkState(f.state, f.controls());
    for (int i = 0; i < CommandCount; ++i) {
      const uint8_t commands = data[CommandBytes + i / 4];
      run(f.context, (commands >> (2 * (i % 4))) & 3, i);
      checkState(f.state, f.controls());
    }
  } catch (const testing::ScriptExhausted&) {
    // The typed lines ran out in the middle of a command.
  }
  return 0;
}
