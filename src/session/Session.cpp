#include "session/Session.h"

#include <utility>

#include "chance/SimulationCommands.h"
#include "construction/TrialsTree.h"
#include "tree/TreeHelpers.h"
#include "window/Controls.h"
#include "window/DistributionPane.h"

namespace kvistra {

CommandReport Session::run(const std::string& name, const std::function<void(Context&)>& command,
                           Host& host, const RecordedDrawing* shownDrawing) {
  Context context = contextWith(host);
  WorkStep before = stepOf(context, shownDrawing);
  ++commandsRunning_;
  command(context);
  --commandsRunning_;
  dropOutdatedSimulation(before.work, context);
  // Any edit of the tree the trials built makes it an ordinary tree; X stays.
  if (state_.trials && !treeOfTrials(state_.tree, *state_.trials)) state_.trials.reset();
  const CommandReport report{!state_.file.path.empty() && state_.file.path != before.file.path};
  history_.recordIfChanged(name, std::move(before), context);
  afterEveryCommand();
  return report;
}

void Session::undo(Host& host, const RecordedDrawing* shownDrawing) {
  Context context = contextWith(host);
  history_.undo(context, shownDrawing);
  afterEveryCommand();
}

void Session::redo(Host& host, const RecordedDrawing* shownDrawing) {
  Context context = contextWith(host);
  history_.redo(context, shownDrawing);
  afterEveryCommand();
}

void Session::afterEveryCommand() {
  rebuildPathNames(state_);
  window_.distributionPane = distributionPaneOf(state_);
  // A command run between the dialogs of another sees that one's work half done.
  if (commandsRunning_ == 0) showControls(state_, window_);
}

}  // namespace kvistra
