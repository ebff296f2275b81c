// The program keeps its text as Windows-1252 bytes, while its source files are UTF-8. w1252()
// turns one of the program's own UTF-8 literals into those bytes, so Danish texts stay readable
// in the source: w1252("Sands. på reduceret træ: ").
#pragma once

#include <array>
#include <optional>
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

// The code points of Windows-1252's bytes 0x80 to 0x9F; 0 where the byte is unused.
inline constexpr std::array<char32_t, 32> Windows1252HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte that holds code in Windows-1252, or nothing. The five unused bytes stand for the
// control characters of their own number, so that every byte survives a trip through UTF-8.
inline std::optional<char> windows1252Byte(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (std::size_t k = 0; k < Windows1252HighControls.size(); ++k)
    if (Windows1252HighControls[k] == code || (Windows1252HighControls[k] == 0 && code == 0x80 + k))
      return static_cast<char>(0x80 + k);
  return std::nullopt;
}

// Text from UTF-8 into Windows-1252, each character as convert gives it: a byte, or nothing to
// give up. A character Windows-1252 lacks, or a byte that is not UTF-8, goes to convert as
// nothing.
template <typename Convert>
bool convertFromUtf8(std::string_view utf8, std::string& text, Convert convert) {
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
    const std::optional<char> byte = convert(valid ? windows1252Byte(code) : std::nullopt);
    if (!byte) return false;
    text += *byte;
  }
  return true;
}

// Text from outside the program, such as a file's name, from UTF-8 into Windows-1252. A
// character Windows-1252 lacks, or a byte that is not UTF-8, becomes "?".
inline std::string windows1252FromUtf8(std::string_view utf8) {
  std::string text;
  convertFromUtf8(utf8, text, [](std::optional<char> byte) { return byte.value_or('?'); });
  return text;
}

// The same for text that must arrive whole: nothing when a character cannot be held.
inline std::optional<std::string> exactWindows1252FromUtf8(std::string_view utf8) {
  std::string text;
  if (!convertFromUtf8(utf8, text, [](std::optional<char> byte) { return byte; })) return {};
  return text;
}

// The program's text as UTF-8, for what leaves the program as UTF-8.
inline std::string utf8FromWindows1252(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    char32_t code = byte;
    if (byte >= 0x80 && byte < 0xA0 && Windows1252HighControls[byte - 0x80] != 0)
      code = Windows1252HighControls[byte - 0x80];
    if (code < 0x80) {
      utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (code >> 12));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return utf8;
}

}  // namespace kvistra
