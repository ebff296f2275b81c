// Repeated trials: the tree "Gentagne forsøg…" builds gives X the distribution the trials' table
// gives, and a document keeps the trials, with the tree or without one.
#include "construction/TrialsTree.h"

#include <gtest/gtest.h>

#include "storage/TreeDocument.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/TextFormat.h"
#include "tree/RandomVariable.h"
#include "window/Controls.h"

namespace kvistra {
namespace {

using testing::binomialTrials;
using testing::Fixture;
using testing::hypergeometricTrials;

// Catches values that do not follow the draws, a path that goes on after its successes ran
// out, or successes not counted: X on the tree would then differ from the table.
TEST(TrialsTree, GivesXTheDistributionOfTheTrialsTable) {
  struct TrialsCase {
    const char* what;
    RepeatedTrials trials;
    int outcomes;
    const char* secondBranchTyped;  // F1, as typed
  };
  const TrialsCase cases[] = {
      {"three trials of 0.3", binomialTrials(3, "0.3"), 8, "0.7"},
      {"three drawn from five with two successes", hypergeometricTrials(5, 2, 3), 7, "3/5"},
      {"a sixth of a chance, six times", binomialTrials(6, "1/6"), 64, "5/6"},
  };
  for (const TrialsCase& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    f.host.trialsReplies.push_back(c.trials);
    askRepeatedTrials(f.context);
    ASSERT_EQ(f.state.trials, c.trials);
    EXPECT_EQ(f.state.tree.outcomeSlots(), c.outcomes);
    EXPECT_EQ(f.state.tree.branch(1, 2).typedText.str(), c.secondBranchTyped);
    const std::optional<Distribution> x = variableDistribution(f.state);
    const std::optional<TrialsTable> table = trialsTable(c.trials);
    ASSERT_TRUE(x && table);
    // The table has a row for every k; a k no path gives has probability 0.
    Exact sum = 0;
    for (const DistributionRow& row : x->rows()) {
      EXPECT_EQ(row.probability, table->rows[row.value.get_num().get_ui()].probability)
          << fractionText(row.value);
      sum += row.probability;
    }
    EXPECT_EQ(sum, 1);
    EXPECT_TRUE(treeOfTrials(f.state.tree, c.trials));
    // Any change of a value makes it an ordinary tree.
    f.state.tree.branch(1, 1).typedText = "0.5";
    EXPECT_FALSE(treeOfTrials(f.state.tree, c.trials));
  }
}

// Catches a document that loses the trials, or cannot be read back without a tree, and a tree
// read back that no longer counts as the trials' own.
TEST(TrialsTree, DocumentsKeepTheTrialsWithTheirTreeOrWithout) {
  for (const RepeatedTrials& trials :
       {binomialTrials(3, "1/2"), binomialTrials(200, "0.125"), hypergeometricTrials(50, 5, 10)}) {
    Fixture f;
    f.host.trialsReplies.push_back(trials);
    askRepeatedTrials(f.context);
    EXPECT_EQ(phaseOf(f.state), trials.count > MostTrialsDrawn ? Phase::Trials : Phase::Complete);
    const TreeDocumentReading reread = readTreeDocument(writeTreeDocument(f.state));
    ASSERT_EQ(reread.error, "") << trials.count;
    EXPECT_EQ(reread.document->trials, trials);
    EXPECT_TRUE(treeOfTrials(reread.document->tree, trials)) << trials.count;
  }
  EXPECT_EQ(trialsRefusal(hypergeometricTrials(10, 5, 11)),
            "Der kan højst trækkes lige så mange, som der er i alt.");
  EXPECT_EQ(trialsRefusal(binomialTrials(3, "1")),
            "Sandsynligheden for succes skal være et tal mellem 0 og 1, f.eks. 0.3 eller 1/6.");
}

}  // namespace
}  // namespace kvistra
