// What every command works on: the run's one tree state, the main window's state and the host.
#pragma once

#include "host/Host.h"
#include "tree/TreeState.h"
#include "window/WindowState.h"

namespace kvistra {

struct Context {
  TreeState& state;
  WindowState& window;
  Host& host;
};

}  // namespace kvistra
