#include "ui/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace kvistra {
namespace {

// A damaged header could ask for gigabytes; no picture of ours comes near this.
constexpr std::size_t maxPixels = std::size_t{4096} * 4096;

// Everything libjpeg touches lives here, in the caller's frame, so nothing it needs after an
// error sits in the frame that setjmp returns into twice.
struct Decoder {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  std::jmp_buf failure;
};

[[noreturn]] void jumpToFailure(j_common_ptr info) {
  std::longjmp(static_cast<Decoder*>(info->client_data)->failure, 1);
}

void discardMessage(j_common_ptr) {}

// Runs libjpeg over the data into pixels. libjpeg reports errors by longjmp back into this
// frame, which would skip destructors, so it holds no object that has one. A picture that made
// libjpeg warn (truncated or corrupt data it papered over) counts as a failure.
bool runDecoder(Decoder* decoder, const unsigned char* data, std::size_t size,
                DecodedImage* picture) {
  jpeg_decompress_struct* info = &decoder->info;
  info->err = jpeg_std_error(&decoder->errors);
  decoder->errors.error_exit = jumpToFailure;
  decoder->errors.output_message = discardMessage;
  info->client_data = decoder;
  if (setjmp(decoder->failure)) {
    jpeg_destroy_decompress(&decoder->info);
    return false;
  }
  jpeg_create_decompress(info);
  jpeg_mem_src(info, data, static_cast<unsigned long>(size));
  jpeg_read_header(info, TRUE);
  info->out_color_space = JCS_RGB;
  jpeg_start_decompress(info);
  const std::size_t rowBytes = std::size_t{info->output_width} * 3;
  if (info->output_components != 3 ||
      std::size_t{info->output_width} * info->output_height > maxPixels) {
    jpeg_destroy_decompress(info);
    return false;
  }
  picture->width = static_cast<int>(info->output_width);
  picture->height = static_cast<int>(info->output_height);
  picture->rgb.resize(rowBytes * info->output_height);
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = picture->rgb.data() + rowBytes * info->output_scanline;
    jpeg_read_scanlines(info, &row, 1);
  }
  jpeg_finish_decompress(info);
  const bool clean = decoder->errors.num_warnings == 0;
  jpeg_destroy_decompress(info);
  return clean;
}

}  // namespace

std::optional<DecodedImage> decodeJpeg(const unsigned char* data, std::size_t size) {
  Decoder decoder{};
  DecodedImage picture;
  if (data == nullptr || !runDecoder(&decoder, data, size, &picture)) return std::nullopt;
  return picture;
}

}  // namespace kvistra
