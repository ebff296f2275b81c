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

void fillLabelRows(const Tree& tree, const LabelRows& textsFrom, LabelRows& labels) {
  const LabelRowMap map = labelRowMap(tree);
  std::array<bool, MaxLabelRows + 1> filled{};
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
      const int row = map.rowOf[level][slot];
      if (row == 0 || filled[row]) continue;
      filled[row] = true;
      LabelRow& label = labels.rows[row];
      label.oldName = tree.branch(level, slot).name.view();
      label.newName = label.oldName.view();
      label.text.clear();
      for (int earlier = 1; earlier <= std::clamp(textsFrom.count, 0, MaxLabelRows); ++earlier)
        if (textsFrom.rows[earlier].newName == label.newName)
          label.text = textsFrom.rows[earlier].text;
    }
}

}  // namespace kvistra
