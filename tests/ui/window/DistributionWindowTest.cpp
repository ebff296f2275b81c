// The pane "Fordeling af X" in the real window: three coins with X the number of heads, read
// through the accessibility tree, asked P(X ≥ 2) through the pane's controls and approved.
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "storage/TreeDocument.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "ui/DistributionDock.h"
#include "ui/MainWindow.h"
#include "ui/ResultsPane.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;

namespace {

// Three coins in a document, each branch A (heads) or B; X counts the heads.
QString threeCoinsDocument(const QTemporaryDir& folder) {
  kvistra::testing::Fixture f;
  if (!kvistra::testing::openShape(f.context, kvistra::testing::evenShape("1/2,1/2", 3))) return {};
  Tree& tree = f.state.tree;
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      tree.branch(level, slot).counted = tree.branch(level, slot).name[0] == 'A';
  f.state.variable = RandomVariable{VariableKind::CountOfNames, 'X'};
  tree.showFractions = true;
  const QString path = folder.filePath("tre-mynter.kvistra");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(QByteArray::fromStdString(writeTreeDocument(f.state)));
  return path;
}

// What a screen reader reads of a widget.
QString readName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

}  // namespace

class DistributionWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void readsTheDistributionAndAsksAboutX() {
    auto* pane = child<DistributionDock>(*form, "distributionPane");
    QVERIFY(!pane->isVisible());
    const QTemporaryDir folder;
    const QString document = threeCoinsDocument(folder);
    QVERIFY(!document.isEmpty());
    QString wrong = playScript({}, [&] { form->openFile(document); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QVERIFY(pane->isVisible());
    QCOMPARE(readName(pane), QString("Fordeling af X"));

    // The table's cells as a screen reader reads them, row by row.
    auto* table = child<QTableWidget>(*form, "distributionTable");
    QAccessibleTableInterface* cells =
        QAccessible::queryAccessibleInterface(table)->tableInterface();
    QVERIFY(cells);
    QStringList rows;
    for (int r = 0; r < cells->rowCount(); ++r) {
      QStringList row;
      for (int c = 0; c < cells->columnCount(); ++c)
        row << cells->cellAt(r, c)->text(QAccessible::Name);
      rows << row.join(" | ");
    }
    QCOMPARE(rows, QStringList({"0 | 1/8 | 0.1250", "1 | 3/8 | 0.3750", "2 | 3/8 | 0.3750",
                                "3 | 1/8 | 0.1250"}));
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QString("Decimaltal"));
    QCOMPARE(readName(child<QLabel>(*form, "meanLine")), QString("E(X) = 3/2"));
    QCOMPARE(readName(child<QLabel>(*form, "standardDeviationLine")),
             QString("σ(X) = √(3)/2 ≈ 0.8660"));
    QVERIFY(
        child<QWidget>(*form, "distributionChart")->accessibleDescription().contains("x = 2: 3/8"));

    // A value that is no number is refused; P(X ≥ 2) is marked, offered and approved.
    auto* comparison = child<QComboBox>(*form, "comparisonBox");
    comparison->setCurrentIndex(comparison->findText("≥"));
    auto* bound = child<QLineEdit>(*form, "boundField");
    QCOMPARE(readName(bound), QString("P(X ≥"));
    QTest::keyClicks(bound, "to");
    wrong = playScript({acknowledgeMessage("Skriv et tal, f.eks. -5, 2.5 eller 1/2.")}, [&] {
      QTest::mouseClick(child<QPushButton>(*form, "calculateButton"), Qt::LeftButton);
    });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    bound->clear();
    QTest::keyClicks(bound, "2");
    wrong =
        playScript({{"approveResultDialog",
                     [](QDialog* d) {
                       const QString wrong =
                           mismatch("line", child<QLabel>(*d, "resultLine")->text(),
                                    "Hændelse : X>=2: 0.5000 = 1/2") +
                           mismatch("working", child<QPlainTextEdit>(*d, "working")->toPlainText(),
                                    "P(X ≥ 2) = P(X = 2) + P(X = 3) = 3/8 + 1/8 = 1/2");
                       QTest::mouseClick(child<QToolButton>(*d, "approveButton"), Qt::LeftButton);
                       return wrong;
                     }}},
                   [&] { QTest::keyClick(bound, Qt::Key_Return); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(readName(child<QLabel>(*form, "answerLine")), QString("P(X ≥ 2) = 1/2"));
    const QStringList results = child<ResultsPane>(*form, "resultsList")->toPlainText().split('\n');
    QVERIFY2(results.last().trimmed().startsWith("X>=2"), qPrintable(results.last()));
    QVERIFY(results.last().endsWith("0.5000"));
  }
};

QTEST_MAIN(DistributionWindowTest)
#include "DistributionWindowTest.moc"
