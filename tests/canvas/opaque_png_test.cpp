#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "canvas/bitmap.h"
#include "canvas/opaque_png.h"
#include "core/exceptions.h"

namespace quil {
namespace {

std::string OutputPath(const std::string& name) {
  std::filesystem::create_directories(QUIL_TEST_OUTPUT_DIR);
  return std::string(QUIL_TEST_OUTPUT_DIR) + "/" + name;
}

// Written at every level and read back by Cairo's reader, every pixel is the same; a pixel that
// is not opaque keeps its colour at full strength.
TEST(OpaquePNG, ReadsBackPixelForPixel) {
  TBitmap image(37, 23);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      image.SetPixel(x, y, RGBColor((x * 7) % 256, (y * 11) % 256, (x * y) % 256));
  for (int level : {1, 6, 9}) {
    SCOPED_TRACE(level);
    const std::string path = OutputPath("opaque_png_level" + std::to_string(level) + ".png");
    SaveOpaquePNG(image, path, level);
    const TBitmap back = TBitmap::FromPNGFile(path);
    ASSERT_EQ(back.Width(), image.Width());
    ASSERT_EQ(back.Height(), image.Height());
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) ASSERT_EQ(back.Pixel(x, y), image.Pixel(x, y)) << x << "," << y;
  }
  TBitmap translucent(2, 1);
  translucent.PixelData()[0] = 0x33331100u;  // a fifth of red 255, green 85, premultiplied
  translucent.PixelData()[1] = 0x00000000u;
  translucent.MarkChanged();
  const std::string path = OutputPath("opaque_png_translucent.png");
  SaveOpaquePNG(translucent, path);
  const TBitmap back = TBitmap::FromPNGFile(path);
  EXPECT_EQ(back.Pixel(0, 0), RGBColor(255, 85, 0));
  EXPECT_EQ(back.Alpha(1, 0), 255);
}

TEST(OpaquePNG, FailuresRaiseAndNameTheFile) {
  EXPECT_THROW(SaveOpaquePNG(TBitmap(), OutputPath("empty.png")), EQuilError);
  const std::string missing = OutputPath("no such folder/picture.png");
  try {
    SaveOpaquePNG(TBitmap(4, 4), missing);
    FAIL() << "no error";
  } catch (const EQuilError& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
  }
}

}  // namespace
}  // namespace quil
