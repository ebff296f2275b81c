#include "ui/About.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "tree/Startup.h"
#include "ui/DialogLook.h"
#include "ui/QtCanvas.h"
#include "ui/ToolbarPictures.h"

namespace kvistra::ui {

namespace {

QLabel* aboutLabel(QWidget* parent, const char* name, const QString& text, const Font& font,
                   QRect place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(toQFont(font));
  label->setGeometry(place);
  label->setAccessibleName(text);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("AboutBox");
  setWindowTitle("   Om programmet");
  setFixedSize(388, 206);

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(8, 8, 372, 150);

  auto* icon = new QLabel(panel);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(programIcon().pixmap(48, 48));
  icon->setGeometry(16, 16, 48, 48);
  icon->setAccessibleName("Kvistra");

  ProductName = aboutLabel(panel, "ProductName", "Kvistra", {"MS Sans Serif", 32, false},
                           QRect(88, 14, 270, 44));
  Version = aboutLabel(panel, "Version", ProgramVersion, {"MS Sans Serif", 11, true},
                       QRect(88, 64, 270, 18));
  Comments = aboutLabel(panel, "Comments",
                        "Sandsynlighedstræer med to eller tre forgreninger\n"
                        "til brug i undervisningen.",
                        {"MS Sans Serif", 12, false}, QRect(16, 92, 340, 44));

  BitBtn1 = placeButton(this, "BitBtn1", "&OK", QRect(156, 168, 77, 30));
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  BitBtn1->setFocus();
  QDialog::showEvent(event);
}

}  // namespace kvistra::ui
