// The Kvistra document (*.kvistra): the tree as nested branches from the root, of any shape the
// store holds, with its names, results, reduction and display choices, as versioned UTF-8 JSON.
//
// Every member a version defines must be there; members it does not define are skipped, so a
// later version may add what an older Kvistra can do without (a random variable, repeated
// trials) without a new number, while a file whose meaning an older Kvistra would get wrong
// carries a higher version, which that Kvistra refuses.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tree/TreeState.h"

namespace kvistra {

inline constexpr int TreeDocumentVersion = 1;
inline constexpr std::string_view TreeDocumentFormat = "Kvistra-dokument";
// Far beyond the largest tree with its results; a larger file is not a document of this program.
inline constexpr std::size_t LargestTreeDocument = 4 << 20;

// What a document holds is the work, as the program keeps it: the tree complete and laid out.
using TreeDocument = Work;

// A document read whole, or the reason it was refused (Windows-1252, for the user); never both.
struct TreeDocumentReading {
  std::optional<TreeDocument> document;
  std::string error;
};

// The document, pretty-printed with its members always in the same order, so the same work
// gives the same bytes.
std::string writeTreeDocument(const Work& work);

// Checks the whole document before it makes anything of it. Probabilities that break the rules
// of a group whose values are all entered load, as in a tree file, for "Ret talværdi" to mend.
TreeDocumentReading readTreeDocument(std::string_view utf8);

// Saves a document the safe way tree files are saved: in full beside path, then moved over it.
bool saveTreeDocument(const std::string& path, std::string_view document);

// Documents end in ".kvistra".
bool hasTreeDocumentExtension(std::string_view path);

}  // namespace kvistra
