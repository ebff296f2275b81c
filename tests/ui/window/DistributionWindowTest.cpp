// The pane "Fordeling af X" in the real window: three coins, X defined as the number of heads
// through the menu, the pane read through the accessibility tree, asked P(X ≥ 2) through its
// controls and approved.
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
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
#include "support/TreeShapes.h"
#include "ui/DistributionDock.h"
#include "ui/MainWindow.h"
#include "ui/ResultsPane.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;

namespace {

// Three coins in a document, heads first: A1, A2 and A3.
QString threeCoinsDocument(const QTemporaryDir& folder) {
  const QString path = folder.filePath("tre-mønter.kvistra");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(kvistra::testing::shapeDocument(kvistra::testing::evenShape("1/2,1/2", 3)).c_str());
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
    const QTemporaryDir folder;
    const QString document = threeCoinsDocument(folder);
    QVERIFY(!document.isEmpty());
    form->openFile(document);
    form->action(Control::Fractions)->trigger();
    QVERIFY(!form->findChild<DistributionDock*>("distributionPane"));

    // X = the number of heads, defined through the menu.
    QString wrong =
        playScript({{"variableDialog",
                     [](QDialog* d) {
                       for (QCheckBox* box : d->findChildren<QCheckBox*>())
                         box->setChecked(box->accessibleName().startsWith('A'));
                       QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
                       return QString();
                     }}},
                   [&] { form->action(Control::DefineVariable)->trigger(); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    auto* pane = child<DistributionDock>(*form, "distributionPane");
    QVERIFY(pane->isVisible());
    QCOMPARE(readName(pane), QString("Fordeling af X"));

    // The table's cells as a screen reader reads them.
    auto* table = child<QTableWidget>(*form, "distributionTable");
    QAccessibleTableInterface* cells =
        QAccessible::queryAccessibleInterface(table)->tableInterface();
    QCOMPARE(cells->rowCount(), 4);
    QCOMPARE(cells->cellAt(1, 1)->text(QAccessible::Name), QString("3/8"));
    QCOMPARE(cells->cellAt(3, 2)->text(QAccessible::Name), QString("0.1250"));
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QString("Decimaltal"));
    QCOMPARE(readName(child<QLabel>(*form, "meanLine")), QString("E(X) = 3/2"));
    QCOMPARE(readName(child<QLabel>(*form, "standardDeviationLine")),
             QString("σ(X) = √(3)/2 ≈ 0.8660"));
    QVERIFY(
        child<QWidget>(*form, "distributionChart")->accessibleDescription().contains("x = 2: 3/8"));
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(child<QPushButton>(*form, "copyChartButton"), Qt::LeftButton);
    QVERIFY(!QGuiApplication::clipboard()->image().isNull());

    // P(X ≥ 2) is marked, offered and approved.
    auto* comparison = child<QComboBox>(*form, "comparisonBox");
    comparison->setCurrentIndex(comparison->findText("≥"));
    auto* bound = child<QLineEdit>(*form, "boundField");
    QCOMPARE(readName(bound), QString("P(X ≥"));
    QTest::keyClicks(bound, "2");
    const DialogStep approve = {
        "approveResultDialog", [](QDialog* d) {
          const QString wrong =
              mismatch("line", child<QLabel>(*d, "resultLine")->text(),
                       "Hændelse : X>=2: 0.5000 = 1/2") +
              mismatch("working", child<QPlainTextEdit>(*d, "working")->toPlainText(),
                       "P(X ≥ 2) = P(X = 2) + P(X = 3) = 3/8 + 1/8 = 1/2");
          QTest::mouseClick(child<QToolButton>(*d, "approveButton"), Qt::LeftButton);
          return wrong;
        }};
    wrong = playScript({approve}, [&] { QTest::keyClick(bound, Qt::Key_Return); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(readName(child<QLabel>(*form, "answerLine")), QString("P(X ≥ 2) = 1/2"));
    const QString results = child<ResultsPane>(*form, "resultsList")->toPlainText();
    QCOMPARE(results.split('\n').last(), QString(" X>=2              0.5000"));
  }
};

QTEST_MAIN(DistributionWindowTest)
#include "DistributionWindowTest.moc"
