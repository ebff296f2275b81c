// "Udskriv opgaveark…" in the real window: the urn tree in fractions, the worksheet hiding the
// second branching saved as a PDF file, and both pages read back.
#include <QFileDialog>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "text/Windows1252.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

namespace {

QString hideSecondBranchingAndSave(QDialog* d) {
  auto* later = child<QRadioButton>(*d, "laterBranchingsChoice");
  later->click();
  child<QPushButton>(*d, "savePdfButton")->click();
  const bool third = !child<QRadioButton>(*d, "thirdBranchingChoice")->isHidden();
  return mismatch("choice", later->text() + (third ? " og tredje" : ""), "Kun anden forgrening");
}

QString cancelFindingTheChoiceKept(QDialog* d) {
  const bool kept = child<QRadioButton>(*d, "laterBranchingsChoice")->isChecked();
  child<QPushButton>(*d, "cancelButton")->click();
  return kept ? QString() : "the choice was not kept";
}

}  // namespace

class WorksheetWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void worksheetAndKeySavedAsPdf() {
    QVERIFY(form && !form->action(PrintWorksheet)->isEnabled());
    // 3/5 and 2/5, then 2/4 and 1/2 after A1, 3/4 and 1/4 after B1.
    QCOMPARE(buildTwoBranchingTree(*form, 2, 2, {typeProbability("3/5")}), QString());
    const auto enter = [&] { form->action(EnterProbabilities)->trigger(); };
    for (const char* typed : {"2/4", "3/4"})
      QCOMPARE(playScript({typeProbability(typed)}, enter), QString());
    form->action(Fractions)->trigger();
    state->printout.heading = w1252("Kuglerne i æsken");
    QVERIFY(form->action(PrintWorksheet)->isEnabled());

    QTemporaryDir folder;
    const auto saveWithoutExtension = [&](QDialog* d) {
      auto* files = static_cast<QFileDialog*>(d);
      files->selectFile(folder.filePath("urne"));
      d->accept();
      return mismatch("filter", files->nameFilters()[0], "PDF-dokument (*.pdf)");
    };
    const auto printWorksheet = [&] { form->action(PrintWorksheet)->trigger(); };
    QCOMPARE(playScript({{"worksheetDialog", hideSecondBranchingAndSave},
                         {"saveAsDialog", saveWithoutExtension}},
                        printWorksheet),
             QString());
    const QStringList pages = pdfText(folder.filePath("urne.pdf")).split('\f');
    QCOMPARE(pages.size(), 3);  // the worksheet and the key, each ended by a form feed
    // The second branching's values are blank on the worksheet, filled in on the key.
    const QString &sheet = pages[0], &key = pages[1];
    QVERIFY2(sheet.contains("Kuglerne i æsken") && sheet.contains("3/5") &&
                 sheet.contains("_____") && !sheet.contains("2/4"),
             qPrintable(sheet));
    QVERIFY2(key.contains("Facitliste") && key.contains("2/4") && key.contains("3/10") &&
                 !key.contains("_____"),
             qPrintable(key));

    // The dialog keeps the last choice; cancelled, it does nothing.
    QCOMPARE(playScript({{"worksheetDialog", cancelFindingTheChoiceKept}}, printWorksheet),
             QString());
  }
};

QTEST_MAIN(WorksheetWindowTest)
#include "WorksheetWindowTest.moc"
