// The program keeps its text as Windows-1252 bytes, while its source files are UTF-8. w1252()
// turns one of the program's own UTF-8 literals into those bytes, so Danish texts stay readable
// in the source: w1252("Sands. på reduceret træ: ").
#pragma once

#include <string>
#include <string_view>

namespace kvistra {

// Only characters of Latin-1 (all the program's Danish letters) are expected; any other
// sequence is kept byte for byte.
inline std::string w1252(std::string_view utf8) {
  std::string text;
  text.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[++i]);
      text += static_cast<char>(((byte & 0x03) << 6) | (next & 0x3F));
    } else {
      text += utf8[i];
    }
  }
  return text;
}

}  // namespace kvistra
