// Editing a finished tree by clicking its branches in the real window: the hint of what was
// typed, a value typed again, a letter replaced throughout and one refused, and the decimals.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "tree/Layout.h"
#include "tree/TreeState.h"
#include "ui/DrawingArea.h"
#include "ui/MainWindow.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

class BranchEditingWindowTest : public WindowTest {
  Q_OBJECT

 private:
  void windowOpened() override { drawing = child<DrawingArea>(*form, "drawingArea"); }

 private slots:
  void editsBranchesByClickingThem() {
    const QString built = buildTwoBranchingTree(*form, 2, 2, {typeProbability("1/4")});
    QVERIFY2(built.isEmpty(), qPrintable(built));
    form->action(CopyAcross)->trigger();
    form->action(CopyAcross)->trigger();
    QVERIFY(state->input.allProbabilitiesEntered);

    // Pressing on a branch shows what was typed for it; moving takes it away.
    auto* hint = child<QLabel>(*form, "branchHint");
    QTest::mousePress(drawing, Qt::LeftButton, {}, middleOf(1, 1));
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->text(), QString("1/4"));
    QCOMPARE(QColor(hint->grab().toImage().pixel(0, 0)), QColor(Qt::yellow));
    QCOMPARE(hint->pos(), middleOf(1, 1) + QPoint(BranchHintGap, BranchHintGap));
    QTest::mouseRelease(drawing, Qt::LeftButton, {}, middleOf(1, 1));
    QTest::mouseMove(drawing, middleOf(1, 1) + QPoint(1, 1));
    QTRY_VERIFY(!hint->isVisible());

    // With "Brøker" the hint shows the value both ways; the view choices switch on and off.
    form->action(Fractions)->trigger();
    QVERIFY(form->action(Fractions)->isChecked() && !form->action(FourDecimals)->isChecked());
    QTest::mousePress(drawing, Qt::LeftButton, {}, middleOf(1, 1));
    QCOMPARE(hint->text(), QString("1/4 = 0.2500"));
    QTest::mouseRelease(drawing, Qt::LeftButton, {}, middleOf(1, 1));
    QTest::mouseMove(drawing, middleOf(1, 1) + QPoint(1, 1));
    for (Control c : {DecimalComma, ConditionalValues}) {
      form->action(c)->trigger();
      QVERIFY(form->action(c)->isChecked() && state->view != ViewOptions{});
      form->action(c)->trigger();
      QVERIFY(!form->action(c)->isChecked() && state->view == ViewOptions{});
    }

    // "Ret talværdi": one click on A1 asks it again, and B1 gets the rest.
    const QImage before = shown();
    const QImage a1Before = valueOf(state->tree.branch(1, 1));
    const QImage b1Before = valueOf(state->tree.branch(1, 2));
    form->action(EditValue)->trigger();
    QTRY_VERIFY(shown() != before);  // "Klik på en gren"
    {
      DialogScript script({typeProbability("0.6")});
      QTest::mouseClick(drawing, Qt::LeftButton, {}, middleOf(1, 1));
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->tree.branch(1, 2).probability, 0.4);
    QCOMPARE(state->pointer.toolMode, ToolMode::None);
    QTRY_VERIFY(valueOf(state->tree.branch(1, 1)) != a1Before);
    QVERIFY(valueOf(state->tree.branch(1, 2)) != b1Before);
    QVERIFY(form->action(CalculationsMenu)->isEnabled());

    // "Udskift navn på hele træet" on B1 renames every B; A is taken, so K cannot become A.
    form->action(ReplaceLetter)->trigger();
    {
      DialogScript script({answerPrompt(" Nyt navn ?  ", "k")});
      QTest::mouseClick(drawing, Qt::LeftButton, {}, middleOf(1, 2));
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->tree.branch(1, 2).name, "K1");
    QCOMPARE(state->tree.branch(2, 4).name, "K2");
    form->action(ReplaceLetter)->trigger();
    {
      DialogScript script({answerPrompt(" Nyt navn ?  ", "a"),
                           acknowledgeMessage("Bogstavet er allerede i brug.")});
      QTest::mouseClick(drawing, Qt::LeftButton, {}, middleOf(2, 2));
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->tree.branch(2, 2).name, "K2");

    // Two decimals: 0.6000 is written anew as 0.60.
    const QImage fourDecimals = valueOf(state->tree.branch(1, 1));
    form->action(TwoDecimals)->trigger();
    QCOMPARE(state->tree.decimalCount, 2);
    QTRY_VERIFY(valueOf(state->tree.branch(1, 1)) != fourDecimals);

    // A click beside every branch uses the tool up: the next click on a branch asks nothing.
    {
      DialogScript script({});
      form->action(EditValue)->trigger();
      QTest::mouseClick(drawing, Qt::LeftButton, {}, QPoint(400, 20));
      QTest::mouseClick(drawing, Qt::LeftButton, {}, middleOf(1, 1));
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }

    // Near the edge of the visible drawing the hint moves in, whole.
    form->showNormal();
    form->resize(600, 400);
    QTRY_COMPARE(form->size(), QSize(600, 400));
    const QPoint nearEdge(ScreenOffsetX + state->tree.branch(2, 3).x + LevelPitch - 2,
                          state->tree.branch(2, 3).y);
    QTest::mousePress(drawing, Qt::LeftButton, {}, nearEdge);
    QVERIFY(hint->isVisible());
    auto* viewport = child<QScrollArea>(*form, "drawingScroll")->viewport();
    const QRect visible(drawing->mapFrom(viewport, QPoint(0, 0)), viewport->size());
    QVERIFY2(visible.right() < nearEdge.x() + BranchHintGap + hint->width(), "hint not near edge");
    QVERIFY(visible.contains(hint->geometry()));
    QTest::mouseRelease(drawing, Qt::LeftButton, {}, nearEdge);
  }

  // Best of three games, A winning each with p = 3/5: the paths of two equal results end after two
  // games, with "Afslut grenen her"; A wins with p² + 2p²(1 − p) = 81/125.
  void buildsBestOfThreeWithTheShapeTools() {
    form->action(NewThreeBranchingTree)->trigger();
    for (int i = 0; i < 3; ++i)
      QTest::mouseClick(form->button(branchCountButton(2)), Qt::LeftButton);
    for (int slot : {4, 1}) {
      form->action(EndPath)->trigger();
      QTest::mouseClick(drawing, Qt::LeftButton, {}, middleOf(2, slot));
    }
    QCOMPARE(state->tree.outcomeSlots(), 6);
    QCOMPARE(form->action(Undo)->text(), QString("Fortryd Afslut grenen her"));
    {
      DialogScript script({typeProbability("3/5")});
      form->action(SetFirstProbabilities)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    for (int i = 0; i < 4; ++i) form->action(CopyAcross)->trigger();
    QVERIFY(state->input.allProbabilitiesEntered);
    const QString played =
        playScript({answerPrompt("Hændelse ?  ", "A1A2,A1B2A3,B1A2A3"),
                    {"approveResultDialog",
                     [](QDialog* d) {
                       QTest::mouseClick(child<QToolButton>(*d, "approveButton"), Qt::LeftButton);
                       return QString();
                     }}},
                   [this] { form->action(AskEvent)->trigger(); });
    QVERIFY2(played.isEmpty(), qPrintable(played));
    QCOMPARE(QString::fromStdString(state->results.rows[1].line + " " + state->results.rows[1].fraction), QString("A1A2,A1B2A3,B1A2A3 81/125"));
  }

 private:
  QPoint middleOf(int level, int slot) const {
    const Branch& branch = state->tree.branch(level, slot);
    return {ScreenOffsetX + branch.x + LevelPitch / 2, branch.y};
  }

  QImage shown() const { return drawing->grab().toImage(); }

  // The picture of what is written at branch's probability place.
  QImage valueOf(const Branch& branch) const {
    return shown().copy(ScreenOffsetX + branch.probabilityX, branch.y - state->textLift,
                        LevelPitch - ProbabilityOffset, state->textLift - 2);
  }

  DrawingArea* drawing = nullptr;
};

QTEST_MAIN(BranchEditingWindowTest)
#include "BranchEditingWindowTest.moc"
