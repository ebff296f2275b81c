// A walk of commands chosen by the input's bytes through a session, then undone and redone step
// by step: every step must come back as the work and the file text it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/UndoWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() / "kvistra-fuzz-history";
    std::filesystem::create_directories(path);
    return path.string();
  }();
  std::size_t next = 0;
  // Past the input's end every choice is the first, so each input is a whole walk.
  const auto choose = [&](int n) { return next < size ? data[next++] % n : 0; };
  const std::string fault = kvistra::testing::undoWalkFault(
      choose, static_cast<int>(std::min<std::size_t>(size / 2, 90)), folder);
  if (!fault.empty()) {
    std::fprintf(stderr, "property violated: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
