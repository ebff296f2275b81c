#include "names/BranchNames.h"

#include <gtest/gtest.h>

#include "names/NameFieldRules.h"
#include "results/ResultsList.h"
#include "storage/TreeDocument.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/CharSet.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

using testing::Fixture;

// Types keys into the name field of row, as the dialog's field does: the rule first, then the
// key inserted (replacing a selection) when it is accepted, at most two characters.
std::string typeInto(int row, std::string field, bool selected, const std::string& keys) {
  for (char key : keys) {
    const NameKey rule = nameFieldKey(row, field, selected, key);
    if (rule.emptiesField) field.clear();
    if (!rule.accepted) continue;
    if (selected) field.clear();
    selected = false;
    if (key == Backspace) {
      if (!field.empty()) field.pop_back();
    } else if (field.size() < NameFieldLength) {
      field += key;
    }
  }
  return field;
}

TEST(NameFields, KeysFollowTheRulesOfTheirRow) {
  struct Case {
    int row;
    const char* field;
    bool selected;
    std::string keys;
    const char* result;
  };
  const Case cases[] = {
      {1, "A1", true, "7", ""},      // a click selects: the digit cannot start a name
      {1, "", false, "x3", "x3"},    //
      {1, "A1", true, "B", "B"},     //
      {1, "x", false, "y", "x"},     // a second letter is refused
      {1, " ", false, "/", " "},     // a lone blank counts as empty
      {1, "A", false, "\b\b", ""},   //
      {5, "A1", true, "B", ""},      // a refused key empties the field ...
      {5, "A1", true, "BB", "B"},    // ... and the next one starts it again
      {5, "A1", true, "2", "2"},     // a digit replaces the selection
      {5, "", false, "7", ""},       //
      {10, "K", false, "k", ""},     //
      {10, "K", false, ",", "K,"},   //
      {4, "K", false, "\xe6", "K"},  // æ is a letter like any other
  };
  for (const auto& c : cases)
    EXPECT_EQ(typeInto(c.row, c.field, c.selected, c.keys), c.result)
        << "row " << c.row << " '" << c.field << "' " << c.keys;
}

TEST(NameFields, AnAppliedFieldIsUpperCaseWithoutAnInnerBlank) {
  const std::pair<std::string, std::string> cases[] = {
      {"k", "K"}, {"x3", "X3"}, {"a ", "A"}, {w1252("ø/"), w1252("Ø/")}, {"", ""}, {" b", " B"},
  };
  for (const auto& [field, name] : cases) EXPECT_EQ(newNameFromField(field), name) << field;
}

TEST(NameFields, AppliedNamesMustBeThereAndEachUsedOnce) {
  const LabelRows labels;  // the first four rows are always in use
  const std::pair<std::vector<std::string>, std::optional<NameClash>> cases[] = {
      {{"B1", "A1", "A2", "B2"}, std::nullopt},  // a swap in one go
      {{"R", "B", "r ", "b"}, NameClash{"R", 1, 3}},
      {{"A1", "", "A2", "B2"}, NameClash{"", 2, 0}},
      {{"A1", "B1", " ", "B2"}, NameClash{"", 3, 0}},
      {{"A1", "B1", "A2", "B2", "A1"}, std::nullopt},  // row 5 is not in use
  };
  for (const auto& [names, clash] : cases) {
    BranchNameFields fields;
    for (std::size_t i = 0; i < names.size(); ++i) fields[i].name = names[i];
    EXPECT_EQ(clashingNewName(labels, fields), clash) << names[0] << names[1] << names[2];
  }
}

BranchNameFields fieldsOf(const LabelRows& labels) {
  BranchNameFields fields;
  for (int row = 1; row <= MaxLabelRows; ++row)
    fields[row - 1] = {labels.rows[row].newName.str(), labels.rows[row].text};
  return fields;
}

TEST(BranchNames, TheDialogRenamesEveryBranchOfARowAndListsTheTexts) {
  Fixture f;
  f.build({2, 3});
  f.enterUniformProbabilities();
  addResult(f.context, "A1", "0.5000");
  BranchNameFields fields = fieldsOf(f.state.labels);
  fields[3] = {"k", w1252("Grøn")};  // row B2
  fields[0] = {"a ", "Regn"};
  f.host.branchNameReplies = {fields, std::nullopt};
  editBranchNames(f.context);
  ASSERT_EQ(f.host.namesDialogRows.size(), 1u);
  EXPECT_EQ(f.host.namesDialogRows[0].count, 5);
  for (int slot : {2, 5}) EXPECT_EQ(f.state.tree.branch(2, slot).name, "K ");
  EXPECT_EQ(f.state.tree.branch(1, 1).name, "A ");
  EXPECT_EQ(f.state.tree.branch(2, 3).name, "C2");
  EXPECT_EQ(f.state.pathNames[5][2], "K ");
  EXPECT_TRUE(f.window.branchTextsVisible);
  EXPECT_EQ(f.window.branchTextLines,
            (std::vector<std::string>{w1252("Gren Tekst på gren"), " A    Regn", " B1   ", " A2   ",
                                      " K    " + w1252("Grøn"), " C2   "}));
  EXPECT_EQ(f.state.results.count, 2);
  EXPECT_EQ(f.state.results.rows[2].line, w1252(TreeChangedNotice));

  // Closed without applying: the rows stay, and the change is not noted twice.
  editBranchNames(f.context);
  EXPECT_EQ(f.state.labels.rows[4].newName, "K ");
  EXPECT_EQ(f.state.results.count, 2);
}

// B1's group is larger than A1's: a row for each name of a branching, not its first group's,
// past the tenth row; kept by a document, and made anew when the shape changes.
TEST(BranchNames, GroupsThatDifferGiveARowToEachNameOfTheirBranching) {
  Fixture f;
  ASSERT_TRUE(testing::openShape(
      f.context, "[1/6[1/2[1/2,1/2],1/2],1/6[1/6,1/6,1/6,1/6,1/6,1/6],1/6,1/6,1/6,1/6]"));
  BranchNameFields fields = fieldsOf(f.state.labels);
  fields[11] = {"z", "Zebra"};  // F2, under B1 only
  f.host.branchNameReplies = {fields, std::nullopt};
  editBranchNames(f.context);
  EXPECT_EQ(f.host.namesDialogRows[0].count, 14);
  EXPECT_EQ(f.state.tree.branch(2, 8).name, "Z ");
  const std::string document = writeTreeDocument(f.state);
  EXPECT_EQ(readTreeDocument(document).document.value().labels, f.state.labels);
  Tree& tree = f.state.tree;  // a third branch, C3, under A2
  tree.branch(3, 3) = tree.branch(3, 2);
  tree.branch(3, 3).name = "C3";
  for (int slot = 1; slot <= 3; ++slot) tree.branch(3, slot).levelNodeCount = 3;
  ++tree.leafCount;
  editBranchNames(f.context);
  EXPECT_EQ(f.host.namesDialogRows[1].rows[15].oldName, "C3");
  EXPECT_EQ(f.host.namesDialogRows[1].rows[12].text, "Zebra");
}

}  // namespace
}  // namespace kvistra
