#include "worksheets/Worksheet.h"

#include <algorithm>
#include <optional>

#include "drawing/TreeDrawing.h"
#include "files/FileAccess.h"
#include "output/PageLayout.h"
#include "output/Printing.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

// Above the tree, under the heading: what the pupils are to do.
constexpr int InstructionY = 90;
// Space between the tree, the explanation and the results.
constexpr int SectionGap = 20;
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

// Each choice of blanks: the first branching whose values are blank, what the leaves write, and
// what the pupils are told to do (UTF-8).
struct BlanksLayout {
  WorksheetBlanks blanks;
  int firstBlankLevel;
  LeafValues leaves;
  const char* instruction;
};
constexpr BlanksLayout BlanksLayouts[] = {
    {WorksheetBlanks::AllBranches, 1, LeafValues::ShownEvent,
     "Skriv sandsynlighederne på grenene."},
    {WorksheetBlanks::LaterBranchings, 2, LeafValues::ShownEvent,
     "Skriv de manglende sandsynligheder på grenene."},
    {WorksheetBlanks::PathProbabilities, MaxBranchings + 1, LeafValues::Blank,
     "Skriv sandsynligheden for hvert udfald ud for dets nummer."},
};

const BlanksLayout& layoutOf(WorksheetBlanks blanks) {
  return *std::find_if(std::begin(BlanksLayouts), std::end(BlanksLayouts),
                       [blanks](const BlanksLayout& layout) { return layout.blanks == blanks; });
}

TreeDrawingOptions drawingOptions(const Worksheet& sheet, bool key) {
  TreeDrawingOptions options;
  options.printerNotes = false;  // the results column would give the answers away
  if (key) {
    options.leafValues = LeafValues::All;
    return options;
  }
  const BlanksLayout& layout = layoutOf(sheet.blanks);
  options.leafValues = layout.leaves;
  for (int level = layout.firstBlankLevel; level <= MaxBranchings; ++level)
    options.blankLevels[level] = true;
  return options;
}

// The tree stands in the middle of the page, measured to the end of its widest leaf label.
int treeOffsetX(const Tree& tree, Canvas& canvas) {
  const int right = branchLeft(tree.branchingCount) + LevelPitch + LeafLabelGap +
                    canvas.textWidth("27 " + pathBlank());
  return largerOf(PageTextX, (PageWidth - right) / 2);
}

int treeBottom(const Tree& tree, int lineHeight) {
  int bottom = PrinterOffsetY + RootY;
  const int deepest = std::clamp(tree.branchingCount, 0, MaxBranchings);
  for (int k = 1; k <= std::clamp(tree.levelNodeCount, 0, MaxNodesPerLevel); ++k)
    bottom = std::max(bottom, PrinterOffsetY + tree.branch(deepest, k).y);
  return bottom + lineHeight;
}

// Writes the lines from top down; past OneColumnLines they are shared between two columns.
// Returns the y below them.
int writeLines(Canvas& canvas, const std::vector<std::string>& lines, int top, int lineHeight) {
  const int count = static_cast<int>(lines.size());
  const int rows = count > OneColumnLines ? (count + 1) / 2 : count;
  for (int i = 0; i < count; ++i)
    canvas.textOut(PageTextX + (i / rows) * PageWorkingColumnPitch, top + (i % rows) * lineHeight,
                   lines[i]);
  return top + rows * lineHeight;
}

std::vector<std::string> keyLines(const std::vector<KeyResult>& results) {
  std::vector<std::string> lines{ResultsTitle};
  for (const KeyResult& result : results) {
    lines.push_back(result.line);
    for (const std::string& line : result.working)
      lines.push_back(std::string(WorkingIndent, ' ') + line);
  }
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
    results.push_back({keyLine(row, state.view.decimalComma), row.working});
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

}  // namespace

Worksheet makeWorksheet(const TreeState& state, const WindowState& window, WorksheetBlanks blanks,
                        bool answerKey) {
  Worksheet sheet{state, printedBranchTexts(window), blanks, answerKey, {}};
  sheet.state.event.shown = false;
  sheet.state.tree.outcomeMarked.fill(false);
  if (answerKey) sheet.results = keyResults(state);
  return sheet;
}

int worksheetPageCount(const Worksheet& sheet) {
  return sheet.answerKey ? 2 : 1;
}

void drawWorksheetPage(const Worksheet& sheet, Canvas& canvas, int pageIndex) {
  const bool key = pageIndex == 1;
  canvas.setFont(PageFont);
  canvas.textOut(PageTextX, PageTitleY, key ? KeyTitle : WorksheetTitle);
  canvas.textOut(PageTextX, PageHeadingY, sheet.state.printout.heading);
  if (!key) canvas.textOut(PageTextX, InstructionY, w1252(layoutOf(sheet.blanks).instruction));
  drawTree(sheet.state, canvas, treeOffsetX(sheet.state.tree, canvas), drawingOptions(sheet, key));

  const int lineHeight = canvas.textHeight("H");
  int top = treeBottom(sheet.state.tree, lineHeight) + SectionGap;
  if (!sheet.branchTexts.empty())
    top = writeLines(canvas, sheet.branchTexts, top, lineHeight) + SectionGap;
  if (key && !sheet.results.empty()) writeLines(canvas, keyLines(sheet.results), top, lineHeight);
}

void printWorksheet(Context& context) {
  const std::optional<WorksheetRequest> request =
      context.host.showWorksheetDialog(context.state.tree.branchingCount);
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
