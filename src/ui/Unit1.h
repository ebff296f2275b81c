// The main window: menus, toolbar, the results pane and the drawing.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>

#include "tree/Context.h"

class QAction;
class QAbstractButton;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QScrollArea;
class QTextEdit;
class QTimer;
class QToolButton;

namespace kvistra::ui {

class HelpWindow;
class PaintBox;
class QtHost;
class TAboutBox;
class TBtnBottomDlg;
class TForm2;
class TJN_box;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(TreeState& state);
  ~TForm1() override;

  const WindowState& windowState() const { return window_; }
  // The widget or menu entry that carries a command.
  QAction* action(Command command) const;
  QAbstractButton* button(Command command) const;
  QMenu* menu(Command command) const;

  // Children, named as the program names them.
  QFrame* Panel1;
  QFrame* Panel2;
  QFrame* Panel3;
  QFrame* Panel5;
  QFrame* Panel6;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Image1;
  QPlainTextEdit* Memo2;
  QPlainTextEdit* Memo3;
  QTextEdit* Memo1;
  QScrollArea* ScrollBox1;
  PaintBox* PaintBox1;
  QTimer* Timer1;
  QMenu* PopupMenu1;
  TAboutBox* AboutBox;
  TBtnBottomDlg* BtnBottomDlg;
  TForm2* Form2;
  TJN_box* JN_box;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void createMenus();
  void createToolbar();
  void createBranchCountBar();
  void createLeftPane();
  void createDrawingArea();
  void createCopyMenu();
  void createDialogs();
  void connectCommands();

  // Runs a core command and then shows the window state it left.
  void run(const std::function<void(Context&)>& command);
  void sync();
  void FormActivate();
  void Timer1Timer();
  void showHelp();

  TreeState& state_;
  WindowState window_;
  std::unique_ptr<QtHost> host_;
  std::unique_ptr<Context> context_;
  HelpWindow* help_ = nullptr;
  bool shown_ = false;
  bool activated_ = false;

  static constexpr std::size_t CommandCount = static_cast<std::size_t>(Command::Count);
  std::array<QAction*, CommandCount> actions_{};
  std::array<QAbstractButton*, CommandCount> buttons_{};
  std::array<QMenu*, CommandCount> menus_{};
};

}  // namespace kvistra::ui
