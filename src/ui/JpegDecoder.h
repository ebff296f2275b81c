#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace kvistra {

// A decoded picture: height rows of width pixels, three bytes (red, green, blue) each.
struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

// Decodes a JPEG held in memory. A damaged, truncated or unreadable picture gives nullopt;
// libjpeg's complaints are silenced, since the program has no console to show them on.
std::optional<DecodedImage> decodeJpeg(const unsigned char* data, std::size_t size);

}  // namespace kvistra
