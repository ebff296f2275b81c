// The desktop as the core sees it: the drawing area and the modal dialogs.
#pragma once

#include "tree/Host.h"

class QWidget;

namespace kvistra::ui {

class PaintBox;
class TBtnBottomDlg;
class TForm2;
class TJN_box;

class QtHost : public Host {
 public:
  QtHost(PaintBox& paintBox, TBtnBottomDlg& probability, TForm2& prompt, TJN_box& yesNo,
         QWidget& mainWindow);

  Canvas& drawingCanvas() override;
  void repaintDrawing() override;
  PromptReply showPrompt(const std::string& question, int toolMode) override;
  bool showYesNo(const std::string& line1, const std::string& line2, int width) override;
  ProbabilityReply showProbabilityDialog() override;
  void showMessage(const std::string& text, const std::string& caption) override;

 private:
  PaintBox& paintBox_;
  TBtnBottomDlg& probability_;
  TForm2& prompt_;
  TJN_box& yesNo_;
  QWidget& mainWindow_;
};

}  // namespace kvistra::ui
