// The program keeps its text as Windows-1252 bytes, while its source files are UTF-8. w1252()
// turns one of the program's own UTF-8 literals into those bytes, so Danish texts stay readable
// in the source: w1252("Sands. på reduceret træ: ").
#pragma once

#include <array>
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

// Text from outside the program, such as a file's name, from UTF-8 into Windows-1252. A
// character Windows-1252 lacks, or a byte that is not UTF-8, becomes "?".
inline std::string windows1252FromUtf8(std::string_view utf8) {
  // The code points of Windows-1252's bytes 0x80 to 0x9F; 0 where the byte is unused.
  constexpr std::array<char32_t, 32> HighControls = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  std::string text;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80         ? 1
                       : lead >> 5 == 0x6  ? 2
                       : lead >> 4 == 0xE  ? 3
                       : lead >> 3 == 0x1E ? 4
                                           : 0;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      valid = next >> 6 == 0x2;
      code = code << 6 | (next & 0x3F);
    }
    i += valid ? static_cast<std::size_t>(length) : 1;
    char byte = '?';
    if (valid && (code < 0x80 || (code >= 0xA0 && code <= 0xFF))) {
      byte = static_cast<char>(code);
    } else if (valid) {
      for (std::size_t k = 0; k < HighControls.size(); ++k)
        if (HighControls[k] == code) byte = static_cast<char>(0x80 + k);
    }
    text += byte;
  }
  return text;
}

}  // namespace kvistra
