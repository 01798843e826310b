#include "common/picture.h"

#include <csetjmp>
#include <cstdio>

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace {

// Larger pictures are refused rather than allocated: no window shows more.
constexpr uint64_t kMaxPixels = 64ull * 1024 * 1024;

// libjpeg reports a fatal error by calling error_exit; ours jumps back to the decoder instead of
// ending the program.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf back;
};

void OnFatalError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->back, 1);
}

void OnMessage(j_common_ptr) {}  // warnings are not shown

// Reads every scanline into out, turning grey pictures into RGB; the decompressor is started.
void ReadRows(jpeg_decompress_struct* info, Picture* out) {
  const int channels = info->output_components;
  // The row buffer belongs to libjpeg's pool, so a jump out of here leaks nothing.
  JSAMPARRAY rows = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                               info->output_width * channels, 1);
  const JSAMPROW row = rows[0];
  size_t at = 0;
  while (info->output_scanline < info->output_height) {
    jpeg_read_scanlines(info, rows, 1);
    for (size_t x = 0; x < info->output_width; ++x) {
      for (int c = 0; c < 3; ++c) out->rgb[at++] = row[x * channels + (channels == 3 ? c : 0)];
    }
  }
}

// The decoding proper; false on any error libjpeg raises. No object with a destructor lives
// between setjmp and a jump back but the Picture, which outlives the jump.
bool Decode(jpeg_decompress_struct* info, ErrorManager* errors, const uint8_t* data, size_t size,
            Picture* out) {
  if (setjmp(errors->back)) return false;
  jpeg_create_decompress(info);
  jpeg_mem_src(info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) return false;
  if (info->out_color_space != JCS_GRAYSCALE) info->out_color_space = JCS_RGB;
  jpeg_start_decompress(info);
  if (info->output_components != 1 && info->output_components != 3) return false;
  if (static_cast<uint64_t>(info->output_width) * info->output_height > kMaxPixels) return false;
  out->width = static_cast<int>(info->output_width);
  out->height = static_cast<int>(info->output_height);
  out->rgb.assign(static_cast<size_t>(out->width) * out->height * 3, 0);
  ReadRows(info, out);
  jpeg_finish_decompress(info);
  return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, Picture* out) {
  *out = Picture{};
  if (data == nullptr || size == 0) return false;
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnFatalError;
  errors.base.output_message = OnMessage;
  const bool ok = Decode(&info, &errors, data, size, out);
  jpeg_destroy_decompress(&info);
  if (!ok) *out = Picture{};
  return ok;
}
