// The rules of the two generic questions, the one-line prompt and the yes/no box.
#pragma once

#include <string>

#include "tree/Context.h"

namespace kvistra {

// Characters the prompt's field accepts as typed.
bool isPromptChar(char c);

// While a tool is active (toolMode not 0) a name is asked: the answer is cut to its first
// character, or its first two when the second is a digit.
std::string cutPromptAnswer(const std::string& answer, int toolMode);

// Sets promptText and cancelled from how the prompt was closed.
void applyPromptReply(TreeState& state, const PromptReply& reply);

// Asks question in the prompt; the answer is left in promptText and cancelled.
void askPrompt(Context& context, const std::string& question);

// Asks the yes/no box; the answer is left in answerYes.
void askYesNo(Context& context, const std::string& line1, const std::string& line2, int width);

}  // namespace kvistra
