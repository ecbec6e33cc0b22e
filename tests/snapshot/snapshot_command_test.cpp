// chart_snapshot run as a separate process: what it writes and what it says when it cannot.
#include <cairo.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "snapshot_process.h"

namespace quil::testing {
namespace {

TEST_F(SnapshotCommandTest, WritesThePictureAtTheAskedSize) {
  const fs::path out = dir_ / "chart.png";
  const TRun run = Run({out.string(), "320", "200"});
  ASSERT_EQ(run.Status, 0) << run.Errors;
  EXPECT_EQ(run.Errors, "");
  cairo_surface_t* png = cairo_image_surface_create_from_png(out.c_str());
  ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(png), 320);
  EXPECT_EQ(cairo_image_surface_get_height(png), 200);
  cairo_surface_destroy(png);
  EXPECT_TRUE(Others(out).empty()) << "a temporary file was left behind";
  EXPECT_EQ(fs::status(out).permissions() & fs::perms::others_read, fs::perms::others_read)
      << "the picture is readable like any new file";
}

// Each place the picture cannot go is reported with the system's reason, before anything is
// drawn: the largest picture is refused at once, even where it could not even be drawn.
TEST_F(SnapshotCommandTest, AnUnwritableOutputIsReportedBeforeRendering) {
  fs::create_directory(dir_ / "folder");
  const struct {
    std::string out;
    const char* reason;
  } cases[] = {
      {(dir_ / "missing" / "chart.png").string(), "No such file or directory"},
      {(dir_ / "folder").string(), "Is a directory"},
      {"/dev/null", "not a regular file"},
      {(dir_ / "plain" / "chart.png").string(), "Not a directory"},
  };
  std::ofstream(dir_ / "plain").put('x');
  TLimits limits;
  // 16384 x 16384 needs 1 GiB for its pixels alone; rendering it would fail differently.
  if (!Sanitized()) limits.AddressSpace = rlim_t(768) << 20;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.out);
    const TRun run = Run({c.out, "16384", "16384"}, limits);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, "chart_snapshot: Cannot write " + c.out + ": " + c.reason + "\n");
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
}

// A write that fails half-way (here: the file size limit) leaves the earlier picture whole and
// no partial file beside it.
TEST_F(SnapshotCommandTest, AFailedWriteKeepsTheOldPicture) {
  const fs::path out = dir_ / "chart.png";
  ASSERT_EQ(Run({out.string(), "64", "48"}).Status, 0);
  std::ifstream first(out, std::ios::binary);
  const std::string before((std::istreambuf_iterator<char>(first)), {});
  ASSERT_LT(before.size(), 4096u);

  TLimits limits;
  limits.FileSize = 4096;
  const TRun run = Run({out.string(), "913", "705"}, limits);
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Errors, "chart_snapshot: Cannot write " + out.string() + ": File too large\n");
  std::ifstream second(out, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(second)), {}), before);
  EXPECT_TRUE(Others(out).empty()) << "a temporary file was left behind";
}

// The extension chooses the format; the vector files have the asked size in pixels.
TEST_F(SnapshotCommandTest, WritesSvgAndPdfByTheExtension) {
  const struct {
    const char* name;
    const char* start;
    const char* size;
  } cases[] = {
      {"chart.svg", "<?xml", "width=\"320px\" height=\"200px\""},
      {"chart.PDF", "%PDF-", "/MediaBox [ 0 0 320 200 ]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path out = dir_ / c.name;
    const TRun run = Run({out.string(), "320", "200"});
    ASSERT_EQ(run.Status, 0) << run.Errors;
    std::ifstream in(out, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text.rfind(c.start, 0), 0u);
    EXPECT_NE(text.find(c.size), std::string::npos);
    EXPECT_TRUE(Others(out).empty()) << "a temporary file was left behind";
    fs::remove(out);
  }
  const fs::path unknown = dir_ / "chart.bmp";
  const TRun run = Run({unknown.string(), "320", "200"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Errors, "chart_snapshot: Cannot write " + unknown.string() +
                            ": unknown picture format (the name must end in .png, .svg or .pdf)\n");
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(SnapshotCommandTest, BadArgumentsShowTheUsage) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {}, {"a.png", "10"}, {"a.png", "0", "10"}, {"a.png", "16385", "10"}, {"a.png", "10", "x"}}) {
    const TRun run = Run(args);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Errors.rfind("usage: chart_snapshot", 0), 0u) << run.Errors;
  }
}

}  // namespace
}  // namespace quil::testing
