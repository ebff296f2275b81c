#include "names/NameFieldRules.h"

#include <vector>

#include "text/CharSet.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/TreeState.h"

namespace kvistra {

NameKey nameFieldKey(int row, std::string_view fieldText, bool textSelected, char key) {
  NameKey result;
  if (row <= RowsAlwaysOpen && textSelected) {
    fieldText = {};
    result.emptiesField = true;
  }
  const bool empty = fieldText.empty() || fieldText == " ";
  result.accepted = empty != NumberChars.contains(key);
  if (!result.accepted && row > RowsAlwaysOpen) result.emptiesField = true;
  return result;
}

std::string newNameFromField(std::string_view field) {
  std::string name;
  for (char c : field) name += upcaseDanish(c);
  if (name.size() >= 2 && name[1] == ' ') name.erase(1, 1);
  return RowName(name).str();
}

namespace {

std::string withoutTrailingBlanks(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(last == std::string_view::npos ? std::string_view{}
                                                    : text.substr(0, last + 1));
}

}  // namespace

std::optional<NameClash> clashingNewName(const LabelRows& labels, const BranchNameFields& fields) {
  std::vector<std::string> names;
  for (int row = 1; row <= MaxLabelRows && (row <= RowsAlwaysOpen || row <= labels.count); ++row) {
    // A lone blank is how an emptied field may look; the branches would show no name.
    const std::string name = newNameFromField(fields[static_cast<std::size_t>(row - 1)].name);
    if (withoutTrailingBlanks(name).empty()) return NameClash{"", row, 0};
    for (std::size_t earlier = 0; earlier < names.size(); ++earlier)
      if (names[earlier] == name) return NameClash{name, static_cast<int>(earlier) + 1, row};
    names.push_back(name);
  }
  return std::nullopt;
}

std::string nameClashMessage(const LabelRows& labels, const NameClash& clash) {
  const auto label = [&](int row) {
    return withoutTrailingBlanks(labels.rows[static_cast<std::size_t>(row)].oldName.view());
  };
  if (clash.otherRow == 0)
    return w1252("Grenen ") + label(clash.row) +
           w1252(" har intet navn. Hver gren skal have et navn.");
  return w1252("Navnet ") + withoutTrailingBlanks(clash.name) + w1252(" er givet til både ") +
         label(clash.row) + w1252(" og ") + label(clash.otherRow) +
         w1252(". Hvert navn må kun bruges ét sted.");
}

}  // namespace kvistra
