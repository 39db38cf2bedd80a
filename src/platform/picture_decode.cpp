// Pictures decoded from memory: PNG through libpng (alpha kept), JPEG through libjpeg. The format is told
// by the first bytes. Broken data of any kind gives 0 and stores nothing: both libraries report errors by
// jumping back to us, never by ending the process.
#include <png.h>

#include <QImage>
#include <QtGlobal>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <future>
#include <system_error>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it (<cstdio> above).
#include <jerror.h>
#include <jpeglib.h>

#include "platform/registry.h"

namespace pf::detail {
namespace {

constexpr unsigned char kPngMagic[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr unsigned char kJpegMagic[] = {0xFF, 0xD8, 0xFF};
// Far above any picture the program holds; a bogus header must not make us allocate gigabytes.
constexpr unsigned long long kMaxPixels = 1ull << 26;

bool StartsWith(const unsigned char* data, std::size_t size, const unsigned char* magic, std::size_t n) {
  return size >= n && std::memcmp(data, magic, n) == 0;
}

bool SizeAcceptable(unsigned long long w, unsigned long long h) {
  return w > 0 && h > 0 && w * h <= kMaxPixels;
}

QImage NewPicture(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.setDotsPerMeterX(3780);  // 96 dpi, as every picture of the program
  img.setDotsPerMeterY(3780);
  return img;
}

// libpng's simplified reader keeps its own error handling inside the library.
class PngReader {
 public:
  PngReader() {
    std::memset(&image_, 0, sizeof image_);
    image_.version = PNG_IMAGE_VERSION;
  }
  ~PngReader() { png_image_free(&image_); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  QImage Read(const unsigned char* data, std::size_t size) {
    if (!png_image_begin_read_from_memory(&image_, data, size)) return {};
    if (!SizeAcceptable(image_.width, image_.height)) return {};
    // QImage's ARGB32 is one native 32-bit word per pixel: B, G, R, A in memory on little-endian machines.
    image_.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage img = NewPicture(int(image_.width), int(image_.height));
    if (img.isNull()) return {};
    if (!png_image_finish_read(&image_, nullptr, img.bits(), png_int_32(img.bytesPerLine()), nullptr))
      return {};
    return img;
  }

 private:
  png_image image_;
};

struct JpegErrors {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

[[noreturn]] void JpegFail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// Data that ends early is broken, though libjpeg would patch it up and go on with grey.
void JpegWarning(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) JpegFail(info);
}

#ifdef JCS_EXTENSIONS
// libjpeg-turbo writes QImage's own 32-bit layout (alpha 0xFF) straight into the picture, grey included,
// so no row passes through a second buffer.
constexpr bool kDirect = true;
constexpr J_COLOR_SPACE kDirectSpace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
#else
constexpr bool kDirect = false;
constexpr J_COLOR_SPACE kDirectSpace = JCS_RGB;
#endif

void StoreRow(const JSAMPLE* row, int components, QImage& img, int y) {
  auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
  for (int x = 0; x < img.width(); ++x, row += components)
    out[x] = components == 1 ? qRgb(row[0], row[0], row[0]) : qRgb(row[0], row[1], row[2]);
}

// Everything between setjmp and the last libjpeg call uses only plain locals, so a jump back here skips
// no destructor. The caller owns the decompressor's memory and destroys it on both paths.
bool ReadJpeg(jpeg_decompress_struct& info, JpegErrors& errors, const unsigned char* data, std::size_t size,
              QImage& out, std::vector<JSAMPLE>& row) {
  if (setjmp(errors.jump)) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  if (!SizeAcceptable(info.image_width, info.image_height)) return false;
  if (kDirect)
    info.out_color_space = kDirectSpace;
  else
    info.out_color_space = info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&info);
  out = NewPicture(int(info.output_width), int(info.output_height));
  if (out.isNull()) return false;
  if (!kDirect) row.resize(std::size_t(info.output_width) * std::size_t(info.output_components));
  while (info.output_scanline < info.output_height) {
    const int y = int(info.output_scanline);
    JSAMPROW rows[1] = {kDirect ? reinterpret_cast<JSAMPROW>(out.scanLine(y)) : row.data()};
    if (jpeg_read_scanlines(&info, rows, 1) != 1) return false;
    if (!kDirect) StoreRow(row.data(), info.output_components, out, y);
  }
  jpeg_finish_decompress(&info);
  return true;
}

class JpegReader {
 public:
  JpegReader() {
    info_.err = jpeg_std_error(&errors_.mgr);
    errors_.mgr.error_exit = JpegFail;
    errors_.mgr.emit_message = JpegWarning;
  }
  // Also safe when creation failed: destroying frees only what was made.
  ~JpegReader() { jpeg_destroy_decompress(&info_); }
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;

  QImage Read(const unsigned char* data, std::size_t size) {
    QImage img;
    std::vector<JSAMPLE> row;
    return ReadJpeg(info_, errors_, data, size, img, row) ? img : QImage();
  }

 private:
  JpegErrors errors_{};
  jpeg_decompress_struct info_{};
};

QImage Decode(const unsigned char* data, std::size_t size) {
  if (!data) return {};
  if (StartsWith(data, size, kPngMagic, sizeof kPngMagic)) return PngReader().Read(data, size);
  if (StartsWith(data, size, kJpegMagic, sizeof kJpegMagic)) return JpegReader().Read(data, size);
  return {};
}

}  // namespace
}  // namespace pf::detail

namespace pf {

int DecodePicture(int number, const unsigned char* data, std::size_t size) {
  QImage img = detail::Decode(data, size);
  if (img.isNull()) return 0;
  return detail::StorePicture(number, std::move(img));
}

void DecodePicturesAhead(std::vector<EncodedPicture> pictures) {
  auto decodeAll = [pictures = std::move(pictures)] {
    std::vector<std::pair<int, QImage>> decoded;
    for (const EncodedPicture& p : pictures) {
      QImage img = detail::Decode(p.data, p.size);
      if (!img.isNull()) decoded.emplace_back(p.number, std::move(img));
    }
    return decoded;
  };
  try {
    detail::StorePicturesWhenDecoded(std::async(std::launch::async, decodeAll));
  } catch (const std::system_error&) {
    // No thread to be had: decode them here and now.
    std::promise<std::vector<std::pair<int, QImage>>> now;
    now.set_value(decodeAll());
    detail::StorePicturesWhenDecoded(now.get_future());
  }
}

}  // namespace pf
