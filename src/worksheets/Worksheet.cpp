#include "worksheets/Worksheet.h"

#include <algorithm>
#include <cmath>
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
    {WorksheetBlanks::ThirdBranching, 3, LeafValues::ShownEvent,
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
  const int leaves = std::max(1, tree.outcomeSlots());
  const int firstY = tree.branch(deepest, 1).y;
  const int lastY = tree.branch(deepest, leaves).y;
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

// Writes the lines from top down; past OneColumnLines they are shared between two columns.
// Returns the y below them.
int writeLines(Canvas& canvas, const std::vector<std::string>& lines, int top, int lineHeight) {
  const int rows = rowsOf(lines);
  for (int i = 0; i < static_cast<int>(lines.size()); ++i)
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

// What the page writes under the tree besides the explanation: on the key, its results.
std::vector<std::string> keyLinesOf(const Worksheet& sheet, int pageIndex) {
  return pageIndex == 1 && !sheet.results.empty() ? keyLines(sheet.results)
                                                  : std::vector<std::string>{};
}

}  // namespace

Worksheet makeWorksheet(const TreeState& state, const WindowState& window, WorksheetBlanks blanks,
                        bool answerKey) {
  Worksheet sheet{state, printedBranchTexts(window), blanks, answerKey, {}};
  // Whatever the screen shows: an event's marks and values, counts of N or a simulation's tallies
  // would give the blanks away.
  sheet.state.event.shown = false;
  sheet.state.event.outcomeMarked.fill(false);
  sheet.state.view.naturalFrequencies = false;
  sheet.state.simulation.reset();
  if (answerKey) sheet.results = keyResults(state);
  return sheet;
}

int worksheetPageCount(const Worksheet& sheet) {
  return sheet.answerKey ? 2 : 1;
}

Tree worksheetPageTree(const Worksheet& sheet, Canvas& canvas, int pageIndex) {
  const int lineHeight = canvas.textHeight("H");
  const int heightBelow = heightOfLines(sheet.branchTexts, lineHeight) +
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
  if (!key) canvas.textOut(PageTextX, InstructionY, w1252(layoutOf(sheet.blanks).instruction));

  TreeState spread = sheet.state;
  spread.tree = worksheetPageTree(sheet, canvas, pageIndex);
  WidenedCanvas widened(canvas, widening(spread.tree, canvas));
  drawTree(spread, widened, 0, drawingOptions(sheet, key));

  const int lineHeight = canvas.textHeight("H");
  int top = treeBottom(spread.tree, lineHeight) + SectionGap;
  if (!sheet.branchTexts.empty())
    top = writeLines(canvas, sheet.branchTexts, top, lineHeight) + SectionGap;
  if (const auto results = keyLinesOf(sheet, pageIndex); !results.empty())
    writeLines(canvas, results, top, lineHeight);
}

void printWorksheet(Context& context) {
  const std::optional<WorksheetRequest> request =
      context.host.showWorksheetDialog(context.state.tree.depth());
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
