#include "drawing/CountingTree.h"

#include <algorithm>
#include <string>
#include <utility>

#include "distribution/DisplayNumbers.h"
#include "distribution/RepeatedTrials.h"
#include "tree/TrialsDistribution.h"

namespace kvistra {

namespace {

// Six trials fit a window of 1024 x 768 at normal zoom; twelve still read, zoomed or scrolled.
constexpr int ColumnPitch = 100;
// A step rises or falls this much, so a column's nodes stand twice as far apart: room for a
// node's probability and the labels of the two steps between it and the node below.
constexpr int HalfRow = 46;
constexpr int HeadingTop = 10;
// The root's probability is centred on it and must stay right of the offset.
constexpr int FirstColumnInset = 30;
constexpr int LatticeGap = 20;  // between the legend and the top node's box
constexpr int BoxPadding = 4;   // left and right of the count
// Between a step's label and its line, and between a node's box and its probability.
constexpr int LabelGap = 3;
// A step's label ends just right of the step's middle: left of it the line runs away from the
// label, on the side the label stands.
constexpr int StepLabelShift = 4;
// A longer fraction is written as a decimal: p = 0.3 gives fractions of thirteen digits.
constexpr std::size_t LongestFraction = 9;

struct Step {
  bool possible = false;
  std::string text;
};

struct Node {
  bool reached = false;
  int paths = 0;
  Exact probability;
  Step success;
  Step failure;
};

// The trials counted: node (i, k) is nodes[i][k], k = 0..i.
struct Lattice {
  const RepeatedTrials& trials;
  std::string heading;
  std::vector<std::vector<Node>> nodes;
};

struct PlacedText {
  int x;
  int y;
  std::string text;
};

struct Segment {
  int x1, y1, x2, y2;
};

struct Box {
  int left, top, right, bottom;
};

// Everything the counting tree draws and reads, placed once for both.
struct LaidOut {
  std::vector<Segment> lines;
  std::vector<Box> boxes;
  std::vector<PlacedText> texts;
  std::vector<DrawingReading> readings;
  int bottom = 0;
};

bool countable(const RepeatedTrials& trials) {
  return trials.count <= MostTrialsCounted && trialsRefusal(trials).empty();
}

// A value as the tree's choice writes it; a fraction too long for the lattice as a decimal.
std::string shownValue(const Exact& value, const NumberStyle& style) {
  if (style.fractions) {
    const std::string fraction = displayNumber(value, style);
    if (displayLength(fraction) <= LongestFraction) return fraction;
  }
  return displayNumber(value, {false, style.decimals, style.decimalComma});
}

std::string headingOf(const RepeatedTrials& trials, const NumberStyle& style) {
  return "Tælletræ: " + trialsDescription(trials, style.decimalComma);
}

// The step from (i, k) to an outcome, of which `have` of `left` remain without replacement:
// its chance, written unreduced without replacement so that the urn shows (2 of the 4 left).
Exact stepChance(const RepeatedTrials& trials, const Exact& p, bool success, int have, int left,
                 const NumberStyle& style, Step& step) {
  Exact chance = success ? p : 1 - p;
  if (!trials.withReplacement) {
    chance = left > 0 ? Exact(have, left) : Exact(0);
    chance.canonicalize();
  }
  step.possible = sgn(chance) > 0;
  if (!step.possible) return chance;
  step.text = !trials.withReplacement && style.fractions
                  ? std::to_string(have) + "/" + std::to_string(left)
                  : shownValue(chance, style);
  return chance;
}

std::optional<Lattice> countedLattice(const TreeState& state) {
  if (!state.trials || !countable(*state.trials)) return std::nullopt;
  const RepeatedTrials& trials = *state.trials;
  const NumberStyle style{state.tree.showFractions, state.tree.decimalCount,
                          state.view.decimalComma};
  const int n = trials.count;
  const Exact p = *successProbability(trials);
  Lattice lattice{trials, headingOf(trials, style), {}};
  for (int i = 0; i <= n; ++i) lattice.nodes.emplace_back(static_cast<std::size_t>(i) + 1);
  Node& root = lattice.nodes[0][0];
  root = {true, 1, Exact(1), {}, {}};
  // Each node passes its paths and probability on along the steps that can happen, so the
  // counts are Pascal's triangle and the probabilities binomial or hypergeometric.
  for (int i = 0; i < n; ++i)
    for (int k = 0; k <= i; ++k) {
      Node& node = lattice.nodes[i][k];
      if (!node.reached) continue;
      const int left = trials.population - i;
      const int successesLeft = trials.populationSuccesses - k;
      const std::pair<bool, int> outcomes[] = {{true, successesLeft},
                                               {false, left - successesLeft}};
      for (const auto& [success, have] : outcomes) {
        Step& step = success ? node.success : node.failure;
        const Exact chance = stepChance(trials, p, success, have, left, style, step);
        if (!step.possible) continue;
        Node& next = lattice.nodes[i + 1][k + (success ? 1 : 0)];
        next.reached = true;
        next.paths += node.paths;
        next.probability += node.probability * chance;
      }
    }
  return lattice;
}

std::string nodeName(const RepeatedTrials& trials, int i, int k) {
  return "Efter " + std::to_string(i) + " forsøg " + std::to_string(k) + " " +
         std::string(1, trials.success);
}

void addText(LaidOut& laid, int x, int y, std::string text) {
  laid.texts.push_back({x, y, std::move(text)});
}

std::optional<LaidOut> layOut(const TreeState& state, Canvas& canvas, int offsetX, int offsetY) {
  const std::optional<Lattice> lattice = countedLattice(state);
  if (!lattice) return std::nullopt;
  const RepeatedTrials& trials = lattice->trials;
  const NumberStyle style{state.tree.showFractions, state.tree.decimalCount,
                          state.view.decimalComma};
  const int n = trials.count;
  const int lineHeight = canvas.textHeight("H");
  const int boxHalf = lineHeight / 2 + 2;
  const int headingY = offsetY + HeadingTop;
  const int legendY = headingY + lineHeight;
  const int topY = legendY + lineHeight + LatticeGap + boxHalf;
  const auto xOf = [&](int i) { return offsetX + FirstColumnInset + i * ColumnPitch; };
  const auto yOf = [&](int i, int k) { return topY + (n - 2 * k + i) * HalfRow; };

  LaidOut laid;
  const int headingWidth = canvas.textWidth(lattice->heading);
  addText(laid, offsetX, headingY, lattice->heading);
  laid.readings.push_back({0, 0, lattice->heading, offsetX, headingY, offsetX + headingWidth,
                           headingY + lineHeight, TextEncoding::Utf8});
  addText(laid, offsetX, legendY,
          "Opad: " + std::string(1, trials.success) + ", nedad: " + std::string(1, trials.failure) +
              ". I kassen: antal veje, under den: sandsynligheden.");
  for (int i = 0; i <= n; ++i)
    for (int k = i; k >= 0; --k) {
      const Node& node = lattice->nodes[i][k];
      if (!node.reached) continue;
      const int x = xOf(i);
      const int y = yOf(i, k);
      const std::string count = std::to_string(node.paths);
      const int countWidth = canvas.textWidth(count);
      const Box box{x - countWidth / 2 - BoxPadding, y - boxHalf,
                    x - countWidth / 2 + countWidth + BoxPadding, y + boxHalf};
      laid.boxes.push_back(box);
      addText(laid, x - countWidth / 2, y - lineHeight / 2, count);
      const std::string probability = shownValue(node.probability, style);
      const int probabilityWidth = canvas.textWidth(probability);
      const int probabilityX = x - probabilityWidth / 2;
      const int probabilityY = box.bottom + LabelGap;
      addText(laid, probabilityX, probabilityY, probability);
      const std::string name = nodeName(trials, i, k);
      laid.readings.push_back(
          {0, 0, name + ": " + count + (node.paths == 1 ? " vej, " : " veje, ") + probability,
           std::min(box.left, probabilityX), box.top,
           std::max(box.right, probabilityX + probabilityWidth), probabilityY + lineHeight,
           TextEncoding::Utf8});
      laid.bottom = std::max(laid.bottom, probabilityY + lineHeight);
      for (const bool success : {true, false}) {
        const Step& step = success ? node.success : node.failure;
        if (!step.possible) continue;
        const int nextX = xOf(i + 1);
        const int nextY = yOf(i + 1, k + (success ? 1 : 0));
        laid.lines.push_back({x, y, nextX, nextY});
        const int width = canvas.textWidth(step.text);
        const int left = (x + nextX) / 2 + StepLabelShift - width;
        const int middleY = (y + nextY) / 2;
        const int top = success ? middleY - LabelGap - lineHeight : middleY + LabelGap;
        addText(laid, left, top, step.text);
        const char letter = success ? trials.success : trials.failure;
        laid.readings.push_back({0, 0, name + ", så " + std::string(1, letter) + ": " + step.text,
                                 left, top, left + width, top + lineHeight, TextEncoding::Utf8});
      }
    }
  return laid;
}

}  // namespace

bool drawsCountingTree(const TreeState& state) {
  if (!state.trials || !countable(*state.trials)) return false;
  return state.view.countingTree || state.tree.depth() == 0;
}

void drawCountingTree(const TreeState& state, Canvas& canvas, int offsetX, int offsetY) {
  const DisplayTexts display(canvas);
  const std::optional<LaidOut> laid = layOut(state, canvas, offsetX, offsetY);
  if (!laid) return;
  canvas.setPen(Black, PenStyle::Solid);
  for (const Segment& line : laid->lines) drawLine(canvas, line.x1, line.y1, line.x2, line.y2);
  // The boxes cover the steps' ends, so every step leaves its node at the box's edge.
  for (const Box& box : laid->boxes) canvas.rectangle(box.left, box.top, box.right, box.bottom);
  for (const PlacedText& text : laid->texts) canvas.textOut(text.x, text.y, text.text);
}

std::vector<DrawingReading> countingTreeReadings(const TreeState& state, Canvas& measurer,
                                                 int offsetX, int offsetY) {
  const DisplayTexts display(measurer);
  std::optional<LaidOut> laid = layOut(state, measurer, offsetX, offsetY);
  if (!laid) return {};
  return std::move(laid->readings);
}

std::optional<int> countingTreeBottom(const TreeState& state, Canvas& measurer, int offsetY) {
  if (!drawsCountingTree(state)) return std::nullopt;
  const DisplayTexts display(measurer);
  const std::optional<LaidOut> laid = layOut(state, measurer, 0, offsetY);
  if (!laid) return std::nullopt;
  return laid->bottom;
}

}  // namespace kvistra
