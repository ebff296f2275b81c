#include "variable/VariableDefinition.h"

#include <algorithm>
#include <string_view>

#include "distribution/VariableValue.h"
#include "drawing/TreeDrawing.h"
#include "text/Windows1252.h"

namespace kvistra {

namespace {

constexpr const char* NotANumber = "Skriv et tal, f.eks. -5, 2.5 eller 1/2.";
constexpr const char* NotALetter = "Navnet skal være ét bogstav fra A til Z, f.eks. X.";  // UTF-8

// Blanks around a name or a value do not belong to it; a one-letter name is kept with one.
std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Whether typed can be kept as a value: a number its text has room for, or nothing yet.
bool isValue(std::string_view typed) {
  const std::string_view value = trimmed(typed);
  return value.empty() || (value.size() <= VariableText::capacity && readVariableValue(value));
}

// A const tree visits const branches.
template <class AnyTree, class Visit>
void forEachBranch(AnyTree& tree, Visit visit) {
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) visit(tree.branch(level, slot));
}

std::string pathOf(const Tree& tree, int k) {
  std::string path;
  for (BranchAt at = tree.outcome(k); at.level >= 1; at = tree.above(at))
    path.insert(0, std::string(trimmed(tree.branch(at).name.view())) + (path.empty() ? "" : " "));
  return path;
}

}  // namespace

VariableForm variableFormOf(const TreeState& state) {
  const Tree& tree = state.tree;
  VariableForm form;
  // What a removed variable left on the branches is kept for an undo, not offered again.
  const bool defined = state.variable.has_value();
  if (defined) {
    form.kind = state.variable->kind;
    form.name = std::string(1, state.variable->name);
    form.defined = true;
  }
  forEachBranch(tree, [&](const Branch& branch) {
    const std::string_view name = branch.name.view();
    auto row = std::find_if(form.names.begin(), form.names.end(),
                            [name](const VariableNameRow& r) { return r.name == name; });
    if (row == form.names.end())
      row = form.names.insert(form.names.end(), {std::string(name), false, {}});
    if (!defined) return;
    row->counted = row->counted || branch.counted;
    if (row->value.empty()) row->value = branch.branchValue.str();
  });
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
    form.outcomes.push_back(
        {k, pathOf(tree, k), defined ? tree.leaf(k).outcomeValue.str() : std::string()});
  return form;
}

std::optional<char> variableNameFrom(const std::string& typed) {
  const std::string_view name = trimmed(typed);
  if (name.size() != 1) return std::nullopt;
  const char letter = name.front();
  if (letter >= 'a' && letter <= 'z') return static_cast<char>(letter - 'a' + 'A');
  if (letter >= 'A' && letter <= 'Z') return letter;
  return std::nullopt;
}

std::optional<VariableFormFault> variableFormFault(const VariableForm& form) {
  if (!variableNameFrom(form.name))
    return VariableFormFault{VariableField::Name, 0, w1252(NotALetter)};
  if (form.kind == VariableKind::SumOfBranches)
    for (std::size_t row = 0; row < form.names.size(); ++row)
      if (!isValue(form.names[row].value))
        return VariableFormFault{VariableField::BranchValue, row, NotANumber};
  if (form.kind == VariableKind::ValuePerOutcome)
    for (std::size_t row = 0; row < form.outcomes.size(); ++row)
      if (!isValue(form.outcomes[row].value))
        return VariableFormFault{VariableField::OutcomeValue, row, NotANumber};
  return std::nullopt;
}

void applyVariableForm(TreeState& state, const VariableForm& form) {
  Tree& tree = state.tree;
  state.variable = RandomVariable{form.kind, variableNameFrom(form.name).value_or('X')};
  switch (form.kind) {
    case VariableKind::CountOfNames:
    case VariableKind::SumOfBranches:
      forEachBranch(tree, [&](Branch& branch) {
        const auto row =
            std::find_if(form.names.begin(), form.names.end(),
                         [&](const VariableNameRow& r) { return branch.name.view() == r.name; });
        if (row == form.names.end()) return;
        if (form.kind == VariableKind::CountOfNames)
          branch.counted = row->counted;
        else
          branch.branchValue = trimmed(row->value);
      });
      break;
    case VariableKind::ValuePerOutcome:
      for (const VariableOutcomeRow& row : form.outcomes)
        if (row.outcome >= 1 && row.outcome <= tree.outcomeSlots())
          tree.branch(tree.outcome(row.outcome)).outcomeValue = trimmed(row.value);
      break;
  }
}

void defineVariable(Context& context) {
  TreeState& state = context.state;
  // Its names and outcomes are only known once the tree is built.
  if (!state.tree.complete) return;
  const VariableReply reply = context.host.showVariableDialog(variableFormOf(state));
  switch (reply.choice) {
    case VariableChoice::Define:
      if (variableFormFault(reply.form)) return;
      applyVariableForm(state, reply.form);
      break;
    case VariableChoice::Remove:
      state.variable.reset();
      break;
    case VariableChoice::Cancel:
      return;
  }
  paintTreeOnScreen(state, context.host);
}

void setVariableOnOutcomes(Context& context, bool shown) {
  context.state.view.variableOnOutcomes = shown;
  paintTreeOnScreen(context.state, context.host);
}

}  // namespace kvistra
