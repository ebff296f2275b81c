// What the program asks of the desktop. The core calls these where a command needs a dialog or
// the drawing surface; the Qt layer implements them and tests script them.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/Canvas.h"
#include "tree/TreeState.h"

namespace kvistra {

enum class PromptClose { Ok, Cancel, CloseBox };

// What the one-line prompt returned: the field's text and how the dialog was closed.
struct PromptReply {
  std::string text;
  PromptClose closedBy = PromptClose::Cancel;
};

// What the probability dialog returned: the field's text, or that "Fortryd" was pressed.
struct ProbabilityReply {
  std::string text;
  bool cancelled = false;
};

// The yes/no box's width in pixels; without one, the box keeps the width its last caller gave.
using YesNoWidth = std::optional<int>;
inline constexpr YesNoWidth KeepWidth = std::nullopt;

// How the approve box was closed: "Godkend og luk", or "Fortryd denne hændelse" (its close box
// counts as that too).
enum class ApproveChoice { Approve, Drop };

// What the approve box's other buttons do while it stays open, and how the value comes about,
// shown below them. An empty action leaves its button disabled.
struct ApproveBoxActions {
  std::function<void()> copyTree;
  std::function<void()> exportPicture;
  std::function<void()> print;
  std::vector<std::string> working;
  TextEncoding workingEncoding = TextEncoding::Windows1252;
  std::function<void()> copyWorking;
};

// What the printout's heading dialog returned: the field's text when it closed, the text it
// showed when it opened, and how it was closed.
struct PrintHeadingReply {
  std::string text;
  std::string savedText;
  PromptClose closedBy = PromptClose::CloseBox;
};

// The answer to "Vil du gemme ændringerne i træet?": "Gem", "Gem ikke" or "Fortryd".
enum class SaveChangesChoice { Save, Discard, Cancel };

struct PictureSize {
  int width = 0;
  int height = 0;
};
// One row of the names dialog as it was left: the name field and the text field.
struct BranchNameField {
  std::string name;
  std::string text;
};
// Rows 1 to 36 of the names dialog, at 0 to 35.
using BranchNameFields = std::array<BranchNameField, MaxLabelRows>;

// The kinds of file a picture of the tree is saved as.
enum class PictureFormat { Png, Svg, Pdf };

// Draws page pageIndex (from 0) of a printout on a printer's canvas, in page units.
using PageDrawing = std::function<void(Canvas& canvas, int pageIndex)>;
// What is done with the pages: printed after the print dialog, or shown first ("Vis udskrift").
enum class PageOutput { Print, Preview };

// What a worksheet leaves blank for the pupils: the values of every branching from the first, the
// second, the third ... on, or only the outcomes' path probabilities.
enum class WorksheetBlanks {
  AllBranches,
  LaterBranchings,  // from the second branching on
  ThirdBranching,
  FourthBranching,
  FifthBranching,
  SixthBranching,
  PathProbabilities,
  // The table of the random variable's distribution and its mean, beside the finished tree.
  VariableDistribution,
  // The table of the repeated trials' number of successes, k | P(X = k) | P(X ≤ k).
  TrialsTable
};
// What a worksheet can be made of: the tree's branchings (0 without a tree), the random variable
// whose distribution can be tabulated, and whether the trials can.
struct WorksheetOffer {
  int branchings = 0;
  std::optional<char> distributedVariable;
  bool trialsTable = false;
};
enum class WorksheetAction { Print, Preview, SavePdf };
// The worksheet dialog's choices, and the button it was closed with.
struct WorksheetRequest {
  WorksheetBlanks blanks = WorksheetBlanks::AllBranches;
  bool answerKey = true;
  WorksheetAction action = WorksheetAction::Print;
};

// A kind of file the save dialog offers besides trees: its filter as the dialog lists it, and
// the extension a name typed without one is given.
struct SaveFileType {
  std::string filter;
  std::string extension;
};
// A file as the save dialog left it: the path, with the chosen type's extension when none was
// typed, and which of the offered types was chosen.
struct SaveAsChoice {
  std::string path;
  std::size_t typeIndex = 0;
};

// The simulation dialog's fields as typed: the number of trials and the seed.
struct SimulationChoice {
  std::string trials;
  std::string seed;
};

// A whole number from least to most, asked with a spin box; nothing when cancelled.
struct CountQuestion {
  std::string title;
  std::string label;
  int least = 1;
  int most = 6;
  int preset = 1;
};

// One row of the random variable's dialog for a name on the tree: the name as the branches
// hold it, whether it is counted, and the value each of its branches adds to a sum, as typed.
struct VariableNameRow {
  std::string name;
  bool counted = false;
  std::string value;
  friend bool operator==(const VariableNameRow&, const VariableNameRow&) = default;
};
// One row for an outcome: its number, the names along its path ("K1 K2 K3") and its value.
struct VariableOutcomeRow {
  int outcome = 0;
  std::string path;
  std::string value;
  friend bool operator==(const VariableOutcomeRow&, const VariableOutcomeRow&) = default;
};
// "Stokastisk variabel…" as plain data (Windows-1252): the kind chosen, the name as typed, a
// row for each distinct name on the tree and one for each outcome, and whether a variable is
// defined now, which "Fjern variablen" needs.
struct VariableForm {
  VariableKind kind = VariableKind::CountOfNames;
  std::string name = "X";
  std::vector<VariableNameRow> names;
  std::vector<VariableOutcomeRow> outcomes;
  bool defined = false;
  friend bool operator==(const VariableForm&, const VariableForm&) = default;
};
// How the dialog was closed: "OK", "Fjern variablen" or "Fortryd" (or its close box).
enum class VariableChoice { Define, Remove, Cancel };
struct VariableReply {
  VariableChoice choice = VariableChoice::Cancel;
  VariableForm form;
};

// The answer to saving a tree with its random variable as a tree file: "&Ja" saves a document
// instead, "&Nej" the tree file without the variable, "&Fortryd" nothing.
enum class TreeFileVariableChoice { SaveDocument, SaveWithoutVariable, Cancel };

class Host {
 public:
  virtual ~Host() = default;

  // Lends the canvas behind the drawing area for the length of one call; what is drawn on it
  // shows at the next paint. The canvas cannot be kept: a dialog or a resize may replace it.
  virtual void drawOnScreen(const std::function<void(Canvas&)>& draw) = 0;
  // Ask for the drawing area to be painted again (it then calls paintTree).
  virtual void repaintDrawing() = 0;
  // While a tool is active the prompt asks for a name, and cuts its answer to one.
  virtual PromptReply showPrompt(const std::string& question, ToolMode toolMode) = 0;
  // The yes/no box. True for "Ja".
  virtual bool showYesNo(const std::string& line1, const std::string& line2, YesNoWidth width) = 0;
  // The probability dialog for the branch named by branchLabel ("B2 efter A1"); its field keeps
  // the text of the previous entry.
  virtual ProbabilityReply showProbabilityDialog(const std::string& branchLabel) = 0;
  virtual void showMessage(const std::string& text, const std::string& caption) = 0;
  // The approve box with its result line, width pixels wide.
  virtual ApproveChoice showApproveBox(const std::string& resultLine, int width,
                                       const ApproveBoxActions& actions) = 0;
  // The line viewer, showing one line of the results list.
  virtual void showResultLine(const std::string& line) = 0;
  // The drawing area's size: the size of a picture of the drawing.
  virtual PictureSize drawingSize() = 0;
  // Puts a picture of the given size, white and then drawn on, on the clipboard.
  virtual void copyPicture(int width, int height, const std::function<void(Canvas&)>& draw) = 0;
  // Puts what draw draws on the clipboard, cut to its ink and a margin.
  virtual void copyCroppedPicture(const std::function<void(Canvas&)>& draw) = 0;
  // The file's bytes of what draw draws, cut to its ink and a margin, scale times the drawing's
  // size (a PNG's pixels); nothing when it could not be made.
  virtual std::optional<std::string> renderPicture(PictureFormat format, int scale,
                                                   const std::function<void(Canvas&)>& draw) = 0;
  // The open and save dialogs, with their title and the name or path they start with. Both the
  // preset and the chosen path are in the file system's own bytes (UTF-8); nothing when the
  // dialog was cancelled.
  virtual std::optional<std::string> chooseFileToOpen(const std::string& title,
                                                      const std::string& presetName) = 0;
  // The save dialog offers tree files first, and as the default, when treeFileFits; documents
  // after them, or alone when the tree does not fit a tree file.
  virtual std::optional<std::string> chooseFileToSave(const std::string& title,
                                                      const std::string& presetName,
                                                      bool treeFileFits) = 0;
  // The names dialog on the rows in use (labels.count of them); its fields as applied, or
  // nothing when it was closed without applying.
  virtual std::optional<BranchNameFields> showBranchNamesDialog(const LabelRows& labels) = 0;
  // Pages 1 to pageCount. Print: the print dialog offering them, then the pages chosen; false
  // when the dialog was cancelled. Preview ("Vis udskrift"): they are shown, and can be printed
  // from there. draw gets each page's canvas in a space of PageWidth units across
  // (output/PageLayout.h), mapped isotropically onto the printable area from its top left
  // corner and shrunk, when need be, until all that is drawn fits the paper, turned either way.
  virtual bool outputPages(PageOutput output, int pageCount, const PageDrawing& draw) = 0;
  // The same pages as the bytes of a PDF document, on the printer's paper; empty on failure.
  virtual std::string pagesAsPdf(int pageCount, const PageDrawing& draw) = 0;
  // One page printed, or shown first.
  bool printPage(const std::function<void(Canvas&)>& draw) {
    return outputPages(PageOutput::Print, 1, [&](Canvas& canvas, int) { draw(canvas); });
  }
  void previewPage(const std::function<void(Canvas&)>& draw) {
    outputPages(PageOutput::Preview, 1, [&](Canvas& canvas, int) { draw(canvas); });
  }
  // The worksheet dialog with the choices the offer makes; nothing when it was cancelled. It
  // keeps its choices from one opening to the next.
  virtual std::optional<WorksheetRequest> showWorksheetDialog(const WorksheetOffer& offer) = 0;
  // The save dialog for a file of one of the given types; as chooseFileToSave.
  virtual std::optional<SaveAsChoice> chooseFileToSaveAs(
      const std::string& title, const std::string& presetName,
      const std::vector<SaveFileType>& types) = 0;
  // The dialog for the printout's heading; its field keeps what was typed from one opening to
  // the next.
  virtual PrintHeadingReply showPrintHeadingDialog() = 0;
  // The lines put on the clipboard as plain text, each ended by a line break, and as rich text
  // in the given font, so a word processor keeps the columns.
  virtual void copyText(const std::vector<std::string>& lines, const Font& font) = 0;
  // Asked before the tree is replaced or the program ends while it holds unsaved changes.
  virtual SaveChangesChoice askToSaveChanges() = 0;
  // Asked after the save dialog when the file chosen is there already; true for "Ja". Which
  // answer Enter gives depends on whose file it is.
  virtual bool askToReplaceFile(const std::string& question, bool yesByDefault) = 0;
  // "Vend træet" on a tree of three branchings: the branching to go first, 2 or 3; names holds
  // the names of branchings 1 to 3 ("A2, B2, C2"). Nothing when the dialog was cancelled.
  virtual std::optional<int> chooseFirstBranching(const std::vector<std::string>& names) = 0;
  // "Simulér…": the dialog opened on preset's texts; its fields as closed with "Simulér", or
  // nothing when it was cancelled.
  virtual std::optional<SimulationChoice> chooseSimulation(const SimulationChoice& preset) = 0;
  // A whole number from least to most, asked with a spin box; nothing when cancelled.
  // The dialog's caption and the spin box's label are Windows-1252.
  virtual std::optional<int> askCount(const CountQuestion& question) = 0;
  // "Gentagne forsøg…": the dialog opened on preset; the trials as closed with "OK", which the
  // dialog lets by only when they can be made, or nothing when it was cancelled.
  virtual std::optional<RepeatedTrials> askRepeatedTrials(const RepeatedTrials& preset) = 0;
  // "Stokastisk variabel…" opened on form; it stays open until its fields pass
  // variableFormFault (variable/VariableDefinition.h) or it is closed another way.
  virtual VariableReply showVariableDialog(const VariableForm& form) = 0;
  // Asked when a tree with a random variable is to be saved as a tree file, which cannot hold
  // it; the question is Windows-1252.
  virtual TreeFileVariableChoice askToSaveAsDocument(const std::string& question) = 0;
};

}  // namespace kvistra
