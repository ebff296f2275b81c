#include "ui/TextConversion.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kvistra::ui {

namespace {
constexpr const char* Encoding = "windows-1252";
}

QString toQt(std::string_view windows1252) {
  QStringDecoder decode(Encoding);
  return decode(QByteArrayView(windows1252.data(), static_cast<qsizetype>(windows1252.size())));
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
