#include "variable/VariableDefinition.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "chance/SimulationCommands.h"
#include "construction/Construction.h"
#include "names/BranchNames.h"
#include "results/ResultsList.h"
#include "session/Session.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/TextFormat.h"
#include "tree/RandomVariable.h"

namespace kvistra {
namespace {

using testing::evenShape;
using testing::Fixture;

// X on each outcome as a fraction, "" where a value is missing.
std::vector<std::string> valuesOf(const TreeState& state) {
  std::vector<std::string> values;
  for (int k = 1; k <= state.tree.outcomeSlots(); ++k) {
    const std::optional<Exact> x = variableValue(state.tree, *state.variable, k);
    values.push_back(x ? fractionText(*x) : "");
  }
  return values;
}

// Two coins, A1/B1 then A2/B2; the outcomes are A1 A2, A1 B2, B1 A2, B1 B2. Each kind is typed
// into the form the dialog opened on and closed with "OK"; opened again, it shows what was typed.
TEST(VariableDefinition, EachKindGivesTheOutcomesTheirValues) {
  struct Case {
    VariableKind kind;
    std::function<void(VariableForm&)> type;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {VariableKind::CountOfNames,
       [](VariableForm& form) { form.names[0].counted = form.names[2].counted = true; },
       {"2", "1", "1", "0"}},
      // B2 is not typed yet: the outcomes through it wait.
      {VariableKind::SumOfBranches,
       [](VariableForm& form) {
         form.names[0].value = "2";
         form.names[1].value = "-1/2";
         form.names[2].value = "2.5";
       },
       {"9/2", "", "2", ""}},
      {VariableKind::ValuePerOutcome,
       [](VariableForm& form) {
         form.outcomes[0].value = "10";
         form.outcomes[1].value = "-5";
         form.outcomes[3].value = "0,25";
       },
       {"10", "-5", "", "1/4"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    Fixture f;
    ASSERT_TRUE(testing::openShape(f.context, evenShape("1/2,1/2", 2)));
    VariableForm form = variableFormOf(f.state);
    EXPECT_FALSE(form.defined);
    EXPECT_EQ(form.outcomes[2].path, "B1 A2");
    form.kind = c.kind;
    form.name = "y";
    c.type(form);
    f.host.variableReplies = {{VariableChoice::Define, form}};
    defineVariable(f.context);
    ASSERT_TRUE(f.state.variable);
    EXPECT_EQ(f.state.variable->name, 'Y');
    EXPECT_EQ(valuesOf(f.state), c.values);
    form.defined = true;
    form.name = "Y";
    EXPECT_EQ(variableFormOf(f.state), form);
  }
}

// The count follows its branches through a rename; removing the variable clears nothing else.
TEST(VariableDefinition, CountedNamesSurviveARenameAndARemoval) {
  Fixture f;
  ASSERT_TRUE(testing::openShape(f.context, evenShape("1/2,1/2", 3)));
  VariableForm form = variableFormOf(f.state);
  for (VariableNameRow& row : form.names) row.counted = row.name[0] == 'A';
  applyVariableForm(f.state, form);
  BranchNameFields fields;
  for (int row = 1; row <= MaxLabelRows; ++row)
    fields[row - 1] = {f.state.labels.rows[row].newName.str(), ""};
  for (int branching : {1, 2, 3}) fields[2 * branching - 2].name = "K" + std::to_string(branching);
  f.host.branchNameReplies = {fields};
  editBranchNames(f.context);
  std::vector<std::string> counted;
  for (const VariableNameRow& row : variableFormOf(f.state).names)
    if (row.counted) counted.push_back(row.name);
  EXPECT_EQ(counted, (std::vector<std::string>{"K1", "K2", "K3"}));
  EXPECT_EQ(valuesOf(f.state).front(), "3");

  f.host.variableReplies = {{VariableChoice::Remove, {}}};
  defineVariable(f.context);
  EXPECT_FALSE(f.state.variable);
  EXPECT_TRUE(f.state.tree.branch(1, 1).counted);
}

// The variable is no change of the chances: a simulation stays and the results get no notice;
// it is one step of its own, and a new tree starts without it.
TEST(VariableDefinition, IsAStepOfItsOwnThatLeavesTheChancesAlone) {
  Fixture f;
  ASSERT_TRUE(testing::openShape(f.context, evenShape("1/2,1/2", 2)));
  addResult(f.context, "A1", "0.5000");
  f.host.simulationReplies = {SimulationChoice{"100", "1"}};
  simulate(f.context);
  ASSERT_TRUE(f.state.simulation);
  Session session(f.state);
  VariableForm form = variableFormOf(f.state);
  form.names[0].counted = true;
  f.host.variableReplies = {{VariableChoice::Define, form}};
  session.run("Stokastisk variabel…", defineVariable, f.host);
  EXPECT_TRUE(f.state.variable);
  EXPECT_TRUE(f.state.simulation);
  EXPECT_EQ(f.state.results.count, 1);
  EXPECT_EQ(session.history().undoName(), "Stokastisk variabel…");
  beginTree(f.context, 2);
  EXPECT_FALSE(f.state.variable);
}

// Only the chosen kind's fields are judged; empty is a value not typed yet.
TEST(VariableDefinition, TheFormIsRefusedAtItsFirstFaultyField) {
  struct Case {
    const char* name;
    VariableKind kind;
    const char* branchValue;
    std::optional<VariableField> fault;
  };
  const Case cases[] = {
      {"x", VariableKind::SumOfBranches, "", std::nullopt},
      {" Z ", VariableKind::SumOfBranches, "-1/2", std::nullopt},
      {"", VariableKind::CountOfNames, "", VariableField::Name},
      {"1", VariableKind::CountOfNames, "", VariableField::Name},
      {"\xe6", VariableKind::CountOfNames, "", VariableField::Name},  // æ
      {"X", VariableKind::SumOfBranches, "1/0", VariableField::BranchValue},
      {"X", VariableKind::SumOfBranches, "0.12345678901234567890123", VariableField::BranchValue},
      {"X", VariableKind::CountOfNames, "to", std::nullopt},
      {"X", VariableKind::ValuePerOutcome, "to", std::nullopt},
  };
  for (const Case& c : cases) {
    VariableForm form;
    form.name = c.name;
    form.kind = c.kind;
    form.names = {{"A1", false, "1"}, {"B1", false, c.branchValue}};
    form.outcomes = {{1, "A1", "2"}};
    const std::optional<VariableFormFault> fault = variableFormFault(form);
    EXPECT_EQ(fault ? std::optional(fault->field) : std::nullopt, c.fault)
        << c.name << " " << c.branchValue;
    if (fault && fault->field == VariableField::BranchValue) {
      EXPECT_EQ(fault->row, 1u);
    }
  }
}

}  // namespace
}  // namespace kvistra
