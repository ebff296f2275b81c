#include "storage/TreeFileCommands.h"

#include "construction/Construction.h"
#include "construction/TreeReplacement.h"
#include "files/FileAccess.h"
#include "storage/TreeFile.h"
#include "text/Windows1252.h"
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

bool refuse(Context& context, const char* message) {
  tell(context, message);
  return false;
}

std::string shownNameOf(const std::string& path) {
  return windows1252FromUtf8(shortFileName(path));
}

// The save dialog until it names a file that may be written: a file already there is replaced
// only when the user says so, and saving the tree again over its own file is the default.
std::optional<std::string> chooseFileToWrite(Context& context) {
  const std::string& ownFile = context.state.file.path;
  std::string preset = ownFile.empty() ? PresetName : ownFile;
  for (;;) {
    std::optional<std::string> path = context.host.chooseFileToSave(" Gem dit Kvistra ", preset);
    if (!path || !fileExists(*path)) return path;
    const std::string question =
        w1252("»") + shownNameOf(*path) + w1252("« findes allerede. Vil du erstatte den?");
    if (context.host.askToReplaceFile(question, sameFile(*path, ownFile))) return path;
    preset = *path;
  }
}

}  // namespace

bool saveTree(Context& context) {
  TreeState& state = context.state;
  const std::optional<std::string> path = chooseFileToWrite(context);
  if (!path) return false;
  if (!hasTreeFileExtension(*path)) return refuse(context, SaveFailed);
  const std::optional<std::uintmax_t> space = freeSpaceBeside(*path);
  if (!space || *space <= LeastFreeSpace) return refuse(context, DiskFull);
  std::string text = treeFileText(state);
  if (!replaceFile(*path, text)) return refuse(context, SaveFailed);
  context.window.title = captionWith(shownNameOf(*path));
  state.file = {*path, std::move(text)};
  return true;
}

bool hasUnsavedChanges(const TreeState& state) {
  // A tree without all its probabilities is not worth keeping: it would load as a complete one.
  if (!state.tree.complete || !state.input.allProbabilitiesEntered) return false;
  return !state.file.savedText || *state.file.savedText != treeFileText(state);
}

bool settleUnsavedChanges(Context& context) {
  if (!hasUnsavedChanges(context.state)) return true;
  switch (context.host.askToSaveChanges()) {
    case SaveChangesChoice::Save:
      return saveTree(context);
    case SaveChangesChoice::Discard:
      return true;
    case SaveChangesChoice::Cancel:
      return false;
  }
  return false;
}

void openTree(Context& context) {
  context.window.startPictureVisible = false;
  if (!settleUnsavedChanges(context)) return;
  const std::optional<std::string> path =
      context.host.chooseFileToOpen(" Hent et Kvistra ", PresetName);
  if (path) loadTreeFile(context, *path);
}

bool loadTreeFile(Context& context, const std::string& path) {
  if (!hasTreeFileExtension(path)) return refuse(context, FileMissing);
  const FileContents file = readWholeFile(path, LargestTreeFile);
  switch (file.outcome) {
    case ReadOutcome::Missing:
      return refuse(context, FileMissing);
    case ReadOutcome::Unreadable:
      return refuse(context, FileDamaged);
    case ReadOutcome::Read:
      break;
  }
  if (!loadTreeText(context, file.bytes, shownNameOf(path))) return false;
  // What "&Gem" would write now, not the bytes read: an older writer's file is no change.
  context.state.file = {path, treeFileText(context.state)};
  return true;
}

bool loadTreeText(Context& context, std::string_view text, const std::string& shownName) {
  // Read into a copy, so that a damaged file leaves the tree shown untouched.
  TreeState loaded = freshStateFrom(context.state);
  if (!readTreeFile(text, loaded)) {
    tell(context, FileDamaged);
    return false;
  }
  showReplacedTree(context, std::move(loaded), shownName);
  return true;
}

bool openTreeFile(Context& context, const std::string& path) {
  hideStartPicture(context.window);
  return settleUnsavedChanges(context) && loadTreeFile(context, path);
}

bool openStartFile(Context& context, const std::optional<std::string>& path) {
  hideStartPicture(context.window);
  return path && openTreeFile(context, *path);
}

}  // namespace kvistra
