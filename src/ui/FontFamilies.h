// The font families the program names, as the fonts installed on this computer.
#pragma once

#include <QString>
#include <string>

namespace kvistra::ui {

// The family to ask Qt for when the program names family: the family itself when it is
// installed, else its installed metric twin (Courier New -> Liberation Mono, Arial -> Liberation
// Sans, ...), else the name as it is, for the font system to substitute.
QString installedFamily(const std::string& family);

}  // namespace kvistra::ui
