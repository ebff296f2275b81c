// Small helpers shared by every part of the program.
#pragma once

#include <string>
#include <string_view>

#include "tree/Canvas.h"
#include "tree/TreeState.h"

namespace kvistra {

int largerOf(int a, int b);

// Blanks that make a name 5 characters wide, for columns of text.
std::string namePadding(std::string_view name);

void removeSpaces(std::string& text);

// Whether the last click on the drawing lies in the rectangle, edges included.
bool clickInRect(const TreeState& state, int left, int top, int right, int bottom);

// Upper case, including the Danish letters of Windows-1252.
char upcaseDanish(char c);

void drawLine(Canvas& canvas, int x1, int y1, int x2, int y2);

// Fixed-point text of value with the given decimals, right-aligned in width (never cut). The
// value is first expanded to 19 significant digits, which are then rounded half away from zero.
std::string fixedPoint(double value, int width, int decimals);

// A branch probability as written on the drawing: decimalCount decimals, width decimalCount + 2.
std::string ProbabilityFormat(const TreeState& state, double probability);

void RebuildPathNames(TreeState& state);

// The product of the probabilities on the path of outcome k, width 12 with 4 decimals.
double pathProbability(const TreeState& state, int k);
std::string pathProbabilityText(const TreeState& state, int k);

}  // namespace kvistra
