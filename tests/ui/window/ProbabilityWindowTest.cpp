// Entering and copying probabilities in the real window: the dialog, its messages and
// questions, and a tree walked from construction to completion.
#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "tree/Layout.h"
#include "tree/TreeState.h"
#include "ui/Dialogs.h"
#include "ui/DrawingArea.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/ProbabilityDialog.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

class ProbabilityWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void dialogTakesOnlyNumbersAndACommaAsPoint() {
    ProbabilityDialog* dialog = &form->dialogs().probability();
    QCOMPARE(dialog->windowTitle(), QString("   Input sandsynlighed"));
    QCOMPARE(child<QLabel>(*dialog, "fieldCaption")->text(), QString("Sandsynligheden:"));
    QCOMPARE(child<QLabel>(*dialog, "fractionHint")->text(), QString("(brøker som :  1/6  )"));
    QCOMPARE(child<QPushButton>(*dialog, "okButton")->text(), QString("OK"));
    QCOMPARE(child<QPushButton>(*dialog, "cancelButton")->text(), QString("Fortryd"));
    QCOMPARE(child<QLineEdit>(*dialog, "probabilityField")->width(), 81);
    const std::pair<QString, QString> cases[] = {
        {"0,5", "0.5"}, {"1/6", "1/6"}, {"a1b.2 -e", "1.2"}, {"2,5/3", "2.5/3"}, {"½0x", "0"},
    };
    for (const auto& [typed, shown] : cases) {
      QString seen;
      DialogScript script(
          {{"probabilityDialog", [&](QDialog*) {
              child<QLineEdit>(*dialog, "probabilityField")->clear();
              QTest::keyClicks(child<QLineEdit>(*dialog, "probabilityField"), typed);
              seen = child<QLineEdit>(*dialog, "probabilityField")->text();
              QTest::keyClick(child<QLineEdit>(*dialog, "probabilityField"), Qt::Key_Enter);
              return QString();
            }}});
      const ProbabilityReply reply = dialog->ask("A1");
      QVERIFY(script.finished());
      QCOMPARE(seen, shown);
      QCOMPARE(QString::fromStdString(reply.text), shown);
      QVERIFY(!reply.cancelled);
    }
  }

  void dialogKeepsTheEntrySelectedAndCancelsOnlyByFortryd() {
    ProbabilityDialog* dialog = &form->dialogs().probability();
    QString selected;
    QPoint place;
    DialogScript script({typeProbability("0.3"),
                         {"probabilityDialog",
                          [&](QDialog*) {
                            selected =
                                child<QLineEdit>(*dialog, "probabilityField")->selectedText();
                            place = dialog->pos();
                            QTest::keyClicks(child<QLineEdit>(*dialog, "probabilityField"), "7");
                            QTest::keyClick(dialog, Qt::Key_Escape);
                            return QString();
                          }},
                         {"probabilityDialog",
                          [&](QDialog*) {
                            dialog->close();  // the close box reads the field
                            return QString();
                          }},
                         pressFortryd()});
    QCOMPARE(QString::fromStdString(dialog->ask("A1").text), QString("0.3"));
    QVERIFY(dialog->ask("A1").cancelled);
    QCOMPARE(selected, QString("0.3"));
    QCOMPARE(place, QPoint(10, form->height() - 120));
    const ProbabilityReply closed = dialog->ask("A1");
    QVERIFY(!closed.cancelled);
    QCOMPARE(QString::fromStdString(closed.text), QString("7"));
    QVERIFY(dialog->ask("A1").cancelled);
    QVERIFY2(script.finished(), qPrintable(script.faults()));
  }

  void f1InTheFieldOpensHelp() {
    ProbabilityDialog* dialog = &form->dialogs().probability();
    bool helpShown = false;
    DialogScript script(
        {{"probabilityDialog", [&](QDialog*) {
            QTest::keyClick(child<QLineEdit>(*dialog, "probabilityField"), Qt::Key_F1);
            auto* help = form->findChild<HelpWindow*>();
            helpShown = help && help->isVisible();
            if (help) help->close();
            QTest::keyClick(child<QLineEdit>(*dialog, "probabilityField"), Qt::Key_Escape);
            return QString();
          }}});
    dialog->ask("A1");
    QVERIFY2(script.finished(), qPrintable(script.faults()));
    QVERIFY(helpShown);
  }

  void walksATreeFromConstructionToCompletion() {
    form->action(NewTwoBranchingTree)->trigger();
    QTest::mouseClick(form->button(branchCountButton(3)), Qt::LeftButton);
    QTest::mouseClick(form->button(branchCountButton(2)), Qt::LeftButton);
    QVERIFY(state->tree.complete);
    {
      DialogScript script(
          {typeProbability("0,25"), typeProbability("1/6"), typeProbability("0.4")});
      form->action(SetFirstProbabilities)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->tree.branch(1, 2).typedText, "1/6");
    QCOMPARE(state->tree.branch(1, 3).typedText, "0.5833");
    QVERIFY(!form->action(SetFirstProbabilities)->isEnabled());
    QVERIFY(!form->button(CopyAcrossButton)->isEnabled());
    QVERIFY(form->button(CopyDownButton)->isEnabled());
    QVERIFY(form->action(CopyDown)->isEnabled());
    QVERIFY(form->button(EnterProbabilitiesButton)->isEnabled());

    QTest::mouseClick(form->button(CopyDownButton), Qt::LeftButton);
    QVERIFY(!state->input.allProbabilitiesEntered);
    form->action(CopyDown)->trigger();
    QVERIFY(state->input.allProbabilitiesEntered);

    for (Control c : {Print, CalculationsMenu, ReduceTree, Save, EventButton, ReduceButton,
                      ClearResultsButton, PrintButton, PrintHeadingButton, CopyMenuButton})
      QVERIFY2(form->action(c) ? form->action(c)->isEnabled() : form->button(c)->isEnabled(),
               qPrintable(QString::number(static_cast<int>(c))));
    for (Control c : {SetFirstProbabilities, CopyAcross, CopyDown, EnterProbabilities})
      QVERIFY(!form->action(c)->isEnabled());
    for (Control c : {CopyAcrossButton, CopyDownButton, EnterProbabilitiesButton, RestoreButton})
      QVERIFY(!form->button(c)->isEnabled());

    // Every value reaches the screen: the place of the last leaf's probability is not blank.
    QTRY_VERIFY(hasInk(state->tree.branch(2, 6)));
    QVERIFY(hasInk(state->tree.branch(1, 3)));

    // A new tree cannot be saved until its own probabilities are complete.
    {
      DialogScript script({answerSaveChanges("Gem ikke")});
      form->action(NewThreeBranchingTree)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QVERIFY(!form->action(Save)->isEnabled());
    QTest::mouseClick(form->button(branchCountButton(2)), Qt::LeftButton);
    QVERIFY(!form->action(Save)->isEnabled());
  }

  void messagesAndQuestionsInTheirOwnWords() {
    form->action(NewTwoBranchingTree)->trigger();
    QTest::mouseClick(form->button(branchCountButton(3)), Qt::LeftButton);
    QTest::mouseClick(form->button(branchCountButton(3)), Qt::LeftButton);
    const QString sum = "Sandsynlighederne skal give summen 1 !";
    {
      DialogScript script({
          typeProbability("3/2"),
          acknowledgeMessage("Indtast en sandsynlighed !"),
          typeProbability("0.6"),
          typeProbability("0.5"),
          acknowledgeMessage(sum),
          typeProbability("1"),
          acknowledgeMessage(sum),  // a 1 after 0.6 would leave the last branch at -0.6
          typeProbability(""),
          answerYesNo("Skal sandsynligheden være 0.000 ?", false),
          typeProbability("0.3"),
      });
      form->action(SetFirstProbabilities)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->tree.branch(1, 3).typedText, "0.1000");
    {
      DialogScript script({
          typeProbability("1/1"),
          answerYesNo("Skal sandsynligheden være 1.000 ?", true),
          typeProbability("0/5"),
          answerYesNo("Skal sandsynligheden være 0.000 ?", true),
      });
      QTest::mouseClick(form->button(EnterProbabilitiesButton), Qt::LeftButton);
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->tree.branch(2, 3).probability, 0.0);
    QCOMPARE(state->input.currentSlot, 3);

    // "Fortryd" in the middle of a group clears every probability of the tree.
    {
      DialogScript script({typeProbability("0.2"), pressFortryd()});
      form->action(EnterProbabilities)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    for (int level = 1; level <= 2; ++level)
      for (int slot = 1; slot <= state->tree.branch(level, 1).levelNodeCount; ++slot)
        QVERIFY(!state->tree.branch(level, slot).probabilityEntered);
    QCOMPARE(state->input.currentSlot, 3);
    QVERIFY(form->action(SetFirstProbabilities)->isEnabled());
    QTRY_VERIFY(!hasInk(state->tree.branch(1, 1)));
  }

 private:
  // Whether anything is drawn where branch's probability is written.
  bool hasInk(const Branch& branch) {
    const QImage shown = child<DrawingArea>(*form, "drawingArea")->grab().toImage();
    const QRect place(ScreenOffsetX + branch.probabilityX, branch.y - state->textLift, 40,
                      state->textLift - 2);
    for (int y = place.top(); y <= place.bottom(); ++y)
      for (int x = place.left(); x <= place.right(); ++x)
        if (QColor(shown.pixel(x, y)) != QColor(Qt::white)) return true;
    return false;
  }
};

QTEST_MAIN(ProbabilityWindowTest)
#include "ProbabilityWindowTest.moc"
