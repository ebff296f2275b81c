// The encoding a text comes in. The program's texts are Windows-1252 bytes, but for the
// distribution's display texts, which need "σ", "√", "≤" and "−": those are UTF-8.
#pragma once

namespace kvistra {

enum class TextEncoding { Windows1252, Utf8 };

}  // namespace kvistra
