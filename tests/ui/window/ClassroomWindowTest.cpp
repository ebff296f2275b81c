// The tree on a projector: zoomed, clicked at every zoom, fitted to the window.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "drawing/Zoom.h"
#include "probabilities/BranchEditing.h"
#include "tree/Layout.h"
#include "tree/TreeState.h"
#include "ui/DrawingArea.h"
#include "ui/MainWindow.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Command;

class ClassroomWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    state = std::make_unique<TreeState>();
    form = openMainWindow(*state);
    QVERIFY(form);
    drawing = child<DrawingArea>(*form, "drawingArea");
  }
  void cleanup() { form.reset(); }

  void everyBranchIsHitAtEveryZoom() {
    for (const char* shape : {"two-by-three", "five-by-five", "largest-reduced"}) {
      openTree(shape);
      for (double zoom : {SmallestZoom, 0.67, 1.0, 1.75, LargestZoom}) {
        drawing->setZoom(zoom);
        for (int level = 1; level <= state->tree.branchingCount; ++level)
          for (int slot = 1; slot <= state->tree.branch(level, 1).levelNodeCount; ++slot) {
            const Branch& branch = state->tree.branch(level, slot);
            const QPoint middle(ScreenOffsetX + branch.x + LevelPitch / 2, branch.y);
            QTest::mousePress(drawing, Qt::LeftButton, {}, drawing->fromDrawing(middle));
            const auto hit = branchHitTest(*state, PointerPoint::Press);
            QVERIFY2(
                hit && hit->level == level && hit->slot == slot,
                qPrintable(QString("%1 at %2: %3,%4").arg(shape).arg(zoom).arg(level).arg(slot)));
            QTest::mouseRelease(drawing, Qt::LeftButton, {}, drawing->fromDrawing(middle));
          }
      }
    }
  }

  void theTreeFillsTheWindowAndTheZoomIsKept() {
    openTree("two-by-three");
    for (QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
      form->resize(screen);
      QTest::qWait(50);
      form->action(ZoomToFit)->trigger();
      const QSize room = child<QScrollArea>(*form, "drawingScroll")->viewport()->size();
      const QSize tree = drawing->minimumSizeHint();
      QVERIFY2(tree.width() <= room.width() && tree.height() <= room.height(), "scrolls");
      QVERIFY2(tree.width() > room.width() * 9 / 10 || tree.height() > room.height() * 9 / 10,
               "does not fill");
    }
    form->action(ZoomNormal)->trigger();
    form->action(ZoomIn)->trigger();
    QCOMPARE(drawing->zoom(), 1.1);
    form.reset();
    form = openMainWindow(*state);
    QTRY_COMPARE_WITH_TIMEOUT(child<DrawingArea>(*form, "drawingArea")->zoom(), 1.1, 10000);
  }

 private:
  void openTree(const char* shape) {
    const QString path = folder.filePath(QString(shape) + ".KV3");
    QFile::remove(path);
    QVERIFY(QFile::copy(QString(TREES_DIR "/") + shape, path));
    form->openFile(path);
    QVERIFY(state->tree.complete);
  }

  QTemporaryDir folder;
  std::unique_ptr<TreeState> state;
  std::unique_ptr<MainWindow> form;
  DrawingArea* drawing = nullptr;
};

QTEST_MAIN(ClassroomWindowTest)
#include "ClassroomWindowTest.moc"
