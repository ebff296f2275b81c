#include <gtest/gtest.h>

#include <algorithm>

#include "drawing/TreeDrawing.h"
#include "events/Reduction.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "tree/TreeHelpers.h"

namespace kvistra {
namespace {

using testing::DrawnLine;
using testing::Fixture;
using testing::RecordingCanvas;

constexpr auto Solid = PenStyle::Solid;
constexpr auto Dashed = PenStyle::Dashed;

TEST(DrawTree, FinishedTwoByTwoScreenTree) {
  Fixture f;
  f.build({2, 2});
  f.enterUniformProbabilities();
  RecordingCanvas canvas;
  drawTree(f.state, canvas, ScreenOffsetX);
  const int h = f.state.textLift;

  EXPECT_EQ(canvas.rects.front(), (testing::DrawnRect{0, 0, 1000, 700, true}));  // erased first
  const DrawnLine lines[] = {
      {50, 245, 80, 245, Solid},   {80, 137, 180, 137, Solid},  {80, 353, 180, 353, Solid},
      {180, 83, 280, 83, Solid},   {180, 191, 280, 191, Solid}, {180, 299, 280, 299, Solid},
      {180, 407, 280, 407, Solid}, {80, 245, 80, 137, Solid},   {80, 245, 80, 353, Solid},
      {180, 137, 180, 83, Solid},  {180, 137, 180, 191, Solid}, {180, 353, 180, 299, Solid},
      {180, 353, 180, 407, Solid},
  };
  for (const auto& line : lines)
    EXPECT_TRUE(canvas.hasLine(line))
        << line.x1 << "," << line.y1 << "-" << line.x2 << "," << line.y2;
  EXPECT_EQ(canvas.lines.size(), std::size(lines)) << "a shared branch's lines are drawn once";
  EXPECT_TRUE(std::all_of(canvas.lines.begin(), canvas.lines.end(),
                          [](const DrawnLine& l) { return l.style == Solid; }));
  EXPECT_TRUE(canvas.hasText(85, 137 - h, "A1"));
  EXPECT_TRUE(canvas.hasText(85, 353 - h, "B1"));
  EXPECT_TRUE(canvas.hasText(185, 83 - h, "A2"));
  EXPECT_TRUE(canvas.hasText(185, 407 - h, "B2"));
  EXPECT_TRUE(canvas.hasText(120, 137 - h, "0.5000"));
  EXPECT_TRUE(canvas.hasText(220, 299 - h, "0.5000"));
  const int leafYs[] = {83, 191, 299, 407};
  for (int k = 1; k <= 4; ++k)
    EXPECT_TRUE(canvas.hasText(290, leafYs[k - 1] - 8, " " + std::to_string(k) + " ")) << k;
}

TEST(DrawTree, TextsFollowEntryEventAndDecimals) {
  Fixture f;
  f.build({3, 2});
  f.enterUniformProbabilities();
  f.state.tree.branch(2, 6).probabilityEntered = false;
  f.state.tree.decimalCount = 2;
  f.state.event.shown = true;
  f.state.event.outcomeMarked[1] = true;
  RecordingCanvas canvas;
  drawTree(f.state, canvas, ScreenOffsetX);
  const int h = f.state.textLift;
  const Branch& first = f.state.tree.branch(1, 1);
  const Branch& unentered = f.state.tree.branch(2, 6);

  EXPECT_TRUE(canvas.hasText(50 + first.probabilityX, first.y - h, "0.33"));
  EXPECT_TRUE(canvas.hasText(50 + unentered.nameX, unentered.y - h, "B2"));
  EXPECT_EQ(canvas.textsAt(unentered.y - h), std::vector<std::string>{"B2"});
  const Branch& leaf1 = f.state.tree.branch(2, 1);
  EXPECT_TRUE(canvas.hasText(290, leaf1.y - 8, " 1       0.1667"));  // path probability, 4 decimals
  const Branch& leaf2 = f.state.tree.branch(2, 2);
  EXPECT_TRUE(canvas.hasText(290, leaf2.y - 8, " 2 "));

  // The marked path, and only it, is laid over thick and blue, unless that is turned off.
  const auto thickBlue = [&](const Branch& b) {
    return canvas.hasLine({50 + b.x, b.y, 150 + b.x, b.y, PenStyle::Thick, EventBlue});
  };
  EXPECT_TRUE(thickBlue(leaf1) && thickBlue(first));
  EXPECT_FALSE(thickBlue(leaf2));
  f.state.view.highlightEvent = false;
  canvas.clear();
  drawTree(f.state, canvas, ScreenOffsetX);
  EXPECT_FALSE(thickBlue(leaf1));
}

TEST(DrawTree, ReducedTreeDrawsRemovedPathsDashedOnly) {
  Fixture f;
  f.build({2, 2});
  f.enterUniformProbabilities();
  f.state.reduction.reduced = true;
  f.state.reduction.text = "A1";
  f.state.reduction.probability = 0.25;
  f.state.tree.branch(1, 2).exists = false;
  f.state.tree.branch(2, 3).exists = false;
  f.state.tree.branch(2, 4).exists = false;
  RecordingCanvas canvas;
  drawTree(f.state, canvas, ScreenOffsetX);

  EXPECT_TRUE(canvas.hasLine({180, 299, 280, 299, Dashed}));
  EXPECT_FALSE(canvas.hasLine({180, 299, 280, 299, Solid}));
  EXPECT_TRUE(canvas.hasLine({180, 83, 280, 83, Dashed}));
  EXPECT_TRUE(canvas.hasLine({180, 83, 280, 83, Solid}));
  EXPECT_FALSE(canvas.hasLine({50, 245, 80, 245, Dashed}));  // the stub is drawn solid only
  EXPECT_TRUE(canvas.hasText(290, 83 - 8, " 1 "));
  EXPECT_TRUE(canvas.hasText(290, 191 - 8, " 2 "));
  EXPECT_TRUE(canvas.textsAt(299 - 8).empty());
  EXPECT_TRUE(canvas.textsAt(407 - 8).empty());
  EXPECT_TRUE(canvas.textsAt(353 - f.state.textLift).empty());  // no name on removed B1
  const ReductionNote note = reductionNote(f.state);
  EXPECT_TRUE(note.highlighted);
  EXPECT_EQ(note.event, "Reduc: A1");
  EXPECT_EQ(note.probability, w1252("Sands. på reduc. træ:") + "0.2500");
  EXPECT_EQ(canvas.penStyle, Solid);
}

TEST(DrawTree, ReductionNoteIsCutOnScreenAndPaper) {
  struct Case {
    std::string text;
    bool printer;
    std::string shown;
  };
  const Case cases[] = {
      {std::string(18, 'A'), false, std::string(18, 'A')},
      {std::string(19, 'A'), false, std::string(16, 'A') + ".."},
      {std::string(45, 'B'), true, std::string(45, 'B')},
      {std::string(46, 'B'), true, std::string(43, 'B') + ".."},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.build({2, 2});
    f.state.reduction.reduced = true;
    f.state.reduction.text = c.text;
    RecordingCanvas canvas(c.printer);
    drawTree(f.state, canvas, c.printer ? PrinterOffsetX : ScreenOffsetX);
    if (c.printer) {
      EXPECT_TRUE(canvas.hasText(10, 150 + 470, "Reduceret: " + c.shown)) << c.text;
      EXPECT_TRUE(canvas.hasText(10, 150 + 490, w1252("Sands. på reduceret træ: ") + "1.0000"));
      const int width = 8 * static_cast<int>(("Reduceret: " + c.shown).size());
      EXPECT_EQ(canvas.rects.front(), (testing::DrawnRect{5, 610, width + 15, 670, false}));
    } else {
      EXPECT_EQ(reductionNote(f.state).event, "Reduc: " + c.shown) << c.text;
    }
  }
}

TEST(DrawTree, PrinterFramesAndListsResults) {
  Fixture f;
  f.build({2, 2});
  f.enterUniformProbabilities();
  f.state.results.count = 3;
  f.state.results.rows[1] = {"A1", "    0.5000"};
  f.state.results.rows[2] = {w1252("Træet er ændret"), ""};
  f.state.results.rows[3] = {"A1B2,B1A2,(A1,B1)B2,C2", "    0.7500"};
  RecordingCanvas printer(true);
  drawTree(f.state, printer, PrinterOffsetX);

  EXPECT_TRUE(std::none_of(printer.rects.begin(), printer.rects.end(),
                           [](const auto& r) { return r.filledOnly; }));  // paper is not erased
  EXPECT_TRUE(printer.hasLine({250, 395, 280, 395, Solid}));              // root stub, y + 150
  EXPECT_TRUE(printer.hasText(250 + 240, 83 + 150 - 8, " 1 "));
  EXPECT_EQ(printer.rects.back(), (testing::DrawnRect{4, 155, 230, 558, false}));
  EXPECT_TRUE(printer.hasText(10, 14 + 150, "A1"));
  EXPECT_TRUE(printer.hasText(160, 14 + 150, "     0.5000"));
  EXPECT_EQ(printer.textsAt(28 + 150), std::vector<std::string>{w1252("Træet er ændret")});
  EXPECT_TRUE(printer.hasText(10, 42 + 150, "A1B2,B1A2,(A1,B1)B..")) << "cut at 20 to 18 + ..";
}

// Values are written as typed, as reduced fractions, or, where a fraction would run into the
// next level or out of the leaf's field, as decimals. On the urn reduced to the kept outcomes,
// values are given the reduction: the second draw given the first is one half. The reduction's
// probability is held as a sum of doubles, which may miss the exact sum in the 15th digit.
TEST(DrawTree, FractionsWhereTheyFitCommaAndValuesGivenTheReduction) {
  struct Case {
    const char* typedA1;
    const char* typedB1;
    std::vector<int> kept;  // none: not reduced
    bool fractions, comma;
    const char* a1;
    const char* a2;
    const char* path1;  // beside marked leaf 1
  };
  const Case cases[] = {
      {"0.6", "0.4", {}, true, false, "3/5", "2/4", "3/10"},
      {"0.127", "0.873", {}, true, false, "0.1270", "2/4", "127/2000"},  // 8 characters too wide
      {"0.127", "0.873", {}, false, true, "0,1270", "0,5000", "0,0635"},
      {"0.1234567", "0.8765433", {}, true, false, "0.1235", "2/4", "0.0617"},  // over 12
      {"3/5", "2/5", {1, 2}, true, false, "1", "1/2", "1/2"},
      {"3/5", "2/5", {1, 3}, true, false, "1/2", "1", "1/2"},
      {"1", "0", {1, 3}, true, true, "1", "1", "1"},  // B1's kept outcomes have probability 0
  };
  for (const auto& c : cases) {
    Fixture f;
    f.build({2, 2});
    f.enterTyped(1, {c.typedA1, c.typedB1});
    f.enterTyped(2, {"2/4", "2/4", "3/4", "1/4"});
    f.state.tree.showFractions = c.fractions;
    f.state.view = {c.comma, false, true};
    if (!c.kept.empty()) {
      for (int k = 1; k <= 4; ++k) f.state.tree.branch(2, k).exists = std::ranges::count(c.kept, k);
      f.state.reduction = {true, "R", existingOutcomesProbability(f.state) - 1e-15};
    }
    f.state.event.shown = f.state.event.outcomeMarked[1] = true;
    RecordingCanvas canvas;
    drawTree(f.state, canvas, ScreenOffsetX);
    const Branch& a1 = f.state.tree.branch(1, 1);
    const Branch& a2 = f.state.tree.branch(2, 1);
    EXPECT_TRUE(canvas.hasText(50 + a1.probabilityX, a1.y - f.state.textLift, c.a1)) << c.a1;
    EXPECT_TRUE(canvas.hasText(50 + a2.probabilityX, a2.y - f.state.textLift, c.a2)) << c.a2;
    const std::string path = c.path1;
    EXPECT_TRUE(canvas.hasText(290, a2.y - 8, " 1 " + std::string(12 - path.size(), ' ') + path));
  }
}

}  // namespace
}  // namespace kvistra
