// Computing an event's probability: asking the event, marking its outcomes on the drawing,
// summing their paths, and offering the result for approval in the approve box.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/Context.h"
#include "text/Exact.h"
#include "tree/ExactValues.h"

namespace kvistra {

// The separators between the event and its value in the approve box: after a typed event, and
// after a row of the results list evaluated again.
inline constexpr const char* TypedEventSeparator = ": ";
inline constexpr const char* RowEventSeparator = "   : ";

// The sum of the path probabilities of the marked outcomes; kept as the event's probability.
double sumMarkedPaths(TreeState& state);

// The shown event's probability, exactly: conditional on the reduction when the tree is reduced.
Exact exactEventValue(const TreeState& state);
Exact exactEventValue(const TreeState& state, const ExactValues& values);

// Asks an expression in the prompt; nothing when the prompt was cancelled. The answer is never
// cut to a name, whatever tool the drawing has.
std::optional<std::string> askExpression(Context& context, const std::string& question);

// "&Hændelser": asks an event, marks it, and offers its probability for approval.
void askEvent(Context& context);

// A typed "H" or "h", in the main window or in the results pane, asks an event when events can
// be computed.
void eventKeyTyped(Context& context, char typed);

// A row of the results list evaluated again, without messages; a question about the random
// variable as that question.
void reevaluateResult(Context& context, const std::string& rowText);

// The approve box's line and width for an event shown with its value and, when known, the value
// as a fraction: "Hændelse : R1R2: 0.3000 = 3/10".
struct ApproveBoxLine {
  std::string text;
  int width;
};
ApproveBoxLine approveBoxLine(const std::string& display, const std::string& value,
                              const std::string& separator, const std::string& fraction = "");

// An event's result as the approve box shows it.
struct EventResult {
  std::string value;     // as stored: 6 characters wide with 4 decimals
  std::string fraction;  // the exact value reduced; empty when not known
  std::vector<std::string> working;
  std::vector<std::string> counts{};  // the event in the counts shown, below the working
  TextEncoding workingEncoding = TextEncoding::Windows1252;
};

// Shows the approve box; an approved result becomes a row of the results list, holding the
// whole event text and, in memory only, its fraction and working.
void approveResult(Context& context, const std::string& display, const EventResult& result,
                   const std::string& separator);

}  // namespace kvistra
