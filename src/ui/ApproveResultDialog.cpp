#include "ui/ApproveResultDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>
#include <algorithm>

#include "ui/DialogLook.h"
#include "ui/TextConversion.h"
#include "ui/ToolbarIcons.h"
#include "ui/WorkingPane.h"

namespace kvistra::ui {

namespace {

constexpr int BoxHeight = 107;
constexpr int NarrowestWidth = 300;
constexpr QRect ButtonFrame(120, 28, 169, 41);
constexpr int ButtonTop = 32;
constexpr int ButtonSize = 33;
constexpr int PictureSize = 24;
// The working below the buttons, and its copy button below it.
constexpr int WorkingTop = 76;
constexpr int Margin = 8;
constexpr QSize CopyWorkingSize(170, 23);
constexpr QSize ExportSize(100, 23);
// The box's foot stays where the box without a working has it.
constexpr int FootDistance = 120;

}  // namespace

ApproveResultDialog::ApproveResultDialog(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "approveResultDialog", " ", Qt::WindowSystemMenuHint) {
  setWindowFlag(Qt::WindowCloseButtonHint);
  setFont(dialogFont(13, true));
  setFixedSize(NarrowestWidth, BoxHeight);
  resultLine_ = placeLabel(this, "resultLine", 8, 6);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("buttonFrame");
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(ButtonFrame);
  approveButton_ = pictureButton("approveButton", "Godkend og luk", "approve", 128);
  printButton_ = pictureButton("printButton", "Udskriv", "print", 168);
  copyButton_ = pictureButton("copyButton", "Kopier træet til Klippebordet", "copy-menu", 208);
  dropButton_ = pictureButton("dropButton", "Fortryd denne hændelse", "drop", 248);

  connect(approveButton_, &QToolButton::clicked, this, &QDialog::accept);
  connect(dropButton_, &QToolButton::clicked, this, &QDialog::reject);
  connect(printButton_, &QToolButton::clicked, this, [this] {
    if (actions_.print) actions_.print();
  });
  connect(copyButton_, &QToolButton::clicked, this, [this] {
    if (actions_.copyTree) actions_.copyTree();
  });

  working_ = new WorkingPane(this);
  copyWorkingButton_ = placeButton(this, "copyWorkingButton", "&Kopier udregningen",
                                   QRect(QPoint(), CopyWorkingSize));
  copyWorkingButton_->setAutoDefault(false);
  const auto copyWorking = [this] {
    if (actions_.copyWorking) actions_.copyWorking();
  };
  connect(copyWorkingButton_, &QPushButton::clicked, this, copyWorking);
  connect(working_, &WorkingPane::copyRequested, this, copyWorking);
  // The picture for a slide: the tree with the event's marks and the working.
  exportButton_ = placeButton(this, "exportButton", "&Eksporter…", QRect(QPoint(), ExportSize));
  exportButton_->setToolTip("Gem træet med hændelsen og udregningen som billede");
  exportButton_->setAccessibleDescription(exportButton_->toolTip());
  exportButton_->setAutoDefault(false);
  connect(exportButton_, &QPushButton::clicked, this, [this] {
    if (actions_.exportPicture) actions_.exportPicture();
  });
  askHelpOnF1(this);
}

QToolButton* ApproveResultDialog::pictureButton(const char* name, const QString& hint,
                                                const QString& picture, int x) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setGeometry(x, ButtonTop, ButtonSize, ButtonSize);
  button->setIcon(toolbarIcon(picture));
  button->setIconSize(QSize(PictureSize, PictureSize));
  button->setAutoRaise(true);
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  return button;
}

ApproveChoice ApproveResultDialog::ask(const QString& resultLine, int width,
                                       const ApproveBoxActions& actions) {
  actions_ = actions;
  resultLine_->setText(resultLine);
  resultLine_->adjustSize();
  setAccessibleName(resultLine);
  printButton_->setEnabled(static_cast<bool>(actions.print));
  copyButton_->setEnabled(static_cast<bool>(actions.copyTree));
  showWorking(actions.working, width);
  const bool approved = exec() == QDialog::Accepted;
  actions_ = {};
  return approved ? ApproveChoice::Approve : ApproveChoice::Drop;
}

void ApproveResultDialog::showWorking(const std::vector<std::string>& lines, int width) {
  QStringList shown;
  for (const std::string& line : lines) shown << toQt(line, actions_.workingEncoding);
  working_->showLines(shown);
  working_->setVisible(!lines.empty());
  copyWorkingButton_->setVisible(!lines.empty());
  copyWorkingButton_->setEnabled(static_cast<bool>(actions_.copyWorking));
  exportButton_->setVisible(!lines.empty());
  exportButton_->setEnabled(static_cast<bool>(actions_.exportPicture));
  if (lines.empty()) {
    setFixedSize(width, BoxHeight);
    return;
  }
  // The box widens for the working's longest line rather than hiding its end.
  const QSize pane = working_->fittingSize();
  width = std::max({width, pane.width() + 2 * Margin,
                    CopyWorkingSize.width() + ExportSize.width() + 3 * Margin});
  working_->setGeometry(Margin, WorkingTop, width - 2 * Margin, pane.height());
  const int buttonTop = WorkingTop + pane.height() + Margin;
  copyWorkingButton_->move(width - Margin - CopyWorkingSize.width(), buttonTop);
  exportButton_->move(copyWorkingButton_->x() - Margin - ExportSize.width(), buttonTop);
  setFixedSize(width, buttonTop + CopyWorkingSize.height() + Margin);
}

void ApproveResultDialog::showEvent(QShowEvent* event) {
  placeAboveFootOfMainWindow(10, FootDistance + height() - BoxHeight);
  approveButton_->setFocus();
  QDialog::showEvent(event);
}

}  // namespace kvistra::ui
