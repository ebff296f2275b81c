#include "drawing/TreeDrawing.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "drawing/CountingTree.h"
#include "drawing/DistributionChart.h"
#include "drawing/SimulationChart.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"
#include "tree/NaturalFrequencies.h"
#include "tree/RandomVariable.h"
#include "tree/TreeHelpers.h"
#include "window/TrialsPane.h"

namespace kvistra {

namespace {

constexpr std::size_t MaxProbabilityChars = 12;

// The printout's results column and its reduction note, in page units above the tree's offset.
constexpr int ResultsFrameLeft = 4;
constexpr int ResultsFrameTop = 5;
constexpr int ResultsFrameBottom = 408;
constexpr int ResultsFrameGap = 20;  // between the frame and the tree
constexpr int ResultLineX = 10;
constexpr int ResultValueX = 160;
constexpr int NoteLeft = 5;
constexpr int NoteTop = 460;
constexpr int NoteBottom = 520;
constexpr int NoteTextX = 10;
constexpr int NoteFirstLineY = 470;
constexpr int NoteSecondLineY = 490;
constexpr int NoteMargin = 15;

// Where one drawing of the tree stands on its canvas.
struct Placement {
  int offsetX;
  int offsetY;
};

// A branch's value must end before the next level's connector; a fraction that does not is
// written as a decimal, which always fits.
constexpr int BranchValueRoom = LevelPitch - ProbabilityOffset - 4;
// A path probability keeps to the field its decimal fills.
constexpr std::size_t PathFieldChars = 12;
// The root's N ends this far before the root, the chart begins this far after the leaf labels.
constexpr int RootTotalGap = 4;
constexpr int ChartGap = 30;

// The values a drawing writes, made once from the exact values: each branch's, and each leaf's
// path probability, or their counts of N cases; with a simulation, each leaf's tally.
struct ShownValues {
  std::array<std::array<std::string, MaxNodesPerLevel + 1>, MaxBranchings + 1> branches;
  std::array<std::string, MaxOutcomes + 1> paths;
  // The random variable's value, "X = 2", right after the outcome's number.
  std::array<std::string, MaxOutcomes + 1> variable;
  bool inCounts = false;  // "Antal ud af N", on a tree that can be counted
  std::string total;      // the root's cases
  std::string outOf;      // " ud af N", after a shown event's leaves
  std::array<std::string, MaxOutcomes + 1> tallies;
  // The tally as read: "simuleret 25 af 1 000 (0.0250)".
  std::array<std::string, MaxOutcomes + 1> simulated;
};

// A branch's value; as a fraction, as typed, unless the value is one given the reduction, which
// nobody typed.
std::string branchValueText(const TreeState& state, Canvas& canvas, const Branch& branch,
                            const Exact& value, bool conditional) {
  if (state.tree.showFractions) {
    const std::string fraction =
        shownNumber(conditional ? fractionText(value) : branchFractionText(branch, value),
                    state.view.decimalComma);
    if (canvas.textWidth(fraction) <= BranchValueRoom) return fraction;
  }
  std::string text = probabilityFormat(state, value);
  if (text.size() > MaxProbabilityChars) text.resize(MaxProbabilityChars);
  return shownNumber(text, state.view.decimalComma);
}

// Outcome k's path probability as its leaf shows it, in a field of PathFieldChars; given the
// reduction, over the reduction's probability.
std::string pathText(const TreeState& state, const ExactValues& values, int k) {
  Exact path = exactPathProbability(state.tree, values, k);
  if (showsConditionalValues(state)) path /= exactReductionProbability(state, values);
  std::string text = fixedPoint(path, PathFieldChars, 4);
  if (state.tree.showFractions) {
    const std::string fraction = fractionText(path);
    if (fraction.size() <= PathFieldChars)
      text = std::string(PathFieldChars - fraction.size(), ' ') + fraction;
  }
  return shownNumber(text, state.view.decimalComma);
}

// Counts only of what has a value to count by: the check mark may stay on through a tree that is
// being entered or mended.
std::optional<NaturalFrequencies> shownFrequencies(const TreeState& state) {
  if (!state.view.naturalFrequencies || !computableTree(state)) return std::nullopt;
  return shownCases(state);
}

// What a drawing shows beside each leaf: its path probability or count, and its tally.
void fillLeafValues(const TreeState& state, const ExactValues& values,
                    const std::optional<NaturalFrequencies>& frequencies, ShownValues& shown) {
  const Tree& tree = state.tree;
  if (frequencies) {
    shown.inCounts = true;
    shown.total = countText(frequencies->counts[0][1], frequencies->rounded[0][1]);
    shown.outOf = " ud af " + shown.total;
  }
  const SimulationTally* tally = state.simulation ? &*state.simulation : nullptr;
  const std::size_t countWidth = tally ? groupedNumber(tally->trials).size() : 0;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    if (frequencies) {
      const std::string count =
          countText(frequencies->leafCount(tree, k), frequencies->leafRounded(tree, k));
      shown.paths[k] =
          std::string(PathFieldChars - std::min(PathFieldChars, count.size()), ' ') + count;
    } else {
      shown.paths[k] = pathText(state, values, k);
    }
    if (!tally || tally->trials == 0) continue;
    const std::string count = groupedNumber(tally->counts[k]);
    Exact share(mpz_class(tally->counts[k]), mpz_class(tally->trials));
    share.canonicalize();
    const std::string shareText =
        " (" + shownNumber(fixedPoint(share, 0, 4), state.view.decimalComma) + ")";
    shown.tallies[k] = "  " + std::string(countWidth - count.size(), ' ') + count + shareText;
    shown.simulated[k] = "simuleret " + count + " af " + groupedNumber(tally->trials) + shareText;
  }
}

// "X = 2" on each outcome while the variable is shown there; "X = ?" while its value waits.
void fillVariableValues(const TreeState& state, ShownValues& shown) {
  if (!state.variable || !state.view.variableOnOutcomes) return;
  const std::string name = std::string(1, state.variable->name) + " = ";
  for (int k = 1; k <= state.tree.outcomeSlots(); ++k) {
    const std::optional<Exact> x = variableValue(state.tree, *state.variable, k);
    shown.variable[k] = name + (x ? shownNumber(fractionText(*x), state.view.decimalComma) : "?");
  }
}

ShownValues shownValues(const TreeState& state, Canvas& canvas) {
  const Tree& tree = state.tree;
  const ExactValues values(tree);
  std::optional<ConditionalValues> given;
  if (showsConditionalValues(state)) given.emplace(tree, values);
  ShownValues shown;
  const std::optional<NaturalFrequencies> frequencies = shownFrequencies(state);
  fillLeafValues(state, values, frequencies, shown);
  fillVariableValues(state, shown);
  if (frequencies) {
    for (int level = 1; level <= tree.depth(); ++level)
      for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
        // Given the reduction, a removed branch has no cases left.
        const bool removed = showsConditionalValues(state) && !tree.branch(level, slot).exists;
        shown.branches[level][slot] = removed ? std::string()
                                              : countText(frequencies->counts[level][slot],
                                                          frequencies->rounded[level][slot]);
      }
    return shown;
  }
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
      // A branch with nothing given the reduction keeps its own value.
      const std::optional<Exact> conditional = given ? (*given)(level, slot) : std::nullopt;
      shown.branches[level][slot] =
          branchValueText(state, canvas, tree.branch(level, slot),
                          conditional.value_or(values(level, slot)), conditional.has_value());
    }
  return shown;
}

bool shownEventMarks(const TreeState& state, int k) {
  return state.event.shown && state.event.outcomeMarked[k];
}

// Counts and tallies are read leaf by leaf, so every leaf shows its own.
bool leafShowsValue(const TreeState& state, const ShownValues& shown, int k,
                    LeafValues leafValues) {
  const bool everyLeaf = shown.inCounts || state.simulation.has_value();
  return leafValues != LeafValues::ShownEvent || shownEventMarks(state, k) || everyLeaf;
}

std::string leafLabelWith(const TreeState& state, const ShownValues& shown, int k,
                          LeafValues leafValues = LeafValues::ShownEvent) {
  std::string number = std::to_string(k);
  if (number.size() < 2) number.insert(0, 2 - number.size(), ' ');
  std::string label = number + " ";
  if (!shown.variable[k].empty()) label += shown.variable[k] + "  ";
  const bool marked = shownEventMarks(state, k);
  if (leafShowsValue(state, shown, k, leafValues)) label += shown.paths[k];
  if (leafValues == LeafValues::Blank) return label;
  if (marked) label += shown.outOf;
  return label + shown.tallies[k];
}

int leafLabelX(const Branch& leaf, int offsetX) {
  return offsetX + leaf.x + LevelPitch + LeafLabelGap;
}

// Where the longest leaf label ends: the simulation chart begins after it.
int leafLabelsEnd(const TreeState& state, Canvas& canvas, const ShownValues& shown, int offsetX,
                  LeafValues leafValues) {
  int end = offsetX;
  for (int k = 1; k <= state.tree.outcomeSlots(); ++k) {
    const Branch& leaf = state.tree.leaf(k);
    if (leaf.exists)
      end = largerOf(end, leafLabelX(leaf, offsetX) +
                              canvas.textWidth(leafLabelWith(state, shown, k, leafValues)));
  }
  return end;
}

// The root's N ends a little before the root.
int rootTotalX(Canvas& canvas, const ShownValues& shown, int offsetX) {
  return offsetX + RootStemLength - RootTotalGap - canvas.textWidth(shown.total);
}

// The values the options leave blank give way to lines to write on.
void putBlanks(const TreeState& state, Canvas& canvas, const TreeDrawingOptions& options,
               ShownValues& shown) {
  for (int level = 1; level <= MaxBranchings; ++level)
    if (options.blankLevels[level]) shown.branches[level].fill(branchValueBlank(canvas));
  if (options.leafValues == LeafValues::Blank)
    for (int k = 1; k <= state.tree.outcomeSlots(); ++k) shown.paths[k] = pathBlank();
}

void writeBranchTexts(const TreeState& state, Canvas& canvas, const ShownValues& shown, int level,
                      int slot, Placement at) {
  const Branch& branch = state.tree.branch(level, slot);
  const int textY = branch.y + at.offsetY - state.textLift;
  canvas.textOut(at.offsetX + branch.nameX, textY, branch.name.view());
  if (!branch.probabilityEntered) return;
  canvas.textOut(at.offsetX + branch.probabilityX, textY, shown.branches[level][slot]);
}

void drawBranchLine(Canvas& canvas, const Branch& branch, Placement at) {
  const int left = at.offsetX + branch.x;
  drawLine(canvas, left, branch.y + at.offsetY, left + LevelPitch, branch.y + at.offsetY);
}

void drawPrinterReductionNote(const TreeState& state, Canvas& canvas, int offsetY) {
  const std::string probability = reductionProbabilityText(state);
  const std::string reduced = "Reduceret: " + cutWithDots(state.reduction.text, 45, 43);
  const std::string chance = w1252("Sands. på reduceret træ: ") + probability;
  const int width = largerOf(canvas.textWidth(reduced), canvas.textWidth(chance));
  canvas.rectangle(NoteLeft, offsetY + NoteTop, width + NoteMargin, offsetY + NoteBottom);
  canvas.textOut(NoteTextX, offsetY + NoteFirstLineY, reduced);
  canvas.textOut(NoteTextX, offsetY + NoteSecondLineY, chance);
}

void drawPrinterResults(const TreeState& state, Canvas& canvas, Placement at) {
  canvas.rectangle(ResultsFrameLeft, at.offsetY + ResultsFrameTop, at.offsetX - ResultsFrameGap,
                   at.offsetY + ResultsFrameBottom);
  const int rowHeight = canvas.textHeight("H");
  for (int i = 1; i <= state.results.count; ++i) {
    const ResultRow& row = state.results.rows[i];
    const int rowY = i * rowHeight + at.offsetY;
    canvas.textOut(ResultLineX, rowY, cutWithDots(row.line, 20, 18));
    if (!row.line.starts_with(w1252("Træet")))
      canvas.textOut(ResultValueX, rowY,
                     " " + shownNumber(row.value.str(), state.view.decimalComma));
  }
}

// Which leaf's path draws the lines of each branch, by level and slot: the last drawn leaf
// below it. A line is drawn the same wherever it is drawn again and covers what lies under it,
// so a shared branch's line drawn only by the last of its paths gives the same picture as one
// drawn by each of them. Texts are still written by every path: a letter's edge that reaches
// beyond its background (the ring of an Å) is blended anew with each writing.
using LastLeaves = std::array<std::array<int, MaxNodesPerLevel + 1>, MaxBranchings + 1>;

LastLeaves lastLeaves(const Tree& tree, bool existingOnly) {
  LastLeaves last{};
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    if (existingOnly && !tree.leaf(k).exists) continue;
    for (BranchAt at = tree.outcome(k); at.level >= 1; at = tree.above(at))
      last[at.level][at.slot] = k;
    last[0][1] = k;
  }
  return last;
}

// Draws the path of leaf k; with lastLeaves, only the lines that no later path draws again.
void drawPathAt(const TreeState& state, Canvas& canvas, const ShownValues& shown, int k,
                Placement at, bool solid, const LastLeaves* lastLeaves = nullptr) {
  const Tree& tree = state.tree;
  if (tree.depth() == 0) return;
  const auto linesDrawnHere = [&](int level, int slot) {
    return !lastLeaves || (*lastLeaves)[level][slot] == k;
  };
  canvas.setPen(Black, solid ? PenStyle::Solid : PenStyle::Dashed);
  const BranchAt leaf = tree.outcome(k);
  const Branch* child = &tree.branch(leaf);
  int childSlot = leaf.slot;
  drawBranchLine(canvas, *child, at);
  if (solid) writeBranchTexts(state, canvas, shown, leaf.level, leaf.slot, at);
  for (int level = leaf.level - 1; level >= 1; --level) {
    const Branch& parent = tree.branch(level, child->parentIndex);
    // The line joining a branch to its parent belongs to the branch.
    if (linesDrawnHere(level + 1, childSlot))
      drawLine(canvas, at.offsetX + parent.x + LevelPitch, parent.y + at.offsetY,
               at.offsetX + child->x, child->y + at.offsetY);
    if (linesDrawnHere(level, child->parentIndex)) drawBranchLine(canvas, parent, at);
    if (solid) writeBranchTexts(state, canvas, shown, level, child->parentIndex, at);
    childSlot = child->parentIndex;
    child = &parent;
  }
  const Branch& root = tree.root();
  if (linesDrawnHere(1, childSlot))
    drawLine(canvas, at.offsetX + root.x + LevelPitch, root.y + at.offsetY, at.offsetX + child->x,
             child->y + at.offsetY);
  if (solid && linesDrawnHere(0, 1))
    drawLine(canvas, at.offsetX, root.y + at.offsetY, at.offsetX + RootStemLength,
             root.y + at.offsetY);
  canvas.setPen(Black, PenStyle::Solid);
}

// The lines of a shown event's paths once more, in colour and thick, over the tree's own: every
// line and text stays where it was, the event only stands out.
void drawMarkedPaths(const TreeState& state, Canvas& canvas, Placement at) {
  const Tree& tree = state.tree;
  canvas.setPen(EventBlue, PenStyle::Thick);
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    if (!state.event.outcomeMarked[k] || !tree.leaf(k).exists) continue;
    for (BranchAt node = tree.outcome(k); node.level >= 1; node = tree.above(node)) {
      const Branch& branch = tree.branch(node);
      const Branch& parent =
          node.level == 1 ? tree.root() : tree.branch(node.level - 1, branch.parentIndex);
      drawBranchLine(canvas, branch, at);
      drawLine(canvas, at.offsetX + parent.x + LevelPitch, parent.y + at.offsetY,
               at.offsetX + branch.x, branch.y + at.offsetY);
    }
    const Branch& root = tree.root();
    drawLine(canvas, at.offsetX, root.y + at.offsetY, at.offsetX + RootStemLength,
             root.y + at.offsetY);
  }
  canvas.setPen(Black, PenStyle::Solid);
}

}  // namespace

std::string reductionProbabilityText(const TreeState& state) {
  return shownNumber(fixedPoint(exactReductionProbability(state, ExactValues(state.tree)), 6, 4),
                     state.view.decimalComma);
}

std::string leafLabel(const TreeState& state, int k) {
  ShownValues shown;
  fillLeafValues(state, ExactValues(state.tree), shownFrequencies(state), shown);
  return leafLabelWith(state, shown, k);
}

void drawPath(const TreeState& state, Canvas& canvas, int k, int offsetX, int offsetY, bool solid) {
  drawPathAt(state, canvas, shownValues(state, canvas), k, {offsetX, offsetY}, solid);
}

std::string branchValueBlank(Canvas& canvas) {
  const int underscores = BranchValueRoom / largerOf(1, canvas.textWidth("_"));
  return std::string(static_cast<std::size_t>(largerOf(3, underscores)), '_');
}

std::string pathBlank() {
  return std::string(PathFieldChars, '_');
}

namespace {

// The trials' chart stands where a tree's root would, below its heading and the trials' line.
constexpr int TrialsChartTop = 20;
constexpr int TrialsHeadingPitch = 24;
constexpr int TrialsChartWidth = 640;
constexpr int TrialsChartHeight = 360;
constexpr int TrialsChartRightMargin = 20;
const Font TrialsHeadingFont{"Arial", 16, true, TextEncoding::Utf8};
const Font TrialsLineFont{"Arial", 14, false, TextEncoding::Utf8};

ChartArea trialsChartArea(const Canvas& canvas, int offsetX, int offsetY) {
  const int width = std::min(TrialsChartWidth, canvas.width() - offsetX - TrialsChartRightMargin);
  return {offsetX, offsetY + TrialsChartTop + 2 * TrialsHeadingPitch, std::max(width, 0),
          TrialsChartHeight};
}

void drawTrialsChart(const TreeState& state, Canvas& canvas, int offsetX, int offsetY) {
  const DistributionPane pane = trialsPaneOf(state);
  canvas.setPen(Black, PenStyle::Solid);
  canvas.setFont(TrialsHeadingFont);
  canvas.textOut(offsetX, offsetY + TrialsChartTop, pane.heading);
  canvas.setFont(TrialsLineFont);
  canvas.textOut(offsetX, offsetY + TrialsChartTop + TrialsHeadingPitch, pane.trialsLine);
  drawDistributionChart(pane, canvas, trialsChartArea(canvas, offsetX, offsetY));
  // Whoever draws after the chart, such as a picture's caption, writes Windows-1252 again.
  canvas.setTextEncoding(TextEncoding::Windows1252);
}

}  // namespace

bool drawsTrialsChart(const TreeState& state) {
  return state.trials && state.tree.depth() == 0 && state.trials->count > MostTrialsCounted &&
         showsTrials(state);
}

void drawTree(const TreeState& state, Canvas& canvas, int offsetX,
              const TreeDrawingOptions& options) {
  const bool printer = canvas.isPrinter();
  const bool printerNotes = printer && options.printerNotes;
  const Placement at{offsetX, printer ? PrinterOffsetY : 0};
  if (!printer) canvas.fillRect(0, 0, canvas.width(), canvas.height());
  if (drawsCountingTree(state)) {
    drawCountingTree(state, canvas, at.offsetX, at.offsetY);
    if (printerNotes) drawPrinterResults(state, canvas, at);
    return;
  }
  if (drawsTrialsChart(state)) {
    // The results first, in the page's font, which the chart's fonts replace.
    if (printerNotes) drawPrinterResults(state, canvas, at);
    return drawTrialsChart(state, canvas, offsetX, at.offsetY);
  }

  const int leaves = state.tree.outcomeSlots();
  ShownValues shown = shownValues(state, canvas);
  putBlanks(state, canvas, options, shown);
  if (state.reduction.reduced) {
    if (printerNotes) drawPrinterReductionNote(state, canvas, at.offsetY);
    const LastLeaves dashed = lastLeaves(state.tree, false);
    for (int k = 1; k <= leaves; ++k) drawPathAt(state, canvas, shown, k, at, false, &dashed);
  }

  const LastLeaves solid = lastLeaves(state.tree, true);
  for (int k = 1; k <= leaves; ++k) {
    const Branch& leaf = state.tree.leaf(k);
    if (!leaf.exists) continue;
    drawPathAt(state, canvas, shown, k, at, true, &solid);
    canvas.textOut(leafLabelX(leaf, at.offsetX), leaf.y + at.offsetY - LeafLabelRise,
                   leafLabelWith(state, shown, k, options.leafValues));
  }
  if (!shown.total.empty())
    canvas.textOut(rootTotalX(canvas, shown, at.offsetX),
                   state.tree.root().y + at.offsetY - state.textLift, shown.total);
  if (state.simulation)
    drawSimulationChart(
        state, canvas,
        leafLabelsEnd(state, canvas, shown, at.offsetX, options.leafValues) + ChartGap, at.offsetY);

  if (state.event.shown && state.view.highlightEvent) drawMarkedPaths(state, canvas, at);
  if (printerNotes) drawPrinterResults(state, canvas, at);
}

void drawConstruction(const TreeState& state, Canvas& canvas) {
  const Tree& tree = state.tree;
  const int dx = ConstructionOffsetX;
  const int rootY = tree.root().y;
  drawLine(canvas, dx, rootY, dx + RootStemLength, rootY);
  for (int level = 1; level <= tree.builtBranchings; ++level) {
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
      const Branch& branch = tree.branch(level, slot);
      drawLine(canvas, dx + branch.x, branch.y, dx + branch.x + LevelPitch, branch.y);
      canvas.textOut(dx + branch.nameX, branch.y - state.textLift, branch.name.view());
    }
    for (int parent = 1; parent <= tree.slotsOn(level - 1); ++parent) {
      const Slots group = tree.children(level - 1, parent);
      if (group.size() == 0) continue;
      const Branch& top = tree.branch(level, group.first);
      const Branch& bottom = tree.branch(level, group.last);
      drawLine(canvas, dx + top.x, top.y, dx + top.x, bottom.y);
    }
  }
}

void paintTree(const TreeState& state, Canvas& canvas) {
  if (state.tree.complete || drawsCountingTree(state) || drawsTrialsChart(state))
    return drawTree(state, canvas, ScreenOffsetX);
  canvas.fillRect(0, 0, canvas.width(), canvas.height());
  if (state.tree.depth() > 0) drawConstruction(state, canvas);
}

void paintTreeOnScreen(const TreeState& state, Host& host) {
  host.drawOnScreen([&](Canvas& canvas) { paintTree(state, canvas); });
}

namespace {

// The text the names dialog gave the branch's name, if any.
std::string branchText(const LabelRows& labels, const std::string& name) {
  for (int row = 1; row <= labels.count && row <= MaxLabelRows; ++row) {
    const LabelRow& label = labels.rows[row];
    const std::string shownName = label.newName.empty() ? label.oldName.str() : label.newName.str();
    if (shownName == name) return label.text;
  }
  return {};
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// A branch's value as the drawing shows it; a branch without one shows nothing there.
std::string valueReading(const Branch& branch, const std::string& shownValue) {
  return branch.probabilityEntered ? trimmed(shownValue) : "ingen sandsynlighed endnu";
}

// What a leaf adds: its outcome, whether a shown event marks it, and what its label shows.
std::string leafReading(const TreeState& state, const ShownValues& shown, int k) {
  std::string text = ", udfald " + std::to_string(k);
  if (!shown.variable[k].empty()) text += ", " + shown.variable[k];
  const bool marked = shownEventMarks(state, k);
  if (state.event.shown) text += marked ? ", markeret" : ", ikke markeret";
  if (leafShowsValue(state, shown, k, LeafValues::ShownEvent))
    text += ", " + trimmed(shown.paths[k]) + (marked ? shown.outOf : "");
  if (!shown.simulated[k].empty()) text += ", " + shown.simulated[k];
  return text;
}

// outcome is the leaf's number, 0 for a branch that is no leaf.
std::string readingOf(const TreeState& state, const ShownValues& shown, int level, int slot,
                      int outcome) {
  const Tree& tree = state.tree;
  const Branch& branch = tree.branch(level, slot);
  std::string text = branchLabel(tree, level, slot);
  // Only a value the drawing writes; a removed branch on a tree of kept cases has no count.
  const std::string value = valueReading(branch, shown.branches[level][slot]);
  if (!value.empty()) text += ", " + value;
  const std::string explained = branchText(state.labels, branch.name.str());
  if (!explained.empty()) text += ", " + explained;
  if (!branch.exists) text += ", fjernet";
  if (outcome > 0) text += leafReading(state, shown, outcome);
  return text;
}

// The root's total, read before the branches as it stands before them.
void addTotalReading(const TreeState& state, Canvas& measurer, const ShownValues& shown,
                     std::vector<DrawingReading>& readings) {
  if (shown.total.empty()) return;
  const int left = rootTotalX(measurer, shown, ScreenOffsetX);
  const int top = state.tree.root().y - state.textLift;
  readings.push_back({0, 0, "I alt, " + shown.total, left, top,
                      left + measurer.textWidth(shown.total), top + measurer.textHeight("H")});
}

// The chart's heading and line, then its bars.
std::vector<DrawingReading> trialsChartReadings(const TreeState& state, Canvas& measurer) {
  const DistributionPane pane = trialsPaneOf(state);
  std::vector<DrawingReading> readings;
  int top = TrialsChartTop;
  for (const std::string* text : {&pane.heading, &pane.trialsLine}) {
    measurer.setFont(text == &pane.heading ? TrialsHeadingFont : TrialsLineFont);
    readings.push_back({0, 0, *text, ScreenOffsetX, top, ScreenOffsetX + measurer.textWidth(*text),
                        top + measurer.textHeight(*text), TextEncoding::Utf8});
    top += TrialsHeadingPitch;
  }
  for (DrawingReading& bar :
       distributionChartBarReadings(pane, measurer, trialsChartArea(measurer, ScreenOffsetX, 0)))
    readings.push_back(std::move(bar));
  return readings;
}

}  // namespace

std::vector<DrawingReading> drawingReadings(const TreeState& state, Canvas& measurer) {
  if (drawsCountingTree(state)) return countingTreeReadings(state, measurer, ScreenOffsetX, 0);
  std::vector<DrawingReading> readings;
  if (drawsTrialsChart(state)) return trialsChartReadings(state, measurer);
  const Tree& tree = state.tree;
  // A tree being built is read by its names, branching by branching, as it is drawn.
  const int levels = tree.complete ? tree.depth() : tree.builtBranchings;
  const int offsetX = tree.complete ? ScreenOffsetX : ConstructionOffsetX;
  const ShownValues shown = tree.complete ? shownValues(state, measurer) : ShownValues{};
  addTotalReading(state, measurer, shown, readings);
  // Paths may end on any branching: a leaf is read with its outcome wherever it stands.
  std::array<std::array<int, MaxNodesPerLevel + 1>, MaxBranchings + 1> outcomeOf{};
  if (tree.complete)
    for (int k = 1; k <= tree.outcomeSlots(); ++k) {
      const BranchAt leaf = tree.outcome(k);
      outcomeOf[leaf.level][leaf.slot] = k;
    }
  for (int level = 1; level <= levels && level <= MaxBranchings; ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
      const Branch& branch = tree.branch(level, slot);
      const int left = offsetX + branch.x;
      readings.push_back({level, slot,
                          tree.complete
                              ? readingOf(state, shown, level, slot, outcomeOf[level][slot])
                              : branchLabel(tree, level, slot),
                          left, branch.y - state.textLift, left + LevelPitch, branch.y + 4});
    }
  if (tree.complete && state.simulation) {
    const int chartLeft =
        leafLabelsEnd(state, measurer, shown, ScreenOffsetX, LeafValues::ShownEvent) + ChartGap;
    for (DrawingReading& bar : simulationChartReadings(state, measurer, chartLeft, 0))
      readings.push_back(std::move(bar));
  }
  return readings;
}

}  // namespace kvistra
