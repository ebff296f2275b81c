// "Vend træet" on a tree of three branchings: the dialog choosing the third branching first, the
// question about the unsaved tree, the reversed tree under its caption, undone in one step.
#include <QRadioButton>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "tree/TreeHelpers.h"

using namespace kvistra;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

class ReverseTreeWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void theThirdBranchingGoesFirstAndComesBackWithUndo() {
    form->action(NewThreeBranchingTree)->trigger();
    for (int branching = 1; branching <= 3; ++branching)
      QTest::mouseClick(form->button(branchCountButton(2)), Qt::LeftButton);
    playScript({typeProbability("1/4")}, [&] { form->action(SetFirstProbabilities)->trigger(); });
    for (const char* typed : {"1/3", "1/5", "1/6", "2/7", "3/8", "4/9"})
      playScript({typeProbability(typed)}, [&] { form->action(EnterProbabilities)->trigger(); });
    const DialogStep thirdFirst = {"reverseTreeDialog", [](QDialog* d) {
                                     auto* third = child<QRadioButton>(*d, "thirdFirstChoice");
                                     third->click();
                                     child<QPushButton>(*d, "okButton")->click();
                                     return mismatch("choice", third->accessibleName(),
                                                     "3. forgrening: A3, B3");
                                   }};
    const QString faults = playScript({thirdFirst, answerSaveChanges("Gem ikke")},
                                      [&] { form->action(ReverseTree)->trigger(); });
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    QCOMPARE(pathNameOf(state->tree, 3, 1), std::string("A3A1A2"));
    QVERIFY(form->windowTitle().endsWith("Vendt træ"));
    QCOMPARE(form->action(Undo)->text(), QString("Fortryd Vend træet"));
    form->action(Undo)->trigger();
    QCOMPARE(pathNameOf(state->tree, 3, 1), std::string("A1A2A3"));
  }
};

QTEST_MAIN(ReverseTreeWindowTest)
#include "ReverseTreeWindowTest.moc"
