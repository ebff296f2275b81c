#include "worksheets/Worksheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "construction/TrialsTree.h"
#include "drawing/TreeDrawing.h"
#include "events/EventCalculation.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/Windows1252.h"
#include "tree/Layout.h"

namespace kvistra {
namespace {

namespace fs = std::filesystem;
using testing::Fixture;

// A 2 x 2 x 2 tree typed in fractions and shown in them: leaf 1's path is 1/3 · 1/4 · 1/2.
void buildFractionTree(Fixture& f) {
  f.build({2, 2, 2});
  f.enterTyped(1, {"1/3", "2/3"});
  f.enterTyped(2, {"1/4", "3/4", "1/4", "3/4"});
  f.enterTyped(3, {"1/2", "1/2", "1/2", "1/2", "1/2", "1/2", "1/2", "1/2"});
  f.state.tree.showFractions = true;
}

TEST(Worksheet, BlanksWhatTheTeacherHidesAndTheKeyFillsInEverything) {
  using enum WorksheetBlanks;
  const std::string branchBlank(11, '_');  // the value's 7 characters, widened with the tree
  // The choice, the page, the first branching left blank and leaf 1's label, never a count.
  for (const auto& [blanks, pageIndex, firstBlank, leafOne] :
       {std::tuple{AllBranches, 0, 1, " 1 "},
        {LaterBranchings, 0, 2, " 1 "},
        {ThirdBranching, 0, 3, " 1 "},
        {PathProbabilities, 0, 4, " 1 ____________"},
        {AllBranches, 1, 4, " 1         1/24"}}) {
    Fixture f;
    buildFractionTree(f);
    f.state.view.naturalFrequencies = true;
    f.state.simulation = SimulationTally{1, 10, 10, {0, 10}};
    const Worksheet sheet = makeWorksheet(f.state, f.window, blanks, true);
    testing::RecordingCanvas page(true, 800, 1131);
    drawWorksheetPage(sheet, page, pageIndex);
    SCOPED_TRACE("choice " + std::to_string(static_cast<int>(blanks)) + ", page " +
                 std::to_string(pageIndex));
    const Tree tree = worksheetPageTree(sheet, page, pageIndex);
    for (int level = 1; level <= 3; ++level)
      for (int slot = 1; slot <= tree.branch(level, 1).levelNodeCount; ++slot) {
        const Branch& branch = tree.branch(level, slot);
        const std::vector<std::string> found =
            page.textsAt(PrinterOffsetY + branch.y - f.state.textLift);
        const std::set<std::string> texts(found.begin(), found.end());
        const std::string value = level >= firstBlank ? branchBlank : branch.typedText.str();
        EXPECT_EQ(texts, (std::set<std::string>{branch.name.str(), value}))
            << "level " << level << " slot " << slot;
      }
    EXPECT_EQ(page.textsAt(PrinterOffsetY + tree.leaf(1).y - LeafLabelRise),
              std::vector<std::string>{leafOne});
  }
}

// On A4 (800 units across 190 mm) a 3 x 3 x 3 tree's leaves stand at least 8 mm apart.
TEST(Worksheet, LeavesRoomToWriteOnTheLargestTree) {
  Fixture f;
  f.build({3, 3, 3});
  f.enterUniformProbabilities();
  const Worksheet sheet = makeWorksheet(f.state, f.window, WorksheetBlanks::ThirdBranching, true);
  testing::RecordingCanvas page(true, 800, 1131);
  const Tree tree = worksheetPageTree(sheet, page, 1);
  for (int k = 2; k <= 27; ++k) EXPECT_GE(tree.leaf(k).y - tree.leaf(k - 1).y, 34) << k;
}

TEST(Worksheet, KeyWorksOutTheResultsThatStillHoldTheirValue) {
  Fixture f;
  buildFractionTree(f);
  f.host.promptReplies.push_back({"A1A2A3", PromptClose::Ok});
  f.host.approveReplies.push_back(ApproveChoice::Approve);
  askEvent(f.context);
  f.state.results.count = 2;
  f.state.results.rows[2] = {"A1", "0.5000"};  // made before the tree was changed

  const Worksheet sheet = makeWorksheet(f.state, f.window, WorksheetBlanks::AllBranches, true);
  ASSERT_EQ(sheet.results.size(), 2u);
  EXPECT_EQ(sheet.results[0].line, "A1A2A3: 0.0417 = 1/24");
  EXPECT_EQ(sheet.results[0].working.front(), w1252("A1A2A3:  1/3 · 1/4 · 1/2 = 1/24"));
  EXPECT_EQ(sheet.results[1].line, "A1: 0.5000");
  EXPECT_TRUE(sheet.results[1].working.empty());
}

// Blanks from each branching on, named as the two- and three-branching dialogs named them.
TEST(Worksheet, OffersBlanksFromEachBranchingOn) {
  std::string captions;
  for (int branchings : {1, 3, 6})
    for (const WorksheetChoice& choice : worksheetChoices(
             {.branchings = branchings, .distributedVariable = {}, .trialsTable = false}))
      captions += (choice.caption.starts_with("Kun ") ? choice.caption.substr(4) : "Alle") + "|";
  EXPECT_EQ(captions,
            "Alle|udfaldenes sandsynligheder|Alle|anden og tredje forgrening|tredje forgrening|"
            "udfaldenes sandsynligheder|Alle|anden til sjette forgrening|tredje til sjette "
            "forgrening|fjerde til sjette forgrening|femte og sjette forgrening|sjette "
            "forgrening|udfaldenes sandsynligheder|");
}

// Catches a key that fills the table wrongly, a pupils' page that gives its values away, or a
// table written in the tree's encoding, which has no "−" for a negative x.
TEST(Worksheet, TabulatesTheDistributionOfXBlankAndTheKeyFillsItIn) {
  Fixture f;
  buildFractionTree(f);
  Tree& tree = f.state.tree;
  for (int level = 1; level <= 3; ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      tree.branch(level, slot).counted = tree.branch(level, slot).name[0] == 'A';
  f.state.variable = RandomVariable{VariableKind::CountOfNames, 'Y'};
  f.state.input.allProbabilitiesEntered = true;
  EXPECT_EQ(worksheetChoices(worksheetOffer(f.state)).back().caption, "Fordeling af Y");

  const Worksheet sheet =
      makeWorksheet(f.state, f.window, WorksheetBlanks::VariableDistribution, true);
  const std::string blank = pathBlank();
  EXPECT_EQ(
      distributionTableLines(sheet, false),
      (std::vector<std::string>{"Fordeling af Y", "x    P(Y = x)", "0    " + blank, "1    " + blank,
                                "2    " + blank, "3    " + blank, "E(Y) = " + blank}));
  EXPECT_EQ(distributionTableLines(sheet, true),
            (std::vector<std::string>{"Fordeling af Y", "x    P(Y = x)", "0    1/4", "1    11/24",
                                      "2    1/4", "3    1/24", "E(Y) = 13/12"}));
  testing::RecordingCanvas page(true, 800, 1131);
  drawWorksheetPage(sheet, page, 1);
  const auto written = std::find_if(page.texts.begin(), page.texts.end(),
                                    [](const auto& text) { return text.text == "1    11/24"; });
  ASSERT_NE(written, page.texts.end());
  EXPECT_EQ(written->encoding, TextEncoding::Utf8);
}

// Catches a trials' table offered without trials, a key whose cumulative column does not add
// up, or columns that do not line up; trials too many to draw have their table without a tree.
TEST(Worksheet, GivesThePupilsTheTrialsTable) {
  for (int n : {3, 7}) {
    Fixture f;
    f.host.trialsReplies.push_back(testing::binomialTrials(n, "1/2"));
    askRepeatedTrials(f.context);
    EXPECT_EQ(worksheetChoices(worksheetOffer(f.state)).back().caption, "Fordelingstabel");
    const Worksheet sheet = makeWorksheet(f.state, f.window, WorksheetBlanks::TrialsTable, true);
    const std::vector<std::string> key = trialsTableLines(sheet, true);
    ASSERT_EQ(key.size(), static_cast<std::size_t>(n) + 3) << n;
    EXPECT_EQ(key[0], "Fordelingstabel: n = " + std::to_string(n) + ", p = 1/2");
    EXPECT_EQ(key[1], "k    P(X = k)    P(X ≤ k)");
    if (n == 3) {
      EXPECT_EQ(key[4], "2    3/8         7/8");
    }
    EXPECT_EQ(trialsTableLines(sheet, false)[3], "1    " + pathBlank() + "    " + pathBlank());
    testing::RecordingCanvas page(true, 800, 1131);
    drawWorksheetPage(sheet, page, 1);
    EXPECT_TRUE(std::any_of(page.texts.begin(), page.texts.end(),
                            [&](const auto& text) { return text.text == key[1]; }));
  }
}

// An outcome whose path ends early stands as low on the page as the last one of an even tree.
TEST(Worksheet, SpreadsATreeWhosePathsEndEarlyDownThePage) {
  testing::RecordingCanvas page(true, 800, 1131);
  std::vector<int> lowest;
  for (const std::string shape : {"[1/2[1/2,1/2],1/2]", "[1/2[1/2,1/2],1/2[1/2,1/2]]"}) {
    Fixture f;
    ASSERT_TRUE(testing::openShape(f.context, shape));
    const Worksheet sheet = makeWorksheet(f.state, f.window, WorksheetBlanks::AllBranches, false);
    const Tree tree = worksheetPageTree(sheet, page, 0);
    lowest.push_back(tree.leaf(tree.outcomeSlots()).y);
  }
  EXPECT_EQ(lowest[0], lowest[1]);
}

// A PDF that could not be made, or not written whole, is told and leaves no file.
TEST(Worksheet, AFailedSaveIsToldAndLeavesNoFile) {
  for (const auto& [file, failPdf] :
       {std::pair{"/proc/kvistra/ark.pdf", false}, {"/tmp/kvistra-unmade.pdf", true}}) {
    Fixture f;
    buildFractionTree(f);
    f.host.worksheetReplies.push_back(WorksheetRequest{.action = WorksheetAction::SavePdf});
    f.host.fileChoices.push_back(file);
    f.host.failPdf = failPdf;
    printWorksheet(f.context);
    EXPECT_FALSE(fs::exists(file)) << file;
    EXPECT_EQ(f.host.messages.size(), 1u) << file;
  }
}

}  // namespace
}  // namespace kvistra
