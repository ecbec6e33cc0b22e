#include "shape_fixture.h"

#include "panel/shape_outline.h"

namespace quil {
namespace {

using ShapeDraw = ShapeTest;

constexpr TColor kFill = 0xC0FFC0;

// A 120 x 60 box at (60, 50) in a pale fill with a black frame and no shadow.
class PlacedBox : public ShapeTest {
 protected:
  void SetUp() override {
    ShapeTest::SetUp();
    box = std::make_unique<TTextShape>(panel.get());
    box->SetColor(kFill);
    box->Shadow().Hide();
    box->SetAutoSize(false);
  }
  const TBitmap& PaintBox() {
    return Paint([this] {
      box->ShapeBounds = {60, 50, 180, 110};
      box->CalcBounds(*panel);
      box->Draw();
    });
  }
  std::unique_ptr<TTextShape> box;
};

TEST_F(PlacedBox, TextFollowsTheAlignmentInsideTheMargins) {
  box->SetText("ROvede");
  struct Case {
    TAlignment align;
    int left;  // where the ink of the text starts
  };
  PaintBox();
  const TRect m = box->Margins().ILast();
  const int w = panel->Canvas().TextWidth("ROvede");
  const Case cases[] = {{taLeftJustify, 60 + m.Left}, {taCenter, 120 - w / 2}, {taRightJustify, 180 - m.Right - w}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.align));
    box->SetTextAlignment(c.align);
    PaintBox();
    const TRect ink = BoxOf(clBlack, {61, 51, 179, 109});
    EXPECT_GE(ink.Left, c.left);
    EXPECT_LE(ink.Left, c.left + 2);
    // The first line starts below the top margin and half the frame plus one.
    EXPECT_GE(ink.Top, 50 + m.Top + 1);
    EXPECT_LE(ink.Bottom, 50 + m.Top + 1 + 13);
  }
}

TEST_F(PlacedBox, LinesFollowEachOtherByTheHeightOfW) {
  box->SetText("Top\r\nMiddle\r\nEnd");
  PaintBox();
  int rowsWithInk = 0, firstRow = -1;
  for (int y = 51; y < 109; ++y) {
    if (Count(clBlack, {61, y, 179, y + 1}) == 0) continue;
    ++rowsWithInk;
    if (firstRow < 0) firstRow = y;
  }
  EXPECT_GE(rowsWithInk, 3 * 8);
  // "End" sits two line heights below "Top".
  EXPECT_GT(Count(clBlack, {61, firstRow + 26, 179, firstRow + 36}), 10);
}

TEST_F(PlacedBox, FrameFillAndShadow) {
  box->Shadow().Show();
  box->Shadow().SetTransparency(0);
  box->Shadow().SetSmooth(false);
  PaintBox();
  EXPECT_EQ(Pixel(60, 50), clBlack);
  EXPECT_EQ(Pixel(179, 109), clBlack);
  EXPECT_EQ(Pixel(180, 80), clBlack) << "shadow 3 to the right";
  EXPECT_EQ(Pixel(120, 112), clBlack) << "and 3 down";
  EXPECT_EQ(Pixel(57, 80), clWhite);
  EXPECT_EQ(Pixel(120, 80), kFill);
}

TEST_F(PlacedBox, RoundSizeMakesARoundedRectangle) {
  PaintBox();
  EXPECT_EQ(Pixel(60, 50), clBlack);
  box->SetRoundSize(20);
  EXPECT_EQ(box->ShapeStyle(), fosRoundRectangle);
  PaintBox();
  EXPECT_EQ(Pixel(60, 50), clWhite) << "the corner is cut";
  EXPECT_EQ(Pixel(120, 50), clBlack);
  box->SetShapeStyle(fosEllipse);
  PaintBox();
  EXPECT_EQ(Pixel(62, 52), clWhite);
  EXPECT_EQ(Pixel(120, 80), kFill);
}

TEST_F(PlacedBox, QuarterTurnedBoxIsTheRectangleTurnedAboutItsCentre) {
  box->SetAngle(90);
  box->SetText("Turned text");
  PaintBox();
  // 120 x 60 about (120, 80) becomes 60 x 120: x 90..150, y 20..140.
  EXPECT_EQ(Pixel(120, 25), kFill);
  EXPECT_EQ(Pixel(120, 135), kFill);
  EXPECT_EQ(Pixel(70, 80), clWhite);
  const TRect ink = BoxOf(clBlack, {92, 22, 148, 138});
  EXPECT_GT(ink.Height(), ink.Width()) << "the text runs upwards";
  EXPECT_TRUE(box->Clicked({120, 25}));
  EXPECT_FALSE(box->Clicked({70, 80}));
}

TEST_F(PlacedBox, TransparentBoxDrawsOnlyItsText) {
  box->SetTransparent(true);
  box->SetAutoSize(true);
  box->Shadow().Show();
  box->SetBevel(bvRaised);
  box->SetText("Only text");
  PaintBox();
  EXPECT_EQ(Count(kFill, {0, 0, 320, 240}), 0);
  EXPECT_EQ(Pixel(60, 50), clWhite);
  EXPECT_EQ(Count(clBlack, {0, 66, 320, 240}), 0) << "no frame, bevel or shadow below the text";
  EXPECT_GT(Count(clBlack, {60, 50, 180, 110}), 20);
  EXPECT_EQ(box->Margins().HorizSize(), 0);
  EXPECT_LE(BoxOf(clBlack).Left, 62) << "no margins";
}

TEST_F(PlacedBox, TranslucentBoxLetsTheBackgroundThrough) {
  box->SetColor(clBlue);
  box->SetTransparency(50);
  PaintBox();
  const TColor c = Pixel(120, 80);
  EXPECT_NEAR(GetRValue(c), 128, 2);
  EXPECT_NEAR(GetBValue(c), 255, 1);
}

TEST_F(PlacedBox, GradientFillsTheBox) {
  box->Gradient().SetStartColor(clRed);
  box->Gradient().SetEndColor(clYellow);
  box->Gradient().SetDirection(gdLeftRight);
  box->Gradient().SetVisible(true);
  PaintBox();
  EXPECT_NE(Pixel(65, 80), Pixel(175, 80));
  EXPECT_EQ(GetBValue(Pixel(65, 80)), 0);
  EXPECT_EQ(Pixel(60, 80), clBlack) << "the frame stays";
}

TEST_F(PlacedBox, RaisedBevelIsLightAtTheTopLeftInsideTheFrame) {
  box->SetColor(clGray);
  box->SetBevel(bvRaised);
  PaintBox();
  EXPECT_EQ(Pixel(61, 80), clWhite);
  EXPECT_EQ(Pixel(62, 80), clWhite);
  EXPECT_EQ(Pixel(178, 80), TColor(0xA0A0A0));
  EXPECT_EQ(Pixel(120, 108), TColor(0xA0A0A0));
  EXPECT_EQ(Pixel(120, 80), clGray);
}

TEST_F(PlacedBox, CalloutPointsOutOfTheChosenSide) {
  box->ShapeCallout().SetSide(csBottom);
  box->ShapeCallout().SetSize(20);
  PaintBox();
  EXPECT_EQ(Pixel(120, 120), kFill) << "inside the pointer";
  EXPECT_EQ(Pixel(100, 120), clWhite);
  EXPECT_EQ(Pixel(120, 132), clWhite) << "beyond its tip";
}

TEST_F(PlacedBox, PictureShowsInsideTheShape) {
  TBitmap image(2, 2);
  image.Fill(clRed);
  box->Picture().SetGraphic(image);
  box->SetShapeStyle(fosEllipse);
  PaintBox();
  EXPECT_EQ(Pixel(120, 80), clRed);
  EXPECT_EQ(Pixel(62, 52), clWhite) << "clipped to the ellipse";
}

TEST_F(ShapeDraw, ChildrenAreStackedUnderTheText) {
  TTextShape box(panel.get());
  box.Shadow().Hide();
  box.SetText("Parent");
  auto& child = static_cast<TTextShape&>(box.Children().Add());
  child.SetText("Child");
  child.SetColor(clYellow);
  child.Shadow().Hide();
  child.SetAlignment(taRightJustify);
  PaintShape(box, 40, 30);
  const TRect yellow = BoxOf(clYellow);
  EXPECT_EQ(yellow.Right, box.ShapeBounds.Right - 1) << "right-aligned child, inside its frame";
  EXPECT_GT(yellow.Top, 30 + 13) << "below the parent's text";
  EXPECT_LE(yellow.Bottom, box.ShapeBounds.Bottom);
}

TEST_F(ShapeDraw, EmptyOrDegenerateShapesDrawNothingVisible) {
  TTextShape box(panel.get());
  box.SetColor(clRed);
  box.SetAutoSize(false);
  Paint([&] {
    box.ShapeBounds = {50, 50, 50, 50};
    box.Draw();
    box.ShapeBounds = {80, 80, 60, 60};
    box.SetText("\r\n");
    box.Draw();
  });
  EXPECT_EQ(Count(clRed, {0, 0, 320, 240}), 0);
  TTextShape orphan;  // no panel: nothing to draw on
  orphan.Draw();
}

TEST(ShapeGeometry, RectToFourPointsTurnsAboutTheIntegerCentre) {
  const auto p = RectToFourPoints({0, 0, 11, 4}, 90);
  // Centre (5, 2): the left-top corner (-5, -2) goes to (-2, 5) after a quarter turn.
  EXPECT_EQ(p[0], (TPoint{5 - 2, 2 + 5}));
  EXPECT_EQ(p[1], (TPoint{5 - 2, 2 - 6}));
  EXPECT_EQ(p[2], (TPoint{5 + 2, 2 - 6}));
  EXPECT_EQ(p[3], (TPoint{5 + 2, 2 + 5}));
  const auto same = RectToFourPoints({0, 0, 11, 4}, 0);
  EXPECT_EQ(same[2], (TPoint{11, 4}));
}

TEST(ShapeGeometry, ClickedShapeIncludesTheEdges) {
  TQuilCustomShape shape;
  EXPECT_TRUE(shape.ClickedShape({10, 10}, {10, 10, 20, 20}));
  EXPECT_TRUE(shape.ClickedShape({20, 20}, {10, 10, 20, 20}));
  EXPECT_FALSE(shape.ClickedShape({21, 20}, {10, 10, 20, 20}));
  shape.SetAngle(45 + 360);
  EXPECT_TRUE(shape.ClickedShape({15, 9}, {10, 10, 20, 20})) << "a turned corner reaches above";
  EXPECT_FALSE(shape.ClickedShape({10, 10}, {10, 10, 20, 20}));
}

}  // namespace
}  // namespace quil
