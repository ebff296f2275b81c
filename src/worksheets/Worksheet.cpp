#include "worksheets/Worksheet.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "construction/TrialsTree.h"
#include "distribution/DisplayNumbers.h"
#include "drawing/TreeDrawing.h"
#include "files/FileAccess.h"
#include "output/PageLayout.h"
#include "output/Printing.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/RandomVariable.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

// Above the tree, under the heading: what the pupils are to do.
constexpr int InstructionY = 90;
// Space between the tree, the explanation and the results.
constexpr int SectionGap = 20;
// Space between the instruction and the top of the tree's texts.
constexpr int InstructionGap = 6;
// Past this many lines the key's results go on in a second column beside the first.
constexpr int OneColumnLines = 24;
constexpr int WorkingIndent = 2;

constexpr const char* WorksheetTitle = "Opgaveark";
constexpr const char* KeyTitle = "Facitliste";
constexpr const char* ResultsTitle = "Resultater";
constexpr const char* PdfTitle = "Gem opgavearket som PDF";
constexpr const char* PdfName = "opgaveark.pdf";
constexpr const char* PdfFailed = " Det lykkedes ikke at gemme opgavearket som PDF-fil. ";
const SaveFileType PdfFile{"PDF-dokument (*.pdf)", "pdf"};

constexpr const char* AllBlankInstruction = "Skriv sandsynlighederne på grenene.";
constexpr const char* LaterBlankInstruction = "Skriv de manglende sandsynligheder på grenene.";
constexpr const char* PathBlankInstruction =
    "Skriv sandsynligheden for hvert udfald ud for dets nummer.";
// The distribution's instruction, heading and caption, around the variable's letter.
constexpr const char* DistributionInstruction[] = {"Udfyld tabellen over fordelingen af ",
                                                   ", og udregn E(", ")."};
constexpr const char* DistributionHeading = "Fordeling af ";
constexpr const char* TrialsTableCaption = "Fordelingstabel";
// Blanks between the table's x column and its P column.
constexpr std::size_t TableColumnGap = 4;

// The branchings as the choices name them (UTF-8), first to sixth.
constexpr const char* Ordinals[MaxBranchings] = {"første", "anden", "tredje",
                                                 "fjerde", "femte", "sjette"};

// The choices that leave the values blank from a branching on, in order from the first.
constexpr WorksheetBlanks BlankFrom[MaxBranchings] = {
    WorksheetBlanks::AllBranches,    WorksheetBlanks::LaterBranchings,
    WorksheetBlanks::ThirdBranching, WorksheetBlanks::FourthBranching,
    WorksheetBlanks::FifthBranching, WorksheetBlanks::SixthBranching,
};

// The first branching whose values are blank; past the last one for the path probabilities.
int firstBlankLevel(WorksheetBlanks blanks) {
  const auto* from = std::find(std::begin(BlankFrom), std::end(BlankFrom), blanks);
  return static_cast<int>(from - std::begin(BlankFrom)) + 1;
}

// "Kun anden forgrening", "Kun anden og tredje forgrening", "Kun anden til sjette forgrening".
std::string blankFromCaption(int first, int branchings) {
  if (first == 1) return "Alle sandsynligheder på grenene";
  const std::string from = std::string("Kun ") + Ordinals[first - 1];
  if (first == branchings) return from + " forgrening";
  const char* joint = first + 1 == branchings ? " og " : " til ";
  return from + joint + Ordinals[branchings - 1] + " forgrening";
}

std::string instructionOf(const Worksheet& sheet) {
  const std::string name(1, sheet.variableName);
  switch (sheet.blanks) {
    case WorksheetBlanks::PathProbabilities:
      return PathBlankInstruction;
    case WorksheetBlanks::VariableDistribution:
      return DistributionInstruction[0] + name + DistributionInstruction[1] + name +
             DistributionInstruction[2];
    case WorksheetBlanks::TrialsTable:
      return "Udfyld tabellen over X, antallet af " + std::string(1, sheet.trialsSuccess) +
             " i forsøgene.";
    case WorksheetBlanks::AllBranches:
      return AllBlankInstruction;
    default:
      return LaterBlankInstruction;
  }
}

TreeDrawingOptions drawingOptions(const Worksheet& sheet, bool key) {
  TreeDrawingOptions options;
  options.printerNotes = false;  // the results column would give the answers away
  if (key) {
    options.leafValues = LeafValues::All;
    return options;
  }
  const bool pathsBlank = sheet.blanks == WorksheetBlanks::PathProbabilities;
  options.leafValues = pathsBlank ? LeafValues::Blank : LeafValues::ShownEvent;
  for (int level = firstBlankLevel(sheet.blanks); level <= MaxBranchings; ++level)
    options.blankLevels[level] = true;
  return options;
}

// How far the last leaf's label reaches below its line.
int labelBelowLine(int lineHeight) {
  return lineHeight - LeafLabelRise;
}

// The tree's drawing widened to the page: x goes from the tree's units to the page's, from the
// page's left margin; y and the texts stay as they are, and texts are measured in the tree's
// units, so the drawing lays them out in the room the widening gives.
class WidenedCanvas : public Canvas {
 public:
  WidenedCanvas(Canvas& page, double scale) : page_(page), scale_(scale) {}

  void setPen(Color color, PenStyle style) override { page_.setPen(color, style); }
  void moveTo(int x, int y) override { page_.moveTo(pageX(x), y); }
  void lineTo(int x, int y) override { page_.lineTo(pageX(x), y); }
  void textOut(int x, int y, std::string_view text) override { page_.textOut(pageX(x), y, text); }
  int textWidth(std::string_view text) override {
    return static_cast<int>(std::ceil(page_.textWidth(text) / scale_));
  }
  int textHeight(std::string_view text) override { return page_.textHeight(text); }
  void rectangle(int left, int top, int right, int bottom) override {
    page_.rectangle(pageX(left), top, pageX(right), bottom);
  }
  void fillRect(int left, int top, int right, int bottom) override {
    page_.fillRect(pageX(left), top, pageX(right), bottom);
  }
  void setFont(const Font& font) override { page_.setFont(font); }
  void setTextEncoding(TextEncoding encoding) override { page_.setTextEncoding(encoding); }
  bool isPrinter() const override { return page_.isPrinter(); }
  int width() const override { return static_cast<int>(page_.width() / scale_); }
  int height() const override { return page_.height(); }

 private:
  int pageX(int x) const { return PageTextX + static_cast<int>(std::lround(x * scale_)); }

  Canvas& page_;
  double scale_;
};

// How much wider the tree is drawn: its leaf labels, the widest a label can be, end at the
// page's right margin. Never narrower than the tree's own layout.
double widening(const Tree& tree, Canvas& page) {
  const int labelsX = branchLeft(tree.depth()) + LevelPitch + LeafLabelGap;
  const int room = PageWidth - 2 * PageTextX - page.textWidth("27 " + pathBlank());
  return std::max(1.0, static_cast<double>(room) / labelsX);
}

// Past OneColumnLines the lines are shared between two columns.
int rowsOf(const std::vector<std::string>& lines) {
  const int count = static_cast<int>(lines.size());
  return count > OneColumnLines ? (count + 1) / 2 : count;
}

// The height lines under the tree take, the gap above them included.
int heightOfLines(const std::vector<std::string>& lines, int lineHeight) {
  return lines.empty() ? 0 : SectionGap + rowsOf(lines) * lineHeight;
}

// The tree's lines spread down the page: the top leaf's texts just under the instruction and the
// bottom leaf's line where the lines below still fit above the page's foot. Never closer than
// the tree's own layout, so a full page goes on below its foot and is shrunk to fit the paper.
void spreadDown(Tree& tree, int lineHeight, int textLift, int pageHeight, int heightBelow) {
  const int deepest = std::max(1, tree.depth());
  // The outcomes stand top to bottom, on whichever branching their paths end.
  const int firstY = tree.leaf(1).y;
  const int lastY = tree.leaf(std::max(1, tree.outcomeSlots())).y;
  if (lastY <= firstY) return;
  const int top = InstructionY + lineHeight + InstructionGap + textLift - PrinterOffsetY;
  const int bottom =
      pageHeight - PageTextX - heightBelow - labelBelowLine(lineHeight) - PrinterOffsetY;
  const double scale = std::max(1.0, static_cast<double>(bottom - top) / (lastY - firstY));
  for (int level = 0; level <= deepest; ++level)
    for (int slot = 1; slot <= std::max(1, tree.slotsOn(level)); ++slot) {
      int& y = tree.branch(level, slot).y;
      y = top + static_cast<int>(std::lround((y - firstY) * scale));
    }
}

int treeBottom(const Tree& tree, int lineHeight) {
  int bottom = PrinterOffsetY + RootY;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    const BranchAt leaf = tree.outcome(k);
    bottom = std::max(bottom, PrinterOffsetY + tree.branch(leaf).y);
  }
  return bottom + labelBelowLine(lineHeight);
}

// Writes the lines from top down; past OneColumnLines they are shared between two columns. Each
// line is read in its encoding, where one is given (Windows-1252 otherwise). Returns the y below
// them.
int writeLines(Canvas& canvas, const std::vector<std::string>& lines, int top, int lineHeight,
               const std::vector<TextEncoding>& encodings = {}) {
  const int rows = rowsOf(lines);
  Font font = PageFont;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const auto at = static_cast<std::size_t>(i);
    const TextEncoding encoding = at < encodings.size() ? encodings[at] : PageFont.encoding;
    if (encoding != font.encoding) {
      font.encoding = encoding;
      canvas.setFont(font);
    }
    canvas.textOut(PageTextX + (i / rows) * PageWorkingColumnPitch, top + (i % rows) * lineHeight,
                   lines[i]);
  }
  if (font != PageFont) canvas.setFont(PageFont);
  return top + rows * lineHeight;
}

// The key's lines, and the encoding of each: a question about the random variable is worked in
// UTF-8.
std::vector<std::string> keyLines(const std::vector<KeyResult>& results,
                                  std::vector<TextEncoding>* encodings = nullptr) {
  std::vector<std::string> lines{ResultsTitle};
  std::vector<TextEncoding> lineEncodings{PageFont.encoding};
  for (const KeyResult& result : results) {
    lines.push_back(result.line);
    lineEncodings.push_back(PageFont.encoding);
    for (const std::string& line : result.working) {
      lines.push_back(std::string(WorkingIndent, ' ') + line);
      lineEncodings.push_back(result.workingEncoding);
    }
  }
  if (encodings) *encodings = std::move(lineEncodings);
  return lines;
}

// "A1B2: 0.2100 = 21/100", as the approve box gave it; notices as they stand in the list.
std::string keyLine(const ResultRow& row, bool comma) {
  std::string value(row.value.view());
  value.erase(0, value.find_first_not_of(' '));
  if (value.empty()) return row.line;
  std::string line = row.line + ": " + shownNumber(value, comma);
  if (!row.fraction.empty()) line += " = " + shownNumber(row.fraction, comma);
  return line;
}

// A row keeps the working it was approved with, on the tree and reduction of that moment: worked
// out again on the tree as it stands, it could explain another value or another condition.
std::vector<KeyResult> keyResults(const TreeState& state) {
  std::vector<KeyResult> results;
  for (int i = 1; i <= std::clamp(state.results.count, 0, MaxResults); ++i) {
    const ResultRow& row = state.results.rows[i];
    results.push_back({keyLine(row, state.view.decimalComma), row.working, row.workingEncoding});
  }
  return results;
}

// Beside the tree's file, named after it: "urne.KV3" offers "urne-opgaveark.pdf".
std::string pdfPreset(const std::string& treeFile) {
  return nameBeside(treeFile, std::string("-") + PdfName, PdfName);
}

void savePagesAsPdf(Context& context, int pageCount, const PageDrawing& draw) {
  const std::optional<SaveAsChoice> chosen =
      context.host.chooseFileToSaveAs(PdfTitle, pdfPreset(context.state.file.path), {PdfFile});
  if (!chosen) return;
  const std::string bytes = context.host.pagesAsPdf(pageCount, draw);
  if (bytes.empty() || !replaceFile(chosen->path, bytes))
    context.host.showMessage(w1252(PdfFailed), " ");
}

// What the page writes under the tree besides the explanation: on the key, its results.
std::vector<std::string> keyLinesOf(const Worksheet& sheet, int pageIndex,
                                    std::vector<TextEncoding>* encodings = nullptr) {
  return pageIndex == 1 && !sheet.results.empty() ? keyLines(sheet.results, encodings)
                                                  : std::vector<std::string>{};
}

}  // namespace

std::vector<WorksheetChoice> worksheetChoices(const WorksheetOffer& offer) {
  std::vector<WorksheetChoice> choices;
  const int branchings = offer.branchings;
  for (int first = 1; first <= std::min(branchings, MaxBranchings); ++first)
    choices.push_back({BlankFrom[first - 1], w1252(blankFromCaption(first, branchings))});
  if (branchings > 0)
    choices.push_back(
        {WorksheetBlanks::PathProbabilities, w1252("Kun udfaldenes sandsynligheder")});
  if (offer.distributedVariable)
    choices.push_back({WorksheetBlanks::VariableDistribution,
                       DistributionHeading + std::string(1, *offer.distributedVariable)});
  if (offer.trialsTable) choices.push_back({WorksheetBlanks::TrialsTable, TrialsTableCaption});
  return choices;
}

WorksheetOffer worksheetOffer(const TreeState& state) {
  WorksheetOffer offer;
  offer.branchings = state.tree.depth();
  if (variableDistribution(state)) offer.distributedVariable = state.variable->name;
  offer.trialsTable = state.trials && state.trials->count <= MostTabulatedTrials;
  return offer;
}

std::vector<std::string> trialsTableLines(const Worksheet& sheet, bool key) {
  if (!sheet.trialsTable) return {};
  const int decimals = sheet.state.tree.decimalCount;
  const bool comma = sheet.state.view.decimalComma;
  const auto filled = [&](const Exact& value) {
    return key ? tableProbabilityDisplayText(value, decimals, comma) : pathBlank();
  };
  std::vector<std::array<std::string, 3>> rows{{"k", "P(X = k)", "P(X ≤ k)"}};
  for (const TrialsRow& row : sheet.trialsTable->rows)
    rows.push_back({std::to_string(row.k), filled(row.probability), filled(row.cumulative)});
  // Each column as wide as its widest text, so the columns line up in the page's fixed-pitch
  // font.
  std::array<std::size_t, 3> widths{};
  for (const auto& row : rows)
    for (std::size_t c = 0; c < 3; ++c) widths[c] = std::max(widths[c], displayLength(row[c]));
  std::vector<std::string> lines{sheet.trialsHeading};
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < 3; ++c)
      line +=
          row[c] + std::string(c < 2 ? widths[c] - displayLength(row[c]) + TableColumnGap : 0, ' ');
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> distributionTableLines(const Worksheet& sheet, bool key) {
  if (!sheet.distribution) return {};
  const NumberStyle style{sheet.state.tree.showFractions, sheet.state.tree.decimalCount,
                          sheet.state.view.decimalComma};
  const std::string name(1, sheet.variableName);
  const auto filled = [&](const Exact& value) {
    return key ? displayNumber(value, style) : pathBlank();
  };
  // The x column is as wide as its widest value, so the P column lines up in the page's
  // fixed-pitch font.
  std::vector<std::string> xs{"x"};
  for (const DistributionRow& row : sheet.distribution->rows())
    xs.push_back(displayNumber(row.value, style));
  std::size_t width = 0;
  for (const std::string& x : xs) width = std::max(width, displayLength(x));
  const auto padded = [&](const std::string& x) {
    return x + std::string(width - displayLength(x) + TableColumnGap, ' ');
  };
  std::vector<std::string> lines{DistributionHeading + name, padded(xs[0]) + "P(" + name + " = x)"};
  for (std::size_t i = 0; i < sheet.distribution->rows().size(); ++i)
    lines.push_back(padded(xs[i + 1]) + filled(sheet.distribution->rows()[i].probability));
  lines.push_back("E(" + name + ") = " + filled(sheet.distribution->mean()));
  return lines;
}

// The table the page gives the pupils besides the tree, if it gives one.
std::vector<std::string> tableLinesOf(const Worksheet& sheet, bool key) {
  return sheet.blanks == WorksheetBlanks::TrialsTable ? trialsTableLines(sheet, key)
                                                      : distributionTableLines(sheet, key);
}

Worksheet makeWorksheet(const TreeState& state, const WindowState& window, WorksheetBlanks blanks,
                        bool answerKey) {
  Worksheet sheet{state, printedBranchTexts(window), blanks, answerKey, {}};
  // Whatever the screen shows: an event's marks and values, counts of N or a simulation's tallies
  // would give the blanks away.
  sheet.state.event.shown = false;
  sheet.state.event.outcomeMarked.fill(false);
  sheet.state.view.naturalFrequencies = false;
  // The blanks are the tree's: a sheet always has the tree, never the counting tree.
  sheet.state.view.countingTree = false;
  sheet.state.simulation.reset();
  if (answerKey) sheet.results = keyResults(state);
  if (blanks == WorksheetBlanks::VariableDistribution) {
    sheet.distribution = variableDistribution(state);
    if (state.variable) sheet.variableName = state.variable->name;
    // The pupils read the values of X off the outcomes.
    sheet.state.view.variableOnOutcomes = true;
  }
  if (blanks == WorksheetBlanks::TrialsTable && state.trials) {
    sheet.trialsTable = trialsTable(*state.trials);
    sheet.trialsSuccess = state.trials->success;
    sheet.trialsHeading = TrialsTableCaption + std::string(": ") +
                          trialsDescription(*state.trials, state.view.decimalComma);
  }
  return sheet;
}

int worksheetPageCount(const Worksheet& sheet) {
  return sheet.answerKey ? 2 : 1;
}

Tree worksheetPageTree(const Worksheet& sheet, Canvas& canvas, int pageIndex) {
  const int lineHeight = canvas.textHeight("H");
  const int heightBelow = heightOfLines(tableLinesOf(sheet, pageIndex == 1), lineHeight) +
                          heightOfLines(sheet.branchTexts, lineHeight) +
                          heightOfLines(keyLinesOf(sheet, pageIndex), lineHeight);
  Tree spread = sheet.state.tree;
  spreadDown(spread, lineHeight, sheet.state.textLift, canvas.height(), heightBelow);
  return spread;
}

void drawWorksheetPage(const Worksheet& sheet, Canvas& canvas, int pageIndex) {
  const bool key = pageIndex == 1;
  canvas.setFont(PageFont);
  canvas.textOut(PageTextX, PageTitleY, key ? KeyTitle : WorksheetTitle);
  canvas.textOut(PageTextX, PageHeadingY, sheet.state.printout.heading);
  if (!key) canvas.textOut(PageTextX, InstructionY, w1252(instructionOf(sheet)));

  const int lineHeight = canvas.textHeight("H");
  // Trials too many to draw have no tree: their table stands under the instruction.
  int top = InstructionY + 2 * lineHeight;
  if (sheet.state.tree.depth() > 0) {
    TreeState spread = sheet.state;
    spread.tree = worksheetPageTree(sheet, canvas, pageIndex);
    WidenedCanvas widened(canvas, widening(spread.tree, canvas));
    drawTree(spread, widened, 0, drawingOptions(sheet, key));
    top = treeBottom(spread.tree, lineHeight) + SectionGap;
  }
  if (const auto table = tableLinesOf(sheet, key); !table.empty()) {
    const DisplayTexts display(canvas);
    top = writeLines(canvas, table, top, lineHeight) + SectionGap;
  }
  if (!sheet.branchTexts.empty())
    top = writeLines(canvas, sheet.branchTexts, top, lineHeight) + SectionGap;
  std::vector<TextEncoding> encodings;
  if (const auto results = keyLinesOf(sheet, pageIndex, &encodings); !results.empty())
    writeLines(canvas, results, top, lineHeight, encodings);
}

void printWorksheet(Context& context) {
  const std::optional<WorksheetRequest> request =
      context.host.showWorksheetDialog(worksheetOffer(context.state));
  if (!request) return;
  const Worksheet sheet =
      makeWorksheet(context.state, context.window, request->blanks, request->answerKey);
  const int pages = worksheetPageCount(sheet);
  const PageDrawing draw = [&sheet](Canvas& canvas, int page) {
    drawWorksheetPage(sheet, canvas, page);
  };
  switch (request->action) {
    case WorksheetAction::Print:
      context.host.outputPages(PageOutput::Print, pages, draw);
      break;
    case WorksheetAction::Preview:
      context.host.outputPages(PageOutput::Preview, pages, draw);
      break;
    case WorksheetAction::SavePdf:
      savePagesAsPdf(context, pages, draw);
      break;
  }
}

}  // namespace kvistra
