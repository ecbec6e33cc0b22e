#include <gtest/gtest.h>

#include "canvas/canvas_types.h"
#include "canvas/text_quality.h"
#include "text_fixture.h"

namespace quil {
namespace {

using TextMetrics = TextCanvas;

// "Arial" 8 resolves to Liberation Sans, whose metrics match it when measured at the exact
// point size (10.667 pixels at 96 dpi, not the rounded 11).
TEST_F(TextMetrics, DefaultFontMeasuresLikeArialEightPoint) {
  EXPECT_EQ(canvas->Font().Name(), "Arial");
  EXPECT_EQ(canvas->Font().Size(), 8);
  EXPECT_EQ(canvas->TextExtent("W"), (TPoint{10, 13}));
  EXPECT_EQ(canvas->TextExtent("ROvede"), (TPoint{39, 13}));
  EXPECT_EQ(canvas->GetFontHeight(), 13);
  EXPECT_EQ(canvas->TextSize("ROvede").x, 39.0f);
  canvas->Font().SetQuality(fqBest);  // smoothing does not change the hinted metrics
  EXPECT_EQ(canvas->TextExtent("ROvede"), (TPoint{39, 13}));
}

TEST_F(TextMetrics, ShadowAndEmbossSizesAddToTheMeasuredText) {
  const TPoint plain = canvas->TextExtent("Quil");
  canvas->Font().Shadow().SetHorizSize(-3);
  canvas->Font().Shadow().SetVertSize(2);
  EXPECT_EQ(canvas->TextWidth("Quil"), plain.X + 3);
  EXPECT_EQ(canvas->TextHeight("Quil"), plain.Y + 2);
  canvas->Font().Emboss().SetHorizSize(1);
  canvas->Font().Emboss().SetVertSize(-4);
  EXPECT_EQ(canvas->TextWidth("Quil"), plain.X + 3) << "an emboss counts only when shown";
  canvas->Font().Emboss().Show();
  EXPECT_EQ(canvas->TextWidth("Quil"), plain.X + 4);
  EXPECT_EQ(canvas->TextHeight("Quil"), plain.Y + 6);
  canvas->Font().Shadow().Hide();
  EXPECT_EQ(canvas->TextWidth("Quil"), plain.X + 1);
  EXPECT_EQ(canvas->TextWidth(""), 1) << "an empty text measures nothing but the offsets";
}

TEST_F(TextMetrics, FontZoomAndViewZoomScaleTheBackendFont) {
  TQuilFont ten;
  ten.SetSize(10);
  canvas->SetFontZoom(150);
  canvas->AssignFont(ten);
  EXPECT_FLOAT_EQ(canvas->Font().SizeFloat(), 15.0f);
  EXPECT_DOUBLE_EQ(Raster().Font().EmSize, 20.0);
  EXPECT_EQ(Raster().Font().PixelSize, 20);

  options.SetZoomFloat(200);
  canvas->AssignFont3D(ten);
  EXPECT_FLOAT_EQ(canvas->Font().SizeFloat(), 30.0f);
  options.SetZoomText(ztNo);
  canvas->AssignFont3D(ten);
  EXPECT_FLOAT_EQ(canvas->Font().SizeFloat(), 15.0f);
}

TEST_F(TextMetrics, MonochromeFontsAreBlack) {
  TQuilFont red;
  red.SetColor(clRed);
  canvas->AssignFont(red);
  EXPECT_EQ(canvas->Font().Color(), clRed);
  canvas->SetMonochrome(true);
  canvas->AssignFont(red);
  EXPECT_EQ(canvas->Font().Color(), clBlack);
}

TEST_F(TextMetrics, ZeroAndNegativeSizesMeasureNothing) {
  for (int size : {0, -5}) {
    SCOPED_TRACE(size);
    canvas->Font().SetSize(size);
    EXPECT_EQ(canvas->TextExtent("W"), (TPoint{0, 0}));
    canvas->TextOut(20, 20, "W");
    canvas->RotateLabel(60, 60, "W", 30, false);
    EXPECT_EQ(InkCount(), 0);
  }
}

TEST_F(TextMetrics, MeasuringALabelAgainBuildsNoSecondLayout) {
  const std::size_t before = Raster().TextLayoutsBuilt();
  const int w = canvas->TextWidth("Axis label 42");
  canvas->TextHeight("Axis label 42");
  canvas->TextOut(10, 10, "Axis label 42");
  EXPECT_EQ(canvas->TextWidth("Axis label 42"), w);
  EXPECT_EQ(Raster().TextLayoutsBuilt(), before + 1);
  canvas->Font().SetSize(12);
  canvas->TextWidth("Axis label 42");
  EXPECT_EQ(Raster().TextLayoutsBuilt(), before + 2) << "another size is another layout";
  canvas->Font().SetSize(8);
  canvas->TextWidth("Axis label 42");
  EXPECT_EQ(Raster().TextLayoutsBuilt(), before + 2) << "the first one is still kept";
}

TEST(TextQuality, FontQualityDefersToTheCanvasOnlyWhenDefault) {
  struct Case {
    TFontQuality font, canvas;
    int code;
  };
  const Case cases[] = {
      {fqNormal, fqBest, 3},    {fqNormal, fqClearType, 3}, {fqBest, fqNormal, 4},    {fqClearType, fqNormal, 4},
      {fqDefault, fqBest, 4},   {fqDefault, fqNormal, 3},   {fqDefault, fqDefault, 0}, {fqDefault, fqClearType, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.font) << " on " << int(c.canvas));
    EXPECT_EQ(BackendTextQuality(c.font, c.canvas), c.code);
  }
  const int saved = QuilFontAntiAlias;
  QuilFontAntiAlias = 5;
  EXPECT_EQ(BackendTextQuality(fqBest, fqNormal), 5);
  QuilFontAntiAlias = saved;
}

// The plain canvas draws crisp text by default; a font or the canvas asking for the best
// quality smooths it.
TEST_F(TextMetrics, TextIsSmoothedOnlyWhenAskedFor) {
  auto colours = [this] {
    Clear();
    canvas->TextOut(20, 20, "Smooth?");
    return InkCount() - CountPixels(clBlack, {0, 0, 240, 180});
  };
  EXPECT_EQ(canvas->FontQuality(), fqDefault);
  EXPECT_EQ(colours(), 0) << "only black and white";
  canvas->Font().SetQuality(fqBest);
  EXPECT_GT(colours(), 0);
  canvas->Font().SetQuality(fqDefault);
  canvas->SetFontQuality(fqBest);
  EXPECT_GT(colours(), 0);
  canvas->Font().SetQuality(fqNormal);
  EXPECT_EQ(colours(), 0);
}

TEST(TextAlignValues, TheHorizontalPartIsTheLowThreeBits) {
  EXPECT_EQ(HorizontalTextAlign(TA_BASELINE | TA_CENTER), TA_CENTER);
  EXPECT_EQ(HorizontalTextAlign(TA_BASELINE | TA_RIGHT), TA_RIGHT);
  EXPECT_EQ(HorizontalTextAlign(TA_BASELINE), TA_LEFT);
  EXPECT_EQ(HorizontalTextAlign(TA_BOTTOM | TA_CENTER), TA_CENTER);
  EXPECT_EQ(HorizontalTextAlign(TA_BOTTOM | TA_RIGHT), TA_RIGHT);
  EXPECT_EQ(VerticalTextAlign(TA_BASELINE | TA_CENTER), TA_BASELINE);
  EXPECT_EQ(VerticalTextAlign(TA_BOTTOM | TA_RIGHT), TA_BOTTOM);
}

}  // namespace
}  // namespace quil
