#include "probabilities/ProbabilityInput.h"

#include "drawing/TreeDrawing.h"
#include "host/Questions.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityReading.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"
#include "tree/TreeHelpers.h"

#include <cmath>

namespace kvistra {

namespace {

constexpr char CaptionBlank[] = " ";
constexpr char NoProbability[] = "Indtast en sandsynlighed !";

// The branch being asked for stands out: its line thick and red, its name written again.
void markAskedBranch(Context& context, const Branch& branch) {
  const int lift = context.state.textLift;
  context.host.drawOnScreen([&](Canvas& canvas) {
    const int left = ScreenOffsetX + branch.x;
    canvas.setPen(Red, PenStyle::Thick);
    drawLine(canvas, left, branch.y, left + LevelPitch, branch.y);
    canvas.textOut(ScreenOffsetX + branch.nameX, branch.y - lift, branch.name.view());
    canvas.setPen(Black, PenStyle::Solid);
  });
}

// The tree as it now stands, its values as the drawing writes them (decimals or fractions); it
// also takes away the mark, since a thick line drawn over in black would leave its edges red.
void drawValuesAndUnmark(Context& context) {
  paintTreeOnScreen(context.state, context.host);
}

// "B2 efter A1": the branch asked for, and the path that leads to it.
// Gives the branch at slot the rest of its group's probability, as entered.
void completeBranch(Context& context, int slot) {
  TreeState& state = context.state;
  const int level = state.input.currentLevel;
  Branch& branch = state.tree.branch(level, slot);
  branch.probability = 1.0 - state.input.groupSum;
  state.input.groupSum = 1.0;
  branch.probabilityEntered = true;
  branch.typedText = probabilityFormat(state, branch.probability);
}

// Whether p needs checkProbability before it is taken, compared exactly: 0.1, 0.2 and 0.7 make
// a group however the doubles round.
bool needsCheck(const Exact& groupSum, const Exact& p) {
  return groupSum + p > 1 || p <= 0 || p >= 1;
}

// Asks the branch at the input position until a value is accepted or the dialog is cancelled.
void askUntilAccepted(Context& context) {
  TreeState& state = context.state;
  const int level = state.input.currentLevel;
  const int slot = state.input.currentSlot;
  Branch& branch = state.tree.branch(level, slot);
  for (;;) {
    branch.probability = 0.0;
    const std::optional<TypedValue> typed = askProbability(context);
    if (!typed) return;
    // A text may read as no finite number at all ("5e432"), whatever keys the dialog lets by.
    if (!std::isfinite(typed->value)) {
      context.host.showMessage(NoProbability, CaptionBlank);
      continue;
    }
    branch.probability = typed->value;
    branch.typedText = typed->text;
    const Exact p = typedOrStoredValue(branch);
    const Exact groupSum = exactSumBefore(state.tree, level, slot);
    if (!needsCheck(groupSum, p) || checkProbability(context, p, groupSum)) return;
  }
}

}  // namespace

std::optional<TypedValue> askProbability(Context& context) {
  const InputPosition& at = context.state.input;
  const ProbabilityReply reply = context.host.showProbabilityDialog(
      branchLabel(context.state.tree, at.currentLevel, at.currentSlot));
  if (reply.cancelled) {
    context.state.input.cancelled = true;
    return std::nullopt;
  }
  return readProbabilityText(reply.text);
}

bool checkProbability(Context& context, const Exact& p, const Exact& groupSum) {
  const auto refuse = [&](const char* message) {
    context.host.showMessage(w1252(message), CaptionBlank);
    return false;
  };
  const auto confirm = [&](const char* question) {
    return askYesNo(context, w1252(question), " ", KeepWidth);
  };
  // The dialog cannot take a minus; a negative value is refused all the same.
  if (p > 1 || p < 0) return refuse(NoProbability);
  // A 1 after other branches already hold probability would leave the group's last branch
  // negative, so it is refused like any value that makes the group exceed 1.
  if (p == 1 && groupSum > 0) return refuse("Sandsynlighederne skal give summen 1 !");
  if (p == 1) return confirm("Skal sandsynligheden være 1.000 ?");
  if (p == 0) return confirm("Skal sandsynligheden være 0.000 ?");
  return refuse("Sandsynlighederne skal give summen 1 !");
}

void enterBranchProbability(Context& context) {
  TreeState& state = context.state;
  Branch& branch = state.tree.branch(state.input.currentLevel, state.input.currentSlot);
  const Slots group = state.tree.siblings(state.input.currentLevel, state.input.currentSlot);
  markAskedBranch(context, branch);
  askUntilAccepted(context);
  if (state.input.cancelled) {
    resetAllProbabilities(context);
    return;
  }
  branch.probabilityEntered = true;
  state.input.groupSum += branch.probability;
  // The typed form, such as 1/6, stays whenever something was typed.
  if (branch.typedText.view() <= std::string_view(" "))
    branch.typedText = probabilityFormat(state, branch.probability);

  // The group's last branch is never asked: it is what the others leave of 1.
  if (state.input.currentSlot == group.last - 1) {
    ++state.input.currentSlot;
    completeBranch(context, state.input.currentSlot);
  } else if (group.size() == 2) {
    completeBranch(context, state.input.currentSlot - 1);
  }
  drawValuesAndUnmark(context);
}

void enterSiblingGroup(Context& context) {
  TreeState& state = context.state;
  const Slots group = state.tree.siblings(state.input.currentLevel, state.input.currentSlot + 1);
  do {
    ++state.input.currentSlot;
    enterBranchProbability(context);
  } while (!state.input.cancelled && state.input.currentSlot < group.last);
}

void setFirstChances(Context& context) {
  TreeState& state = context.state;
  state.input.currentSlot = 0;
  state.input.cancelled = false;
  // The first group starts from nothing, whatever an earlier command left in the sum.
  state.input.groupSum = 0.0;
  enterSiblingGroup(context);
  if (state.input.cancelled) return;

  if (state.tree.depth() >= 2) {
    state.input.currentLevel = 2;
    state.input.currentSlot = 0;
    state.input.groupSum = 0.0;
    if (state.tree.groupSize(2) != state.tree.groupSize(1)) enterSiblingGroup(context);
    if (state.input.cancelled) return;
  }
  copyAvailability(context);

  state.input.cancelled = false;
  state.input.firstGroupsEntered = true;
  // A tree whose first groups are all it has is complete with them.
  state.input.allProbabilitiesEntered = allBranchesEntered(state);
  if (state.input.allProbabilitiesEntered) treeCompletion(context);
}

void setFirstProbabilities(Context& context) {
  context.state.input.currentLevel = 1;
  setFirstChances(context);
}

void resetAllProbabilities(Context& context) {
  TreeState& state = context.state;
  state.input.groupSum = 0.0;
  for (int level = 1; level <= MaxBranchings; ++level) {
    for (int slot = 1; slot <= MaxNodesPerLevel; ++slot) {
      Branch& branch = state.tree.branch(level, slot);
      branch.probabilityEntered = false;
      branch.probability = 0.0;
      branch.typedText = "";
    }
  }
  // drawTree clears the whole drawing with the white background first.
  paintTreeOnScreen(state, context.host);
  // Typing or copying on would build on groups that are gone, and a copy from a position that
  // "Sæt chancer på første grene" has since moved would read outside its level.
  state.input.canCopyAcross = false;
  state.input.canCopyDown = false;
  state.input.allProbabilitiesEntered = false;
  state.input.firstGroupsEntered = false;
}

bool allLeavesEntered(const TreeState& state) {
  bool entered = true;
  for (int slot = 1; slot <= state.tree.outcomeSlots(); ++slot)
    entered = entered && state.tree.leaf(slot).probabilityEntered;
  return entered;
}

bool allBranchesEntered(const TreeState& state) {
  bool entered = allLeavesEntered(state);
  for (int level = 1; level < state.tree.depth(); ++level) {
    for (int slot = 1; slot <= state.tree.slotsOn(level); ++slot)
      entered = entered && state.tree.branch(level, slot).probabilityEntered;
  }
  return entered;
}

void writeProbability(Context& context, const Branch& branch, const std::string& text) {
  const int lift = context.state.textLift;
  context.host.drawOnScreen([&](Canvas& canvas) {
    canvas.textOut(ScreenOffsetX + branch.probabilityX, branch.y - lift, text);
  });
}

}  // namespace kvistra
