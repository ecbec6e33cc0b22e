#include "panel/headless_host.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "canvas/device_context.h"

namespace quil {
namespace {

// Paints its left half red and its right half blue; can be told to fail mid-paint.
class TSplitControl : public TWinControl {
 public:
  int paints = 0;
  bool failNext = false;

  void Paint(TDeviceContext& dc) override {
    ++paints;
    cairo_t* cr = static_cast<TCairoDeviceContext&>(dc).Context();
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_rectangle(cr, 0, 0, Width() / 2, Height());
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_rectangle(cr, Width() / 2, 0, Width() - Width() / 2, Height());
    cairo_fill(cr);
    if (failNext) throw std::runtime_error("paint failed");
  }
};

class HeadlessHostTest : public ::testing::Test {
 protected:
  TSplitControl control;
  THeadlessHost host{control};
};

TEST_F(HeadlessHostTest, RendersTheControlAtItsClientSize) {
  control.SetBounds(30, 40, 10, 6);
  const TBitmap& image = host.Render();
  ASSERT_EQ(image.Width(), 10);
  ASSERT_EQ(image.Height(), 6);
  EXPECT_EQ(image.Pixel(0, 0), clRed);
  EXPECT_EQ(image.Pixel(4, 5), clRed);
  EXPECT_EQ(image.Pixel(5, 0), clBlue);
  EXPECT_EQ(image.Pixel(9, 5), clBlue);
  EXPECT_EQ(image.Alpha(9, 5), 255);
  EXPECT_EQ(host.PaintCount(), 1);
}

TEST_F(HeadlessHostTest, RenderWithASizeResizesTheControlInPlace) {
  control.SetBounds(30, 40, 10, 6);
  const TBitmap& image = host.Render(20, 3);
  EXPECT_EQ(control.BoundsRect(), (TRect{30, 40, 50, 43}));
  EXPECT_EQ(image.Width(), 20);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(image.Pixel(10, 2), clBlue);
  EXPECT_FALSE(host.PaintPending());
}

TEST_F(HeadlessHostTest, InvalidationIsRecordedAndPaintedOnlyOnUpdate) {
  control.SetBounds(0, 0, 4, 4);
  host.Render();
  const int invalidations = host.InvalidateCount();
  control.Invalidate();
  control.Invalidate();
  EXPECT_EQ(host.InvalidateCount(), invalidations + 2);
  EXPECT_TRUE(host.PaintPending());
  EXPECT_EQ(control.paints, 1);

  control.Update();
  EXPECT_EQ(control.paints, 2);
  EXPECT_FALSE(host.PaintPending());
  control.Update();
  EXPECT_EQ(control.paints, 2) << "nothing pending, nothing painted";

  control.Repaint();
  EXPECT_EQ(control.paints, 3);
}

TEST_F(HeadlessHostTest, RecordsCursorCaptureFocusRegionAndBounds) {
  control.SetCursor(crQuilHand);
  EXPECT_EQ(host.Cursor(), crQuilHand);

  control.MouseCapture(true);
  EXPECT_EQ(host.CaptureControl(), &control);
  control.MouseCapture(false);
  EXPECT_EQ(host.CaptureControl(), nullptr);

  EXPECT_FALSE(control.Focused());
  control.SetFocus();
  EXPECT_TRUE(control.Focused());

  host.SetRoundRegion(control, 12);
  EXPECT_EQ(host.RoundRegion(), 12);

  host.SetMousePos({7, 9});
  EXPECT_EQ(control.ScreenCursorPos(), (TPoint{7, 9}));

  const auto before = host.BoundsChanges().size();
  control.SetBounds(1, 2, 3, 4);
  ASSERT_EQ(host.BoundsChanges().size(), before + 1);
  EXPECT_EQ(host.BoundsChanges().back(), &control);
}

TEST_F(HeadlessHostTest, APaintThatThrowsPropagatesAndLeavesTheHostUsable) {
  control.SetBounds(0, 0, 4, 4);
  control.failNext = true;
  EXPECT_THROW(host.Render(), std::runtime_error);
  control.failNext = false;
  EXPECT_EQ(host.Render().Pixel(3, 3), clBlue);
}

TEST(HeadlessHost, DetachesFromTheControlWhenDestroyed) {
  TSplitControl control;
  {
    THeadlessHost host(control);
    EXPECT_EQ(control.Host(), &host);
  }
  EXPECT_EQ(control.Host(), nullptr);
  control.Invalidate();  // no host left to call
}

TEST(HeadlessHost, ForgetsControlsThatAreDestroyed) {
  auto control = std::make_unique<TSplitControl>();
  THeadlessHost host(*control);
  control->SetBounds(0, 0, 4, 4);
  {
    TWinControl child;
    child.SetParent(control.get());
    child.SetFocus();
    child.MouseCapture(true);
    EXPECT_EQ(host.FocusedControl(), &child);
    EXPECT_EQ(host.CaptureControl(), &child);
  }
  EXPECT_EQ(host.FocusedControl(), nullptr);
  EXPECT_EQ(host.CaptureControl(), nullptr);

  control->Invalidate();
  control.reset();
  EXPECT_EQ(host.Control(), nullptr);
  EXPECT_FALSE(host.PaintPending());
  EXPECT_TRUE(host.Render().Empty());
}

}  // namespace
}  // namespace quil
