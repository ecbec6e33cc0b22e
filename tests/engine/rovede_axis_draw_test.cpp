#include <gtest/gtest.h>

#include <cairo.h>

#include <string>

#include "canvas/bitmap.h"
#include "canvas/canvas_classes.h"
#include "rovede_axis_test_support.h"

namespace quil {
namespace {

using testing::TAxisTestChart;
using testing::TLoggingSeries;

bool IsDark(TColor c) { return (c & 0xFF) < 100 && ((c >> 8) & 0xFF) < 100 && ((c >> 16) & 0xFF) < 100; }

// Anti-aliasing lightens a thin red line, but it stays far redder than green.
bool IsReddish(TColor c) { return int(c & 0xFF) > int((c >> 8) & 0xFF) + 60; }

int DarkPixels(const TBitmap& bitmap, int left, int top, int right, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (IsDark(bitmap.Pixel(x, y))) ++count;
  return count;
}

class RovedeAxisDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeCanvas3DUnit();
    chart_.SetBounds(0, 0, 400, 300);
    chart_.SetView3D(false);
    chart_.Shown = {&chart_.Bottom(), &chart_.Left()};
    series_.SetName("S");
    chart_.AddSeries(series_);
  }
  void TearDown() override { FinalizeCanvas3DUnit(); }

  TBitmap Frame(const char* png = nullptr) {
    TBitmap bitmap = chart_.QuilCreateBitmap();
    // Pictures to look at go to the build's test-output folder.
    if (png) cairo_surface_write_to_png(bitmap.Surface(), (std::string(QUIL_TEST_OUTPUT_DIR) + "/" + png).c_str());
    return bitmap;
  }

  int LabelHeight(ROvedeAxis& axis) {
    chart_.PrepareFont3D(axis.LabelsFormat().Font());
    return chart_.Canvas().TextHeight("W");
  }

  TComponent form_;
  TAxisTestChart& chart_ = MakeOwned<TAxisTestChart>(form_);
  TLoggingSeries& series_ = MakeOwned<TLoggingSeries>(form_);
};

// A series without points leaves the range at 0..0: one label "0", in the middle of each axis.
TEST_F(RovedeAxisDrawTest, EmptyRangeDrawsOneZeroAtTheCentre) {
  const TBitmap bitmap = Frame("rovede_axis_empty.png");
  for (ROvedeAxis* axis : chart_.Shown) {
    SCOPED_TRACE(axis->Identifier());
    ASSERT_EQ(axis->FrameLabels().Items.size(), 1u);
    EXPECT_EQ(axis->FrameLabels().Items[0].Text, "0");
    EXPECT_EQ(axis->FrameLabels().Items[0].Pos, axis->ICenterPos());
  }
  ROvedeAxis& bottom = chart_.Bottom();
  const int h = LabelHeight(bottom);
  const int c = bottom.ICenterPos();
  const int y = bottom.PosLabels;
  EXPECT_GT(DarkPixels(bitmap, c - 8, y, c + 8, y + h), 0);
  EXPECT_EQ(DarkPixels(bitmap, bottom.IStartPos() + 2, y, c - 12, y + h), 0);
  EXPECT_EQ(DarkPixels(bitmap, c + 12, y, bottom.IEndPos() - 2, y + h), 0);

  ROvedeAxis& left = chart_.Left();
  const int x = left.PosLabels;
  const int mid = left.ICenterPos();
  EXPECT_GT(DarkPixels(bitmap, x - 20, mid - h, x, mid + h), 0);
  EXPECT_EQ(DarkPixels(bitmap, x - 20, left.IStartPos() + 2, x, mid - h), 0);
}

TEST_F(RovedeAxisDrawTest, FixedItemsReplaceTheGeneratedLabels) {
  for (int i = 0; i < 5; ++i) series_.Add(i * 10);
  ROvedeAxis& left = chart_.Left();
  left.AddItem(5, "low");
  left.AddItem(35, "high");
  Frame("rovede_axis_items.png");
  ASSERT_EQ(left.FrameLabels().Items.size(), 2u);
  EXPECT_EQ(left.FrameLabels().Items[0].Text, "low");
  EXPECT_EQ(left.FrameLabels().Items[0].Pos, left.CalcPosValue(5));
  EXPECT_EQ(left.FrameLabels().Items[1].Text, "high");
  EXPECT_EQ(left.FrameLabels().Ticks, (std::vector<int>{left.CalcPosValue(5), left.CalcPosValue(35)}));
  left.ClearItems();
  Frame();
  EXPECT_GT(left.FrameLabels().Items.size(), 2u);
}

// The grid goes at every DrawEvery-th tick, or half-way between ticks when centred, and never
// on the axis' ends.
TEST_F(RovedeAxisDrawTest, GridLinesAtTicksOrBetweenThem) {
  ROvedeAxis& bottom = chart_.Bottom();
  bottom.SetMinMax(0, 10);
  bottom.SetIncrement(5);
  bottom.Grid().SetColor(clRed);
  auto gridColumns = [&](const TBitmap& bitmap) {
    std::vector<int> columns;
    const int y = chart_.Left().ICenterPos() + 10;
    for (int x = bottom.IStartPos() + 1; x < bottom.IEndPos(); ++x)
      if (IsReddish(bitmap.Pixel(x, y))) columns.push_back(x);
    return columns;
  };
  std::vector<int> columns = gridColumns(Frame("rovede_axis_grid.png"));
  ASSERT_EQ(bottom.FrameLabels().Ticks.size(), 3u);
  EXPECT_EQ(columns, (std::vector<int>{bottom.CalcPosValue(5)}));

  bottom.Grid().SetCentered(true);
  columns = gridColumns(Frame());
  EXPECT_EQ(columns, (std::vector<int>{bottom.CalcPosValue(2.5), bottom.CalcPosValue(7.5)}));
}

// The minor grid runs across the chart at the minor ticks' positions, whether or not the minor
// ticks themselves are drawn; on a logarithmic axis at the values between the decades.
TEST_F(RovedeAxisDrawTest, MinorGridLinesAtTheMinorTicks) {
  ROvedeAxis& bottom = chart_.Bottom();
  bottom.Grid().Hide();
  bottom.MinorGrid().Show();
  bottom.MinorGrid().SetColor(clRed);
  auto gridColumns = [&](const TBitmap& bitmap) {
    std::vector<int> columns;
    const int y = chart_.Left().ICenterPos() + 10;
    for (int x = bottom.IStartPos() + 1; x < bottom.IEndPos(); ++x)
      if (IsReddish(bitmap.Pixel(x, y))) columns.push_back(x);
    return columns;
  };
  bottom.SetMinMax(0, 10);
  bottom.SetIncrement(5);
  bottom.SetMinorTickCount(4);
  const std::vector<int> linear = gridColumns(Frame("rovede_axis_minor_grid.png"));
  std::vector<int> expected;
  for (const double v : {1, 2, 3, 4, 6, 7, 8, 9}) expected.push_back(bottom.CalcPosValue(v));
  auto expectNear = [](const std::vector<int>& columns, const std::vector<int>& wanted) {
    ASSERT_EQ(columns.size(), wanted.size());
    for (std::size_t i = 0; i < wanted.size(); ++i) EXPECT_NEAR(columns[i], wanted[i], 1) << i;
  };
  expectNear(linear, expected);
  bottom.SetMinorTickLength(0);
  EXPECT_EQ(gridColumns(Frame()), linear);

  bottom.MinorGrid().Hide();
  EXPECT_TRUE(gridColumns(Frame()).empty());

  bottom.MinorGrid().Show();
  bottom.SetLogarithmic(true);
  bottom.SetMinMax(1, 100);
  bottom.SetIncrement(0);
  bottom.SetMinorTickCount(8);
  const std::vector<int> logColumns = gridColumns(Frame("rovede_axis_minor_grid_log.png"));
  expected.clear();
  for (const double decade : {1, 10})
    for (int k = 2; k <= 9; ++k) expected.push_back(bottom.CalcPosValue(k * decade));
  expectNear(logColumns, expected);
}

TEST_F(RovedeAxisDrawTest, AlternateLabelsPutTheFirstOneARowFurtherOut) {
  ROvedeAxis& bottom = chart_.Bottom();
  bottom.SetMinMax(0, 10);
  bottom.SetIncrement(5);
  bottom.SetLabelsAlternate(true);
  const TBitmap bitmap = Frame("rovede_axis_alternate.png");
  const int h = LabelHeight(bottom);
  const int y = bottom.PosLabels;
  ASSERT_GE(bottom.FrameLabels().Items.size(), 2u);
  const int first = bottom.FrameLabels().Items[0].Pos;
  const int second = bottom.FrameLabels().Items[1].Pos;
  EXPECT_EQ(DarkPixels(bitmap, first - 6, y, first + 6, y + h), 0);
  EXPECT_GT(DarkPixels(bitmap, first - 6, y + h, first + 6, y + 2 * h), 0);
  EXPECT_GT(DarkPixels(bitmap, second - 6, y, second + 6, y + h), 0);
  EXPECT_EQ(DarkPixels(bitmap, second - 6, y + h, second + 6, y + 2 * h), 0);
}

// The left title reads upwards: its ink is taller than wide, centred on the axis.
TEST_F(RovedeAxisDrawTest, TitlesSitInTheirBandsAndTurnWithTheirSide) {
  chart_.Bottom().Title().SetCaption("Time of day");
  chart_.Left().Title().SetCaption("Volts");
  const TBitmap bitmap = Frame("rovede_axis_titles.png");
  ROvedeAxis& bottom = chart_.Bottom();
  ROvedeAxis& left = chart_.Left();
  chart_.PrepareFont3D(bottom.Title().Font());
  const int h = chart_.Canvas().TextHeight("W");
  const int w = chart_.Canvas().TextWidth("Volts");
  const int c = bottom.ICenterPos();
  EXPECT_GT(DarkPixels(bitmap, c - 10, bottom.PosTitle, c + 10, bottom.PosTitle + h), 0);
  EXPECT_EQ(DarkPixels(bitmap, bottom.IStartPos() + 2, bottom.PosTitle, c - w - 20, bottom.PosTitle + h), 0);

  const int mid = left.ICenterPos();
  const int x0 = left.PosTitle - h;
  EXPECT_GT(DarkPixels(bitmap, x0, mid - w / 2, left.PosTitle, mid + w / 2), 0);
  EXPECT_EQ(DarkPixels(bitmap, x0, left.IStartPos() + 2, left.PosTitle, mid - w / 2 - 4), 0);
  EXPECT_EQ(DarkPixels(bitmap, x0, mid + w / 2 + 4, left.PosTitle, left.IEndPos() - 2), 0);
}

}  // namespace
}  // namespace quil
