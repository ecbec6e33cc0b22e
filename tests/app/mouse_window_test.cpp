// The program's chart under the real mouse: zoom band, undo, pan, wheel, driven through XTest.
// The configured series has no points, so every axis reads 0 wherever the mouse is: a zoom
// fixes the axes at 0 .. 0 and the picture, labels included, stays as it was. What a person
// sees change is the zoom band while dragging.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "app/program_window.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

constexpr uint32_t kSilver = 0xC0C0C0;

// A rectangle inside the chart's plotting area, in window pixels.
constexpr int kBandLeft = 500, kBandTop = 400, kBandRight = 700, kBandBottom = 600;

class MouseWindowTest : public ProgramWindowTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ProgramWindowTest::SetUp());
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow());
    first_ = Chart();
  }

  bool ShowsFirstPicture() const {
    return WaitUntil([&] { return Chart() == first_; }, 3s);
  }
  // The top edge of the band from (kBandLeft, kBandTop) to (x, y), half way along.
  bool ShowsBandTo(int x) const {
    return WaitUntil([&] { return Pixel((kBandLeft + x) / 2, kBandTop) == kSilver; }, 3s);
  }

  void ExpectStillRunning() {
    EXPECT_FALSE(program_.WaitForExit(100ms)) << "the program ended";
    EXPECT_EQ(x_.FindWindow("Form1"), window_);
  }

  TPixels first_;
};

TEST_F(MouseWindowTest, ALeftDragShowsTheBandInSilverAndTheReleaseGivesBackThePicture) {
  ASSERT_EQ(Pixel((kBandLeft + kBandRight) / 2, kBandTop), kBtnFace) << "the plotting area's back colour";
  x_.MoveMouse(window_, kBandLeft, kBandTop);
  x_.PressButton(1, true);
  DragTo(600, 500);
  DragTo(kBandRight, kBandBottom);
  EXPECT_TRUE(ShowsBandTo(kBandRight)) << "the band shows the zoom pen's own colour over a system back colour";
  EXPECT_EQ(Pixel(kBandLeft, (kBandTop + kBandBottom) / 2), kSilver);
  DragTo(650, 550);
  EXPECT_TRUE(WaitUntil([&] { return Pixel(680, kBandTop) == kBtnFace && Pixel(575, kBandTop) == kSilver; }, 3s))
      << "the old band went with the move";
  x_.PressButton(1, false);
  EXPECT_TRUE(ShowsFirstPicture()) << "zoomed to 0 .. 0, the empty chart looks as before";
  ExpectStillRunning();
}

TEST_F(MouseWindowTest, DraggingBackRightDraggingAndWheelNotchesLeaveTheEmptyChartAsItWas) {
  x_.MoveMouse(window_, kBandLeft, kBandTop);
  x_.PressButton(1, true);
  DragTo(kBandRight, kBandBottom);
  x_.PressButton(1, false);
  x_.PressButton(1, true);
  DragTo(600, 500);
  DragTo(kBandLeft, kBandTop);
  EXPECT_TRUE(ShowsBandTo(kBandRight)) << "dragging back shows the band too";
  x_.PressButton(1, false);
  EXPECT_TRUE(ShowsFirstPicture()) << "after the undo";

  x_.MoveMouse(window_, 600, 500);
  x_.PressButton(3, true);
  DragTo(640, 530);
  DragTo(560, 470);
  x_.PressButton(3, false);
  for (unsigned wheel : {4u, 4u, 5u, 5u, 5u}) {
    x_.PressButton(wheel, true);
    x_.PressButton(wheel, false);
  }
  EXPECT_TRUE(ShowsFirstPicture()) << "after a pan and wheel notches";
  ExpectStillRunning();
}

TEST_F(MouseWindowTest, ADragOutOfTheWindowAndBackEndsCleanly) {
  x_.MoveMouse(window_, kBandLeft, kBandTop);
  x_.PressButton(1, true);
  DragTo(kBandRight, kBandBottom);
  ASSERT_TRUE(ShowsBandTo(kBandRight));
  int width = 0, height = 0;
  x_.Size(window_, width, height);
  DragTo(width + 200, height + 150);
  DragTo(-40, -30);
  DragTo(600, 500);
  EXPECT_TRUE(ShowsBandTo(600)) << "the drag goes on when the mouse comes back";
  x_.PressButton(1, false);
  EXPECT_TRUE(ShowsFirstPicture());

  x_.MoveMouse(window_, 600, 500);
  x_.PressButton(3, true);
  DragTo(width + 300, 500);
  x_.PressButton(3, false);
  EXPECT_TRUE(ShowsFirstPicture()) << "a pan released outside the window";
  ExpectStillRunning();

  ExpectCloseEndsTheProgram(window_);
}

}  // namespace
}  // namespace quil::testing
