// The character sets that the program's input fields accept.
#pragma once

#include <array>

namespace kvistra {

// A set of 8-bit characters an input field accepts.
class CharSet {
 public:
  constexpr CharSet& add(unsigned char c) {
    members_[c] = true;
    return *this;
  }
  constexpr CharSet& addRange(unsigned char first, unsigned char last) {
    for (int c = first; c <= last; ++c) members_[c] = true;
    return *this;
  }
  constexpr bool contains(char c) const { return members_[static_cast<unsigned char>(c)]; }

 private:
  std::array<bool, 256> members_{};
};

inline constexpr char Backspace = 8;

// Letters (the Danish ones of Windows-1252 too), parentheses and minus: event expressions.
inline constexpr CharSet ExpressionChars = CharSet{}
                                               .add(Backspace)
                                               .add('(')
                                               .add(')')
                                               .add('-')
                                               .addRange('A', 'Z')
                                               .addRange('a', 'z')
                                               .add(197)
                                               .add(198)
                                               .add(216)
                                               .add(229)
                                               .add(230)
                                               .add(248);

inline constexpr CharSet NumberChars =
    CharSet{}.add(Backspace).add(',').add('.').add('/').addRange('0', '9');

}  // namespace kvistra
