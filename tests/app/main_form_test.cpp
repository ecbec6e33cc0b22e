#include <gtest/gtest.h>

#include <memory>

#include "app/data_view.h"
#include "app/library_startup.h"
#include "app/main_form.h"
#include "chart/rovede.h"
#include "core/class_registry.h"
#include "core/messages.h"
#include "engine/color_palette.h"
#include "panel/headless_host.h"
#include "series/surface/surface_series.h"
#include "tools/legend_palette_tool.h"
#include "tools/palette_chart.h"
#include "tools/palette_series.h"
#include "tools/rotate_tool.h"

namespace quil {
namespace {

// The main window as the program builds it, without a display.
class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest()
      : startup_(std::make_unique<TLibraryStartup>()),
        form_(CreateMainForm()),
        chart_(dynamic_cast<ROvede*>(form_->FindComponent("Chart1"))),
        series_(dynamic_cast<TSurfaceSeries*>(form_->FindComponent("Series1"))) {}
  ~MainFormTest() override {
    form_.reset();
    startup_.reset();
    InitializeMessages();
    SetDefaultColorPalette({});
  }

  std::unique_ptr<TLibraryStartup> startup_;
  std::unique_ptr<TForm> form_;
  ROvede* chart_;
  TSurfaceSeries* series_;
};

TEST_F(MainFormTest, SeriesOneIsAnEmptySurfaceWithAnEmptyTenByTenGrid) {
  ASSERT_NE(chart_, nullptr);
  ASSERT_NE(series_, nullptr);
  EXPECT_EQ(GetClass("TSurfaceSeries"), &TSurfaceSeries::StaticClass());
  EXPECT_EQ(series_->ParenrOvede(), chart_);
  EXPECT_EQ(series_->SeriesColor(), clRed) << "the first free default colour";
  EXPECT_EQ(series_->ZValues().Order(), loNone);
  THeadlessHost host(*chart_);
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "as created" : "after a paint");
    EXPECT_EQ(series_->Count(), 0);
    EXPECT_EQ(series_->NumXValues(), 10);
    EXPECT_EQ(series_->NumZValues(), 10);
    ASSERT_EQ(series_->GridIndex().Columns(), 11);
    ASSERT_EQ(series_->GridIndex().Rows(), 11);
    for (int x = 0; x < 11; ++x)
      for (int z = 0; z < 11; ++z) EXPECT_EQ(series_->GridIndex()(x, z), -1);
    EXPECT_TRUE(series_->Palette().empty());
    EXPECT_EQ(series_->CountLegendItems(), 0);
    host.Render();
  }
}

// Dark pixels (text, lines) in a rectangle of the image.
int DarkPixels(const TBitmap& image, const TRect& r) {
  int count = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const TColor c = image.Pixel(x, y);
      count += (c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80 && ((c >> 16) & 0xFF) < 0x80;
    }
  return count;
}

// With no points there is no legend, and the palette legend is a white 100 x 200 panel at
// 10, 10 with its left and right axes and no bands.
TEST_F(MainFormTest, ChartToolOneShowsTheEmptyPaletteLegend) {
  auto* tool = dynamic_cast<TLegendPaletteTool*>(form_->FindComponent("ChartTool1"));
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(tool->Owner(), form_.get());
  ASSERT_EQ(chart_->Tools().Count(), 1);
  EXPECT_EQ(&chart_->Tools()[0], tool);
  EXPECT_EQ(tool->Series(), series_);
  EXPECT_FALSE(tool->HasState(csLoading));

  THeadlessHost host(*chart_);
  const TBitmap& image = host.Render();
  EXPECT_EQ(chart_->Legend().ListedItems(), 0);
  EXPECT_EQ(tool->PaletteSeries().Count(), 0);
  constexpr TColor kWhite = 0xFFFFFF;
  for (const TPoint p : {TPoint{10, 10}, TPoint{109, 10}, TPoint{10, 209}, TPoint{109, 209}, TPoint{60, 60}})
    EXPECT_EQ(image.Pixel(p.X, p.Y), kWhite) << p.X << "," << p.Y;
  for (const TPoint p : {TPoint{9, 100}, TPoint{110, 30}, TPoint{60, 210}})
    EXPECT_NE(image.Pixel(p.X, p.Y), kWhite) << p.X << "," << p.Y;
  const TRect inner = tool->PaletteChart().ChartRect;
  EXPECT_GT(inner.Left, 10);
  EXPECT_LT(inner.Right, 110);
  const int middle = (inner.Top + inner.Bottom) / 2;
  EXPECT_GT(DarkPixels(image, {inner.Left - 1, inner.Top, inner.Left + 1, inner.Bottom}), inner.Height() / 2)
      << "the left axis line";
  EXPECT_GT(DarkPixels(image, {inner.Right - 1, inner.Top, inner.Right + 1, inner.Bottom}), inner.Height() / 2)
      << "the right axis line";
  EXPECT_GT(DarkPixels(image, {10, middle - 8, inner.Left - 2, middle + 8}), 3) << "the left axis label";
  EXPECT_GT(DarkPixels(image, {inner.Right + 2, middle - 8, 110, middle + 8}), 3) << "the right axis label";
  EXPECT_EQ(DarkPixels(image, {inner.Left + 2, inner.Top + 2, inner.Right - 2, inner.Bottom - 2}), 0) << "no bands";
}

// A data view turns with the middle button and leaves the left (zoom) and right (pan) drags
// alone; setting the view up again adds no second tool.
TEST_F(MainFormTest, ADataViewTurnsWithTheMiddleButton) {
  ASSERT_NE(chart_, nullptr);
  TSurfaceData data;
  data.Form = TDataForm::Matrix;
  data.Columns = 3;
  data.Rows = 2;
  data.Y = {1, 2, 3, 4, 5, 6};
  SetUpDataView(*form_, data);
  SetUpDataView(*form_, data);
  std::vector<TRotateTool*> rotators;
  for (int i = 0; i < chart_->Tools().Count(); ++i)
    if (auto* tool = dynamic_cast<TRotateTool*>(&chart_->Tools()[i])) rotators.push_back(tool);
  ASSERT_EQ(rotators.size(), 1u);
  EXPECT_EQ(rotators[0]->Button(), TMouseButton::mbMiddle);
  EXPECT_EQ(rotators[0]->KeyShift(), 0);
  EXPECT_EQ(series_->Count(), 6);

  THeadlessHost host(*chart_);
  host.Render();
  const int rotation = chart_->View3DOptions().Rotation();
  const int elevation = chart_->View3DOptions().Elevation();
  chart_->MouseDown(TMouseButton::mbMiddle, ssMiddle, 400, 300);
  chart_->MouseMove(ssMiddle, 440, 280);
  chart_->MouseUp(TMouseButton::mbMiddle, 0, 440, 280);
  EXPECT_FALSE(chart_->View3DOptions().Rotation() == rotation && chart_->View3DOptions().Elevation() == elevation);
  EXPECT_FALSE(chart_->Zoomed());
}

}  // namespace
}  // namespace quil
