// The lesson a teacher gives with an urn of 3 red and 2 blue balls, two drawn: the tree typed in
// fractions, P(both red) = 3/10, P(second red) = 3/5 and, reduced to a red first ball,
// P(R2 | R1) = 1/2, each with its working, in the window and on paper.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "tree/Layout.h"
#include "tree/TreeState.h"
#include "ui/DrawingArea.h"
#include "ui/MainWindow.h"
#include "ui/QtHost.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

namespace {

// Checks the approve box's line and that its working holds workingLine; prints first when
// printTo names a file; then approves.
DialogStep approveBox(const QString& line, const QString& workingLine, QtHost* printTo = nullptr) {
  return {"approveResultDialog", [=](QDialog* d) {
            const QString working = child<QPlainTextEdit>(*d, "working")->toPlainText();
            QString wrong = mismatch("line", child<QLabel>(*d, "resultLine")->text(), line);
            if (!working.contains(workingLine)) wrong += " working lacks " + workingLine;
            if (printTo) QTest::mouseClick(child<QToolButton>(*d, "printButton"), Qt::LeftButton);
            QTest::mouseClick(child<QToolButton>(*d, "approveButton"), Qt::LeftButton);
            return wrong;
          }};
}

}  // namespace

class UrnLessonWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void theUrnShowsItsFractionsWithTheirWorking() {
    const QString built = buildTwoBranchingTree(*form, 2, 2, {typeProbability("3/5")});
    QVERIFY2(built.isEmpty(), qPrintable(built));
    play({typeProbability("2/4")}, [&] { form->action(EnterProbabilities)->trigger(); });
    play({typeProbability("3/4")}, [&] { form->action(EnterProbabilities)->trigger(); });
    QVERIFY(state->input.allProbabilitiesEntered);
    // A for red: R1 and R2.
    play({answerPrompt(" Nyt navn ?  ", "r")}, [&] {
      form->action(ReplaceLetter)->trigger();
      const Branch& a1 = state->tree.branch(1, 1);
      QTest::mouseClick(child<DrawingArea>(*form, "drawingArea"), Qt::LeftButton, {},
                        {ScreenOffsetX + a1.x + LevelPitch / 2, a1.y});
    });

    const auto ask = [&](const QString& event, const DialogStep& box) {
      play({answerPrompt("Hændelse ?  ", event), box}, [&] { form->action(AskEvent)->trigger(); });
    };
    ask("R1R2", approveBox("Hændelse : R1R2: 0.3000 = 3/10", "R1R2:  3/5 · 2/4 = 3/10"));
    ask("R2", approveBox("Hændelse : R2: 0.6000 = 3/5", "P(R2) = 3/10 + 3/10 = 3/5 = 0.6000"));
    play({answerPrompt("Reduktionshændelse ?  ", "R1")},
         [&] { form->action(ReduceTree)->trigger(); });

    QTemporaryDir folder;
    const QString page = folder.filePath("urne.pdf");
    // Landscape paper: the working below the tree still fits on the page.
    form->host().printWithoutDialogTo(page, QPageLayout::Landscape);
    const QString conditional = "P(R2 | R1) = P(R1R2) / P(R1) = 3/10 : 3/5 = 1/2";
    ask("R2", approveBox("Hændelse : R2: 0.5000 = 1/2", conditional, &form->host()));
    const QString printed = pdfText(page);
    QVERIFY2(printed.contains(conditional), qPrintable(printed));
    // "Vis udskrift" shows the page first.
    play({{"printPreviewDialog",
           [](QDialog* d) {
             d->reject();
             return QString();
           }}},
         [&] { form->action(PrintPreview)->trigger(); });
    QCOMPARE(state->results.count, 4);
  }

 private:
  void play(std::deque<DialogStep> steps, const std::function<void()>& act) {
    const QString faults = playScript(std::move(steps), act);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
  }
};

QTEST_MAIN(UrnLessonWindowTest)
#include "UrnLessonWindowTest.moc"
