#include "tree/Dialogs.h"

namespace kvistra {

bool isPromptChar(char c) {
  return ExpressionChars.contains(c) || NumberChars.contains(c);
}

std::string cutPromptAnswer(const std::string& answer, int toolMode) {
  if (toolMode == 0 || answer.size() <= 1) return answer;
  const bool digitSecond = answer[1] >= '0' && answer[1] <= '9';
  return answer.substr(0, digitSecond ? 2 : 1);
}

void applyPromptReply(TreeState& state, const PromptReply& reply) {
  switch (reply.closedBy) {
    case PromptClose::Ok:
      state.promptText = cutPromptAnswer(reply.text, state.toolMode);
      state.cancelled = false;
      break;
    case PromptClose::Cancel:
      state.promptText.clear();
      break;
    case PromptClose::CloseBox:
      state.promptText = reply.text;
      break;
  }
  if (state.promptText.empty()) state.cancelled = true;
}

void askPrompt(Context& context, const std::string& question) {
  context.state.promptText.clear();
  applyPromptReply(context.state, context.host.showPrompt(question, context.state.toolMode));
}

void askYesNo(Context& context, const std::string& line1, const std::string& line2, int width) {
  context.state.answerYes = context.host.showYesNo(line1, line2, width);
  context.state.eventShown = false;
}

}  // namespace kvistra
