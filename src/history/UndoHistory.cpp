#include "history/UndoHistory.h"

#include <utility>

#include "drawing/TreeDrawing.h"
#include "events/Reduction.h"
#include "results/ResultsList.h"

namespace kvistra {

namespace {

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

void restore(Context& context, WorkStep step, bool withFile) {
  TreeState& now = context.state;
  static_cast<Work&>(now) = std::move(step.work);
  static_cast<ShownWork&>(now) = std::move(step.shown);
  // Values shown another way since: the kept drawing is out of date.
  const bool drawingHolds = step.drawing && step.view == now.view && step.textLift == now.textLift;
  // The start picture belongs to the start, never to a step.
  step.window.startPictureVisible = context.window.startPictureVisible;
  if (withFile) {
    now.file = std::move(step.file);
  } else {
    step.window.title = std::move(context.window.title);
  }
  // A simulation belongs to the tree it was drawn from, which an undo or a redo replaces.
  now.simulation.reset();
  now.input.cancelled = false;
  now.pointer.toolMode = ToolMode::None;
  step.window.branchHint = BranchHint{};
  context.window = std::move(step.window);
  // The panes show values with the comma chosen now, not the one of when the step was kept.
  if (step.view.decimalComma != now.view.decimalComma) {
    if (!context.window.resultLines.empty()) rebuildResultsPane(now, context.window);
    context.window.reductionNote = reductionNote(now);
  }
  redraw(context, drawingHolds ? &*step.drawing : nullptr);
}

}  // namespace

WorkStep stepOf(const Context& context, const RecordedDrawing* shownDrawing) {
  const TreeState& state = context.state;
  WorkStep step{state, state, context.window, state.file, state.view, state.textLift, std::nullopt};
  if (shownDrawing && !state.simulation) step.drawing = *shownDrawing;
  return step;
}

void UndoHistory::recordIfChanged(const std::string& name, WorkStep before, const Context& after) {
  if (before.work == after.state) return;
  const bool changedFile =
      before.file.path != after.state.file.path || before.window.title != after.window.title;
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
  to.push_back({step.name, stepOf(context, shownDrawing), step.changedFile});
  restore(context, std::move(step.work), step.changedFile);
}

}  // namespace kvistra
