#include "support/FakeHost.h"

#include <stdexcept>

namespace kvistra::testing {

PromptReply FakeHost::showPrompt(const std::string& question, ToolMode) {
  questionsAsked.push_back(question);
  if (promptReplies.empty()) throw std::logic_error("prompt asked without a scripted reply");
  PromptReply reply = promptReplies.front();
  promptReplies.pop_front();
  return reply;
}

bool FakeHost::showYesNo(const std::string& line1, const std::string&, YesNoWidth) {
  questionsAsked.push_back(line1);
  if (yesNoReplies.empty()) throw std::logic_error("yes/no asked without a scripted reply");
  const bool yes = yesNoReplies.front();
  yesNoReplies.pop_front();
  return yes;
}

ProbabilityReply FakeHost::showProbabilityDialog() {
  ++probabilityDialogs;
  if (probabilityReplies.empty()) throw std::logic_error("probability asked without a reply");
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
  if (approveReplies.empty()) throw std::logic_error("approve box shown without a reply");
  const ApproveChoice choice = approveReplies.front();
  approveReplies.pop_front();
  return choice;
}

}  // namespace kvistra::testing
