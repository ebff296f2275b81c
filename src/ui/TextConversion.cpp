#include "ui/TextConversion.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kvistra::ui {

namespace {
constexpr const char* Encoding = "windows-1252";

// Windows-1252 is Latin-1 but for the bytes 0x80 to 0x9F, which hold these characters; the five
// bytes it leaves unused keep their Latin-1 control characters, as Qt's own converter gives them.
// A table, not a converter: texts are drawn many times a second, and opening a converter costs
// more than drawing the text.
constexpr char16_t Windows1252From0x80[32] = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

char16_t characterOf(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? Windows1252From0x80[byte - 0x80] : char16_t{byte};
}

}  // namespace

QString toQt(std::string_view windows1252) {
  QString text(static_cast<qsizetype>(windows1252.size()), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  for (const char byte : windows1252) *out++ = characterOf(static_cast<unsigned char>(byte));
  return text;
}

QString toQt(std::string_view text, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8)
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return toQt(text);
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
