// The rules of the names dialog's fields, key by key, and what an applied field becomes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "host/Host.h"

namespace kvistra {

// Rows 1 to 4 are always open: every tree has at least two branchings of two branches.
inline constexpr int RowsAlwaysOpen = 4;
inline constexpr std::size_t NameFieldLength = 2;
inline constexpr std::size_t TextFieldLength = 20;

// What a key typed into a name field does: whether it reaches the field, and whether the field
// is emptied first.
struct NameKey {
  bool accepted = false;
  bool emptiesField = false;
  friend bool operator==(const NameKey&, const NameKey&) = default;
};

// A name starts with a character that is not a digit, ",", "." or "/", and may go on with one
// of those. In rows 1 to 4 a selection is emptied before the key is judged; in the other rows a
// refused key empties the field. row counts from 1; fieldText is the field before the key.
NameKey nameFieldKey(int row, std::string_view fieldText, bool textSelected, char key);

// A row's new name from its field: upper case, without a blank after the first character, at
// most 12 characters.
std::string newNameFromField(std::string_view field);

// Why the names of an applied dialog cannot be taken: a row left without a name (otherRow 0), or
// two rows giving the same name. Rows count from 1; name is the new name as applied.
struct NameClash {
  std::string name;
  int row = 0;
  int otherRow = 0;
  friend bool operator==(const NameClash&, const NameClash&) = default;
};

// Every row in use needs a name of its own, compared as applied (so "r" and "R" clash); the
// first clash from the top, or nothing when the names can be applied.
std::optional<NameClash> clashingNewName(const LabelRows& labels, const BranchNameFields& fields);

// The message that tells the clash, naming the rows by their labels.
std::string nameClashMessage(const LabelRows& labels, const NameClash& clash);

}  // namespace kvistra
