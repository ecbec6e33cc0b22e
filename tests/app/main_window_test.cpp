// The program as a user meets it: started as its own process on the test's X display, looked
// at through the window's pixels, driven with the real keyboard and mouse, closed by request.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cairo.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "app/program_window.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

bool IsDark(uint32_t rgb) { return ((rgb >> 16) & 0xFF) < 0xE0 && ((rgb >> 8) & 0xFF) < 0xE0 && (rgb & 0xFF) < 0xE0; }

class MainWindowTest : public ProgramWindowTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ProgramWindowTest::SetUp());
    errors_ = std::filesystem::temp_directory_path() / ("quil-main-window-" + std::to_string(getpid()) + ".stderr");
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow({.ErrorFile = errors_}));
  }

  void TearDown() override {
    ProgramWindowTest::TearDown();
    std::filesystem::remove(errors_);
  }

  void UseThenClose(bool destroy);

  // What the program wrote on stderr so far.
  std::string Errors() const {
    std::ifstream in(errors_);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  TPixels Button() const { return x_.Capture(window_, kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight); }

  // Waits until the button's picture differs from (or, with same, equals) a given one.
  bool WaitForButton(const TPixels& reference, bool same) {
    return WaitUntil([&] { return (Button() == reference) == same; }, 3s);
  }

  std::filesystem::path errors_;
};

TEST_F(MainWindowTest, ShowsTheChartAndTheButtonInPlace) {
  int width = 0, height = 0;
  x_.Size(window_, width, height);
  EXPECT_EQ(width, 1345);
  EXPECT_EQ(height, 966);
  EXPECT_EQ(x_.Pixel(window_, 10, 10), kBtnFace) << "window colour";
  EXPECT_EQ(x_.Pixel(window_, kChartLeft - 1, kChartTop - 1), kBtnFace);

  const TPixels chart = Chart();
  for (int x = kChartLeft; x < kChartLeft + kChartWidth - 1; x += 37) EXPECT_EQ(chart.At(x, kChartTop), kHighlight) << x;
  for (int y = kChartTop; y < kChartTop + kChartHeight - 1; y += 37) EXPECT_EQ(chart.At(kChartLeft, y), kHighlight) << y;
  const int right = kChartLeft + kChartWidth - 1, bottom = kChartTop + kChartHeight - 1;
  for (int x = kChartLeft; x <= right; x += 37) EXPECT_EQ(chart.At(x, bottom), kShadow) << x;
  for (int y = kChartTop; y <= bottom; y += 37) EXPECT_EQ(chart.At(right, y), kShadow) << y;
  // Beside the 3D box the panel shows through; the box's left wall is light yellow, its
  // bottom wall white, and the title is written in blue above it.
  EXPECT_EQ(chart.At(kChartLeft + 10, kChartTop + 350), kBtnFace);
  EXPECT_EQ(chart.At(kChartLeft + 50, kChartTop + 400), 0xFFFF80u) << "left wall";
  EXPECT_EQ(chart.At(kChartLeft + 650, kChartTop + 635), 0xFFFFFFu) << "bottom wall";
  int bluePixels = 0;
  for (int y = kChartTop + 29; y < kChartTop + 45; ++y)
    for (int x = kChartLeft + 400; x < kChartLeft + 513; ++x) {
      const uint32_t p = chart.At(x, y);
      if ((p & 0xFF) > 0x80 && ((p >> 16) & 0xFF) < 0x60) ++bluePixels;
    }
  EXPECT_GT(bluePixels, 20) << "title";
  // Without points each axis shows the single label "0" at its centre: dark text left of the
  // left axis and below the bottom axis, with nothing else around it.
  const auto darkPixels = [&](int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = kChartTop + top; y < kChartTop + bottom; ++y)
      for (int x = kChartLeft + left; x < kChartLeft + right; ++x) count += IsDark(chart.At(x, y));
    return count;
  };
  EXPECT_GT(darkPixels(26, 368, 39, 386), 8) << "left axis label";
  EXPECT_EQ(darkPixels(26, 300, 39, 366), 0) << "above the left axis label";
  EXPECT_GT(darkPixels(430, 663, 446, 679), 8) << "bottom axis label";
  EXPECT_EQ(darkPixels(300, 663, 420, 679), 0) << "beside the bottom axis label";

  // The button's frame runs exactly along its 137 x 25 bounds; around it is the window.
  const TPixels button = Button();
  const int midX = kButtonLeft + kButtonWidth / 2, midY = kButtonTop + kButtonHeight / 2;
  EXPECT_TRUE(IsDark(button.At(kButtonLeft, midY)));
  EXPECT_TRUE(IsDark(button.At(kButtonLeft + kButtonWidth - 1, midY)));
  EXPECT_TRUE(IsDark(button.At(midX, kButtonTop)));
  EXPECT_TRUE(IsDark(button.At(midX, kButtonTop + kButtonHeight - 1)));
  EXPECT_EQ(x_.Pixel(window_, kButtonLeft - 4, midY), kBtnFace);
  EXPECT_EQ(x_.Pixel(window_, kButtonLeft + kButtonWidth + 3, midY), kBtnFace);
  EXPECT_EQ(x_.Pixel(window_, midX, kButtonTop - 4), kBtnFace);
  int caption = 0;
  for (uint32_t rgb : button.rgb) caption += (rgb & 0xFF) < 0x80;
  EXPECT_GT(caption, 20) << "the caption's dark text";
}

// Without points the chart has no legend, and its palette legend is a white 100 x 200 panel
// at 10, 10 from the chart's corner: a vertical axis line with a "0" label on each side and
// nothing between them.
TEST_F(MainWindowTest, PaletteLegendIsAnEmptyWhitePanelInTheChartsCorner) {
  const TPixels chart = Chart();
  const auto at = [&](int x, int y) { return chart.At(kChartLeft + x, kChartTop + y); };
  for (const auto& [x, y] : {std::pair{10, 10}, {109, 10}, {10, 209}, {109, 209}, {60, 15}, {60, 205}})
    EXPECT_EQ(at(x, y), kHighlight) << x << "," << y;
  for (const auto& [x, y] : {std::pair{9, 100}, {110, 30}, {60, 210}}) EXPECT_NE(at(x, y), kHighlight) << x << "," << y;
  const auto darkInColumn = [&](int x) {
    int count = 0;
    for (int y = 20; y < 200; ++y) count += IsDark(at(x, y));
    return count;
  };
  const auto axisLine = [&](int from, int to) {
    for (int x = from; x < to; ++x)
      if (darkInColumn(x) > 120) return x;
    return -1;
  };
  const int left = axisLine(12, 55), right = axisLine(65, 108);
  ASSERT_GT(left, 0) << "the left axis";
  ASSERT_GT(right, 0) << "the right axis";
  const auto dark = [&](int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) count += IsDark(at(x, y));
    return count;
  };
  EXPECT_GT(dark(12, 100, left - 2, 125), 3) << "the left axis label";
  EXPECT_GT(dark(right + 3, 100, 108, 125), 3) << "the right axis label";
  for (int y = 30; y < 190; y += 4)
    for (int x = left + 2; x < right - 1; x += 4) ASSERT_EQ(at(x, y), kHighlight) << "no band at " << x << "," << y;
}

// The window copies the chart's picture 1:1, so the headless renderer shows exactly what the
// screen shows.
TEST_F(MainWindowTest, TheChartOnScreenIsTheHeadlessPicture) {
  const std::string png = std::string(QUIL_TEST_OUTPUT_DIR) + "/main_window_chart.png";
  const std::string command = std::string(QUIL_SNAPSHOT_PATH) + " '" + png + "' " + std::to_string(kChartWidth) + " " +
                              std::to_string(kChartHeight);
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
  ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
  ASSERT_EQ(cairo_image_surface_get_width(image), kChartWidth);
  ASSERT_EQ(cairo_image_surface_get_height(image), kChartHeight);
  const TPixels screen = Chart();
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  int differing = 0;
  for (int y = 0; y < kChartHeight; ++y)
    for (int x = 0; x < kChartWidth; ++x) {
      uint32_t argb;
      std::memcpy(&argb, data + y * stride + 4 * x, 4);
      differing += (argb & 0xFFFFFF) != screen.At(kChartLeft + x, kChartTop + y);
    }
  cairo_surface_destroy(image);
  EXPECT_EQ(differing, 0);
}

TEST_F(MainWindowTest, TabMovesTheFocusToTheButtonAndBack) {
  x_.Focus(window_);
  const TPixels unfocused = Button();
  const TPixels chart = Chart();

  x_.Key("Tab");
  ASSERT_TRUE(WaitForButton(unfocused, false)) << "the button shows no focus after Tab";
  x_.Key("Tab");
  EXPECT_TRUE(WaitForButton(unfocused, true)) << "the button keeps the focus after a second Tab";
  x_.Key("Tab", true);
  EXPECT_TRUE(WaitForButton(unfocused, false)) << "Shift+Tab does not go back to the button";
  EXPECT_EQ(Chart(), chart);
}

TEST_F(MainWindowTest, ClickingTheButtonOrPressingSpaceChangesNothing) {
  const TPixels chart = Chart();
  x_.Click(window_, kButtonLeft + 20, kButtonTop + 10);
  x_.Focus(window_);
  x_.Key("space");
  x_.MoveMouse(window_, 20, 20);
  EXPECT_FALSE(program_.WaitForExit(300ms)) << "the program ended";
  EXPECT_EQ(x_.FindWindow("Form1"), window_);
  EXPECT_EQ(Chart(), chart);
}

TEST_F(MainWindowTest, ResizingTheWindowMovesNothing) {
  const TPixels chart = Chart();
  x_.Resize(window_, 700, 500);
  ASSERT_TRUE(WaitUntil(
      [&] {
        int w = 0, h = 0;
        x_.Size(window_, w, h);
        return w == 700 && h == 500;
      },
      3s));
  EXPECT_TRUE(WaitUntil([&] { return x_.Pixel(window_, kChartLeft, kChartTop) == kHighlight; }, 3s));
  EXPECT_EQ(x_.Pixel(window_, kChartLeft + 1, kChartTop + 1), kBtnFace);

  x_.Resize(window_, 1500, 1100);
  EXPECT_TRUE(WaitUntil([&] { return Chart() == chart; }, 3s)) << "the chart moved or changed";
  EXPECT_EQ(x_.Pixel(window_, 1400, 1000), kBtnFace);
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgramWithStatusZero) {
  x_.RequestClose(window_);
  const std::optional<int> status = program_.WaitForExit(5s);
  ASSERT_TRUE(status.has_value()) << "still running 5 s after the close request";
  EXPECT_EQ(*status, 0);
  EXPECT_EQ(Errors(), "") << "closing must be silent";
}

// After the mouse has been over the chart and the focus has moved, the window is closed the
// polite way (WM_DELETE_WINDOW) or destroyed outright by another client: either way the
// program ends normally and says nothing.
void MainWindowTest::UseThenClose(bool destroy) {
  x_.MoveMouse(window_, kChartLeft + 300, kChartTop + 300);
  x_.MoveMouse(window_, kChartLeft + 350, kChartTop + 320);
  x_.Focus(window_);
  x_.Key("Tab");
  x_.MoveMouse(window_, 20, 20);
  if (destroy)
    x_.DestroyWindow(window_);
  else
    x_.RequestClose(window_);
  const std::optional<int> status = program_.WaitForExit(5s);
  ASSERT_TRUE(status.has_value()) << "still running 5 s after the window went";
  EXPECT_EQ(*status, 0);
  EXPECT_EQ(Errors(), "") << "closing must be silent";
}

TEST_F(MainWindowTest, ClosingAfterUseIsSilent) { UseThenClose(false); }

TEST_F(MainWindowTest, AWindowDestroyedByAnotherClientEndsTheProgramSilently) { UseThenClose(true); }

}  // namespace
}  // namespace quil::testing
