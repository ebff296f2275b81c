#pragma once

#include <QSettings>

namespace kvistra::ui {

// Where the program keeps what the user chose between runs: the zoom, the view choices, the
// recent files and the last folder of the file dialogs.
QSettings programSettings();

// The value kept under key; invalid when there is none or the settings file is damaged, which
// is then ignored (the next choice made writes it afresh).
QVariant keptSetting(const char* key);
// A kept yes or no, or fallback when there is none or it is neither.
bool keptChoice(const char* key, bool fallback);

// The folder the file dialogs last chose a file in, kept for the next dialog and the next run;
// empty when it is unknown or has gone.
QString lastFolder();
void keepLastFolder(const QString& chosenFile);

// Registers the program's embedded files (start picture, help pages). The resources are
// compiled into a static library, whose registration the linker would otherwise drop; safe to
// call any number of times.
void ensureResources();

}  // namespace kvistra::ui
