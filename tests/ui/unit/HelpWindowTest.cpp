#include "ui/HelpWindow.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "QtTestApp.h"
#include "ui/Resources.h"
#include "ui/ToolbarIcons.h"

namespace kvistra::ui {
namespace {

const QString helpFolder = QStringLiteral(":/help");

QStringList helpPages() {
  ensureResources();
  return QDir(helpFolder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString pageText(const QString& page) {
  QFile file(helpFolder + u'/' + page);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every href and src in a page, in order.
QStringList linksIn(const QString& html) {
  static const QRegularExpression link(QStringLiteral(R"re((?:href|src)\s*=\s*"([^"]*)")re"));
  QStringList links;
  for (const auto& match : link.globalMatch(html)) links << match.captured(1);
  return links;
}

QPushButton* button(const HelpWindow& window, const QString& caption) {
  for (auto* candidate : window.findChildren<QPushButton*>()) {
    if (candidate->text() == caption) return candidate;
  }
  return nullptr;
}

TEST(HelpPages, EveryLinkLeadsToAnExistingPage) {
  test::qtApp();
  const QStringList pages = helpPages();
  ASSERT_FALSE(pages.isEmpty());
  for (const QString& page : pages) {
    for (const QString& link : linksIn(pageText(page))) {
      const QUrl url(link);
      if (url.scheme() == HelpWindow::buttonPictureScheme()) {
        EXPECT_FALSE(toolbarIcon(url.path()).isNull())
            << page.toStdString() << ": " << link.toStdString() << " names no toolbar button";
        continue;
      }
      EXPECT_TRUE(url.isRelative())
          << page.toStdString() << ": " << link.toStdString() << " leaves the help pages";
      EXPECT_TRUE(QFile::exists(helpFolder + u'/' + url.path()))
          << page.toStdString() << ": " << link.toStdString() << " has no page or picture";
    }
  }
}

TEST(HelpPages, ContentsPageListsEveryPageUnderItsTitle) {
  test::qtApp();
  QTextBrowser reader;
  const QString contents = pageText(HelpWindow::contentsPage().fileName());
  for (const QString& page : helpPages()) {
    EXPECT_TRUE(pageText(page).contains(QStringLiteral("<meta charset=\"utf-8\">")))
        << page.toStdString();
    if (page == HelpWindow::contentsPage().fileName()) continue;
    reader.setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    const QString title = reader.documentTitle();
    EXPECT_FALSE(title.isEmpty()) << page.toStdString();
    EXPECT_TRUE(contents.contains(QStringLiteral("<a href=\"%1\">%2</a>").arg(page, title)))
        << page.toStdString() << " is missing from the contents page";
  }
  // The pages are UTF-8; a wrong reading would garble the Danish letters.
  reader.setSource(QUrl(QStringLiteral("qrc:/help/tegn-trae.html")));
  EXPECT_EQ(reader.documentTitle(), QStringLiteral("Tegn et træ"));
}

TEST(HelpWindow, ShowsTheToolbarPicturesInThePages) {
  test::qtApp();
  HelpWindow window;
  auto* browser = window.findChild<QTextBrowser*>();
  ASSERT_NE(browser, nullptr);
  for (const QString button : {"copy-across", "copy-menu", "copy"}) {
    const QUrl picture(HelpWindow::buttonPictureScheme() + u':' + button);
    EXPECT_EQ(browser->loadResource(QTextDocument::ImageResource, picture).isNull(),
              button == "copy")
        << button.toStdString();
  }
}

TEST(HelpWindow, OpensAtContentsAndFindsItsWayBack) {
  test::qtApp();
  HelpWindow window;
  window.showContents();
  auto* browser = window.findChild<QTextBrowser*>();
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Kvistra - Vejledning"));
  EXPECT_EQ(browser->source(), HelpWindow::contentsPage());
  EXPECT_EQ(browser->documentTitle(), QStringLiteral("Indhold"));

  QPushButton* back = button(window, QStringLiteral("&Tilbage"));
  QPushButton* contents = button(window, QStringLiteral("&Indhold"));
  ASSERT_NE(back, nullptr);
  ASSERT_NE(contents, nullptr);
  const QUrl windowPage(QStringLiteral("qrc:/help/vinduet.html"));
  browser->setSource(windowPage);
  browser->setSource(QUrl(QStringLiteral("qrc:/help/tegn-trae.html")));
  back->click();
  EXPECT_EQ(browser->source(), windowPage);
  contents->click();
  EXPECT_EQ(browser->source(), HelpWindow::contentsPage());
  browser->setSource(windowPage);
  window.showContents();
  EXPECT_EQ(browser->source(), HelpWindow::contentsPage());
}

TEST(HelpWindow, CanBeUsedWhileAModalQuestionIsOpen) {
  test::qtApp();
  HelpWindow window;
  QDialog question;
  question.setWindowModality(Qt::ApplicationModal);
  question.show();
  window.showContents();
  EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
  // The guide now stands above the question, so it is closed first.
  window.close();
  question.hide();
  window.showContents();
  EXPECT_EQ(window.windowModality(), Qt::NonModal);
  EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace kvistra::ui
