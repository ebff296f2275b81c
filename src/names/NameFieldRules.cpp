#include "names/NameFieldRules.h"

#include "text/CharSet.h"
#include "text/TextFormat.h"
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

}  // namespace kvistra
