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
#include "tree/TreeState.h"
#include "ui/HelpWindow.h"
#include "ui/Inputenh.h"
#include "ui/PaintBox.h"
#include "ui/Unit1.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Command;

class ProbabilityWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    state = std::make_unique<TreeState>();
    form = openMainWindow(*state);
    QVERIFY(form);
  }
  void cleanup() { form.reset(); }

  void dialogTakesOnlyNumbersAndACommaAsPoint() {
    TBtnBottomDlg* dialog = form->BtnBottomDlg;
    QCOMPARE(dialog->windowTitle(), QString("   Input sandsynlighed"));
    QCOMPARE(dialog->Label1->text(), QString("Sandsynligheden:"));
    QCOMPARE(dialog->Label2->text(), QString("(brøker som :  1/6  )"));
    QCOMPARE(dialog->OKBtn->text(), QString("OK"));
    QCOMPARE(dialog->CancelBtn->text(), QString("Fortryd"));
    QCOMPARE(dialog->Edit1->width(), 81);
    const std::pair<QString, QString> cases[] = {
        {"0,5", "0.5"}, {"1/6", "1/6"}, {"a1b.2 -e", "1.2"}, {"2,5/3", "2.5/3"}, {"½0x", "0"},
    };
    for (const auto& [typed, shown] : cases) {
      QString seen;
      DialogScript script({{"BtnBottomDlg", [&](QDialog*) {
                              dialog->Edit1->clear();
                              QTest::keyClicks(dialog->Edit1, typed);
                              seen = dialog->Edit1->text();
                              QTest::keyClick(dialog->Edit1, Qt::Key_Enter);
                              return QString();
                            }}});
      const ProbabilityReply reply = dialog->ask();
      QVERIFY(script.finished());
      QCOMPARE(seen, shown);
      QCOMPARE(QString::fromStdString(reply.text), shown);
      QVERIFY(!reply.cancelled);
    }
  }

  void dialogKeepsTheEntrySelectedAndCancelsOnlyByFortryd() {
    TBtnBottomDlg* dialog = form->BtnBottomDlg;
    QString selected;
    QPoint place;
    DialogScript script({typeProbability("0.3"),
                         {"BtnBottomDlg",
                          [&](QDialog*) {
                            selected = dialog->Edit1->selectedText();
                            place = dialog->pos();
                            QTest::keyClicks(dialog->Edit1, "7");
                            QTest::keyClick(dialog, Qt::Key_Escape);
                            return QString();
                          }},
                         {"BtnBottomDlg",
                          [&](QDialog*) {
                            dialog->close();  // the close box reads the field
                            return QString();
                          }},
                         pressFortryd()});
    QCOMPARE(QString::fromStdString(dialog->ask().text), QString("0.3"));
    QVERIFY(dialog->ask().cancelled);
    QCOMPARE(selected, QString("0.3"));
    QCOMPARE(place, QPoint(10, form->height() - 120));
    const ProbabilityReply closed = dialog->ask();
    QVERIFY(!closed.cancelled);
    QCOMPARE(QString::fromStdString(closed.text), QString("7"));
    QVERIFY(dialog->ask().cancelled);
    QVERIFY2(script.finished(), qPrintable(script.faults()));
  }

  void f1InTheFieldOpensHelp() {
    TBtnBottomDlg* dialog = form->BtnBottomDlg;
    bool helpShown = false;
    DialogScript script({{"BtnBottomDlg", [&](QDialog*) {
                            QTest::keyClick(dialog->Edit1, Qt::Key_F1);
                            auto* help = form->findChild<HelpWindow*>();
                            helpShown = help && help->isVisible();
                            if (help) help->close();
                            QTest::keyClick(dialog->Edit1, Qt::Key_Escape);
                            return QString();
                          }}});
    dialog->ask();
    QVERIFY2(script.finished(), qPrintable(script.faults()));
    QVERIFY(helpShown);
  }

  void walksATreeFromConstructionToCompletion() {
    form->action(N2forgreninger1)->trigger();
    QTest::mouseClick(form->button(f3), Qt::LeftButton);
    QTest::mouseClick(form->button(f2), Qt::LeftButton);
    QVERIFY(state->treeComplete);
    {
      DialogScript script(
          {typeProbability("0,25"), typeProbability("1/6"), typeProbability("0.4")});
      form->action(Stchancerp1)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->node(1, 2).enteredText, "1/6");
    QCOMPARE(state->node(1, 3).enteredText, "0.5833");
    QVERIFY(!form->action(Stchancerp1)->isEnabled());
    QVERIFY(!form->button(SpeedButton1)->isEnabled());
    QVERIFY(form->button(SpeedButton2)->isEnabled());
    QVERIFY(form->action(Kopiersandsynligheder2)->isEnabled());
    QVERIFY(form->button(SpeedButton3)->isEnabled());

    QTest::mouseClick(form->button(SpeedButton2), Qt::LeftButton);
    QVERIFY(!state->allEntered);
    form->action(Kopiersandsynligheder2)->trigger();
    QVERIFY(state->allEntered);

    for (Command c : {Udskriv, Beregninger1, Reducrtr1, Gem1, SpeedButton4, SpeedButton5,
                      SpeedButton7, SpeedButton8, SpeedButton9, SpeedButton10})
      QVERIFY2(form->action(c) ? form->action(c)->isEnabled() : form->button(c)->isEnabled(),
               qPrintable(QString::number(static_cast<int>(c))));
    for (Command c :
         {Stchancerp1, Kopiersandsynligheder1, Kopiersandsynligheder2, Indtastsandsynligheder1})
      QVERIFY(!form->action(c)->isEnabled());
    for (Command c : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton6})
      QVERIFY(!form->button(c)->isEnabled());

    // Every value reaches the screen: the place of the last leaf's probability is not blank.
    QTRY_VERIFY(hasInk(state->node(2, 6)));
    QVERIFY(hasInk(state->node(1, 3)));
  }

  void messagesAndQuestionsInTheirOwnWords() {
    form->action(N2forgreninger1)->trigger();
    QTest::mouseClick(form->button(f3), Qt::LeftButton);
    QTest::mouseClick(form->button(f3), Qt::LeftButton);
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
      form->action(Stchancerp1)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->node(1, 3).enteredText, "0.1000");
    {
      DialogScript script({
          typeProbability("1/1"),
          answerYesNo("Skal sandsynligheden være 1.000 ?", true),
          typeProbability("0/5"),
          answerYesNo("Skal sandsynligheden være 0.000 ?", true),
      });
      QTest::mouseClick(form->button(SpeedButton3), Qt::LeftButton);
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->node(2, 3).probability, 0.0);
    QCOMPARE(state->currentNode, 3);

    // "Fortryd" in the middle of a group clears every probability of the tree.
    {
      DialogScript script({typeProbability("0.2"), pressFortryd()});
      form->action(Indtastsandsynligheder1)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    for (int level = 1; level <= 2; ++level)
      for (int slot = 1; slot <= state->node(level, 1).levelNodeCount; ++slot)
        QVERIFY(!state->node(level, slot).probabilityEntered);
    QCOMPARE(state->currentNode, 3);
    QVERIFY(form->action(Stchancerp1)->isEnabled());
    QTRY_VERIFY(!hasInk(state->node(1, 1)));
  }

 private:
  // Whether anything is drawn where branch's probability is written.
  bool hasInk(const Gren_Info& branch) {
    const QImage shown = form->PaintBox1->grab().toImage();
    const QRect place(state->drawOffsetX + branch.probX, branch.y - state->lineTextHeight, 40,
                      state->lineTextHeight - 2);
    for (int y = place.top(); y <= place.bottom(); ++y)
      for (int x = place.left(); x <= place.right(); ++x)
        if (QColor(shown.pixel(x, y)) != QColor(Qt::white)) return true;
    return false;
  }

  std::unique_ptr<TreeState> state;
  std::unique_ptr<TForm1> form;
};

QTEST_MAIN(ProbabilityWindowTest)
#include "ProbabilityWindowTest.moc"
