#include "events/EventCalculation.h"

#include <gtest/gtest.h>

#include "drawing/TreeDrawing.h"
#include "events/Reduction.h"
#include "names/BranchNames.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "results/ResultsList.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "tree/NaturalFrequencies.h"
#include "worksheets/Worksheet.h"

namespace kvistra {
namespace {

using testing::Fixture;

// Asks typed as an event and closes the approve box with choice; returns "width|line" of the
// box, or the message shown instead.
std::string askEventTyped(Fixture& f, const std::string& typed,
                          ApproveChoice choice = ApproveChoice::Drop) {
  const std::size_t boxes = f.host.approveLines.size();
  const std::size_t messages = f.host.messages.size();
  f.host.promptReplies.push_back({typed, PromptClose::Ok});
  f.host.approveReplies.push_back(choice);
  askEvent(f.context);
  if (f.host.approveLines.size() > boxes) return f.host.approveLines.back();
  f.host.approveReplies.clear();
  return f.host.messages.size() > messages ? f.host.messages.back() : "";
}

// The illness test (A1 ill 1/100; A2 positive, 82/100 if ill, 1/10 typed 0.5/5 if not) after steps
// "N" (10 000 cases; "NG" given the reduction), "/E" reduce, "?E" approve, "C" clear, "!" change.
// Seen: in counts, B1, leaf 1 and the event's count drawn with its marks; else the answer key.
std::string lesson(std::initializer_list<std::string> steps) {
  Fixture f;
  f.build({2, 2});
  f.type({"1/100", "82/100", "0.5/5"});
  setFirstProbabilities(f.context);
  for (int group = 2; group <= 3; ++group) enterNextGroup(f.context);
  TreeState& s = f.state;
  for (const std::string& step : steps) {
    f.host.promptReplies.assign(1, {step.substr(1), PromptClose::Ok});
    f.host.approveReplies.assign(1, ApproveChoice::Approve);
    if (step[0] == 'N') s.view = {false, true, step == "NG", true, 10000};
    if (step[0] == '/') askReduction(f.context);
    if (step[0] == '?') askEvent(f.context);
    if (step == "C") resetAllProbabilities(f.context);
    if (step == "!") noteTreeChanged(f.context);
  }
  std::string seen;
  s.event.shown = true;
  f.host.canvas.clear();
  drawTree(s, f.host.canvas, ScreenOffsetX);
  for (const std::string& text : f.host.canvas.textsAt(s.tree.branch(1, 2).y - s.textLift))
    if (s.view.naturalFrequencies) seen += text + "\n";
  if (s.view.naturalFrequencies)
    return seen + leafLabel(s, 1) + "\n" +
           eventFrequencyText(s, naturalFrequencies(s.tree, s.view.typedCaseCount)) +
           (f.controls().isEnabled(Control::NaturalFrequencies) ? "" : "\n-");
  for (const KeyResult& row : makeWorksheet(s, f.window, {}, true).results) {
    seen += row.line + "\n";
    for (const std::string& line : row.working) seen += line + "\n";
  }
  return seen;
}

TEST(EventCalculation, EveryViewOfALessonTellsTheSameNumbers) {
  const std::pair<std::string, const char*> cases[] = {
      {lesson({"NG", "/A2", "?A1"}), "B1\n990\n 1           82 ud af 1 072\n82 ud af 1 072"},
      {lesson({"N", "/A2", "?A1"}),
       "B1\n9 900\n 1           82 ud af 10 000\n82 ud af de 1 072 i A2 (af 10 000 i alt)"},
      {lesson({"N", "C"}), "B1\nB1\n 1 \n0 ud af 10 000\n-"},
      {lesson({"?A1", "!", "?A2", "/A1", "?A1A2", "/A1,B2", "?A2"}),
       "A1: 0.0100\nTræet er ændret\nA2: 0.1072 = 67/625\nA1A2:  1/100 · 82/100 = 41/5000\n"
       "B1A2:  99/100 · 1/10 = 99/1000\nP(A2) = 41/5000 + 99/1000 = 67/625 = 0.1072\n"
       "Reduc: A1: 0.0100 = 1/100\nA1A2: 0.8200 = 41/50\nA1A2:  1/100 · 82/100 = 41/5000\n"
       "P(A1A2 | A1) = P(A1A2) / P(A1) = 41/5000 : 1/100\n             = 41/50 = 0.8200\n"
       "Reduc: A1,B2: 0.9010 = 901/1000\nA2: 0.0091 = 41/4505\nA1A2:  1/100 · 82/100 = 41/5000\n"
       "P(A2 | A1,B2) = P(A2 og (A1,B2)) / P(A1,B2)\n"
       "              = 41/5000 : 901/1000 = 41/4505\n              = 0.0091\n"},
  };
  for (const auto& [seen, expected] : cases) EXPECT_EQ(seen, w1252(expected));
}

TEST(EventCalculation, HalfTreeEventsAreConditionalWhileReduced) {
  Fixture f;
  f.build({2, 2});
  f.enterUniformProbabilities();
  EXPECT_EQ(askEventTyped(f, "a1", ApproveChoice::Approve),
            w1252("300|Hændelse : A1: 0.5000 = 1/2"));
  EXPECT_EQ(askEventTyped(f, "A1B1"), w1252("300|Hændelse : A1B1: 0.0000 = 0"));
  EXPECT_EQ(askEventTyped(f, "(A1"), " Fejl| Parentesfejl");
  EXPECT_EQ(askEventTyped(f, "X9,A1"), " |Fejl i input.");
  EXPECT_EQ(f.state.results.count, 1);
  EXPECT_EQ(f.state.results.rows[1].line, "A1");
  EXPECT_FALSE(f.state.event.shown);

  f.host.promptReplies.push_back({"a1", PromptClose::Ok});
  askReduction(f.context);
  const std::pair<const char*, const char*> reduced[] = {{"A2", "Hændelse : A2: 0.5000 = 1/2"},
                                                         {"A1", "Hændelse : A1: 1.0000 = 1"},
                                                         {"B1", "Hændelse : B1: 0.0000 = 0"},
                                                         {"-A2", "Hændelse : -A2: 0.5000 = 1/2"}};
  for (const auto& [typed, line] : reduced)
    EXPECT_EQ(askEventTyped(f, typed), "300|" + w1252(line));

  restoreTree(f.context);
  EXPECT_EQ(askEventTyped(f, "A2"), w1252("300|Hændelse : A2: 0.5000 = 1/2"));
}

TEST(EventCalculation, ANameOnTwoBranchingsIsRefusedNotGuessed) {
  Fixture f;
  f.build({2, 2});
  f.enterUniformProbabilities();
  f.state.labels.count = 4;  // R and B on both branchings, as an older file may hold them
  for (int row = 1; row <= 4; ++row) f.state.labels.rows[row].newName = row % 2 ? "R" : "B";
  applyLabelRows(f.state);
  EXPECT_EQ(askEventTyped(f, "rr", ApproveChoice::Approve),
            w1252(" |Navnet R står på mere end én forgrening, så hændelsen kan ikke beregnes. Giv "
                  "grenene forskellige navne under »Navn og tekst på grene«."));
  EXPECT_EQ(f.state.results.count, 0);
}

TEST(EventCalculation, ApproveBoxCutsLongEventsButTheRowKeepsThem) {
  struct Case {
    std::string display;
    const char* separator;
    bool comma;
    std::string line;
    int width;
  };
  const Case cases[] = {
      {"A1B2", TypedEventSeparator, false, "Hændelse : A1B2: 0.2500 = 1/4", 300},
      {"A1B2", RowEventSeparator, true, "Hændelse : A1B2   : 0,2500 = 1/4", 300},
      {"A1B2,A1C2,B1A2,B1B2,C", TypedEventSeparator, false,
       "Hændelse : A1B2,A1C2,B1A2,B1B2,C: 0.2500 = 1/4", 398},
      {"A1B2,A1C2,B1A2,B1B2,C1A2", TypedEventSeparator, false,
       "Hændelse : A1B2,A1C2,B1A2,B1B2,C..: 0.2500 = 1/4", 414},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.state.view.decimalComma = c.comma;
    f.host.approveReplies = {ApproveChoice::Approve};
    approveResult(f.context, c.display, {"0.2500", "1/4", {}}, c.separator);
    EXPECT_EQ(f.host.approveLines.at(0), std::to_string(c.width) + "|" + w1252(c.line));
    // The row keeps the whole event, its value as the file holds it, and the fraction.
    EXPECT_EQ(f.state.results.rows[1], (ResultRow{c.display, "0.2500", "1/4"}));
    // Once the tree changes, the row keeps what it showed but no longer knows it exactly.
    noteTreeChanged(f.context);
    EXPECT_EQ(f.state.results.rows[1].fraction, "");
  }
}

TEST(EventCalculation, CopyFromTheApproveBoxPicturesTheMarkedTreeAndItsLine) {
  Fixture f;
  f.build({2, 2});
  f.enterUniformProbabilities();
  f.host.copyInApproveBox = true;
  f.host.drawingArea = {640, 480};
  askEventTyped(f, "A1B2");
  ASSERT_TRUE(f.host.copiedPicture);
  const testing::RecordingCanvas& picture = *f.host.copiedPicture;
  EXPECT_EQ(picture.width(), 640);
  EXPECT_EQ(picture.height(), 480);
  EXPECT_EQ(picture.font, (Font{"Arial", 12, true}));
  EXPECT_TRUE(picture.hasText(10, 10, w1252("Hændelse : A1B2: 0.2500 = 1/4")));
  const Branch& leaf = f.state.tree.leaf(2);
  EXPECT_TRUE(picture.hasText(ScreenOffsetX + leaf.x + 110, leaf.y - 8, " 2       0.2500"));
  EXPECT_TRUE(f.host.printOffered);
  EXPECT_FALSE(f.state.event.shown);
  EXPECT_EQ(f.state.results.count, 0);
}

}  // namespace
}  // namespace kvistra
