#include "variable/VariableDefinition.h"

#include <gtest/gtest.h>

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

// Two coins: the names A1, B1, A2, B2 and the outcomes A1 A2, A1 B2, B1 A2, B1 B2. Each kind is
// typed into the form the dialog opened on; opened again, the dialog shows what was typed.
TEST(VariableDefinition, EachKindGivesTheOutcomesTheirValues) {
  struct Case {
    VariableKind kind;
    std::vector<std::string> typed;  // "1" counts a name; else a name's or an outcome's value
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {VariableKind::CountOfNames, {"1", "", "1", ""}, {"2", "1", "1", "0"}},
      {VariableKind::SumOfBranches, {"2", "-1/2", "2.5", ""}, {"9/2", "", "2", ""}},
      {VariableKind::ValuePerOutcome, {"10", "-5", "", "0,25"}, {"10", "-5", "", "1/4"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    Fixture f;
    ASSERT_TRUE(testing::openShape(f.context, evenShape("1/2,1/2", 2)));
    VariableForm form = variableFormOf(f.state);
    EXPECT_EQ(form.outcomes[2].path, "B1 A2");
    form.kind = c.kind;
    form.name = "y";
    for (std::size_t i = 0; i < c.typed.size(); ++i) {
      if (c.kind == VariableKind::CountOfNames) form.names[i].counted = c.typed[i] == "1";
      if (c.kind == VariableKind::SumOfBranches) form.names[i].value = c.typed[i];
      if (c.kind == VariableKind::ValuePerOutcome) form.outcomes[i].value = c.typed[i];
    }
    f.host.variableReplies = {{VariableChoice::Define, form}};
    defineVariable(f.context);
    ASSERT_TRUE(f.state.variable);
    EXPECT_EQ(valuesOf(f.state), c.values);
    form.defined = true;
    form.name = "Y";
    EXPECT_EQ(variableFormOf(f.state), form);
  }
}

// Three coins, the heads counted: one step of its own, which leaves a simulation and the results
// alone. The count follows its branches through a rename; removing the variable clears nothing
// else; a new tree starts without one.
TEST(VariableDefinition, CountsItsNamesThroughARenameAndLeavesTheChancesAlone) {
  Fixture f;
  ASSERT_TRUE(testing::openShape(f.context, evenShape("1/2,1/2", 3)));
  addResult(f.context, "A1", "0.5000");
  f.host.simulationReplies = {SimulationChoice{"100", "1"}};
  simulate(f.context);
  VariableForm form = variableFormOf(f.state);
  for (VariableNameRow& row : form.names) row.counted = row.name[0] == 'A';
  f.host.variableReplies = {{VariableChoice::Define, form}, {VariableChoice::Remove, {}}};
  Session session(f.state);
  session.run("Stokastisk variabel…", defineVariable, f.host);
  EXPECT_EQ(session.history().undoName(), "Stokastisk variabel…");
  EXPECT_TRUE(f.state.simulation);
  EXPECT_EQ(f.state.results.count, 1);

  BranchNameFields fields;
  for (int row = 1; row <= MaxLabelRows; ++row)
    fields[row - 1] = {f.state.labels.rows[row].newName.str(), ""};
  for (int branching : {1, 2, 3}) fields[2 * branching - 2].name = "K" + std::to_string(branching);
  f.host.branchNameReplies = {fields};
  editBranchNames(f.context);
  EXPECT_EQ(variableFormOf(f.state).names[4], (VariableNameRow{"K3", true, ""}));
  EXPECT_EQ(valuesOf(f.state).front(), "3");

  defineVariable(f.context);
  EXPECT_FALSE(f.state.variable);
  EXPECT_TRUE(f.state.tree.branch(1, 1).counted);
  EXPECT_FALSE(variableFormOf(f.state).names[0].counted);
  f.state.variable = RandomVariable{};
  beginTree(f.context, 2);
  EXPECT_FALSE(f.state.variable);
}

// Only the chosen kind's fields are judged; empty is a value not typed yet.
TEST(VariableDefinition, TheFormIsRefusedAtItsFirstFaultyField) {
  const std::tuple<const char*, VariableKind, const char*, std::optional<VariableField>> cases[] = {
      {"x", VariableKind::SumOfBranches, "", std::nullopt},
      {"", VariableKind::CountOfNames, "", VariableField::Name},
      {"\xe6", VariableKind::CountOfNames, "", VariableField::Name},  // æ
      {"X", VariableKind::SumOfBranches, "0.12345678901234567890123", VariableField::BranchValue},
      {"X", VariableKind::ValuePerOutcome, "to", std::nullopt},
  };
  for (const auto& [name, kind, value, field] : cases) {
    const VariableForm form{kind, name, {{"A1", false, "1"}, {"B1", false, value}}, {}, false};
    const std::optional<VariableFormFault> fault = variableFormFault(form);
    EXPECT_EQ(fault ? std::optional(fault->field) : std::nullopt, field) << name << " " << value;
  }
}

}  // namespace
}  // namespace kvistra
