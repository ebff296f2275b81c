#include "ui/Unit1.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>
#include <vector>

#include "drawing/TreeDrawing.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "tree/Construction.h"
#include "tree/Startup.h"
#include "ui/About.h"
#include "ui/DialogLook.h"
#include "ui/HelpWindow.h"
#include "ui/Inputenh.h"
#include "ui/Inputhnd.h"
#include "ui/Ja_nej.h"
#include "ui/PaintBox.h"
#include "ui/QtHost.h"
#include "ui/StartPicture.h"
#include "ui/Text.h"
#include "ui/ToolbarPictures.h"

namespace kvistra::ui {

namespace {

using enum Command;

// One entry of the menu bar: an item, a separator (no caption) or a submenu (items).
struct MenuEntry {
  const char* name;
  const char* caption;
  std::optional<Command> command = std::nullopt;
  const char* shortcut = nullptr;
  std::vector<MenuEntry> items = {};
};

const std::vector<MenuEntry>& mainMenu() {
  static const std::vector<MenuEntry> menu = {
      {"Filer1",
       "&Filer",
       std::nullopt,
       nullptr,
       {
           {"Hent1", "&Hent", Hent1},
           {"Gem1", "&Gem", Gem1},
           {"Udskriv", "Udskriv", Udskriv, "Ctrl+P"},
           {"Afslut1", "&Afslut", Afslut1},
       }},
      {"Rediger1",
       "Rediger",
       std::nullopt,
       nullptr,
       {{"KopiertegningentilKlippebordet1", "Kopier alt til Klippebordet",
         KopiertegningentilKlippebordet1}}},
      {"Tegntret1",
       "&Tegn træet",
       Tegntret1,
       nullptr,
       {
           {"N2forgreninger1", "&2 forgreninger", N2forgreninger1},
           {"N3forgreninger1", "&3 forgreninger", N3forgreninger1},
       }},
      {"Klargrtr1",
       "&Klargør træ",
       Klargrtr1,
       nullptr,
       {
           {"Stchancerp1", "Sæt chancer på første grene", Stchancerp1},
           {"Kopiersandsynligheder1", "Kopier sandsynligheder vandret", Kopiersandsynligheder1},
           {"Kopiersandsynligheder2", "Kopier sandsynligheder lodret", Kopiersandsynligheder2},
           {"Indtastsandsynligheder1", "Indtast sandsynligheder", Indtastsandsynligheder1},
           {"Rettalvrdi1", "Ret talværdi", Rettalvrdi1},
           {"Nytnavnpgren1", "Navn og tekst på grene", Nytnavnpgren1},
           {"Antaldecimaler1",
            "Antal decimaler",
            Antaldecimaler1,
            nullptr,
            {
                {"N2decimaler1", "2 decimaler"},
                {"N3decimaler1", "3 decimaler"},
                {"N4decimaler1", "4 decimaler"},
            }},
           {"Rensskema1", "Rens skema", Rensskema1},
           {"Udskiftnavnpheletret1", "Udskift navn på hele træet", Udskiftnavnpheletret1},
       }},
      {"Beregninger1",
       "&Beregninger",
       Beregninger1,
       nullptr,
       {
           {"Hndelser1", "&Hændelser", Hndelser1},
           {"Reducrtr1", "&Reducér træ", Reducrtr1},
           {"Gendantr1", "&Gendan træ", Gendantr1},
       }},
      {"Hjlp1",
       "&Hjælp",
       Hjlp1,
       nullptr,
       {
           {"Vejledning1", "&Vejledning", Vejledning1},
           {"N1", ""},
           {"Omprogrammet1", "&Om programmet", Omprogrammet1},
       }},
  };
  return menu;
}

struct ToolbarButton {
  Command command;
  int speedButton;
  int x;
  const char* hint;
};

constexpr ToolbarButton Toolbar[] = {
    {SpeedButton8, 8, 10, "Udskriv"},
    {SpeedButton9, 9, 46, "Navn eller overskrift til udskrift "},
    {SpeedButton10, 10, 82, "Kopier til Klippebordet"},
    {SpeedButton1, 1, 136, "Kopier tallene vandret"},
    {SpeedButton2, 2, 172, "Kopier tallene lodret"},
    {SpeedButton3, 3, 208, "Indtast sandsynligheder"},
    {SpeedButton4, 4, 260, "Hændelse"},
    {SpeedButton5, 5, 296, "Reducer træet"},
    {SpeedButton6, 6, 332, "Gendan træet"},
    {SpeedButton7, 7, 368, "Rens skemaet"},
};

// The framed groups behind the toolbar buttons: left edge and right edge.
constexpr std::pair<int, int> ToolbarGroups[] = {{6, 119}, {132, 245}, {256, 405}};

constexpr int ButtonSize = 33;
constexpr int ButtonTop = 6;

std::size_t indexOf(Command command) {
  return static_cast<std::size_t>(command);
}

QFrame* panel(QWidget* parent, const char* name) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  return frame;
}

QPlainTextEdit* memo(QWidget* parent, const char* name, const QString& accessibleName) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setObjectName(name);
  edit->setAccessibleName(accessibleName);
  edit->setReadOnly(true);
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  edit->setFont(dialogFont(16, true));
  return edit;
}

void showLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
  QStringList text;
  for (const auto& line : lines) text << toQt(line);
  const QString joined = text.join('\n');
  if (memo->toPlainText() != joined) memo->setPlainText(joined);
}

}  // namespace

TForm1::TForm1(TreeState& state) : state_(state) {
  setObjectName("Form1");
  setWindowTitle(toQt(window_.caption));
  setWindowIcon(programIcon());
  // The window's own font serves its panes; the menu bar keeps the desktop's font.
  auto* central = new QWidget(this);
  central->setFont(dialogFont(16, false));
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  setCentralWidget(central);

  createMenus();
  createToolbar();
  createBranchCountBar();
  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  column->addWidget(Panel1);
  column->addWidget(Panel5);
  column->addLayout(body, 1);
  createLeftPane();
  createDrawingArea();
  body->addWidget(Panel2);
  body->addWidget(ScrollBox1, 1);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setSingleShot(true);
  Timer1->setInterval(StartPictureDisplayMs);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

  createCopyMenu();
  createDialogs();
  host_ = std::make_unique<QtHost>(*PaintBox1, *BtnBottomDlg, *Form2, *JN_box, *this);
  context_ = std::make_unique<Context>(Context{state_, window_, *host_});
  PaintBox1->setPaintHandler([this] {
    PaintBox1Paint(*context_);
    sync();
  });
  connectCommands();
}

TForm1::~TForm1() = default;

QAction* TForm1::action(Command command) const {
  return actions_[indexOf(command)];
}
QAbstractButton* TForm1::button(Command command) const {
  return buttons_[indexOf(command)];
}
QMenu* TForm1::menu(Command command) const {
  return menus_[indexOf(command)];
}

void TForm1::createMenus() {
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
    if (entry.shortcut) action->setShortcut(QKeySequence(entry.shortcut));
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

void TForm1::createToolbar() {
  Panel1 = panel(this, "Panel1");
  Panel1->setFixedHeight(45);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  const char* bevelNames[] = {"Bevel2", "Bevel1", "Bevel3"};
  for (std::size_t i = 0; i < std::size(ToolbarGroups); ++i) {
    auto* bevel = panel(Panel1, bevelNames[i]);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(ToolbarGroups[i].first, 2, ToolbarGroups[i].second - ToolbarGroups[i].first,
                       41);
  }
  for (const auto& entry : Toolbar) {
    auto* button = new QToolButton(Panel1);
    button->setObjectName(QString("SpeedButton%1").arg(entry.speedButton));
    button->setGeometry(entry.x, ButtonTop, ButtonSize, ButtonSize);
    button->setIcon(toolbarPicture(entry.speedButton));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setToolTip(entry.hint);
    button->setAccessibleName(entry.hint);
    buttons_[indexOf(entry.command)] = button;
  }
  Memo1 = new QTextEdit(Panel1);
  Memo1->setObjectName("Memo1");
  Memo1->setFont(dialogFont(13, false));
  Memo1->hide();
}

void TForm1::createBranchCountBar() {
  Panel5 = panel(this, "Panel5");
  Panel5->setFixedHeight(41);
  Panel5->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Label1 = new QLabel(Panel5);
  Label1->setObjectName("Label1");
  Label1->move(12, 12);
  for (int b = FewestBranches; b <= MostBranches; ++b) {
    auto* button = new QToolButton(Panel5);
    button->setObjectName(QString("f%1").arg(b));
    button->setText(QString::number(b));
    button->setAccessibleName(QString::number(b));
    button->setGeometry(320 + (b - 2) * 32, 8, 25, 25);
    buttons_[indexOf(branchCountButton(b))] = button;
  }
  Panel5->hide();
}

void TForm1::createLeftPane() {
  Panel2 = panel(this, "Panel2");
  Panel2->setFixedWidth(297);
  Panel2->setFrameStyle(QFrame::Box | QFrame::Plain);
  auto* column = new QVBoxLayout(Panel2);
  column->setContentsMargins(5, 5, 5, 5);
  column->setSpacing(0);

  Memo2 = memo(Panel2, "Memo2", "Resultater");
  Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  column->addWidget(Memo2, 1);

  Panel3 = panel(Panel2, "Panel3");
  Panel3->setFixedHeight(190);
  auto* panel3Layout = new QVBoxLayout(Panel3);
  panel3Layout->setContentsMargins(0, 0, 0, 0);
  Memo3 = memo(Panel3, "Memo3", "Navne og tekster");
  Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  panel3Layout->addWidget(Memo3);
  column->addWidget(Panel3);

  Panel6 = panel(Panel2, "Panel6");
  Panel6->setFixedHeight(49);
  Panel6->setAutoFillBackground(true);
  Label2 = placeLabel(Panel6, "Label2", 4, 4);
  Label3 = placeLabel(Panel6, "Label3", 4, 24);
  column->addWidget(Panel6);
}

void TForm1::createDrawingArea() {
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setWidgetResizable(true);
  ScrollBox1->setFrameStyle(QFrame::NoFrame);
  ScrollBox1->setBackgroundRole(QPalette::Base);
  PaintBox1 = new PaintBox;
  ScrollBox1->setWidget(PaintBox1);

  Image1 = new QLabel(PaintBox1);
  Image1->setObjectName("Image1");
  Image1->setAccessibleName("Kvistra");
  Image1->setFixedSize(273, 225);
  Image1->setScaledContents(true);
  const QImage picture = loadStartPicture();
  if (!picture.isNull()) Image1->setPixmap(QPixmap::fromImage(picture));

  Label4 = new QLabel(PaintBox1);
  Label4->setObjectName("Label4");
  Label4->setAutoFillBackground(true);
  QPalette yellow = Label4->palette();
  yellow.setColor(QPalette::Window, Qt::yellow);
  Label4->setPalette(yellow);
  Label4->hide();
}

void TForm1::createCopyMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  const std::pair<const char*, const char*> items[] = {
      {"KopiertegningentilKlippebordet2", "Kopier træet til Klippebordet"},
      {"KopierresultatertilKlippebordet2", "Kopier resultater til Klippebordet"},
      {"KopierForklaringtilKlippebordet1", "Kopier forklaring til Klippebordet"},
  };
  for (const auto& [name, caption] : items) PopupMenu1->addAction(caption)->setObjectName(name);
  QAbstractButton* opener = button(SpeedButton10);
  connect(opener, &QAbstractButton::clicked, this, [this, opener] {
    const QPoint place = opener->mapTo(this, QPoint(5, 75));
    PopupMenu1->popup(mapToGlobal(place));
  });
}

void TForm1::createDialogs() {
  AboutBox = new TAboutBox(this);
  BtnBottomDlg = new TBtnBottomDlg(this);
  Form2 = new TForm2(this);
  JN_box = new TJN_box(this);
  connect(BtnBottomDlg, &TBtnBottomDlg::helpRequested, this, &TForm1::showHelp);
  connect(Form2, &TForm2::helpRequested, this, &TForm1::showHelp);
  connect(JN_box, &TJN_box::helpRequested, this, &TForm1::showHelp);
}

void TForm1::connectCommands() {
  const auto onTriggered = [this](Command command, std::function<void(Context&)> handler) {
    connect(action(command), &QAction::triggered, this, [this, handler] { run(handler); });
  };
  const auto onClicked = [this](Command command, std::function<void(Context&)> handler) {
    connect(button(command), &QAbstractButton::clicked, this, [this, handler] { run(handler); });
  };
  onTriggered(N2forgreninger1, [](Context& c) { beginTree(c, 2); });
  onTriggered(N3forgreninger1, [](Context& c) { beginTree(c, 3); });
  for (int b = FewestBranches; b <= MostBranches; ++b)
    onClicked(branchCountButton(b), [b](Context& c) { addBranching(c, b); });
  onTriggered(Stchancerp1, Stchancerp1Click);
  const auto copyAcross = [](Context& c) { CopyNextGroup(c, CopyDirection::Across); };
  const auto copyDown = [](Context& c) { CopyNextGroup(c, CopyDirection::Down); };
  onTriggered(Indtastsandsynligheder1, EnterNextGroup);
  onClicked(SpeedButton3, EnterNextGroup);
  onTriggered(Kopiersandsynligheder1, copyAcross);
  onClicked(SpeedButton1, copyAcross);
  onTriggered(Kopiersandsynligheder2, copyDown);
  onClicked(SpeedButton2, copyDown);
  connect(menu(Tegntret1), &QMenu::aboutToShow, this,
          [this] { run([](Context& c) { openDrawMenu(c.window); }); });
  connect(action(Afslut1), &QAction::triggered, this, &QWidget::close);
  connect(action(Vejledning1), &QAction::triggered, this, &TForm1::showHelp);
  connect(action(Omprogrammet1), &QAction::triggered, AboutBox, &QDialog::exec);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, &TForm1::showHelp);
}

void TForm1::run(const std::function<void(Context&)>& command) {
  command(*context_);
  sync();
}

void TForm1::sync() {
  setWindowTitle(toQt(window_.caption));
  for (std::size_t i = 0; i < CommandCount; ++i) {
    if (actions_[i]) actions_[i]->setEnabled(window_.enabled[i]);
    if (buttons_[i]) buttons_[i]->setEnabled(window_.enabled[i]);
  }
  Panel1->setVisible(window_.panel1Visible);
  Panel2->setVisible(window_.panel2Visible);
  Panel3->setVisible(window_.panel3Visible);
  Panel5->setVisible(window_.panel5Visible);
  Image1->setVisible(window_.image1Visible);
  Label1->setText(toQt(window_.label1Caption));
  Label1->adjustSize();
  showLines(Memo2, window_.memo2Lines);
  showLines(Memo3, window_.memo3Lines);
  QPalette note = Panel6->palette();
  note.setColor(QPalette::Window,
                window_.panel6Yellow ? QColor(Qt::yellow) : palette().color(QPalette::Button));
  Panel6->setPalette(note);
  Label2->setText(toQt(window_.label2Caption));
  Label3->setText(toQt(window_.label3Caption));
  Label2->adjustSize();
  Label3->adjustSize();
}

void TForm1::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      setGeometry(screen->availableGeometry());
    showMainWindow(state_, window_, PaintBox1->canvas().textHeight("H"));
    Image1->move(width() / 2 - 140, height() / 2 - 120);
    sync();
    Timer1->start();
    // A window manager may never activate the window (a bare X server has none).
    QTimer::singleShot(0, this, &TForm1::FormActivate);
  }
  QMainWindow::showEvent(event);
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
  QMainWindow::changeEvent(event);
}

void TForm1::FormActivate() {
  if (activated_ || !shown_) return;
  activated_ = true;
  activateMainWindow(state_, window_);
  sync();
}

void TForm1::Timer1Timer() {
  hideStartPicture(window_);
  sync();
}

void TForm1::showHelp() {
  if (!help_) help_ = new HelpWindow(this);
  help_->showContents();
}

}  // namespace kvistra::ui
