#include "common/picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace {

// Compresses a width x height picture (components 3 = RGB, 1 = grey) whose pixels come from
// pixel(x, y, channel) into JPEG bytes at high quality.
template <typename PixelFn>
std::vector<uint8_t> MakeJpeg(int width, int height, int components, PixelFn pixel) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = components;
  info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(width) * components);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < components; ++c) row[x * components + c] = pixel(x, y, c);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

// Left half red, right half blue: plain colours survive JPEG almost unchanged.
uint8_t HalfRedHalfBlue(int x, int, int c) {
  const bool left = x < 8;
  return (c == 0 && left) || (c == 2 && !left) ? 250 : 5;
}

TEST(DecodeJpegTest, DecodesSizeAndColours) {
  const std::vector<uint8_t> jpeg = MakeJpeg(16, 8, 3, HalfRedHalfBlue);
  Picture picture;
  ASSERT_TRUE(DecodeJpeg(jpeg.data(), jpeg.size(), &picture));
  EXPECT_EQ(picture.width, 16);
  EXPECT_EQ(picture.height, 8);
  ASSERT_EQ(picture.rgb.size(), 16u * 8u * 3u);
  const uint8_t* left = &picture.rgb[(4 * 16 + 2) * 3];
  const uint8_t* right = &picture.rgb[(4 * 16 + 13) * 3];
  EXPECT_GT(left[0], 200);
  EXPECT_LT(left[2], 50);
  EXPECT_LT(right[0], 50);
  EXPECT_GT(right[2], 200);
}

TEST(DecodeJpegTest, GreyPicturesBecomeRgb) {
  const std::vector<uint8_t> jpeg = MakeJpeg(4, 4, 1, [](int, int, int) { return 128; });
  Picture picture;
  ASSERT_TRUE(DecodeJpeg(jpeg.data(), jpeg.size(), &picture));
  ASSERT_EQ(picture.rgb.size(), 4u * 4u * 3u);
  for (uint8_t v : picture.rgb) EXPECT_NEAR(v, 128, 3);
}

TEST(DecodeJpegTest, RefusesWhatIsNoPicture) {
  const std::vector<uint8_t> jpeg = MakeJpeg(16, 8, 3, HalfRedHalfBlue);
  const std::vector<uint8_t> garbage = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
  std::vector<uint8_t> no_start = jpeg;
  no_start[1] = 0x00;  // the start-of-image marker is gone
  const std::vector<uint8_t> cases[] = {
      garbage,
      no_start,
      std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 20),  // cut inside the header
      std::vector<uint8_t>(2, 0xFF),
  };
  for (const auto& bytes : cases) {
    SCOPED_TRACE(bytes.size());
    Picture picture{1, 1, {1, 2, 3}};
    EXPECT_FALSE(DecodeJpeg(bytes.data(), bytes.size(), &picture));
    EXPECT_EQ(picture.width, 0);
    EXPECT_TRUE(picture.rgb.empty());
  }
  Picture picture;
  EXPECT_FALSE(DecodeJpeg(nullptr, 0, &picture));
  EXPECT_FALSE(DecodeJpeg(jpeg.data(), 0, &picture));
}

TEST(DecodeJpegTest, PictureCutInsideTheDataStillDecodes) {
  // libjpeg fills a picture whose data ends early; the window still gets its size.
  const std::vector<uint8_t> jpeg = MakeJpeg(64, 64, 3, HalfRedHalfBlue);
  Picture picture;
  ASSERT_TRUE(DecodeJpeg(jpeg.data(), jpeg.size() - 40, &picture));
  EXPECT_EQ(picture.width, 64);
  EXPECT_EQ(picture.rgb.size(), 64u * 64u * 3u);
}

}  // namespace
