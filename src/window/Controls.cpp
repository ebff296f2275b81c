#include "window/Controls.h"

#include <string_view>

#include "distribution/RepeatedTrials.h"
#include "tree/BranchCountLimits.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

using enum Control;

// One control's state in each phase, a cell per phase in the order of Phase:
//   no tree, building, first groups, stepping, complete, reduced, invalid, invalid and reduced,
//   trials without a tree.
// X: on; .: off; a: on when the next group can be copied across; d: copied down; b: on when the
// button's branch count still fits in the store; v: on while the work has a random variable; t: on
// while the work has trials few enough for a counting tree; w: on while the trials are few enough
// for a worksheet's table of their distribution. An item of a closed menu is set as the start
// leaves it; nothing reaches it until its menu opens.
struct ControlRow {
  Control control;
  std::string_view cells;
};

constexpr ControlRow ControlTable[] = {
    // clang-format off
    //                                   N B F S C R I I+R T
    {Open,                              "X X X X X X X X X"},
    {Save,                              ". . . . X X X X X"},
    {ExportPicture,                     ". . . . X X . . X"},
    {Print,                             ". . . . X X . . X"},
    {PrintPreview,                      ". . . . X X . . X"},
    {PrintWorksheet,                    ". . . . X X . . w"},
    {Quit,                              "X X X X X X X X X"},
    {CopyAll,                           "X X X X X X X X X"},
    // The history sets the menu items of its own.
    {Undo,                              "X X X X X X X X X"},
    {Redo,                              "X X X X X X X X X"},
    {DrawTreeMenu,                      "X X X X X X X X X"},
    {NewTwoBranchingTree,               "X X X X X X X X X"},
    {NewThreeBranchingTree,             "X X X X X X X X X"},
    {NewOtherShapeTree,                 "X X X X X X X X X"},
    {NewRepeatedTrials,                 "X X X X X X X X X"},
    {PrepareTreeMenu,                   ". . X X X X X X X"},
    {SetFirstProbabilities,             "X X X . . . . . ."},
    {CopyAcross,                        "X X . a . . . . ."},
    {CopyDown,                          "X X . d . . . . ."},
    {EnterProbabilities,                "X X . X . . . . ."},
    {EditValue,                         "X X X X X X X X ."},
    // A reduced tree keeps its shape.
    {EndPath,                           ". . X X X . X . ."},
    {BranchOut,                         ". . X X X . X . ."},
    {AddBranch,                         ". . X X X . X . ."},
    {DeleteBranch,                      ". . X X X . X . ."},
    {BranchNames,                       "X X X X X X X X ."},
    {DecimalsMenu,                      "X X X X X X X X X"},
    {TwoDecimals,                       "X X X X X X X X X"},
    {ThreeDecimals,                     "X X X X X X X X X"},
    {FourDecimals,                      "X X X X X X X X X"},
    {Fractions,                         "X X X X X X X X X"},
    {ClearResults,                      "X X X X X X X X X"},
    {ReplaceLetter,                     "X X X X X X X X ."},
    {DecimalComma,                      "X X X X X X X X X"},
    {CalculationsMenu,                  ". . . . X X X X X"},
    {AskEvent,                          "X X X X X X . . ."},
    {DefineVariable,                    "X X X X X X . . ."},
    {ReduceTree,                        ". . . . X . . . ."},
    {RestoreTree,                       ". . . . . X . X ."},
    // Only the whole tree is reversed.
    {ReverseTree,                       "X X X X X . . . ."},
    {Simulate,                          ". . . . X X . . ."},
    {SimulateAgain,                     ". . . . X X . . ."},
    {ConditionalValues,                 "X X X X X X X X ."},
    {HighlightEvent,                    "X X X X X X X X ."},
    {ZoomIn,                            "X X X X X X X X X"},
    {ZoomOut,                           "X X X X X X X X X"},
    {ZoomNormal,                        "X X X X X X X X X"},
    {ZoomToFit,                         "X X X X X X X X X"},
    {NaturalFrequencies,                ". . . . X X . . ."},
    {CaseCount,                         "X X X X X X X X ."},
    {VariableOnOutcomes,                "v v v v v v v v ."},
    {CountingTree,                      "t t t t t t t t t"},
    {HelpMenu,                          "X X X X X X X X X"},
    {HelpContents,                      "X X X X X X X X X"},
    {About,                             "X X X X X X X X X"},
    {CopyAcrossButton,                  ". . . a . . . . ."},
    {CopyDownButton,                    ". . . d . . . . ."},
    {EnterProbabilitiesButton,          ". . . X . . . . ."},
    {EventButton,                       ". . . . X X . . ."},
    {ReduceButton,                      ". . . . X . . . ."},
    {RestoreButton,                     ". . . . . X . X ."},
    {ClearResultsButton,                "X . . . X X X X X"},
    {PrintButton,                       ". . . . X X . . X"},
    {PrintHeadingButton,                "X X X X X X X X X"},
    {CopyMenuButton,                    ". . . . X X X X X"},
    {TwoBranchesButton,                 "b b b b b b b b b"},
    {ThreeBranchesButton,               "b b b b b b b b b"},
    {FourBranchesButton,                "b b b b b b b b b"},
    {FiveBranchesButton,                "b b b b b b b b b"},
    {SixBranchesButton,                 "b b b b b b b b b"},
    // clang-format on
};

constexpr std::size_t PhaseCount = static_cast<std::size_t>(Phase::Count);

// Every control has its row, in the order of Control, and a cell for every phase.
constexpr bool tableIsWhole() {
  if (std::size(ControlTable) != static_cast<std::size_t>(Control::Count)) return false;
  for (std::size_t i = 0; i < std::size(ControlTable); ++i) {
    const ControlRow& row = ControlTable[i];
    if (row.control != static_cast<Control>(i) || row.cells.size() != 2 * PhaseCount - 1)
      return false;
  }
  return true;
}
static_assert(tableIsWhole());

// The count of branches a branch-count button stands for.
int branchesOf(Control button) {
  return static_cast<int>(button) - static_cast<int>(TwoBranchesButton) + FewestBranches;
}

bool cellOn(char cell, Control control, const ControlConditions& conditions) {
  switch (cell) {
    case 'X':
      return true;
    case 'a':
      return conditions.canCopyAcross;
    case 'd':
      return conditions.canCopyDown;
    case 'b':
      return branchesOf(control) < conditions.firstRefusedBranchCount;
    case 'v':
      return conditions.hasVariable;
    case 't':
      return conditions.hasCountableTrials;
    case 'w':
      return conditions.trialsTabulated;
    default:
      return false;
  }
}

}  // namespace

Phase phaseOf(const TreeState& state) {
  if (state.tree.branchingCount == 0) return state.trials ? Phase::Trials : Phase::NoTree;
  if (!state.tree.complete) return Phase::Building;
  if (!state.input.allProbabilitiesEntered)
    return state.input.firstGroupsEntered ? Phase::Stepping : Phase::FirstGroups;
  const bool reduced = state.reduction.reduced;
  if (!invalidGroups(state.tree).empty()) return reduced ? Phase::InvalidReduced : Phase::Invalid;
  return reduced ? Phase::Reduced : Phase::Complete;
}

ControlConditions controlConditionsOf(const TreeState& state) {
  return {.canCopyAcross = state.input.canCopyAcross,
          .canCopyDown = state.input.canCopyDown,
          .firstRefusedBranchCount = branchCountLimit(state.tree).firstRefused,
          .hasVariable = state.variable.has_value(),
          .hasCountableTrials = state.trials && state.trials->count <= MostTrialsCounted,
          .trialsTabulated = state.trials && state.trials->count <= MostTabulatedTrials};
}

EnabledControls enabledControls(Phase phase, const ControlConditions& conditions) {
  EnabledControls enabled{};
  const std::size_t column = 2 * static_cast<std::size_t>(phase);
  for (const ControlRow& row : ControlTable)
    enabled[static_cast<std::size_t>(row.control)] =
        cellOn(row.cells[column], row.control, conditions);
  return enabled;
}

void showControls(const TreeState& state, WindowState& window) {
  window.enabled = enabledControls(phaseOf(state), controlConditionsOf(state));
}

}  // namespace kvistra
