// Fuzzes the tree file reader, which reads whatever file the user picks. Besides crashes and
// sanitizer reports it checks that a refused file leaves the tree shown untouched, and that a
// file it accepts is a tree the program can work with: it is drawn, its names are applied and
// an event is evaluated on it, and saving it gives a file that loads again and saves to the
// same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "PropertyCheck.h"
#include "events/EventExpression.h"
#include "names/BranchNames.h"
#include "storage/TreeFile.h"
#include "storage/TreeFileCommands.h"
#include "support/TreeBuilding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace kvistra;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  testing::Fixture f;
  f.build({2, 3});
  const std::string shown = treeFileText(f.state);
  if (!loadTreeText(f.context, text, "x.KV3")) {
    check(treeFileText(f.state) == shown, "a refused file leaves the tree as it was");
    return 0;
  }
  const std::string saved = treeFileText(f.state);
  testing::Fixture again;
  check(loadTreeText(again.context, saved, "x.KV3"), "a saved file loads again");
  check(treeFileText(again.state) == saved, "a saved file saves to the same bytes");

  f.host.branchNameReplies = {std::nullopt};
  editBranchNames(f.context);
  evaluateExpressionQuietly(f.state, "A1B2,(A2,B1)-C3,2..5");
  check(f.state.labels.count == labelRowsOf(f.state.tree), "the names dialog has a row a label");
  return 0;
}
