#include "chance/FrequencyCommands.h"

#include "drawing/TreeDrawing.h"
#include "host/Questions.h"
#include "text/Windows1252.h"
#include "tree/NaturalFrequencies.h"

namespace kvistra {

void setNaturalFrequencies(Context& context, bool shown) {
  context.state.view.naturalFrequencies = shown;
  paintTreeOnScreen(context.state, context.host);
}

void askCaseCount(Context& context) {
  const std::optional<std::string> answer =
      askPrompt(context, w1252("Antal tilfælde N (0: træet vælger) ?  "));
  if (!answer) return;
  const std::optional<std::int64_t> typed = readCaseCount(*answer, LargestTypedTotal);
  if (!typed && *answer != "0") {
    context.host.showMessage(w1252("N skal være et helt tal fra 1 til 1 000 000, eller 0."),
                             "Antal ud af N");
    return;
  }
  context.state.view.typedCaseCount = typed;
  setNaturalFrequencies(context, true);
}

}  // namespace kvistra
