// The real main window and its dialogs, driven as a person drives them.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "MainWindowFixture.h"
#include "tree/Dialogs.h"
#include "tree/TreeState.h"
#include "ui/HelpWindow.h"
#include "ui/Inputhnd.h"
#include "ui/Ja_nej.h"
#include "ui/PaintBox.h"
#include "ui/Text.h"
#include "ui/Unit1.h"

using namespace kvistra;
using namespace kvistra::ui;
using kvistra::ui::testing::openMainWindow;
using enum kvistra::Command;

namespace {

// Runs action once the modal dialog is up.
void whenShown(QDialog* dialog, std::function<void()> action) {
  QTimer::singleShot(0, dialog, [dialog, action] {
    QTRY_VERIFY(dialog->isVisible());
    action();
  });
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    state = std::make_unique<TreeState>();
    form = openMainWindow(*state);
    QVERIFY(form);
    QTRY_COMPARE(form->windowTitle(), QString("   Kvistra   Version 100106"));
  }
  void cleanup() { form.reset(); }

  void startsWithOnlyMenusAndStartPicture() {
    QVERIFY(!form->Panel1->isVisible());
    QVERIFY(!form->Panel2->isVisible());
    QVERIFY(!form->Panel5->isVisible());
    QVERIFY(form->Image1->isVisible());
    QVERIFY(!form->Image1->pixmap().isNull());
    for (Command c : {Gem1, Udskriv, Klargrtr1, Beregninger1, Reducrtr1, Gendantr1})
      QVERIFY2(!form->action(c)->isEnabled(), qPrintable(form->action(c)->objectName()));
    for (Command c : {Hent1, Afslut1, Tegntret1, N2forgreninger1, Vejledning1, Omprogrammet1})
      QVERIFY2(form->action(c)->isEnabled(), qPrintable(form->action(c)->objectName()));
    QCOMPARE(state->lineTextHeight, QFontMetrics(form->PaintBox1->font()).height() + 2);
    // The picture goes after three seconds.
    QTRY_VERIFY_WITH_TIMEOUT(!form->Image1->isVisible(), 4000);
  }

  void menusCarryTheirCaptions() {
    QStringList captions;
    for (QAction* a : form->menuBar()->actions()) captions << a->text();
    QCOMPARE(captions, QStringList({"&Filer", "Rediger", "&Tegn træet", "&Klargør træ",
                                    "&Beregninger", "&Hjælp"}));
    QCOMPARE(form->action(Udskriv)->shortcut(), QKeySequence("Ctrl+P"));
    QCOMPARE(form->action(Stchancerp1)->text(), QString("Sæt chancer på første grene"));
    QCOMPARE(form->action(Reducrtr1)->text(), QString("&Reducér træ"));
    QCOMPARE(form->button(SpeedButton9)->toolTip(), QString("Navn eller overskrift til udskrift "));
    QCOMPARE(form->button(SpeedButton4)->accessibleName(), QString("Hændelse"));
    QStringList copyItems;
    for (QAction* a : form->PopupMenu1->actions()) copyItems << a->text();
    QCOMPARE(copyItems,
             QStringList({"Kopier træet til Klippebordet", "Kopier resultater til Klippebordet",
                          "Kopier forklaring til Klippebordet"}));
    QCOMPARE(form->button(SpeedButton8)->geometry(), QRect(10, 6, 33, 33));
    QCOMPARE(form->button(SpeedButton7)->geometry(), QRect(368, 6, 33, 33));
  }

  void buildsAThreeByThreeByThreeTreeThroughMenuAndButtons() {
    QMenu* drawMenu = form->menu(Tegntret1);
    drawMenu->popup(form->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(drawMenu->isVisible());
    QCOMPARE(form->windowTitle(), QString("   Kvistra    Version 100106"));
    QVERIFY(!form->Image1->isVisible());
    QTest::keyClick(drawMenu, Qt::Key_3);
    QTRY_VERIFY(form->Panel5->isVisible());

    QCOMPARE(form->windowTitle(), QString("   Kvistra   "));
    QVERIFY(form->Panel1->isVisible());
    QVERIFY(form->Panel2->isVisible());
    QCOMPARE(form->Label1->text(), QString("Antal grene i 1. forgrening:"));
    for (Command c : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5,
                      SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton10})
      QVERIFY(!form->button(c)->isEnabled());
    QVERIFY(form->button(SpeedButton9)->isEnabled());

    QTest::mouseClick(form->button(f3), Qt::LeftButton);
    QCOMPARE(form->Label1->text(), QString("Antal grene i 2. forgrening:"));
    QVERIFY(form->button(f4)->isEnabled());
    QVERIFY(!form->button(f5)->isEnabled());
    QTest::mouseClick(form->button(f3), Qt::LeftButton);
    QVERIFY(!form->button(f4)->isEnabled());
    QVERIFY(form->button(f3)->isEnabled());
    QTest::mouseClick(form->button(f3), Qt::LeftButton);

    QTRY_VERIFY(!form->Panel5->isVisible());
    QVERIFY(state->treeComplete);
    QCOMPARE(state->levelNodeCount, 27);
    QVERIFY(form->menu(Klargrtr1)->menuAction()->isEnabled());
    QVERIFY(form->action(Stchancerp1)->isEnabled());
    QVERIFY(!form->action(Kopiersandsynligheder1)->isEnabled());
    QVERIFY(!form->action(Indtastsandsynligheder1)->isEnabled());
    QVERIFY(!form->action(Beregninger1)->isEnabled());
    QVERIFY(!form->action(Udskriv)->isEnabled());

    // The full drawing reaches the screen: the leaf line of outcome 27 is black.
    const QImage shown = form->PaintBox1->grab().toImage();
    const Gren_Info& last = state->node(3, 27);
    QCOMPARE(QColor(shown.pixel(50 + last.x + 50, last.y)), QColor(Qt::black));
  }

  void promptFiltersKeysAndCutsNames() {
    TForm2* prompt = form->Form2;
    struct Case {
      QString typed;
      int toolMode;
      QString answer;
    };
    const Case cases[] = {
        {"a1", 1, "a1"},
        {"ab", 1, "a"},
        {"A12", 1, "A1"},
        {"A1B2", 0, "A1B2"},
        {"A1 * +B2", 0, "A1B2"},  // blank, star and plus are dropped as typed
        {"(a1,æ)-2..5", 0, "(a1,æ)-2..5"},
    };
    for (const auto& c : cases) {
      whenShown(prompt, [&] {
        QTest::keyClicks(prompt->Edit1, c.typed);
        QTest::keyClick(prompt->Edit1, Qt::Key_Return);
      });
      const PromptReply reply = prompt->ask(QString("Hændelse ?  "), c.toolMode);
      QCOMPARE(toQt(reply.text), c.answer);
      QCOMPARE(reply.closedBy, PromptClose::Ok);
    }
  }

  void promptCorrectionsAndCancelling() {
    TForm2* prompt = form->Form2;
    whenShown(prompt, [&] {
      QTest::keyClicks(prompt->Edit1, "A2");
      QTest::keyClick(prompt->Edit1, Qt::Key_Backspace);
      QTest::keyClicks(prompt->Edit1, "1");
      QTest::mouseClick(prompt->OKBtn, Qt::LeftButton);
    });
    QCOMPARE(toQt(prompt->ask("Hændelse ?  ", 0).text), QString("A1"));

    whenShown(prompt, [&] {
      QTest::keyClicks(prompt->Edit1, "A1");
      QTest::keyClick(prompt->Edit1, Qt::Key_Escape);
    });
    TreeState s;
    applyPromptReply(s, prompt->ask("Hændelse ?  ", 0));
    QVERIFY(s.cancelled);
    QVERIFY(s.promptText.empty());

    whenShown(prompt, [&] {
      QTest::keyClicks(prompt->Edit1, "ab");
      prompt->close();  // the close box
    });
    s.toolMode = 1;
    applyPromptReply(s, prompt->ask("Nyt navn ?  ", 1));
    QCOMPARE(QString::fromStdString(s.promptText), QString("ab"));  // no cut by the close box
  }

  void yesNoBoxAnswers() {
    TJN_box* box = form->JN_box;
    whenShown(box, [&] { QTest::keyClick(box->OKBtn, Qt::Key_Return); });
    QVERIFY(box->ask("Er du sikker?", " ", 317));
    whenShown(box, [&] { QTest::keyClick(box, Qt::Key_Escape); });
    QVERIFY(!box->ask("Er du sikker?", " ", 317));
    whenShown(box, [&] { QTest::mouseClick(box->CancelBtn, Qt::LeftButton); });
    QVERIFY(!box->ask("Slet linje?", "A1", 400));
    QCOMPARE(box->width(), 400);
  }

  void helpOpensAtItsContentsFromMenuKeyAndPrompt() {
    const auto helpShown = [this] {
      auto* help = form->findChild<HelpWindow*>();
      return help && help->isVisible() &&
             help->findChild<QTextBrowser*>()->source() == HelpWindow::contentsPage();
    };
    form->action(Vejledning1)->trigger();
    QTRY_VERIFY(helpShown());
    form->findChild<HelpWindow*>()->close();

    QTest::keyClick(form.get(), Qt::Key_F1);
    QTRY_VERIFY(helpShown());
    form->findChild<HelpWindow*>()->close();

    TForm2* prompt = form->Form2;
    whenShown(prompt, [&] {
      QTest::keyClick(prompt->Edit1, Qt::Key_F1);
      QTRY_VERIFY(helpShown());
      form->findChild<HelpWindow*>()->close();
      QTest::keyClick(prompt->Edit1, Qt::Key_Escape);
    });
    prompt->ask("Hændelse ?  ", 0);
  }

  void everyControlHasAnAccessibleName() {
    for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
      if (!b->objectName().startsWith("qt_"))  // Qt's own menu bar overflow button
        QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
    for (QMenu* m : form->menuBar()->findChildren<QMenu*>())
      for (QAction* a : m->actions())
        if (!a->isSeparator()) QVERIFY2(!a->text().isEmpty(), qPrintable(a->objectName()));
  }

 private:
  std::unique_ptr<TreeState> state;
  std::unique_ptr<TForm1> form;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
