#include "ui/TextConversion.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace kvistra::ui {

namespace {
constexpr const char* Encoding = "windows-1252";

// Windows-1252 gives every byte one character of its own, so one decoding of the 256 bytes
// serves every later text: a text is drawn many times a second, and opening a converter each
// time costs more than the drawing.
const std::array<char16_t, 256>& characterOfByte() {
  static const std::array<char16_t, 256> table = [] {
    std::array<char16_t, 256> characters{};
    QStringDecoder decode(Encoding, QStringConverter::Flag::Stateless);
    for (int byte = 0; byte < 256; ++byte) {
      const char single = static_cast<char>(byte);
      const QString decoded = decode(QByteArrayView(&single, 1));
      characters[byte] = decoded.size() == 1 ? decoded.front().unicode() : u'\uFFFD';
    }
    return characters;
  }();
  return table;
}
}  // namespace

QString toQt(std::string_view windows1252) {
  const auto& table = characterOfByte();
  QString text(static_cast<qsizetype>(windows1252.size()), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  for (const char byte : windows1252) *out++ = table[static_cast<unsigned char>(byte)];
  return text;
}

std::string fromQt(const QString& text) {
  QStringEncoder encode(Encoding, QStringConverter::Flag::Stateless);
  const QByteArray bytes = encode(text);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool representable(const QString& text) {
  QStringEncoder encode(Encoding, QStringConverter::Flag::Stateless);
  const QByteArray bytes = encode(text);
  return !encode.hasError();
}

}  // namespace kvistra::ui
