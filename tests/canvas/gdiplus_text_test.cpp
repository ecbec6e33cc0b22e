#include <gtest/gtest.h>

#include <cmath>

#include "canvas/gdiplus_text_metrics.h"
#include "canvas/quil_blend.h"
#include "core/rounding.h"
#include "gdiplus_fixture.h"

namespace quil {
namespace {

TEST(GDIPlusTextMetrics, HeightRoundsFromHalfAPixelAndAddsShadows) {
  TQuilFont font;
  EXPECT_EQ(RoundedTextHeight(14.2, font), 15);
  EXPECT_EQ(RoundedTextHeight(11.917, font), 12);
  EXPECT_EQ(RoundedTextHeight(12.0, font), 12);  // 12.5 ties to even
  font.Shadow().SetVertSize(-3);
  font.Shadow().SetHorizSize(2);
  font.Shadow().SetVisible(true);
  EXPECT_EQ(RoundedTextHeight(14.2, font), 18);
  EXPECT_EQ(RoundedTextWidth(39.132, font), 41);
  font.Emboss().SetVertSize(1);
  EXPECT_EQ(RoundedTextHeight(14.2, font), 18);  // an emboss counts only when shown
  font.Emboss().SetVisible(true);
  EXPECT_EQ(RoundedTextHeight(14.2, font), 19);
}

TEST(GDIPlusTextMetrics, HintFollowsFontQualityAndSize) {
  EXPECT_EQ(TextHintFor(fqDefault, gpfDefault, 8), thClearTypeGridFit);
  EXPECT_EQ(TextHintFor(fqDefault, gpfDefault, 24), thAntiAlias);
  EXPECT_EQ(TextHintFor(fqDefault, gpfDefault, 20), thAntiAlias);
  EXPECT_EQ(TextHintFor(fqDefault, gpfNormal, 8), thSingleBitPerPixelGridFit);
  EXPECT_EQ(TextHintFor(fqBest, gpfNormal, 8), thAntiAlias);
  EXPECT_EQ(TextHintFor(fqNormal, gpfBest, 30), thSingleBitPerPixelGridFit);
  EXPECT_EQ(TextHintFor(fqClearType, gpfBest, 30), thClearTypeGridFit);
}

class GDIPlusText : public GDIPlusFixture {
 protected:
  void StartText(int width = 300, int height = 200) {
    Start(width, height);
    canvas->Font().SetName("Arial");
    canvas->Font().SetSize(12);
    canvas->Font().SetColor(clBlack);
    canvas->SetBackMode(cbmTransparent);
  }
};

TEST_F(GDIPlusText, MeasuringMatchesWhatIsDrawn) {
  StartText();
  const TPointFloat size = canvas->TextSize("Wide label");
  EXPECT_EQ(canvas->TextHeight("Wide label"), QuilRound(size.y + 0.5));
  EXPECT_EQ(canvas->TextWidth("Wide label"), QuilRound(size.x));
  EXPECT_EQ(canvas->TextWidth(""), 0);
  canvas->TextOut(20, 30, "Wide label");
  const TRect ink = InkBounds({0, 0, 300, 200});
  EXPECT_GE(ink.Left, 20);
  EXPECT_GE(ink.Top, 30);
  EXPECT_LE(ink.Right, 20 + canvas->TextWidth("Wide label") + 1);
  EXPECT_LE(ink.Bottom, 30 + canvas->TextHeight("Wide label"));
  EXPECT_GT(ink.Width(), canvas->TextWidth("Wide label") - 6);
}

TEST_F(GDIPlusText, MeasuringALabelTwiceLaysItOutOnce) {
  StartText();
  const int before = canvas->TextEngine().MeasureLayouts();
  canvas->TextWidth("Axis label 1");
  canvas->TextHeight("Axis label 1");
  canvas->TextSize("Axis label 1");
  EXPECT_EQ(canvas->TextEngine().MeasureLayouts(), before + 1);
  canvas->Font().SetSize(14);
  canvas->TextWidth("Axis label 1");
  EXPECT_EQ(canvas->TextEngine().MeasureLayouts(), before + 2);
}

TEST_F(GDIPlusText, FontIsRebuiltOnlyForNameSizeOrStyle) {
  StartText();
  const int builds = canvas->FontBuilds();
  canvas->Font().SetColor(clRed);
  canvas->Font().SetQuality(fqBest);
  EXPECT_EQ(canvas->FontBuilds(), builds);
  canvas->Font().SetStyle(fsBold);
  EXPECT_EQ(canvas->FontBuilds(), builds + 1);
  canvas->Font().SetName("Courier New");
  EXPECT_EQ(canvas->FontBuilds(), builds + 2);
  EXPECT_EQ(canvas->FontCache().Name, "Courier New");
  EXPECT_EQ(canvas->FontCache().Style, static_cast<TFontStyles>(fsBold));
  EXPECT_EQ(canvas->GetGraphics()->TextHint(), thAntiAlias);
}

TEST_F(GDIPlusText, TinyFontsAreRaisedAndRecordedFontsScaled) {
  StartText();
  canvas->Font().SetSizeFloat(0.05f);
  EXPECT_FLOAT_EQ(canvas->FontCache().Size, 0.1f);
  EXPECT_NO_THROW(canvas->TextOut(10, 10, "tiny"));
  canvas->Font().SetSizeFloat(10);
  canvas->Font().SetPixelsPerInch(120);
  canvas->SetMetafiling(true);
  canvas->DoChangedFont();
  EXPECT_FLOAT_EQ(canvas->FontCache().Size, 12.5f);
}

TEST_F(GDIPlusText, UnknownFontsFallBackToAnInstalledOne) {
  StartText();
  canvas->Font().SetName("No Such Font Family 12345");
  EXPECT_GT(canvas->TextWidth("Hello"), 10);
  canvas->TextOut(10, 10, "Hello");
  EXPECT_GT(CountPixels(clBlack, {0, 0, 300, 200}) + CountBlended(clBlack, {0, 0, 300, 200}), 20);
}

// The two digital fonts the program carries answer to their names; other families, and the
// fallback for unknown ones, stay as they were.
TEST_F(GDIPlusText, TheCarriedDigitalFontsAnswerToTheirNames) {
  StartText(400, 120);
  const std::string clock = "8888:88";
  auto sizeIn = [&](const char* name, const std::string& text) {
    canvas->Font().SetName(name);
    return canvas->TextSize(text);
  };
  const TPointFloat arial = sizeIn("Arial", clock);
  const TPointFloat fallback = sizeIn("No Such Font Family 12345", clock);
  const TPointFloat elektra = sizeIn("Elektra", clock);
  const TPointFloat digital = sizeIn("DS-Digital", clock);
  for (const TPointFloat& carried : {elektra, digital}) {
    EXPECT_GT(carried.x, 0);
    EXPECT_NE(carried.x, fallback.x);
  }
  EXPECT_EQ(sizeIn("Arial", clock).x, arial.x);

  canvas->Font().SetName("Elektra");
  canvas->TextOut(10, 10, clock);
  const TRect ink = InkBounds({0, 0, 400, 50});
  EXPECT_NEAR(ink.Width(), elektra.x, 4) << "drawn in the font it was measured in";
  // Two faces: the same letters drawn side by side differ.
  canvas->TextOut(10, 60, "12:34 WMKX");
  canvas->Font().SetName("DS-Digital");
  canvas->TextOut(210, 60, "12:34 WMKX");
  Save("gdiplus_digital_fonts.png");
  int differing = 0;
  for (int y = 55; y < 100; ++y)
    for (int x = 0; x < 200; ++x) differing += Pixel(x, y) != Pixel(x + 200, y);
  EXPECT_GT(differing, 20);
}

TEST_F(GDIPlusText, AlignmentsPlaceTheNamedEdgeAtThePoint) {
  StartText();
  canvas->SetTextAlign(TA_RIGHT);
  canvas->TextOut(200, 20, "Right");
  const TRect right = InkBounds({0, 0, 300, 60});
  EXPECT_NEAR(right.Right, 200, 1);
  Start(300, 200);
  canvas->Font().SetSize(12);
  canvas->SetBackMode(cbmTransparent);
  canvas->SetTextAlign(TA_CENTER + TA_BOTTOM);
  canvas->TextOut(150, 100, "Centre");
  const TRect centre = InkBounds({0, 0, 300, 200});
  EXPECT_LE(centre.Bottom, 100);
  EXPECT_GE(centre.Bottom, 100 - QuilRound(canvas->TextSize("Centre").y) + 8);  // the descent is empty here
  EXPECT_NEAR((centre.Left + centre.Right) / 2.0, 150, 2);
}

TEST_F(GDIPlusText, RotatedLabelsTurnAboutTheirPointAndLeaveNoTransform) {
  StartText();
  canvas->RotateLabel(100, 150, "Upward text", 90, false);
  const TRect ink = InkBounds({0, 0, 300, 200});
  EXPECT_GT(ink.Height(), ink.Width() * 3);  // reads upward
  EXPECT_LE(ink.Bottom, 151);
  EXPECT_GE(ink.Left, 100);  // the text's top edge now faces left, at the point
  const cairo_matrix_t m = canvas->GetGraphics()->Transform();
  EXPECT_EQ(m.xx, 1);
  EXPECT_EQ(m.xy, 0);
  EXPECT_EQ(m.x0, 0);
  for (double degrees : {0.0, 360.0}) {
    Start(300, 200);
    canvas->Font().SetSize(12);
    canvas->RotateLabel(20, 20, "Flat", degrees, false);
    const TRect flat = InkBounds({0, 0, 300, 200});
    EXPECT_GT(flat.Width(), flat.Height());
  }
}

TEST_F(GDIPlusText, RotatedLabelInsideAnEntityKeepsTheEntityTransform) {
  StartText();
  TQuilTransform t;
  t.Enabled = true;
  t.Translate = {30, 0, 0};
  canvas->BeginEntity("Series", nullptr, &t);
  canvas->RotateLabel(100, 150, "Turned", 45, false);
  EXPECT_EQ(canvas->GetGraphics()->Transform().x0, 30);
  canvas->EndEntity();
  EXPECT_EQ(canvas->GetGraphics()->Transform().x0, 0);
}

// The shadow is drawn in its colour at the canvas's opacity, ignoring its own transparency;
// an emboss with its default direction lies up and to the left.
TEST_F(GDIPlusText, ShadowsAndEmbossesAreOffsetCopies) {
  StartText();
  canvas->Font().SetSize(24);
  canvas->Font().SetColor(clWhite);
  TQuilShadow& s = canvas->Font().Shadow();
  s.SetColor(clRed);
  s.SetTransparency(80);
  s.SetSmooth(false);
  s.SetHorizSize(4);
  s.SetVertSize(4);
  s.SetVisible(true);
  canvas->TextOut(20, 20, "III");
  EXPECT_GT(CountPixels(clRed, {0, 0, 300, 100}), 30);
  const TRect red = InkBounds({0, 0, 300, 100});
  EXPECT_GE(red.Left, 24);

  Start(300, 200);
  canvas->Font().SetSize(24);
  canvas->Font().SetColor(clWhite);
  TQuilEmboss& e = canvas->Font().Emboss();
  e.SetColor(clBlue);
  e.SetHorizSize(4);
  e.SetVertSize(4);
  e.SetVisible(true);
  auto blend = canvas->BeginBlending({}, 50);
  canvas->TextOut(40, 40, "III");
  canvas->EndBlending(std::move(blend));
  const TRect blue = InkBounds({0, 0, 300, 200});
  EXPECT_LE(blue.Left, 40);
  EXPECT_EQ(CountPixels(clBlue, {0, 0, 300, 200}), 0);  // half opacity: never the full blue
  EXPECT_GT(CountPixels(RGBColor(127, 127, 255), {0, 0, 300, 200}), 20);
}

// A smooth shadow with a blur is softened in the buffer where it was drawn.
TEST_F(GDIPlusText, SmoothShadowIsBlurredWhereItLies) {
  auto shadowPixels = [this](int blur) {
    StartText();
    canvas->Font().SetSize(24);
    canvas->Font().SetColor(clWhite);
    TQuilShadow& s = canvas->Font().Shadow();
    s.SetColor(clBlack);
    s.SetSmooth(true);
    s.SetSmoothBlur(blur);
    s.SetHorizSize(30);
    s.SetVertSize(0);
    s.SetVisible(true);
    canvas->TextOut(20, 20, "III");
    return std::make_pair(CountPixels(clBlack, {0, 0, 300, 200}), CountBlended(clBlack, {0, 0, 300, 200}));
  };
  const auto sharp = shadowPixels(0);
  const auto soft = shadowPixels(3);
  EXPECT_LT(soft.first, sharp.first / 2);
  EXPECT_GT(soft.second, sharp.second);
}

TEST_F(GDIPlusText, OutlinedTextStrokesThenFills) {
  StartText();
  canvas->Font().SetSize(30);
  canvas->Font().SetColor(clYellow);
  canvas->Font().OutLine().SetColor(clBlue);
  canvas->Font().OutLine().SetWidth(2);
  canvas->Font().OutLine().SetVisible(true);
  canvas->TextOut(20, 20, "HI");
  EXPECT_GT(CountPixels(clYellow, {0, 0, 300, 200}), 50);
  EXPECT_GT(CountPixels(clBlue, {0, 0, 300, 200}) + CountBlended(clYellow, {0, 0, 300, 200}), 50);
}

TEST_F(GDIPlusText, OpaqueBackModeFillsTheTextBox) {
  StartText();
  canvas->Brush().SetColor(clSilver);
  canvas->SetBackMode(cbmOpaque);
  canvas->TextOut(10, 10, "Box");
  const TRect box = canvas->CalcTextRect({10, 10}, "Box");
  EXPECT_EQ(Pixel(box.Left, box.Top), clSilver);
  EXPECT_EQ(Pixel(box.Right - 1, box.Bottom - 1), clSilver);
  EXPECT_EQ(canvas->GetBackMode(), cbmOpaque);
}

}  // namespace
}  // namespace quil
