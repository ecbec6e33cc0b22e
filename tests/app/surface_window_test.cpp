// The program's chart with a filled surface under the real mouse, driven through XTest: the
// left drag zooms and the drag back restores the first picture exactly, the right drag pans,
// the wheel scrolls. The window is the main window stored with data by surface_form_writer and
// opened with "quilchart --form FILE".
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "app/program_window.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

// A zoom rectangle inside the plotting area, and the strips beside the plotting area where
// the left and bottom axes write their labels.
constexpr int kBandLeft = 520, kBandTop = 380, kBandRight = 760, kBandBottom = 560;
// (The palette bar in the chart's upper left corner is left out.)
constexpr int kLeftLabelsX = kChartLeft + 18, kLeftLabelsWidth = 34;
constexpr int kLeftLabelsY = kChartTop + 215, kLeftLabelsHeight = 450;
constexpr int kBottomLabelsX = kChartLeft + 40, kBottomLabelsWidth = 720;
constexpr int kBottomLabelsY = kChartTop + 660, kBottomLabelsHeight = 22;

const std::string& FormFile() {
  static const std::string path = QUIL_TEST_OUTPUT_DIR "/surface_window.dfm";
  return path;
}

class SurfaceWindowTest : public ProgramWindowTest {
 protected:
  static void SetUpTestSuite() {
    const std::string command = std::string(QUIL_FORM_WRITER_PATH) + " " + FormFile() + " 30";
    formWritten_ = std::system(command.c_str()) == 0;
    ProgramWindowTest::SetUpTestSuite();
  }

  void SetUp() override {
    ASSERT_TRUE(formWritten_) << "surface_form_writer failed";
    ASSERT_NO_FATAL_FAILURE(ProgramWindowTest::SetUp());
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow({.Arguments = {"--form", FormFile()}}));
    first_ = Settled();
  }

  TPixels LeftLabels() const {
    return x_.Capture(window_, kLeftLabelsX, kLeftLabelsY, kLeftLabelsWidth, kLeftLabelsHeight);
  }
  TPixels BottomLabels() const {
    return x_.Capture(window_, kBottomLabelsX, kBottomLabelsY, kBottomLabelsWidth, kBottomLabelsHeight);
  }

  // The chart once two captures a moment apart agree: every paint the mouse asked for is done.
  TPixels Settled() const {
    TPixels last = Chart();
    WaitUntil(
        [&] {
          std::this_thread::sleep_for(150ms);
          TPixels now = Chart();
          const bool same = now == last;
          last = std::move(now);
          return same;
        },
        5s);
    return last;
  }
  // The chart once it shows something else than before and has settled; a loaded machine may
  // take a while to start the paint the mouse asked for.
  TPixels SettledAfterChangeFrom(const TPixels& before) const {
    WaitUntil([&] { return Chart() != before; }, 5s);
    return Settled();
  }
  bool ShowsFirstPicture() const {
    return WaitUntil([&] { return Chart() == first_; }, 3s);
  }

  void Drag(unsigned button, int fromX, int fromY, int toX, int toY) {
    x_.MoveMouse(window_, fromX, fromY);
    x_.PressButton(button, true);
    DragTo((fromX + toX) / 2, (fromY + toY) / 2);
    DragTo(toX, toY);
    x_.PressButton(button, false);
  }
  // Dragging towards the upper left gives every axis its own range back.
  void UndoByDraggingBack() { Drag(1, kBandRight, kBandBottom, kBandLeft, kBandTop); }

  // The picture changed, and so did the texts of both axes.
  void ExpectAxesMoved(const char* what) {
    const TPixels now = SettledAfterChangeFrom(first_);
    EXPECT_NE(now, first_) << what << ": the picture";
    EXPECT_NE(LeftLabels(), firstLeftLabels_) << what << ": the left axis' labels";
    EXPECT_NE(BottomLabels(), firstBottomLabels_) << what << ": the bottom axis' labels";
  }

  void RememberLabels() {
    firstLeftLabels_ = LeftLabels();
    firstBottomLabels_ = BottomLabels();
  }

  static inline bool formWritten_ = false;
  TPixels first_, firstLeftLabels_, firstBottomLabels_;
};

TEST_F(SurfaceWindowTest, ALeftDragZoomsAndTheDragBackRestoresTheFirstPicture) {
  RememberLabels();
  Drag(1, kBandLeft, kBandTop, kBandRight, kBandBottom);
  ExpectAxesMoved("zoomed");
  UndoByDraggingBack();
  EXPECT_TRUE(ShowsFirstPicture()) << "pixel for pixel after the undo";
}

TEST_F(SurfaceWindowTest, ARightDragPansAndTheUndoBringsTheFirstPictureBack) {
  RememberLabels();
  Drag(3, 640, 470, 700, 520);
  ExpectAxesMoved("panned");
  const TPixels panned = Settled();
  Drag(3, 640, 470, 600, 440);
  EXPECT_NE(SettledAfterChangeFrom(panned), panned) << "a second pan moves on";
  UndoByDraggingBack();
  EXPECT_TRUE(ShowsFirstPicture());
}

TEST_F(SurfaceWindowTest, WheelNotchesScrollTheVerticalAxes) {
  RememberLabels();
  x_.MoveMouse(window_, 640, 470);
  TPixels before = first_;
  for (unsigned wheel : {4u, 4u, 5u}) {
    x_.PressButton(wheel, true);
    x_.PressButton(wheel, false);
    const TPixels now = SettledAfterChangeFrom(before);
    EXPECT_NE(now, before) << "notch " << wheel;
    before = now;
  }
  EXPECT_NE(LeftLabels(), firstLeftLabels_) << "the left axis scrolled";
  UndoByDraggingBack();
  EXPECT_TRUE(ShowsFirstPicture());

  ExpectCloseEndsTheProgram(window_);
}

}  // namespace
}  // namespace quil::testing
