#include "host/Questions.h"

#include "text/CharSet.h"
#include "text/Windows1252.h"

namespace kvistra {

bool isPromptChar(char c) {
  return ExpressionChars.contains(c) || NumberChars.contains(c);
}

std::string refusedCharHint(char c) {
  if (c == '+') return w1252("Skriv »eller« med komma: R1,R2");
  if (c == ' ') return "Mellemrum bruges ikke her";
  return w1252("Tegnet »") + c + w1252("« bruges ikke her");
}

std::string cutPromptAnswer(const std::string& answer, ToolMode toolMode) {
  if (toolMode == ToolMode::None || answer.size() <= 1) return answer;
  const bool digitSecond = answer[1] >= '0' && answer[1] <= '9';
  return answer.substr(0, digitSecond ? 2 : 1);
}

std::optional<std::string> promptAnswer(const PromptReply& reply, ToolMode toolMode) {
  // The close box is a cancel: an uncut answer would let a whole word become a branch name.
  if (reply.closedBy != PromptClose::Ok) return std::nullopt;
  std::string answer = cutPromptAnswer(reply.text, toolMode);
  if (answer.empty()) return std::nullopt;
  return answer;
}

std::optional<std::string> askPrompt(Context& context, const std::string& question) {
  const ToolMode toolMode = context.state.pointer.toolMode;
  return promptAnswer(context.host.showPrompt(question, toolMode), toolMode);
}

bool askYesNo(Context& context, const std::string& line1, const std::string& line2,
              YesNoWidth width) {
  const bool yes = context.host.showYesNo(line1, line2, width);
  context.state.event.shown = false;
  return yes;
}

}  // namespace kvistra
