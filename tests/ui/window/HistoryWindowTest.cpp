// Undo and redo of every kind of step, the question before unsaved work is lost, the recent
// files and a dropped tree, walked through the real window.
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "storage/TreeFile.h"
#include "tree/Layout.h"
#include "tree/TreeState.h"
#include "ui/DrawingArea.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/RecentFiles.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

namespace {

// Chooses path in the open or save dialog; a save dialog must start at expectedPreset.
DialogStep chooseFile(const QString& dialog, const QString& path,
                      const QString& expectedPreset = {}) {
  return {dialog, [path, expectedPreset](QDialog* d) {
            auto* files = static_cast<QFileDialog*>(d);
            const QString preset = files->selectedFiles().value(0);
            files->selectFile(path);
            d->accept();
            return expectedPreset.isEmpty() ? QString()
                                            : mismatch("preset", preset, expectedPreset);
          }};
}

// Enter in the program's question before a file is replaced, whose default must be expected.
DialogStep replaceByEnter(const QString& name, const QString& expected) {
  return {"replaceFileBox", [name, expected](QDialog* d) {
            auto* box = static_cast<QMessageBox*>(d);
            const QString wrong = mismatch("question", box->text(),
                                           "»" + name + "« findes allerede. Vil du erstatte den?") +
                                  mismatch("default", box->defaultButton()->text(), expected);
            QTest::keyClick(box->defaultButton(), Qt::Key_Return);
            return wrong;
          }};
}

// Enter on the preset "*.KV3" only shows the tree files there; then path is chosen.
DialogStep filterThenChoose(const QString& path) {
  return {"saveDialog", [path](QDialog* d) {
            auto* files = static_cast<QFileDialog*>(d);
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            QString wrong = d->isVisible() ? QString() : "the dialog closed on a filter";
            wrong += mismatch("filter", files->selectedNameFilter(), "*.KV3");
            if (QFile::exists(files->directory().filePath("*.KV3"))) wrong += "*.KV3 written";
            files->selectFile(path);
            d->accept();
            return wrong;
          }};
}

DialogStep approveEvent() {
  return {"approveResultDialog", [](QDialog* d) {
            QTest::mouseClick(child<QToolButton>(*d, "approveButton"), Qt::LeftButton);
            return QString();
          }};
}

// Before answering step: nothing that reaches the tree runs behind its dialog.
DialogStep behindDialog(MainWindow& form, const TreeState& state, const DialogStep& step) {
  return {step.dialog, [&form, &state, step](QDialog* d) {
            const std::string before = treeFileText(state);
            form.action(TwoDecimals)->trigger();
            form.action(Undo)->trigger();
            QString wrong = treeFileText(state) == before ? "" : "a command ran behind the dialog";
            if (form.action(Undo)->isEnabled() || form.action(Redo)->isEnabled())
              wrong += "undo is on behind the dialog";
            if (form.action(TwoDecimals)->isChecked()) wrong += "a refused choice is checked";
            return wrong + step.answer(d);
          }};
}

// The approve box leaves the yellow note and the marked leaves in view; the tree too, where the
// screen has room.
DialogStep approveInView(MainWindow& form, bool room) {
  return {"approveResultDialog", [&form, room](QDialog* d) {
            const ShownAreas shown =
                form.findChild<DrawingArea*>()->shownEventOnScreen().value_or(ShownAreas{});
            const auto* note = child<QWidget>(form, "reductionNote");
            const QRect box = d->frameGeometry();
            const bool covers = box.intersects(shown.marked) ||
                                (room && box.intersects(shown.ink)) ||
                                box.intersects({note->mapToGlobal(QPoint(0, 0)), note->size()});
            return (shown.marked.isEmpty() ? "no marked leaves" : "") +
                   (covers ? QString("the box covers what it is about") : QString()) +
                   approveEvent().answer(d);
          }};
}

}  // namespace

class HistoryWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void everyStepUndoesAndNoWorkIsLost() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Urne rød blå.KV3");
    // The keys of undo and redo are shortcuts: they reach an active window only.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    const QString built = buildTwoBranchingTree(
        *form, 3, 2, {typeProbability("0,25"), typeProbability("1/6"), typeProbability("0.4")});
    QVERIFY2(built.isEmpty(), qPrintable(built));
    form->action(CopyDown)->trigger();
    form->action(CopyDown)->trigger();

    // Every kind of step gives back exactly what it changed, and comes again.
    auto* drawing = child<DrawingArea>(*form, "drawingArea");
    const auto click = [&](int level, int slot) {
      const Branch& branch = state->tree.branch(level, slot);
      QTest::mouseClick(drawing, Qt::LeftButton, {},
                        {ScreenOffsetX + branch.x + LevelPitch / 2, branch.y});
    };
    QCOMPARE(form->action(Undo)->text(), "Fortryd Kopier sandsynligheder lodret");
    undoable("2 decimaler", {}, [&] { form->action(TwoDecimals)->trigger(); });
    undoable("Ret talværdi", {typeProbability("0.5"), typeProbability("0.25")}, [&] {
      form->action(EditValue)->trigger();
      click(1, 1);
    });
    undoable("Udskift navn på hele træet", {answerPrompt(" Nyt navn ?  ", "r")}, [&] {
      form->action(ReplaceLetter)->trigger();
      click(1, 1);
    });
    // A button's step is named as its menu item.
    undoable("Hændelser", {answerPrompt("Hændelse ?  ", "R1"), approveEvent()},
             [&] { QTest::mouseClick(form->button(EventButton), Qt::LeftButton); });
    undoable("Reducér træ", {answerPrompt("Reduktionshændelse ?  ", "R1")},
             [&] { QTest::mouseClick(form->button(ReduceButton), Qt::LeftButton); });
    QVERIFY(child<QWidget>(*form, "reductionNote")->isVisible());
    if (QTest::currentTestFailed()) return;

    // "Fortryd" in the question keeps everything; "Gem" saves before the tree goes.
    play({answerSaveChanges("Fortryd")}, [&] { form->action(NewTwoBranchingTree)->trigger(); });
    QVERIFY(state->tree.complete);
    // F1 opens the help from the question too, as from every window.
    const DialogStep helpThenCancel{"saveChangesBox", [&](QDialog* d) {
                                      QTest::keyClick(d, Qt::Key_F1);
                                      auto* help = form->findChild<HelpWindow*>();
                                      const bool shown = help && help->isVisible();
                                      if (help) help->close();
                                      return answerSaveChanges("Fortryd").answer(d) +
                                             (shown ? "" : "no help");
                                    }};
    play({helpThenCancel}, [&] { QVERIFY(!form->close()); });
    QVERIFY(form->isVisible());
    play({answerSaveChanges("Gem"), filterThenChoose(path), chooseFile("openDialog", path)},
         [&] { form->action(Open)->trigger(); });
    QCOMPARE(form->recentFiles().paths().value(0), path);
    QCOMPARE(form->windowTitle(), "   Kvistra    Version 100106   Urne rød blå.KV3");
    // Saving again starts at the tree's own file, and Enter replaces it; another file is
    // replaced only when "Ja" is chosen.
    play({chooseFile("saveDialog", path, path), replaceByEnter("Urne rød blå.KV3", "&Ja")},
         [&] { form->action(Save)->trigger(); });
    const QString other = folder.filePath("andet.KV3");
    QVERIFY(QFile::copy(path, other));
    play({chooseFile("saveDialog", other),
          replaceByEnter("andet.KV3", "&Nej"),
          {"saveDialog", [](QDialog* d) { return d->reject(), QString(); }}},
         [&] { form->action(Save)->trigger(); });

    // Nothing changed since: a new tree asks nothing, and a dropped file opens.
    form->action(NewTwoBranchingTree)->trigger();
    QVERIFY(!state->tree.complete);
    auto* dropped = new QMimeData;
    dropped->setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop({10, 10}, Qt::CopyAction, dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drop);
    QTRY_VERIFY(state->tree.complete);
    QCOMPARE(form->action(Undo)->text(), "Fortryd Hent");
    form->action(Undo)->trigger();
    QCOMPARE(form->windowTitle(), "   Kvistra   ");
    form->action(Redo)->trigger();
    QCOMPARE(form->windowTitle(), "   Kvistra    Version 100106   Urne rød blå.KV3");
    delete dropped;

    // A recent file that has gone is told, and leaves the list.
    QVERIFY(QFile::remove(path));
    form->findChild<QMenu*>("fileMenu")->aboutToShow();
    play({acknowledgeMessage(" Filen findes ikke")},
         [&] { form->findChild<QAction*>("recentFile1")->trigger(); });
    QVERIFY(!form->recentFiles().paths().contains(path));
  }

  // A class's lesson: a tree built while the start picture shows, reduced and asked about.
  void undoGivesBackWhatWasShownAndNothingRunsBehindADialog() {
    const QString built =
        buildTwoBranchingTree(*form, 2, 3,
                              {behindDialog(*form, *state, typeProbability("0.3")),
                               typeProbability("1/3"), typeProbability("1/4")});
    QVERIFY2(built.isEmpty(), qPrintable(built));
    form->action(CopyDown)->trigger();
    auto* startPicture = child<QLabel>(*form, "startPicture");
    child<QTimer>(*form, "startPictureTimer")->start(1);
    QTRY_VERIFY(!startPicture->isVisible());

    // The reduced tree shows its kept paths as an event, and so do undo and redo.
    play({answerPrompt("Reduktionshændelse ?  ", "A1")},
         [&] { form->action(ReduceTree)->trigger(); });
    auto* drawing = child<DrawingArea>(*form, "drawingArea");
    const QImage reduced = drawing->picture();
    form->action(Undo)->trigger();
    form->action(Redo)->trigger();
    QCOMPARE(drawing->picture(), reduced);

    play({answerPrompt("Hændelse ?  ", "A1B2"),
          behindDialog(*form, *state, approveInView(*form, true))},
         [&] { form->action(AskEvent)->trigger(); });
    // Every step undone: the start picture stays gone.
    while (form->action(Undo)->isEnabled()) {
      form->action(Undo)->trigger();
      QVERIFY(!startPicture->isVisible());
    }

    // 27 leaves fill the screen: the box covers the least of the tree.
    QTemporaryDir folder;
    const QString path = folder.filePath("stor.KV3");
    QVERIFY(QFile::copy(TREES_DIR "/largest-reduced", path));
    form->openFile(path);
    play({answerPrompt("Hændelse ?  ", "1..27"), approveInView(*form, false)},
         [&] { form->action(AskEvent)->trigger(); });
  }

  // "Andre træformer…" asks about unsaved work, then the branchings; "Fortryd" keeps the tree and
  // no step. The bar names each branching.
  void otherShapesAskFirstAndNameEachBranching() {
    const auto typed = {typeProbability("0.3"), typeProbability("1/3"), typeProbability("1/4")};
    QVERIFY(buildTwoBranchingTree(*form, 2, 3, typed).isEmpty());
    form->action(CopyDown)->trigger();
    const auto chooseOtherShapes = [&](const QString& count) {
      form->menu(DrawTreeMenu)->popup(form->mapToGlobal(QPoint(0, 0)));
      play({answerSaveChanges("Gem ikke"), answerCount("Antal forgreninger (1-6):", count)},
           [&] { QTest::keyClick(form->menu(DrawTreeMenu), Qt::Key_A); });
    };
    chooseOtherShapes("");
    QCOMPARE(form->action(Undo)->text(), "Fortryd Kopier sandsynligheder lodret");
    chooseOtherShapes("5");
    for (int b : {2, 2, 2}) QTest::mouseClick(form->button(branchCountButton(b)), Qt::LeftButton);
    QCOMPARE(child<QLabel>(*form, "branchCountLabel")->text(), "Antal grene i 4. forgrening:");
  }

 private:
  // Runs act, whose dialogs steps answer, then checks that undo gives back the tree file, the
  // decimals and the commands as they were, and redo what act left.
  void undoable(const QString& step, std::deque<DialogStep> steps,
                const std::function<void()>& act) {
    const auto work = [this] {
      return treeFileText(*state) + std::to_string(state->tree.decimalCount);
    };
    const std::string before = work();
    const WindowState windowBefore = form->windowModel();
    play(std::move(steps), act);
    const std::string after = work();
    QVERIFY2(after != before, qPrintable(step));
    QCOMPARE(form->action(Undo)->text(), "Fortryd " + step);
    // Without a window manager, a closed dialog leaves no window active.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(work(), before);
    QCOMPARE(form->windowModel().enabled, windowBefore.enabled);
    QCOMPARE(form->windowModel().reductionNote, windowBefore.reductionNote);
    QCOMPARE(form->action(Redo)->text(), "Gentag " + step);
    QTest::keyClick(form->windowHandle(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(work(), after);
    QVERIFY(!form->action(Redo)->isEnabled());
  }

  void play(std::deque<DialogStep> steps, const std::function<void()>& act) {
    const QString faults = playScript(std::move(steps), act);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
  }
};

QTEST_MAIN(HistoryWindowTest)
#include "HistoryWindowTest.moc"
