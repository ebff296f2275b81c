#include "support/TreeShapes.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "storage/TreeFileCommands.h"

namespace kvistra::testing {

namespace {

void expect(std::string_view& shape, char c) {
  if (!shape.starts_with(c)) throw std::invalid_argument("shape: expected " + std::string{c});
  shape.remove_prefix(1);
}

std::string groupAt(std::string_view& shape, int level);

// One branch from the front of shape: its value, and its group if one follows.
std::string branchAt(std::string_view& shape, char letter, int level) {
  const std::string value(shape.substr(0, shape.find_first_of("[],")));
  shape.remove_prefix(value.size());
  const std::string below = shape.starts_with('[') ? groupAt(shape, level + 1) : "[]";
  return "{\"name\": \"" + std::string{letter} + std::to_string(level) + "\", \"typed\": \"" +
         value + "\", \"value\": \"" + value + "\", \"kept\": true, \"branches\": " + below + "}";
}

// "[value...,value...]" from the front of shape, on the given branching, as a "branches" array.
std::string groupAt(std::string_view& shape, int level) {
  expect(shape, '[');
  std::string group = "[" + branchAt(shape, 'A', level);
  for (char letter = 'B'; shape.starts_with(','); ++letter) {
    shape.remove_prefix(1);
    group += "," + branchAt(shape, letter, level);
  }
  expect(shape, ']');
  return group + "]";
}

}  // namespace

std::string shapeDocument(std::string_view shape) {
  const std::string branches = groupAt(shape, 1);
  if (!shape.empty()) throw std::invalid_argument("shape: text after the tree");
  return "{\"format\": \"Kvistra-dokument\", \"version\": 1, \"decimals\": 4, \"fractions\": "
         "false, \"tree\": {\"branches\": " +
         branches +
         "}, \"reduction\": {\"reduced\": false, \"event\": \"\", \"probability\": 1.0}, "
         "\"labels\": [], \"results\": []}";
}

std::string evenShape(std::string_view values, int branchings) {
  const std::string below = branchings > 1 ? evenShape(values, branchings - 1) : "";
  std::string group = "[";
  for (std::size_t start = 0;;) {
    const std::size_t comma = values.find(',', start);
    group += std::string(values.substr(start, comma - start)) + below;
    if (comma == std::string_view::npos) break;
    group += ",";
    start = comma + 1;
  }
  return group + "]";
}

bool openShape(Context& context, std::string_view shape) {
  const auto path =
      std::filesystem::temp_directory_path() /
      ("kvistra-shape-" + std::to_string(std::hash<std::string_view>{}(shape)) + ".kvistra");
  std::ofstream(path) << shapeDocument(shape);
  const bool opened = loadTreeFile(context, path.string());
  std::filesystem::remove(path);
  return opened;
}

bool openThreeCoins(Context& context, char letter) {
  if (!openShape(context, evenShape("1/2,1/2", 3))) return false;
  Tree& tree = context.state.tree;
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      tree.branch(level, slot).counted = tree.branch(level, slot).name[0] == 'A';
  if (letter) context.state.variable = RandomVariable{VariableKind::CountOfNames, letter};
  tree.showFractions = true;
  return true;
}

RepeatedTrials binomialTrials(int n, const char* p) {
  RepeatedTrials trials;
  trials.count = n;
  trials.probability = p;
  return trials;
}

RepeatedTrials hypergeometricTrials(int N, int M, int n) {
  RepeatedTrials trials;
  trials.count = n;
  trials.withReplacement = false;
  trials.population = N;
  trials.populationSuccesses = M;
  return trials;
}

}  // namespace kvistra::testing
