#include "ui/AboutDialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/DialogLook.h"
#include "ui/QtCanvas.h"
#include "ui/ToolbarIcons.h"
#include "window/Startup.h"

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

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("aboutDialog");
  setWindowTitle("   Om programmet");
  setFixedSize(388, 206);

  auto* panel = new QFrame(this);
  panel->setObjectName("aboutPanel");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(8, 8, 372, 150);

  auto* icon = new QLabel(panel);
  icon->setObjectName("programIcon");
  icon->setPixmap(programIcon().pixmap(48, 48));
  icon->setGeometry(16, 16, 48, 48);
  icon->setAccessibleName("Kvistra");

  aboutLabel(panel, "productName", "Kvistra", {"MS Sans Serif", 32, false}, QRect(88, 14, 270, 44));
  aboutLabel(panel, "version", ProgramVersion, {"MS Sans Serif", 11, true}, QRect(88, 64, 270, 18));
  aboutLabel(panel, "comments",
             "Sandsynlighedstræer til brug i undervisningen.\n"
             "Fri software under GPL-3.0-or-later.",
             {"MS Sans Serif", 12, false}, QRect(16, 92, 340, 44));

  okButton_ = placeButton(this, "okButton", "&OK", QRect(156, 168, 77, 30));
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  okButton_->setFocus();
  QDialog::showEvent(event);
}

}  // namespace kvistra::ui
