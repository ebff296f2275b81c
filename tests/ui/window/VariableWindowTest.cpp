// Three coins and the number of heads: the random variable defined through the menu and its
// dialog, read on the outcomes as a screen reader reads the drawing, and undone.
#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "support/TreeShapes.h"
#include "ui/DrawingArea.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

namespace {

// The drawing's branch items as the accessibility tree names them, in one text.
QString readings(DrawingArea* drawing) {
  QStringList names;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(drawing);
  for (int i = 0; i < list->childCount(); ++i) names << list->child(i)->text(QAccessible::Name);
  return names.join("; ");
}

}  // namespace

class VariableWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void countsTheHeadsOfThreeCoins() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Mønter.kvistra");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(
        kvistra::testing::shapeDocument(kvistra::testing::evenShape("1/2,1/2", 3))));
    file.close();
    form->openFile(path);
    QVERIFY(!form->action(VariableOnOutcomes)->isEnabled());

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
    QVERIFY2(readings(drawing).contains("udfald 2, X = 2"), qPrintable(readings(drawing)));
    QVERIFY(form->action(VariableOnOutcomes)->isEnabled());

    form->action(VariableOnOutcomes)->trigger();
    QVERIFY(!readings(drawing).contains("X ="));
    form->action(VariableOnOutcomes)->trigger();
    QCOMPARE(form->action(Undo)->text(), QString("Fortryd Stokastisk variabel…"));
    form->action(Undo)->trigger();
    QVERIFY(!readings(drawing).contains("X ="));
    QVERIFY(!form->action(VariableOnOutcomes)->isEnabled());
  }
};

QTEST_MAIN(VariableWindowTest)
#include "VariableWindowTest.moc"
