#include "ui/StartGuide.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DialogLook.h"

namespace kvistra::ui {

namespace {

// Room for the text on a 1024-pixel screen beside nothing else.
constexpr int TextWidth = 460;

const QString BeginText = QStringLiteral(
    "Begynd med »Tegn træet« → »2 forgreninger« eller »3 forgreninger«, eller hent et træ "
    "med »Filer« → »Hent« (Ctrl+O).");

QLabel* guideLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignHCenter);
  label->setFixedWidth(TextWidth);
  label->setAccessibleName(text);
  return label;
}

}  // namespace

StartGuide::StartGuide(QWidget* parent) : QWidget(parent) {
  setObjectName("startGuide");
  setAccessibleName(QStringLiteral("Kom i gang"));
  setFontWhenShown(this, dialogFont(16, false));
  auto* column = new QVBoxLayout(this);
  column->setSpacing(6);
  column->addWidget(guideLabel(this, "startText", BeginText));
  column->addSpacing(18);
  filesHeading_ = guideLabel(this, "recentTreesHeading", QStringLiteral("Seneste træer:"));
  column->addWidget(filesHeading_);
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
    button->setFlat(true);
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
  adjustSize();
  const QRect room = parentWidget()->rect();
  move(room.center() - rect().center());
}

}  // namespace kvistra::ui
