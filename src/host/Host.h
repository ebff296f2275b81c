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
  std::function<void()> print;
  std::vector<std::string> working;
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
// Rows 1 to 10 of the names dialog, at 0 to 9.
using BranchNameFields = std::array<BranchNameField, MaxLabelRows>;

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
  // The open and save dialogs, with their title and the name or path they start with. Both the
  // preset and the chosen path are in the file system's own bytes (UTF-8); nothing when the
  // dialog was cancelled.
  virtual std::optional<std::string> chooseFileToOpen(const std::string& title,
                                                      const std::string& presetName) = 0;
  virtual std::optional<std::string> chooseFileToSave(const std::string& title,
                                                      const std::string& presetName) = 0;
  // The names dialog on the rows in use (labels.count of them); its fields as applied, or
  // nothing when it was closed without applying.
  virtual std::optional<BranchNameFields> showBranchNamesDialog(const LabelRows& labels) = 0;
  // The print dialog, offering pages 1 to 1, then one printed page: draw gets the printer's
  // canvas in a space of PageWidth x PageHeight units (output/PageLayout.h) mapped isotropically
  // onto the printable area from its top left corner. False when the dialog was cancelled.
  virtual bool printPage(const std::function<void(Canvas&)>& draw) = 0;
  // "Vis udskrift": the same page shown before it is printed; it can be printed from there.
  virtual void previewPage(const std::function<void(Canvas&)>& draw) = 0;
  // The dialog for the printout's heading; its field keeps what was typed from one opening to
  // the next.
  virtual PrintHeadingReply showPrintHeadingDialog() = 0;
  // The lines put on the clipboard as plain text, each ended by a line break, and as rich text
  // in the given font, so a word processor keeps the columns.
  virtual void copyText(const std::vector<std::string>& lines, const Font& font) = 0;
  // Asked before the tree is replaced or the program ends while it holds unsaved changes.
  virtual SaveChangesChoice askToSaveChanges() = 0;
  // "Vend træet" on a tree of three branchings: the branching to go first, 2 or 3; names holds
  // the names of branchings 1 to 3 ("A2, B2, C2"). Nothing when the dialog was cancelled.
  virtual std::optional<int> chooseFirstBranching(const std::vector<std::string>& names) = 0;
};

}  // namespace kvistra
