#include "support/TreeShapes.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "storage/TreeFileCommands.h"

namespace kvistra::testing {

namespace {

// Reads "[value[...],value,...]" from at, one branching below level, into the document's
// "branches" array.
class ShapeWriter {
 public:
  explicit ShapeWriter(std::string_view shape) : shape_(shape) {}

  std::string group(int level) {
    expect('[');
    std::string branches = "[";
    for (char name = 'A';; ++name) {
      if (name != 'A') branches += ",";
      branches += branch(std::string{name} + std::to_string(level), level);
      if (peek() == ']') break;
      expect(',');
    }
    expect(']');
    return branches + "]";
  }

  bool done() const { return at_ == shape_.size(); }

 private:
  std::string branch(const std::string& name, int level) {
    const std::size_t end = shape_.find_first_of("[],", at_);
    const std::string value(shape_.substr(at_, end - at_));
    at_ = end;
    const std::string below = peek() == '[' ? group(level + 1) : "[]";
    return "{\"name\": \"" + name + "\", \"typed\": \"" + value + "\", \"value\": \"" + value +
           "\", \"kept\": true, \"branches\": " + below + "}";
  }

  char peek() const { return at_ < shape_.size() ? shape_[at_] : '\0'; }

  void expect(char c) {
    if (peek() != c) throw std::invalid_argument("shape: expected " + std::string{c});
    ++at_;
  }

  std::string_view shape_;
  std::size_t at_ = 0;
};

}  // namespace

std::string shapeDocument(std::string_view shape) {
  ShapeWriter writer(shape);
  const std::string branches = writer.group(1);
  if (!writer.done()) throw std::invalid_argument("shape: text after the tree");
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

}  // namespace kvistra::testing
