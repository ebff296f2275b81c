// The pane "Fordeling af X" as data: the random variable's distribution as the window shows it,
// worked out from the tree after every command. Its texts are UTF-8 display text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "distribution/DisplayNumbers.h"
#include "tree/TreeState.h"

namespace kvistra {

struct DistributionPaneRow {
  std::string value;         // x, or k for repeated trials
  std::string probability;   // P(X = x): the fraction with "Brøker", else the decimal
  std::string decimal;       // the decimal beside the fraction; empty without "Brøker"
  double share = 0.0;        // P(X = x), the height of its bar
  bool taken = false;        // the last question's answer takes it
  std::string cumulative{};  // P(X ≤ k), for repeated trials only
  bool charted = true;       // it has a bar in the chart
  friend bool operator==(const DistributionPaneRow&, const DistributionPaneRow&) = default;
};

struct DistributionPane {
  std::string name;     // the variable's letter
  std::string heading;  // "Fordeling af X", "Fordeling af X givet A2", "Binomialfordeling"
  // What repeated trials are: "X ~ b(10; 0.3)"; empty for any other variable.
  std::string trialsLine;
  // Shown instead of the table while the distribution cannot be worked out.
  std::string note;
  std::string valueColumn = "x";
  std::string probabilityColumn;  // "P(X = x)"
  std::string cumulativeColumn;   // "P(X ≤ k)" for repeated trials; empty otherwise
  bool decimalColumn = false;     // "Decimaltal" beside the fractions
  std::vector<DistributionPaneRow> rows;
  // The row the table brings into view: the question's first k, else the most probable.
  int focusedRow = 0;
  std::string mean;               // "E(X) = 3/2"
  std::string variance;           // "Var(X) = 3/4"
  std::string standardDeviation;  // "σ(X) = √(3)/2 ≈ 0.8660"
  std::vector<std::string> working;
  // The last question asked: "P(X ≥ 2) = 1/2" and how it comes about; empty when none is.
  std::string answer;
  std::string answerWorking;
  bool decimalComma = false;
  friend bool operator==(const DistributionPane&, const DistributionPane&) = default;
};

// How the pane writes numbers: as the tree shows its values, with the view's decimal comma.
NumberStyle paneNumberStyle(const TreeState& state);

// The pane while the work has a random variable; nothing otherwise.
std::optional<DistributionPane> distributionPaneOf(const TreeState& state);

}  // namespace kvistra
