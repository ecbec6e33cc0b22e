#include "shape_fixture.h"

#include "canvas/view3d_options.h"
#include "panel/strings_shape.h"

namespace quil {
namespace {

// A text box whose text measures as given, to follow the worked example exactly.
class TFixedSizeText : public TTextShape {
 public:
  TFixedSizeText(TCustomQuilPanel* parent, TMultiLineSize size) : TTextShape(parent), size_(size) {}

 protected:
  TMultiLineSize CalcTextSize(TCustomQuilPanel&) override { return size_; }

 private:
  TMultiLineSize size_;
};

using ShapeMeasure = ShapeTest;

// "ROvede" 40 wide in a font whose "W" is 15 high, no frame: margins 2 and 1, box 48 x 17.
TEST_F(ShapeMeasure, WorkedExampleGivesFortyEightBySeventeen) {
  TFixedSizeText box(panel.get(), {40, 15, 1});
  box.SetText("ROvede");
  box.Frame().Hide();
  box.ShapeBounds = {10, 20, 10, 20};
  box.CalcBounds(*panel);
  EXPECT_EQ(box.Margins().ILast(), (TRect{2, 1, 2, 1}));
  EXPECT_EQ(box.ShapeBounds, (TRect{10, 20, 58, 37}));
  EXPECT_EQ(box.NumLines(), 1);
}

// With the real 8-point font ("ROvede" 39 x 13) and the default one-pixel frame.
TEST_F(ShapeMeasure, FramedBoxAddsPenWidthPlusOneAndMargins) {
  TTextShape box(panel.get());
  box.SetText("ROvede");
  box.ShapeBounds = {40, 30, 40, 30};
  box.CalcBounds(*panel);
  // Padded 41 x 15; margins round(1.3) and round(0.65) of the 13-pixel text: 1 each.
  EXPECT_EQ(box.ShapeBounds, (TRect{40, 30, 40 + 41 + 2 * 2, 30 + 15 + 2}));
  box.Frame().SetWidth(3);
  box.CalcBounds(*panel);
  EXPECT_EQ(box.ShapeBounds, (TRect{40, 30, 40 + 43 + 2 * 2, 30 + 17 + 2}));
}

TEST_F(ShapeMeasure, TwoLinesAreTwiceTheHeightOfWPlusMargins) {
  TTextShape box(panel.get());
  box.Frame().Hide();
  box.SetText("A\r\nBB");
  box.ShapeBounds = {0, 0, 0, 0};
  box.CalcBounds(*panel);
  EXPECT_EQ(box.NumLines(), 2);
  const int wide = panel->Canvas().TextWidth("BB");
  // 26 pixels of text: margins round(2.6) = 3 across and round(1.3) = 1 down.
  EXPECT_EQ(box.Margins().ILast(), (TRect{3, 1, 3, 1}));
  EXPECT_EQ(box.ShapeBounds, (TRect{0, 0, wide + 2 * 6, 26 + 2}));
}

TEST_F(ShapeMeasure, MarginUnitsInPixelsAndInPercentOfTheSize) {
  TTextShape box(panel.get());
  box.Frame().Hide();
  box.SetText("ROvede");
  box.Margins().SetUnits(maPixels);
  box.Margins().SetLeft(4);
  box.Margins().SetTop(3);
  box.Margins().SetRight(6);
  box.Margins().SetBottom(2);
  box.CalcBounds(*panel);
  EXPECT_EQ(box.ShapeBounds.Width(), 39 + 2 * 10);
  EXPECT_EQ(box.ShapeBounds.Height(), 13 + 5);

  box.Margins().SetUnits(maPercentSize);
  box.Margins().SetLeft(10);
  box.Margins().SetRight(10);
  box.Margins().SetTop(50);
  box.Margins().SetBottom(50);
  box.CalcBounds(*panel);
  // 10 % of 39 is 3.9 -> 4; 50 % of 13 is 6.5 -> 6 (halves go to even).
  EXPECT_EQ(box.Margins().ILast(), (TRect{4, 6, 4, 6}));
  EXPECT_EQ(box.ShapeBounds.Width(), 39 + 2 * 8);
  EXPECT_EQ(box.ShapeBounds.Height(), 13 + 12);
}

TEST_F(ShapeMeasure, TransparentBoxHasNoMarginsAndNoFramePadding) {
  TTextShape box(panel.get());
  box.SetTransparent(true);
  box.SetText("ROvede");
  box.CalcBounds(*panel);
  EXPECT_EQ(box.Margins().HorizSize(), 0);
  EXPECT_EQ(box.ShapeBounds.Width(), 39);
  EXPECT_EQ(box.ShapeBounds.Height(), 13);
}

TEST_F(ShapeMeasure, EmptyTextAndFixedSize) {
  TTextShape box(panel.get());
  box.ShapeBounds = {5, 6, 50, 60};
  box.CalcBounds(*panel);
  EXPECT_EQ(box.ShapeBounds, (TRect{5, 6, 5, 6}));
  EXPECT_EQ(box.NumLines(), 0);

  box.SetAutoSize(false);
  box.SetText("one\r\ntwo\r\nthree");
  box.ShapeBounds = {5, 6, 50, 60};
  box.CalcBounds(*panel);
  EXPECT_EQ(box.ShapeBounds, (TRect{5, 6, 50, 60}));
  EXPECT_EQ(box.NumLines(), 3);
}

TEST_F(ShapeMeasure, ChildrenStackDownwardsOrSideBySide) {
  TTextShape box(panel.get());
  box.Frame().Hide();
  TQuilCustomShape& first = box.Children().Add();
  TQuilCustomShape& second = box.Children().Add();
  ASSERT_NE(dynamic_cast<TTextShape*>(&first), nullptr) << "a text box's children are text boxes";
  static_cast<TTextShape&>(first).SetText("W");
  static_cast<TTextShape&>(second).SetText("ROvede");
  box.CalcBounds(*panel);
  EXPECT_EQ(box.ShapeBounds.Width(), std::max(first.Width(), second.Width()));
  EXPECT_EQ(box.ShapeBounds.Height(), first.Height() + second.Height());

  box.SetChildLayout(slLeftRight);
  box.SetText("Go");
  box.CalcBounds(*panel);
  const int go = panel->Canvas().TextWidth("Go");
  const TRect m = box.Margins().ILast();
  EXPECT_EQ(box.ShapeBounds.Width(), first.Width() + second.Width() + m.Left + m.Right + go + 2 * (m.Left + m.Right));
  EXPECT_EQ(box.ShapeBounds.Height(), std::max(first.Height(), second.Height()));
  second.Hide();
  box.CalcBounds(*panel);
  EXPECT_EQ(box.ShapeBounds.Height(), first.Height()) << "hidden children take no room";
}

// Boxes measure with the 3D form of their font (it follows the view's zoom) unless IDraw2D.
TEST_F(ShapeMeasure, ThreeDimensionalFontFollowsTheZoomUnlessDrawnFlat) {
  panel->SetView3D(true);
  panel->View3DOptions().SetZoom(200);
  int flat = 0, zoomed = 0;
  TTextShape box(panel.get());
  box.SetText("ROvede");
  Paint([&] {
    box.CalcBounds(*panel);
    zoomed = box.ShapeBounds.Width();
    box.IDraw2D = true;
    box.CalcBounds(*panel);
    flat = box.ShapeBounds.Width();
  });
  EXPECT_EQ(flat, 45);
  EXPECT_GT(zoomed, 2 * flat - 10);
}

TEST_F(ShapeMeasure, DefaultFontFlagMeasuresWithThePanelsFont) {
  TTextShape box(panel.get());
  box.SetText("ROvede");
  panel->GetDefaultFont().SetSize(16);
  box.CalcBounds(*panel);
  const int own = box.ShapeBounds.Width();
  box.Font().SetDefaultFont(true);
  box.CalcBounds(*panel);
  EXPECT_GT(box.ShapeBounds.Width(), own + 30);
}

}  // namespace
}  // namespace quil
