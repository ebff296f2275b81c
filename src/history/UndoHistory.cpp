#include "history/UndoHistory.h"

#include <algorithm>
#include <utility>

#include "drawing/TreeDrawing.h"
#include "events/Reduction.h"
#include "results/ResultsList.h"

namespace kvistra {

namespace {

template <class Rows>
bool sameRows(const Rows& a, int countA, const Rows& b, int countB) {
  if (countA != countB) return false;
  return std::equal(a.begin() + 1, a.begin() + 1 + countA, b.begin() + 1);
}

bool sameTree(const Tree& a, const Tree& b) {
  return a.branches == b.branches && a.branchingCount == b.branchingCount &&
         a.builtBranchings == b.builtBranchings && a.leafCount == b.leafCount &&
         a.decimalCount == b.decimalCount && a.showFractions == b.showFractions &&
         a.complete == b.complete;
}

// The screen shows what the state holds, as the finished command left it: the drawing kept with
// the step when it still tells the truth, else one drawn from the state.
void redraw(Context& context, const RecordedDrawing* kept) {
  if (!kept) {
    paintTreeOnScreen(context.state, context.host);
    return context.host.repaintDrawing();
  }
  context.host.drawOnScreen([&](Canvas& canvas) {
    canvas.fillRect(0, 0, canvas.width(), canvas.height());
    kept->replay(canvas);
  });
}

void restore(Context& context, WorkSnapshot work, bool withFile) {
  TreeState& now = context.state;
  // The printout's heading and the font's measure belong to the run, not to a step.
  work.state.printout = std::move(now.printout);
  const bool commaChanged = work.state.view.decimalComma != now.view.decimalComma;
  // Values shown another way since, or a simulation that goes: the kept drawing is out of date.
  const bool drawingHolds = work.drawing && work.state.view == now.view &&
                            work.state.textLift == now.textLift && !work.state.simulation;
  work.state.view = now.view;
  work.state.textLift = now.textLift;
  // The start picture belongs to the start, never to a step.
  work.window.startPictureVisible = context.window.startPictureVisible;
  if (!withFile) {
    work.state.file = std::move(now.file);
    work.window.title = std::move(context.window.title);
  }
  // A simulation belongs to the tree it was drawn from, which an undo or a redo replaces.
  work.state.simulation.reset();
  work.state.input.cancelled = false;
  work.state.pointer.toolMode = ToolMode::None;
  work.window.branchHint = BranchHint{};
  now = std::move(work.state);
  context.window = std::move(work.window);
  // The panes show values with the comma chosen now, not the one of when the step was kept.
  if (commaChanged) {
    if (!context.window.resultLines.empty()) rebuildResultsPane(now, context.window);
    context.window.reductionNote = reductionNote(now);
  }
  redraw(context, drawingHolds ? &*work.drawing : nullptr);
}

}  // namespace

WorkSnapshot snapshotOf(const Context& context, const RecordedDrawing* shownDrawing) {
  WorkSnapshot snapshot{context.state, context.window, std::nullopt};
  if (shownDrawing) snapshot.drawing = *shownDrawing;
  return snapshot;
}

bool workChanged(const TreeState& before, const TreeState& after) {
  return !sameTree(before.tree, after.tree) || !(before.reduction == after.reduction) ||
         !sameRows(before.results.rows, before.results.count, after.results.rows,
                   after.results.count) ||
         !sameRows(before.labels.rows, before.labels.count, after.labels.rows, after.labels.count);
}

void UndoHistory::recordIfChanged(const std::string& name, WorkSnapshot before,
                                  const Context& after) {
  if (!workChanged(before.state, after.state)) return;
  const bool changedFile =
      before.state.file.path != after.state.file.path || before.window.title != after.window.title;
  undo_.push_back({name, std::move(before), changedFile});
  if (undo_.size() > Depth) undo_.pop_front();
  redo_.clear();
}

const std::string& UndoHistory::undoName() const {
  static const std::string none;
  return undo_.empty() ? none : undo_.back().name;
}

const std::string& UndoHistory::redoName() const {
  static const std::string none;
  return redo_.empty() ? none : redo_.back().name;
}

void UndoHistory::undo(Context& context, const RecordedDrawing* shownDrawing) {
  move(undo_, redo_, context, shownDrawing);
}

void UndoHistory::redo(Context& context, const RecordedDrawing* shownDrawing) {
  move(redo_, undo_, context, shownDrawing);
}

void UndoHistory::move(std::deque<Step>& from, std::deque<Step>& to, Context& context,
                       const RecordedDrawing* shownDrawing) {
  if (from.empty()) return;
  Step step = std::move(from.back());
  from.pop_back();
  to.push_back({step.name, snapshotOf(context, shownDrawing), step.changedFile});
  restore(context, std::move(step.work), step.changedFile);
}

}  // namespace kvistra
