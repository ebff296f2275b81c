#include "ui/QtHost.h"

#include <QMessageBox>

#include "ui/Inputenh.h"
#include "ui/Inputhnd.h"
#include "ui/Ja_nej.h"
#include "ui/PaintBox.h"
#include "ui/Text.h"

namespace kvistra::ui {

QtHost::QtHost(PaintBox& paintBox, TBtnBottomDlg& probability, TForm2& prompt, TJN_box& yesNo,
               QWidget& mainWindow)
    : paintBox_(paintBox),
      probability_(probability),
      prompt_(prompt),
      yesNo_(yesNo),
      mainWindow_(mainWindow) {}

Canvas& QtHost::drawingCanvas() {
  return paintBox_.canvas();
}

void QtHost::repaintDrawing() {
  paintBox_.requestRedraw();
}

PromptReply QtHost::showPrompt(const std::string& question, int toolMode) {
  return prompt_.ask(toQt(question), toolMode);
}

bool QtHost::showYesNo(const std::string& line1, const std::string& line2, int width) {
  return yesNo_.ask(toQt(line1), toQt(line2), width);
}

ProbabilityReply QtHost::showProbabilityDialog() {
  return probability_.ask();
}

void QtHost::showMessage(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::NoIcon, toQt(caption), toQt(text), QMessageBox::Ok, &mainWindow_);
  box.setAccessibleName(toQt(text));
  box.exec();
}

}  // namespace kvistra::ui
