// The rules of the names dialog's fields, key by key, and what an applied field becomes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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

}  // namespace kvistra
