// The half tree worked without a mouse, and read through the accessibility tree as a screen
// reader reads it; three coins read with their number of heads.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "support/TreeShapes.h"
#include "tree/TreeState.h"
#include "ui/DrawingArea.h"
#include "ui/MainWindow.h"
#include "ui/ResultsPane.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

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

// The widgets Tab reaches from the drawing until it is back there.
QList<QWidget*> tabCycle(QWidget* drawing) {
  QList<QWidget*> stops;
  for (int i = 0; i < 30 && (stops.isEmpty() || stops.last() != drawing); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    stops << QApplication::focusWidget();
  }
  return stops;
}

}  // namespace

class KeyboardWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void theHalfTreeIsWorkedAndReadByKeyboard() {
    auto* drawing = child<DrawingArea>(*form, "drawingArea");
    // While a value is asked, a branch without one says so, and the field names the branch.
    QStringList whileAsked;
    DialogStep firstValue = typeProbability("0.5");
    const auto typeValue = firstValue.answer;
    firstValue.answer = [&](QDialog* d) {
      whileAsked = branchNames(drawing)
                   << child<QLineEdit>(*d, "probabilityField")->accessibleName();
      return typeValue(d);
    };
    QString wrong = buildTwoBranchingTree(*form, 2, 2, {firstValue});
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(whileAsked.first(), QString("A1, ingen sandsynlighed endnu"));
    QCOMPARE(whileAsked.last(), QString("Sandsynligheden for A1"));
    form->action(CopyAcross)->trigger();
    form->action(CopyDown)->trigger();

    // The drawing takes the keyboard with the first branch marked; Tab goes round the
    // window's named stops, the scroll area around the drawing none of them.
    QVERIFY(drawing->focusPolicy() & Qt::TabFocus);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    drawing->setFocus();
    QTRY_VERIFY(drawing->hasFocus());
    QTRY_COMPARE(drawing->focusedReading(), 0);
    const QList<QWidget*> stops = tabCycle(drawing);
    QCOMPARE(stops.last(), drawing);
    for (QWidget* stop : stops) {
      QVERIFY2(!stop->accessibleName().isEmpty(), stop->metaObject()->className());
      QVERIFY(!qobject_cast<QScrollArea*>(stop));
    }

    // "Ret talværdi" on B1, the key below A1; meanwhile the status line says how.
    auto* toolNote = child<QLabel>(*form, "toolNote");
    const QString how = "Klik på en gren, eller vælg den med piletasterne og tryk Enter";
    wrong = playScript({typeProbability("0.3")}, [&] {
      form->action(EditValue)->trigger();
      QVERIFY(toolNote->isVisible() && toolNote->text() == how);
      for (Qt::Key key : {Qt::Key_Down, Qt::Key_Return}) QTest::keyClick(drawing, key);
    });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(state->tree.branch(1, 2).probability, 0.3);
    QVERIFY(toolNote->isHidden());

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

    // One-letter names, approved by Enter on the picture button, are read without their blank.
    wrong = playScript(
        {{"branchNamesDialog",
          [](QDialog* d) {
            for (auto [field, name] : {std::pair{"nameField1", "s"}, {"nameField3", "p"}}) {
              child<QLineEdit>(*d, field)->selectAll();
              QTest::keyClicks(child<QLineEdit>(*d, field), name);
            }
            child<QToolButton>(*d, "applyButton")->setFocus();
            QTest::keyClick(child<QToolButton>(*d, "applyButton"), Qt::Key_Return);
            return d->isVisible() ? QString("Enter pressed nothing") : QString();
          }}},
        [&] { form->action(BranchNames)->trigger(); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(branchNames(drawing).value(2), QString("P efter S, 0.5000, udfald 1"));

    // While the approve box is open the leaves tell which the event marks.
    QStringList whileOpen;
    wrong = playScript({answerPrompt("Hændelse ?  ", "b1"),
                        {"approveResultDialog",
                         [&](QDialog* d) {
                           whileOpen = branchNames(drawing);
                           QGuiApplication::clipboard()->clear();
                           auto* copy = child<QPushButton>(*d, "copyWorkingButton");
                           copy->setFocus();
                           QTest::keyClick(copy, Qt::Key_Return);
                           const bool copied = !QGuiApplication::clipboard()->text().isEmpty();
                           child<QToolButton>(*d, "approveButton")->setFocus();
                           QTest::keyClick(d, Qt::Key_Return);  // "Godkend og luk"
                           return copied ? QString() : QString("Enter copied nothing");
                         }}},
                       [&] { form->action(AskEvent)->trigger(); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(whileOpen.value(2), QString("P efter S, 0.5000, udfald 1, ikke markeret"));
    QCOMPARE(whileOpen.value(4), QString("P efter B1, 0.5000, udfald 3, markeret, 0.1500"));
    QCOMPARE(state->results.count, 1);

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
    QCOMPARE(state->results.count, 0);

    // Every number drawn is read: the root's total first, a simulation's counts and its chart.
    form->action(NaturalFrequencies)->trigger();
    QVERIFY(branchNames(drawing).first().startsWith("I alt, "));
    form->action(NaturalFrequencies)->trigger();
    wrong = playScript({{"simulationDialog",
                         [](QDialog* d) {
                           child<QComboBox>(*d, "trialsField")->setCurrentText("10");
                           child<QLineEdit>(*d, "seedField")->setText("1");
                           child<QPushButton>(*d, "okButton")->click();
                           return QString();
                         }}},
                       [&] { form->action(Simulate)->trigger(); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    const QStringList simulated = branchNames(drawing);
    QVERIFY(simulated.value(5).contains(QRegularExpression(", simuleret \\d+ af 10 \\(")));
    QCOMPARE(simulated.value(6), QString("Simulering: 10 forsøg, frø 1"));
    QVERIFY(simulated.value(10).startsWith("Udfald 4: simuleret hyppighed "));

    // An early leaf is read with its outcome; the sixteenth name's row is scrolled to by Tab.
    wrong = playScript({answerSaveChanges("Gem ikke")},
                       [&] { form->openFile(DOCUMENTS_DIR "/differing-groups.kvistra"); });
    QCOMPARE(branchNames(drawing).value(2), QString("C1, 0.1667, udfald 10"));
    wrong = playScript(
        {{"branchNamesDialog",
          [](QDialog* d) {
            QLineEdit* last = child<QLineEdit>(*d, "nameField16");
            child<QLineEdit>(*d, "nameField15")->setFocus();
            QTest::keyClick(child<QLineEdit>(*d, "nameField15"), Qt::Key_Tab);
            const QWidget* view = child<QScrollArea>(*d, "rowsArea")->viewport();
            const bool shown =
                view->rect().contains(QRect(last->mapTo(view, QPoint()), last->size()));
            d->reject();
            return d->focusWidget() == last && shown && last->isEnabled() ? QString() : "B3 hidden";
          }}},
        [&] { form->action(BranchNames)->trigger(); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
  }

  // Ten trials are too many for a tree: their counting tree takes the drawing, read node by node
  // in display text, with "Tælletræ" on in "Vis".
  void theCountingTreeOfTenTrialsIsRead() {
    form->openFile(DOCUMENTS_DIR "/trials.kvistra");
    const QStringList names = branchNames(child<DrawingArea>(*form, "drawingArea"));
    QCOMPARE(names.value(0), QString("Tælletræ: n = 10, p = 0.3"));
    QVERIFY(names.contains("Efter 10 forsøg 3 S: 120 veje, 0.2668"));
    QVERIFY(form->action(CountingTree)->isEnabled());
  }

  // "Gentagne forsøg…" with three trials of 1/2, read the whole way by a screen reader: the
  // tree with X on its outcomes, the counting tree, and the pane's table.
  void threeTrialsAreReadFromTreeToCountingTreeToTable() {
    const QString wrong = playScript(
        {{"trialsDialog",
          [](QDialog* d) {
            child<QSpinBox>(*d, "countField")->setValue(3);
            child<QLineEdit>(*d, "probabilityField")->setText("1/2");
            QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
            return d->isVisible() ? (d->reject(), QString("OK left it open")) : QString();
          }}},
        [&] { form->action(NewRepeatedTrials)->trigger(); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    auto* drawing = child<DrawingArea>(*form, "drawingArea");
    QVERIFY(branchNames(drawing).contains("S3 efter S1S2, 1/2, udfald 1, X = 3"));

    form->action(CountingTree)->trigger();
    QVERIFY(branchNames(drawing).contains("Efter 2 forsøg 1 S: 2 veje, 1/2"));
    form->action(CountingTree)->trigger();

    auto* table = child<QTableWidget>(*form, "distributionTable");
    QAccessibleTableInterface* cells =
        QAccessible::queryAccessibleInterface(table)->tableInterface();
    QCOMPARE(cells->rowCount(), 4);
    QCOMPARE(cells->cellAt(2, 1)->text(QAccessible::Name), QString("3/8"));
    QCOMPARE(cells->cellAt(2, 2)->text(QAccessible::Name), QString("7/8"));
  }

  // Three coins and the number of heads: the random variable defined through the menu and its
  // dialog, read on the outcomes, and undone; "Vis X på udfaldene" is on only meanwhile, as the
  // recorded controls show.
  void theHeadsOfThreeCoinsAreCountedAndRead() {
    QTemporaryDir folder;
    QFile file(folder.filePath("Mønter.kvistra"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kvistra::testing::shapeDocument(kvistra::testing::evenShape("1/2,1/2", 3)).c_str());
    file.close();
    form->openFile(file.fileName());

    // A word where the chosen way wants a number keeps the dialog open on that field; heads
    // (the A of each coin) counted instead are taken.
    const QString faults = playScript(
        {{"variableDialog",
          [](QDialog* d) {
            QString wrong = mismatch("name", child<QLineEdit>(*d, "nameField")->text(), "X");
            if (child<QPushButton>(*d, "removeButton")->isEnabled()) wrong += "; remove is on";
            child<QRadioButton>(*d, "outcomesWithValuesChoice")->click();
            QTest::keyClicks(child<QLineEdit>(*d, "outcomeValue1"), "to");
            QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
            if (d->focusWidget() != child<QLineEdit>(*d, "outcomeValue1"))
              wrong += "; the faulty field has no focus";
            child<QRadioButton>(*d, "countedNamesChoice")->click();
            for (QCheckBox* box : d->findChildren<QCheckBox*>())
              box->setChecked(box->accessibleName().startsWith('A'));
            QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
            return d->isVisible() ? (d->reject(), wrong + "; OK left it open") : wrong;
          }},
         acknowledgeMessage("Skriv et tal, f.eks. -5, 2.5 eller 1/2.")},
        [&] {
          QMenu* menu = form->menu(CalculationsMenu);
          menu->popup(form->mapToGlobal(QPoint(0, 0)));
          QTRY_VERIFY(menu->isVisible());
          QTest::keyClick(menu, Qt::Key_T);
        });
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    auto* drawing = child<DrawingArea>(*form, "drawingArea");
    QCOMPARE(branchNames(drawing).value(7), QString("B3 efter A1A2, 0.5000, udfald 2, X = 2"));

    form->action(VariableOnOutcomes)->trigger();
    QVERIFY(!branchNames(drawing).join(";").contains("X ="));
    form->action(VariableOnOutcomes)->trigger();
    QCOMPARE(form->action(Undo)->text(), QString("Fortryd Stokastisk variabel…"));
    form->action(Undo)->trigger();
    QVERIFY(!branchNames(drawing).join(";").contains("X ="));
  }
};

QTEST_MAIN(KeyboardWindowTest)
#include "KeyboardWindowTest.moc"
