#include "storage/TreeFileCommands.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>

#include "drawing/TreeDrawing.h"
#include "events/EventTrees.h"
#include "events/Reduction.h"
#include "results/ResultsList.h"
#include "storage/TreeDocument.h"
#include "storage/TreeFile.h"
#include "storage/TreeFiles.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

namespace fs = std::filesystem;
using testing::Fixture;
using enum Control;

// A fresh folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder() {
    std::string name = (fs::temp_directory_path() / "kvistra-XXXXXX").string();
    path_ = ::mkdtemp(name.data());
  }
  ~TempFolder() {
    std::error_code error;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
  }
  const fs::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  std::vector<std::string> names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_))
      names.push_back(entry.path().filename().string());
    return names;
  }

 private:
  fs::path path_;
};

// A tmpfs of a few pages in a temp folder; it needs the right to mount, which tests run as an
// ordinary user lack.
class SmallFileSystem {
 public:
  static std::unique_ptr<SmallFileSystem> make(int pages) {
    auto made = std::make_unique<SmallFileSystem>();
    const std::string size = "size=" + std::to_string(pages * 4096);
    if (::mount("tmpfs", made->folder.path().c_str(), "tmpfs", 0, size.c_str()) != 0)
      return nullptr;
    made->mounted_ = true;
    return made;
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(folder.path().c_str(), MNT_DETACH);
  }
  TempFolder folder;

 private:
  bool mounted_ = false;
};

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string captionOf(const std::string& name) {
  return w1252("   Kvistra    Version 100106   " + name);
}

TEST(TreeFileCommands, SavesAndOpensThroughTheDialogs) {
  TempFolder folder;
  const std::string path = folder / "Træ.KV3";  // UTF-8, as the file system names it
  Fixture saved;
  testing::makeSavedTree(saved, {{2, 3}, {1, 2, 3}, 3, false});
  saved.host.fileChoices = {path};
  saveTree(saved.context);
  EXPECT_EQ(saved.window.title, captionOf("Træ.KV3"));
  EXPECT_EQ(readFile(path), treeFileText(saved.state));

  // Opened over a tree of other names, decimals and rows: nothing of it stays. The file has
  // no name rows: they are made from the loaded tree, and their pane stays hidden.
  Fixture f;
  testing::makeSavedTree(f, {{3, 3}, {}, 1, true});
  f.state.tree.decimalCount = 2;
  f.host.fileChoices = {path};
  openTree(f.context);
  EXPECT_EQ(treeFileText(f.state), treeFileText(saved.state));
  EXPECT_EQ(f.window.title, captionOf("Træ.KV3"));
  EXPECT_EQ(f.state.tree.decimalCount, 4);
  EXPECT_EQ(f.state.pathNames[3][2], "C2");
  EXPECT_EQ(f.state.labels.rows[5].oldName, "C2");
  EXPECT_FALSE(f.window.branchTextsVisible);
  EXPECT_EQ(f.window.resultLines, resultsPaneLines(saved.state.results));
  EXPECT_EQ(f.window.reductionNote, reductionNote(saved.state));
  EXPECT_TRUE(f.window.reductionNote.highlighted);
  EXPECT_FALSE(f.controls().isEnabled(ReduceTree) || f.controls().isEnabled(ReduceButton));
  EXPECT_TRUE(f.controls().isEnabled(RestoreTree) && f.controls().isEnabled(RestoreButton));
}

// A document keeps the choice of fractions and decimals that a tree file forgets; opened again,
// it holds no change. A tree of 64 outcomes goes only into a document.
TEST(TreeFileCommands, ADocumentKeepsTheChoiceOfDecimalsAndTakesAnyTree) {
  TempFolder folder;
  const std::string path = folder / "Træ.kvistra";
  Fixture saved;
  testing::makeSavedTree(saved, {{2, 3}, {1, 2, 3}, 3, false});
  saved.state.tree.decimalCount = 2;
  saved.state.tree.showFractions = true;
  saved.host.fileChoices = {path};
  ASSERT_TRUE(saveTree(saved.context));
  EXPECT_EQ(readFile(path), writeTreeDocument(saved.state));

  Fixture f;
  f.host.fileChoices = {path};
  openTree(f.context);
  EXPECT_EQ(treeFileText(f.state), treeFileText(saved.state));
  EXPECT_EQ(f.state.tree.decimalCount, 2);
  EXPECT_TRUE(f.state.tree.showFractions);
  EXPECT_FALSE(hasUnsavedChanges(f.state));

  Fixture large;
  large.state = test_trees::MakeTree({4, 4, 4});
  large.host.fileChoices = {folder / "Stor.KV3"};
  EXPECT_FALSE(saveTree(large.context));
  EXPECT_NE(large.host.messages.back().find(w1252("kan kun gemmes som Kvistra-dokument")),
            std::string::npos);
}

// A random variable is never silently left out of a tree file: "&Ja" saves a document of the
// same name instead, "&Nej" the tree file without it, which leaves the work unsaved, and
// "&Fortryd" nothing.
TEST(TreeFileCommands, ATreeFileChosenForAVariableIsOfferedAsADocument) {
  using enum TreeFileVariableChoice;
  const std::pair<TreeFileVariableChoice, std::vector<std::string>> cases[] = {
      {SaveDocument, {"Med X.kvistra"}}, {SaveWithoutVariable, {"Med X.KV3"}}, {Cancel, {}}};
  for (const auto& [answer, written] : cases) {
    TempFolder folder;
    Fixture f;
    testing::makeSavedTree(f, {{2, 3}, {}, 1, false});
    f.state.variable = RandomVariable{};
    f.state.input.allProbabilitiesEntered = true;  // as after the input
    f.host.fileChoices = {folder / "Med X.KV3"};
    f.host.saveAsDocumentReplies = {answer};
    EXPECT_EQ(saveTree(f.context), !written.empty());
    EXPECT_EQ(folder.names(), written);
    EXPECT_TRUE(f.state.variable);
    EXPECT_EQ(hasUnsavedChanges(f.state), answer != SaveDocument) << written.size();
  }
}

TEST(TreeFileCommands, TellsAMissingFileFromADamagedOne) {
  TempFolder folder;
  Fixture saved;
  testing::makeSavedTree(saved, {{2, 2}, {}, 0, false});
  const std::string tree = treeFileText(saved.state);
  writeFile(folder / "mixed.Kv3", tree);
  writeFile(folder / "empty.KV3", "");
  writeFile(folder / "cut.kv3", tree.substr(0, tree.size() / 2));
  fs::create_directory(folder / "folder.KV3");
  const std::string missing = w1252(" | Filen findes ikke");
  const std::string damaged = w1252(" | Filen kan ikke læses");
  const std::pair<std::string, std::string> cases[] = {
      {"none.KV3", missing},  {"folder.KV3", missing}, {"mixed.Kv3", missing},
      {"empty.KV3", damaged}, {"cut.kv3", damaged},
  };
  for (const auto& [name, message] : cases) {
    Fixture f;
    f.host.fileChoices = {folder / name};
    openTree(f.context);
    EXPECT_EQ(f.host.messages, std::vector<std::string>{message}) << name;
    EXPECT_EQ(f.state.tree.branchingCount, 0) << name;
    EXPECT_FALSE(f.window.startPictureVisible);
  }
  // The start picture goes whether or not a file was named, and a missing one is told.
  Fixture f;
  openStartFile(f.context, std::nullopt);
  EXPECT_FALSE(f.window.startPictureVisible);
  openStartFile(f.context, folder / "none.KV3");
  EXPECT_EQ(f.host.messages, std::vector<std::string>{missing});
  f.host.fileChoices = {std::nullopt, std::nullopt};
  openTree(f.context);
  saveTree(f.context);
  EXPECT_EQ(f.host.messages.size(), 1u);

  // A mixed-case extension is refused on saving too; a path without a folder is its own name.
  testing::makeSavedTree(f, {{2, 2}, {}, 0, false});
  const fs::path home = fs::current_path();
  fs::current_path(folder.path());
  f.host.fileChoices = {"x.Kv3", "Opgave 1.kv3"};
  saveTree(f.context);
  saveTree(f.context);
  fs::current_path(home);
  EXPECT_EQ(f.host.messages.back(), " | Det lykkedes ikke at gemme filen ");
  EXPECT_FALSE(fs::exists(folder / "x.Kv3"));
  EXPECT_EQ(f.window.title, captionOf("Opgave 1.kv3"));
}

// However the save fails, the file saved before stays as it was and nothing else is left.
TEST(TreeFileCommands, AFailedSaveKeepsTheOldFile) {
  const std::string failed = " | Det lykkedes ikke at gemme filen ";
  const std::string full = " | Disken er fuld eller disketten fjernet. ";
  std::vector<std::string> notMade;
  const auto save = [&](const TempFolder& folder, const std::string& message, const char* how) {
    const std::vector<std::string> namesBefore = folder.names();
    Fixture f;  // the largest tree with long results: several pages on disk
    testing::makeSavedTree(f, {{3, 3, 3}, {}, 30, true});
    for (int i = 1; i <= 30; ++i) f.state.results.rows[i].line = std::string(300, 'A');
    f.host.fileChoices = {folder / "old.KV3"};
    saveTree(f.context);
    EXPECT_EQ(f.host.messages, std::vector<std::string>{message}) << how;
    EXPECT_EQ(readFile(folder / "old.KV3"), "old") << how;
    EXPECT_EQ(folder.names(), namesBefore) << how;
  };

  {  // a file-size limit stops the writing midway, as a full disk would
    TempFolder folder;
    writeFile(folder / "old.KV3", "old");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = 2000;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    save(folder, failed, "file-size limit");
    ::setrlimit(RLIMIT_FSIZE, &before);
  }
  {  // a file made read-only is kept, though root could write it
    TempFolder folder;
    writeFile(folder / "old.KV3", "old");
    fs::permissions(folder / "old.KV3",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    save(folder, failed, "read-only file");
  }
  // A folder that takes no new file: read-only for an ordinary user, a read-only mount for root.
  if (::geteuid() != 0) {
    TempFolder folder;
    writeFile(folder / "old.KV3", "old");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    save(folder, failed, "read-only folder");
  } else if (auto fileSystem = SmallFileSystem::make(4)) {
    writeFile(fileSystem->folder / "old.KV3", "old");
    ASSERT_EQ(
        ::mount("", fileSystem->folder.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr),
        0);
    save(fileSystem->folder, failed, "read-only file system");
  } else {
    notMade.push_back("a read-only file system");
  }
  // A file system of four pages: one holds the old file and two are filled, so the free-space
  // test passes and the disk fills midway; then the last page is filled too.
  if (auto fileSystem = SmallFileSystem::make(4)) {
    writeFile(fileSystem->folder / "old.KV3", "old");
    writeFile(fileSystem->folder / "filler", std::string(2 * 4096, 'x'));
    save(fileSystem->folder, failed, "disk full midway");
    writeFile(fileSystem->folder / "filler", std::string(3 * 4096, 'x'));
    save(fileSystem->folder, full, "disk full");
  } else {
    notMade.push_back("a small tmpfs");
  }
  if (!notMade.empty())
    GTEST_SKIP() << "could not make " << notMade.front() << " (needs the right to mount)";
}

}  // namespace
}  // namespace kvistra
