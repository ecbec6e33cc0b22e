// chart_snapshot's command line: help and version, usage errors, and surfaces from data files
// with the options that change how they look.
#include <cairo.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "snapshot_process.h"

namespace quil::testing {
namespace {

// The pixels of a PNG file, 0x00RRGGBB, row after row.
struct TPicture {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;

  uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
};

TPicture ReadPicture(const fs::path& file) {
  TPicture picture;
  cairo_surface_t* png = cairo_image_surface_create_from_png(file.c_str());
  if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
    picture.Width = cairo_image_surface_get_width(png);
    picture.Height = cairo_image_surface_get_height(png);
    const int stride = cairo_image_surface_get_stride(png);
    const unsigned char* data = cairo_image_surface_get_data(png);
    for (int y = 0; y < picture.Height; ++y)
      for (int x = 0; x < picture.Width; ++x)
        picture.Pixels.push_back(reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFF);
  }
  cairo_surface_destroy(png);
  return picture;
}

// Pixels clearly blue, as the default surface colours (navy to white) are and the empty chart's
// walls, grid and axes are not.
int BluishPixels(const TPicture& picture, int left, int top, int right, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const uint32_t p = picture.At(x, y);
      const int r = static_cast<int>(p >> 16), g = static_cast<int>((p >> 8) & 0xFF), b = static_cast<int>(p & 0xFF);
      count += b > r + 30 && b > g + 30;
    }
  return count;
}

class SnapshotDataTest : public SnapshotCommandTest {
 protected:
  std::string WriteData(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name) << text;
    return (dir_ / name).string();
  }

  // A 6 x 5 matrix of heights, a tilted plane with a bump.
  std::string Matrix() {
    std::string text = "# heights\n";
    for (int z = 0; z < 5; ++z) {
      for (int x = 0; x < 6; ++x) text += std::to_string(x + z + (x == 3 && z == 2 ? 4 : 0)) + " ";
      text += "\n";
    }
    return WriteData("matrix.txt", text);
  }
};

TEST_F(SnapshotDataTest, HelpAndVersionGoToStandardOutput) {
  for (const char* help : {"--help", "-h"}) {
    const TRun run = Run({help});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, "");
    EXPECT_EQ(run.Output.rfind("usage: chart_snapshot", 0), 0u) << run.Output;
    for (const char* option : {"--data", "--size", "--palette", "--rotation", "--elevation", "--zoom", "--wire-frame",
                               "--smooth-palette", "--title", "--form", "--save-form", "--version"})
      EXPECT_NE(run.Output.find(option), std::string::npos) << option;
  }
  for (const char* version : {"--version", "-V"}) {
    const TRun run = Run({version});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Output.rfind("chart_snapshot ", 0), 0u) << run.Output;
    EXPECT_EQ(run.Output.back(), '\n');
  }
}

TEST_F(SnapshotDataTest, UsageErrorsSayWhatIsWrongAndDrawNothing) {
  const std::string out = (dir_ / "out.png").string();
  const std::string data = Matrix();
  struct TCase {
    std::vector<std::string> Args;
    std::string Says;
  };
  for (const TCase& c : std::vector<TCase>{
           {{"--data"}, "--data needs a value"},
           {{"--bogus", out}, "unknown option --bogus"},
           {{"--wire-frame=yes", out}, "--wire-frame takes no value"},
           {{"--size", "10", out}, "WIDTHxHEIGHT"},
           {{"--size", "0x10", out}, "1 to 16384"},
           {{"--width", "10", out}, "both the width and the height"},
           {{"--palette", "plaid", "-d", data, out}, "one of range, pale"},
           {{"--rotation", "400", out}, "0 to 360"},
           {{"--elevation", "x", out}, "0 to 360"},
           {{"--zoom", "0", out}, "1 to 10000"},
           {{"--points", "--matrix", "-d", data, out}, "exclude each other"},
           {{"-d", data}, "no output file"},
           {{out, "10"}, "both WIDTH and HEIGHT"},
       }) {
    const TRun run = Run(c.Args);
    EXPECT_EQ(run.Status, 2) << c.Says;
    EXPECT_EQ(run.Errors.rfind("usage: chart_snapshot", 0), 0u) << run.Errors;
    EXPECT_NE(run.Errors.find(c.Says), std::string::npos) << run.Errors;
    EXPECT_FALSE(fs::exists(out)) << c.Says;
  }
}

TEST_F(SnapshotDataTest, BadDataFilesFailWithTheReadersMessage) {
  const fs::path out = dir_ / "out.png";
  struct TCase {
    std::string File;
    std::string Says;
  };
  for (const TCase& c : std::vector<TCase>{
           {(dir_ / "missing.txt").string(), "Cannot open data file " + (dir_ / "missing.txt").string()},
           {WriteData("ragged.txt", "1 2 3 4\n5 6 7\n"), ", line 2 has 3 values"},
           {WriteData("binary.txt", std::string("\x89PNG\r\n\x1a\n\0\0", 10)), ", line 2: not a text file"},
           {WriteData("empty.txt", ""), "holds no points"},
       }) {
    const TRun run = Run({"--data", c.File, out.string()});
    EXPECT_EQ(run.Status, 1) << c.Says;
    EXPECT_EQ(run.Errors.rfind("chart_snapshot: ", 0), 0u) << run.Errors;
    EXPECT_NE(run.Errors.find(c.Says), std::string::npos) << run.Errors;
    EXPECT_EQ(run.Errors.find('\n'), run.Errors.size() - 1) << "one line: " << run.Errors;
    EXPECT_FALSE(fs::exists(out));
  }
}

TEST_F(SnapshotDataTest, BothDataFormsDrawTheSurfaceInsideTheChart) {
  const fs::path empty = dir_ / "empty.png";
  ASSERT_EQ(Run({empty.string()}).Status, 0);
  std::string points = "x,y,z\n";
  for (int z = 0; z < 5; ++z)
    for (int x = 0; x < 6; ++x) points += std::to_string(x * 0.5) + "," + std::to_string(x * z) + "," + std::to_string(z * 0.25) + "\n";
  for (const std::string& data : {Matrix(), WriteData("points.csv", points)}) {
    const fs::path out = dir_ / "surface.png";
    const TRun run = Run({"--data", data, out.string()});
    ASSERT_EQ(run.Status, 0) << run.Errors;
    EXPECT_EQ(run.Errors, "");
    const TPicture picture = ReadPicture(out);
    ASSERT_EQ(picture.Width, 913);
    ASSERT_EQ(picture.Height, 705);
    // The middle of the chart, clear of the legends and the title.
    EXPECT_EQ(BluishPixels(ReadPicture(empty), 200, 150, 700, 600), 0);
    EXPECT_GT(BluishPixels(picture, 200, 150, 700, 600), 20000) << data;
  }
}

TEST_F(SnapshotDataTest, EveryLookOptionChangesThePicture) {
  const std::string data = Matrix();
  const auto draw = [&](std::vector<std::string> extra) {
    const fs::path out = dir_ / "look.png";
    std::vector<std::string> args{"--data", data, "--size", "400x300"};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(out.string());
    const TRun run = Run(args);
    EXPECT_EQ(run.Status, 0) << run.Errors;
    return ReadPicture(out);
  };
  const TPicture plain = draw({});
  ASSERT_EQ(plain.Width, 400);
  ASSERT_EQ(plain.Height, 300);
  for (const std::vector<std::string>& extra : std::vector<std::vector<std::string>>{
           {"--palette", "rainbow"}, {"-p", "gray"}, {"--rotation", "330"}, {"--elevation", "340"},
           {"--zoom", "60"}, {"--wire-frame"}, {"--smooth-palette"}, {"--title", "Heights"}}) {
    const TPicture changed = draw(extra);
    ASSERT_EQ(changed.Pixels.size(), plain.Pixels.size());
    EXPECT_NE(changed.Pixels, plain.Pixels) << extra[0];
  }
  // A gray palette leaves no blue in the surface.
  EXPECT_GT(BluishPixels(plain, 80, 80, 320, 260), 1000);
  EXPECT_EQ(BluishPixels(draw({"--palette", "gray"}), 80, 80, 320, 260), 0);
}

}  // namespace
}  // namespace quil::testing
