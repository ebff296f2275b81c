#include "worksheets/Worksheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "construction/ShapeLayout.h"
#include "events/EventCalculation.h"
#include "support/TreeBuilding.h"
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

// Blanks from each branching on, named as the two- and three-branching dialogs always named them.
TEST(Worksheet, OffersBlanksFromEachBranchingOn) {
  using enum WorksheetBlanks;
  const std::string paths = "Kun udfaldenes sandsynligheder";
  const std::string all = w1252("Alle sandsynligheder på grenene");
  const std::vector<WorksheetChoice> offered[] = {
      {{AllBranches, all}, {PathProbabilities, paths}},
      {{AllBranches, all}, {LaterBranchings, "Kun anden forgrening"}, {PathProbabilities, paths}},
      {{AllBranches, all},
       {LaterBranchings, "Kun anden og tredje forgrening"},
       {ThirdBranching, "Kun tredje forgrening"},
       {PathProbabilities, paths}},
      {{AllBranches, all},
       {LaterBranchings, "Kun anden til sjette forgrening"},
       {ThirdBranching, "Kun tredje til sjette forgrening"},
       {FourthBranching, "Kun fjerde til sjette forgrening"},
       {FifthBranching, "Kun femte og sjette forgrening"},
       {SixthBranching, "Kun sjette forgrening"},
       {PathProbabilities, paths}},
  };
  for (int branchings : {1, 2, 3, 6})
    EXPECT_EQ(worksheetChoices(branchings), offered[std::min(branchings, 4) - 1]) << branchings;
}

// Paths that end early: the outcomes still spread over the page as those of a tree built alike.
TEST(Worksheet, SpreadsATreeWhosePathsEndEarlyDownThePage) {
  Fixture even;
  even.build({2, 2});
  Fixture early;
  early.build({2, 2});
  Tree& tree = early.state.tree;
  tree.branch(2, 1).levelNodeCount = 2;  // B1 ends: outcomes A2, B2 under A1, then B1
  tree.leafCount = 3;
  layOutTree(tree);
  testing::RecordingCanvas page(true, 800, 1131);
  const auto spread = [&page](const Fixture& f) {
    const Tree laidOut = worksheetPageTree(
        makeWorksheet(f.state, f.window, WorksheetBlanks::AllBranches, false), page, 0);
    return std::pair{laidOut.leaf(1).y, laidOut.leaf(laidOut.outcomeSlots()).y};
  };
  EXPECT_EQ(spread(early), spread(even));
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
