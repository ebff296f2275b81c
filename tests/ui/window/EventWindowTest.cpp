// Events, the results pane and a reduction in the real window: one walk as a person makes it,
// answering the prompt, the approve box and the questions as they come.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "ui/ApproveResultDialog.h"
#include "ui/DrawingArea.h"
#include "ui/MainWindow.h"
#include "ui/ResultsPane.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

namespace {

DialogStep askEvent(const QString& text) {
  return answerPrompt("Hændelse ?  ", text);
}

// Checks the approve box's line and presses buttons by name; "close" uses its close box.
DialogStep approveBox(const QString& line, QStringList buttons) {
  return {"approveResultDialog", [line, buttons](QDialog* d) {
            const QString wrong = mismatch("line", child<QLabel>(*d, "resultLine")->text(), line);
            for (const QString& name : buttons) {
              if (name == "close")
                d->close();
              else
                QTest::mouseClick(child<QToolButton>(*d, qPrintable(name)), Qt::LeftButton);
            }
            return wrong;
          }};
}

DialogStep acknowledge(const QString& text) {
  return {"message", [text](QDialog* d) {
            auto* box = static_cast<QMessageBox*>(d);
            box->button(QMessageBox::Ok)->click();
            return mismatch("message", box->text(), text);
          }};
}

}  // namespace

class EventWindowTest : public WindowTest {
  Q_OBJECT

 private:
  void windowOpened() override { pane = child<ResultsPane>(*form, "resultsList"); }

 private slots:
  void walksEventsResultsAReductionAndARestore() {
    // A low window, so that the results list scrolls.
    form->showNormal();
    form->resize(800, 420);
    buildHalfTree();

    // H in the main window; the box's copy puts the marked tree with its line on the clipboard.
    play({askEvent("a1"),
          {"approveResultDialog",
           [this](QDialog* d) {
             const QString wrong = checkApproveBox(d);
             QTest::mouseClick(child<QToolButton>(*d, "copyButton"), Qt::LeftButton);
             QTest::mouseClick(child<QToolButton>(*d, "approveButton"), Qt::LeftButton);
             return wrong;
           }}},
         [this] { QTest::keyClick(form.get(), 'h'); });
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), child<DrawingArea>(*form, "drawingArea")->viewSize());
    QCOMPARE(lastPaneLine(), QString(" A1                0.5000"));

    // A list long enough to scroll; rows added by the toolbar and the menu come last.
    for (int i = 1; i <= 24; ++i) state->results.rows[i] = {"1..", "1.0000"};
    state->results.count = 24;
    play({askEvent("A1B2"), approveBox("Hændelse : A1B2: 0.2500 = 1/4", {"approveButton"})},
         [this] { QTest::mouseClick(form->button(EventButton), Qt::LeftButton); });
    play({askEvent("-a1"), approveBox("Hændelse : -A1: 0.5000 = 1/2", {"approveButton"})},
         [this] { form->action(AskEvent)->trigger(); });
    QCOMPARE(state->results.count, 26);
    QVERIFY(pane->verticalScrollBar()->value() > 0);
    // A row's tip tells its value as a fraction.
    QHelpEvent tip(QEvent::ToolTip, rowPlace(25), pane->viewport()->mapToGlobal(rowPlace(25)));
    QApplication::sendEvent(pane->viewport(), &tip);
    QCOMPARE(QToolTip::text(), QString("A1B2: 0.2500 = 1/4"));

    // A click re-evaluates the row under the pointer; the close box drops the result.
    play({approveBox("Hændelse : A1B2   : 0.2500 = 1/4", {"close"})},
         [this] { QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, rowPlace(25)); });
    QCOMPARE(state->results.count, 26);

    // Text selected in a row, then Delete, deletes the row after a question; dragged over a
    // second time, the selected text is not dragged away and the row is still picked.
    play({{"yesNoDialog",
           [](QDialog* d) {
             const QString wrong = mismatch("question", child<QLabel>(*d, "firstLine")->text(),
                                            "Linien \"A1B2  0.2500\"  er udpeget.") +
                                   mismatch("second line", child<QLabel>(*d, "secondLine")->text(),
                                            " Skal den slettes?");
             QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
             return wrong;
           }}},
         [this] {
           const QPoint from = rowPlace(25) - QPoint(rowPlace(25).x() - 12, 0);
           for (int drag = 0; drag < 2; ++drag) {
             QTest::mousePress(pane->viewport(), Qt::LeftButton, {}, from);
             QTest::mouseMove(pane->viewport(), from + QPoint(20, 0));
             QTest::mouseRelease(pane->viewport(), Qt::LeftButton, {}, from + QPoint(20, 0));
           }
           QTest::keyClick(pane, Qt::Key_Delete);
         });
    QCOMPARE(state->results.count, 25);
    QCOMPARE(lastPaneLine(), QString(" -A1               0.5000"));

    // A reduction of probability 0 is refused and the prompt asked again; a "+" typed is
    // refused with a word why.
    play({answerPrompt("Reduktionshændelse ?  ", "A1B1"),
          acknowledge("Reducering nægtet (sandsynligheden er 0)."),
          answerPrompt("Reduktionshændelse ?  ", "a1+")},
         [this] { form->action(ReduceTree)->trigger(); });
    QCOMPARE(child<QLabel>(*form, "refusedHint")->accessibleName(),
             QString("Skriv »eller« med komma: R1,R2"));
    QCOMPARE(lastPaneLine(), QString(" Reduc: A1         0.5000"));
    QCOMPARE(child<QLabel>(*form, "reductionEventLabel")->text(), QString("Reduc: A1"));
    QCOMPARE(child<QLabel>(*form, "reductionProbabilityLabel")->text(),
             QString("Sands. på reduc. træ:0.5000"));
    QVERIFY(!form->action(ReduceTree)->isEnabled() && !form->button(ReduceButton)->isEnabled());
    QVERIFY(form->action(RestoreTree)->isEnabled() && form->button(RestoreButton)->isEnabled());

    // A click on the reduction's row evaluates nothing; an event is conditional on it, and the
    // box that shows it leaves the note in view.
    play({}, [this] { QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, rowPlace(26)); });
    play({askEvent("A2"), approveBox("Hændelse : A2: 0.5000 = 1/2", {"dropButton"})},
         [this] { QTest::keyClick(pane, 'H'); });
    const QWidget* note = child<QWidget>(*form, "reductionNote");
    QVERIFY(!child<QDialog>(*form, "approveResultDialog")
                 ->frameGeometry()
                 .intersects(QRect(note->mapToGlobal(QPoint()), note->size())));

    QTest::mouseClick(form->button(RestoreButton), Qt::LeftButton);
    QCOMPARE(lastPaneLine(), QString(" Træet er gendannet      "));
    QCOMPARE(child<QLabel>(*form, "reductionEventLabel")->text(), QString());
    QVERIFY(form->button(ReduceButton)->isEnabled() && !form->button(RestoreButton)->isEnabled());

    // The right button shows the row whole.
    play({{"resultLineDialog",
           [](QDialog* d) {
             const QString wrong =
                 mismatch("line", child<QPlainTextEdit>(*d, "resultLine")->toPlainText(),
                          "0.5000 = 1/2   -A1");
             QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
             return wrong;
           }}},
         [this] { QTest::mouseClick(pane->viewport(), Qt::RightButton, {}, rowPlace(25)); });

    QTest::mouseClick(form->button(ClearResultsButton), Qt::LeftButton);
    QCOMPARE(pane->toPlainText(), QString());

    // The copy menu pops up into the accessibility tree, named, its first item in focus.
    QTest::mouseClick(form->button(CopyMenuButton), Qt::LeftButton);
    QAccessibleInterface* menu =
        QAccessible::queryAccessibleInterface(child<QMenu>(*form, "copyMenu"));
    QCOMPARE(menu->text(QAccessible::Name), QString("Kopier til Klippebordet"));
    QVERIFY(menu->child(0)->state().focused);
    while (menu->parent() && menu->parent()->indexOfChild(menu) >= 0) menu = menu->parent();
    QCOMPARE(menu->object(), qApp);
  }

 private:
  // Runs a command while the script answers its dialogs.
  void play(std::deque<DialogStep> steps, const std::function<void()>& command) {
    DialogScript script(std::move(steps));
    command();
    QVERIFY2(script.finished(), qPrintable(script.faults()));
  }

  // A 2 x 2 tree with every probability 0.5.
  void buildHalfTree() {
    const QString built = buildTwoBranchingTree(*form, 2, 2, {typeProbability("0.5")});
    QVERIFY2(built.isEmpty(), qPrintable(built));
    form->action(CopyAcross)->trigger();
    form->action(CopyDown)->trigger();
    QVERIFY(form->action(AskEvent)->isEnabled());
  }

  QString checkApproveBox(QDialog* d) {
    QString wrong =
        mismatch("line", child<QLabel>(*d, "resultLine")->text(), "Hændelse : A1: 0.5000 = 1/2");
    // Below the buttons, how the value comes about; the box grows upwards to hold it.
    const QString working =
        "A1A2:  0.5 · 0.5 = 0.25\nA1B2:  0.5 · 0.5 = 0.25\n"
        "P(A1) = 0.25 + 0.25 = 0.5000";
    const auto* pane = child<QPlainTextEdit>(*d, "working");
    wrong += mismatch("working", pane->isVisible() ? pane->toPlainText() : QString(), working) +
             mismatch("working's name", pane->accessibleName(), "Udregning");
    QTest::mouseClick(child<QPushButton>(*d, "copyWorkingButton"), Qt::LeftButton);
    wrong += mismatch("copied working", QGuiApplication::clipboard()->text(), working + "\n");
    if (d->width() != 300 || d->pos() != QPoint(10, form->height() - 120 - (d->height() - 107)))
      wrong += " placed wrongly";
    if (!child<QToolButton>(*d, "printButton")->isEnabled()) wrong += " print disabled";
    QStringList hints;
    for (const char* name : {"approveButton", "printButton", "copyButton", "dropButton"})
      hints << child<QToolButton>(*d, name)->accessibleName();
    return wrong + mismatch("hints", hints.join('|'),
                            "Godkend og luk|Udskriv|Kopier træet til Klippebordet|"
                            "Fortryd denne hændelse");
  }

  // The middle of pane line k, where the pane shows it now.
  QPoint rowPlace(int k) const {
    QTextCursor cursor(pane->document()->findBlockByNumber(k));
    return pane->cursorRect(cursor).center() + QPoint(40, 0);
  }

  QString lastPaneLine() const { return pane->document()->lastBlock().text(); }

  ResultsPane* pane = nullptr;
};

QTEST_MAIN(EventWindowTest)
#include "EventWindowTest.moc"
