#include "support/UndoWalk.h"

#include <algorithm>
#include <array>
#include <deque>
#include <vector>

#include "construction/Construction.h"
#include "events/EventCalculation.h"
#include "events/Reduction.h"
#include "names/BranchNames.h"
#include "probabilities/BranchEditing.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "results/ResultsList.h"
#include "session/Session.h"
#include "storage/TreeFile.h"
#include "storage/TreeFileCommands.h"
#include "support/FakeHost.h"
#include "tree/Layout.h"
#include "window/Startup.h"

namespace kvistra::testing {

namespace {

// Values that fill a group of two or three branches exactly, as a user types them.
const std::vector<std::vector<std::string>> GroupValues[] = {
    {},
    {},
    {{"1/2", "1/2"}, {"0.3", "0.7"}, {"1/3", "2/3"}},
    {{"1/3", "1/3", "1/3"}, {"0.2", "0.3", "0.5"}, {"1/6", "1/2", "1/3"}},
};
const std::array<const char*, 4> BranchTexts = {"", "kugle", "to kugler", "terning"};
const std::array<const char*, 4> NewNames = {"", "K", "Q1", "Z"};

struct Walk {
  Walk(const std::function<int(int)>& chooser, const std::string& files)
      : choose(chooser), folder(files) {}

  const std::function<int(int)>& choose;
  const std::string& folder;
  TreeState state;
  Session session{state};
  FakeHost host;
  std::vector<std::string> savedFiles{};

  const Tree& tree() const { return state.tree; }
  bool valuesEntered() const { return tree().complete && state.input.allProbabilitiesEntered; }
  template <class List>
  const auto& pick(const List& list) {
    return list[static_cast<std::size_t>(choose(static_cast<int>(list.size())))];
  }
  // The branch values of the next groups asked: each group filled exactly.
  void scriptValues() {
    const int size = std::clamp(tree().groupSize(1), 2, 3);
    const auto& values = pick(GroupValues[size]);
    // Groups of another size take the values out of step, and some are refused: enough for all.
    for (int group = 0; group < 4 * MaxNodesPerLevel; ++group)
      for (const std::string& value : values) host.probabilityReplies.push_back(value);
  }
  std::string branchName(int level) {
    const int slot = 1 + choose(std::max(1, tree().slotsOn(level)));
    std::string name = tree().branch(level, slot).name.str();
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    return name;
  }
  void forgetScript() { host = FakeHost{}; }
};

struct WalkCommand {
  const char* name;
  bool (*fits)(const Walk&);
  void (*run)(Walk&, Context&);
};

bool always(const Walk&) {
  return true;
}
bool built(const Walk& w) {
  return w.tree().complete;
}
bool entered(const Walk& w) {
  return w.valuesEntered();
}

const WalkCommand Commands[] = {
    {"Nyt træ", always,
     // Every group of the same size, so that one list of values fills each.
     [](Walk& w, Context& c) {
       const int branchings = 2 + w.choose(2);
       const int branches = 2 + w.choose(2);
       beginTree(c, branchings);
       for (int level = 1; level <= branchings; ++level) addBranching(c, branches);
     }},
    {"Sæt chancer på første grene", built,
     [](Walk& w, Context& c) {
       w.scriptValues();
       setFirstProbabilities(c);
       // "Indtast sandsynligheder" group after group, as long as the input goes on.
       for (int group = 0; group < MaxNodesPerLevel && !c.state.input.allProbabilitiesEntered &&
                           !c.state.input.cancelled;
            ++group)
         enterNextGroup(c);
     }},
    {"Ret værdi", entered,
     [](Walk& w, Context& c) {
       const int level = 1 + w.choose(w.tree().depth());
       const int slot = w.tree().siblings(level, 1 + w.choose(w.tree().slotsOn(level))).first;
       w.scriptValues();
       // Through the tool and a click on the branch, as the window does.
       chooseTool(c, ToolMode::EditValue);
       const Branch& branch = w.tree().branch(level, slot);
       releaseOnDrawing(c, ScreenOffsetX + branch.x + LevelPitch / 2, branch.y);
     }},
    {"Form", [](const Walk& w) { return w.tree().complete && !w.state.reduction.reduced; },
     // Groups stay within the three branches the scripted values fill.
     [](Walk& w, Context& c) {
       const int level = 1 + w.choose(w.tree().depth());
       const int slot = 1 + w.choose(w.tree().slotsOn(level));
       const bool full = w.tree().siblings(level, slot).size() >= 3;
       const std::array tools = {ToolMode::EndPath, ToolMode::BranchOut,
                                 full ? ToolMode::DeleteBranch : ToolMode::AddBranch,
                                 ToolMode::DeleteBranch};
       w.host.countReplies.push_back(2 + w.choose(2));
       w.host.yesNoReplies.push_back(w.choose(2) == 0);
       chooseTool(c, w.pick(tools));
       const Branch& branch = w.tree().branch(level, slot);
       releaseOnDrawing(c, ScreenOffsetX + branch.x + LevelPitch / 2, branch.y);
     }},
    {"Navne", built,
     [](Walk& w, Context& c) {
       BranchNameFields fields;
       for (int row = 1; row <= MaxLabelRows; ++row) {
         const LabelRow& label = w.state.labels.rows[static_cast<std::size_t>(row)];
         auto& field = fields[static_cast<std::size_t>(row - 1)];
         const std::string renamed = w.pick(NewNames);
         field.name = renamed.empty() ? label.newName.str() : renamed + std::to_string(row);
         field.text = w.pick(BranchTexts);
       }
       w.host.branchNameReplies.push_back(fields);
       editBranchNames(c);
     }},
    {"Antal decimaler", always, [](Walk& w, Context& c) { setDecimalCount(c, 1 + w.choose(6)); }},
    {"Brøker", built, [](Walk&, Context& c) { showFractions(c); }},
    {"Hændelse", entered,
     [](Walk& w, Context& c) {
       w.host.promptReplies.push_back(
           {w.branchName(1 + w.choose(w.tree().depth())), PromptClose::Ok});
       w.host.approveReplies.push_back(w.choose(3) ? ApproveChoice::Approve : ApproveChoice::Drop);
       askEvent(c);
     }},
    {"Reducer", [](const Walk& w) { return w.valuesEntered() && !w.state.reduction.reduced; },
     [](Walk& w, Context& c) {
       w.host.promptReplies.push_back({w.branchName(1), PromptClose::Ok});
       // A name the tree cannot be reduced to is asked again; the second answer cancels.
       w.host.promptReplies.push_back({"", PromptClose::Cancel});
       askReduction(c);
     }},
    {"Gendan", [](const Walk& w) { return w.state.reduction.reduced; },
     [](Walk&, Context& c) { restoreTree(c); }},
    {"Slet linie", [](const Walk& w) { return w.state.results.count > 0; },
     [](Walk& w, Context& c) {
       deleteResultRow(c.state, c.window, 1 + w.choose(c.state.results.count));
     }},
    {"Rens skemaet", [](const Walk& w) { return w.state.results.count > 0; },
     [](Walk&, Context& c) { clearResults(c); }},
    {"Gem", built,
     [](Walk& w, Context& c) {
       const char* type = fitsTreeFile(w.tree()) ? ".KV3" : ".kvistra";
       w.savedFiles.push_back(w.folder + "/walk" + std::to_string(w.savedFiles.size()) + type);
       w.host.fileChoices.push_back(w.savedFiles.back());
       saveTree(c);
     }},
    {"Hent", [](const Walk& w) { return !w.savedFiles.empty(); },
     [](Walk& w, Context& c) {
       w.host.fileChoices.push_back(w.pick(w.savedFiles));
       openTree(c);
     }},
};

// What each step must give back.
struct Kept {
  Work work;
  std::string fileText;
};

Kept keptOf(const TreeState& state) {
  return {state, treeFileText(state)};
}

std::string compare(const TreeState& state, const Kept& kept, const std::string& where) {
  if (!(kept.work == state)) return where + ": the work differs";
  if (treeFileText(state) != kept.fileText) return where + ": the file text differs";
  return {};
}

}  // namespace

std::string undoWalkFault(const std::function<int(int)>& choose, int commands,
                          const std::string& folder) {
  Walk walk(choose, folder);
  showMainWindow(walk.state, walk.session.window());
  liftTexts(walk.state, walk.host.canvas.textHeight("H"));
  std::vector<Kept> steps{keptOf(walk.state)};
  std::vector<std::string> names;
  for (int i = 0; i < commands; ++i) {
    std::vector<const WalkCommand*> fitting;
    for (const WalkCommand& command : Commands)
      if (command.fits(walk)) fitting.push_back(&command);
    const WalkCommand& command = *walk.pick(fitting);
    try {
      walk.session.run(
          command.name, [&](Context& c) { command.run(walk, c); }, walk.host);
    } catch (const ScriptExhausted& unscripted) {
      return std::string(command.name) + ": " + unscripted.what();
    }
    walk.forgetScript();
    // An undo gives back the work as the next step found it, with what was shown of it then.
    if (steps.back().work == walk.state) {
      steps.back() = keptOf(walk.state);
    } else {
      steps.push_back(keptOf(walk.state));
      names.push_back(command.name);
    }
  }
  for (std::size_t i = steps.size() - 1; i > 0; --i) {
    if (walk.session.history().undoName() != names[i - 1])
      return "undo " + std::to_string(i) + " names " + walk.session.history().undoName();
    walk.session.undo(walk.host);
    if (auto fault = compare(walk.state, steps[i - 1], "undo of " + names[i - 1]); !fault.empty())
      return fault;
  }
  if (walk.session.history().canUndo()) return "a step more than the work changed";
  for (std::size_t i = 1; i < steps.size(); ++i) {
    walk.session.redo(walk.host);
    if (auto fault = compare(walk.state, steps[i], "redo of " + names[i - 1]); !fault.empty())
      return fault;
  }
  if (walk.session.history().canRedo()) return "a step to redo past the last";
  return {};
}

}  // namespace kvistra::testing
