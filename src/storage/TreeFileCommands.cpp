#include "storage/TreeFileCommands.h"

#include "construction/Construction.h"
#include "construction/TreeReplacement.h"
#include "files/FileAccess.h"
#include "storage/TreeDocument.h"
#include "storage/TreeFile.h"
#include "text/Windows1252.h"
#include "window/Startup.h"

namespace kvistra {

namespace {

constexpr const char* PresetName = "*.KV3";
constexpr const char* DocumentPresetName = "*.kvistra";
constexpr const char* OnlyAsDocument =
    " Træet kan kun gemmes som Kvistra-dokument (*.kvistra), for en træfil (*.KV3) kan ikke "
    "rumme dets form. ";
constexpr const char* VariableNotInTreeFile =  // UTF-8; see w1252
    "En .KV3-fil kan ikke gemme den stokastiske variabel. Vil du gemme som Kvistra-dokument i "
    "stedet?";
constexpr std::string_view DocumentExtension = ".kvistra";
constexpr const char* ValuesMissing =
    " Dokumentet kan ikke hentes: ikke alle grene har en sandsynlighed. ";
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

// What "&Gem" writes to path: a document or a tree file, by the path's extension.
std::string savedText(const TreeState& state, const std::string& path) {
  if (hasTreeDocumentExtension(path)) return writeTreeDocument(state);
  return treeFileText(state);
}

// Whether all of the work can go into a tree file: its shape, and no random variable, which a
// tree file has no room for.
bool workFitsTreeFile(const TreeState& state) {
  return fitsTreeFile(state.tree) && !state.variable;
}

// The same file as a document: "Mønt.KV3" becomes "Mønt.kvistra".
std::string asDocument(const std::string& treeFilePath) {
  return treeFilePath.substr(0, treeFilePath.rfind('.')) + std::string(DocumentExtension);
}

// The name the open and save dialogs start from when the tree has no file of its own; a tree
// with a random variable starts among documents, which keep it.
const char* presetFor(const TreeState& state) {
  return hasTreeDocumentExtension(state.file.path) || !workFitsTreeFile(state) ? DocumentPresetName
                                                                               : PresetName;
}

bool everyValueEntered(const Tree& tree) {
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      if (!tree.branch(level, slot).probabilityEntered) return false;
  return true;
}

// A document's text; shownName as loadTreeText has it.
bool loadDocumentText(Context& context, std::string_view text, const std::string& shownName) {
  TreeDocumentReading reading = readTreeDocument(text);
  if (!reading.document) {
    context.host.showMessage(" " + reading.error + " ", " ");
    return false;
  }
  TreeDocument& document = *reading.document;
  // Only a tree with all its values is saved, and only such a tree can be worked on as loaded.
  if (!everyValueEntered(document.tree)) {
    tell(context, ValuesMissing);
    return false;
  }
  TreeState loaded = freshStateFrom(context.state);
  loaded.tree = document.tree;
  loaded.labels = std::move(document.labels);
  loaded.results = std::move(document.results);
  loaded.reduction = std::move(document.reduction);
  loaded.variable = document.variable;
  loaded.trials = document.trials;
  // Counted again by the next event; a reduction leaves every outcome counted, as here.
  loaded.event.outcomeCount = loaded.tree.leafCount;
  showReplacedTree(context, std::move(loaded), shownName);
  return true;
}

// The save dialog until it names a file that may be written: a file already there is replaced
// only when the user says so, and saving the tree again over its own file is the default. A
// tree file chosen for a tree with a random variable is first offered as a document instead.
std::optional<std::string> chooseFileToWrite(Context& context) {
  const std::string& ownFile = context.state.file.path;
  std::string preset = ownFile.empty() ? presetFor(context.state) : ownFile;
  const bool fits = fitsTreeFile(context.state.tree);
  for (;;) {
    std::optional<std::string> path =
        context.host.chooseFileToSave(" Gem dit Kvistra ", preset, fits);
    if (path && fits && context.state.variable && hasTreeFileExtension(*path)) {
      switch (context.host.askToSaveAsDocument(w1252(VariableNotInTreeFile))) {
        case TreeFileVariableChoice::SaveDocument:
          *path = asDocument(*path);
          break;
        case TreeFileVariableChoice::SaveWithoutVariable:
          break;
        case TreeFileVariableChoice::Cancel:
          return std::nullopt;
      }
    }
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
  const bool document = hasTreeDocumentExtension(*path);
  if (!document && !hasTreeFileExtension(*path)) return refuse(context, SaveFailed);
  if (!document && !fitsTreeFile(state.tree)) return refuse(context, OnlyAsDocument);
  const std::optional<std::uintmax_t> space = freeSpaceBeside(*path);
  if (!space || *space <= LeastFreeSpace) return refuse(context, DiskFull);
  std::string text = savedText(state, *path);
  if (!replaceFile(*path, text)) return refuse(context, SaveFailed);
  context.window.title = captionWith(shownNameOf(*path));
  state.file = {*path, std::move(text)};
  return true;
}

bool hasUnsavedChanges(const TreeState& state) {
  // A tree without all its probabilities is not worth keeping: it would load as a complete one.
  if (!state.tree.complete || !state.input.allProbabilitiesEntered) return false;
  // A tree file saved without the random variable does not hold all of the work.
  if (state.variable && !hasTreeDocumentExtension(state.file.path)) return true;
  return !state.file.savedText || *state.file.savedText != savedText(state, state.file.path);
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
      context.host.chooseFileToOpen(" Hent et Kvistra ", presetFor(context.state));
  if (path) loadTreeFile(context, *path);
}

bool loadTreeFile(Context& context, const std::string& path) {
  const bool document = hasTreeDocumentExtension(path);
  if (!document && !hasTreeFileExtension(path)) return refuse(context, FileMissing);
  const FileContents file = readWholeFile(path, document ? LargestTreeDocument : LargestTreeFile);
  switch (file.outcome) {
    case ReadOutcome::Missing:
      return refuse(context, FileMissing);
    case ReadOutcome::Unreadable:
      return refuse(context, FileDamaged);
    case ReadOutcome::Read:
      break;
  }
  const bool loaded = document ? loadDocumentText(context, file.bytes, shownNameOf(path))
                               : loadTreeText(context, file.bytes, shownNameOf(path));
  if (!loaded) return false;
  // What "&Gem" would write now, not the bytes read: an older writer's file is no change.
  context.state.file = {path, savedText(context.state, path)};
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
