// The choices kept between runs: a damaged settings file is ignored, and what is chosen then is
// there again after a restart.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "MainWindowFixture.h"
#include "drawing/Zoom.h"
#include "tree/TreeState.h"
#include "ui/DrawingArea.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"
#include "ui/StartGuide.h"

using namespace kvistra;
using namespace kvistra::ui;
using namespace kvistra::ui::testing;
using enum kvistra::Control;

class SettingsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ignoresADamagedFileAndKeepsTheChoices() {
    QFile file(programSettings().fileName());
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    constexpr char damaged[] = "[General\nzoom=\xff\xfe garbage\nhighlightEvent=maybe\n\x01[[";
    file.write(damaged, sizeof damaged - 1);
    file.close();

    TreeState state;
    {
      auto form = openMainWindow(state);
      QVERIFY(form);
      form->menu(PrepareTreeMenu)->aboutToShow();
      QVERIFY(state.view == ViewOptions{});
      QCOMPARE(child<DrawingArea>(*form, "drawingArea")->zoom(), 1.0);
      for (Control choice : {HighlightEvent, ConditionalValues, DecimalComma, ZoomIn})
        form->action(choice)->trigger();
    }

    TreeState restarted;
    auto form = openMainWindow(restarted);
    QVERIFY(form);
    form->menu(PrepareTreeMenu)->aboutToShow();
    QVERIFY(!restarted.view.highlightEvent && !form->action(HighlightEvent)->isChecked());
    QVERIFY(restarted.view.conditionalValues && form->action(ConditionalValues)->isChecked());
    QVERIFY(restarted.view.decimalComma && form->action(DecimalComma)->isChecked());
    QCOMPARE(child<DrawingArea>(*form, "drawingArea")->zoom(), zoomedIn(1.0));
  }

  // An empty window says how to begin and offers the trees of the last run, never over the
  // start picture; a tree opened from it by the keyboard takes it away.
  void theEmptyWindowGuidesToAFirstTree() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Urne.KV3");
    QVERIFY(QFile::copy(TREES_DIR "/two-by-three", path));
    programSettings().setValue("recentFiles", QStringList{path});

    TreeState state;
    auto form = openMainWindow(state);
    QVERIFY(form);
    QVERIFY(!form->findChild<StartGuide*>());
    QTRY_VERIFY_WITH_TIMEOUT(form->findChild<StartGuide*>(), 4000);
    auto* guide = form->findChild<StartGuide*>();
    QTRY_VERIFY(guide->isVisible());
    QCOMPARE(child<QLabel>(*guide, "startText")->accessibleName(),
             "Begynd med »Tegn træet« → »2 forgreninger« eller »3 forgreninger«, eller hent et "
             "træ med »Filer« → »Hent« (Ctrl+O).");
    QCOMPARE(guide->fileButtons().size(), 1);
    auto* tree = qobject_cast<QPushButton*>(guide->fileButtons().first());
    QCOMPARE(tree->accessibleName(), "Urne.KV3");
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
    QTRY_VERIFY(state.tree.complete);
    QVERIFY(!guide->isVisible());
  }
};

QTEST_MAIN(SettingsWindowTest)
#include "SettingsWindowTest.moc"
