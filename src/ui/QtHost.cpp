#include "ui/QtHost.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>

#include "output/PageLayout.h"
#include "ui/ApproveResultDialog.h"
#include "ui/BranchNamesDialog.h"
#include "ui/Dialogs.h"
#include "ui/DrawingArea.h"
#include "ui/PrintHeadingDialog.h"
#include "ui/ProbabilityDialog.h"
#include "ui/PromptDialog.h"
#include "ui/QtCanvas.h"
#include "ui/ResultLineDialog.h"
#include "ui/ReverseTreeDialog.h"
#include "ui/TextConversion.h"
#include "ui/TreeFileDialog.h"
#include "ui/YesNoDialog.h"

namespace kvistra::ui {

QtHost::QtHost(DrawingArea& drawingArea, Dialogs& dialogs, QWidget& mainWindow)
    : drawingArea_(drawingArea), dialogs_(dialogs), mainWindow_(mainWindow) {}

QtHost::~QtHost() = default;

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

ProbabilityReply QtHost::showProbabilityDialog(const std::string& branchLabel) {
  return dialogs_.probability().ask(toQt(branchLabel));
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

QPrinter& QtHost::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void QtHost::printWithoutDialogTo(const QString& pdfFile, QPageLayout::Orientation orientation) {
  printer().setOutputFormat(QPrinter::PdfFormat);
  printer().setOutputFileName(pdfFile);
  printer().setPageOrientation(orientation);
  printWithoutDialog_ = true;
}

bool QtHost::printPage(const std::function<void(Canvas&)>& draw) {
  QPrinter& printer = this->printer();
  if (!printWithoutDialog_) {
    // The page fields offer the one page, whatever was chosen the time before.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(1, 1);
    QPrintDialog dialog(&printer, &mainWindow_);
    dialog.setObjectName("printDialog");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted) return false;
  }
  paintPage(printer, draw);
  return true;
}

void QtHost::paintPage(QPrinter& printer, const std::function<void(Canvas&)>& draw) {
  // How far down the page's drawing reaches: on landscape paper it must fit below PageHeight too.
  QPicture measured;
  QPainter measuring(&measured);
  QtCanvas measuringCanvas(measuring, QSize(PageWidth, 4 * PageHeight), true);
  draw(measuringCanvas);
  measuring.end();
  const int pageBottom = std::max(PageHeight, measured.boundingRect().bottom() + PageTextX);

  QPainter painter;
  if (!painter.begin(&printer)) return;  // the platform reports a failed job
  // One page unit is the same device length across and down, so the page space fits the
  // printable area; on portrait paper the page goes on below PageHeight.
  const QRect area = painter.viewport();
  const double unit = std::min(static_cast<double>(area.width()) / PageWidth,
                               static_cast<double>(area.height()) / pageBottom);
  painter.setViewport(0, 0, qRound(PageWidth * unit), qRound(PageHeight * unit));
  painter.setWindow(0, 0, PageWidth, PageHeight);
  QtCanvas canvas(painter, QSize(PageWidth, static_cast<int>(area.height() / unit)), true);
  draw(canvas);
  painter.end();
}

void QtHost::previewPage(const std::function<void(Canvas&)>& draw) {
  QPrintPreviewDialog preview(&printer(), &mainWindow_);
  preview.setObjectName("printPreviewDialog");
  preview.setWindowTitle("Vis udskrift");
  preview.setAccessibleName("Vis udskrift");
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&](QPrinter* shown) { paintPage(*shown, draw); });
  preview.exec();
}

PrintHeadingReply QtHost::showPrintHeadingDialog() {
  return dialogs_.printHeading().ask();
}

PictureSize QtHost::drawingSize() {
  return {drawingArea_.width(), drawingArea_.height()};
}

void QtHost::copyPicture(int width, int height, const std::function<void(Canvas&)>& draw) {
  QImage picture(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    QtCanvas canvas(painter, picture.size(), false);
    draw(canvas);
  }
  // The image itself becomes the platform's bitmap; PNG is what most programs paste from.
  auto* data = new QMimeData;
  data->setImageData(picture);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  data->setData("image/png", png);
  QGuiApplication::clipboard()->setMimeData(data);
}

void QtHost::copyText(const std::vector<std::string>& lines, const Font& font) {
  // Every line a paragraph in the given font. Blanks become fixed blanks, since word processors
  // collapse runs of ordinary ones, and the columns of the text are made of blanks.
  const QString paragraph = QString(
                                "<p style=\"margin:0; font-family:'%1',monospace; "
                                "font-size:%2px; font-weight:%3\">%4</p>\n")
                                .arg(toQt(font.family))
                                .arg(font.pixelHeight)
                                .arg(font.bold ? "bold" : "normal");
  QString plain;
  QString html = "<html><head><meta charset=\"utf-8\"></head><body>\n";
  for (const auto& line : lines) {
    const QString shown = toQt(line);
    plain += shown + '\n';
    html += paragraph.arg(shown.toHtmlEscaped().replace(' ', "&nbsp;"));
  }
  html += "</body></html>\n";
  auto* data = new QMimeData;
  data->setText(plain);
  data->setHtml(html);
  QGuiApplication::clipboard()->setMimeData(data);
}

SaveChangesChoice QtHost::askToSaveChanges() {
  const QString question = QString::fromUtf8("Vil du gemme ændringerne i træet?");
  QMessageBox box(QMessageBox::Question, "Kvistra", question, QMessageBox::NoButton, &mainWindow_);
  box.setObjectName("saveChangesBox");
  box.setAccessibleName(question);
  QPushButton* save = box.addButton("Gem", QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton("Gem ikke", QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton("Fortryd", QMessageBox::RejectRole);
  for (QPushButton* button : {save, discard, cancel}) button->setAccessibleName(button->text());
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveChangesChoice::Save;
  if (box.clickedButton() == discard) return SaveChangesChoice::Discard;
  return SaveChangesChoice::Cancel;
}

std::optional<int> QtHost::chooseFirstBranching(const std::vector<std::string>& names) {
  return dialogs_.reverseTree().choose(names);
}

std::optional<std::string> QtHost::chooseFileToOpen(const std::string& title,
                                                    const std::string& presetName) {
  return dialogs_.openFile().choose(toQt(title), QFile::decodeName(presetName.c_str()));
}

std::optional<std::string> QtHost::chooseFileToSave(const std::string& title,
                                                    const std::string& presetName) {
  return dialogs_.saveFile().choose(toQt(title), QFile::decodeName(presetName.c_str()));
}

std::optional<BranchNameFields> QtHost::showBranchNamesDialog(const LabelRows& labels) {
  return dialogs_.branchNames().ask(labels);
}

}  // namespace kvistra::ui
