// "&Gem" and "&Hent": the tree with its results and name rows saved to a file and loaded again,
// and the file named on the command line opened at start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/Context.h"

namespace kvistra {

// A tree file is a few kilobytes; anything far larger is not one and is not read whole.
inline constexpr std::size_t LargestTreeFile = 4 << 20;
// A save needs more free space than this on the file system that will hold the file.
inline constexpr std::uintmax_t LeastFreeSpace = 400;

// "&Gem": asks for a name, starting from the tree's own file if it has one, and writes the tree.
// A file already there is replaced only by a complete new one. True when the tree was saved.
bool saveTree(Context& context);

// "&Hent": asks for a file and loads it.
void openTree(Context& context);

// Loads the tree file at path (the file system's bytes). A file that is missing, not a tree
// file or damaged is refused with a message, and the tree shown stays as it was. True when the
// tree was loaded, or could be read but not worked with, and is shown with a message.
bool loadTreeFile(Context& context, const std::string& path);

// Whether the tree holds work that "&Gem" would write and that is not in its file: the file text
// differs from the one last read or written, a saveable tree has never been in a file, or its
// file is a tree file, which has left out the random variable.
bool hasUnsavedChanges(const TreeState& state);

// Before the tree is replaced or the program ends: asks whether to save changes, if there are
// any. False when the user cancelled, or chose to save and the save did not succeed.
bool settleUnsavedChanges(Context& context);

// Loads a tree file's text; shownName is the name for the caption (Windows-1252). False, with a
// message and nothing changed, when the text is not a whole, consistent tree file.
bool loadTreeText(Context& context, std::string_view text, const std::string& shownName);

// A file opened without the open dialog (a recent file, one dropped on the window): the start
// picture goes, unsaved changes are settled, and the file is loaded. True when it was loaded.
bool openTreeFile(Context& context, const std::string& path);

// The start picture's time is up: it goes, and the file named on the command line, if any, is
// opened as openTreeFile opens it. True when a file was loaded.
bool openStartFile(Context& context, const std::optional<std::string>& path);

}  // namespace kvistra
