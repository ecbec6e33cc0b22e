#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "canvas/canvas3d.h"
#include "chart/rovede.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"
#include "panel/headless_host.h"

namespace quil {
namespace {

// A series that draws a 5 x 5 square at each point's pixel, so the pictures show where the
// axes put the points.
class TDotSeries : public ROvedeSeries {
 public:
  void DrawValue(int index) override {
    TCanvas3D& canvas = ParenrOvede()->Canvas();
    canvas.Brush().SetColor(clRed);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetColor(clRed);
    const int x = CalcXPos(index);
    const int y = CalcYPos(index);
    canvas.RectangleWithZ({x - 2, y - 2, x + 3, y + 3}, StartZ());
    drawn.push_back({x, y});
  }
  void CalcHorizMargins(int& left, int& right) override {
    left = horizMargins.X;
    right = horizMargins.Y;
  }
  void CalcVerticalMargins(int& top, int& bottom) override {
    top = vertMargins.X;
    bottom = vertMargins.Y;
  }

  std::vector<TPoint> drawn;
  TPoint horizMargins{0, 0};
  TPoint vertMargins{0, 0};
};

class SeriesAxesTest : public ::testing::Test {
 protected:
  SeriesAxesTest() {
    chart.SetBounds(0, 0, 600, 400);
    chart.View3DOptions().SetOrthogonal(true);
    host = std::make_unique<THeadlessHost>(chart);
  }

  ROvedeAxis& Axis(const char* identifier) {
    for (int i = 0; i < chart.Axes().Count(); ++i)
      if (chart.Axes()[i].Identifier() == identifier) return chart.Axes()[i];
    throw std::logic_error(identifier);
  }

  TDotSeries& AddDots(const std::vector<std::pair<double, double>>& points) {
    auto& s = *series.emplace_back(std::make_unique<TDotSeries>());
    s.SetParenrOvede(&chart);
    for (const auto& [x, y] : points) s.AddXY(x, y);
    return s;
  }

  ROvede chart;
  std::unique_ptr<THeadlessHost> host;
  std::vector<std::unique_ptr<TDotSeries>> series;
};

TEST_F(SeriesAxesTest, SeriesResolveTheirAxesFromTheirChoices) {
  TDotSeries& s = AddDots({});
  EXPECT_EQ(s.GetHorizAxis(), &Axis("Bottom"));
  EXPECT_EQ(s.GetVertAxis(), &Axis("Left"));
  const struct {
    THorizAxis horiz;
    TVertAxis vert;
    const char* horizAxis;
    const char* vertAxis;
  } cases[] = {
      {aTopAxis, aRightAxis, "Top", "Right"},
      {aBothHorizAxis, aBothVertAxis, "Bottom", "Left"},
      {aBottomAxis, aLeftAxis, "Bottom", "Left"},
      {aCustomHorizAxis, aCustomVertAxis, "Bottom", "Left"},  // no custom axis given
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.horizAxis);
    s.SetHorizAxis(c.horiz);
    s.SetVertAxis(c.vert);
    EXPECT_EQ(s.GetHorizAxis(), &Axis(c.horizAxis));
    EXPECT_EQ(s.GetVertAxis(), &Axis(c.vertAxis));
  }
  s.SetParenrOvede(nullptr);
  EXPECT_EQ(s.GetHorizAxis(), nullptr);
  EXPECT_EQ(s.GetVertAxis(), nullptr);
  EXPECT_EQ(s.CalcXPosValue(5), 0);
  EXPECT_EQ(s.XScreenToValue(5), 0);
}

TEST_F(SeriesAxesTest, AssociationAndValueListsFollowTheResolvedAxes) {
  TDotSeries& s = AddDots({{1, 2}});
  EXPECT_TRUE(s.AssociatedToAxis(Axis("Bottom")));
  EXPECT_FALSE(s.AssociatedToAxis(Axis("Top")));
  EXPECT_TRUE(s.AssociatedToAxis(Axis("Depth")));
  EXPECT_EQ(s.ValueListOfAxis(Axis("Bottom")), &s.XValues());
  EXPECT_EQ(s.ValueListOfAxis(Axis("Left")), &s.YValues());
  EXPECT_EQ(s.ValueListOfAxis(Axis("Right")), nullptr);
  EXPECT_EQ(s.ValueListOfAxis(Axis("Depth")), nullptr);
  s.SetHorizAxis(aBothHorizAxis);
  EXPECT_TRUE(s.AssociatedToAxis(Axis("Top")));
  EXPECT_EQ(chart.GetAxisSeries(Axis("Top")), &s);
  EXPECT_EQ(chart.GetAxisSeries(Axis("Right")), nullptr);

  s.SetXLabel(0, "first");
  EXPECT_EQ(s.AxisLabelStyle(Axis("Bottom")), talText);
  EXPECT_EQ(s.AxisLabelStyle(Axis("Left")), talValue);
}

// An axis is shown when an active series draws against it, by the same rule the series uses.
TEST_F(SeriesAxesTest, TheAxesShownAreTheOnesTheSeriesDrawAgainst) {
  TDotSeries& s = AddDots({{0, 0}, {1, 1}});
  s.SetHorizAxis(aTopAxis);
  host->Render();
  EXPECT_TRUE(chart.TopAxis().IsVisible());
  EXPECT_FALSE(chart.BottomAxis().IsVisible());
  // A custom choice without a custom axis draws against the bottom axis, which then shows.
  s.SetHorizAxis(aCustomHorizAxis);
  host->Render();
  EXPECT_TRUE(chart.BottomAxis().IsVisible());
  EXPECT_FALSE(chart.TopAxis().IsVisible());
}

// The first series sits at the back and is drawn first; inverting the depth axis brings it to
// the front, and the series behind it are then drawn before it.
TEST_F(SeriesAxesTest, AnInvertedDepthAxisBringsTheFirstSeriesToTheFront) {
  TDotSeries& first = AddDots({{0, 0}});
  TDotSeries& second = AddDots({{1, 1}});
  std::vector<const ROvedeSeries*> order;
  chart.OnDrawValue = [&](ROvedeSeries& s, int) { order.push_back(&s); };
  host->Render();
  EXPECT_EQ(first.IZOrder(), 1);
  EXPECT_EQ(second.IZOrder(), 0);
  EXPECT_EQ(order, (std::vector<const ROvedeSeries*>{&first, &second}));

  chart.DepthAxis().SetInverted(true);
  order.clear();
  host->Render();
  EXPECT_EQ(first.IZOrder(), 0);
  EXPECT_EQ(second.IZOrder(), 1);
  EXPECT_LT(first.StartZ(), second.StartZ());
  EXPECT_EQ(order, (std::vector<const ROvedeSeries*>{&second, &first}));
}

TEST_F(SeriesAxesTest, GetAxisSeriesPrefersAnActiveSeries) {
  TDotSeries& hidden = AddDots({});
  TDotSeries& shown = AddDots({});
  hidden.SetActive(false);
  EXPECT_EQ(chart.GetAxisSeries(Axis("Left")), &shown);
  shown.SetActive(false);
  EXPECT_EQ(chart.GetAxisSeries(Axis("Left")), &hidden);
}

TEST_F(SeriesAxesTest, PointPixelsMatchTheAxesAndInvertBack) {
  TDotSeries& s = AddDots({{0, 0}, {5, 50}, {10, 100}});
  host->Render();
  const ROvedeAxis& bottom = Axis("Bottom");
  const ROvedeAxis& left = Axis("Left");
  ASSERT_EQ(s.drawn.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s.CalcXPos(i), bottom.CalcXPosValue(s.XValue(i)));
    EXPECT_EQ(s.CalcYPos(i), left.CalcYPosValue(s.YValue(i)));
    EXPECT_EQ(s.drawn[static_cast<std::size_t>(i)], (TPoint{s.CalcXPos(i), s.CalcYPos(i)}));
    EXPECT_TRUE(s.IsPointInChartRect(i));
  }
  // The ends of the data sit on the ends of the axes.
  EXPECT_EQ(s.CalcXPos(0), bottom.IStartPos());
  EXPECT_EQ(s.CalcXPos(2), bottom.IEndPos());
  EXPECT_EQ(s.CalcYPos(2), left.IStartPos());
  EXPECT_EQ(s.CalcYPos(0), left.IEndPos());
  EXPECT_NEAR(s.XScreenToValue(s.CalcXPos(1)), 5, 10.0 / bottom.IAxisSize());
  EXPECT_NEAR(s.YScreenToValue(s.CalcYPos(1)), 50, 100.0 / left.IAxisSize());
  EXPECT_EQ(s.CalcXSizeValue(10), bottom.IAxisSize());
  EXPECT_EQ(s.CalcPosValue(100), s.CalcYPosValue(100));
  s.SetYMandatory(false);
  EXPECT_EQ(s.CalcPosValue(10), s.CalcXPosValue(10));
}

TEST_F(SeriesAxesTest, PointsOutsideAFixedRangeAreOutsideTheChartRect) {
  TDotSeries& s = AddDots({{0, 0}, {5, 500}});
  Axis("Left").SetMinMax(0, 100);
  host->Render();
  EXPECT_TRUE(s.IsPointInChartRect(0));
  EXPECT_FALSE(s.IsPointInChartRect(1));
}

TEST_F(SeriesAxesTest, OnlyPointsInsideTheHorizontalRangeAreDrawn) {
  TDotSeries& s = AddDots({{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}});
  Axis("Bottom").SetMinMax(1, 3);
  host->Render();
  EXPECT_EQ(s.FirstVisibleIndex(), 1);
  EXPECT_EQ(s.LastVisibleIndex(), 3);
  EXPECT_EQ(s.drawn.size(), 3u);
}

TEST_F(SeriesAxesTest, SeriesMarginsWidenOnlyAutomaticEnds) {
  TDotSeries& s = AddDots({{0, 0}, {10, 100}});
  s.horizMargins = {20, 30};
  s.vertMargins = {15, 25};
  host->Render();
  const ROvedeAxis& bottom = Axis("Bottom");
  const ROvedeAxis& left = Axis("Left");
  EXPECT_NEAR(s.CalcXPos(0), bottom.IStartPos() + 20, 1);
  EXPECT_NEAR(s.CalcXPos(1), bottom.IEndPos() - 30, 1);
  EXPECT_NEAR(s.CalcYPos(1), left.IStartPos() + 15, 1);
  EXPECT_NEAR(s.CalcYPos(0), left.IEndPos() - 25, 1);

  Axis("Bottom").SetAutomaticMinimum(false);
  Axis("Bottom").SetMinimum(0);
  host->Render();
  EXPECT_EQ(s.CalcXPos(0), bottom.IStartPos());
  EXPECT_NEAR(s.CalcXPos(1), bottom.IEndPos() - 30, 1);
}

TEST_F(SeriesAxesTest, OffsetsMoveTheEndsInwardsAndSwapWhenInverted) {
  TDotSeries& s = AddDots({{0, 0}, {10, 100}});
  ROvedeAxis& bottom = Axis("Bottom");
  bottom.SetMinimumOffset(12);
  bottom.SetMaximumOffset(40);
  host->Render();
  EXPECT_NEAR(s.CalcXPos(0), bottom.IStartPos() + 12, 1);
  EXPECT_NEAR(s.CalcXPos(1), bottom.IEndPos() - 40, 1);
  bottom.SetInverted(true);
  host->Render();
  EXPECT_NEAR(s.CalcXPos(0), bottom.IEndPos() - 12, 1);
  EXPECT_NEAR(s.CalcXPos(1), bottom.IStartPos() + 40, 1);
}

TEST_F(SeriesAxesTest, ACustomAxisGoingAwayLeavesTheSeriesOnTheStandardAxis) {
  TDotSeries& s = AddDots({{0, 0}});
  auto custom = std::make_unique<ROvedeAxis>(&chart, false, false);
  chart.Axes().Add(*custom);
  s.SetCustomVertAxis(custom.get());
  EXPECT_EQ(s.GetVertAxis(), custom.get());
  EXPECT_TRUE(s.AssociatedToAxis(*custom));
  custom.reset();
  EXPECT_EQ(s.CustomVertAxis(), nullptr);
  EXPECT_EQ(s.GetVertAxis(), &Axis("Left"));
  host->Render();
}

TEST(SeriesAxesLifetime, ASeriesOutlivingItsChartHasNoAxes) {
  TDotSeries s;
  {
    ROvede chart;
    s.SetParenrOvede(&chart);
    ASSERT_NE(s.GetHorizAxis(), nullptr);
  }
  EXPECT_EQ(s.ParenrOvede(), nullptr);
  EXPECT_EQ(s.GetHorizAxis(), nullptr);
  EXPECT_EQ(s.GetVertAxis(), nullptr);
  EXPECT_EQ(s.CalcYPosValue(3), 0);
}

// Points added by code: the axes pick ranges around them, label them with round values that
// do not crowd each other and draw a grid line at every label inside the axis.
TEST_F(SeriesAxesTest, AFewPointsGiveSensibleLabelsAndGrids) {
  chart.Title().SetText({"Points"});
  AddDots({{1, 12}, {2, 47}, {3, 33}, {4, 80}, {5, 61}});
  const TBitmap& image = host->Render();
  image.SaveToPNGFile(std::string(QUIL_TEST_OUTPUT_DIR) + "/chart_points.png");

  for (const char* id : {"Bottom", "Left"}) {
    SCOPED_TRACE(id);
    const ROvedeAxis& axis = Axis(id);
    const TAxisLabels& labels = axis.FrameLabels();
    ASSERT_GE(labels.Items.size(), 4u);
    ASSERT_LE(labels.Items.size(), 20u);
    std::set<std::string> texts;
    for (std::size_t i = 0; i < labels.Items.size(); ++i) {
      const TAxisLabel& label = labels.Items[i];
      texts.insert(label.Text);
      EXPECT_GT(label.Pos, axis.IStartPos() - 1);
      EXPECT_LT(label.Pos, axis.IEndPos() + 1);
      EXPECT_EQ(label.Text.find('.'), std::string::npos) << label.Text;
      if (i > 0) {
        EXPECT_LT(label.Value, labels.Items[i - 1].Value);
      }
    }
    EXPECT_EQ(texts.size(), labels.Items.size());
  }
  const TAxisLabels& bottomLabels = Axis("Bottom").FrameLabels();
  EXPECT_EQ(bottomLabels.Items.front().Text, "5");
  EXPECT_EQ(bottomLabels.Items.back().Text, "1");
  const TAxisLabels& leftLabels = Axis("Left").FrameLabels();
  EXPECT_EQ(leftLabels.Items.front().Value, 80);
  EXPECT_LE(leftLabels.Items.back().Value, 20);

  // Horizontal grid lines of the left axis: grey pixels on the back wall at each inner label.
  const ROvedeAxis& left = Axis("Left");
  const int x = (chart.ChartRect.Left + chart.ChartRect.Right) / 2 + chart.Width3D() / 2;
  int gridRows = 0;
  for (const TAxisLabel& label : leftLabels.Items) {
    if (label.Pos <= left.IStartPos() || label.Pos >= left.IEndPos()) continue;
    bool grey = false;
    for (int dy = -chart.Width3D() - 2; dy <= 2 && !grey; ++dy)
      grey = image.Pixel(x, label.Pos + dy) == TColor(0xC0C0C0);
    if (grey) ++gridRows;
  }
  EXPECT_GE(gridRows, 3);
}

TEST_F(SeriesAxesTest, PointLabelsLabelTheAxisOfThePositions) {
  TDotSeries& s = AddDots({});
  const std::vector<std::string> months = {"Jan", "Feb", "Mar", "Apr"};
  for (std::size_t i = 0; i < months.size(); ++i) s.AddXY(double(i), 10.0 * double(i + 1), months[i]);
  host->Render();
  std::vector<std::string> texts;
  for (const TAxisLabel& label : Axis("Bottom").FrameLabels().Items) {
    texts.push_back(label.Text);
    EXPECT_EQ(label.Pos, s.CalcXPosValue(label.Value));
  }
  EXPECT_EQ(texts, months);
  // The mandatory axis still shows values.
  EXPECT_EQ(Axis("Left").FrameLabels().Items.front().Text, "40");

  Axis("Bottom").SetLabelStyle(talPointValue);
  host->Render();
  EXPECT_EQ(Axis("Bottom").FrameLabels().Items.back().Text, "3");
  Axis("Bottom").SetLabelStyle(talMark);
  s.OnGetMarkText = [](ROvedeSeries&, int index, std::string& text) { text += std::to_string(index); };
  host->Render();
  EXPECT_EQ(Axis("Bottom").FrameLabels().Items.front().Text, "Jan0");
}

// A vertical axis labelled by marks measures its widest label and then places its labels; the
// marks' texts are asked for once a drawing, and a drawing never sees an earlier one's texts.
TEST_F(SeriesAxesTest, MarkLabelsAreCollectedOnceADrawing) {
  TDotSeries& s = AddDots({});
  for (int i = 0; i < 5; ++i) s.AddXY(i, 10.0 * (i + 1), std::string("P").append(std::to_string(i)));
  Axis("Left").SetLabelStyle(talMark);
  int asked = 0;
  s.OnGetMarkText = [&](ROvedeSeries&, int, std::string& text) {
    ++asked;
    text.insert(0, "first ");
  };
  host->Render();
  EXPECT_EQ(asked, 5);
  ASSERT_FALSE(Axis("Left").FrameLabels().Items.empty());
  EXPECT_EQ(Axis("Left").FrameLabels().Items.front().Text.rfind("first ", 0), 0u);

  s.OnGetMarkText = [](ROvedeSeries&, int, std::string& text) { text.insert(0, "next "); };
  chart.Invalidate();
  host->Render();
  EXPECT_EQ(Axis("Left").FrameLabels().Items.front().Text.rfind("next ", 0), 0u);
}

TEST_F(SeriesAxesTest, CrowdedPointLabelsKeepClearOfEachOther) {
  TDotSeries& s = AddDots({});
  for (int i = 0; i < 400; ++i) s.AddXY(i, i % 7, "Label " + std::to_string(i));
  host->Render();
  const TAxisLabels& labels = Axis("Bottom").FrameLabels();
  ASSERT_GT(labels.Items.size(), 3u);
  ASSERT_LT(labels.Items.size(), 100u);
  for (std::size_t i = 1; i < labels.Items.size(); ++i) {
    const int width = chart.Canvas().TextWidth(labels.Items[i].Text);
    EXPECT_GE(labels.Items[i].Pos - labels.Items[i - 1].Pos, width) << labels.Items[i].Text;
  }
  // The labels spaced that way are all drawn, not thinned again by their boxes.
  const std::size_t spaced = labels.Items.size();
  EXPECT_EQ(Axis("Bottom").LabelBounds().size(), spaced);
  // No separation asks for every label, even where they overlap.
  Axis("Bottom").SetLabelsSeparation(0);
  host->Render();
  EXPECT_EQ(Axis("Bottom").FrameLabels().Items.size(), 400u);
  EXPECT_GE(Axis("Bottom").LabelBounds().size(), 398u) << "only the ends may reach outside the chart";
  // A wider separation keeps the labels further apart.
  Axis("Bottom").SetLabelsSeparation(100);
  host->Render();
  EXPECT_LT(Axis("Bottom").FrameLabels().Items.size(), spaced);
}

TEST_F(SeriesAxesTest, AWallWithThicknessPushesItsAxisOutwards) {
  AddDots({{0, 0}, {10, 100}});
  host->Render();
  const int flatLeft = chart.ChartRect.Left;
  const int flatBottom = chart.ChartRect.Bottom;
  chart.LeftWall().SetSize(10);
  chart.BottomWall().SetSize(7);
  host->Render();
  EXPECT_EQ(chart.ChartRect.Left, flatLeft + 10);
  EXPECT_EQ(chart.ChartRect.Bottom, flatBottom - 7);
  EXPECT_EQ(chart.LeftAxis().IWallSize, 10);
}

// Seen from the left (ortho angle above 90) the left wall stands in front of the series: it
// is drawn after them and its axis is drawn again over it.
TEST_F(SeriesAxesTest, AWallDrawnAfterTheSeriesCoversThemAndKeepsItsAxis) {
  chart.View3DOptions().SetOrthoAngle(135);
  chart.SetChart3DPercent(60);
  TDotSeries& back = AddDots({{0, 50}, {10, 60}});
  AddDots({{0, 0}, {10, 100}});
  const TBitmap& image = host->Render();
  image.SaveToPNGFile(std::string(QUIL_TEST_OUTPUT_DIR) + "/chart_left_wall_in_front.png");
  ASSERT_GT(back.StartZ(), 0) << "the first series lies behind the front";
  // The first point of the series behind the front sits on the left wall's plane, under the
  // wall drawn after it.
  const TPoint p = chart.Canvas().Calculate3DPosition(back.CalcXPos(0), back.CalcYPos(0), back.StartZ());
  for (int dx = -2; dx <= 2; ++dx) EXPECT_NE(image.Pixel(p.X + dx, p.Y), clRed) << dx;
  const TRect& r = chart.ChartRect;
  int axisPixels = 0;
  for (int y = r.Top + 5; y < r.Bottom - 5; ++y) axisPixels += image.Pixel(chart.LeftAxis().PosAxis - 1, y) == clBlack;
  EXPECT_GT(axisPixels, (r.Bottom - r.Top) / 2) << "the left axis line over the wall";
}

}  // namespace
}  // namespace quil
