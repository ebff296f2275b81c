#include "events/EventCalculation.h"

#include <gtest/gtest.h>

#include "drawing/TreeDrawing.h"
#include "events/Reduction.h"
#include "names/BranchNames.h"
#include "results/ResultsList.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"

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
