// The half tree worked without a mouse, and read through the accessibility tree as a screen
// reader reads it.
#include <QAccessible>
#include <QAction>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "tree/TreeState.h"
#include "ui/DrawingArea.h"
#include "ui/MainWindow.h"
#include "ui/ResultsPane.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Command;

namespace {

// The names of the drawing's branch items, one a line.
QStringList branchNames(DrawingArea* drawing) {
  QStringList names;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(drawing);
  for (int i = 0; i < list->childCount(); ++i) {
    QAccessibleInterface* item = list->child(i);
    if (item->role() == QAccessible::ListItem) names << item->text(QAccessible::Name);
  }
  return names;
}

}  // namespace

class KeyboardWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theHalfTreeIsWorkedAndReadByKeyboard() {
    TreeState state;
    auto form = openMainWindow(state);
    QVERIFY(form);
    auto* drawing = child<DrawingArea>(*form, "drawingArea");
    QString wrong = buildTwoBranchingTree(*form, 2, 2, {typeProbability("0.5")});
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    form->action(CopyAcross)->trigger();
    form->action(CopyDown)->trigger();
    QVERIFY(drawing->focusPolicy() & Qt::TabFocus);
    drawing->setFocus();

    // "Ret talværdi" on B1: the first key lands on A1, the next moves down.
    wrong = playScript({typeProbability("0.3")}, [&] {
      form->action(EditValue)->trigger();
      for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(drawing, key);
    });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(state.tree.branch(1, 2).probability, 0.3);

    // "Udskift navn på hele træet" on A2 under B1 (right goes down a level): A becomes R.
    wrong = playScript({answerPrompt(" Nyt navn ?  ", "r")}, [&] {
      form->action(ReplaceLetter)->trigger();
      for (Qt::Key key : {Qt::Key_Right, Qt::Key_Return}) QTest::keyClick(drawing, key);
    });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(branchNames(drawing),
             QStringList({"R1, 0.7000", "B1, 0.3000", "R2 efter R1, 0.5000, udfald 1",
                          "B2 efter R1, 0.5000, udfald 2", "R2 efter B1, 0.5000, udfald 3",
                          "B2 efter B1, 0.5000, udfald 4"}));

    // While the approve box is open the leaves tell which the event marks.
    QStringList whileOpen;
    wrong = playScript({answerPrompt("Hændelse ?  ", "b1"),
                        {"approveResultDialog",
                         [&](QDialog* d) {
                           whileOpen = branchNames(drawing);
                           QTest::keyClick(d, Qt::Key_Return);  // "Godkend og luk"
                           return QString();
                         }}},
                       [&] { form->action(AskEvent)->trigger(); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(whileOpen.value(2), QString("R2 efter R1, 0.5000, udfald 1, ikke markeret"));
    QCOMPARE(whileOpen.value(4), QString("R2 efter B1, 0.5000, udfald 3, markeret, 0.1500"));
    QCOMPARE(state.results.count, 1);

    // The results list by keyboard: picked, worked out again, deleted.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form->windowHandle(), Qt::Key_L, Qt::ControlModifier);
    auto* results = child<ResultsPane>(*form, "resultsList");
    QVERIFY(results->hasFocus());
    wrong = playScript({{"approveResultDialog",
                         [](QDialog* d) {
                           QTest::keyClick(d, Qt::Key_Escape);
                           return QString();
                         }},
                        {"yesNoDialog",
                         [](QDialog* d) {
                           QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
                           return QString();
                         }}},
                       [&] {
                         QTest::keyClick(results, Qt::Key_Down);
                         QTest::keyClick(results, Qt::Key_Return);
                         QTest::keyClick(results, Qt::Key_Down);
                         QTest::keyClick(results, Qt::Key_Delete);
                       });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(state.results.count, 0);
  }
};

QTEST_MAIN(KeyboardWindowTest)
#include "KeyboardWindowTest.moc"
