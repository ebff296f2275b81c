// The fonts and the placing of controls shared by the dialogs, which are laid out in pixels.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;
class QWidget;

namespace kvistra::ui {

QFont dialogFont(int pixelHeight, bool bold);
QLabel* placeLabel(QWidget* parent, const char* name, int x, int y);
// A push button whose accessible name is its caption without the mnemonic.
QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption, QRect place);

// Gives widget its font when it is first shown. A text pane lays its text out anew whenever its
// font changes, which loads the font; for a pane hidden at start that waits until it shows.
void setFontWhenShown(QWidget* widget, const QFont& font);

// Calls openHelp when F1 is released in widget, as every field and button of the program does.
void onF1Released(QWidget* widget, std::function<void()> openHelp);

// Enter presses the focused button of dialog, as Space does; elsewhere in the dialog it keeps its
// own meaning (the default button, a field's own use).
void pressFocusedButtonOnEnter(QWidget* dialog);

}  // namespace kvistra::ui
