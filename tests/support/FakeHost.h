// A host that answers dialogs from a script and draws on a recording canvas.
#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "host/Host.h"
#include "support/RecordingCanvas.h"

namespace kvistra::testing {

// Thrown when a dialog opens that the script has no answer for. Its own type, so that a caller
// that expects a script to run out cannot mistake a fault of the program for it.
class ScriptExhausted : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FakeHost : public Host {
 public:
  RecordingCanvas canvas;
  int repaints = 0;

  std::deque<PromptReply> promptReplies;
  std::deque<bool> yesNoReplies;
  // Texts typed in the probability dialog; std::nullopt presses "Fortryd".
  std::deque<std::optional<std::string>> probabilityReplies;
  int probabilityDialogs = 0;
  std::vector<std::string> questionsAsked;
  std::vector<std::string> messages;  // "caption|text"
  // Paths chosen in the open and save dialogs, in order; std::nullopt cancels.
  std::deque<std::optional<std::string>> fileChoices;
  // The names dialog's fields as applied; std::nullopt closes it without applying. The rows it
  // was shown go to namesDialogRows.
  std::deque<std::optional<BranchNameFields>> branchNameReplies;
  std::vector<LabelRows> namesDialogRows;

  // How each approve box is closed; with copyInApproveBox its copy button is pressed first.
  std::deque<ApproveChoice> approveReplies;
  bool copyInApproveBox = false;
  std::vector<std::string> approveLines;  // "width|line" of each box shown
  bool printOffered = false;
  std::vector<std::string> resultLinesShown;
  PictureSize drawingArea{1000, 700};
  std::optional<RecordingCanvas> copiedPicture;
  // The last page printed; the print dialog is always answered "Udskriv".
  RecordingCanvas page{true, 800, 1131};

  void drawOnScreen(const std::function<void(Canvas&)>& draw) override { draw(canvas); }
  void repaintDrawing() override { ++repaints; }
  PromptReply showPrompt(const std::string& question, ToolMode toolMode) override;
  bool showYesNo(const std::string& line1, const std::string& line2, YesNoWidth width) override;
  // The branch each probability dialog named.
  std::vector<std::string> probabilityLabels;
  ProbabilityReply showProbabilityDialog(const std::string& branchLabel) override;
  void showMessage(const std::string& text, const std::string& caption) override {
    messages.push_back(caption + "|" + text);
  }
  ApproveChoice showApproveBox(const std::string& resultLine, int width,
                               const ApproveBoxActions& actions) override;
  void showResultLine(const std::string& line) override { resultLinesShown.push_back(line); }
  PictureSize drawingSize() override { return drawingArea; }
  void copyPicture(int width, int height, const std::function<void(Canvas&)>& draw) override {
    copiedPicture.emplace(false, width, height);
    draw(*copiedPicture);
    copiedCropped = false;
  }
  // Whether the last picture was cut to what is drawn rather than given a size.
  bool copiedCropped = false;
  void copyCroppedPicture(const std::function<void(Canvas&)>& draw) override {
    copyPicture(drawingArea.width, drawingArea.height, draw);
    copiedCropped = true;
  }
  std::optional<std::string> renderPicture(PictureFormat, int,
                                           const std::function<void(Canvas&)>&) override {
    return std::nullopt;
  }
  std::optional<std::string> chooseFileToOpen(const std::string& title,
                                              const std::string& presetName) override;
  std::optional<std::string> chooseFileToSave(const std::string& title,
                                              const std::string& presetName,
                                              bool treeFileFits) override;
  std::optional<BranchNameFields> showBranchNamesDialog(const LabelRows& labels) override;

  std::vector<RecordingCanvas> pages;  // last printed, shown or made a PDF; page is the first
  bool outputPages(PageOutput, int pageCount, const PageDrawing& draw) override;
  bool failPdf = false;  // else the PDF's bytes are "%PDF" and the page count
  std::string pagesAsPdf(int pageCount, const PageDrawing& draw) override;
  std::deque<std::optional<WorksheetRequest>> worksheetReplies;  // std::nullopt cancels
  std::optional<WorksheetRequest> showWorksheetDialog(const WorksheetOffer&) override;
  std::optional<SaveAsChoice> chooseFileToSaveAs(const std::string&, const std::string&,
                                                 const std::vector<SaveFileType>&) override {
    const std::optional<std::string> path = chooseFile();
    if (!path) return std::nullopt;
    return SaveAsChoice{*path, 0};
  }
  // The print heading dialog; unscripted, it is closed by its close box.
  std::deque<PrintHeadingReply> printHeadingReplies;
  PrintHeadingReply showPrintHeadingDialog() override { return nextOr(printHeadingReplies, {}); }
  void copyText(const std::vector<std::string>&, const Font&) override {}
  // The question before unsaved work is lost; unscripted, it is answered "Gem ikke".
  std::deque<SaveChangesChoice> saveChangesReplies;
  int saveChangesQuestions = 0;
  SaveChangesChoice askToSaveChanges() override {
    ++saveChangesQuestions;
    return nextOr(saveChangesReplies, SaveChangesChoice::Discard);
  }
  // The question before a file is replaced; unscripted, it is "Ja".
  std::deque<bool> replaceFileReplies;
  bool askToReplaceFile(const std::string&, bool) override {
    return nextOr(replaceFileReplies, true);
  }
  // The first branching of a reversed tree of three; unscripted, the choice is cancelled.
  std::deque<std::optional<int>> firstBranchingReplies;
  std::optional<int> chooseFirstBranching(const std::vector<std::string>&) override {
    return nextOr(firstBranchingReplies, {});
  }
  // The simulation dialog's fields; unscripted, it is cancelled.
  std::deque<std::optional<SimulationChoice>> simulationReplies;
  std::optional<SimulationChoice> chooseSimulation(const SimulationChoice&) override {
    return nextOr(simulationReplies, {});
  }
  // The counts asked for; unscripted, the question is cancelled.
  std::deque<std::optional<int>> countReplies;
  std::vector<std::string> countLabels;
  std::optional<int> askCount(const CountQuestion& question) override {
    countLabels.push_back(question.label);
    return nextOr(countReplies, {});
  }
  // The trials dialog's answers; unscripted, it is cancelled.
  std::deque<std::optional<RepeatedTrials>> trialsReplies;
  std::optional<RepeatedTrials> askRepeatedTrials(const RepeatedTrials&) override {
    return nextOr(trialsReplies, {});
  }
  // The random variable's dialog and the question before it is left out of a tree file;
  // unscripted, both are answered "Fortryd".
  std::deque<VariableReply> variableReplies;
  VariableReply showVariableDialog(const VariableForm&) override {
    return nextOr(variableReplies, {});
  }
  std::deque<TreeFileVariableChoice> saveAsDocumentReplies;
  TreeFileVariableChoice askToSaveAsDocument(const std::string&) override {
    return nextOr(saveAsDocumentReplies, TreeFileVariableChoice::Cancel);
  }

 private:
  std::optional<std::string> chooseFile();
  // The next scripted reply, or the one every test that scripts none has been given.
  template <class Reply>
  static Reply nextOr(std::deque<Reply>& replies, Reply unscripted) {
    if (replies.empty()) return unscripted;
    Reply reply = std::move(replies.front());
    replies.pop_front();
    return reply;
  }
};

}  // namespace kvistra::testing
