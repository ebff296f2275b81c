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

// What an undo gives back: the work, what was shown of it, and the window as it showed them. The
// work is a value, so a step is a copy of it.
struct WorkStep {
  Work work;
  ShownWork shown;
  WindowState window;
  // Given back by the undo of a load or a new tree only.
  FileLink file;
  // How values were shown when the window's lines and the drawing were made.
  ViewOptions view;
  int32_t textLift = 0;
  // The screen's drawing as it stood: not all of it follows from the work (a reduction shows
  // its kept paths as an event). None when the screen was about to be drawn anew, or showed a
  // simulation, which an undo drops.
  std::optional<RecordedDrawing> drawing;
};

WorkStep stepOf(const Context& context, const RecordedDrawing* shownDrawing = nullptr);

class UndoHistory {
 public:
  static constexpr std::size_t Depth = 100;

  // After a command ran: before becomes a step named name when the command changed the work.
  // A new step forgets what could be redone.
  void recordIfChanged(const std::string& name, WorkStep before, const Context& after);

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
    WorkStep work;
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
