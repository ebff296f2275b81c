// The desktop as the core sees it: the drawing area and the modal dialogs.
#pragma once

#include <QPageLayout>
#include <QString>
#include <memory>

#include "host/Host.h"

class QImage;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace kvistra::ui {

class Dialogs;
class DrawingArea;
class SaveAsDialog;

class QtHost : public Host {
 public:
  QtHost(DrawingArea& drawingArea, Dialogs& dialogs, QWidget& mainWindow);
  ~QtHost() override;

  void drawOnScreen(const std::function<void(Canvas&)>& draw) override;
  void repaintDrawing() override;
  PromptReply showPrompt(const std::string& question, ToolMode toolMode) override;
  bool showYesNo(const std::string& line1, const std::string& line2, YesNoWidth width) override;
  ProbabilityReply showProbabilityDialog(const std::string& branchLabel) override;
  void showMessage(const std::string& text, const std::string& caption) override;
  ApproveChoice showApproveBox(const std::string& resultLine, int width,
                               const ApproveBoxActions& actions) override;
  void showResultLine(const std::string& line) override;
  PictureSize drawingSize() override;
  void copyPicture(int width, int height, const std::function<void(Canvas&)>& draw) override;
  void copyCroppedPicture(const std::function<void(Canvas&)>& draw) override;
  std::optional<std::string> renderPicture(PictureFormat format, int scale,
                                           const std::function<void(Canvas&)>& draw) override;
  std::optional<std::string> chooseFileToOpen(const std::string& title,
                                              const std::string& presetName) override;
  std::optional<std::string> chooseFileToSave(const std::string& title,
                                              const std::string& presetName,
                                              bool treeFileFits) override;
  std::optional<BranchNameFields> showBranchNamesDialog(const LabelRows& labels) override;
  bool outputPages(PageOutput output, int pageCount, const PageDrawing& draw) override;
  std::string pagesAsPdf(int pageCount, const PageDrawing& draw) override;
  std::optional<WorksheetRequest> showWorksheetDialog(const WorksheetOffer& offer) override;
  std::optional<SaveAsChoice> chooseFileToSaveAs(const std::string& title,
                                                 const std::string& presetName,
                                                 const std::vector<SaveFileType>& types) override;
  PrintHeadingReply showPrintHeadingDialog() override;
  void copyText(const std::vector<std::string>& lines, const Font& font) override;
  SaveChangesChoice askToSaveChanges() override;
  bool askToReplaceFile(const std::string& question, bool yesByDefault) override;
  std::optional<int> chooseFirstBranching(const std::vector<std::string>& names) override;
  std::optional<SimulationChoice> chooseSimulation(const SimulationChoice& preset) override;
  std::optional<int> askCount(const CountQuestion& question) override;
  std::optional<RepeatedTrials> askRepeatedTrials(const RepeatedTrials& preset) override;
  VariableReply showVariableDialog(const VariableForm& form) override;
  TreeFileVariableChoice askToSaveAsDocument(const std::string& question) override;

  // From now on every page goes to this PDF file, on paper turned as given, without the print
  // dialog (for tests).
  void printWithoutDialogTo(const QString& pdfFile,
                            QPageLayout::Orientation orientation = QPageLayout::Portrait);

 private:
  QPrinter& printer();
  static void putPictureOnClipboard(const QImage& picture);
  bool printPages(int pageCount, const PageDrawing& draw);
  // Draws pages first to last (from 0) on device.
  void paintPages(QPagedPaintDevice& device, int first, int last, const PageDrawing& draw);
  // Draws one page with the painter, the page space fitted to the printable area.
  static void paintPage(QPainter& painter, const QRect& area,
                        const std::function<void(Canvas&)>& draw);

  DrawingArea& drawingArea_;
  Dialogs& dialogs_;
  QWidget& mainWindow_;
  // Made on first use and kept, so the printer and settings chosen stay for the next print.
  std::unique_ptr<QPrinter> printer_;
  // Made on first use, so it comes back in the folder last chosen.
  SaveAsDialog* saveAsDialog_ = nullptr;
  bool printWithoutDialog_ = false;
};

}  // namespace kvistra::ui
