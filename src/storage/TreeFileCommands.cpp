#include "storage/TreeFileCommands.h"

#include "construction/Construction.h"
#include "drawing/TreeDrawing.h"
#include "names/BranchNames.h"
#include "results/ResultsList.h"
#include "storage/FileAccess.h"
#include "storage/TreeFile.h"
#include "text/Windows1252.h"
#include "tree/Layout.h"
#include "tree/TreeHelpers.h"
#include "window/CommandTables.h"
#include "window/Startup.h"

namespace kvistra {

namespace {

constexpr const char* PresetName = "*.KV3";
constexpr const char* FileMissing = " Filen findes ikke";
constexpr const char* FileDamaged = " Filen kan ikke læses";  // UTF-8; see w1252
constexpr const char* SaveFailed = " Det lykkedes ikke at gemme filen ";
constexpr const char* DiskFull = " Disken er fuld eller disketten fjernet. ";

void tell(Context& context, const char* message) {
  context.host.showMessage(w1252(message), " ");
}

std::string captionWith(const std::string& shownName) {
  return std::string("   Kvistra    ") + ProgramVersion + "   " + shownName;
}

std::string shownNameOf(const std::string& path) {
  return windows1252FromUtf8(shortFileName(path));
}

// Everything shown is made anew from the loaded state.
void showLoadedTree(Context& context, const std::string& shownName) {
  TreeState& state = context.state;
  WindowState& window = context.window;
  state.tree.complete = true;
  state.input.allProbabilitiesEntered = true;
  // A file saved before the names dialog was opened has no rows: they are made as a finished
  // construction makes them, so that the dialog shows this tree's names.
  if (state.labels.count == 0) collectLabelRows(state);
  window.toolbarVisible = window.sidePaneVisible = true;
  window.branchCountBarVisible = window.startPictureVisible = false;
  window.title = captionWith(shownName);
  rebuildResultsPane(state, window);
  rebuildPathNames(state);
  context.host.drawOnScreen([&](Canvas& canvas) { drawTree(state, canvas, ScreenOffsetX); });
  context.host.repaintDrawing();
  window.branchTextsVisible = state.labels.count > 0;
  window.branchTextLines = branchTextLines(state.labels);
  window.apply(LoadedTreeCommands);
  window.apply(state.reduction.reduced ? ReducedCommands : RestoredCommands);
  window.reductionNote = reductionNote(state);
}

}  // namespace

void saveTree(Context& context) {
  const std::optional<std::string> path =
      context.host.chooseFileToSave(" Gem dit Kvistra ", PresetName);
  if (!path) return;
  if (!hasTreeFileExtension(*path)) return tell(context, SaveFailed);
  const std::optional<std::uintmax_t> space = freeSpaceBeside(*path);
  if (!space || *space <= LeastFreeSpace) return tell(context, DiskFull);
  if (!replaceFile(*path, treeFileText(context.state))) return tell(context, SaveFailed);
  context.window.title = captionWith(shownNameOf(*path));
}

void openTree(Context& context) {
  context.window.startPictureVisible = false;
  const std::optional<std::string> path =
      context.host.chooseFileToOpen(" Hent et Kvistra ", PresetName);
  if (path) loadTreeFile(context, *path);
}

void loadTreeFile(Context& context, const std::string& path) {
  if (!hasTreeFileExtension(path)) return tell(context, FileMissing);
  const FileContents file = readWholeFile(path, LargestTreeFile);
  switch (file.outcome) {
    case ReadOutcome::Missing:
      return tell(context, FileMissing);
    case ReadOutcome::Unreadable:
      return tell(context, FileDamaged);
    case ReadOutcome::Read:
      loadTreeText(context, file.bytes, shownNameOf(path));
  }
}

bool loadTreeText(Context& context, std::string_view text, const std::string& shownName) {
  // Read into a copy, so that a damaged file leaves the tree shown untouched.
  TreeState loaded = context.state;
  resetTreeState(loaded);
  loaded.tree.outcomeMarked = {};
  loaded.results.selectedLine = 0;
  if (!readTreeFile(text, loaded)) {
    tell(context, FileDamaged);
    return false;
  }
  resetTree(context);
  context.state = std::move(loaded);
  showLoadedTree(context, shownName);
  return true;
}

void openStartFile(Context& context, const std::optional<std::string>& path) {
  hideStartPicture(context.window);
  if (path) loadTreeFile(context, *path);
}

}  // namespace kvistra
