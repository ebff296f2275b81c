// The tree on a projector and on slides: zoomed, clicked at every zoom, fitted to the window,
// and saved as pictures.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <QXmlStreamReader>
#include <QtTest>

#include "DialogScript.h"
#include "MainWindowFixture.h"
#include "drawing/TreeDrawing.h"
#include "drawing/Zoom.h"
#include "probabilities/BranchEditing.h"
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

// Saves in the picture dialog as path, with the type captioned filter.
DialogStep savePicture(const QString& path, const QString& filter) {
  return {"saveAsDialog", [=](QDialog* d) {
            auto* files = static_cast<QFileDialog*>(d);
            const bool offered = files->nameFilters().contains(filter);
            files->selectNameFilter(filter);
            // Typed, as a person does: selectFile leaves a field that has the focus alone.
            child<QLineEdit>(*files, "fileNameEdit")->setText(path);
            d->accept();
            return offered ? QString() : "no type " + filter;
          }};
}

// The words of an SVG file's texts, or what is wrong with it.
QString svgTexts(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "unreadable";
  QXmlStreamReader svg(&file);
  QString texts;
  while (!svg.atEnd())
    if (svg.readNext() == QXmlStreamReader::Characters)
      texts += svg.text().trimmed().toString() + ' ';
  return svg.hasError() ? svg.errorString() : texts.simplified();
}

bool hasInk(const QImage& picture) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qGray(picture.pixel(x, y)) < 100) return true;
  return false;
}

}  // namespace

class ClassroomWindowTest : public WindowTest {
  Q_OBJECT

 private:
  void windowOpened() override { drawing = child<DrawingArea>(*form, "drawingArea"); }

 private slots:
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
    // The next run starts afresh, with the zoom it was left at.
    form.reset();
    state = std::make_unique<TreeState>();
    form = openMainWindow(*state);
    QTRY_COMPARE_WITH_TIMEOUT(child<DrawingArea>(*form, "drawingArea")->zoom(), 1.1, 10000);
  }

  void picturesAreSavedCutToTheTree() {
    const QString built = buildTwoBranchingTree(*form, 2, 2, {typeProbability("1/2")});
    QVERIFY2(built.isEmpty(), qPrintable(built));
    form->action(CopyAcross)->trigger();
    form->action(CopyDown)->trigger();
    const QString png = QString::fromUtf8("PNG-billede (*.png)");
    const QString big = QString::fromUtf8("PNG-billede, firdobbelt størrelse (*.png)");
    const QString pdf = QString::fromUtf8("PDF-dokument (*.pdf)");
    // The type follows the extension typed, or the type chosen when none is typed.
    exportAs(folder.filePath("træ"), png);
    exportAs(folder.filePath("træ4.png"), big);
    exportAs(folder.filePath("træ.svg"), png);
    exportAs(folder.filePath("tavle"), pdf);
    const QImage one(folder.filePath("træ.png"));
    const QImage four(folder.filePath("træ4.png"));
    QVERIFY(!one.isNull() && hasInk(one));
    const InkBounds ink = drawing->recorded().ink();
    QCOMPARE(one.size(), QSize(ink.right - ink.left, ink.bottom - ink.top) +
                             QSize(2 * InkMargin, 2 * InkMargin));
    QCOMPARE(four.size(), one.size() * 4);
    QVERIFY2(svgTexts(folder.filePath("træ.svg")).contains("A1 0.5000"),
             qPrintable(svgTexts(folder.filePath("træ.svg"))));
    const QString pdfWords = pdfText(folder.filePath("tavle.pdf"));
    QVERIFY2(pdfWords.count('\f') == 1 && pdfWords.contains("B2"), qPrintable(pdfWords));
    form->findChild<QAction*>("copyCroppedTreeAction")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), one.size());

    // From the approve box: the marked tree with its working.
    const QString marked = folder.filePath("A1.pdf");
    const QString wrong =
        playScript({answerPrompt("Hændelse ?  ", "a1"),
                    {"approveResultDialog",
                     [&](QDialog* d) {
                       QTest::mouseClick(child<QPushButton>(*d, "exportButton"), Qt::LeftButton);
                       QTest::mouseClick(child<QToolButton>(*d, "approveButton"), Qt::LeftButton);
                       return QString();
                     }},
                    savePicture(marked, pdf)},
                   [&] { form->action(AskEvent)->trigger(); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QVERIFY2(pdfText(marked).contains("P(A1) = 1/4 + 1/4 = 1/2"), qPrintable(pdfText(marked)));
  }

  // A 27-leaf tree shown in counts of N beside a million trials, printed on portrait paper as
  // printers start: the chart's title, scale and key and the last tally are on the paper whole.
  void thePrintedPageHoldsTheChart() {
    openTree("largest-reduced");
    form->action(RestoreTree)->trigger();
    form->findChild<QAction*>("naturalFrequenciesAction")->trigger();
    const QString faults =
        playScript({{"simulationDialog",
                     [](QDialog* d) {
                       child<QComboBox>(*d, "trialsField")->setCurrentText("1000000");
                       child<QPushButton>(*d, "okButton")->click();
                       return QString();
                     }}},
                   [&] { form->findChild<QAction*>("simulateAction")->trigger(); });
    QVERIFY2(faults.isEmpty() && state->simulation, qPrintable(faults));
    const QString page = folder.filePath("side.pdf");
    form->host().printWithoutDialogTo(page);
    form->action(Print)->trigger();
    const QString printed = pdfText(page);
    const QString lastTally = QString::fromStdString(leafLabel(*state, 27)).section(' ', -3);
    for (const QString& expected : {QString("forsøg"), QString("0.050"), lastTally})
      QVERIFY2(printed.contains(expected), qPrintable(expected + " missing in:\n" + printed));
  }

 private:
  void exportAs(const QString& path, const QString& filter) {
    const QString wrong =
        playScript({savePicture(path, filter)}, [&] { form->action(ExportPicture)->trigger(); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
  }

  void openTree(const char* shape) {
    const QString path = folder.filePath(QString(shape) + ".KV3");
    QFile::remove(path);
    QVERIFY(QFile::copy(QString(TREES_DIR "/") + shape, path));
    form->openFile(path);
    QVERIFY(state->tree.complete);
  }

  QTemporaryDir folder;
  DrawingArea* drawing = nullptr;
};

QTEST_MAIN(ClassroomWindowTest)
#include "ClassroomWindowTest.moc"
