// Small text rules shared by the whole program: padding, case folding and fixed-point numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvistra {

int largerOf(int a, int b);

// Blanks that make a name 5 characters wide, for columns of text.
std::string namePadding(std::string_view name);

void removeSpaces(std::string& text);

// Upper case, including the Danish letters of Windows-1252.
char upcaseDanish(char c);

// Fixed-point text of value with the given decimals, right-aligned in width (never cut). The
// value is first expanded to 19 significant digits, which are then rounded half away from zero.
std::string fixedPoint(double value, int width, int decimals);

// A number's text as shown: with a decimal comma when comma is set. Only values go through it;
// the program's fixed messages and the tree file keep their points.
std::string shownNumber(std::string text, bool comma);

// "xx.." when text is longer than limit: the first keep characters and two dots.
std::string cutWithDots(const std::string& text, std::size_t limit, std::size_t keep);

}  // namespace kvistra
