// The desktop as the core sees it: the drawing area and the modal dialogs.
#pragma once

#include "host/Host.h"

class QWidget;

namespace kvistra::ui {

class DrawingArea;
class ProbabilityDialog;
class PromptDialog;
class YesNoDialog;

class QtHost : public Host {
 public:
  QtHost(DrawingArea& drawingArea, ProbabilityDialog& probability, PromptDialog& prompt,
         YesNoDialog& yesNo, QWidget& mainWindow);

  void drawOnScreen(const std::function<void(Canvas&)>& draw) override;
  void repaintDrawing() override;
  PromptReply showPrompt(const std::string& question, ToolMode toolMode) override;
  bool showYesNo(const std::string& line1, const std::string& line2, YesNoWidth width) override;
  ProbabilityReply showProbabilityDialog() override;
  void showMessage(const std::string& text, const std::string& caption) override;

 private:
  DrawingArea& drawingArea_;
  ProbabilityDialog& probability_;
  PromptDialog& prompt_;
  YesNoDialog& yesNo_;
  QWidget& mainWindow_;
};

}  // namespace kvistra::ui
