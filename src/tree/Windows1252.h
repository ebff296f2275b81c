// The program keeps its text as Windows-1252 bytes, while its source files are UTF-8. The
// literal suffix _w1252 turns a UTF-8 literal into those bytes at compile time, so Danish texts
// stay readable in the source: "Sands. på reduceret træ: "_w1252.
#pragma once

#include <cstddef>
#include <string_view>

namespace kvistra {

template <std::size_t N>
struct Windows1252Literal {
  char chars[N]{};
  std::size_t size = 0;

  // Decodes UTF-8; only characters of Latin-1 (all the program's Danish letters) are allowed.
  consteval Windows1252Literal(const char (&utf8)[N]) {
    for (std::size_t i = 0; i + 1 < N; ++i) {
      const auto byte = static_cast<unsigned char>(utf8[i]);
      if (byte < 0x80) {
        chars[size++] = utf8[i];
      } else if ((byte == 0xC2 || byte == 0xC3) && i + 2 < N) {
        const auto next = static_cast<unsigned char>(utf8[++i]);
        chars[size++] = static_cast<char>(((byte & 0x03) << 6) | (next & 0x3F));
      } else {
        throw "only Latin-1 characters can be written as Windows-1252 literals";
      }
    }
  }
};

template <Windows1252Literal Text>
consteval std::string_view operator""_w1252() {
  return {Text.chars, Text.size};
}

}  // namespace kvistra
