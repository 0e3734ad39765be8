#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "gfx/decoders.h"

namespace gfx {

namespace {

struct JpegErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void LeaveOnJpegError(j_common_ptr info) {
  auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
  std::longjmp(trap->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

// libjpeg only warns of damaged data (a file cut short, bytes overwritten) and fills the rest
// with grey; a damaged picture is no picture here.
void LeaveOnJpegWarning(j_common_ptr info, int message_level) {
  if (message_level < 0) LeaveOnJpegError(info);
}

}  // namespace

// libjpeg reports errors by longjmp; nothing with a destructor may live in this frame.
bool DecodeJpegWithLibjpeg(std::span<const std::uint8_t> bytes, PictureSize& size, Picture* out) {
  jpeg_decompress_struct info;
  JpegErrorTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = LeaveOnJpegError;
  trap.manager.output_message = IgnoreJpegMessage;
  trap.manager.emit_message = LeaveOnJpegWarning;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  size = {static_cast<int>(info.image_width), static_cast<int>(info.image_height)};
  if (!out) {
    jpeg_destroy_decompress(&info);
    return true;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3 || info.output_width > kLargestPictureSide || info.output_height > kLargestPictureSide) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  *out = Picture(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  JSAMPLE row[kLargestPictureSide * 3];
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&info, rows, 1);
    std::uint32_t* target = out->Row(y);
    for (unsigned x = 0; x < info.output_width; ++x) {
      target[x] = (std::uint32_t{row[3 * x]} << 16) | (std::uint32_t{row[3 * x + 1]} << 8) | row[3 * x + 2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace gfx
