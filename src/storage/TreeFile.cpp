#include "storage/TreeFile.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "names/BranchNames.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

constexpr std::string_view LineEnd = "\r\n";
// What a tree file can hold: 2 or 3 branchings of at most 27 branches each.
constexpr int32_t MostFileBranchings = 3;
constexpr int32_t MostFileSlots = 27;
// The names dialog's rows a tree file holds: the most a tree of its shapes has.
constexpr int32_t MostFileLabelRows = 10;
// Far beyond any drawing, near enough that a drawing offset added to it cannot overflow.
constexpr int32_t FarthestCoordinate = 1'000'000;

class LineWriter {
 public:
  void integer(int32_t value) { line(std::to_string(value)); }
  void real(double value) { line(treeFileReal(value)); }
  void flag(bool value) { integer(value ? 1 : 0); }
  // A line break inside a text would shift every line after it.
  void line(std::string_view text) {
    for (char c : text) text_ += c == '\n' ? ' ' : c;
    text_ += LineEnd;
  }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

// Reads the file's values line by line. The first fault is remembered; after it every read
// gives a harmless value, so the caller checks ok() before it trusts a count.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  bool ok() const { return ok_; }
  void require(bool condition) { ok_ = ok_ && condition; }

  int32_t integer(int32_t lowest = std::numeric_limits<int32_t>::min(),
                  int32_t highest = std::numeric_limits<int32_t>::max()) {
    const std::string_view text = trimmed(nextLine());
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    require(!text.empty() && error == std::errc{} && end == text.data() + text.size() &&
            value >= lowest && value <= highest);
    return ok_ ? value : lowest;
  }
  int32_t coordinate() { return integer(-FarthestCoordinate, FarthestCoordinate); }
  bool flag() { return integer(0, 1) == 1; }

  double real() {
    const std::string_view text = trimmed(nextLine());
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    require(!text.empty() && error == std::errc{} && end == text.data() + text.size() &&
            std::isfinite(value));
    return ok_ ? value : 0.0;
  }

  std::string longText() { return std::string(nextLine()); }
  // Only the first characters the field holds; the rest of the line is skipped.
  template <std::size_t N>
  void shortText(ShortString<N>& field) {
    field = nextLine();
  }

  // Nothing but empty lines may follow the last value.
  bool atEnd() {
    while (position_ < text_.size())
      if (!nextLine().empty()) return false;
    return true;
  }

 private:
  std::string_view nextLine() {
    if (!ok_) return {};
    if (position_ >= text_.size()) {
      ok_ = false;  // the file ends too early
      return {};
    }
    std::size_t end = text_.find('\n', position_);
    if (end == std::string_view::npos) end = text_.size();
    std::string_view line = text_.substr(position_, end - position_);
    position_ = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

  // Blanks around a number and a plus sign before it are allowed.
  static std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
  }

  std::string_view text_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

bool anyChildExists(const Tree& tree, int level, int slot) {
  const Slots children = tree.children(level, slot);
  for (int child = children.first; child <= children.last; ++child)
    if (tree.branch(level + 1, child).exists) return true;
  return false;
}

// Whole, every branch exists and nothing divides an event; reduced, a branch exists exactly
// when a leaf below it does, and the reduction has a probability to divide by.
bool reductionAgrees(const TreeState& state) {
  const Tree& tree = state.tree;
  const Reduction& reduction = state.reduction;
  if (!(reduction.probability > 0.0 && reduction.probability <= 1.0)) return false;
  if (!reduction.reduced && reduction.probability != 1.0) return false;
  bool anyLeaf = false;
  for (int level = 1; level <= tree.depth(); ++level) {
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
      const bool exists = tree.branch(level, slot).exists;
      if (!reduction.reduced && !exists) return false;
      if (level < tree.depth() && exists != anyChildExists(tree, level, slot)) return false;
      if (level == tree.depth()) anyLeaf = anyLeaf || exists;
    }
  }
  return anyLeaf;
}

void writeBranch(LineWriter& out, const Branch& branch) {
  out.integer(branch.branchesPerNode);
  out.integer(branch.levelNodeCount);
  out.integer(branch.parentIndex);
  out.integer(branch.x);
  out.integer(branch.y);
  out.integer(branch.nameX);
  out.integer(branch.probabilityX);
  out.integer(0);  // reserved
  out.line(branch.name.view());
  out.real(branch.probability);
  out.line(branch.typedText.view());
  out.flag(branch.exists);
}

// A level's records must make up its parents' groups, in order.
bool readLevel(FieldReader& in, Tree& tree, int level, int nodesAbove) {
  const int32_t count = in.integer(1, MostFileSlots);
  if (!in.ok()) return false;
  for (int slot = 1; slot <= count; ++slot) {
    Branch& branch = tree.branch(level, slot);
    branch.branchesPerNode = in.integer(FewestBranches, MostBranches);
    branch.levelNodeCount = in.integer(count, count);
    branch.parentIndex = in.integer(1, nodesAbove);
    branch.x = in.coordinate();
    branch.y = in.coordinate();
    branch.nameX = in.coordinate();
    branch.probabilityX = in.coordinate();
    branch.reserved = in.integer();
    in.shortText(branch.name);
    // Out of range values load: older versions saved them, and the tree says which to mend.
    branch.probability = in.real();
    in.shortText(branch.typedText);
    branch.exists = in.flag();
    branch.probabilityEntered = true;
    const int32_t b = tree.branch(level, 1).branchesPerNode;
    in.require(branch.branchesPerNode == b && branch.parentIndex == (slot - 1) / b + 1);
    if (!in.ok()) return false;
  }
  in.require(count == nodesAbove * tree.branch(level, 1).branchesPerNode);
  return in.ok();
}

}  // namespace

std::string treeFileReal(double value) {
  char digits[40];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, std::fabs(value),
                                          std::chars_format::scientific, 14);
  const std::string_view text(digits, error == std::errc{} ? end - digits : 0);
  const std::size_t e = text.find('e');
  if (e == std::string_view::npos) return std::string(text);  // not finite: the reader refuses it
  std::string exponent(text.substr(e + 2));
  exponent.insert(0, exponent.size() < 4 ? 4 - exponent.size() : 0, '0');
  return (value < 0 ? "-" : " ") + std::string(text.substr(0, e)) + "E" + text[e + 1] + exponent;
}

std::string treeFileText(const TreeState& state) {
  const Tree& tree = state.tree;
  LineWriter out;
  out.integer(tree.branchingCount);
  out.integer(tree.leafCount);
  out.real(state.reduction.probability);
  out.line(state.reduction.text);
  out.flag(state.reduction.reduced);
  out.integer(state.event.outcomeCount);
  out.integer(state.results.count);
  for (int level = 1; level <= tree.depth(); ++level) {
    out.integer(tree.slotsOn(level));
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      writeBranch(out, tree.branch(level, slot));
  }
  for (int i = 1; i <= state.results.count; ++i) {
    out.line(state.results.rows[i].line);
    out.line(state.results.rows[i].value.view());
  }
  out.integer(state.labels.count);
  for (int i = 1; i <= state.labels.count; ++i) {
    const LabelRow& row = state.labels.rows[i];
    out.line(row.oldName.view());
    out.line(row.newName.view());
    out.line(row.text);
  }
  return out.take();
}

bool readTreeFile(std::string_view text, TreeState& into) {
  FieldReader in(text);
  Tree& tree = into.tree;
  tree.branchingCount = in.integer(2, MostFileBranchings);
  const int32_t leaves = in.integer(1, MostFileSlots);
  into.reduction.probability = in.real();
  into.reduction.text = in.longText();
  into.reduction.reduced = in.flag();
  into.event.outcomeCount = in.integer(0, leaves);
  into.results.count = in.integer(0, MaxResults);
  if (!in.ok()) return false;

  int nodesAbove = 1;
  for (int level = 1; level <= tree.branchingCount; ++level) {
    if (!readLevel(in, tree, level, nodesAbove)) return false;
    nodesAbove = tree.slotsOn(level);
  }
  tree.leafCount = leaves;
  if (leaves != nodesAbove) return false;

  for (int i = 1; i <= into.results.count; ++i) {
    into.results.rows[i].line = in.longText();
    in.shortText(into.results.rows[i].value);
  }
  into.labels.count = in.integer(0, MostFileLabelRows);
  if (!in.ok()) return false;
  in.require(into.labels.count == 0 || into.labels.count == labelRowsOf(tree));
  for (int i = 1; i <= into.labels.count; ++i) {
    LabelRow& row = into.labels.rows[i];
    in.shortText(row.oldName);
    in.shortText(row.newName);
    row.text = in.longText();
  }
  return in.ok() && in.atEnd() && reductionAgrees(into);
}

std::string_view shortFileName(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool fitsTreeFile(const Tree& tree) {
  return tree.depth() >= 2 && tree.depth() <= MostFileBranchings &&
         tree.outcomeSlots() <= MostFileSlots && isEvenTree(tree);
}

bool hasTreeFileExtension(std::string_view path) {
  return path.ends_with(".KV3") || path.ends_with(".kv3");
}

}  // namespace kvistra
