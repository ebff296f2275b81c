// Fuzzes the document reader, which reads whatever file the user picks. Besides crashes and
// sanitizer reports it checks that a document is either read or refused with a reason, that what
// it reads fits the store, and that writing what it read gives a document that reads again and
// writes to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "PropertyCheck.h"
#include "construction/TrialsTree.h"
#include "storage/TreeDocument.h"
#include "tree/ExactValues.h"
#include "tree/TreeHelpers.h"

namespace kvistra {
namespace {

std::string written(const TreeDocument& document) {
  return writeTreeDocument(document);
}

// A tree in the store; or none at all beside trials too many to draw.
bool fitsTheStore(const TreeDocument& document) {
  const Tree& tree = document.tree;
  if (document.trials && !drawnAsTree(*document.trials) && tree.depth() == 0) return true;
  if (tree.depth() < 1 || tree.branchingCount != tree.depth()) return false;
  if (tree.leafCount < tree.slotsOn(tree.depth()) || tree.leafCount > MaxOutcomes) return false;
  for (int level = 1; level <= tree.depth(); ++level)
    if (tree.slotsOn(level) != tree.branch(level, 1).levelNodeCount) return false;
  return true;
}

}  // namespace
}  // namespace kvistra

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace kvistra;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const TreeDocumentReading read = readTreeDocument(text);
  check(read.document.has_value() != !read.error.empty(), "a document is read or refused");
  if (!read.document) return 0;
  check(fitsTheStore(*read.document), "a document read fits the store");
  invalidGroups(read.document->tree);
  const std::string saved = written(*read.document);
  const TreeDocumentReading again = readTreeDocument(saved);
  check(again.document.has_value(), "a written document reads again");
  check(written(*again.document) == saved, "a written document writes to the same bytes");
  return 0;
}
