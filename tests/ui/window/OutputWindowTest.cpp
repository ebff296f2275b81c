// Printing and the clipboard in the real window: the heading dialog, pages printed to a PDF file
// and read back, and every copy command's clipboard contents.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "text/Windows1252.h"
#include "ui/Dialogs.h"
#include "ui/DrawingArea.h"
#include "ui/PrintHeadingDialog.h"
#include "ui/QtHost.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

namespace {

// One opening of the heading dialog: checks what the field shows, then does what answer does.
DialogStep heading(const QString& shown, std::function<void(QDialog*, QLineEdit*)> answer) {
  return {"printHeadingDialog", [=](QDialog* dialog) {
            auto* field = child<QLineEdit>(*dialog, "headingField");
            const QString wrong = mismatch("field", field->text(), shown);
            answer(dialog, field);
            return wrong;
          }};
}

bool isInk(const QImage& image, int x, int y) {
  return qGray(image.pixel(x, y)) < 128;
}

}  // namespace

class OutputWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void headingThenOnePagePrintedToAPdfFile() {
    auto& dialog = form->dialogs().printHeading();
    QCOMPARE(dialog.windowTitle(), QString("   Overskrift"));
    QCOMPARE(child<QLabel>(dialog, "question")->text(),
             QString(" Navn eller overskrift til udskrifter: "));
    QCOMPARE(dialog.size(), QSize(389, 119));
    // The field opens selected, so typing replaces what the last opening left in it.
    bool waitedForSecondEnter = false;
    DialogScript script({
        heading("",
                [](QDialog* d, QLineEdit* field) {
                  QTest::keyClicks(field, "Terninger");
                  QTest::keyClick(d, Qt::Key_Escape);  // "Fortryd": the text the field opened with
                }),
        heading("Terninger", [](QDialog* d, QLineEdit*) { d->close(); }),  // changes nothing
        heading("Terninger", [](QDialog* d, QLineEdit*) { QTest::keyClick(d, Qt::Key_Escape); }),
        heading("Terninger",
                [&](QDialog* d, QLineEdit* field) {
                  QTest::keyClicks(field, "Mønt og terning");
                  QTest::keyClick(field, Qt::Key_Return);  // moves on to "OK"
                  waitedForSecondEnter =
                      d->isVisible() && d->focusWidget()->objectName() == "okButton";
                  QTest::keyClick(d->focusWidget(), Qt::Key_Return);
                }),
    });
    const std::string headings[] = {"", "", "Terninger", w1252("Mønt og terning")};
    for (const auto& expected : headings) {
      form->button(PrintHeadingButton)->click();
      QCOMPARE(state->printout.heading, expected);
    }
    QVERIFY2(script.finished(), qPrintable(script.faults()));
    QVERIFY(waitedForSecondEnter);

    completeTwoByTwoTree();  // a new tree keeps the heading
    QTemporaryDir folder;
    const QString file = folder.filePath("side.pdf");
    form->host().printWithoutDialogTo(file);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form->windowHandle(), Qt::Key_P, Qt::ControlModifier);
    QString text = pdfText(file);
    QCOMPARE(text.count('\f'), 1);
    for (const char* expected :
         {"Udskrift fra KVISTRA", "Mønt og terning", "A1", "B1", "A2", "B2", "0.3000", "0.7000"})
      QVERIFY2(text.contains(expected), qPrintable(QString(expected) + " missing in:\n" + text));

    // The approve box prints the result under the heading, the event's outcome marked, and
    // stays open.
    QFile::remove(file);
    bool stayedOpen = false;
    DialogScript approving(
        {{"promptDialog",
          [](QDialog* d) {
            QTest::keyClicks(child<QLineEdit>(*d, "answerField"), "A1B2");
            QTest::keyClick(child<QLineEdit>(*d, "answerField"), Qt::Key_Return);
            return QString();
          }},
         {"approveResultDialog", [&](QDialog* d) {
            QTest::mouseClick(child<QToolButton>(*d, "printButton"), Qt::LeftButton);
            stayedOpen = d->isVisible();
            QTest::mouseClick(child<QToolButton>(*d, "dropButton"), Qt::LeftButton);
            return QString();
          }}});
    QTest::mouseClick(form->button(EventButton), Qt::LeftButton);
    QVERIFY2(approving.finished(), qPrintable(approving.faults()));
    QVERIFY(stayedOpen);
    const QStringList lines = pdfText(file).split('\n');
    QCOMPARE(lines.value(1).trimmed(), QString("Mønt og terning"));
    QCOMPARE(lines.value(2).trimmed(), QString("Hændelse : A1B2: 0.2100 = 21/100"));
    QVERIFY(lines.contains("P(A1B2) = 0.2100"));  // the working, below the rest
    QCOMPARE(lines.filter(QRegularExpression("2 +0\\.2100$")).size(), 1);  // beside leaf 2

    // The toolbar button prints the page without the result.
    QFile::remove(file);
    form->button(PrintButton)->click();
    text = pdfText(file);
    QVERIFY(text.contains("Udskrift fra KVISTRA") && !text.contains("0.2100"));
  }

  void everyCopyCommandFillsTheClipboard() {
    completeTwoByTwoTree();
    state->results.count = 1;
    state->results.rows[1] = {"A1B2", "0.2100"};
    state->labels.count = 4;  // A1, B1, A2 renamed "K" with a text, B2
    state->labels.rows[3].newName = "K ";
    state->labels.rows[3].text = w1252("Sjælden");
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QSize area = child<DrawingArea>(*form, "drawingArea")->size();
    QMenu* copyMenu = child<QMenu>(*form, "copyMenu");

    child<QAction>(*copyMenu, "copyTreeAction")->trigger();
    QCOMPARE(clipboard->image().size(), area);
    QVERIFY(clipboard->mimeData()->hasFormat("image/png"));
    QVERIFY(isInk(clipboard->image(), 65, 245));  // the root's stub at the screen's offset

    form->action(CopyAll)->trigger();
    const QImage everything = clipboard->image();
    QCOMPARE(everything.size(), QSize(qRound(area.width() * 1.5), qRound(area.height() * 1.5)));
    QVERIFY(isInk(everything, 5, 250));    // the frame of the results
    QVERIFY(isInk(everything, 305, 245));  // the root's stub, moved right

    const std::pair<const char*, QString> texts[] = {
        {"copyResultsAction", " \n A1B2              0.2100\n"},
        {"copyBranchTextsAction", " \nGren Tekst på gren\n A1   \n B1   \n K    Sjælden\n B2   \n"},
    };
    for (const auto& [action, plain] : texts) {
      child<QAction>(*copyMenu, action)->trigger();
      QCOMPARE(clipboard->text(), plain);
      QVERIFY(clipboard->mimeData()->html().contains("Courier New"));
    }
  }

 private:
  // A 2 x 2 tree through the window: 0.3 and 0.7 on every group.
  void completeTwoByTwoTree() {
    const QString built = buildTwoBranchingTree(*form, 2, 2, {typeProbability("0,3")});
    QVERIFY2(built.isEmpty(), qPrintable(built));
    form->action(CopyAcross)->trigger();
    form->action(CopyDown)->trigger();
    QVERIFY(form->action(Print)->isEnabled());
  }
};

QTEST_MAIN(OutputWindowTest)
#include "OutputWindowTest.moc"
