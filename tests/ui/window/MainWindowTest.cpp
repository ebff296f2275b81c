// The real main window and its dialogs, driven as a person drives them.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "MainWindowFixture.h"
#include "host/Questions.h"
#include "tree/Layout.h"
#include "tree/TreeState.h"
#include "ui/AboutDialog.h"
#include "ui/ApproveResultDialog.h"
#include "ui/BranchNamesDialog.h"
#include "ui/DialogLook.h"
#include "ui/Dialogs.h"
#include "ui/DrawingArea.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/PrintHeadingDialog.h"
#include "ui/ProbabilityDialog.h"
#include "ui/PromptDialog.h"
#include "ui/ResultLineDialog.h"
#include "ui/TextConversion.h"
#include "ui/VariableDialog.h"
#include "ui/YesNoDialog.h"

using namespace kvistra;
using namespace kvistra::ui;
using kvistra::ui::testing::child;
using kvistra::ui::testing::WindowTest;
using enum kvistra::Control;

namespace {

// Runs action once the modal dialog is up.
void whenShown(QDialog* dialog, std::function<void()> action) {
  QTimer::singleShot(0, dialog, [dialog, action] {
    QTRY_VERIFY(dialog->isVisible());
    action();
  });
}

}  // namespace

class MainWindowTest : public WindowTest {
  Q_OBJECT

 private:
  void windowOpened() override {
    QTRY_COMPARE(form->windowTitle(), QString("   Kvistra   Version 100106"));
  }

 private slots:
  void startsWithOnlyMenusAndStartPicture() {
    QVERIFY(!child<QWidget>(*form, "toolbar")->isVisible());
    QVERIFY(!child<QWidget>(*form, "sidePane")->isVisible());
    QVERIFY(!child<QWidget>(*form, "branchCountBar")->isVisible());
    QVERIFY(child<QLabel>(*form, "startPicture")->isVisible());
    QVERIFY(!child<QLabel>(*form, "startPicture")->pixmap().isNull());
    for (Control c : {Save, Print, PrepareTreeMenu, CalculationsMenu, ReduceTree, RestoreTree})
      QVERIFY2(!form->action(c)->isEnabled(), qPrintable(form->action(c)->objectName()));
    for (Control c : {Open, Quit, DrawTreeMenu, NewTwoBranchingTree, HelpContents, About})
      QVERIFY2(form->action(c)->isEnabled(), qPrintable(form->action(c)->objectName()));
    // The picture goes after three seconds.
    QTRY_VERIFY_WITH_TIMEOUT(!child<QLabel>(*form, "startPicture")->isVisible(), 4000);
    // The drawing font is measured by the first command, before it can draw a tree.
    form->action(NewTwoBranchingTree)->trigger();
    QCOMPARE(state->textLift,
             QFontMetrics(child<DrawingArea>(*form, "drawingArea")->font()).height() + 2);
  }

  void windowFillsTheWorkAreaFrameIncluded() {
    const QRect workArea = form->screen()->availableGeometry();
    QTRY_VERIFY(workArea.contains(form->frameGeometry()));
    QCOMPARE(form->frameGeometry().size(), workArea.size());
  }

  void menusCarryTheirCaptions() {
    QStringList captions;
    for (QAction* a : form->menuBar()->actions())
      if (a->isVisible()) captions << a->text();
    QCOMPARE(captions, QStringList({"&Filer", "&Rediger", "&Tegn træet", "&Klargør træ",
                                    "&Beregninger", "&Vis", "&Hjælp"}));
    QCOMPARE(form->action(Print)->shortcut(), QKeySequence("Ctrl+P"));
    QCOMPARE(form->action(SetFirstProbabilities)->text(), QString("Sæt chancer på første grene"));
    QCOMPARE(form->action(ReduceTree)->text(), QString("&Reducér træ"));
    QCOMPARE(form->button(PrintHeadingButton)->toolTip(),
             QString("Navn eller overskrift til udskrift "));
    QCOMPARE(form->button(EventButton)->accessibleName(), QString("Hændelse"));
    QStringList copyItems;
    for (QAction* a : child<QMenu>(*form, "copyMenu")->actions()) copyItems << a->text();
    QCOMPARE(copyItems,
             QStringList({"Kopier træet til Klippebordet", "Kopier resultater til Klippebordet",
                          "Kopier forklaring til Klippebordet", "Kopier træet (beskåret)"}));
    QCOMPARE(form->button(PrintButton)->geometry(), QRect(10, 6, 33, 33));
    QCOMPARE(form->button(ClearResultsButton)->geometry(), QRect(368, 6, 33, 33));
  }

  void buildsAThreeByThreeByThreeTreeThroughMenuAndButtons() {
    QMenu* drawMenu = form->menu(DrawTreeMenu);
    drawMenu->popup(form->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(drawMenu->isVisible());
    QCOMPARE(form->windowTitle(), QString("   Kvistra    Version 100106"));
    QVERIFY(!child<QLabel>(*form, "startPicture")->isVisible());
    QTest::keyClick(drawMenu, Qt::Key_3);
    QTRY_VERIFY(child<QWidget>(*form, "branchCountBar")->isVisible());

    QCOMPARE(form->windowTitle(), QString("   Kvistra   "));
    QVERIFY(child<QWidget>(*form, "toolbar")->isVisible());
    QVERIFY(child<QWidget>(*form, "sidePane")->isVisible());
    // The bars and panes take their fonts when first shown.
    QCOMPARE(child<QLabel>(*form, "branchCountLabel")->font(), dialogFont(16, false));
    QCOMPARE(child<QPlainTextEdit>(*form, "resultsList")->font(), dialogFont(16, true));
    QCOMPARE(child<QLabel>(*form, "branchCountLabel")->text(),
             QString("Antal grene i 1. forgrening:"));
    for (Control c : {CopyAcrossButton, CopyDownButton, EnterProbabilitiesButton, EventButton,
                      ReduceButton, RestoreButton, ClearResultsButton, PrintButton, CopyMenuButton})
      QVERIFY(!form->button(c)->isEnabled());
    QVERIFY(form->button(PrintHeadingButton)->isEnabled());

    QTest::mouseClick(form->button(branchCountButton(3)), Qt::LeftButton);
    QCOMPARE(child<QLabel>(*form, "branchCountLabel")->text(),
             QString("Antal grene i 2. forgrening:"));
    QVERIFY(form->button(branchCountButton(4))->isEnabled());
    QVERIFY(!form->button(branchCountButton(5))->isEnabled());
    QTest::mouseClick(form->button(branchCountButton(3)), Qt::LeftButton);
    QVERIFY(!form->button(branchCountButton(4))->isEnabled());
    QVERIFY(form->button(branchCountButton(3))->isEnabled());
    QTest::mouseClick(form->button(branchCountButton(3)), Qt::LeftButton);

    QTRY_VERIFY(!child<QWidget>(*form, "branchCountBar")->isVisible());
    QVERIFY(state->tree.complete);
    QCOMPARE(state->tree.leafCount, 27);
    QVERIFY(form->menu(PrepareTreeMenu)->menuAction()->isEnabled());
    QVERIFY(form->action(SetFirstProbabilities)->isEnabled());
    QVERIFY(!form->action(CopyAcross)->isEnabled());
    QVERIFY(!form->action(EnterProbabilities)->isEnabled());
    QVERIFY(!form->action(CalculationsMenu)->isEnabled());
    QVERIFY(!form->action(Print)->isEnabled());

    // The full drawing reaches the screen, and no name written above a leaf's line breaks the
    // line of the leaf above it: every pixel of every leaf line is black.
    auto* drawing = child<DrawingArea>(*form, "drawingArea");
    QTRY_COMPARE(QColor(drawing->picture().pixel(ScreenOffsetX + state->tree.leaf(27).x + 50,
                                                 state->tree.leaf(27).y)),
                 QColor(Qt::black));
    const QImage shown = drawing->grab().toImage();
    for (int k = 1; k <= 27; ++k) {
      const Branch& leaf = state->tree.leaf(k);
      const int left = ScreenOffsetX + leaf.x;
      int broken = 0;
      for (int x = left; x < left + LevelPitch; ++x)
        broken += QColor(shown.pixel(x, leaf.y)) != QColor(Qt::black);
      QVERIFY2(broken == 0, qPrintable(QString("leaf %1: %2 pixels not black").arg(k).arg(broken)));
    }
  }

  void promptFiltersKeysAndCutsNames() {
    PromptDialog* prompt = &form->dialogs().prompt();
    using enum ToolMode;
    struct Case {
      QString typed;
      ToolMode toolMode;
      QString answer;
    };
    const Case cases[] = {
        {"a1", EditValue, "a1"},
        {"ab", EditValue, "a"},
        {"A12", ReplaceLetter, "A1"},
        {"A1B2", None, "A1B2"},
        {"A1 * +B2", None, "A1B2"},  // blank, star and plus are dropped as typed
        {"(a1,æ)-2..5", None, "(a1,æ)-2..5"},
    };
    for (const auto& c : cases) {
      whenShown(prompt, [&] {
        QTest::keyClicks(child<QLineEdit>(*prompt, "answerField"), c.typed);
        QTest::keyClick(child<QLineEdit>(*prompt, "answerField"), Qt::Key_Return);
      });
      const PromptReply reply = prompt->ask(QString("Hændelse ?  "), c.toolMode);
      QCOMPARE(toQt(reply.text), c.answer);
      QCOMPARE(reply.closedBy, PromptClose::Ok);
    }
  }

  void promptCorrectionsAndCancelling() {
    PromptDialog* prompt = &form->dialogs().prompt();
    whenShown(prompt, [&] {
      QTest::keyClicks(child<QLineEdit>(*prompt, "answerField"), "A2");
      QTest::keyClick(child<QLineEdit>(*prompt, "answerField"), Qt::Key_Backspace);
      QTest::keyClicks(child<QLineEdit>(*prompt, "answerField"), "1");
      QTest::mouseClick(child<QPushButton>(*prompt, "okButton"), Qt::LeftButton);
    });
    QCOMPARE(toQt(prompt->ask("Hændelse ?  ", ToolMode::None).text), QString("A1"));

    whenShown(prompt, [&] {
      QTest::keyClicks(child<QLineEdit>(*prompt, "answerField"), "A1");
      QTest::keyClick(child<QLineEdit>(*prompt, "answerField"), Qt::Key_Escape);
    });
    QVERIFY(!promptAnswer(prompt->ask("Hændelse ?  ", ToolMode::None), ToolMode::None));

    whenShown(prompt, [&] {
      QTest::keyClicks(child<QLineEdit>(*prompt, "answerField"), "ab");
      prompt->close();  // the close box
    });
    // The close box cancels, so no uncut word can become a name.
    const PromptReply closed = prompt->ask("Nyt navn ?  ", ToolMode::ReplaceLetter);
    QCOMPARE(closed.closedBy, PromptClose::CloseBox);
    QVERIFY(!promptAnswer(closed, ToolMode::ReplaceLetter));
  }

  void yesNoBoxAnswers() {
    YesNoDialog* box = &form->dialogs().yesNo();
    whenShown(box, [&] { QTest::keyClick(child<QPushButton>(*box, "okButton"), Qt::Key_Return); });
    QVERIFY(box->ask("Er du sikker?", " ", 317));
    whenShown(box, [&] { QTest::keyClick(box, Qt::Key_Escape); });
    QVERIFY(!box->ask("Er du sikker?", " ", 317));
    whenShown(box,
              [&] { QTest::mouseClick(child<QPushButton>(*box, "cancelButton"), Qt::LeftButton); });
    QVERIFY(!box->ask("Slet linje?", "A1", 400));
    QCOMPARE(box->width(), 400);
  }

  void helpOpensAtItsContentsFromMenuKeyAndPrompt() {
    const auto helpShown = [this] {
      auto* help = form->findChild<HelpWindow*>();
      return help && help->isVisible() &&
             help->findChild<QTextBrowser*>()->source() == HelpWindow::contentsPage();
    };
    form->action(HelpContents)->trigger();
    QTRY_VERIFY(helpShown());
    form->findChild<HelpWindow*>()->close();

    QTest::keyClick(form.get(), Qt::Key_F1);
    QTRY_VERIFY(helpShown());
    form->findChild<HelpWindow*>()->close();

    PromptDialog* prompt = &form->dialogs().prompt();
    whenShown(prompt, [&] {
      QTest::keyClick(child<QLineEdit>(*prompt, "answerField"), Qt::Key_F1);
      QTRY_VERIFY(helpShown());
      form->findChild<HelpWindow*>()->close();
      QTest::keyClick(child<QLineEdit>(*prompt, "answerField"), Qt::Key_Escape);
    });
    prompt->ask("Hændelse ?  ", ToolMode::None);
  }

  void everyControlHasAnAccessibleName() {
    // Every dialog made, so that their controls are checked too.
    Dialogs& dialogs = form->dialogs();
    QWidget* const made[] = {
        &dialogs.about(),       &dialogs.approveResult(), &dialogs.probability(),
        &dialogs.prompt(),      &dialogs.resultLine(),    &dialogs.yesNo(),
        &dialogs.branchNames(), &dialogs.printHeading(),  &dialogs.variable()};
    for (QWidget* dialog : made) QVERIFY(dialog);
    for (QWidget* control : form->findChildren<QWidget*>()) {
      const bool named = qobject_cast<QAbstractButton*>(control) ||
                         qobject_cast<QLineEdit*>(control) ||
                         qobject_cast<QPlainTextEdit*>(control);
      if (named && !control->objectName().startsWith("qt_"))  // Qt's own scroll and menu parts
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    for (QMenu* m : form->menuBar()->findChildren<QMenu*>())
      for (QAction* a : m->actions())
        if (!a->isSeparator()) QVERIFY2(!a->text().isEmpty(), qPrintable(a->objectName()));
  }

 private:
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
