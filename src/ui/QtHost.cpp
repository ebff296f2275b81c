#include "ui/QtHost.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QPainter>

#include "ui/ApproveResultDialog.h"
#include "ui/BranchNamesDialog.h"
#include "ui/Dialogs.h"
#include "ui/DrawingArea.h"
#include "ui/ProbabilityDialog.h"
#include "ui/PromptDialog.h"
#include "ui/QtCanvas.h"
#include "ui/ResultLineDialog.h"
#include "ui/TextConversion.h"
#include "ui/TreeFileDialog.h"
#include "ui/YesNoDialog.h"

namespace kvistra::ui {

QtHost::QtHost(DrawingArea& drawingArea, Dialogs& dialogs, QWidget& mainWindow)
    : drawingArea_(drawingArea), dialogs_(dialogs), mainWindow_(mainWindow) {}

void QtHost::drawOnScreen(const std::function<void(Canvas&)>& draw) {
  drawingArea_.draw(draw);
}

void QtHost::repaintDrawing() {
  drawingArea_.requestRedraw();
}

PromptReply QtHost::showPrompt(const std::string& question, ToolMode toolMode) {
  return dialogs_.prompt().ask(toQt(question), toolMode);
}

bool QtHost::showYesNo(const std::string& line1, const std::string& line2, YesNoWidth width) {
  return dialogs_.yesNo().ask(toQt(line1), toQt(line2), width);
}

ProbabilityReply QtHost::showProbabilityDialog() {
  return dialogs_.probability().ask();
}

void QtHost::showMessage(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::NoIcon, toQt(caption), toQt(text), QMessageBox::Ok, &mainWindow_);
  box.setAccessibleName(toQt(text));
  box.exec();
}

ApproveChoice QtHost::showApproveBox(const std::string& resultLine, int width,
                                     const ApproveBoxActions& actions) {
  return dialogs_.approveResult().ask(toQt(resultLine), width, actions);
}

void QtHost::showResultLine(const std::string& line) {
  dialogs_.resultLine().showLine(toQt(line));
}

PictureSize QtHost::drawingSize() {
  return {drawingArea_.width(), drawingArea_.height()};
}

void QtHost::copyPicture(int width, int height, const std::function<void(Canvas&)>& draw) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    QtCanvas canvas(painter, picture.size(), false);
    draw(canvas);
  }
  QGuiApplication::clipboard()->setImage(picture);
}

std::optional<std::string> QtHost::chooseFileToOpen(const std::string& title,
                                                    const std::string& presetName) {
  return dialogs_.openFile().choose(toQt(title), toQt(presetName));
}

std::optional<std::string> QtHost::chooseFileToSave(const std::string& title,
                                                    const std::string& presetName) {
  return dialogs_.saveFile().choose(toQt(title), toQt(presetName));
}

std::optional<BranchNameFields> QtHost::showBranchNamesDialog(const LabelRows& labels) {
  return dialogs_.branchNames().ask(labels);
}

}  // namespace kvistra::ui
