#include "ui/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

#include "chance/FrequencyCommands.h"
#include "chance/SimulationCommands.h"
#include "chance/TreeReversal.h"
#include "construction/Construction.h"
#include "drawing/TreeDrawing.h"
#include "drawing/Zoom.h"
#include "events/EventCalculation.h"
#include "events/Reduction.h"
#include "events/ResultsPicking.h"
#include "events/VariableQuestions.h"
#include "names/BranchNames.h"
#include "output/ClipboardExport.h"
#include "output/PictureExport.h"
#include "output/Printing.h"
#include "probabilities/BranchEditing.h"
#include "probabilities/BranchKeys.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "results/ResultsList.h"
#include "storage/TreeFileCommands.h"
#include "ui/AboutDialog.h"
#include "ui/DialogLook.h"
#include "ui/DialogPlacement.h"
#include "ui/Dialogs.h"
#include "ui/DistributionDock.h"
#include "ui/DrawingAccessibility.h"
#include "ui/DrawingArea.h"
#include "ui/HelpWindow.h"
#include "ui/ProbabilityDialog.h"
#include "ui/PromptDialog.h"
#include "ui/QtHost.h"
#include "ui/RecentFiles.h"
#include "ui/Resources.h"
#include "ui/ResultsPane.h"
#include "ui/StartGuide.h"
#include "ui/StartPicture.h"
#include "ui/TextConversion.h"
#include "ui/ToolbarIcons.h"
#include "ui/YesNoDialog.h"
#include "variable/VariableDefinition.h"
#include "window/Controls.h"
#include "window/Startup.h"
#include "worksheets/Worksheet.h"

namespace kvistra::ui {

namespace {

using enum Control;

// One entry of the menu bar: an item, a separator (no caption) or a submenu (items).
struct MenuEntry {
  const char* name;
  const char* caption;
  std::optional<Control> command = std::nullopt;
  const char* shortcut = nullptr;
  std::vector<MenuEntry> items = {};
};

const std::vector<MenuEntry>& mainMenu() {
  static const std::vector<MenuEntry> menu = {
      {"fileMenu",
       "&Filer",
       std::nullopt,
       nullptr,
       {
           {"openAction", "&Hent", Open, "Ctrl+O"},
           {"saveAction", "&Gem", Save, "Ctrl+S"},
           {"exportPictureAction", "Eksporter billede…", ExportPicture, "Ctrl+E"},
           {"printAction", "Udskriv", Print, "Ctrl+P"},
           {"printPreviewAction", "Vis udskrift", PrintPreview},
           {"printWorksheetAction", "Udskriv opgaveark…", PrintWorksheet},
           {"quitAction", "&Afslut", Quit, "Ctrl+Q"},
       }},
      {"editMenu",
       "&Rediger",
       std::nullopt,
       nullptr,
       {
           {"undoAction", "Fortryd", Undo, "Ctrl+Z"},
           {"redoAction", "Gentag", Redo, "Ctrl+Y"},
           {"editSeparator", ""},
           {"copyAllAction", "Kopier alt til Klippebordet", CopyAll},
       }},
      {"drawTreeMenu",
       "&Tegn træet",
       DrawTreeMenu,
       nullptr,
       {
           {"newTwoBranchingTreeAction", "&2 forgreninger", NewTwoBranchingTree},
           {"newThreeBranchingTreeAction", "&3 forgreninger", NewThreeBranchingTree},
           {"newOtherShapeTreeAction", "&Andre træformer…", NewOtherShapeTree},
       }},
      {"prepareTreeMenu",
       "&Klargør træ",
       PrepareTreeMenu,
       nullptr,
       {
           {"setFirstProbabilitiesAction", "Sæt chancer på første grene", SetFirstProbabilities},
           {"copyAcrossAction", "Kopier sandsynligheder vandret", CopyAcross},
           {"copyDownAction", "Kopier sandsynligheder lodret", CopyDown},
           {"enterProbabilitiesAction", "Indtast sandsynligheder", EnterProbabilities},
           {"editValueAction", "Ret talværdi", EditValue},
           {"shapeToolsSeparator", ""},
           {"endPathAction", "Afslut grenen her", EndPath},
           {"branchOutAction", "Forgren grenen…", BranchOut},
           {"addBranchAction", "Tilføj gren", AddBranch},
           {"deleteBranchAction", "Slet gren", DeleteBranch},
           {"shapeToolsEndSeparator", ""},
           {"branchNamesAction", "Navn og tekst på grene", BranchNames},
           {"decimalsMenu",
            "Antal decimaler",
            DecimalsMenu,
            nullptr,
            {
                {"twoDecimalsAction", "2 decimaler", TwoDecimals},
                {"threeDecimalsAction", "3 decimaler", ThreeDecimals},
                {"fourDecimalsAction", "4 decimaler", FourDecimals},
                {"fractionsAction", "Brøker", Fractions},
            }},
           {"clearResultsAction", "Rens skema", ClearResults},
           {"replaceLetterAction", "Udskift navn på hele træet", ReplaceLetter},
           {"decimalCommaAction", "Decimalkomma", DecimalComma},
       }},
      {"calculationsMenu",
       "&Beregninger",
       CalculationsMenu,
       nullptr,
       {
           {"askEventAction", "&Hændelser", AskEvent},
           {"defineVariableAction", "S&tokastisk variabel…", DefineVariable},
           {"reduceTreeAction", "&Reducér træ", ReduceTree},
           {"restoreTreeAction", "&Gendan træ", RestoreTree},
           {"reverseTreeAction", "&Vend træet", ReverseTree},
           {"simulateAction", "&Simulér…", Simulate},
           {"simulateAgainAction", "Simulér &igen", SimulateAgain},
           {"conditionalValuesAction", "Vis betingede sandsynligheder", ConditionalValues},
           {"highlightEventAction", "Fremhæv hændelsen", HighlightEvent},
       }},
      {"viewMenu",
       "&Vis",
       std::nullopt,
       nullptr,
       {
           {"zoomInAction", "Zoom ind", ZoomIn, "Ctrl++"},
           {"zoomOutAction", "Zoom ud", ZoomOut, "Ctrl+-"},
           {"zoomNormalAction", "Normal størrelse", ZoomNormal, "Ctrl+0"},
           {"zoomToFitAction", "Tilpas til vinduet", ZoomToFit},
           {"viewSeparator", ""},
           {"naturalFrequenciesAction", "Antal ud af N", NaturalFrequencies},
           {"caseCountAction", "Antal tilfælde N…", CaseCount},
           {"variableSeparator", ""},
           {"variableOnOutcomesAction", "Vis X på udfaldene", VariableOnOutcomes},
       }},
      {"helpMenu",
       "&Hjælp",
       HelpMenu,
       nullptr,
       {
           {"helpContentsAction", "&Vejledning", HelpContents},
           {"helpSeparator", ""},
           {"aboutAction", "&Om programmet", About},
       }},
  };
  return menu;
}

struct ToolbarButton {
  Control command;
  const char* name;
  int x;
  const char* hint;
};

constexpr ToolbarButton Toolbar[] = {
    {PrintButton, "printButton", 10, "Udskriv"},
    {PrintHeadingButton, "printHeadingButton", 46, "Navn eller overskrift til udskrift "},
    {CopyMenuButton, "copyMenuButton", 82, "Kopier til Klippebordet"},
    {CopyAcrossButton, "copyAcrossButton", 136, "Kopier tallene vandret"},
    {CopyDownButton, "copyDownButton", 172, "Kopier tallene lodret"},
    {EnterProbabilitiesButton, "enterProbabilitiesButton", 208, "Indtast sandsynligheder"},
    {EventButton, "eventButton", 260, "Hændelse"},
    {ReduceButton, "reduceButton", 296, "Reducer træet"},
    {RestoreButton, "restoreButton", 332, "Gendan træet"},
    {ClearResultsButton, "clearResultsButton", 368, "Rens skemaet"},
};

// The framed groups behind the toolbar buttons: name, left edge and right edge.
struct ToolbarGroup {
  const char* name;
  int left;
  int right;
};
constexpr ToolbarGroup ToolbarGroups[] = {
    {"outputGroup", 6, 119}, {"probabilityGroup", 132, 245}, {"eventGroup", 256, 405}};

constexpr int ToolbarHeight = 45;
// The status line right of the toolbar's groups.
constexpr int ToolNoteLeft = 420;
constexpr int ButtonSize = 33;
constexpr int ButtonTop = 6;
constexpr int BranchCountBarHeight = 41;
constexpr int BranchCountButtonLeft = 320;
constexpr int BranchCountButtonPitch = 32;
constexpr int BranchCountButtonSize = 25;
constexpr int SidePaneWidth = 297;
constexpr int DistributionPaneWidth = 300;
constexpr int BranchTextsPaneHeight = 190;
constexpr int ReductionNoteHeight = 49;
constexpr int BranchHintMargin = 2;
constexpr QSize StartPictureSize(273, 225);
// How often the start's remaining steps look again whether a dialog has closed.
constexpr int DialogWaitMs = 100;
// Where the copy menu opens, from the copy button's top-left corner.
constexpr QPoint CopyMenuPlace(5, 75);
// The decimal comma is kept between runs.
constexpr const char* DecimalCommaKey = "decimalComma";
constexpr const char* ZoomKey = "zoom";
constexpr const char* HighlightEventKey = "highlightEvent";
constexpr const char* ConditionalValuesKey = "conditionalValues";
constexpr const char* VariableOnOutcomesKey = "variableOnOutcomes";

std::size_t indexOf(Control command) {
  return static_cast<std::size_t>(command);
}

QFrame* frame(QWidget* parent, const char* name) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  return frame;
}

template <class Pane = QPlainTextEdit>
Pane* textPane(QWidget* parent, const char* name, const QString& accessibleName) {
  auto* edit = new Pane(parent);
  edit->setObjectName(name);
  edit->setAccessibleName(accessibleName);
  edit->setReadOnly(true);
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  setFontWhenShown(edit, dialogFont(16, true));
  return edit;
}

// The top-left corner that keeps place wholly inside area, moving it as little as possible.
QPoint keptInside(QRect place, const QRect& area) {
  if (place.right() > area.right()) place.moveRight(area.right());
  if (place.bottom() > area.bottom()) place.moveBottom(area.bottom());
  if (place.left() < area.left()) place.moveLeft(area.left());
  if (place.top() < area.top()) place.moveTop(area.top());
  return place.topLeft();
}

QString joinedLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const auto& line : lines) text << toQt(line);
  return text.join('\n');
}

// While an event or a reduction is shown: its marked leaves (the kept ones of a reduction) with
// their values, which reach to the ink's right edge; in drawing units.
std::optional<QRect> markedLeaves(const TreeState& state,
                                  const std::vector<DrawingReading>& readings, int inkRight) {
  if (!state.event.shown && !state.reduction.reduced) return std::nullopt;
  const Tree& tree = state.tree;
  QRect marked;
  // Outcomes stand on whichever branching their paths end.
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    const BranchAt at = tree.outcome(k);
    const bool shown = state.event.shown ? state.event.outcomeMarked[k] : tree.branch(at).exists;
    const auto leaf = std::find_if(readings.begin(), readings.end(), [at](const auto& reading) {
      return reading.level == at.level && reading.slot == at.slot;
    });
    if (shown && leaf != readings.end())
      marked |= QRect(QPoint(leaf->left, leaf->top),
                      QPoint(std::max(inkRight, leaf->right), leaf->bottom));
  }
  return marked;
}

void showLines(QPlainTextEdit* pane, const std::vector<std::string>& lines) {
  const QString joined = joinedLines(lines);
  if (pane->toPlainText() != joined) pane->setPlainText(joined);
}

}  // namespace

MainWindow::MainWindow(TreeState& state)
    : session_(state), state_(session_.state()), window_(session_.window()) {
  static const bool readable = (installDrawingAccessibility(), true);
  (void)readable;
  setObjectName("mainWindow");
  setWindowTitle(toQt(window_.title));
  setWindowIcon(programIcon());
  // The window's own font serves its bars and panes; the menu bar keeps the desktop's font.
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  setCentralWidget(central);

  createMenus();
  createToolbar();
  createBranchCountBar();
  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  column->addWidget(toolbar_);
  column->addWidget(branchCountBar_);
  column->addLayout(body, 1);
  createSidePane();
  createDrawingArea();
  body->addWidget(sidePane_);
  body->addWidget(drawingScroll_, 1);
  // All of them are hidden at start; loading their font waits until they show.
  for (QWidget* part : std::initializer_list<QWidget*>{toolbar_, branchCountBar_, sidePane_})
    setFontWhenShown(part, dialogFont(16, false));

  startPictureTimer_ = new QTimer(this);
  startPictureTimer_->setObjectName("startPictureTimer");
  startPictureTimer_->setSingleShot(true);
  startPictureTimer_->setInterval(StartPictureDisplayMs);
  connect(startPictureTimer_, &QTimer::timeout, this, &MainWindow::onStartPictureTimeout);

  createCopyMenu();
  dialogs_ = std::make_unique<Dialogs>(*this, [this] { showHelp(); });
  host_ = std::make_unique<QtHost>(*drawingArea_, *dialogs_, *this);
  drawingArea_->setPaintHandler([this](Canvas& canvas) { paintTree(state_, canvas); });
  connectCommands();
  setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::action(Control command) const {
  return actions_[indexOf(command)];
}
QAbstractButton* MainWindow::button(Control command) const {
  return buttons_[indexOf(command)];
}
QMenu* MainWindow::menu(Control command) const {
  return menus_[indexOf(command)];
}

void MainWindow::createMenus() {
  const std::function<void(QMenu*, const MenuEntry&)> addEntry = [&](QMenu* parent,
                                                                     const MenuEntry& entry) {
    if (!entry.caption[0]) {
      parent->addSeparator()->setObjectName(entry.name);
      return;
    }
    QAction* action = nullptr;
    if (!entry.items.empty()) {
      QMenu* submenu = parent->addMenu(entry.caption);
      submenu->setObjectName(entry.name);
      for (const auto& item : entry.items) addEntry(submenu, item);
      action = submenu->menuAction();
      if (entry.command) menus_[indexOf(*entry.command)] = submenu;
    } else {
      action = parent->addAction(entry.caption);
    }
    action->setObjectName(entry.name);
    action->setToolTip(QString(entry.caption).remove('&'));
    // Portable text is read without looking up translated key names, which start-up would pay.
    if (entry.shortcut)
      action->setShortcut(QKeySequence(entry.shortcut, QKeySequence::PortableText));
    if (entry.command) actions_[indexOf(*entry.command)] = action;
  };
  for (const auto& top : mainMenu()) {
    QMenu* menu = menuBar()->addMenu(top.caption);
    menu->setObjectName(top.name);
    menu->menuAction()->setObjectName(top.name);
    for (const auto& item : top.items) addEntry(menu, item);
    if (top.command) {
      actions_[indexOf(*top.command)] = menu->menuAction();
      menus_[indexOf(*top.command)] = menu;
    }
  }
}

void MainWindow::createToolbar() {
  toolbar_ = frame(this, "toolbar");
  toolbar_->setFixedHeight(ToolbarHeight);
  toolbar_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  for (const auto& group : ToolbarGroups) {
    auto* bevel = frame(toolbar_, group.name);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(group.left, 2, group.right - group.left, ToolbarHeight - 4);
  }
  for (const auto& entry : Toolbar) {
    auto* button = new QToolButton(toolbar_);
    button->setObjectName(entry.name);
    button->setGeometry(entry.x, ButtonTop, ButtonSize, ButtonSize);
    button->setIcon(toolbarIcon(entry.command));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setToolTip(entry.hint);
    button->setAccessibleName(entry.hint);
    buttons_[indexOf(entry.command)] = button;
  }
  toolNote_ = new QLabel(toolbar_);
  toolNote_->setObjectName("toolNote");
  toolNote_->setWordWrap(true);
  auto* noteRow = new QHBoxLayout(toolbar_);
  noteRow->setContentsMargins(ToolNoteLeft, 0, 4, 0);
  noteRow->addWidget(toolNote_);
  toolNote_->hide();
  // Hidden until the window state shows it: laid out and shown with the window only to be
  // hidden again at once would cost start-up time for nothing.
  toolbar_->hide();
}

void MainWindow::createBranchCountBar() {
  branchCountBar_ = frame(this, "branchCountBar");
  branchCountBar_->setFixedHeight(BranchCountBarHeight);
  branchCountBar_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  branchCountLabel_ = new QLabel(branchCountBar_);
  branchCountLabel_->setObjectName("branchCountLabel");
  branchCountLabel_->move(12, 12);
  for (int b = FewestBranches; b <= MostBranches; ++b) {
    auto* button = new QToolButton(branchCountBar_);
    button->setObjectName(QString("branchCountButton%1").arg(b));
    button->setText(QString::number(b));
    button->setAccessibleName(QString::number(b));
    button->setGeometry(BranchCountButtonLeft + (b - FewestBranches) * BranchCountButtonPitch, 8,
                        BranchCountButtonSize, BranchCountButtonSize);
    buttons_[indexOf(branchCountButton(b))] = button;
  }
  branchCountBar_->hide();
}

void MainWindow::createSidePane() {
  sidePane_ = frame(this, "sidePane");
  sidePane_->setFixedWidth(SidePaneWidth);
  sidePane_->setFrameStyle(QFrame::Box | QFrame::Plain);
  auto* column = new QVBoxLayout(sidePane_);
  column->setContentsMargins(5, 5, 5, 5);
  column->setSpacing(0);

  resultsList_ = textPane<ResultsPane>(sidePane_, "resultsList", "Resultater");
  resultsList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  column->addWidget(resultsList_, 1);

  branchTextsPane_ = frame(sidePane_, "branchTextsPane");
  branchTextsPane_->setFixedHeight(BranchTextsPaneHeight);
  auto* branchTextsLayout = new QVBoxLayout(branchTextsPane_);
  branchTextsLayout->setContentsMargins(0, 0, 0, 0);
  branchTextsList_ = textPane(branchTextsPane_, "branchTextsList", "Navne og tekster");
  branchTextsList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  branchTextsList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  branchTextsLayout->addWidget(branchTextsList_);
  column->addWidget(branchTextsPane_);

  reductionNote_ = frame(sidePane_, "reductionNote");
  reductionNote_->setFixedHeight(ReductionNoteHeight);
  reductionNote_->setAutoFillBackground(true);
  reductionEventLabel_ = placeLabel(reductionNote_, "reductionEventLabel", 4, 4);
  reductionProbabilityLabel_ = placeLabel(reductionNote_, "reductionProbabilityLabel", 4, 24);
  column->addWidget(reductionNote_);
  // Hidden until the window state shows it, like the toolbar.
  sidePane_->hide();
}

void MainWindow::createDrawingArea() {
  drawingScroll_ = new QScrollArea(this);
  drawingScroll_->setObjectName("drawingScroll");
  drawingScroll_->setWidgetResizable(true);
  drawingScroll_->setFrameStyle(QFrame::NoFrame);
  drawingScroll_->setBackgroundRole(QPalette::Base);
  // The drawing inside takes the keyboard; the scroll area around it has nothing to say.
  drawingScroll_->setFocusPolicy(Qt::NoFocus);
  drawingArea_ = new DrawingArea;
  drawingScroll_->setWidget(drawingArea_);

  startPicture_ = new QLabel(drawingArea_);
  startPicture_->setObjectName("startPicture");
  startPicture_->setAccessibleName("Kvistra");
  startPicture_->setFixedSize(StartPictureSize);
  const QPixmap picture = startPictureAt(StartPictureSize);
  if (!picture.isNull()) startPicture_->setPixmap(picture);

  branchHint_ = new QLabel(drawingArea_);
  branchHint_->setObjectName("branchHint");
  branchHint_->setAutoFillBackground(true);
  // Without a role of its own the label would take the drawing's white background role.
  branchHint_->setBackgroundRole(QPalette::Window);
  QPalette yellow = branchHint_->palette();
  yellow.setColor(QPalette::Window, Qt::yellow);
  branchHint_->setPalette(yellow);
  branchHint_->setMargin(BranchHintMargin);
  // Presses and moves over the hint belong to the drawing below it.
  branchHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
  branchHint_->hide();
}

void MainWindow::showDistributionPane() {
  // Made when the work first has a variable: most runs never need it, and start-up would pay.
  if (!distributionPane_ && !window_.distributionPane) return;
  if (!distributionPane_) createDistributionPane();
  distributionPane_->showPane(window_.distributionPane);
}

void MainWindow::createDistributionPane() {
  distributionPane_ = new DistributionDock(this);
  addDockWidget(Qt::RightDockWidgetArea, distributionPane_);
  resizeDocks({distributionPane_}, {DistributionPaneWidth}, Qt::Horizontal);
  distributionPane_->hide();
  connect(distributionPane_, &DistributionDock::questionAsked, this,
          [this](Comparison comparison, const QString& bound, const QString& upper) {
            run("Beregn", [&](Context& c) {
              askVariableQuestion(c, comparison, fromQt(bound), fromQt(upper));
            });
          });
  connect(distributionPane_, &DistributionDock::copyRequested, this,
          [this] { run({}, copyDistributionChart); });
}

void MainWindow::createCopyMenu() {
  copyMenu_ = new QMenu("Kopier til Klippebordet", this);
  copyMenu_->setObjectName("copyMenu");
  copyMenu_->setAccessibleName(copyMenu_->title());
  const std::pair<const char*, const char*> items[] = {
      {"copyTreeAction", "Kopier træet til Klippebordet"},
      {"copyResultsAction", "Kopier resultater til Klippebordet"},
      {"copyBranchTextsAction", "Kopier forklaring til Klippebordet"},
      {"copyCroppedTreeAction", "Kopier træet (beskåret)"},
  };
  for (const auto& [name, caption] : items) copyMenu_->addAction(caption)->setObjectName(name);
  // Qt hangs a popup menu into the accessibility tree only below the menu bar or a menu that
  // holds its entry; any other popup has the application for parent, which lists no popups, so
  // a screen reader could not place it. A hidden entry in the menu bar is that place.
  menuBar()->addAction(copyMenu_->menuAction());
  copyMenu_->menuAction()->setVisible(false);
  QAbstractButton* opener = button(CopyMenuButton);
  connect(opener, &QAbstractButton::clicked, this, [this, opener] {
    copyMenu_->popup(mapToGlobal(opener->mapTo(this, CopyMenuPlace)));
    // The first item takes the focus, so a screen reader reads it as the menu opens.
    copyMenu_->setActiveAction(copyMenu_->actions().constFirst());
  });
}

void MainWindow::onTriggered(Control command, std::function<void(Context&)> handler) {
  QAction* item = action(command);
  connect(item, &QAction::triggered, this,
          [this, step = stepName(command), handler = std::move(handler)] { run(step, handler); });
}

void MainWindow::onClicked(Control command, std::function<void(Context&)> handler,
                           std::optional<Control> item) {
  const QString step = item ? stepName(*item) : QString();
  connect(button(command), &QAbstractButton::clicked, this,
          [this, step, handler = std::move(handler)] { run(step, handler); });
}

QString MainWindow::stepName(Control item) const {
  return action(item)->text().remove('&');
}

void MainWindow::connectCommands() {
  connectConstructionCommands();
  connectProbabilityCommands();
  connectEditingCommands();
  connectViewCommands();
  connectDrawingArea();
  connectZoomCommands();
  connectEventCommands();
  connectFileAndOutputCommands();
  connectHistoryCommands();
  connect(action(Quit), &QAction::triggered, this, &QWidget::close);
  connect(action(HelpContents), &QAction::triggered, this, &MainWindow::showHelp);
  connect(action(About), &QAction::triggered, this, [this] { dialogs_->about().exec(); });
  qApp->installEventFilter(this);
}

void MainWindow::connectConstructionCommands() {
  for (int branchings : {2, 3}) {
    onTriggered(branchings == 2 ? NewTwoBranchingTree : NewThreeBranchingTree,
                [branchings](Context& c) {
                  if (settleUnsavedChanges(c)) beginTree(c, branchings);
                });
  }
  onTriggered(NewOtherShapeTree, [](Context& c) {
    if (settleUnsavedChanges(c)) askOtherShapeTree(c);
  });
  for (int b = FewestBranches; b <= MostBranches; ++b) {
    connect(button(branchCountButton(b)), &QAbstractButton::clicked, this, [this, b] {
      run(branchCountLabel_->text().trimmed().chopped(1), [b](Context& c) { addBranching(c, b); });
    });
  }
  connect(menu(DrawTreeMenu), &QMenu::aboutToShow, this,
          [this] { run({}, [](Context& c) { openDrawMenu(c.window); }); });
}

void MainWindow::connectProbabilityCommands() {
  const auto copyAcross = [](Context& c) { copyNextGroup(c, CopyDirection::Across); };
  const auto copyDown = [](Context& c) { copyNextGroup(c, CopyDirection::Down); };
  onTriggered(SetFirstProbabilities, setFirstProbabilities);
  onTriggered(EnterProbabilities, enterNextGroup);
  onClicked(EnterProbabilitiesButton, enterNextGroup, EnterProbabilities);
  onTriggered(CopyAcross, copyAcross);
  onClicked(CopyAcrossButton, copyAcross, CopyAcross);
  onTriggered(CopyDown, copyDown);
  onClicked(CopyDownButton, copyDown, CopyDown);
}

void MainWindow::connectEditingCommands() {
  onTriggered(EditValue, [](Context& c) { chooseTool(c, ToolMode::EditValue); });
  onTriggered(ReplaceLetter, [](Context& c) { chooseTool(c, ToolMode::ReplaceLetter); });
  onTriggered(EndPath, [](Context& c) { chooseTool(c, ToolMode::EndPath); });
  onTriggered(BranchOut, [](Context& c) { chooseTool(c, ToolMode::BranchOut); });
  onTriggered(AddBranch, [](Context& c) { chooseTool(c, ToolMode::AddBranch); });
  onTriggered(DeleteBranch, [](Context& c) { chooseTool(c, ToolMode::DeleteBranch); });
  onTriggered(TwoDecimals, [](Context& c) { setDecimalCount(c, 2); });
  onTriggered(ThreeDecimals, [](Context& c) { setDecimalCount(c, 3); });
  onTriggered(FourDecimals, [](Context& c) { setDecimalCount(c, 4); });
  onTriggered(BranchNames, editBranchNames);
}

void MainWindow::connectViewCommands() {
  // One way of writing the values is chosen at a time: a number of decimals, or fractions.
  auto* valueForms = new QActionGroup(this);
  for (Control c : {TwoDecimals, ThreeDecimals, FourDecimals, Fractions})
    valueForms->addAction(action(c))->setCheckable(true);
  onTriggered(Fractions, showFractions);
  // The view choices kept between runs: each saved as it is made.
  const std::tuple<Control, const char*, void (*)(Context&, bool)> keptChoices[] = {
      {DecimalComma, DecimalCommaKey, setDecimalComma},
      {ConditionalValues, ConditionalValuesKey, setConditionalValues},
      {HighlightEvent, HighlightEventKey, setHighlightEvent},
      {VariableOnOutcomes, VariableOnOutcomesKey, setVariableOnOutcomes},
  };
  for (const auto& [command, key, choose] : keptChoices) {
    action(command)->setCheckable(true);
    connect(action(command), &QAction::triggered, this, [this, key, choose](bool on) {
      if (refusedBehindDialog()) return;
      loadViewSettings();
      programSettings().setValue(key, on);
      run({}, [choose, on](Context& c) { choose(c, on); });
    });
  }
  action(NaturalFrequencies)->setCheckable(true);
  connect(action(NaturalFrequencies), &QAction::triggered, this, [this](bool shown) {
    run({}, [shown](Context& c) { setNaturalFrequencies(c, shown); });
  });
  onTriggered(CaseCount, askCaseCount);
  // The menu shows the kept choice from the start.
  connect(menu(PrepareTreeMenu), &QMenu::aboutToShow, this, &MainWindow::loadViewSettings);
}

void MainWindow::loadViewSettings() {
  if (viewSettingsLoaded_) return;
  viewSettingsLoaded_ = true;
  bool zoomKept = false;
  const double zoom = keptSetting(ZoomKey).toDouble(&zoomKept);
  drawingArea_->setZoom(zoomKept ? zoom : 1.0);
  const ViewOptions& view = state_.view;
  const bool comma = keptChoice(DecimalCommaKey, view.decimalComma);
  const bool highlight = keptChoice(HighlightEventKey, view.highlightEvent);
  const bool conditional = keptChoice(ConditionalValuesKey, view.conditionalValues);
  const bool onOutcomes = keptChoice(VariableOnOutcomesKey, view.variableOnOutcomes);
  if (comma != view.decimalComma) run({}, [comma](Context& c) { setDecimalComma(c, comma); });
  if (highlight != view.highlightEvent)
    run({}, [highlight](Context& c) { setHighlightEvent(c, highlight); });
  if (conditional != view.conditionalValues)
    run({}, [conditional](Context& c) { setConditionalValues(c, conditional); });
  if (onOutcomes != view.variableOnOutcomes)
    run({}, [onOutcomes](Context& c) { setVariableOnOutcomes(c, onOutcomes); });
}

void MainWindow::connectFileAndOutputCommands() {
  onTriggered(Open, openTree);
  onTriggered(Save, saveTree);
  const auto print = [](Context& c) { printTree(c); };
  onTriggered(Print, print);
  onTriggered(PrintPreview, previewTree);
  onTriggered(ExportPicture, [](Context& c) { exportTree(c); });
  onTriggered(PrintWorksheet, printWorksheet);
  onClicked(PrintButton, print, Print);
  onClicked(PrintHeadingButton, editPrintHeading);
  onTriggered(CopyAll, copyAll);
  const std::pair<const char*, void (*)(Context&)> copyCommands[] = {
      {"copyTreeAction", copyTree},
      {"copyCroppedTreeAction", copyCroppedTree},
      {"copyResultsAction", copyResults},
      {"copyBranchTextsAction", copyBranchTexts},
  };
  for (const auto& [name, handler] : copyCommands)
    connect(copyMenu_->findChild<QAction*>(name), &QAction::triggered, this,
            [this, handler] { run({}, handler); });
  auto* fileMenu = findChild<QMenu*>("fileMenu");
  recentFiles_ = new RecentFiles(*fileMenu, *action(Quit), this);
  connect(recentFiles_, &RecentFiles::chosen, this, &MainWindow::openFile);
  // Read when first needed, so start-up pays nothing for the settings file.
  connect(fileMenu, &QMenu::aboutToShow, recentFiles_, &RecentFiles::load);
}

void MainWindow::connectHistoryCommands() {
  action(Redo)->setShortcuts({QKeySequence("Ctrl+Y", QKeySequence::PortableText),
                              QKeySequence("Ctrl+Shift+Z", QKeySequence::PortableText)});
  connect(action(Undo), &QAction::triggered, this, [this] {
    if (refusedBehindDialog()) return;
    liftTextsOnce();
    session_.undo(*host_, shownDrawing());
    sync();
  });
  connect(action(Redo), &QAction::triggered, this, [this] {
    if (refusedBehindDialog()) return;
    liftTextsOnce();
    session_.redo(*host_, shownDrawing());
    sync();
  });
}

void MainWindow::openFile(const QString& path) {
  const std::string bytes = QFile::encodeName(path).toStdString();
  openFileBy(path, [&](Context& c) { return openTreeFile(c, bytes); });
}

void MainWindow::openFileBy(const QString& path, const std::function<bool(Context&)>& open) {
  bool loaded = false;
  run(stepName(Open), [&](Context& c) { loaded = open(c); });
  if (!loaded && !QFile::exists(path)) recentFiles_->remove(path);
}

void MainWindow::connectEventCommands() {
  // Each command has a menu item and a toolbar button.
  struct EventCommand {
    Control item;
    Control button;
    void (*handler)(Context&);
  };
  constexpr EventCommand commands[] = {
      {AskEvent, EventButton, askEvent},
      {ReduceTree, ReduceButton, askReduction},
      {RestoreTree, RestoreButton, restoreTree},
      {ClearResults, ClearResultsButton, clearResults},
  };
  // Both are undone under the menu's wording: "Fortryd Reducér træ", not the button's hint.
  for (const EventCommand& command : commands) {
    onTriggered(command.item, command.handler);
    onClicked(command.button, command.handler, command.item);
  }
  onTriggered(ReverseTree, reverseTree);
  onTriggered(Simulate, simulate);
  onTriggered(SimulateAgain, simulateAgain);
  onTriggered(DefineVariable, defineVariable);
  // A row evaluated again may be approved as a new result; a key may delete a row.
  const QString eventStep = stepName(AskEvent);
  connect(resultsList_, &ResultsPane::released, this,
          [this, eventStep](const PaneRelease& release) {
            run(eventStep, [release](Context& c) { releaseInResultsPane(c, release); });
          });
  connect(resultsList_, &ResultsPane::keyReleased, this, [this](PaneKey key) {
    run("Slet række", [key](Context& c) { keyReleasedInResultsPane(c, key); });
  });
  connect(resultsList_, &ResultsPane::typed, this, [this, eventStep](char typed) {
    run(eventStep, [typed](Context& c) { eventKeyTyped(c, typed); });
  });
}

void MainWindow::connectDrawingArea() {
  connect(drawingArea_, &DrawingArea::pressed, this,
          [this](QPoint at) { run({}, [at](Context& c) { pressOnDrawing(c, at.x(), at.y()); }); });
  // A click acts with the tool chosen, and is undone under the tool's name; so does Enter.
  connect(drawingArea_, &DrawingArea::released, this, [this](QPoint at) {
    run(clickStepName(), [at](Context& c) { releaseOnDrawing(c, at.x(), at.y()); });
  });
  // Marks drawn while a box is open are read at once, not when the command ends; so is the
  // answer a question about X marked them for.
  connect(drawingArea_, &DrawingArea::drawn, this, &MainWindow::showReadings);
  connect(drawingArea_, &DrawingArea::drawn, this, &MainWindow::showDistributionPane);
  connect(drawingArea_, &DrawingArea::branchKeyPressed, this, [this](BranchKey key) {
    const QString step = key == BranchKey::Enter ? clickStepName() : QString();
    run(step, [key](Context& c) { branchKeyPressed(c, key); });
  });
  connect(drawingArea_, &DrawingArea::focusEntered, this, [this] {
    drawingFocused(window_, state_.tree);
    showReadings();
  });
  // The results list has no tab stop; this gives it the keyboard.
  auto* toResults = new QShortcut(QKeySequence("Ctrl+L", QKeySequence::PortableText), this);
  connect(toResults, &QShortcut::activated, this, [this] {
    if (resultsList_->isVisible()) resultsList_->setFocus(Qt::ShortcutFocusReason);
  });
  // Moves are many; only one that takes a hint away changes anything.
  connect(drawingArea_, &DrawingArea::pointerMoved, this, [this] {
    if (window_.branchHint.visible) run({}, [](Context& c) { moveOnDrawing(c.window); });
  });
}

QString MainWindow::clickStepName() {
  static constexpr std::pair<ToolMode, Control> ToolControls[] = {
      {ToolMode::EditValue, EditValue}, {ToolMode::ReplaceLetter, ReplaceLetter},
      {ToolMode::EndPath, EndPath},     {ToolMode::BranchOut, BranchOut},
      {ToolMode::AddBranch, AddBranch}, {ToolMode::DeleteBranch, DeleteBranch},
  };
  for (const auto& [tool, control] : ToolControls)
    if (state_.pointer.toolMode == tool) return action(control)->text().remove(QChar(0x2026));
  return {};
}

void MainWindow::showReadings() {
  std::vector<DrawingReading> readings;
  drawingArea_->measure([&](Canvas& c) { readings = drawingReadings(state_, c); });
  const BranchFocus focus = keptFocus(state_.tree, window_.branchFocus);
  int focused = -1;
  for (std::size_t i = 0; i < readings.size(); ++i)
    if (focus.level > 0 && readings[i].level == focus.level && readings[i].slot == focus.slot)
      focused = static_cast<int>(i);
  drawingArea_->setShownEvent(markedLeaves(state_, readings, drawingArea_->recorded().ink().right));
  drawingArea_->showReadings(std::move(readings), focused);
}

void MainWindow::connectZoomCommands() {
  action(ZoomIn)->setShortcuts({QKeySequence("Ctrl++", QKeySequence::PortableText),
                                QKeySequence("Ctrl+=", QKeySequence::PortableText)});
  connect(action(ZoomIn), &QAction::triggered, this,
          [this] { zoomTo(zoomedIn(drawingArea_->zoom())); });
  connect(action(ZoomOut), &QAction::triggered, this,
          [this] { zoomTo(zoomedOut(drawingArea_->zoom())); });
  connect(action(ZoomNormal), &QAction::triggered, this, [this] { zoomTo(1.0); });
  connect(action(ZoomToFit), &QAction::triggered, this, [this] {
    const QSize room = drawingScroll_->maximumViewportSize();
    zoomTo(zoomToFit(drawingArea_->recorded().ink(), room.width(), room.height()));
  });
  connect(drawingArea_, &DrawingArea::zoomWheeled, this, [this](int steps, QPoint at) {
    double zoom = drawingArea_->zoom();
    for (int i = 0; i < std::abs(steps); ++i) zoom = steps > 0 ? zoomedIn(zoom) : zoomedOut(zoom);
    zoomTo(zoom, drawingArea_->mapTo(drawingScroll_->viewport(), at));
  });
}

void MainWindow::zoomTo(double zoom, std::optional<QPoint> anchorPoint) {
  const QPoint anchor = anchorPoint.value_or(drawingScroll_->viewport()->rect().center());
  const QPoint anchored =
      drawingArea_->toDrawing(drawingArea_->mapFrom(drawingScroll_->viewport(), anchor));
  drawingArea_->setZoom(zoom);
  programSettings().setValue(ZoomKey, drawingArea_->zoom());
  // The scroll area takes the new size at once, so the scroll bars know their new range.
  drawingScroll_->widget()->adjustSize();
  QCoreApplication::sendPostedEvents(drawingScroll_, QEvent::LayoutRequest);
  const QPoint shown = drawingArea_->fromDrawing(anchored) - anchor;
  drawingScroll_->horizontalScrollBar()->setValue(shown.x());
  drawingScroll_->verticalScrollBar()->setValue(shown.y());
  placeBranchHint();
}

bool MainWindow::dialogOpen() {
  return QApplication::activeModalWidget() != nullptr;
}

bool MainWindow::refusedBehindDialog() {
  if (!dialogOpen()) return false;
  // A check mark the refused choice flipped goes back to what holds.
  showCheckMarks();
  return true;
}

const RecordedDrawing* MainWindow::shownDrawing() const {
  return drawingArea_->redrawPending() ? nullptr : &drawingArea_->recorded();
}

void MainWindow::run(const QString& stepName, const std::function<void(Context&)>& command) {
  // The command that opened the dialog is still running; another would work on its half-done
  // state, and its undo step would be lost.
  if (refusedBehindDialog()) return;
  liftTextsOnce();
  const CommandReport report = session_.run(fromQt(stepName), command, *host_, shownDrawing());
  if (report.fileChanged) recentFiles_->add(state_.file.path);
  sync();
}

void MainWindow::showHistory(bool behindDialog) {
  const auto show = [&](Control command, const char* verb, bool can, const std::string& step) {
    QAction* item = action(command);
    item->setEnabled(can && !behindDialog);
    item->setText(can ? QString("%1 %2").arg(verb, toQt(step)) : QString(verb));
    item->setToolTip(item->text());
  };
  const UndoHistory& history = session_.history();
  show(Undo, "Fortryd", history.canUndo(), history.undoName());
  show(Redo, "Gentag", history.canRedo(), history.redoName());
}

void MainWindow::sync() {
  setWindowTitle(toQt(window_.title));
  for (std::size_t i = 0; i < ControlCount; ++i) {
    // Only what changes: telling an action what it already is still costs at every command.
    const bool enabled = window_.enabled[i];
    if (actions_[i] && actions_[i]->isEnabled() != enabled) actions_[i]->setEnabled(enabled);
    if (buttons_[i] && buttons_[i]->testAttribute(Qt::WA_Disabled) == enabled)
      buttons_[i]->setEnabled(enabled);
  }
  showHistory(dialogOpen());
  showCheckMarks();
  toolbar_->setVisible(window_.toolbarVisible);
  sidePane_->setVisible(window_.sidePaneVisible);
  branchTextsPane_->setVisible(window_.branchTextsVisible);
  branchCountBar_->setVisible(window_.branchCountBarVisible);
  startPicture_->setVisible(window_.startPictureVisible);
  // Trials without a tree have their own drawing where the guide would stand.
  showStartGuide(startGuideShown(state_.tree, window_) && !state_.trials);
  branchCountLabel_->setText(toQt(window_.branchCountPrompt));
  branchCountLabel_->adjustSize();
  resultsList_->showLines(joinedLines(window_.resultLines));
  QStringList tips;
  for (const std::string& tip : resultRowTips(state_)) tips << toQt(tip);
  resultsList_->setLineTips(tips);
  showLines(branchTextsList_, window_.branchTextLines);
  showDistributionPane();
  const ReductionNote& note = window_.reductionNote;
  QPalette notePalette = reductionNote_->palette();
  notePalette.setColor(QPalette::Window,
                       note.highlighted ? QColor(Qt::yellow) : palette().color(QPalette::Button));
  reductionNote_->setPalette(notePalette);
  reductionEventLabel_->setText(toQt(note.event));
  reductionProbabilityLabel_->setText(toQt(note.probability));
  reductionEventLabel_->adjustSize();
  reductionProbabilityLabel_->adjustSize();
  showToolNote();
  placeBranchHint();
  showReadings();
  emit synced();
}

void MainWindow::showCheckMarks() {
  const Tree& tree = state_.tree;
  for (auto [item, decimals] : {std::pair{TwoDecimals, 2}, {ThreeDecimals, 3}, {FourDecimals, 4}})
    action(item)->setChecked(!tree.showFractions && tree.decimalCount == decimals);
  action(Fractions)->setChecked(tree.showFractions);
  action(DecimalComma)->setChecked(state_.view.decimalComma);
  action(ConditionalValues)->setChecked(state_.view.conditionalValues);
  action(HighlightEvent)->setChecked(state_.view.highlightEvent);
  action(NaturalFrequencies)->setChecked(state_.view.naturalFrequencies);
  action(VariableOnOutcomes)->setChecked(state_.view.variableOnOutcomes);
}

void MainWindow::showToolNote() {
  const QString note = toQt(toolNote(state_));
  if (note == toolNote_->text()) return;
  // Shown before its text is set, so the change of its name reaches a screen reader.
  toolNote_->setVisible(!note.isEmpty());
  toolNote_->setText(note);
}

void MainWindow::placeBranchHint() {
  const BranchHint& hint = window_.branchHint;
  if (!hint.visible) {
    branchHint_->hide();
    return;
  }
  branchHint_->setText(toQt(hint.text));
  branchHint_->adjustSize();
  // Near the edge of what the scroll box shows, the hint moves in rather than being cut off.
  const QWidget* viewport = drawingScroll_->viewport();
  const QRect visible =
      QRect(drawingArea_->mapFrom(viewport, QPoint(0, 0)), viewport->size()) & drawingArea_->rect();
  const QPoint place = drawingArea_->fromDrawing(QPoint(hint.x, hint.y));
  branchHint_->move(keptInside(QRect(place, branchHint_->size()), visible));
  branchHint_->raise();
  branchHint_->show();
}

void MainWindow::showStartGuide(bool shown) {
  if (!startGuide_) {
    if (!shown) return;
    startGuide_ = new StartGuide(drawingArea_);
    startGuide_->showFiles(recentFiles_->paths());
    connect(recentFiles_, &RecentFiles::changed, startGuide_, &StartGuide::showFiles);
    connect(startGuide_, &StartGuide::chosen, this, &MainWindow::openFile);
  }
  startGuide_->setVisible(shown);
}

void MainWindow::fillWorkArea() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  // The work area must hold the whole window, the frame a window manager adds included; the
  // frame is known once the window has one, so the window also asks to be maximised.
  const QRect outer = frameGeometry();
  const QRect inner = geometry();
  const QMargins frameMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                              outer.right() - inner.right(), outer.bottom() - inner.bottom());
  setGeometry(screen->availableGeometry().marginsRemoved(frameMargins));
  setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    fillWorkArea();
    showMainWindow(state_, window_);
    startPicture_->move(width() / 2 - 140, height() / 2 - 120);
    sync();
    startPictureTimer_->start();
    // A window manager may never activate the window (a bare X server has none).
    QTimer::singleShot(0, this, &MainWindow::onFirstActivation);
  }
  QMainWindow::showEvent(event);
}

void MainWindow::liftTextsOnce() {
  if (textsLifted_) return;
  textsLifted_ = true;
  int textHeight = 0;
  drawingArea_->measure([&](Canvas& canvas) { textHeight = canvas.textHeight("H"); });
  liftTexts(state_, textHeight);
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) onFirstActivation();
  QMainWindow::changeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (typed == "h" || typed == "H") {
    run(stepName(AskEvent), [](Context& c) { eventKeyTyped(c, 'h'); });
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::onFirstActivation() {
  if (activated_ || !shown_) return;
  activated_ = true;
  activateMainWindow(state_, window_);
  sync();
}

void MainWindow::setStartFile(const QString& path) {
  startFile_ = QFile::encodeName(path).toStdString();
}

void MainWindow::onStartPictureTimeout() {
  // The picture goes first, so a message about the file does not stand over it.
  hideStartPicture(window_);
  startPicture_->hide();
  // The kept choices and the file change the tree: they wait until no dialog is open.
  if (dialogOpen()) {
    QTimer::singleShot(DialogWaitMs, this, &MainWindow::onStartPictureTimeout);
    return;
  }
  loadViewSettings();
  if (startFile_)
    openFileBy(QFile::decodeName(startFile_->c_str()),
               [this](Context& c) { return openStartFile(c, startFile_); });
  recentFiles_->load();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (dialogOpen()) {
    event->ignore();
    return;
  }
  bool mayClose = true;
  run({}, [&mayClose](Context& c) { mayClose = settleUnsavedChanges(c); });
  if (mayClose)
    QMainWindow::closeEvent(event);
  else
    event->ignore();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool shownOrHidden = event->type() == QEvent::Show || event->type() == QEvent::Hide;
  if (shownOrHidden && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    // A dialog counts as open from its show event on, before Qt lists it as modal.
    if (widget->isWindow() && widget->isModal())
      showHistory(event->type() == QEvent::Show || dialogOpen());
    // A message, say, stands in the middle of the window, as Qt puts it, unless that hides the
    // event shown.
    if (event->type() == QEvent::Show && widget->isModal() && widget->parentWidget() == this) {
      QRect middle(QPoint(0, 0), frameSizeOf(*widget));
      middle.moveCenter(frameGeometry().center());
      placeClearOfShownEvent(*widget, middle, *this);
    }
  }
  if (event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1 && !key->isAutoRepeat() && watched->isWidgetType()) {
      showHelp();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return;
  const QString name = urls.first().fileName();
  if (name.endsWith(".kv3", Qt::CaseInsensitive) || name.endsWith(".kvistra"))
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  const QString path = event->mimeData()->urls().first().toLocalFile();
  // The drop's own event ends first; the question and the messages are modal.
  QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

void MainWindow::showHelp() {
  if (!help_) help_ = new HelpWindow(this);
  help_->showContents();
}

}  // namespace kvistra::ui
