#include "ui/TextConversion.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

namespace kvistra::ui {
namespace {

// The conversion reads bytes through its own table; Qt's converter is the reference for every
// byte, and writing the text back must give the bytes again.
TEST(TextConversion, EveryByteReadsAsQtsConverterReadsIt) {
  std::string everyByte;
  for (int byte = 0; byte < 256; ++byte) everyByte += static_cast<char>(byte);
  const QString read = toQt(everyByte);
  EXPECT_EQ(read, QStringDecoder("windows-1252")(QByteArray::fromStdString(everyByte)));
  EXPECT_EQ(fromQt(read), everyByte);
}

}  // namespace
}  // namespace kvistra::ui
