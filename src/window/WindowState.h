// What the main window shows, as plain data. Commands change it at the end of each operation,
// but for the controls that are on, which are worked out from the work after each
// (window/Controls); the window copies it onto its widgets in one place.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tree/TreeState.h"
#include "window/DistributionPane.h"

namespace kvistra {

// Every control that can be enabled or disabled: menus, menu items, toolbar and branch-count
// buttons.
enum class Control {
  Open,
  Save,
  ExportPicture,
  Print,
  PrintPreview,
  PrintWorksheet,
  Quit,
  CopyAll,
  Undo,
  Redo,
  DrawTreeMenu,
  NewTwoBranchingTree,
  NewThreeBranchingTree,
  NewOtherShapeTree,
  NewRepeatedTrials,
  PrepareTreeMenu,
  SetFirstProbabilities,
  CopyAcross,
  CopyDown,
  EnterProbabilities,
  EditValue,
  // The tools that change the tree's shape.
  EndPath,
  BranchOut,
  AddBranch,
  DeleteBranch,
  BranchNames,
  DecimalsMenu,
  TwoDecimals,
  ThreeDecimals,
  FourDecimals,
  Fractions,
  ClearResults,
  ReplaceLetter,
  DecimalComma,
  CalculationsMenu,
  AskEvent,
  DefineVariable,
  ReduceTree,
  RestoreTree,
  ReverseTree,
  Simulate,
  SimulateAgain,
  ConditionalValues,
  HighlightEvent,
  ZoomIn,
  ZoomOut,
  ZoomNormal,
  ZoomToFit,
  NaturalFrequencies,
  CaseCount,
  VariableOnOutcomes,
  CountingTree,
  HelpMenu,
  HelpContents,
  About,
  CopyAcrossButton,
  CopyDownButton,
  EnterProbabilitiesButton,
  EventButton,
  ReduceButton,
  RestoreButton,
  ClearResultsButton,
  PrintButton,
  PrintHeadingButton,
  CopyMenuButton,
  // The branch-count buttons "2" to "6", in order.
  TwoBranchesButton,
  ThreeBranchesButton,
  FourBranchesButton,
  FiveBranchesButton,
  SixBranchesButton,
  Count
};

// The branch-count button "2" … "6" for a number of branches.
constexpr Control branchCountButton(int branches) {
  return static_cast<Control>(static_cast<int>(Control::TwoBranchesButton) + branches -
                              FewestBranches);
}

// The note below the left pane while the tree is reduced.
struct ReductionNote {
  bool highlighted = false;
  std::string event;
  std::string probability;
  friend bool operator==(const ReductionNote&, const ReductionNote&) = default;
};

// The yellow hint on the drawing: what was typed for the branch pressed on, beside the pointer.
struct BranchHint {
  bool visible = false;
  int x = 0;
  int y = 0;
  std::string text;
  friend bool operator==(const BranchHint&, const BranchHint&) = default;
};

// The branch the keyboard is on, drawn with a focus mark while the drawing has the focus; level 0
// when none is.
struct BranchFocus {
  int level = 0;
  int slot = 0;
  friend bool operator==(const BranchFocus&, const BranchFocus&) = default;
};

struct WindowState {
  std::string title = "   Kvistra";
  std::array<bool, static_cast<std::size_t>(Control::Count)> enabled = allEnabled();

  bool toolbarVisible = true;
  bool sidePaneVisible = true;
  bool branchTextsVisible = true;
  bool branchCountBarVisible = false;
  bool startPictureVisible = true;

  std::string branchCountPrompt;
  std::vector<std::string> resultLines;
  std::vector<std::string> branchTextLines;
  ReductionNote reductionNote;
  BranchHint branchHint;
  BranchFocus branchFocus;
  // "Fordeling af X", while the work has a random variable.
  std::optional<DistributionPane> distributionPane;

  bool isEnabled(Control c) const { return enabled[static_cast<std::size_t>(c)]; }

 private:
  static constexpr std::array<bool, static_cast<std::size_t>(Control::Count)> allEnabled() {
    std::array<bool, static_cast<std::size_t>(Control::Count)> all{};
    all.fill(true);
    return all;
  }
};

}  // namespace kvistra
