// The tree file: the tree with every branch, its reduction, the results list and the name rows,
// one value a line, Windows-1252 text with CR LF line ends.
#pragma once

#include <string>
#include <string_view>

#include "tree/TreeState.h"

namespace kvistra {

// The whole file for the state, as it is written to disk.
std::string treeFileText(const TreeState& state);

// A real as the file writes it: 23 characters, a blank or "-", 15 significant digits and a
// four-digit exponent, " 1.66666666666667E-0001".
std::string treeFileReal(double value);

// Reads a file into into, which the caller has reset as for a new tree. True only when the
// whole file was there and consistent: counts within the store and matching the levels above,
// parents on the level above, numbers where numbers belong, probabilities within 0..1 and
// exists flags that agree with the reduction. On false, into holds a partial read and must be
// thrown away. Lines may end in CR LF or a lone LF, and the last one in nothing.
bool readTreeFile(std::string_view text, TreeState& into);

// The name shown in the window caption: the part of the path after its last "/".
std::string_view shortFileName(std::string_view path);

// Tree files end in ".KV3" or ".kv3"; a mixed case is not one.
bool hasTreeFileExtension(std::string_view path);

// Whether a tree file can hold the tree: 2 or 3 branchings, every path through all of them, the
// groups of a branching all of one size, and at most 27 outcomes.
bool fitsTreeFile(const Tree& tree);

}  // namespace kvistra
