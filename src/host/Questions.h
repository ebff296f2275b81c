// The rules of the two generic questions, the one-line prompt and the yes/no box.
#pragma once

#include <optional>
#include <string>

#include "host/Context.h"

namespace kvistra {

// Characters the prompt's field accepts as typed.
bool isPromptChar(char c);

// The line the prompt shows when a character it does not take is typed, so that it is not lost
// unnoticed: "+" is a pupil's "or", which the event language writes with a comma.
std::string refusedCharHint(char c);

// While a tool is active a name is asked: the answer is cut to its first character, or its
// first two when the second is a digit.
std::string cutPromptAnswer(const std::string& answer, ToolMode toolMode);

// The answer the prompt gave, or nothing when it was cancelled: by "&Fortryd", by its close
// box, or with an empty field.
std::optional<std::string> promptAnswer(const PromptReply& reply, ToolMode toolMode);

// Asks question in the prompt.
std::optional<std::string> askPrompt(Context& context, const std::string& question);

// Asks the yes/no box; true for "&Ja". The event marks are no longer shown after it.
bool askYesNo(Context& context, const std::string& line1, const std::string& line2,
              YesNoWidth width);

}  // namespace kvistra
