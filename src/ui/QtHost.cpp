#include "ui/QtHost.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "output/PageLayout.h"
#include "ui/ApproveResultDialog.h"
#include "ui/BranchNamesDialog.h"
#include "ui/CountDialog.h"
#include "ui/Dialogs.h"
#include "ui/DrawingArea.h"
#include "ui/PictureRendering.h"
#include "ui/PrintHeadingDialog.h"
#include "ui/ProbabilityDialog.h"
#include "ui/PromptDialog.h"
#include "ui/QtCanvas.h"
#include "ui/ResultLineDialog.h"
#include "ui/ReverseTreeDialog.h"
#include "ui/SaveAsDialog.h"
#include "ui/SimulationDialog.h"
#include "ui/TextConversion.h"
#include "ui/TreeFileDialog.h"
#include "ui/TrialsDialog.h"
#include "ui/VariableDialog.h"
#include "ui/WorksheetDialog.h"
#include "ui/YesNoDialog.h"

namespace kvistra::ui {

namespace {

struct BoxButton {
  const char* caption;
  QMessageBox::ButtonRole role;
};

// A question box of the main window: its buttons in order, the one Enter presses and the one
// Esc presses. The index of the button clicked; closing the box counts as Esc.
std::size_t askInBox(QWidget& parent, QMessageBox::Icon icon, const char* name,
                     const QString& question, std::initializer_list<BoxButton> buttons,
                     std::size_t byDefault, std::size_t onEscape) {
  QMessageBox box(icon, "Kvistra", question, QMessageBox::NoButton, &parent);
  box.setObjectName(name);
  box.setAccessibleName(question);
  std::vector<QPushButton*> added;
  for (const BoxButton& button : buttons) {
    added.push_back(box.addButton(button.caption, button.role));
    added.back()->setAccessibleName(added.back()->text().remove('&'));
  }
  box.setDefaultButton(added[byDefault]);
  box.setEscapeButton(added[onEscape]);
  box.exec();
  const auto clicked = std::find(added.begin(), added.end(), box.clickedButton());
  return clicked == added.end() ? onEscape : static_cast<std::size_t>(clicked - added.begin());
}

}  // namespace

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

bool QtHost::outputPages(PageOutput output, int pageCount, const PageDrawing& draw) {
  if (output == PageOutput::Print) return printPages(pageCount, draw);
  QPrintPreviewDialog preview(&printer(), &mainWindow_);
  preview.setObjectName("printPreviewDialog");
  preview.setWindowTitle("Vis udskrift");
  preview.setAccessibleName("Vis udskrift");
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&](QPrinter* shown) { paintPages(*shown, 0, pageCount - 1, draw); });
  preview.exec();
  return true;
}

bool QtHost::printPages(int pageCount, const PageDrawing& draw) {
  QPrinter& printer = this->printer();
  if (printWithoutDialog_) {
    paintPages(printer, 0, pageCount - 1, draw);
    return true;
  }
  // The page fields offer every page, whatever was chosen the time before.
  printer.setPrintRange(QPrinter::AllPages);
  printer.setFromTo(1, pageCount);
  QPrintDialog dialog(&printer, &mainWindow_);
  dialog.setObjectName("printDialog");
  dialog.setOption(QAbstractPrintDialog::PrintPageRange);
  dialog.setMinMax(1, pageCount);
  if (dialog.exec() != QDialog::Accepted) return false;
  const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
  paintPages(printer, range ? printer.fromPage() - 1 : 0,
             range ? std::min(printer.toPage(), pageCount) - 1 : pageCount - 1, draw);
  return true;
}

void QtHost::paintPages(QPagedPaintDevice& device, int first, int last, const PageDrawing& draw) {
  QPainter painter;
  if (!painter.begin(&device)) return;  // the platform reports a failed job
  const QRect area = painter.viewport();
  for (int page = first; page <= last; ++page) {
    if (page > first) device.newPage();
    paintPage(painter, area, [&](Canvas& canvas) { draw(canvas, page); });
  }
  painter.end();
}

void QtHost::paintPage(QPainter& painter, const QRect& area,
                       const std::function<void(Canvas&)>& draw) {
  // How far across and down the page's drawing reaches, drawn on the page as it is when nothing
  // reaches past PageWidth: a chart beside the tree, a long working or a tall tree may.
  const int fullWidthHeight =
      std::max(PageHeight, area.height() * PageWidth / std::max(area.width(), 1));
  QPicture measured;
  QPainter measuring(&measured);
  QtCanvas measuringCanvas(measuring, QSize(PageWidth, fullWidthHeight), true);
  draw(measuringCanvas);
  measuring.end();
  const QRect ink = measured.boundingRect();
  const int pageRight = std::max(PageWidth, ink.right() + PageTextX);
  const int pageBottom = std::max(PageHeight, ink.bottom() + PageTextX);

  // One page unit is the same device length across and down, so the page space fits the
  // printable area; on portrait paper the page goes on below PageHeight. A drawing that reaches
  // further is shrunk until it fits either way.
  const double unit = std::min(static_cast<double>(area.width()) / pageRight,
                               static_cast<double>(area.height()) / pageBottom);
  painter.setViewport(0, 0, qRound(PageWidth * unit), qRound(PageHeight * unit));
  painter.setWindow(0, 0, PageWidth, PageHeight);
  QtCanvas canvas(painter, QSize(PageWidth, static_cast<int>(area.height() / unit)), true);
  draw(canvas);
}

std::string QtHost::pagesAsPdf(int pageCount, const PageDrawing& draw) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  {
    QPdfWriter writer(&buffer);
    writer.setCreator("Kvistra");
    writer.setPageLayout(printer().pageLayout());
    paintPages(writer, 0, pageCount - 1, draw);
  }
  return bytes.toStdString();
}

std::optional<WorksheetRequest> QtHost::showWorksheetDialog(const WorksheetOffer& offer) {
  return dialogs_.worksheet().ask(offer);
}

std::optional<SaveAsChoice> QtHost::chooseFileToSaveAs(const std::string& title,
                                                       const std::string& presetName,
                                                       const std::vector<SaveFileType>& types) {
  if (!saveAsDialog_) saveAsDialog_ = new SaveAsDialog(&mainWindow_);
  return saveAsDialog_->choose(toQt(title), QFile::decodeName(presetName.c_str()), types);
}

PrintHeadingReply QtHost::showPrintHeadingDialog() {
  return dialogs_.printHeading().ask();
}

PictureSize QtHost::drawingSize() {
  // The part in view, whatever the zoom: the pictures keep the size the window gives them.
  const QSize shown = drawingArea_.viewSize();
  return {shown.width(), shown.height()};
}

void QtHost::copyPicture(int width, int height, const std::function<void(Canvas&)>& draw) {
  QImage picture(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    QtCanvas canvas(painter, picture.size(), false);
    draw(canvas);
  }
  putPictureOnClipboard(picture);
}

void QtHost::copyCroppedPicture(const std::function<void(Canvas&)>& draw) {
  putPictureOnClipboard(croppedImage(draw));
}

void QtHost::putPictureOnClipboard(const QImage& picture) {
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

std::optional<std::string> QtHost::renderPicture(PictureFormat format, int scale,
                                                 const std::function<void(Canvas&)>& draw) {
  const std::optional<QByteArray> bytes = pictureFileBytes(format, scale, draw);
  if (!bytes) return std::nullopt;
  return bytes->toStdString();
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
    const QString shown = toQt(line, font.encoding);
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
  constexpr SaveChangesChoice Choices[] = {SaveChangesChoice::Save, SaveChangesChoice::Discard,
                                           SaveChangesChoice::Cancel};
  return Choices[askInBox(mainWindow_, QMessageBox::Question, "saveChangesBox",
                          QString::fromUtf8("Vil du gemme ændringerne i træet?"),
                          {{"Gem", QMessageBox::AcceptRole},
                           {"Gem ikke", QMessageBox::DestructiveRole},
                           {"Fortryd", QMessageBox::RejectRole}},
                          0, 2)];
}

bool QtHost::askToReplaceFile(const std::string& question, bool yesByDefault) {
  return askInBox(mainWindow_, QMessageBox::Warning, "replaceFileBox", toQt(question),
                  {{"&Ja", QMessageBox::YesRole}, {"&Nej", QMessageBox::NoRole}},
                  yesByDefault ? 0 : 1, 1) == 0;
}

std::optional<int> QtHost::chooseFirstBranching(const std::vector<std::string>& names) {
  return dialogs_.reverseTree().choose(names);
}

std::optional<SimulationChoice> QtHost::chooseSimulation(const SimulationChoice& preset) {
  return dialogs_.simulation().choose(preset);
}

std::optional<int> QtHost::askCount(const CountQuestion& question) {
  return dialogs_.count().ask(question);
}

std::optional<RepeatedTrials> QtHost::askRepeatedTrials(const RepeatedTrials& preset) {
  return dialogs_.trials().ask(preset);
}

VariableReply QtHost::showVariableDialog(const VariableForm& form) {
  return dialogs_.variable().ask(form);
}

TreeFileVariableChoice QtHost::askToSaveAsDocument(const std::string& question) {
  constexpr TreeFileVariableChoice Choices[] = {TreeFileVariableChoice::SaveDocument,
                                                TreeFileVariableChoice::SaveWithoutVariable,
                                                TreeFileVariableChoice::Cancel};
  // The variable is kept unless the user chooses to leave it out.
  return Choices[askInBox(mainWindow_, QMessageBox::Question, "saveAsDocumentBox", toQt(question),
                          {{"&Ja", QMessageBox::YesRole},
                           {"&Nej", QMessageBox::NoRole},
                           {"&Fortryd", QMessageBox::RejectRole}},
                          0, 2)];
}

std::optional<std::string> QtHost::chooseFileToOpen(const std::string& title,
                                                    const std::string& presetName) {
  return dialogs_.openFile().choose(toQt(title), QFile::decodeName(presetName.c_str()), true);
}

std::optional<std::string> QtHost::chooseFileToSave(const std::string& title,
                                                    const std::string& presetName,
                                                    bool treeFileFits) {
  return dialogs_.saveFile().choose(toQt(title), QFile::decodeName(presetName.c_str()),
                                    treeFileFits);
}

std::optional<BranchNameFields> QtHost::showBranchNamesDialog(const LabelRows& labels) {
  return dialogs_.branchNames().ask(labels);
}

}  // namespace kvistra::ui
