// Kvistra documents of any shape, written as nested groups of values, for tests and benchmarks:
// "[3/5[3/5,2/5],2/5]" is A1 (3/5) with A2 and B2 under it, and B1 (2/5), a leaf. Branches are
// named by their place in the group and their branching (A1, B1, A2, ...) and typed as written.
#pragma once

#include <string>
#include <string_view>

#include "host/Context.h"

namespace kvistra::testing {

std::string shapeDocument(std::string_view shape);

// The same group of values under every branch, branchings deep: evenShape("1/2,1/2", 2) is
// "[1/2[1/2,1/2],1/2[1/2,1/2]]".
std::string evenShape(std::string_view values, int branchings);

// Opens the shape's document as "Hent" opens a file; false when it was refused.
bool openShape(Context& context, std::string_view shape);

// Three coins shown in fractions, every branch A (heads) or B, and X the number of heads; the
// variable is left out when letter is 0.
bool openThreeCoins(Context& context, char letter = 'X');

// n trials, each a success with probability p ("0.3", "1/6").
RepeatedTrials binomialTrials(int n, const char* p);
// n drawn without replacement from N of which M are successes.
RepeatedTrials hypergeometricTrials(int N, int M, int n);

}  // namespace kvistra::testing
