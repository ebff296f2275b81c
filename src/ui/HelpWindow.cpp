#include "ui/HelpWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/Resources.h"
#include "ui/ToolbarIcons.h"

namespace kvistra::ui {
namespace {

// The pages carry no styling of their own, so new pages look like the others without effort.
const char* const pageStyle =
    "body { font-family: 'Liberation Sans', Arial, sans-serif; font-size: 11pt; }"
    "h1 { color: #274e13; font-size: 16pt; }"
    "h2 { color: #274e13; font-size: 13pt; margin-top: 14px; }"
    "th { background-color: #e8f0dc; text-align: left; }";

// Pages show a toolbar button's picture with <img src="knap:NAME">, such as "knap:copy-across";
// the pictures are drawn in code, so the browser asks for them here.
class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    if (type == QTextDocument::ImageResource &&
        name.scheme() == HelpWindow::buttonPictureScheme()) {
      const QIcon picture = toolbarIcon(name.path());
      if (!picture.isNull()) return picture.pixmap(QSize(24, 24), devicePixelRatioF());
    }
    return QTextBrowser::loadResource(type, name);
  }
};

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new HelpBrowser(this)) {
  ensureResources();
  setWindowTitle(QStringLiteral("Kvistra - Vejledning"));
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  setModal(false);
  resize(640, 560);

  browser_->setOpenExternalLinks(false);
  browser_->document()->setDefaultStyleSheet(QString::fromLatin1(pageStyle));

  auto* back = addButton(QStringLiteral("&Tilbage"));
  auto* contents = addButton(QStringLiteral("&Indhold"));
  auto* close = addButton(QStringLiteral("&Luk"));
  back->setEnabled(false);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(contents, &QPushButton::clicked, this, [this] { browser_->setSource(contentsPage()); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(contents);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);

  browser_->setSource(contentsPage());
}

QUrl HelpWindow::contentsPage() {
  return QUrl(QStringLiteral("qrc:/help/indhold.html"));
}

QString HelpWindow::buttonPictureScheme() {
  return QStringLiteral("knap");
}

void HelpWindow::showContents() {
  browser_->setSource(contentsPage());
  matchModalityOfOpenDialog();
  show();
  raise();
  activateWindow();
  browser_->setFocus();
}

QPushButton* HelpWindow::addButton(const QString& caption) {
  auto* button = new QPushButton(caption, this);
  // Enter in the pages follows a link; it must not press a button.
  button->setAutoDefault(false);
  return button;
}

// Help is also asked for from inside the program's modal questions. A window opened beside a
// modal dialog could not be clicked, so while one is open the guide is modal too.
void HelpWindow::matchModalityOfOpenDialog() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == this) return;
  const Qt::WindowModality wanted = modal != nullptr ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() == wanted) return;
  // Qt takes a new modality only when the window is shown again.
  hide();
  setWindowModality(wanted);
}

}  // namespace kvistra::ui
