// The one place where the program's Windows-1252 text meets Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text/TextEncoding.h"

namespace kvistra::ui {

QString toQt(std::string_view windows1252);
// The distribution's display texts are UTF-8; every other text of the program is Windows-1252.
QString toQt(std::string_view text, TextEncoding encoding);
std::string fromQt(const QString& text);

// Whether every character of text exists in Windows-1252.
bool representable(const QString& text);

}  // namespace kvistra::ui
