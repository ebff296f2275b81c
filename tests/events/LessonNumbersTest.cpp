// One tree as a class sees it: the counts of N, the approve box, the working and the answer key
// tell the same numbers, on a whole and on a reduced tree.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "drawing/TreeDrawing.h"
#include "events/EventCalculation.h"
#include "events/Reduction.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "results/ResultsList.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "worksheets/Worksheet.h"

namespace kvistra {
namespace {

using testing::Fixture;
using Lines = std::vector<std::string>;

// The illness test: 1 in 100 is ill (A1); of the ill 82 in 100 test positive (A2), of the
// healthy 1 in 10.
void illnessTree(Fixture& f) {
  f.build({2, 2});
  f.type({"1/100", "82/100", "1/10"});
  setFirstProbabilities(f.context);
  enterNextGroup(f.context);
  enterNextGroup(f.context);
}

void reduce(Fixture& f, const std::string& event) {
  f.host.promptReplies.push_back({event, PromptClose::Ok});
  askReduction(f.context);
}

// The working the approve box showed for the event, which is then approved.
Lines approve(Fixture& f, const std::string& event) {
  f.host.promptReplies.push_back({event, PromptClose::Ok});
  f.host.approveReplies.push_back(ApproveChoice::Approve);
  askEvent(f.context);
  return f.host.approveWorking;
}

std::string collapsed(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// What the drawing shows while event is marked, as the approve box is open: the root's count,
// each branch's name and value, and leaf 1's label.
Lines drawnWithEvent(Fixture& f, const std::string& event) {
  TreeState state = f.state;
  f.host.promptReplies.push_back({event, PromptClose::Ok});
  f.host.approveReplies.push_back(ApproveChoice::Drop);
  askEvent(f.context);
  state.tree.outcomeMarked = f.state.tree.outcomeMarked;
  state.event.shown = true;
  testing::RecordingCanvas canvas;
  drawTree(state, canvas, ScreenOffsetX);
  const auto textsAt = [&](const Branch& branch) {
    std::string texts;
    for (const std::string& text : canvas.textsAt(branch.y - state.textLift)) texts += " " + text;
    return collapsed(texts.empty() ? texts : texts.substr(1));
  };
  Lines shown{textsAt(state.tree.root())};
  for (int level = 1; level <= state.tree.branchingCount; ++level)
    for (int slot = 1; slot <= state.tree.branch(level, 1).levelNodeCount; ++slot)
      shown.push_back(textsAt(state.tree.branch(level, slot)));
  shown.push_back(collapsed(leafLabel(state, 1)));
  return shown;
}

void showCounts(Fixture& f, bool conditional) {
  f.state.view.naturalFrequencies = true;
  f.state.view.typedCaseCount = 10000;
  f.state.view.conditionalValues = conditional;
}

TEST(LessonNumbers, EveryViewTellsTheSameNumbers) {
  struct Case {
    const char* name;
    std::function<Lines(Fixture&)> run;
    Lines expected;
  };
  const Case cases[] = {
      {"counts given a reduction: the kept cases, the removed branches none",
       [](Fixture& f) {
         illnessTree(f);
         showCounts(f, true);
         reduce(f, "A2");
         Lines seen = drawnWithEvent(f, "A1");
         seen.push_back(approve(f, "A1").back());
         return seen;
       },
       {"1 072", "A1 82", "B1 990", "A2 82", "", "A2 990", "", "1 82 ud af 1 072",
        "I antal: 82 ud af 1 072"}},
      {"counts of the whole population beside a reduction: the box tells both",
       [](Fixture& f) {
         illnessTree(f);
         showCounts(f, false);
         reduce(f, "A2");
         Lines seen = drawnWithEvent(f, "A1");
         seen.push_back(approve(f, "A1").back());
         return seen;
       },
       {"10 000", "A1 100", "B1 9 900", "A2 82", "", "A2 990", "", "1 82 ud af 10 000",
        "I antal: 82 ud af de 1 072 i A2 (af 10 000 i alt)"}},
      {"no counts, no simulation while a group has no probabilities; the check mark stays",
       [](Fixture& f) {
         f.build({2, 2});
         f.type({"1/100", "82/100"});
         setFirstProbabilities(f.context);
         enterNextGroup(f.context);
         showCounts(f, false);
         TreeState& state = f.state;
         testing::RecordingCanvas canvas;
         drawTree(state, canvas, ScreenOffsetX);
         const auto onOff = [&f](Command c) { return f.window.isEnabled(c) ? "on" : "off"; };
         return Lines{collapsed(leafLabel(state, 3)), onOff(Command::NaturalFrequencies),
                      onOff(Command::Simulate), state.view.naturalFrequencies ? "checked" : ""};
       },
       {"3", "off", "off", "checked"}},
      {"the event of both names each branch once",
       [](Fixture& f) {
         illnessTree(f);
         reduce(f, "A1");
         return approve(f, "A1A2");
       },
       {"A1A2:  1/100 · 82/100 = 41/5000", "P(A1A2 | A1) = P(A1A2) / P(A1) = 41/5000 : 1/100",
        "             = 41/50 = 0.8200"}},
      {"an alternative beside \"og\" stands in parentheses",
       [](Fixture& f) {
         illnessTree(f);
         reduce(f, "A1,B2");
         return Lines{approve(f, "A2").at(1)};
       },
       {"P(A2 | A1,B2) = P(A2 og (A1,B2)) / P(A1,B2)"}},
      {"a whole result is written as any other",
       [](Fixture& f) {
         illnessTree(f);
         reduce(f, "A2");
         const Lines working = approve(f, "A2");
         return Lines(working.end() - 2, working.end());
       },
       {"P(A2 | A2) = P(A2) / P(A2) = 67/625 : 67/625 = 1", "           = 1.0000"}},
      {"a fraction typed with a decimal is written by its value",
       [](Fixture& f) {
         f.build({2, 2});
         f.type({"1/3", "0.5/2", "1/2"});
         setFirstProbabilities(f.context);
         enterNextGroup(f.context);
         enterNextGroup(f.context);
         return Lines{approve(f, "A1A2").front()};
       },
       {"A1A2:  1/3 · 1/4 = 1/12"}},
      {"the key prints each row's working as approved, before and after a reduction",
       [](Fixture& f) {
         illnessTree(f);
         approve(f, "A2");
         reduce(f, "A2");
         approve(f, "A1");
         Lines seen;
         for (const KeyResult& row :
              makeWorksheet(f.state, f.window, WorksheetBlanks::AllBranches, true).results)
           seen.push_back(row.line + " | " + (row.working.empty() ? "" : row.working.back()));
         return seen;
       },
       {"A2: 0.1072 = 67/625 | P(A2) = 41/5000 + 99/1000 = 67/625 = 0.1072",
        "Reduc: A2: 0.1072 = 67/625 | ", "A1: 0.0765 = 41/536 |            = 41/536 = 0.0765"}},
      {"rows before the tree was changed print no working",
       [](Fixture& f) {
         illnessTree(f);
         approve(f, "A1");
         noteTreeChanged(f.context);
         approve(f, "B1");
         Lines seen;
         for (const KeyResult& row :
              makeWorksheet(f.state, f.window, WorksheetBlanks::AllBranches, true).results)
           seen.push_back(row.line + " | " + std::to_string(row.working.size()));
         return seen;
       },
       {"A1: 0.0100 | 0", "Træet er ændret | 0", "B1: 0.9900 = 99/100 | 3"}},
  };
  for (const Case& c : cases) {
    Fixture f;
    Lines expected;
    for (const std::string& line : c.expected) expected.push_back(w1252(line));
    EXPECT_EQ(c.run(f), expected) << c.name;
  }
}

}  // namespace
}  // namespace kvistra
