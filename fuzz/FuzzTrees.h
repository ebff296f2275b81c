// Trees for the fuzz targets: branch counts chosen by input bytes, always within what
// construction accepts.
#pragma once

#include <cstdint>
#include <vector>

#include "construction/ShapeLayout.h"
#include "tree/TreeState.h"

namespace kvistra::fuzzing {

// The number of header bytes branchCounts reads: the branchings and three branch counts.
inline constexpr std::size_t ShapeBytes = 4;

// Branch counts of 2..6 that construction would accept: at most 27 outcomes and at most 10
// branch labels, leaving room for the branchings still to come.
inline std::vector<int> branchCounts(const uint8_t* header) {
  const int branchings = 2 + header[0] % 2;
  std::vector<int> counts;
  int product = 1;
  int sum = 0;
  for (int level = 1; level <= branchings; ++level) {
    const int later = branchings - level;
    int branches = 2 + header[level] % 5;
    while (branches > 2 && (product * branches * (1 << later) > MostOutcomesBuilt ||
                            sum + branches + 2 * later > 10))
      --branches;
    counts.push_back(branches);
    product *= branches;
    sum += branches;
  }
  return counts;
}

}  // namespace kvistra::fuzzing
