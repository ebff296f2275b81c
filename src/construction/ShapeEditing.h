// Changing the shape of a built tree one branch at a time: ending a path, branching a leaf,
// adding a branch to a group and deleting one. Every change keeps the names, texts and values of
// the branches it leaves alone; a group whose size changes loses its values, which no longer add
// up, and asks them again.
#pragma once

#include <string>
#include <vector>

#include "host/Context.h"

namespace kvistra {

// A branch with the group below it, as a change of shape sees the tree.
struct NestedBranch {
  Branch branch;
  std::vector<NestedBranch> group;
};

// The root's group, each branch with what hangs below it.
std::vector<NestedBranch> nestedBranches(const Tree& tree);

// Makes the nested branches the whole tree in the store, complete and laid out.
void storeNestedBranches(Tree& tree, const std::vector<NestedBranch>& top);

// The tools of "Klargør træ" that change the tree's shape; each acts on the branch clicked.
enum class ShapeTool { EndPath, BranchOut, AddBranch, DeleteBranch };

// Why the tool cannot change the tree at the branch, for the user (UTF-8); empty when it can.
std::string shapeRefusal(const Tree& tree, BranchAt at, ShapeTool tool);

// The most branches "Forgren grenen…" can give a leaf without outgrowing the tree.
int mostBranchesBelow(const Tree& tree);

// The changes themselves, for a branch shapeRefusal lets by.
void endPathAt(Tree& tree, BranchAt at);
void branchOutAt(Tree& tree, BranchAt at, int branches);
void addBranchBeside(Tree& tree, BranchAt at);
void deleteBranchAt(Tree& tree, BranchAt at);

// The tool a tool mode stands for, if it is one of these.
std::optional<ShapeTool> shapeToolOf(ToolMode mode);

// A click with a shape tool on the branch: asks what the tool needs, changes the tree as one
// step, marks the results as made on the old tree and draws the new one.
void changeShapeAt(Context& context, BranchAt at, ShapeTool tool);

}  // namespace kvistra
