// "Fortryd" and "Gentag": the work as it was before each completed step, and as it was before
// each step undone.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "drawing/RecordedDrawing.h"
#include "host/Context.h"

namespace kvistra {

// What an undo gives back: the tree with its results, names and reduction, and the window as it
// showed them. Tree state is a value, so a step is a copy of it.
struct WorkSnapshot {
  TreeState state;
  WindowState window;
  // The screen's drawing as it stood: not all of it follows from the state (a reduction shows
  // its kept paths as an event). None when the screen was about to be drawn anew.
  std::optional<RecordedDrawing> drawing;
};

WorkSnapshot snapshotOf(const Context& context, const RecordedDrawing* shownDrawing = nullptr);

// Whether a command changed the work: the tree, its probabilities, names, decimals, results or
// reduction. A save changes none of them and is no step.
bool workChanged(const TreeState& before, const TreeState& after);

class UndoHistory {
 public:
  static constexpr std::size_t Depth = 100;

  // After a command ran: before becomes a step named name when the command changed the work.
  // A new step forgets what could be redone.
  void recordIfChanged(const std::string& name, WorkSnapshot before, const Context& after);

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The name of the step an undo or a redo would take.
  const std::string& undoName() const;
  const std::string& redoName() const;

  // shownDrawing: the screen's drawing now, kept for the way back.
  void undo(Context& context, const RecordedDrawing* shownDrawing = nullptr);
  void redo(Context& context, const RecordedDrawing* shownDrawing = nullptr);

 private:
  struct Step {
    std::string name;
    WorkSnapshot work;
    // A load or a new tree: going back gives back the file and the caption too. Other steps
    // keep both, so an undo after a save does not forget where the tree was saved.
    bool changedFile = false;
  };
  static void move(std::deque<Step>& from, std::deque<Step>& to, Context& context,
                   const RecordedDrawing* shownDrawing);

  std::deque<Step> undo_;
  std::deque<Step> redo_;
};

}  // namespace kvistra
