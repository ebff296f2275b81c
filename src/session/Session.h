// The run as the window drives it: the work, the window's state and the undo history, and every
// command run through one place, so that the rules that follow a command hold whoever runs it.
#pragma once

#include <functional>
#include <string>

#include "history/UndoHistory.h"
#include "host/Context.h"

namespace kvistra {

// What the window has to do after a command, besides showing the state it left.
struct CommandReport {
  // The tree was opened from or saved to a file it was not in before: a recent file now.
  bool fileChanged = false;
};

class Session {
 public:
  // state is the run's one tree state, kept by whoever made the session.
  explicit Session(TreeState& state) : state_(state) {}

  TreeState& state() { return state_; }
  const TreeState& state() const { return state_; }
  WindowState& window() { return window_; }
  const WindowState& window() const { return window_; }
  const UndoHistory& history() const { return history_; }

  // Runs command and keeps an undo step named name when it changed the work. shownDrawing: the
  // screen's drawing as it stands, when it shows the state, kept with the step.
  CommandReport run(const std::string& name, const std::function<void(Context&)>& command,
                    Host& host, const RecordedDrawing* shownDrawing = nullptr);
  // "Fortryd" and "Gentag": nothing happens when there is no step to take.
  void undo(Host& host, const RecordedDrawing* shownDrawing = nullptr);
  void redo(Host& host, const RecordedDrawing* shownDrawing = nullptr);

 private:
  Context contextWith(Host& host) { return {state_, window_, host}; }
  // What follows every command, an undo and a redo alike: the tables derived from the work and
  // the controls the work leaves within reach.
  void afterEveryCommand();

  TreeState& state_;
  WindowState window_;
  UndoHistory history_;
  // Commands under way: one can run while another waits for an answer to its dialog.
  int commandsRunning_ = 0;
};

}  // namespace kvistra
