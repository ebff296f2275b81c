#include "probabilities/BranchEditing.h"

#include <string>

#include "construction/ShapeEditing.h"
#include "drawing/CountingTree.h"
#include "drawing/TreeDrawing.h"
#include "events/Reduction.h"
#include "host/Questions.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "results/ResultsList.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"
#include "tree/Layout.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

constexpr char CaptionBlank[] = " ";
// Wide enough to cover any probability written on a branch.
constexpr char ProbabilityBlanks[] = "             ";

// The first character of a name; an emptied name has none.
char firstLetter(const Branch& branch) {
  return branch.name.empty() ? '\0' : branch.name[0];
}

// The letters of the event language: a name must start with one to be written in an event.
bool isNameLetter(char c) {
  const auto code = static_cast<unsigned char>(c);
  return (c >= 'A' && c <= 'Z') || code == 197 || code == 198 || code == 216;
}

// Whether a branch other than those being renamed already starts with letter, so that two
// different branches would share a name.
bool letterInUse(const TreeState& state, char letter, char old) {
  for (int level = 1; level <= state.tree.depth(); ++level) {
    for (int slot = 1; slot <= state.tree.slotsOn(level); ++slot) {
      const char first = firstLetter(state.tree.branch(level, slot));
      if (first != old && first == letter) return true;
    }
  }
  return false;
}

// The new letter typed in the prompt, or nothing when the prompt was cancelled.
std::optional<char> askLetter(Context& context) {
  std::optional<std::string> answer;
  do {
    answer = askPrompt(context, " Nyt navn ?  ");
  } while (answer && *answer <= std::string(" "));
  if (!answer) return std::nullopt;
  return upcaseDanish((*answer)[0]);
}

// A reversed tree's working holds while every branch keeps the value the reversal gave it.
bool reversalWorkingHolds(const TreeState& state) {
  if (!state.reversal) return false;
  const Tree& tree = state.tree;
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      if (tree.branch(level, slot).probability != state.reversal->values[level][slot]) return false;
  return true;
}

// What was typed for a branch; with fractions shown, the value as a fraction and as a decimal
// ("2/4 = 0.5000"), unless its fraction is too long to read. A branch of a reversed tree, as the
// reversal left it, shows how its value was found instead.
std::string branchHintText(const TreeState& state, int level, int slot) {
  if (reversalWorkingHolds(state)) return state.reversal->lines[level][slot];
  const Branch& branch = state.tree.branch(level, slot);
  const bool comma = state.view.decimalComma;
  if (!state.tree.showFractions || !branch.probabilityEntered)
    return shownNumber(branch.typedText.str(), comma);
  const Exact value = exactBranchValue(state.tree, level, slot);
  const std::string fraction = branchFractionText(branch, value);
  if (fraction.size() > TypedProbability::capacity)
    return shownNumber(branch.typedText.str(), comma);
  std::string decimal = probabilityFormat(state, value);
  decimal.erase(0, decimal.find_first_not_of(' '));
  return shownNumber(fraction + " = " + decimal, comma);
}

}  // namespace

std::optional<BranchAddress> branchHitTest(const TreeState& state, PointerPoint point) {
  // The tree's branches are not drawn under the counting tree; a click must not reach them.
  if (drawsCountingTree(state)) return std::nullopt;
  const bool press = point == PointerPoint::Press;
  const int x = press ? state.pointer.pressX : state.pointer.releaseX;
  const int y = press ? state.pointer.pressY : state.pointer.releaseY;
  // Division truncates toward zero, so the points just left of level 1's band count as level 1.
  const int level = (x - ScreenOffsetX - branchLeft(1)) / LevelPitch + 1;
  if (level < 1 || level > state.tree.depth()) return std::nullopt;
  for (int slot = 1; slot <= state.tree.slotsOn(level); ++slot) {
    const Branch& branch = state.tree.branch(level, slot);
    const int left = ScreenOffsetX + branch.x;
    const bool inX = (press ? left < x : left <= x) && x <= left + BranchHitWidth;
    const bool inY = branch.y - state.textLift <= y && y <= branch.y + BranchHitBelowLine;
    if (inX && inY) return BranchAddress{level, slot};
  }
  return std::nullopt;
}

void chooseTool(Context& context, ToolMode mode) {
  context.host.drawOnScreen(
      [](Canvas& canvas) { canvas.textOut(ClickNoteX, ClickNoteY, w1252("Klik på en gren")); });
  context.state.pointer.toolMode = mode;
}

std::string toolNote(const TreeState& state) {
  if (state.pointer.toolMode == ToolMode::None) return copyPassingHint(state);
  return w1252("Klik på en gren, eller vælg den med piletasterne og tryk Enter");
}

void pressOnDrawing(Context& context, int x, int y) {
  TreeState& state = context.state;
  if (!state.tree.complete || state.pointer.toolMode != ToolMode::None) return;
  state.pointer.pressX = x;
  state.pointer.pressY = y;
  const std::optional<BranchAddress> hit = branchHitTest(state, PointerPoint::Press);
  if (!hit) return;
  context.window.branchHint = {true, x + BranchHintGap, y + BranchHintGap,
                               branchHintText(state, hit->level, hit->slot)};
}

void moveOnDrawing(WindowState& window) {
  window.branchHint.visible = false;
}

void releaseOnDrawing(Context& context, int x, int y) {
  TreeState& state = context.state;
  state.pointer.releaseX = x;
  state.pointer.releaseY = y;
  if (!state.tree.complete) return;
  clickAction(context);
  state.pointer.toolMode = ToolMode::None;
  context.host.repaintDrawing();
}

namespace {

// A click with a tool that changes the tree's shape: the input then goes on at the first group
// left without values, and a tree whose open groups went with the change is complete.
void clickWithShapeTool(Context& context, ShapeTool tool) {
  TreeState& state = context.state;
  const std::optional<BranchAddress> hit = branchHitTest(state, PointerPoint::Release);
  if (!hit) return;
  const bool completeBefore = state.input.allProbabilitiesEntered;
  changeShapeAt(context, {hit->level, hit->slot}, tool);
  state.input.allProbabilitiesEntered = allBranchesEntered(state);
  if (state.input.firstGroupsEntered) copyAvailability(context);
  if (!completeBefore && state.input.allProbabilitiesEntered) treeCompletion(context);
}

}  // namespace

void clickAction(Context& context) {
  TreeState& state = context.state;
  if (const std::optional<ShapeTool> tool = shapeToolOf(state.pointer.toolMode)) {
    clickWithShapeTool(context, *tool);
    return;
  }
  const int level = state.input.currentLevel;
  const int slot = state.input.currentSlot;
  const bool completeBefore = allBranchesEntered(state);
  const std::optional<BranchAddress> hit = branchHitTest(state, PointerPoint::Release);
  if (hit) {
    state.input.currentLevel = hit->level;
    state.input.currentSlot = hit->slot - 1;
    if (state.pointer.toolMode == ToolMode::EditValue) editBranchValue(context, *hit);
    if (state.pointer.toolMode == ToolMode::ReplaceLetter) replaceLetterInTree(context, *hit);
  }
  state.input.currentLevel = level;
  state.input.currentSlot = slot;
  // The tree is complete only when every branch, not just every leaf, has its probability.
  state.input.allProbabilitiesEntered = allBranchesEntered(state);
  // Typing the last missing group by clicking completes the tree as the stepping would have;
  // the stepping itself does nothing more once every probability is there.
  if (!completeBefore && state.input.allProbabilitiesEntered && state.tree.complete)
    treeCompletion(context);
  refreshReduction(context);
}

void editBranchValue(Context& context, BranchAddress clicked) {
  TreeState& state = context.state;
  // A cancelled edit leaves the tree as it was; the input would otherwise clear every value.
  const TreeState stateBefore = state;
  const WindowState windowBefore = context.window;
  const Slots group = state.tree.siblings(clicked.level, clicked.slot);
  const int b = group.size();
  const int k = clicked.slot;
  const bool lastOfGroup = k == group.last;
  // The last branch of a group of three or more is always computed, never typed.
  if (lastOfGroup && b != 2) {
    context.host.showMessage("Sandsynlighederne skal give summen 1.000", CaptionBlank);
    return;
  }
  // The second of a pair is asked on its own and the first completed from it.
  const int firstCleared = lastOfGroup ? k - 1 : k;
  state.input.groupSum = 0.0;
  for (int slot = group.first; slot < firstCleared; ++slot)
    state.input.groupSum += state.tree.branch(clicked.level, slot).probability;
  for (int slot = firstCleared; slot <= group.last; ++slot) {
    Branch& branch = state.tree.branch(clicked.level, slot);
    branch.probability = 0.0;
    branch.probabilityEntered = false;
    writeProbability(context, branch, ProbabilityBlanks);
  }
  state.input.cancelled = false;
  state.input.currentSlot = k - 1;
  enterSiblingGroup(context);
  if (state.input.cancelled) {
    state = stateBefore;
    context.window = windowBefore;
    paintTreeOnScreen(state, context.host);
    state.input.cancelled = false;
    return;
  }
  noteTreeChanged(context);
}

void replaceLetterInTree(Context& context, BranchAddress clicked) {
  TreeState& state = context.state;
  state.input.cancelled = false;
  const std::optional<char> letter = askLetter(context);
  if (!letter) return;
  const char old = firstLetter(state.tree.branch(clicked.level, clicked.slot));
  if (!isNameLetter(*letter)) {
    context.host.showMessage("Skriv et bogstav.", CaptionBlank);
    return;
  }
  if (letterInUse(state, *letter, old)) {
    context.host.showMessage("Bogstavet er allerede i brug.", CaptionBlank);
    return;
  }
  const int lift = state.textLift;
  for (int level = 1; level <= state.tree.depth(); ++level) {
    for (int slot = 1; slot <= state.tree.slotsOn(level); ++slot) {
      Branch& branch = state.tree.branch(level, slot);
      if (firstLetter(branch) != old) continue;
      branch.name = std::string{*letter, static_cast<char>('0' + level)};
      context.host.drawOnScreen([&](Canvas& canvas) {
        canvas.textOut(ScreenOffsetX + branch.nameX, branch.y - lift, branch.name.view());
      });
    }
  }
  noteTreeChanged(context);
  rebuildPathNames(state);
}

void setDecimalCount(Context& context, int decimals) {
  context.state.tree.decimalCount = decimals;
  context.state.tree.showFractions = false;
  paintTreeOnScreen(context.state, context.host);
}

void showFractions(Context& context) {
  context.state.tree.showFractions = true;
  paintTreeOnScreen(context.state, context.host);
}

void setDecimalComma(Context& context, bool comma) {
  context.state.view.decimalComma = comma;
  // A pane emptied by "Rens skema" stays without lines.
  if (!context.window.resultLines.empty()) rebuildResultsPane(context.state, context.window);
  context.window.reductionNote = reductionNote(context.state);
  paintTreeOnScreen(context.state, context.host);
}

void setConditionalValues(Context& context, bool conditional) {
  context.state.view.conditionalValues = conditional;
  paintTreeOnScreen(context.state, context.host);
}

void setHighlightEvent(Context& context, bool highlight) {
  context.state.view.highlightEvent = highlight;
  paintTreeOnScreen(context.state, context.host);
}

void setCountingTree(Context& context, bool shown) {
  context.state.view.countingTree = shown;
  paintTreeOnScreen(context.state, context.host);
}

}  // namespace kvistra
