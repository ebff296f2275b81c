// "Stokastisk variabel…": the random variable defined on the tree by counting names, summing
// values on the branches, or a value on each outcome; and "Vis X på udfaldene".
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "host/Context.h"

namespace kvistra {

// The dialog's form on the tree as it stands: the variable's definition, or, when there is
// none, "Antal af …" named X with nothing counted and no values. Names are listed once each, in
// the order they first stand from the top branching down; a name counts when any of its
// branches does.
VariableForm variableFormOf(const TreeState& state);

// The field that holds what the dialog cannot take, and what to tell about it.
enum class VariableField { Name, BranchValue, OutcomeValue };
struct VariableFormFault {
  VariableField field = VariableField::Name;
  std::size_t row = 0;  // the row of the names or outcomes, from 0
  std::string message;  // Windows-1252
};

// The variable's name as typed: one letter A–Z, a lowercase one made capital.
std::optional<char> variableNameFrom(const std::string& typed);

// The first field of the chosen kind that is neither empty nor a value readVariableValue takes,
// or a name that is not one letter; nothing when the form can be applied.
std::optional<VariableFormFault> variableFormFault(const VariableForm& form);

// Defines the variable by a form that has no fault. Only the chosen kind's fields go to the
// branches, so the values of the other kinds wait there for a change back.
void applyVariableForm(TreeState& state, const VariableForm& form);

// "Stokastisk variabel…": the dialog, then the variable defined, changed or removed. Only the
// variable changes: the probabilities and the results stand as they were.
void defineVariable(Context& context);

// "Vis X på udfaldene": each outcome shows the variable's value, or not.
void setVariableOnOutcomes(Context& context, bool shown);

}  // namespace kvistra
