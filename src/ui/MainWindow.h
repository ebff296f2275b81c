// The main window: menus, toolbar, the results pane and the drawing.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "session/Session.h"

class QAction;
class QAbstractButton;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QScrollArea;
class QTimer;

namespace kvistra::ui {

class Dialogs;
class DistributionDock;
class DrawingArea;
class HelpWindow;
class QtHost;
class RecentFiles;
class ResultsPane;
class StartGuide;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(TreeState& state);
  ~MainWindow() override;

  // What the window shows, as the core left it.
  const WindowState& windowModel() const { return window_; }
  // The widget or menu entry that carries a command.
  QAction* action(Control command) const;
  QAbstractButton* button(Control command) const;
  QMenu* menu(Control command) const;
  // The modal dialogs, made on first use.
  Dialogs& dialogs() { return *dialogs_; }
  // The tree file to open when the start picture goes, as named on the command line.
  void setStartFile(const QString& path);
  // The desktop as the core sees it.
  QtHost& host() { return *host_; }
  // The trees listed in the file menu, last opened or saved first.
  const RecentFiles& recentFiles() const { return *recentFiles_; }
  // Opens a tree file as "&Hent" does, after the question about unsaved changes.
  void openFile(const QString& path);

 signals:
  // The widgets show the window state again, after a command, an undo or redo, or at start.
  void synced();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // F1 opens the help from every window of the program: message boxes and file dialogs too.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createMenus();
  void createToolbar();
  void createBranchCountBar();
  void createSidePane();
  void createDrawingArea();
  void createCopyMenu();
  void createDistributionPane();
  // The pane "Fordeling af X" as the window state has it; shown while the work has a variable.
  void showDistributionPane();
  void connectCommands();
  void connectConstructionCommands();
  void connectProbabilityCommands();
  void connectEditingCommands();
  void connectViewCommands();
  // The view choices kept from the last run, read once, when first needed after start-up.
  void loadViewSettings();
  void connectEventCommands();
  void connectFileAndOutputCommands();
  void connectHistoryCommands();
  // Runs handler when the command's menu item is chosen or its button clicked; its undo step is
  // named after the menu item (for a button, the item it stands for).
  void onTriggered(Control command, std::function<void(Context&)> handler);
  void onClicked(Control command, std::function<void(Context&)> handler,
                 std::optional<Control> item = std::nullopt);
  QString stepName(Control item) const;

  // Runs a core command through the session, and then shows the window state it left.
  void run(const QString& stepName, const std::function<void(Context&)>& command);
  // Opens the file at path as one undo step with open; a file that has gone leaves the recent
  // files.
  void openFileBy(const QString& path, const std::function<bool(Context&)>& open);
  void sync();
  // "Fortryd" and "Gentag" as the history has them; both off while a dialog is open.
  void showHistory(bool behindDialog);
  void showCheckMarks();
  // While a dialog of the program is open, nothing may reach the tree behind it.
  static bool dialogOpen();
  bool refusedBehindDialog();
  // The screen's drawing as it stands, when it shows the state (no redraw is due).
  const RecordedDrawing* shownDrawing() const;
  void placeBranchHint();
  // The status line that says a tool waits for its branch.
  void showToolNote();
  void connectDrawingArea();
  void connectZoomCommands();
  // The undo step of a click, or of Enter on a branch: named after the tool in use.
  QString clickStepName();
  // The branches as the accessibility tree reads them, and the keyboard's focus mark.
  void showReadings();
  // Zooms the drawing and scrolls it so the drawing's point under anchor (a point of the
  // scroll area's view, its middle if none) stays there; the zoom is kept for the next run.
  void zoomTo(double zoom, std::optional<QPoint> anchor = std::nullopt);
  void fillWorkArea();
  // The guide to a first tree, made when an empty window first needs it.
  void showStartGuide(bool shown);
  void onFirstActivation();
  void onStartPictureTimeout();
  void showHelp();
  // Measures the drawing font for the texts' place above their lines, before the first command
  // that can draw a tree: loading the font would only slow the empty window's start.
  void liftTextsOnce();

  Session session_;
  TreeState& state_;
  WindowState& window_;
  std::unique_ptr<QtHost> host_;

  QFrame* toolbar_ = nullptr;
  QFrame* branchCountBar_ = nullptr;
  QLabel* branchCountLabel_ = nullptr;
  QFrame* sidePane_ = nullptr;
  ResultsPane* resultsList_ = nullptr;
  QFrame* branchTextsPane_ = nullptr;
  QPlainTextEdit* branchTextsList_ = nullptr;
  QFrame* reductionNote_ = nullptr;
  QLabel* reductionEventLabel_ = nullptr;
  QLabel* reductionProbabilityLabel_ = nullptr;
  QScrollArea* drawingScroll_ = nullptr;
  DrawingArea* drawingArea_ = nullptr;
  DistributionDock* distributionPane_ = nullptr;
  QLabel* startPicture_ = nullptr;
  StartGuide* startGuide_ = nullptr;
  QLabel* branchHint_ = nullptr;
  QLabel* toolNote_ = nullptr;
  QTimer* startPictureTimer_ = nullptr;
  QMenu* copyMenu_ = nullptr;
  std::unique_ptr<Dialogs> dialogs_;
  HelpWindow* help_ = nullptr;
  bool shown_ = false;
  bool activated_ = false;
  bool viewSettingsLoaded_ = false;
  bool textsLifted_ = false;
  std::optional<std::string> startFile_;
  RecentFiles* recentFiles_ = nullptr;

  static constexpr std::size_t ControlCount = static_cast<std::size_t>(Control::Count);
  std::array<QAction*, ControlCount> actions_{};
  std::array<QAbstractButton*, ControlCount> buttons_{};
  std::array<QMenu*, ControlCount> menus_{};
};

}  // namespace kvistra::ui
