// "Udskriv opgaveark…": a page for the pupils, the tree with the values the teacher chose left
// blank, and an answer-key page with every value filled in and the results worked out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "distribution/Distribution.h"
#include "distribution/RepeatedTrials.h"
#include "host/Canvas.h"
#include "host/Context.h"

namespace kvistra {

// One row of the results list as the key gives it: the row with its value, and the working it
// was approved with, unless the tree has changed since or the row was read from a file.
struct KeyResult {
  std::string line;
  std::vector<std::string> working;
  TextEncoding workingEncoding = TextEncoding::Windows1252;
};

// What the pages show, made once before they are printed, shown or saved.
struct Worksheet {
  TreeState state;  // the tree, without an event's marks
  std::vector<std::string> branchTexts;
  WorksheetBlanks blanks = WorksheetBlanks::AllBranches;
  bool answerKey = true;
  std::vector<KeyResult> results;
  // With the distribution's blank: the random variable's rows, and its name.
  std::optional<Distribution> distribution{};
  char variableName = 'X';
  // With the trials' table: its rows, the success's letter and a heading naming the trials.
  std::optional<TrialsTable> trialsTable{};
  char trialsSuccess = 'S';
  std::string trialsHeading{};
};

// A choice of the worksheet dialog and its caption (Windows-1252).
struct WorksheetChoice {
  WorksheetBlanks blanks;
  std::string caption;
  friend bool operator==(const WorksheetChoice&, const WorksheetChoice&) = default;
};

// The choices an offer makes, in the dialog's order: every branching's values, those from each
// later branching on, the outcomes' path probabilities (with a tree), the distribution of the
// random variable named, and the trials' table.
std::vector<WorksheetChoice> worksheetChoices(const WorksheetOffer& offer);

// What the work offers a worksheet.
WorksheetOffer worksheetOffer(const TreeState& state);

// The distribution's table as the page writes it (UTF-8 display text): its heading, a row for
// each value of X with P(X = x) blank or, on the key, filled in, and E(X) likewise.
std::vector<std::string> distributionTableLines(const Worksheet& sheet, bool key);

// The trials' table as the page writes it (UTF-8): a heading naming the trials, then
// k | P(X = k) | P(X ≤ k) with the probabilities blank or, on the key, filled in.
std::vector<std::string> trialsTableLines(const Worksheet& sheet, bool key);

Worksheet makeWorksheet(const TreeState& state, const WindowState& window, WorksheetBlanks blanks,
                        bool answerKey);

// The worksheet page, and the key after it when it has one.
int worksheetPageCount(const Worksheet& sheet);
// The tree as a page lays it out: its lines spread down the height the page leaves it under the
// heading and above the lines below it, and never closer than on the screen.
Tree worksheetPageTree(const Worksheet& sheet, Canvas& canvas, int pageIndex);
void drawWorksheetPage(const Worksheet& sheet, Canvas& canvas, int pageIndex);

// The menu command: the worksheet dialog, then the pages printed, shown or saved as a PDF file.
// A file that cannot be written whole is left as it was, and a message says so.
void printWorksheet(Context& context);

}  // namespace kvistra
