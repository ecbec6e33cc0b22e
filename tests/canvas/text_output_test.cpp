#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "canvas/canvas_types.h"
#include "text_fixture.h"

namespace quil {
namespace {

using TextOutput = TextCanvas;

// Where the ink of "W" (13 pixels high, baseline 10 below the top, no descender) lands around
// the point it is drawn at, for every alignment.
TEST_F(TextOutput, InkLandsWhereTheAlignmentPutsTheBox) {
  struct Case {
    int align;
    int left;  // box left relative to x, for a box w wide (in units of w / 2)
    int top;   // box top relative to y
  };
  const Case cases[] = {
      {TA_LEFT | TA_TOP, 0, 0},       {TA_CENTER | TA_TOP, -1, 0},       {TA_RIGHT | TA_TOP, -2, 0},
      {TA_LEFT | TA_BOTTOM, 0, -13},  {TA_CENTER | TA_BOTTOM, -1, -13},  {TA_RIGHT | TA_BOTTOM, -2, -13},
      {TA_LEFT | TA_BASELINE, 0, -10}, {TA_CENTER | TA_BASELINE, -1, -10}, {TA_RIGHT | TA_BASELINE, -2, -10},
  };
  const int x = 120, y = 90;
  const TPoint size = canvas->TextExtent("WWW");
  ASSERT_EQ(size.Y, 13);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.align);
    Clear();
    canvas->SetTextAlign(c.align);
    canvas->TextOut(x, y, "WWW");
    const TRect ink = InkBox();
    const int boxLeft = x + c.left * size.X / 2;
    const int boxTop = y + c.top;
    EXPECT_GE(ink.Left, boxLeft);
    EXPECT_LE(ink.Right, boxLeft + size.X);
    EXPECT_GE(ink.Right - ink.Left, size.X - 2) << "the ink spans the measured width";
    EXPECT_GE(ink.Top, boxTop);
    EXPECT_EQ(ink.Bottom, boxTop + 10) << "capitals stand on the baseline";
  }
}

// Baseline-centre (30) once came out as 22 and was drawn left-aligned.
TEST_F(TextOutput, BaselineCentredTextIsCentred) {
  canvas->SetTextAlign(TA_BASELINE | TA_CENTER);
  canvas->TextOut(120, 90, "ROvede");
  const TRect ink = InkBox();
  EXPECT_LE(std::abs((ink.Left + ink.Right) - 240), 2);
  EXPECT_EQ(ink.Bottom, 90);
}

TEST_F(TextOutput, MeasuredSizeHoldsTheDrawnPixels) {
  canvas->Font().Shadow().SetSize(3);
  canvas->Font().Shadow().SetColor(clRed);
  canvas->Font().Shadow().SetTransparency(0);
  canvas->Font().Shadow().SetSmooth(false);
  for (const char* text : {"W", "ROvede", "gjpqy|", "Quil 2024 (x)"}) {
    for (bool shadow : {false, true}) {
      SCOPED_TRACE(testing::Message() << text << (shadow ? " with shadow" : ""));
      canvas->Font().Shadow().SetVisible(shadow);
      Clear();
      canvas->TextOut(30, 40, text);
      const TRect ink = InkBox();
      const TPoint size{canvas->TextWidth(text), canvas->TextHeight(text)};
      EXPECT_GE(ink.Left, 30);
      EXPECT_GE(ink.Top, 40);
      EXPECT_LE(ink.Right, 30 + size.X);
      EXPECT_LE(ink.Bottom, 40 + size.Y);
      EXPECT_GE(ink.Right - ink.Left, size.X - 3);
    }
  }
}

// Turned counter-clockwise: at 90 degrees the text runs upwards from the point with its top
// to the left, so its box covers [x, x + h) across and [y - w, y) down.
TEST_F(TextOutput, QuarterTurnedTextRunsUpwards) {
  const TPoint size = canvas->TextExtent("ROvede");
  canvas->RotateLabel(100, 150, "ROvede", 90, false);
  const TRect ink = InkBox();
  EXPECT_GE(ink.Left, 100);
  EXPECT_LE(ink.Right, 100 + size.Y);
  EXPECT_GE(ink.Top, 150 - size.X);
  EXPECT_LE(ink.Bottom, 150);
  EXPECT_GE(ink.Bottom - ink.Top, size.X - 2);
  EXPECT_LE(ink.Right - ink.Left, size.Y);
}

TEST_F(TextOutput, TurnedTextGoesUpAndRightAtFortyFiveDegrees) {
  const TPoint size = canvas->TextExtent("ROvede");
  canvas->RotateLabel(60, 150, "ROvede", 45, false);
  const TRect ink = InkBox();
  const int reach = static_cast<int>(size.X * std::cos(std::numbers::pi / 4));
  EXPECT_GE(ink.Right, 60 + reach - 2);
  EXPECT_LE(ink.Top, 150 - reach + 6);
  EXPECT_LE(ink.Right, 60 + reach + size.Y);
}

// A backend that keeps the angles text was drawn at.
class AngleRecordingRaster : public TCairoRaster {
 public:
  void TextOut(int x, int y, const std::string& text, double angle) override {
    angles.push_back(angle);
    TCairoRaster::TextOut(x, y, text, angle);
  }
  std::vector<double> angles;
};

TEST(TextRotation, WholeTurnsAboveAFullCircleAreTakenOff) {
  auto backend = std::make_unique<AngleRecordingRaster>();
  AngleRecordingRaster& raster = *backend;
  TQuilCanvas3D canvas(std::move(backend));
  TView3DOptions options;
  canvas.InitWindow(nullptr, &options, clWhite, false, {0, 0, 50, 50});
  for (double angle : {0.0, 720.0, 725.0, -30.0, 360.0}) canvas.RotateLabel(10, 40, "A", angle, false);
  EXPECT_EQ(raster.angles, (std::vector<double>{0, 360, 5, -30, 360}));
  canvas.RotateLabel(10, 40, "A", std::numeric_limits<double>::infinity(), false);
  canvas.RotateLabel(10, 40, "A", 1e300, false);  // no endless subtraction
  EXPECT_EQ(raster.angles.size(), 6u);
}

TEST_F(TextOutput, CharacterAngleTurnsEachGlyph) {
  canvas->RotateLabel(40, 90, "IIII", 0, false);
  const TRect upright = InkBox();
  Clear();
  canvas->SetCharacterAngle(90);
  canvas->RotateLabel(40, 90, "IIII", 0, false);
  const TRect turned = InkBox();
  EXPECT_LT(turned.Bottom - turned.Top, upright.Bottom - upright.Top) << "lying glyphs are lower";
  EXPECT_GT(InkCount(), 0);
}

TEST_F(TextOutput, ShadowGoesRightAndDownAndANegativeOneMovesTheText) {
  canvas->TextOut(50, 50, "Shade");
  const TRect plain = InkBox(clBlack);
  TQuilShadow& shadow = canvas->Font().Shadow();
  shadow.SetColor(clRed);
  shadow.SetTransparency(0);
  shadow.SetSmooth(false);
  shadow.SetHorizSize(3);
  shadow.SetVertSize(2);
  Clear();
  canvas->TextOut(50, 50, "Shade");
  EXPECT_EQ(InkBox(clBlack), plain);
  EXPECT_EQ(InkBox(clRed).Right, plain.Right + 3);
  EXPECT_EQ(InkBox(clRed).Bottom, plain.Bottom + 2);

  shadow.SetHorizSize(-3);
  shadow.SetVertSize(0);
  Clear();
  canvas->TextOut(50, 50, "Shade");
  EXPECT_EQ(InkBox(clBlack), OffsetRect(plain, 3, 0));
  EXPECT_EQ(InkBox(clRed).Left, plain.Left);
}

// The emboss lies up and to the left while the text stays where it was asked; a negative size
// keeps the emboss at the point and moves the text the other way.
TEST_F(TextOutput, EmbossGoesLeftAndUpWithTheTextInPlace) {
  canvas->TextOut(50, 50, "Raised");
  const TRect plain = InkBox(clBlack);
  TQuilEmboss& emboss = canvas->Font().Emboss();
  emboss.Show();
  emboss.SetColor(clBlue);
  emboss.SetTransparency(0);
  emboss.SetSmooth(false);
  emboss.SetSize(2);
  Clear();
  canvas->TextOut(50, 50, "Raised");
  EXPECT_EQ(InkBox(clBlack), plain);
  EXPECT_EQ(InkBox(clBlue).Left, plain.Left - 2);
  EXPECT_EQ(InkBox(clBlue).Top, plain.Top - 2);

  emboss.SetHorizSize(-3);
  emboss.SetVertSize(0);
  Clear();
  canvas->TextOut(50, 50, "Raised");
  EXPECT_EQ(InkBox(clBlack), OffsetRect(plain, -3, 0));
  EXPECT_EQ(InkBox(clBlue).Left, plain.Left);
}

TEST_F(TextOutput, SoftTranslucentShadowIsLighterThanItsColour) {
  TQuilShadow& shadow = canvas->Font().Shadow();
  shadow.SetColor(clBlack);
  shadow.SetSize(4);
  canvas->Font().SetColor(clRed);
  canvas->TextOut(50, 50, "Soft");
  EXPECT_GT(InkCount(), CountPixels(clRed, {0, 0, 240, 180}));
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 240, 180}), 0) << "50 % and blurred: never full black";
}

// A big "I" makes the inside of the glyph easy to find: the middle of its stem.
class BigGlyph : public TextCanvas {
 protected:
  void SetUp() override {
    TextCanvas::SetUp();
    canvas->Font().SetSize(72);
    canvas->TextOut(60, 20, "I");
    stem = InkBox(clBlack);
    Clear();
  }
  TPoint Middle() const { return {(stem.Left + stem.Right) / 2, (stem.Top + stem.Bottom) / 2}; }
  TRect stem;
};

TEST_F(BigGlyph, OutlineWithoutFontColourDrawsOnlyTheOutline) {
  canvas->Font().OutLine().Show();
  canvas->Font().OutLine().SetColor(clRed);
  canvas->Font().SetColor(clNone);
  canvas->TextOut(60, 20, "I");
  EXPECT_EQ(Pixel(Middle().X, Middle().Y), clWhite);
  EXPECT_TRUE(Pixel(stem.Left, Middle().Y) == clRed || Pixel(stem.Left - 1, Middle().Y) == clRed);
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 240, 180}), 0);

  Clear();
  canvas->Font().SetColor(clBlack);
  canvas->TextOut(60, 20, "I");
  EXPECT_EQ(Pixel(Middle().X, Middle().Y), clBlack);
  EXPECT_GT(CountPixels(clRed, {0, 0, 240, 180}), 20);
}

TEST_F(BigGlyph, GradientFillsTheGlyphsFromOneColourToTheOther) {
  TQuilGradient& g = canvas->Font().Brush().Gradient();
  g.SetStartColor(clYellow);
  g.SetEndColor(clRed);
  g.SetDirection(gdLeftRight);
  g.SetVisible(true);
  canvas->Font().SetSize(72);
  canvas->TextOut(60, 20, "IIII");
  const TRect ink = InkBox();
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 240, 180}), 0);
  const TColor left = Pixel(ink.Left + 1, Middle().Y), right = Pixel(ink.Right - 2, Middle().Y);
  EXPECT_NE(left, right);
  EXPECT_EQ(GetBValue(left), 0);
  EXPECT_EQ(GetBValue(right), 0);
  EXPECT_EQ(Pixel(Middle().X, stem.Top - 3), clWhite) << "nothing outside the glyphs";
}

TEST_F(BigGlyph, PictureShowsThroughTheGlyphs) {
  TBitmap picture(2, 1);
  picture.SetPixel(0, 0, clBlue);
  picture.SetPixel(1, 0, clLime);
  TQuilPicture image;
  image.SetGraphic(picture);
  canvas->Font().Brush().SetImage(image);
  canvas->TextOut(20, 20, "IIIII");
  const TRect ink = InkBox();
  const TColor left = Pixel(ink.Left + 1, Middle().Y), right = Pixel(ink.Right - 2, Middle().Y);
  EXPECT_GT(GetBValue(left), GetGValue(left));
  EXPECT_GT(GetGValue(right), GetBValue(right));
  EXPECT_EQ(GetRValue(left), 0);
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 240, 180}), 0);
}

TEST_F(TextOutput, NothingIsDrawnWhereNothingCanBe) {
  canvas->TextOut(20, 20, "");
  canvas->TextOut(20, 20, "\r\n\r");
  canvas->RotateLabel(20, 60, "\r\n", 45, false);
  canvas->TextOut3D(20, 20, 5, "");
  EXPECT_EQ(InkCount(), 0);
  EXPECT_EQ(canvas->TextWidth("\r\n"), 0);
  canvas->TextOut(20, 20, std::string("\xff\xfe bad bytes"));  // not UTF-8: drawn, not fatal
  EXPECT_GT(InkCount(), 0);
}

TEST_F(TextOutput, HugeTurnedTextsDrawOnlyTheirVisiblePart) {
  canvas->RotateLabel(120, 90, std::string(20000, 'W'), 33, false);
  EXPECT_GT(InkCount(), 100);
  Clear();
  canvas->Font().SetSize(3000);
  canvas->RotateLabel(-500, 900, "Wide", 17, false);
  canvas->TextOut(-100000, -100000, "Far away");
  SUCCEED();
}

TEST_F(TextOutput, OpaqueBackgroundFillsTheTextBox) {
  canvas->SetBackMode(cbmOpaque);
  canvas->SetBackColor(clYellow);
  canvas->TextOut(20, 30, "Box");
  const TPoint size = canvas->TextExtent("Box");
  EXPECT_EQ(InkBox(), (TRect{20, 30, 20 + size.X, 30 + size.Y}));
  EXPECT_EQ(Pixel(20, 30), clYellow);
}

TEST_F(TextOutput, TextIn3DIsPlacedAtItsProjectedPoint) {
  canvas->TextOut3D(40, 60, 0, "Z");
  const TRect flat = InkBox();
  Clear();
  canvas->RotateLabel3D(40, 60, 0, "Z", 0, false);
  EXPECT_EQ(InkBox(), flat);
}

}  // namespace
}  // namespace quil
