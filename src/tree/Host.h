// What the program asks of the desktop. The core calls these where a command needs a dialog or
// the drawing surface; the Qt layer implements them and tests script them.
#pragma once

#include <string>

#include "tree/Canvas.h"

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

// The yes/no box keeps the width its last caller gave it when asked with this width.
inline constexpr int KeepWidth = 0;

class Host {
 public:
  virtual ~Host() = default;

  // The persistent canvas behind the drawing area.
  virtual Canvas& drawingCanvas() = 0;
  // Ask for the drawing area to be painted again (it then calls PaintBox1Paint).
  virtual void repaintDrawing() = 0;
  virtual PromptReply showPrompt(const std::string& question, int toolMode) = 0;
  // The yes/no box; width in pixels, or KeepWidth. True for "Ja".
  virtual bool showYesNo(const std::string& line1, const std::string& line2, int width) = 0;
  // The probability dialog; its field keeps the text of the previous entry.
  virtual ProbabilityReply showProbabilityDialog() = 0;
  virtual void showMessage(const std::string& text, const std::string& caption) = 0;
};

}  // namespace kvistra
