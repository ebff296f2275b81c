// Printing and the clipboard in the real window: the heading dialog, a page printed to a PDF
// file and read back, and every copy command's clipboard contents.
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
#include "tree/TreeState.h"
#include "ui/Dialogs.h"
#include "ui/DrawingArea.h"
#include "ui/MainWindow.h"
#include "ui/PrintHeadingDialog.h"
#include "ui/QtHost.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Command;

namespace {

// Types text over the field's contents and presses Enter twice: the first only moves to "OK".
DialogStep typeHeading(const QString& text, bool* stillOpenAfterFirstEnter = nullptr) {
  return {"printHeadingDialog", [=](QDialog* dialog) {
            auto* field = child<QLineEdit>(*dialog, "headingField");
            field->selectAll();
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
            if (stillOpenAfterFirstEnter)
              *stillOpenAfterFirstEnter =
                  dialog->isVisible() &&
                  dialog->focusWidget() == child<QPushButton>(*dialog, "okButton");
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
            return QString();
          }};
}

// Checks that the field shows what the last opening left in it, then presses "Fortryd".
DialogStep fortrydShowing(const QString& shown) {
  return {"printHeadingDialog", [=](QDialog* dialog) {
            const QString wrong =
                mismatch("field", child<QLineEdit>(*dialog, "headingField")->text(), shown);
            QTest::mouseClick(child<QPushButton>(*dialog, "cancelButton"), Qt::LeftButton);
            return wrong;
          }};
}

QString pdfText(const QString& file, const QStringList& options = {}) {
  QProcess tool;
  tool.start("pdftotext", options + QStringList{file, "-"});
  tool.waitForFinished();
  return QString::fromUtf8(tool.readAllStandardOutput());
}

int pdfPages(const QString& file) {
  QProcess tool;
  tool.start("pdfinfo", {file});
  tool.waitForFinished();
  const QString info = QString::fromUtf8(tool.readAllStandardOutput());
  const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(info);
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

bool isInk(const QImage& image, int x, int y) {
  return qGray(image.pixel(x, y)) < 128;
}

}  // namespace

class OutputWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    state = std::make_unique<TreeState>();
    form = openMainWindow(*state);
    QVERIFY(form);
  }
  void cleanup() { form.reset(); }

  void headingDialogKeepsTheTypedTextAndConfirmsOnTheSecondEnter() {
    auto& dialog = form->dialogs().printHeading();
    QCOMPARE(dialog.windowTitle(), QString("   Overskrift"));
    QCOMPARE(child<QLabel>(dialog, "question")->text(),
             QString(" Navn eller overskrift til udskrifter: "));
    QCOMPARE(dialog.size(), QSize(389, 119));
    QCOMPARE(child<QPushButton>(dialog, "cancelButton")->text(), QString("&Fortryd"));
    bool waitedForSecondEnter = false;
    DialogScript script({
        {"printHeadingDialog",
         [](QDialog* d) {
           QTest::keyClicks(child<QLineEdit>(*d, "headingField"), "Terninger");
           QTest::keyClick(d, Qt::Key_Escape);
           return QString();
         }},
        fortrydShowing("Terninger"),
        typeHeading("Klasse 2.b, æøå", &waitedForSecondEnter),
    });
    QAbstractButton* headingButton = form->button(PrintHeadingButton);
    headingButton->click();
    QCOMPARE(state->printout.heading, std::string());  // what the field held when it opened
    headingButton->click();
    QCOMPARE(state->printout.heading, std::string("Terninger"));
    headingButton->click();
    QVERIFY2(script.finished(), qPrintable(script.faults()));
    QVERIFY(waitedForSecondEnter);
    QCOMPARE(state->printout.heading, w1252("Klasse 2.b, æøå"));
  }

  void printsOnePageToAPdfFile() {
    completeTwoByTwoTree();
    {
      DialogScript script({typeHeading("Mønt og terning")});
      form->button(PrintHeadingButton)->click();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QTemporaryDir folder;
    const QString file = folder.filePath("side.pdf");
    form->host().printWithoutDialogTo(file);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form->windowHandle(), Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY(QFile::exists(file));
    QCOMPARE(pdfPages(file), 1);
    const QString text = pdfText(file);
    for (const char* expected :
         {"Udskrift fra KVISTRA", "Mønt og terning", "A1", "B1", "A2", "B2", "0.3000", "0.7000"})
      QVERIFY2(text.contains(expected), qPrintable(QString(expected) + " missing in:\n" + text));

    // The toolbar button prints the same page; a new file proves it printed.
    QFile::remove(file);
    form->button(PrintButton)->click();
    QCOMPARE(pdfPages(file), 1);
    QVERIFY(pdfText(file).contains("Udskrift fra KVISTRA"));

    // The approve box prints the result under the heading, the event's outcome marked, and
    // stays open.
    QFile::remove(file);
    bool stayedOpen = false;
    DialogScript script({{"promptDialog",
                          [](QDialog* d) {
                            QTest::keyClicks(child<QLineEdit>(*d, "answerField"), "A1B2");
                            QTest::keyClick(child<QLineEdit>(*d, "answerField"), Qt::Key_Return);
                            return QString();
                          }},
                         {"approveResultDialog", [&](QDialog* d) {
                            QTest::mouseClick(child<QToolButton>(*d, "printButton"),
                                              Qt::LeftButton);
                            stayedOpen = d->isVisible();
                            QTest::mouseClick(child<QToolButton>(*d, "dropButton"), Qt::LeftButton);
                            return QString();
                          }}});
    form->action(AskEvent)->trigger();
    QVERIFY2(script.finished(), qPrintable(script.faults()));
    QVERIFY(stayedOpen);
    const QStringList lines = pdfText(file, {"-layout"}).split('\n');
    QCOMPARE(lines.value(1).trimmed(), QString("Mønt og terning"));
    QCOMPARE(lines.value(2).trimmed(), QString("Hændelse : A1B2: 0.2100"));
    QVERIFY(lines.filter(QRegularExpression("2 +0\\.2100$")).size() == 1);  // beside leaf 2
  }

  void everyCopyCommandFillsTheClipboard() {
    completeTwoByTwoTree();
    state->results.count = 1;
    state->results.rows[1] = {"A1B2", "0.2100"};
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QSize area = child<DrawingArea>(*form, "drawingArea")->size();
    QMenu* copyMenu = child<QMenu>(*form, "copyMenu");

    child<QAction>(*copyMenu, "copyTreeAction")->trigger();
    QImage tree = clipboard->image();
    QCOMPARE(tree.size(), area);
    QVERIFY(clipboard->mimeData()->hasFormat("image/png"));
    QVERIFY(isInk(tree, 65, 245));  // the root's stub at the screen's offset

    form->action(CopyAll)->trigger();
    const QImage everything = clipboard->image();
    QCOMPARE(everything.size(), QSize(qRound(area.width() * 1.5), qRound(area.height() * 1.5)));
    QVERIFY(isInk(everything, 5, 250));    // the frame of the results
    QVERIFY(isInk(everything, 305, 245));  // the root's stub, moved right

    const std::pair<const char*, QString> texts[] = {
        {"copyResultsAction", " \n A1B2              0.2100\n"},
        {"copyBranchTextsAction", " \nGren Tekst på gren\n"},
    };
    for (const auto& [action, plain] : texts) {
      child<QAction>(*copyMenu, action)->trigger();
      QCOMPARE(clipboard->text(), plain);
      QVERIFY(clipboard->mimeData()->hasHtml());
      QVERIFY(clipboard->mimeData()->html().contains("Courier New"));
    }
  }

 private:
  // A 2 x 2 tree through the window: 0.3 and 0.7 on every group.
  void completeTwoByTwoTree() {
    form->action(NewTwoBranchingTree)->trigger();
    QTest::mouseClick(form->button(branchCountButton(2)), Qt::LeftButton);
    QTest::mouseClick(form->button(branchCountButton(2)), Qt::LeftButton);
    DialogScript script({typeProbability("0,3")});
    form->action(SetFirstProbabilities)->trigger();
    QVERIFY2(script.finished(), qPrintable(script.faults()));
    for (int step = 0; step < 4 && !state->input.allProbabilitiesEntered; ++step)
      form->action(form->action(CopyAcross)->isEnabled() ? CopyAcross : CopyDown)->trigger();
    QVERIFY(state->input.allProbabilitiesEntered);
    QVERIFY(form->action(Print)->isEnabled());
  }

  std::unique_ptr<TreeState> state;
  std::unique_ptr<MainWindow> form;
};

QTEST_MAIN(OutputWindowTest)
#include "OutputWindowTest.moc"
