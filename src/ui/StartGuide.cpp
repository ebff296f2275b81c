#include "ui/StartGuide.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DialogLook.h"

namespace kvistra::ui {

namespace {

// The sentence is read as one; it is shown in two lines, broken where it reads best.
const QString BeginText = QStringLiteral(
    "Begynd med »Tegn træet« → »2 forgreninger« eller »3 forgreninger«, eller hent et træ "
    "med »Filer« → »Hent« (Ctrl+O).");
const QString BeginLines = QStringLiteral(
    "Begynd med »Tegn træet« → »2 forgreninger« eller »3 forgreninger«,\n"
    "eller hent et træ med »Filer« → »Hent« (Ctrl+O).");

QLabel* guideLabel(QWidget* parent, const char* name, const QString& text, const QString& shown) {
  auto* label = new QLabel(shown, parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignHCenter);
  label->setAccessibleName(text);
  return label;
}

}  // namespace

StartGuide::StartGuide(QWidget* parent) : QWidget(parent) {
  setObjectName("startGuide");
  setAccessibleName(QStringLiteral("Kom i gang"));
  // Made only when it shows, so its font costs start-up nothing.
  setFont(dialogFont(16, false));
  auto* column = new QVBoxLayout(this);
  // Always as large as its text and list, and no larger.
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->setSpacing(6);
  column->addWidget(guideLabel(this, "startText", BeginText, BeginLines), 0, Qt::AlignHCenter);
  column->addSpacing(18);
  const QString heading = QStringLiteral("Seneste træer:");
  filesHeading_ = guideLabel(this, "recentTreesHeading", heading, heading);
  column->addWidget(filesHeading_, 0, Qt::AlignHCenter);
  fileColumn_ = new QVBoxLayout;
  fileColumn_->setSpacing(2);
  column->addLayout(fileColumn_);
  filesHeading_->hide();
  parent->installEventFilter(this);
}

void StartGuide::showFiles(const QStringList& paths) {
  qDeleteAll(fileButtons_);
  fileButtons_.clear();
  for (const QString& path : paths) {
    const QString name = QFileInfo(path).fileName();
    auto* button = new QPushButton(name, this);
    button->setObjectName("recentTree");
    // Drawn as a link: a file to open, not a command.
    button->setFlat(true);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    button->setFont(linkFont);
    QPalette linkColours = button->palette();
    linkColours.setColor(QPalette::ButtonText, palette().color(QPalette::Link));
    button->setPalette(linkColours);
    button->setCursor(Qt::PointingHandCursor);
    // Enter opens the tree as a click does, as on a dialog's buttons.
    button->setAutoDefault(true);
    button->setToolTip(path);
    button->setAccessibleName(name);
    button->setAccessibleDescription(path);
    connect(button, &QPushButton::clicked, this, [this, path] { emit chosen(path); });
    fileColumn_->addWidget(button, 0, Qt::AlignHCenter);
    fileButtons_.append(button);
  }
  filesHeading_->setVisible(!paths.isEmpty());
  centre();
}

bool StartGuide::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) centre();
  return QWidget::eventFilter(watched, event);
}

void StartGuide::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  centre();
}

void StartGuide::centre() {
  layout()->activate();
  const QRect room = parentWidget()->rect();
  move(room.center() - rect().center());
}

}  // namespace kvistra::ui
