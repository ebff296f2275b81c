#include "tree/LabelRowMap.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

// Rows beyond MaxLabelRows are left out: their branches keep their names.
int claimRow(LabelRowMap& map) {
  return map.count < MaxLabelRows ? ++map.count : 0;
}

void mapByPosition(const Tree& tree, int level, LabelRowMap& map) {
  const int firstRow = map.count + 1;
  for (int i = 0; i < tree.groupSize(level); ++i) claimRow(map);
  for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
    const int row = firstRow + slot - tree.siblings(level, slot).first;
    map.rowOf[level][slot] = row <= MaxLabelRows ? row : 0;
  }
}

void mapByName(const Tree& tree, int level, LabelRowMap& map) {
  std::vector<std::pair<std::string_view, int>> rows;
  for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
    const std::string_view name = tree.branch(level, slot).name.view();
    auto known = std::find_if(rows.begin(), rows.end(),
                              [name](const auto& row) { return row.first == name; });
    if (known == rows.end()) known = rows.insert(rows.end(), {name, claimRow(map)});
    map.rowOf[level][slot] = known->second;
  }
}

}  // namespace

LabelRowMap labelRowMap(const Tree& tree) {
  LabelRowMap map;
  const bool even = isEvenTree(tree);
  for (int level = 1; level <= tree.depth(); ++level)
    even ? mapByPosition(tree, level, map) : mapByName(tree, level, map);
  return map;
}

}  // namespace kvistra
