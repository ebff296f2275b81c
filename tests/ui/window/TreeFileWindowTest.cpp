// A tree built in the window, named, saved, replaced by a new one and opened again: from the
// menu and from the command line.
#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "storage/TreeFile.h"
#include "tree/Layout.h"
#include "tree/TreeState.h"
#include "ui/MainWindow.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

namespace {

// Chooses path in the open or save dialog, which must carry title.
DialogStep chooseFile(const QString& dialog, const QString& title, const QString& path) {
  return {dialog, [title, path](QDialog* d) {
            const QString wrong = mismatch("title", d->windowTitle(), title);
            auto* files = static_cast<QFileDialog*>(d);
            files->selectFile(path);
            d->accept();  // as the dialog's own button does
            return wrong;
          }};
}

QString linesOf(const QObject& form, const char* pane) {
  return child<QPlainTextEdit>(form, pane)->toPlainText();
}

}  // namespace

class TreeFileWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void aNamedTreeIsSavedAndOpenedAgain() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Træ.KV3");
    buildCompleteTree(*form);

    // Rows 1 to 5 are the tree's; in row B2 a letter over the selected name first empties it.
    // K given to A2 as well is told, and the dialog stays open to be corrected.
    {
      DialogScript script(
          {{"branchNamesDialog",
            [](QDialog* d) {
              const QString wrong =
                  mismatch("caption", d->windowTitle(), "Ændring af navne og tilføjelse af tekst") +
                  mismatch("row 5", child<QLabel>(*d, "rowName5")->text(), "B2") +
                  mismatch("row 6", child<QLabel>(*d, "rowName6")->text(), " ");
              auto* name = child<QLineEdit>(*d, "nameField5");
              QTest::mouseClick(name, Qt::LeftButton);
              QTest::keyClicks(name, "kk");
              QTest::keyClicks(child<QLineEdit>(*d, "textField1"), "Sol på æble");
              if (child<QLineEdit>(*d, "nameField6")->isEnabled()) return wrong + "; row 6 open";
              auto* a2 = child<QLineEdit>(*d, "nameField4");
              for (const char* typed : {"k", "a2"}) {
                QTest::mouseClick(a2, Qt::LeftButton);
                QTest::keyClicks(a2, typed);
                QTest::mouseClick(child<QToolButton>(*d, "applyButton"), Qt::LeftButton);
              }
              return wrong;
            }},
           acknowledgeMessage(
               "Navnet K er givet til både A2 og B2. Hvert navn må kun bruges ét sted.")});
      form->action(BranchNames)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    QCOMPARE(state->tree.branch(2, 4).name, "K ");
    const QString texts = "Gren Tekst på gren\n A1   Sol på æble\n B1   \n C1   \n A2   \n K    ";
    QCOMPARE(linesOf(*form, "branchTextsList"), texts);
    QVERIFY(child<QWidget>(*form, "branchTextsPane")->isVisible());

    {
      // A name typed without an extension is saved as a tree file.
      DialogScript script({chooseFile("saveDialog", " Gem dit Kvistra ", folder.filePath("Træ"))});
      form->action(Save)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    const QString caption = "   Kvistra    Version 100106   Træ.KV3";
    QCOMPARE(form->windowTitle(), caption);

    form->action(NewTwoBranchingTree)->trigger();
    QVERIFY(!child<QWidget>(*form, "branchTextsPane")->isVisible());
    {
      DialogScript script({chooseFile("openDialog", " Hent et Kvistra ", path)});
      form->action(Open)->trigger();
      QVERIFY2(script.finished(), qPrintable(script.faults()));
    }
    checkLoaded(*form, *state, caption, texts);

    // Named on the command line, the file opens when the start picture goes; a missing one
    // is told.
    for (const QString& named : {path, folder.filePath("mangler.KV3")}) {
      TreeState started;
      ensureResources();
      MainWindow second(started);
      second.setStartFile(named);
      child<QTimer>(second, "startPictureTimer")->setInterval(10);
      const bool missing = named != path;
      DialogScript script(missing ? std::deque<DialogStep>{acknowledgeMessage(" Filen findes ikke")}
                                  : std::deque<DialogStep>{});
      second.show();
      QTRY_VERIFY(!child<QLabel>(second, "startPicture")->isVisible());
      QVERIFY2(script.finished(), qPrintable(script.faults()));
      if (!missing) checkLoaded(second, started, caption, texts);
      QCOMPARE(started.tree.complete, !missing);
    }
  }

  // A file whose first group does not add up to 1 computes nothing until "Ret talværdi" has
  // mended it; then events can be asked again.
  void aFileMendedWithRetTalvaerdiAsksEventsAgain() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Skæv.KV3");
    buildCompleteTree(*form);
    TreeState skewed = *state;
    skewed.tree.branch(1, 1).probability = 0.5;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(treeFileText(skewed)));
    file.close();
    const DialogStep closeMessage = {
        "message", [](QDialog* d) {
          static_cast<QMessageBox*>(d)->button(QMessageBox::Ok)->click();
          return QString();
        }};
    QCOMPARE(
        playScript({answerSaveChanges("Gem ikke"), closeMessage}, [&] { form->openFile(path); }),
        QString());
    QVERIFY(form->action(CalculationsMenu)->isEnabled());
    QVERIFY(!form->action(AskEvent)->isEnabled());

    form->action(EditValue)->trigger();
    const Branch& a1 = state->tree.branch(1, 1);
    const QPoint onA1(ScreenOffsetX + a1.x + LevelPitch / 2, a1.y);
    QCOMPARE(playScript({typeProbability("0,25"), typeProbability("1/6")},
                        [&] {
                          QTest::mouseClick(child<QWidget>(*form, "drawingArea"), Qt::LeftButton,
                                            {}, onA1);
                        }),
             QString());
    QVERIFY(form->action(AskEvent)->isEnabled());
    QVERIFY(form->button(EventButton)->isEnabled());
  }

 private:
  // A tree of 3 and 2 branches with every probability, as a user enters them.
  void buildCompleteTree(MainWindow& form) {
    const QString built = buildTwoBranchingTree(
        form, 3, 2, {typeProbability("0,25"), typeProbability("1/6"), typeProbability("0.4")});
    QVERIFY2(built.isEmpty(), qPrintable(built));
    form.action(CopyDown)->trigger();
    form.action(CopyDown)->trigger();
    QVERIFY(form.action(Save)->isEnabled());
  }

  void checkLoaded(MainWindow& form, const TreeState& state, const QString& caption,
                   const QString& texts) {
    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(state.tree.branch(2, 6).name, "K ");
    QCOMPARE(state.tree.branch(1, 2).typedText, "1/6");
    QCOMPARE(linesOf(form, "branchTextsList"), texts);
    QVERIFY(child<QWidget>(form, "branchTextsPane")->isVisible());
    QVERIFY(child<QWidget>(form, "toolbar")->isVisible());
    QVERIFY(!child<QWidget>(form, "branchCountBar")->isVisible());
    const auto enabled = [&form](Control c) {
      return form.action(c) ? form.action(c)->isEnabled() : form.button(c)->isEnabled();
    };
    for (Control c : {Print, PrepareTreeMenu, CalculationsMenu, Save, ReduceTree, EventButton,
                      ReduceButton, ClearResultsButton, PrintButton, CopyMenuButton})
      QVERIFY2(enabled(c), qPrintable(QString::number(static_cast<int>(c))));
    for (Control c : {SetFirstProbabilities, CopyAcross, CopyDown, EnterProbabilities, RestoreTree,
                      RestoreButton, CopyAcrossButton, CopyDownButton, EnterProbabilitiesButton})
      QVERIFY2(!enabled(c), qPrintable(QString::number(static_cast<int>(c))));
  }
};

QTEST_MAIN(TreeFileWindowTest)
#include "TreeFileWindowTest.moc"
