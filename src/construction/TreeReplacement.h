// A tree shown in place of the one before: a loaded tree, or one worked out from it.
#pragma once

#include <string>

#include "host/Context.h"

namespace kvistra {

// The window's caption for a tree shown under shownName (Windows-1252).
std::string captionWith(const std::string& shownName);

// Shows replacement, a complete tree, in place of the tree shown, as a loaded tree is shown;
// shownName is the name for the caption (Windows-1252).
void showReplacedTree(Context& context, TreeState replacement, const std::string& shownName);

}  // namespace kvistra
