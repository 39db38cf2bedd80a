// Pictures decoded from PNG and JPEG data made here with the same libraries.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/drawing_fixture.h"
#include "platform/platform.h"

namespace {
using drawing_tests::PlatformTest;
using Bytes = std::vector<unsigned char>;

Bytes MakePng(int w, int h, png_uint_32 format, const Bytes& pixels) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(w);
  image.height = png_uint_32(h);
  image.format = format;
  png_alloc_size_t size = 0;
  EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr));
  Bytes out(size);
  EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr));
  out.resize(size);
  return out;
}

// `pixels` holds `components` (1 grey or 3 RGB) bytes per pixel.
Bytes MakeJpeg(int w, int h, int components, const Bytes& pixels) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(w);
  info.image_height = JDIMENSION(h);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(&pixels[std::size_t(info.next_scanline) * w * components]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

// Three opaque primaries over three pixels of falling alpha.
Bytes SmallRgbaPng() {
  return MakePng(3, 2, PNG_FORMAT_RGBA, {255, 0,   0,   255, 0, 255, 0, 255, 0,  0,  255, 255,  //
                                         255, 255, 255, 0,   0, 0,   0, 128, 10, 20, 30,  255});
}

// Left half red, right half blue.
Bytes TwoColourJpeg() {
  Bytes rgb;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      rgb.insert(rgb.end(), {Bytes::value_type(x < 8 ? 255 : 0), 0, Bytes::value_type(x < 8 ? 0 : 255)});
  return MakeJpeg(16, 16, 3, rgb);
}

void ExpectNear(pf::Rgb actual, pf::Rgb expected, int tolerance) {
  EXPECT_NEAR(pf::Red(actual), pf::Red(expected), tolerance) << std::hex << actual;
  EXPECT_NEAR(pf::Green(actual), pf::Green(expected), tolerance) << std::hex << actual;
  EXPECT_NEAR(pf::Blue(actual), pf::Blue(expected), tolerance) << std::hex << actual;
}

using PictureDecodeTest = PlatformTest;

TEST_F(PictureDecodeTest, PngKeepsSizeColoursAndAlpha) {
  const Bytes png = SmallRgbaPng();
  ASSERT_EQ(pf::DecodePicture(40, png.data(), png.size()), 40);
  EXPECT_EQ(pf::PictureWidth(40), 3);
  EXPECT_EQ(pf::PictureHeight(40), 2);
  EXPECT_EQ(pf::PicturePixel(40, 0, 0), 0xFF0000u);
  EXPECT_EQ(pf::PicturePixel(40, 1, 0), 0x00FF00u);
  EXPECT_EQ(pf::PicturePixel(40, 2, 0), 0x0000FFu);

  // Drawn over red, the alpha shows: clear lets red through, half blends, opaque covers.
  ASSERT_EQ(pf::CreatePicture(41, 3, 2, 0xFF0000), 41);
  ASSERT_TRUE(pf::StartDrawingOnPicture(41));
  pf::DrawPicture(40, 0, 0);
  pf::StopDrawing();
  EXPECT_EQ(pf::PicturePixel(41, 0, 1), 0xFF0000u);
  ExpectNear(pf::PicturePixel(41, 1, 1), 0x7F0000, 2);
  EXPECT_EQ(pf::PicturePixel(41, 2, 1), 0x0A141Eu);
}

TEST_F(PictureDecodeTest, PngWithoutAlphaAndGreyPng) {
  const Bytes rgb = MakePng(2, 1, PNG_FORMAT_RGB, {1, 2, 3, 250, 251, 252});
  const Bytes grey = MakePng(2, 1, PNG_FORMAT_GRAY, {0, 200});
  ASSERT_EQ(pf::DecodePicture(1, rgb.data(), rgb.size()), 1);
  ASSERT_EQ(pf::DecodePicture(2, grey.data(), grey.size()), 2);
  EXPECT_EQ(pf::PicturePixel(1, 0, 0), 0x010203u);
  EXPECT_EQ(pf::PicturePixel(1, 1, 0), 0xFAFBFCu);
  EXPECT_EQ(pf::PicturePixel(2, 0, 0), 0x000000u);
  EXPECT_EQ(pf::PicturePixel(2, 1, 0), 0xC8C8C8u);
}

TEST_F(PictureDecodeTest, JpegColourAndGrey) {
  const Bytes colour = TwoColourJpeg();
  ASSERT_EQ(pf::DecodePicture(7, colour.data(), colour.size()), 7);
  EXPECT_EQ(pf::PictureWidth(7), 16);
  EXPECT_EQ(pf::PictureHeight(7), 16);
  ExpectNear(pf::PicturePixel(7, 2, 8), 0xFF0000, 24);
  ExpectNear(pf::PicturePixel(7, 13, 8), 0x0000FF, 24);

  const Bytes grey = MakeJpeg(8, 4, 1, Bytes(32, 200));
  ASSERT_EQ(pf::DecodePicture(8, grey.data(), grey.size()), 8);
  EXPECT_EQ(pf::PictureWidth(8), 8);
  EXPECT_EQ(pf::PictureHeight(8), 4);
  ExpectNear(pf::PicturePixel(8, 5, 2), 0xC8C8C8, 3);
}

TEST_F(PictureDecodeTest, NumbersAsOtherPictures) {
  const Bytes png = SmallRgbaPng();
  const int fresh = pf::DecodePicture(pf::kAutoNumber, png.data(), png.size());
  EXPECT_GT(fresh, 0);
  EXPECT_EQ(pf::PictureWidth(fresh), 3);
  // Picture 0 stays the blank 1 x 1 picture.
  EXPECT_EQ(pf::DecodePicture(0, png.data(), png.size()), 0);
  EXPECT_EQ(pf::PictureWidth(0), 1);
}

Bytes Truncated(Bytes b, std::size_t keep) {
  b.resize(keep);
  return b;
}
Bytes Damaged(Bytes b, std::size_t from, std::size_t count) {
  for (std::size_t i = from; i < from + count && i < b.size(); ++i) b[i] ^= 0x5A;
  return b;
}
Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

TEST_F(PictureDecodeTest, BrokenDataGivesZeroAndKeepsThePictureThere) {
  const Bytes png = SmallRgbaPng();
  const Bytes jpeg = TwoColourJpeg();
  const struct {
    const char* what;
    Bytes data;
  } cases[] = {
      {"empty", {}},
      {"unknown format", Text("GIF89a not a picture format we read")},
      {"png signature only", Truncated(png, 8)},
      {"png cut in half", Truncated(png, png.size() / 2)},
      {"png without its last pixel bytes", Truncated(png, png.size() - 20)},
      {"png with damaged pixel data", Damaged(png, png.size() - 30, 8)},
      {"png with damaged header", Damaged(png, 16, 4)},
      {"jpeg signature only", Truncated(jpeg, 3)},
      {"jpeg cut in half", Truncated(jpeg, jpeg.size() / 2)},
      {"jpeg header only", Truncated(jpeg, 200)},
      {"jpeg without the end of its pixel data", Truncated(jpeg, jpeg.size() - 8)},
      {"jpeg with garbage after the signature",
       [] {
         Bytes b = {0xFF, 0xD8, 0xFF};
         for (int i = 0; i < 300; ++i) b.push_back(Bytes::value_type(i * 37));
         return b;
       }()},
  };
  ASSERT_EQ(pf::CreatePicture(9, 5, 4, 0x123456), 9);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(pf::DecodePicture(9, c.data.data(), c.data.size()), 0);
    EXPECT_EQ(pf::DecodePicture(pf::kAutoNumber, c.data.data(), c.data.size()), 0);
    EXPECT_EQ(pf::PictureWidth(9), 5);
    EXPECT_EQ(pf::PicturePixel(9, 0, 0), 0x123456u);
  }
  EXPECT_EQ(pf::DecodePicture(10, nullptr, 100), 0);
  EXPECT_FALSE(pf::PictureExists(10));
}

// Decoded on a second thread, the pictures are there at their first look-up; broken ones are left out,
// and a picture stored meanwhile under the same number is not replaced by the late one.
TEST_F(PictureDecodeTest, PicturesDecodedAheadArriveBeforeTheirFirstUse) {
  const Bytes png = SmallRgbaPng();
  const Bytes jpeg = TwoColourJpeg();
  const Bytes broken = Truncated(png, png.size() / 2);
  ASSERT_EQ(pf::CreatePicture(23, 2, 2, 0x445566), 23);
  pf::DecodePicturesAhead(
      {{21, png.data(), png.size()}, {22, jpeg.data(), jpeg.size()}, {23, broken.data(), broken.size()}});
  EXPECT_EQ(pf::PictureWidth(21), 3);
  EXPECT_EQ(pf::PicturePixel(21, 1, 0), 0x00FF00u);
  EXPECT_EQ(pf::PictureWidth(22), 16);
  ExpectNear(pf::PicturePixel(22, 2, 8), 0xFF0000, 24);  // red stays red on the second thread too
  EXPECT_EQ(pf::PicturePixel(23, 0, 0), 0x445566u);      // the broken one stored nothing

  pf::DecodePicturesAhead({{24, png.data(), png.size()}});
  ASSERT_EQ(pf::CreatePicture(24, 5, 5, 0x010203), 24);
  EXPECT_EQ(pf::PictureWidth(24), 5);
  EXPECT_EQ(pf::PicturePixel(24, 0, 0), 0x010203u);
}

}  // namespace
