#include "probabilities/ProbabilityInput.h"

#include "drawing/TreeDrawing.h"
#include "probabilities/ProbabilityReading.h"
#include "tree/CommandStates.h"
#include "tree/Dialogs.h"
#include "tree/Helpers.h"
#include "tree/Windows1252.h"

namespace kvistra {

namespace {

constexpr char CaptionBlank[] = " ";

// The branch's line in colour, with its name written again above it. The canvas is fetched
// anew each time: a dialog in between may have replaced it.
void drawBranchIn(Context& context, const Gren_Info& branch, Color color) {
  const TreeState& state = context.state;
  Canvas& canvas = context.host.drawingCanvas();
  const int left = state.drawOffsetX + branch.x;
  canvas.setPen(color, PenStyle::Solid);
  drawLine(canvas, left, branch.y, left + LevelPitch, branch.y);
  canvas.textOut(state.drawOffsetX + branch.nameX, branch.y - state.lineTextHeight,
                 branch.name.view());
  canvas.setPen(Black, PenStyle::Solid);
}

// Gives branch the rest of its group's probability, as entered and shown.
void completeBranch(Context& context, Gren_Info& branch) {
  TreeState& state = context.state;
  branch.probability = 1.0 - state.groupSum;
  state.groupSum = 1.0;
  branch.probabilityEntered = true;
  branch.enteredText = ProbabilityFormat(state, branch.probability);
  writeProbability(context, branch, branch.enteredText.str());
}

// Whether p needs CheckProbability before it is taken.
bool needsCheck(const TreeState& state, double p) {
  return state.groupSum + p > 1 || p <= 0 || p >= 1;
}

// Asks branch until a value is accepted or the dialog is cancelled.
void askUntilAccepted(Context& context, Gren_Info& branch) {
  TreeState& state = context.state;
  for (;;) {
    branch.probability = 0.0;
    askProbability(context);
    if (state.cancelled) return;
    branch.probability = state.enteredValue;
    branch.enteredText = state.probabilityText;
    const double p = branch.probability;
    if (!needsCheck(state, p) || CheckProbability(context, p)) return;
  }
}

}  // namespace

void askProbability(Context& context) {
  const ProbabilityReply reply = context.host.showProbabilityDialog();
  if (reply.cancelled)
    context.state.cancelled = true;
  else
    ReadProbabilityText(context.state, reply.text);
}

bool CheckProbability(Context& context, double p) {
  TreeState& state = context.state;
  const auto refuse = [&](const char* message) {
    context.host.showMessage(w1252(message), CaptionBlank);
    return false;
  };
  const auto confirm = [&](const char* question) {
    askYesNo(context, w1252(question), " ", KeepWidth);
    return state.answerYes;
  };
  // The dialog cannot take a minus; a negative value is refused all the same.
  if (p > 1 || p < 0) return refuse("Indtast en sandsynlighed !");
  // A 1 after other branches already hold probability would leave the group's last branch
  // negative, so it is refused like any value that makes the group exceed 1.
  if (p == 1 && state.groupSum > 0) return refuse("Sandsynlighederne skal give summen 1 !");
  if (p == 1) return confirm("Skal sandsynligheden være 1.000 ?");
  if (p == 0) return confirm("Skal sandsynligheden være 0.000 ?");
  return refuse("Sandsynlighederne skal give summen 1 !");
}

void EnterBranchProbability(Context& context) {
  TreeState& state = context.state;
  Gren_Info& branch = state.node(state.currentLevel, state.currentNode);
  const int b = branch.branchesPerNode;
  drawBranchIn(context, branch, Red);
  askUntilAccepted(context, branch);
  if (state.cancelled) {
    ResetAllProbabilities(context);
    return;
  }
  branch.probabilityEntered = true;
  drawBranchIn(context, branch, Black);
  const std::string text = ProbabilityFormat(state, branch.probability);
  state.groupSum += branch.probability;
  // The typed form, such as 1/6, stays whenever something was typed.
  if (branch.enteredText.view() <= std::string_view(" ")) branch.enteredText = text;
  writeProbability(context, branch, text);

  if (state.currentNode % b == b - 1) {
    ++state.currentNode;
    completeBranch(context, state.node(state.currentLevel, state.currentNode));
  } else if (b == 2) {
    completeBranch(context, state.node(state.currentLevel, state.currentNode - 1));
  }
}

void EnterSiblingGroup(Context& context) {
  TreeState& state = context.state;
  const int b = state.node(state.currentLevel, 1).branchesPerNode;
  do {
    ++state.currentNode;
    EnterBranchProbability(context);
  } while (!state.cancelled && state.currentNode % b != 0);
}

void SetFirstChances(Context& context) {
  TreeState& state = context.state;
  state.currentNode = 0;
  state.cancelled = false;
  // The first group starts from nothing, whatever an earlier command left in the sum.
  state.groupSum = 0.0;
  EnterSiblingGroup(context);
  if (state.cancelled) return;

  state.currentLevel = 2;
  state.currentNode = 0;
  state.groupSum = 0.0;
  state.canCopyAcross = state.node(2, 1).branchesPerNode == state.node(1, 1).branchesPerNode;
  if (!state.canCopyAcross) EnterSiblingGroup(context);
  state.canCopyDown = state.currentNode > 0;
  if (state.cancelled) return;

  state.cancelled = false;
  context.window.apply(SteppingCommands);
  showCopyCommands(context.window, state.canCopyAcross, state.canCopyDown);
}

void Stchancerp1Click(Context& context) {
  context.state.currentLevel = 1;
  SetFirstChances(context);
}

void ResetAllProbabilities(Context& context) {
  TreeState& state = context.state;
  state.groupSum = 0.0;
  for (int level = 1; level <= MaxBranchings; ++level) {
    for (int slot = 1; slot <= MaxNodesPerLevel; ++slot) {
      Gren_Info& branch = state.node(level, slot);
      branch.probabilityEntered = false;
      branch.probability = 0.0;
      branch.enteredText = "";
    }
  }
  // drawTree clears the whole drawing with the white background first.
  drawTree(state, context.window, context.host.drawingCanvas(), ScreenOffsetX);
  // Typing or copying on would build on groups that are gone, and a copy from a position that
  // "Sæt chancer på første grene" has since moved would read outside its level.
  state.canCopyAcross = false;
  state.canCopyDown = false;
  context.window.apply(ProbabilitiesClearedCommands);
}

bool AllLeavesEntered(const TreeState& state) {
  bool entered = true;
  for (int slot = 1; slot <= state.levelNodeCount; ++slot)
    entered = entered && state.leaf(slot).probabilityEntered;
  return entered;
}

bool AllBranchesEntered(const TreeState& state) {
  bool entered = AllLeavesEntered(state);
  for (int level = 1; level < state.branchingCount; ++level) {
    const int count = state.node(level, 1).levelNodeCount;
    for (int slot = 1; slot <= count; ++slot)
      entered = entered && state.node(level, slot).probabilityEntered;
  }
  return entered;
}

void writeProbability(Context& context, const Gren_Info& branch, const std::string& text) {
  const TreeState& state = context.state;
  context.host.drawingCanvas().textOut(state.drawOffsetX + branch.probX,
                                       branch.y - state.lineTextHeight, text);
}

void showCopyCommands(WindowState& window, bool across, bool down) {
  using enum Command;
  window.setEnabled(Kopiersandsynligheder1, across);
  window.setEnabled(SpeedButton1, across);
  window.setEnabled(Kopiersandsynligheder2, down);
  window.setEnabled(SpeedButton2, down);
}

}  // namespace kvistra
