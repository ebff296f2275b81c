#include "storage/TreeDocument.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "construction/Construction.h"
#include "construction/ShapeLayout.h"
#include "construction/TrialsTree.h"
#include "distribution/VariableValue.h"
#include "files/FileAccess.h"
#include "names/BranchNames.h"
#include "names/NameFieldRules.h"
#include "text/Exact.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"

namespace kvistra {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// Far longer than any line the program makes: a result's line, the event of a reduction.
constexpr std::size_t LongestLine = 4096;
// Digits of a fraction's numerator or denominator: room for any double's exact decimal.
constexpr std::size_t LongestNumber = 800;

// ---- Writing ----

std::string fractionOf(const Exact& value) {
  return value.get_num().get_str() + "/" + value.get_den().get_str();
}

OrderedJson text(std::string_view windows1252) {
  return utf8FromWindows1252(windows1252);
}

OrderedJson groupJson(const Tree& tree, const ExactValues& values, BranchAt parent);

OrderedJson branchJson(const Tree& tree, const ExactValues& values, BranchAt at) {
  const Branch& branch = tree.branch(at);
  OrderedJson json = OrderedJson::object();
  json["name"] = text(branch.name.view());
  json["typed"] = text(branch.typedText.view());
  json["value"] = branch.probabilityEntered ? OrderedJson(fractionOf(values(at.level, at.slot)))
                                            : OrderedJson(nullptr);
  json["kept"] = branch.exists;
  // The random variable's members stand only where they say something, so a document without
  // one reads as it always did.
  if (branch.counted) json["counted"] = true;
  if (!branch.branchValue.empty()) json["branchValue"] = text(branch.branchValue.view());
  if (!branch.outcomeValue.empty()) json["outcomeValue"] = text(branch.outcomeValue.view());
  json["branches"] = groupJson(tree, values, at);
  return json;
}

OrderedJson groupJson(const Tree& tree, const ExactValues& values, BranchAt parent) {
  OrderedJson group = OrderedJson::array();
  const Slots children = tree.children(parent.level, parent.slot);
  for (int child = children.first; child <= children.last; ++child)
    group.push_back(branchJson(tree, values, {parent.level + 1, child}));
  return group;
}

OrderedJson labelsJson(const LabelRows& labels) {
  OrderedJson rows = OrderedJson::array();
  for (int i = 1; i <= std::clamp(labels.count, 0, MaxLabelRows); ++i) {
    const LabelRow& row = labels.rows[i];
    OrderedJson json = OrderedJson::object();
    json["oldName"] = text(row.oldName.view());
    json["newName"] = text(row.newName.view());
    json["text"] = text(row.text);
    rows.push_back(std::move(json));
  }
  return rows;
}

OrderedJson resultsJson(const Results& results) {
  OrderedJson rows = OrderedJson::array();
  for (int i = 1; i <= std::clamp(results.count, 0, MaxResults); ++i) {
    const ResultRow& row = results.rows[i];
    OrderedJson json = OrderedJson::object();
    json["line"] = text(row.line);
    json["value"] = text(row.value.view());
    json["fraction"] = row.fraction.empty() ? OrderedJson(nullptr) : text(row.fraction);
    rows.push_back(std::move(json));
  }
  return rows;
}

// The kinds of random variable, as a document names them.
constexpr std::pair<VariableKind, const char*> VariableKindNames[] = {
    {VariableKind::CountOfNames, "countOfNames"},
    {VariableKind::SumOfBranches, "sumOfBranches"},
    {VariableKind::ValuePerOutcome, "valuePerOutcome"},
};

OrderedJson variableJson(const RandomVariable& variable) {
  OrderedJson json = OrderedJson::object();
  for (const auto& [kind, name] : VariableKindNames)
    if (kind == variable.kind) json["kind"] = name;
  json["name"] = std::string(1, variable.name);
  return json;
}

OrderedJson trialsJson(const RepeatedTrials& trials) {
  OrderedJson json = OrderedJson::object();
  json["count"] = trials.count;
  json["success"] = std::string(1, trials.success);
  json["failure"] = std::string(1, trials.failure);
  json["withReplacement"] = trials.withReplacement;
  if (trials.withReplacement) {
    json["probability"] = std::string(trials.probability.view());
  } else {
    json["population"] = trials.population;
    json["successes"] = trials.populationSuccesses;
  }
  return json;
}

OrderedJson reductionJson(const Reduction& reduction) {
  OrderedJson json = OrderedJson::object();
  json["reduced"] = reduction.reduced;
  json["event"] = text(reduction.text);
  json["probability"] = reduction.probability;
  return json;
}

// ---- Reading ----

// Why the document is refused, in UTF-8 until it reaches the user.
struct Refusal {
  std::string message;
};

[[noreturn]] void refuse(std::string message) {
  throw Refusal{std::move(message)};
}

std::string quoted(std::string_view key) {
  return "»" + std::string(key) + "«";
}

std::string capitalised(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

[[noreturn]] void refuseType(const char* key, const std::string& place, const char* kind) {
  refuse(quoted(key) + " i " + place + " skal være " + kind + ".");
}

void requireObject(const Json& json, const std::string& place) {
  if (!json.is_object()) refuse(capitalised(place) + " skal være et JSON-objekt, {...}.");
}

const Json& member(const Json& object, const char* key, const std::string& place) {
  const auto found = object.find(key);
  if (found == object.end()) refuse(quoted(key) + " mangler i " + place + ".");
  return *found;
}

const Json& objectAt(const Json& object, const char* key, const std::string& place) {
  const Json& json = member(object, key, place);
  if (!json.is_object()) refuseType(key, place, "et JSON-objekt, {...}");
  return json;
}

const Json& listAt(const Json& object, const char* key, const std::string& place) {
  const Json& json = member(object, key, place);
  if (!json.is_array()) refuseType(key, place, "en liste, [...]");
  return json;
}

bool flagAt(const Json& object, const char* key, const std::string& place) {
  const Json& json = member(object, key, place);
  if (!json.is_boolean()) refuseType(key, place, "true eller false");
  return json.get<bool>();
}

// Whole numbers too large for the program are refused like any number out of range.
int integerAt(const Json& object, const char* key, const std::string& place, int lowest,
              int highest, const char* range) {
  const Json& json = member(object, key, place);
  if (!json.is_number_integer()) refuseType(key, place, "et helt tal");
  const bool inRange = json.is_number_unsigned()
                           ? json.get<uint64_t>() <= static_cast<uint64_t>(std::max(highest, 0))
                           : json.get<int64_t>() >= lowest && json.get<int64_t>() <= highest;
  if (!inRange) refuseType(key, place, range);
  return json.get<int>();
}

double numberAt(const Json& object, const char* key, const std::string& place) {
  const Json& json = member(object, key, place);
  if (!json.is_number() || !std::isfinite(json.get<double>())) refuseType(key, place, "et tal");
  return json.get<double>();
}

// The program's own text: Windows-1252, within the field's length.
std::string textAt(const Json& object, const char* key, const std::string& place,
                   std::size_t longest) {
  const Json& json = member(object, key, place);
  if (!json.is_string()) refuseType(key, place, "en tekst");
  const std::optional<std::string> converted = exactWindows1252FromUtf8(json.get<std::string>());
  if (!converted)
    refuse(quoted(key) + " i " + place + " har et tegn, som Kvistra ikke kan skrive.");
  if (converted->size() > longest)
    refuse(quoted(key) + " i " + place + " er længere end " + std::to_string(longest) + " tegn.");
  return *converted;
}

bool allDigits(std::string_view text) {
  return !text.empty() && text.size() <= LongestNumber &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "p/q" with whole numbers p and q > 0, in any terms; p may be negative, as in a tree file.
std::optional<Exact> fractionFrom(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  std::string_view numerator = text.substr(0, slash);
  const std::string_view denominator = text.substr(slash + 1);
  const bool negative = numerator.starts_with('-');
  if (negative) numerator.remove_prefix(1);
  if (!allDigits(numerator) || !allDigits(denominator)) return std::nullopt;
  const mpz_class below(std::string{denominator});
  if (below == 0) return std::nullopt;
  Exact value(mpz_class(std::string{numerator}), below);
  value.canonicalize();
  if (negative) value = -value;
  if (!std::isfinite(value.get_d())) return std::nullopt;
  return value;
}

// A value of the random variable, which a branch need not have: empty when it has none.
std::string variableValueAt(const Json& object, const char* key, const std::string& place) {
  if (!object.contains(key)) return {};
  std::string typed = textAt(object, key, place, VariableText::capacity);
  if (!readVariableValue(typed)) refuseType(key, place, "et tal som \"-5\", \"2.5\" eller \"1/2\"");
  return typed;
}

// A branch as the document gives it, before the store has room made for it.
struct DecodedBranch {
  std::string place;
  std::string name;
  std::string typed;
  std::optional<Exact> value;
  bool kept = true;
  bool counted = false;
  std::string branchValue;
  std::string outcomeValue;
  std::vector<DecodedBranch> branches;
};

using DecodedGroup = std::vector<DecodedBranch>;

// Reads the tree's branches and keeps count of what the store must hold.
class TreeDecoder {
 public:
  DecodedGroup root(const Json& tree) { return group(tree, "træet", "", 1); }

  int depth() const { return depth_; }
  int outcomes() const { return outcomes_; }

 private:
  DecodedGroup group(const Json& owner, const std::string& place, const std::string& path,
                     int level) {
    const Json& list = listAt(owner, "branches", place);
    const int size = static_cast<int>(std::min<std::size_t>(list.size(), MostBranches + 1));
    if (size == 0 && level > 1) return {};
    if (level > MaxBranchings)
      refuse("Træet har mere end " + std::to_string(MaxBranchings) + " forgreninger.");
    if (size < FewestBranches || size > MostBranches)
      refuse(capitalised(place) + " har " + std::to_string(list.size()) +
             (list.size() == 1 ? " gren" : " grene") + " under sig; en gruppe skal have " +
             std::to_string(FewestBranches) + " til " + std::to_string(MostBranches) + " grene.");
    slots_[level] += size;
    if (slots_[level] > MaxNodesPerLevel)
      refuse("Træet har mere end " + std::to_string(MaxNodesPerLevel) + " grene i " +
             std::to_string(level) + ". forgrening.");
    depth_ = std::max(depth_, level);
    DecodedGroup branches;
    for (int i = 0; i < size; ++i)
      branches.push_back(branch(list[static_cast<std::size_t>(i)],
                                path + (path.empty() ? "" : ".") + std::to_string(i + 1), level));
    checkPartlyEntered(branches, place);
    return branches;
  }

  DecodedBranch branch(const Json& json, const std::string& path, int level) {
    DecodedBranch decoded;
    decoded.place = "gren " + path;
    requireObject(json, decoded.place);
    decoded.name = textAt(json, "name", decoded.place, BranchName::capacity);
    if (decoded.name.find_first_not_of(' ') != std::string::npos)
      decoded.place += " (" + json.at("name").get<std::string>() + ")";
    decoded.typed = textAt(json, "typed", decoded.place, TypedProbability::capacity);
    const Json& value = member(json, "value", decoded.place);
    if (!value.is_null()) {
      decoded.value = value.is_string() ? fractionFrom(value.get<std::string>()) : std::nullopt;
      if (!decoded.value)
        refuseType("value", decoded.place, "null eller en brøk som \"1/3\" med nævner over 0");
    }
    decoded.kept = flagAt(json, "kept", decoded.place);
    if (json.contains("counted")) decoded.counted = flagAt(json, "counted", decoded.place);
    decoded.branchValue = variableValueAt(json, "branchValue", decoded.place);
    decoded.outcomeValue = variableValueAt(json, "outcomeValue", decoded.place);
    decoded.branches = group(json, decoded.place, path, level + 1);
    if (decoded.branches.empty() && ++outcomes_ > MaxOutcomes)
      refuse("Træet har mere end " + std::to_string(MaxOutcomes) + " udfald.");
    return decoded;
  }

  // A group with every value entered loads whatever its values, for "Ret talværdi" to mend, as
  // in a tree file; one still being entered holds only what the input lets through.
  static void checkPartlyEntered(const DecodedGroup& group, const std::string& place) {
    if (std::all_of(group.begin(), group.end(), [](const auto& b) { return b.value; })) return;
    Exact sum = 0;
    for (const DecodedBranch& branch : group) {
      if (!branch.value) continue;
      if (*branch.value < 0 || *branch.value > 1)
        refuse(capitalised(branch.place) + " har sandsynligheden " + fractionOf(*branch.value) +
               ", som ikke ligger fra 0 til 1.");
      sum += *branch.value;
    }
    if (sum > 1)
      refuse("Grenene under " + place + " har sandsynligheder, der tilsammen er over 1.");
  }

  std::array<int, MaxBranchings + 1> slots_{};
  int depth_ = 0;
  int outcomes_ = 0;
};

// Whether an outcome below is kept; a branch must be kept exactly when one below it is, and
// every branch of a tree that is not reduced.
bool anyKept(const DecodedGroup& group, bool reduced) {
  bool any = false;
  for (const DecodedBranch& branch : group) {
    if (!reduced && !branch.kept)
      refuse(capitalised(branch.place) + " er skjult, men træet er ikke reduceret.");
    if (!branch.branches.empty() && anyKept(branch.branches, reduced) != branch.kept)
      refuse(capitalised(branch.place) + (branch.kept
                                              ? " er med, men ingen gren under den er."
                                              : " er skjult, men en gren under den er med."));
    any = any || branch.kept;
  }
  return any;
}

void fillBranch(Branch& branch, const DecodedBranch& decoded, int groupSize, int parentSlot) {
  branch.branchesPerNode = groupSize;
  branch.parentIndex = parentSlot;
  branch.name = decoded.name;
  branch.typedText = decoded.typed;
  branch.probabilityEntered = decoded.value.has_value();
  branch.probability = decoded.value ? decoded.value->get_d() : 0.0;
  branch.exists = decoded.kept;
  branch.counted = decoded.counted;
  branch.branchValue = decoded.branchValue;
  branch.outcomeValue = decoded.outcomeValue;
}

// The store level by level: a level's slots hold the groups of the level above's nodes in order,
// top to bottom.
Tree treeFrom(const DecodedGroup& top, const TreeDecoder& decoder) {
  Tree tree{};
  resetBranches(tree);
  std::vector<std::pair<int, const DecodedGroup*>> groups{{1, &top}};
  for (int level = 1; level <= decoder.depth(); ++level) {
    std::vector<std::pair<int, const DecodedGroup*>> below;
    int slot = 0;
    for (const auto& [parentSlot, group] : groups) {
      for (const DecodedBranch& decoded : *group) {
        fillBranch(tree.branch(level, ++slot), decoded, static_cast<int>(group->size()),
                   parentSlot);
        if (!decoded.branches.empty()) below.emplace_back(slot, &decoded.branches);
      }
    }
    for (int s = 1; s <= slot; ++s) tree.branch(level, s).levelNodeCount = slot;
    groups = std::move(below);
  }
  tree.branchingCount = tree.builtBranchings = decoder.depth();
  tree.leafCount = decoder.outcomes();
  tree.complete = true;
  layOutTree(tree);
  return tree;
}

Reduction reductionFrom(const Json& document) {
  const std::string place = "reduktionen";
  const Json& json = objectAt(document, "reduction", "dokumentet");
  Reduction reduction;
  reduction.reduced = flagAt(json, "reduced", place);
  reduction.text = textAt(json, "event", place, LongestLine);
  reduction.probability = numberAt(json, "probability", place);
  if (!(reduction.probability > 0.0 && reduction.probability <= 1.0))
    refuseType("probability", place, "over 0 og højst 1");
  if (!reduction.reduced && reduction.probability != 1.0)
    refuseType("probability", place, "1, når træet ikke er reduceret");
  return reduction;
}

// The rows of a list member, each an object, at most most of them.
const Json& rowsAt(const Json& document, const char* key, const char* what, int most) {
  const Json& rows = listAt(document, key, "dokumentet");
  if (rows.size() > static_cast<std::size_t>(most))
    refuse("Dokumentet har " + std::to_string(rows.size()) + " " + what + "; der kan højst være " +
           std::to_string(most) + ".");
  return rows;
}

LabelRows labelsFrom(const Json& document, const Tree& tree) {
  const Json& rows = rowsAt(document, "labels", "navnerækker", MaxLabelRows);
  LabelRows labels;
  labels.count = static_cast<int>(rows.size());
  if (labels.count != 0 && labels.count != labelRowsOf(tree))
    refuse("Dokumentet har " + std::to_string(labels.count) + " navnerækker, men træet skal have " +
           std::to_string(labelRowsOf(tree)) + " eller ingen.");
  for (int i = 1; i <= labels.count; ++i) {
    const std::string place = "navnerække " + std::to_string(i);
    const Json& json = rows[static_cast<std::size_t>(i - 1)];
    requireObject(json, place);
    LabelRow& row = labels.rows[i];
    row.oldName = textAt(json, "oldName", place, RowName::capacity);
    row.newName = textAt(json, "newName", place, RowName::capacity);
    row.text = textAt(json, "text", place, TextFieldLength);
  }
  return labels;
}

Results resultsFrom(const Json& document) {
  const Json& rows = rowsAt(document, "results", "resultater", MaxResults);
  Results results;
  results.count = static_cast<int>(rows.size());
  for (int i = 1; i <= results.count; ++i) {
    const std::string place = "resultat " + std::to_string(i);
    const Json& json = rows[static_cast<std::size_t>(i - 1)];
    requireObject(json, place);
    ResultRow& row = results.rows[i];
    row.line = textAt(json, "line", place, LongestLine);
    row.value = textAt(json, "value", place, RowName::capacity);
    if (!member(json, "fraction", place).is_null())
      row.fraction = textAt(json, "fraction", place, LongestLine);
  }
  return results;
}

// The format and version come first: a newer document is refused for being newer, whatever
// else it holds.
char letterAt(const Json& object, const char* key, const std::string& place) {
  const std::string letter = textAt(object, key, place, 1);
  if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'Z')
    refuseType(key, place, "et bogstav");
  return letter[0];
}

// The random variable, which a document need not have.
std::optional<RandomVariable> variableFrom(const Json& document) {
  if (!document.contains("variable")) return std::nullopt;
  const std::string place = "den stokastiske variabel";
  const Json& json = objectAt(document, "variable", place);
  RandomVariable variable;
  const std::string kind = textAt(json, "kind", place, 20);
  const auto* named = std::find_if(std::begin(VariableKindNames), std::end(VariableKindNames),
                                   [&](const auto& entry) { return kind == entry.second; });
  if (named == std::end(VariableKindNames))
    refuseType("kind", place, "\"countOfNames\", \"sumOfBranches\" eller \"valuePerOutcome\"");
  variable.kind = named->first;
  variable.name = letterAt(json, "name", place);
  return variable;
}

// The repeated trials the work was built from, which a document need not have.
std::optional<RepeatedTrials> trialsFrom(const Json& document) {
  if (!document.contains("trials")) return std::nullopt;
  const std::string place = "de gentagne forsøg";
  const Json& json = objectAt(document, "trials", place);
  RepeatedTrials trials;
  trials.count = integerAt(json, "count", place, 1, MostTrials, "et helt tal fra 1 til 1000");
  trials.success = letterAt(json, "success", place);
  trials.failure = letterAt(json, "failure", place);
  trials.withReplacement = flagAt(json, "withReplacement", place);
  if (trials.withReplacement) {
    trials.probability = textAt(json, "probability", place, VariableText::capacity);
  } else {
    trials.population =
        integerAt(json, "population", place, 1, LargestPopulation, "et helt tal fra 1 til 10000");
    trials.populationSuccesses =
        integerAt(json, "successes", place, 0, LargestPopulation, "et helt tal fra 0 til 10000");
  }
  if (const std::string refusal = trialsRefusal(trials); !refusal.empty())
    refuse("De gentagne forsøg kan ikke bruges: " + refusal);
  return trials;
}

// A work of trials too many to draw has no tree: its list of branches is empty.
bool withoutTree(const Json& document, const std::optional<RepeatedTrials>& trials) {
  if (!trials || drawnAsTree(*trials)) return false;
  const Json& tree = objectAt(document, "tree", "dokumentet");
  return tree.contains("branches") && tree["branches"].is_array() && tree["branches"].empty();
}

void checkFormatAndVersion(const Json& document) {
  const auto format = document.is_object() ? document.find("format") : document.end();
  if (format == document.end() || *format != std::string(TreeDocumentFormat))
    refuse("Filen er ikke et Kvistra-dokument.");
  const int version =
      integerAt(document, "version", "dokumentet", 1, INT32_MAX, "et helt tal fra 1 og op");
  if (version > TreeDocumentVersion) refuse("Filen er lavet af en nyere udgave af Kvistra.");
}

TreeDocument documentFrom(const Json& document) {
  checkFormatAndVersion(document);
  TreeDocument read;
  const int decimals = integerAt(document, "decimals", "dokumentet", 2, 4, "2, 3 eller 4");
  const bool fractions = flagAt(document, "fractions", "dokumentet");
  read.trials = trialsFrom(document);
  if (withoutTree(document, read.trials)) {
    read.tree.decimalCount = decimals;
    read.tree.showFractions = fractions;
    read.results = resultsFrom(document);
    read.variable = variableFrom(document);
    return read;
  }
  TreeDecoder decoder;
  const DecodedGroup top = decoder.root(objectAt(document, "tree", "dokumentet"));
  read.reduction = reductionFrom(document);
  if (!anyKept(top, read.reduction.reduced)) refuse("Træet er reduceret, men intet udfald er med.");
  read.tree = treeFrom(top, decoder);
  read.tree.decimalCount = decimals;
  read.tree.showFractions = fractions;
  read.labels = labelsFrom(document, read.tree);
  read.results = resultsFrom(document);
  read.variable = variableFrom(document);
  return read;
}

}  // namespace

std::string writeTreeDocument(const Work& work) {
  const Tree& tree = work.tree;
  OrderedJson document = OrderedJson::object();
  document["format"] = std::string(TreeDocumentFormat);
  document["version"] = TreeDocumentVersion;
  document["decimals"] = tree.decimalCount;
  document["fractions"] = tree.showFractions;
  OrderedJson branches = OrderedJson::object();
  branches["branches"] = groupJson(tree, ExactValues(tree), {0, 1});
  document["tree"] = std::move(branches);
  document["reduction"] = reductionJson(work.reduction);
  document["labels"] = labelsJson(work.labels);
  document["results"] = resultsJson(work.results);
  if (work.variable) document["variable"] = variableJson(*work.variable);
  if (work.trials) document["trials"] = trialsJson(*work.trials);
  return document.dump(2) + "\n";
}

TreeDocumentReading readTreeDocument(std::string_view utf8) {
  try {
    if (utf8.size() > LargestTreeDocument) refuse("Filen er for stor til et Kvistra-dokument.");
    Json document;
    try {
      document = Json::parse(utf8);
    } catch (const Json::parse_error& error) {
      refuse("Filen er ikke et Kvistra-dokument: JSON-teksten har en fejl ved byte " +
             std::to_string(error.byte) + ".");
    } catch (const Json::exception&) {
      refuse("Filen er ikke et Kvistra-dokument: JSON-teksten har et tal, der er for stort.");
    }
    return {documentFrom(document), {}};
  } catch (const Refusal& refusal) {
    return {std::nullopt, windows1252FromUtf8(refusal.message)};
  }
}

bool saveTreeDocument(const std::string& path, std::string_view document) {
  return replaceFile(path, document);
}

bool hasTreeDocumentExtension(std::string_view path) {
  return path.ends_with(".kvistra");
}

}  // namespace kvistra
