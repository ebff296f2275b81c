#include "construction/ShapeEditing.h"

#include <algorithm>
#include <utility>

#include "construction/ShapeLayout.h"
#include "drawing/TreeDrawing.h"
#include "host/Questions.h"
#include "results/ResultsList.h"
#include "text/Windows1252.h"
#include "tree/LabelRowMap.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

constexpr char CaptionBlank[] = " ";
// Wide enough for the question's longer line in the yes/no box's font.
constexpr int OnlySiblingBoxWidth = 480;

std::vector<NestedBranch> nestedGroup(const Tree& tree, BranchAt parent) {
  std::vector<NestedBranch> group;
  const Slots children = tree.children(parent.level, parent.slot);
  for (int slot = children.first; slot <= children.last; ++slot)
    group.push_back(
        {tree.branch(parent.level + 1, slot), nestedGroup(tree, {parent.level + 1, slot})});
  return group;
}

int leavesIn(const std::vector<NestedBranch>& group) {
  int leaves = 0;
  for (const NestedBranch& branch : group)
    leaves += branch.group.empty() ? 1 : leavesIn(branch.group);
  return leaves;
}

// The positions within their groups of the branches on the path from the root to at.
std::vector<int> positionsOnPath(const Tree& tree, BranchAt at) {
  std::vector<int> positions;
  for (; at.level >= 1; at = tree.above(at))
    positions.insert(positions.begin(), at.slot - tree.siblings(at.level, at.slot).first);
  return positions;
}

// The group the branch at stands in, and its place there.
std::pair<std::vector<NestedBranch>*, std::size_t> placeOf(std::vector<NestedBranch>& top,
                                                           const std::vector<int>& positions) {
  std::vector<NestedBranch>* group = &top;
  for (std::size_t i = 0; i + 1 < positions.size(); ++i)
    group = &(*group)[static_cast<std::size_t>(positions[i])].group;
  return {group, static_cast<std::size_t>(positions.back())};
}

// Applies change to the branch's group and its place there, and stores the tree it leaves.
template <class Change>
void changeNested(Tree& tree, BranchAt at, Change change) {
  std::vector<NestedBranch> top = nestedBranches(tree);
  auto [group, place] = placeOf(top, positionsOnPath(tree, at));
  change(*group, place);
  storeNestedBranches(tree, top);
}

// Values that no longer make a group add up to 1 go; the group is asked again.
void clearValues(std::vector<NestedBranch>& group) {
  for (NestedBranch& sibling : group) {
    sibling.branch.probability = 0.0;
    sibling.branch.probabilityEntered = false;
    sibling.branch.typedText = "";
  }
}

NestedBranch newLeaf(char letter, int level) {
  NestedBranch leaf;
  leaf.branch.name = std::string{letter, static_cast<char>('0' + level)};
  leaf.branch.exists = true;
  return leaf;
}

// The first letter A, B, C, … that, with the branching's digit, names no branch of the group.
char freeLetter(const std::vector<NestedBranch>& group, int level) {
  for (char letter = 'A';; ++letter) {
    const std::string name{letter, static_cast<char>('0' + level)};
    const bool taken = std::any_of(group.begin(), group.end(), [&](const NestedBranch& b) {
      return b.branch.name.view() == name;
    });
    if (!taken) return letter;
  }
}

bool isLeaf(const Tree& tree, BranchAt at) {
  return tree.children(at.level, at.slot).size() == 0;
}

constexpr char TooManyOutcomes[] = "Træet kan højst have 64 udfald.";

}  // namespace

std::vector<NestedBranch> nestedBranches(const Tree& tree) {
  return nestedGroup(tree, {0, 1});
}

void storeNestedBranches(Tree& tree, const std::vector<NestedBranch>& top) {
  for (int level = 1; level <= MaxBranchings; ++level) {
    for (int slot = 1; slot <= MaxNodesPerLevel; ++slot) {
      tree.branch(level, slot) = Branch{};
      tree.branch(level, slot).name = " ";
    }
  }
  // A level's slots hold the groups of the level above's branches in order, top to bottom.
  std::vector<std::pair<int, const std::vector<NestedBranch>*>> groups{{1, &top}};
  int depth = 0;
  for (int level = 1; level <= MaxBranchings && !groups.empty(); ++level) {
    std::vector<std::pair<int, const std::vector<NestedBranch>*>> below;
    int slot = 0;
    for (const auto& [parentSlot, group] : groups) {
      for (const NestedBranch& nested : *group) {
        Branch& branch = tree.branch(level, ++slot);
        branch = nested.branch;
        branch.branchesPerNode = static_cast<int32_t>(group->size());
        branch.parentIndex = parentSlot;
        if (!nested.group.empty()) below.emplace_back(slot, &nested.group);
      }
    }
    for (int s = 1; s <= slot; ++s) tree.branch(level, s).levelNodeCount = slot;
    depth = level;
    groups = std::move(below);
  }
  tree.branchingCount = tree.builtBranchings = depth;
  tree.leafCount = leavesIn(top);
  tree.complete = true;
  layOutTree(tree);
}

std::string shapeRefusal(const Tree& tree, BranchAt at, ShapeTool tool) {
  switch (tool) {
    case ShapeTool::EndPath:
      return isLeaf(tree, at) ? "Grenen ender allerede her." : "";
    case ShapeTool::BranchOut:
      if (!isLeaf(tree, at)) return "Grenen har allerede grene under sig.";
      if (at.level >= MaxBranchings) return "Træet kan højst have 6 forgreninger.";
      return tree.outcomeSlots() >= MaxOutcomes ? TooManyOutcomes : "";
    case ShapeTool::AddBranch:
      if (tree.siblings(at.level, at.slot).size() >= MostBranches)
        return "En gruppe kan højst have 6 grene.";
      return tree.outcomeSlots() >= MaxOutcomes ? TooManyOutcomes : "";
    case ShapeTool::DeleteBranch:
      // A group of two loses its branch only by ending the path above it, which the root has not.
      if (at.level == 1 && tree.siblings(at.level, at.slot).size() <= FewestBranches)
        return "Træet skal have mindst to grene i første forgrening.";
      return "";
  }
  return "";
}

int mostBranchesBelow(const Tree& tree) {
  // The leaf's own outcome becomes one of the new ones.
  return std::min(MostBranches, MaxOutcomes - tree.outcomeSlots() + 1);
}

void endPathAt(Tree& tree, BranchAt at) {
  changeNested(tree, at, [](std::vector<NestedBranch>& group, std::size_t place) {
    group[place].group.clear();
  });
}

void branchOutAt(Tree& tree, BranchAt at, int branches) {
  changeNested(tree, at, [&](std::vector<NestedBranch>& group, std::size_t place) {
    for (int k = 0; k < branches; ++k)
      group[place].group.push_back(newLeaf(static_cast<char>('A' + k), at.level + 1));
  });
}

void addBranchBeside(Tree& tree, BranchAt at) {
  changeNested(tree, at, [&](std::vector<NestedBranch>& group, std::size_t) {
    group.push_back(newLeaf(freeLetter(group, at.level), at.level));
    clearValues(group);
  });
}

void deleteBranchAt(Tree& tree, BranchAt at) {
  changeNested(tree, at, [](std::vector<NestedBranch>& group, std::size_t place) {
    group.erase(group.begin() + static_cast<std::ptrdiff_t>(place));
    clearValues(group);
  });
}

std::optional<ShapeTool> shapeToolOf(ToolMode mode) {
  switch (mode) {
    case ToolMode::EndPath:
      return ShapeTool::EndPath;
    case ToolMode::BranchOut:
      return ShapeTool::BranchOut;
    case ToolMode::AddBranch:
      return ShapeTool::AddBranch;
    case ToolMode::DeleteBranch:
      return ShapeTool::DeleteBranch;
    default:
      return std::nullopt;
  }
}

namespace {

// Carries out the tool on the tree, asking first where it needs to; false when nothing changed.
bool changeTree(Context& context, BranchAt at, ShapeTool tool) {
  Tree& tree = context.state.tree;
  switch (tool) {
    case ShapeTool::EndPath:
      endPathAt(tree, at);
      return true;
    case ShapeTool::BranchOut: {
      const std::optional<int> branches = context.host.askCount(
          {.title = w1252("Forgren grenen"),
           .label = w1252("Antal grene under ") + branchLabel(tree, at.level, at.slot) + ":",
           .least = FewestBranches,
           .most = mostBranchesBelow(tree),
           .preset = FewestBranches});
      if (!branches) return false;
      branchOutAt(tree, at, std::clamp(*branches, FewestBranches, mostBranchesBelow(tree)));
      return true;
    }
    case ShapeTool::AddBranch:
      addBranchBeside(tree, at);
      return true;
    case ShapeTool::DeleteBranch:
      if (tree.siblings(at.level, at.slot).size() > FewestBranches) {
        deleteBranchAt(tree, at);
        return true;
      }
      // A group keeps two branches at least: the path may end above it instead.
      if (!askYesNo(context, w1252("Grenen har kun én søskende."),
                    w1252(" Skal stien i stedet slutte før denne forgrening?"),
                    OnlySiblingBoxWidth))
        return false;
      endPathAt(tree, tree.above(at));
      return true;
  }
  return false;
}

// The names dialog's rows, once made, follow the new shape: a row for each name, each keeping
// its text, so that what is saved reads back.
void relabel(TreeState& state) {
  if (state.labels.count == 0) return;
  const LabelRows before = state.labels;
  state.labels.count = labelRowMap(state.tree).count;
  fillLabelRows(state.tree, before, state.labels);
}

// What was shown of the old shape no longer fits the new one.
void forgetOldShape(TreeState& state) {
  relabel(state);
  state.event.shown = false;
  state.event.outcomeMarked = {};
  state.event.outcomeCount = state.tree.outcomeSlots();
  state.reversal.reset();
}

}  // namespace

void changeShapeAt(Context& context, BranchAt at, ShapeTool tool) {
  if (const std::string refusal = shapeRefusal(context.state.tree, at, tool); !refusal.empty()) {
    context.host.showMessage(w1252(refusal), CaptionBlank);
    return;
  }
  if (!changeTree(context, at, tool)) return;
  forgetOldShape(context.state);
  noteTreeChanged(context);
  paintTreeOnScreen(context.state, context.host);
}

}  // namespace kvistra
