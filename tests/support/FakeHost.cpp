#include "support/FakeHost.h"

namespace kvistra::testing {

PromptReply FakeHost::showPrompt(const std::string& question, ToolMode) {
  questionsAsked.push_back(question);
  if (promptReplies.empty()) throw ScriptExhausted("prompt asked without a scripted reply");
  PromptReply reply = promptReplies.front();
  promptReplies.pop_front();
  return reply;
}

bool FakeHost::showYesNo(const std::string& line1, const std::string&, YesNoWidth) {
  questionsAsked.push_back(line1);
  if (yesNoReplies.empty()) throw ScriptExhausted("yes/no asked without a scripted reply");
  const bool yes = yesNoReplies.front();
  yesNoReplies.pop_front();
  return yes;
}

ProbabilityReply FakeHost::showProbabilityDialog(const std::string& branchLabel) {
  ++probabilityDialogs;
  probabilityLabels.push_back(branchLabel);
  if (probabilityReplies.empty()) throw ScriptExhausted("probability asked without a reply");
  const std::optional<std::string> typed = probabilityReplies.front();
  probabilityReplies.pop_front();
  if (!typed) return {"", true};
  return {*typed, false};
}

ApproveChoice FakeHost::showApproveBox(const std::string& resultLine, int width,
                                       const ApproveBoxActions& actions) {
  approveLines.push_back(std::to_string(width) + "|" + resultLine);
  printOffered = static_cast<bool>(actions.print);
  if (copyInApproveBox && actions.copyTree) actions.copyTree();
  if (approveReplies.empty()) throw ScriptExhausted("approve box shown without a reply");
  const ApproveChoice choice = approveReplies.front();
  approveReplies.pop_front();
  return choice;
}

std::optional<std::string> FakeHost::chooseFile() {
  if (fileChoices.empty()) throw ScriptExhausted("file dialog without a scripted choice");
  std::optional<std::string> path = fileChoices.front();
  fileChoices.pop_front();
  return path;
}

std::optional<std::string> FakeHost::chooseFileToOpen(const std::string&, const std::string&) {
  return chooseFile();
}

std::optional<std::string> FakeHost::chooseFileToSave(const std::string&, const std::string&,
                                                      bool) {
  return chooseFile();
}

std::optional<BranchNameFields> FakeHost::showBranchNamesDialog(const LabelRows& labels) {
  namesDialogRows.push_back(labels);
  if (branchNameReplies.empty()) throw ScriptExhausted("names dialog without a scripted reply");
  std::optional<BranchNameFields> fields = branchNameReplies.front();
  branchNameReplies.pop_front();
  return fields;
}

bool FakeHost::outputPages(PageOutput, int pageCount, const PageDrawing& draw) {
  pages.assign(static_cast<std::size_t>(pageCount), RecordingCanvas{true, 800, 1131});
  for (int i = 0; i < pageCount; ++i) draw(pages[static_cast<std::size_t>(i)], i);
  page = pages.front();
  return true;
}

std::string FakeHost::pagesAsPdf(int pageCount, const PageDrawing& draw) {
  outputPages(PageOutput::Print, pageCount, draw);
  return failPdf ? "" : "%PDF " + std::to_string(pageCount);
}

std::optional<WorksheetRequest> FakeHost::showWorksheetDialog(const WorksheetOffer&) {
  if (worksheetReplies.empty()) throw ScriptExhausted("worksheet dialog without a scripted reply");
  const std::optional<WorksheetRequest> reply = worksheetReplies.front();
  worksheetReplies.pop_front();
  return reply;
}

}  // namespace kvistra::testing
