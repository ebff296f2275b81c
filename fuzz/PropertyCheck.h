// How a fuzz target says a property broke: a line naming it, and an abort libFuzzer reports.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace kvistra {

inline void check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %s\n", property);
  std::abort();
}

}  // namespace kvistra
