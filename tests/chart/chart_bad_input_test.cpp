#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "chart/rovede.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"
#include "engine/value_list.h"
#include "panel/headless_host.h"
#include "series/surface/custom3d_series.h"
#include "support/hang_guard.h"

namespace quil {
namespace {

using testing::THangGuard;

constexpr double kHuge = 1e300;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Its parts are public: the tables of cases below set charts up through them.
class ChartBadInputTest : public ::testing::Test {
 public:
  ChartBadInputTest() {
    chart.SetBounds(0, 0, 600, 400);
    host = std::make_unique<THeadlessHost>(chart);
  }
  ~ChartBadInputTest() override {
    for (auto& s : series) s->SetParenrOvede(nullptr);
  }

  ROvedeAxis& Bottom() { return chart.Axes()[0]; }
  ROvedeAxis& Left() { return chart.Axes()[2]; }
  ROvedeAxis& Depth() { return chart.Axes()[4]; }

  template <class Series = ROvedeSeries>
  Series& AddSeries() {
    auto owned = std::make_unique<Series>();
    Series& added = *owned;
    added.SetParenrOvede(&chart);
    series.push_back(std::move(owned));
    return added;
  }

  ROvedeSeries& AddPoints(const std::vector<std::pair<double, double>>& points) {
    ROvedeSeries& s = AddSeries();
    for (const auto& [x, y] : points) s.AddXY(x, y);
    return s;
  }

  const TBitmap& Render(int width, int height) {
    const TBitmap& image = host->Render(width, height);
    EXPECT_EQ(image.Width(), width);
    EXPECT_EQ(image.Height(), height);
    return image;
  }

  // The chart rectangle a frame ends with is never turned inside out.
  void ExpectSaneChartRect() {
    const TRect& r = chart.ChartRect;
    EXPECT_LE(r.Left, r.Right) << "ChartRect " << r.Left << ".." << r.Right;
    EXPECT_LE(r.Top, r.Bottom) << "ChartRect " << r.Top << ".." << r.Bottom;
  }

  // The labels an axis drew lie inside the picture, apart from each other.
  void ExpectLabelsApartAndInside(const ROvedeAxis& axis) {
    SCOPED_TRACE(axis.Identifier());
    const std::vector<TRect>& boxes = axis.LabelBounds();
    const TRect picture = chart.ChartBounds();
    ASSERT_LE(boxes.size(), 2000u) << "more labels than a picture can hold apart";
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const TRect& b = boxes[i];
      EXPECT_FALSE(b.IsEmpty());
      EXPECT_TRUE(b.Left >= picture.Left && b.Top >= picture.Top && b.Right <= picture.Right &&
                  b.Bottom <= picture.Bottom)
          << "label " << i << " at " << b.Left << "," << b.Top << ".." << b.Right << "," << b.Bottom;
      for (std::size_t j = i + 1; j < boxes.size(); ++j)
        EXPECT_FALSE(Overlap(b, boxes[j])) << "labels " << i << " and " << j;
    }
  }

  void ExpectSaneFrame() {
    ExpectSaneChartRect();
    for (int i = 0; i < chart.Axes().Count(); ++i) {
      const ROvedeAxis& axis = chart.Axes()[i];
      ExpectLabelsApartAndInside(axis);
      for (const TAxisLabel& label : axis.FrameLabels().Items) {
        EXPECT_TRUE(std::isfinite(label.Value)) << axis.Identifier();
        EXPECT_LE(std::abs(label.Pos), 32767) << axis.Identifier();
      }
    }
  }

  THangGuard guard;
  ROvede chart;
  std::unique_ptr<THeadlessHost> host;
  std::vector<std::unique_ptr<ROvedeSeries>> series;
};

// Settings that would put every label on top of its neighbours if all were drawn.
struct TCrowdedCase {
  const char* name;
  int width, height;
  std::function<void(ChartBadInputTest&)> setup;
};

class ChartBadInputCrowdedLabels : public ChartBadInputTest,
                                   public ::testing::WithParamInterface<TCrowdedCase> {};

TEST_P(ChartBadInputCrowdedLabels, DrawOnlyLabelsThatFitApart) {
  GetParam().setup(*this);
  Render(GetParam().width, GetParam().height);
  ExpectSaneFrame();
  EXPECT_FALSE(Bottom().LabelBounds().empty() && Left().LabelBounds().empty()) << "something still fits";
}

void LongLabels(ChartBadInputTest& t) {
  t.AddPoints({{1e12, 0}, {1e12 + 50, 3e9}});
  t.Bottom().SetAxisValuesFormat("#,##0.0000000000");
  t.Left().SetAxisValuesFormat("#,##0.0000000000");
}

// Without separation an increment asked for is used as it is: 5000 labels along each axis
// (alternate rows halve the increment).
void TinyIncrementNoSeparation(ChartBadInputTest& t, double last = 50) {
  t.AddPoints({{0, 0}, {last, last}});
  for (ROvedeAxis* axis : {&t.Bottom(), &t.Left()}) {
    axis->SetLabelsSeparation(0);
    axis->SetIncrement(0.01);
  }
}

INSTANTIATE_TEST_SUITE_P(
    ChartBadInput, ChartBadInputCrowdedLabels,
    ::testing::Values(
        TCrowdedCase{"HugeRangeTinyIncrement", 600, 400,
                     [](ChartBadInputTest& t) {
                       t.AddPoints({{-1e15, -1e15}, {1e15, 1e15}});
                       t.Bottom().SetIncrement(1e-6);
                       t.Left().SetIncrement(1e-6);
                     }},
        TCrowdedCase{"DenormalIncrementAutomaticRange", 600, 400,
                     [](ChartBadInputTest& t) {
                       t.AddPoints({{0, 0}, {10, 10}});
                       t.Bottom().SetIncrement(5e-324);
                       t.Left().SetIncrement(5e-324);
                     }},
        TCrowdedCase{"TinyIncrementNoSeparation", 600, 400, [](ChartBadInputTest& t) { TinyIncrementNoSeparation(t); }},
        TCrowdedCase{"TinyIncrementAlternate", 600, 400,
                     [](ChartBadInputTest& t) {
                       TinyIncrementNoSeparation(t, 25);
                       t.Bottom().SetLabelsAlternate(true);
                       t.Left().SetLabelsAlternate(true);
                     }},
        TCrowdedCase{"LongTexts", 600, 400, LongLabels},
        TCrowdedCase{"LongTextsAngle45", 600, 400,
                     [](ChartBadInputTest& t) {
                       LongLabels(t);
                       t.Bottom().SetLabelsAngle(45);
                       t.Left().SetLabelsAngle(45);
                     }},
        TCrowdedCase{"LongTextsAngle90", 600, 400,
                     [](ChartBadInputTest& t) {
                       LongLabels(t);
                       t.Bottom().SetLabelsAngle(90);
                       t.Left().SetLabelsAngle(90);
                     }},
        TCrowdedCase{"TinyIncrementAngle45", 600, 400,
                     [](ChartBadInputTest& t) {
                       TinyIncrementNoSeparation(t);
                       t.Bottom().SetLabelsAngle(45);
                       t.Left().SetLabelsAngle(315);
                     }},
        TCrowdedCase{"FixedTinyLabelsBand", 600, 400,
                     [](ChartBadInputTest& t) {
                       LongLabels(t);
                       t.Bottom().SetLabelsSize(3);
                       t.Left().SetLabelsSize(3);
                     }},
        TCrowdedCase{"MultiLineTexts", 600, 400,
                     [](ChartBadInputTest& t) {
                       t.AddPoints({{0, 0}, {1e6, 1e6}});
                       for (ROvedeAxis* axis : {&t.Bottom(), &t.Left()}) {
                         axis->SetAxisValuesFormat("0 0 0 0 0 0 0");
                         axis->SetLabelsMultiLine(true);
                       }
                     }},
        TCrowdedCase{"Chart60PixelsTall", 600, 60,
                     [](ChartBadInputTest& t) {
                       t.chart.Title().SetText("Title");
                       LongLabels(t);
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

// The worst crowding that still draws, to look at: 5000 turned labels asked for on each axis.
TEST_F(ChartBadInputTest, CrowdedPictureKeepsReadableLabels) {
  TinyIncrementNoSeparation(*this);
  Bottom().SetLabelsAngle(45);
  chart.Title().SetText("5000 labels asked for");
  const TBitmap& image = Render(600, 400);
  cairo_surface_write_to_png(image.Surface(), QUIL_TEST_OUTPUT_DIR "/chart_bad_input_crowded.png");
  ExpectSaneFrame();
  EXPECT_GE(Bottom().FrameLabels().Items.size(), 4000u) << "the labels were all generated";
  for (ROvedeAxis* axis : {&Bottom(), &Left()}) {
    SCOPED_TRACE(axis->Identifier());
    const std::vector<int>& ticks = axis->FrameLabels().Ticks;
    EXPECT_GE(axis->LabelBounds().size(), 5u);
    EXPECT_LT(axis->LabelBounds().size(), 100u);
    ASSERT_EQ(ticks.size(), axis->LabelBounds().size()) << "ticks and grid go with the labels left out";
    for (std::size_t i = 2; i < ticks.size(); ++i)
      EXPECT_NEAR(ticks[i] - ticks[i - 1], ticks[1] - ticks[0], 1) << "evenly spaced, tick " << i;
  }

  Bottom().SetTickOnLabelsOnly(false);
  Render(600, 400);
  EXPECT_EQ(Bottom().FrameLabels().Ticks.size(), Bottom().FrameLabels().Items.size()) << "every value keeps its tick";
}

// Fixed label items collide just as generated ones: the first drawn stays, its neighbours go.
TEST_F(ChartBadInputTest, CollidingFixedItemsKeepTheFirstDrawn) {
  AddPoints({{0, 0}, {10, 10}});
  for (int i = 0; i < 50; ++i) Bottom().AddItem(5 + i * 0.001, "item " + std::to_string(i));
  Render(600, 400);
  ExpectSaneFrame();
  ASSERT_EQ(Bottom().LabelBounds().size(), 1u);
  const TRect& kept = Bottom().LabelBounds()[0];
  EXPECT_NEAR(kept.Left + kept.Width() / 2.0, Bottom().CalcPosValue(5), 1.0);
}

struct TSizeCase {
  int width, height;
};

class ChartBadInputTinyChart : public ChartBadInputTest, public ::testing::WithParamInterface<TSizeCase> {};

TEST_P(ChartBadInputTinyChart, DrawsWhatFitsWithASaneChartRect) {
  const auto [width, height] = GetParam();
  chart.Title().SetText("Title\rsecond line");
  chart.Foot().SetText("Foot");
  AddPoints({{0, 0}, {5, 1000}, {10, 2000}});
  AddSeries<TCustom3DSeries>().AddXY(3, 7);
  for (const bool view3D : {true, false})
    for (const bool walls : {true, false}) {
      SCOPED_TRACE(::testing::Message() << "3D " << view3D << " walls " << walls);
      chart.SetView3D(view3D);
      chart.SetView3DWalls(walls);
      Depth().SetVisible(view3D);
      EXPECT_NO_THROW(Render(width, height));
      ExpectSaneFrame();
      EXPECT_GE(chart.Width3D(), 0);
      EXPECT_GE(chart.SeriesWidth3D(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(ChartBadInput, ChartBadInputTinyChart,
                         ::testing::Values(TSizeCase{0, 0}, TSizeCase{1, 1}, TSizeCase{3, 3}, TSizeCase{10, 10},
                                           TSizeCase{40, 20}, TSizeCase{600, 1}, TSizeCase{1, 400}),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

// Every series in 3D gets a depth slot of its own; with slots of a pixel the box fits the chart
// and the depth axis shows the titles that fit apart.
TEST_F(ChartBadInputTest, ThreeHundredSeriesIn3D) {
  Depth().SetVisible(true);
  chart.SetChart3DPercent(1);
  for (int i = 0; i < 300; ++i) {
    ROvedeSeries& s = AddSeries();
    s.SetTitle("Series number " + std::to_string(i));
    for (int p = 0; p < 3; ++p) s.AddXY(p, i + p);
  }
  const TBitmap& image = Render(913, 705);
  cairo_surface_write_to_png(image.Surface(), QUIL_TEST_OUTPUT_DIR "/chart_bad_input_300_series.png");
  ExpectSaneFrame();
  EXPECT_GE(chart.SeriesWidth3D(), 0);
  EXPECT_GE(chart.Width3D(), 0);
  std::set<int> slots;
  for (const auto& s : series) {
    EXPECT_GE(s->ZOrder(), 0);
    EXPECT_LE(s->ZOrder(), chart.MaxZOrder());
    slots.insert(s->ZOrder());
  }
  EXPECT_EQ(slots.size(), series.size()) << "one slot each";
  EXPECT_GE(Depth().FrameLabels().Items.size(), 300u);
  EXPECT_GE(Depth().LabelBounds().size(), 3u);
  EXPECT_LT(Depth().LabelBounds().size(), 100u) << "300 titles cannot all fit apart";
}

// 300 slots of the default depth would be several times the chart's width and push the chart
// rectangle out of the picture; the slots shrink so that the box stays within the chart.
TEST_F(ChartBadInputTest, ThreeHundredSeriesKeepTheBoxInsideTheChart) {
  Depth().SetVisible(true);
  for (int i = 0; i < 300; ++i) AddPoints({{0, double(i)}, {1, double(i + 1)}});
  Render(913, 705);
  ExpectSaneFrame();
  const TRect bounds = chart.ChartBounds();
  EXPECT_GE(chart.ChartRect.Left, bounds.Left);
  EXPECT_LE(chart.ChartRect.Right, bounds.Right);
  EXPECT_GE(chart.ChartRect.Top, bounds.Top);
  EXPECT_LE(chart.ChartRect.Bottom, bounds.Bottom);
  EXPECT_LT(chart.Width3D(), chart.ChartBounds().Width());
  EXPECT_GT(chart.ChartRect.Height(), 150);
  EXPECT_GT(chart.ChartRect.Width(), 200);
}

TEST_F(ChartBadInputTest, ThreeHundredDeepSeriesIn3D) {
  Depth().SetVisible(true);
  for (int i = 0; i < 300; ++i) AddSeries<TCustom3DSeries>().AddXY(i, -i);
  Render(913, 705);
  ExpectSaneFrame();
  EXPECT_GE(chart.SeriesWidth3D(), 0);
  EXPECT_GE(chart.MaxZOrder(), 300);
  for (const auto& s : series) {
    EXPECT_GE(s->ZOrder(), 0);
    EXPECT_LE(s->ZOrder(), chart.MaxZOrder());
  }
}

// Data and ranges no axis can show as they are.
struct TValueCase {
  const char* name;
  std::function<void(ChartBadInputTest&)> setup;
};

class ChartBadInputValues : public ChartBadInputTest, public ::testing::WithParamInterface<TValueCase> {};

TEST_P(ChartBadInputValues, DrawSaneAxes) {
  GetParam().setup(*this);
  for (const bool view3D : {false, true}) {
    SCOPED_TRACE(view3D ? "3D" : "2D");
    chart.SetView3D(view3D);
    EXPECT_NO_THROW(Render(600, 400));
    ExpectSaneFrame();
    for (ROvedeAxis* axis : {&Bottom(), &Left()}) {
      EXPECT_TRUE(std::isfinite(axis->IMinimum())) << axis->Identifier();
      EXPECT_TRUE(std::isfinite(axis->IMaximum())) << axis->Identifier();
    }
  }
}

void DateTimeSpan(ChartBadInputTest& t, double days) {
  ROvedeSeries& s = t.AddPoints({{40000, 1}, {40000 + days, 2}});
  s.XValues().SetDateTime(true);
}

INSTANTIATE_TEST_SUITE_P(
    ChartBadInput, ChartBadInputValues,
    ::testing::Values(
        TValueCase{"PlusMinus1e300", [](ChartBadInputTest& t) { t.AddPoints({{-kHuge, -kHuge}, {kHuge, kHuge}}); }},
        TValueCase{"LargestDoubles",
                   [](ChartBadInputTest& t) {
                     const double m = std::numeric_limits<double>::max();
                     t.AddPoints({{-m, -m}, {m, m}});
                   }},
        TValueCase{"NaN", [](ChartBadInputTest& t) { t.AddPoints({{kNaN, kNaN}, {1, 2}, {3, kNaN}}); }},
        TValueCase{"Infinity", [](ChartBadInputTest& t) { t.AddPoints({{-kInf, 1}, {2, kInf}, {3, -kInf}}); }},
        TValueCase{"AllEqual", [](ChartBadInputTest& t) { t.AddPoints({{7, 7}, {7, 7}, {7, 7}}); }},
        TValueCase{"AllEqualHuge", [](ChartBadInputTest& t) { t.AddPoints({{kHuge, kHuge}, {kHuge, kHuge}}); }},
        TValueCase{"LogarithmicWithZeroAndNegative",
                   [](ChartBadInputTest& t) {
                     ROvedeSeries& s = t.AddPoints({{1, 1}, {10, 1000}});
                     t.Left().SetLogarithmic(true);
                     t.Bottom().SetLogarithmic(true);
                     s.AddXY(0, 0);
                     s.AddXY(-5, -100);
                   }},
        TValueCase{"LogarithmicTinyPositive",
                   [](ChartBadInputTest& t) {
                     t.AddPoints({{1e-300, 1e-300}, {1e300, 1e300}});
                     t.Left().SetLogarithmic(true);
                     t.Bottom().SetLogarithmic(true);
                   }},
        TValueCase{"InvertedRangeByCode",
                   [](ChartBadInputTest& t) {
                     t.AddPoints({{0, 0}, {10, 10}});
                     for (ROvedeAxis* axis : {&t.Bottom(), &t.Left()}) {
                       axis->SetAutomatic(false);
                       axis->SetStoredMinimum(10);
                       axis->SetStoredMaximum(5);
                     }
                   }},
        TValueCase{"DateTimeOneSecond", [](ChartBadInputTest& t) { DateTimeSpan(t, 1.0 / 86400); }},
        TValueCase{"DateTime3000Years", [](ChartBadInputTest& t) { DateTimeSpan(t, 3000 * 365.25); }},
        TValueCase{"DateTime3000YearsExactMonths",
                   [](ChartBadInputTest& t) {
                     DateTimeSpan(t, 3000 * 365.25);
                     t.Bottom().SetIncrement(30);
                   }},
        TValueCase{"DateTimeHugeValues",
                   [](ChartBadInputTest& t) {
                     ROvedeSeries& s = t.AddPoints({{-kHuge, 1}, {kHuge, 2}});
                     s.XValues().SetDateTime(true);
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// A second-long date-time axis steps in milliseconds, not by whole seconds or days.
TEST_F(ChartBadInputTest, DateTimeLabelsOfOneSecondAreDistinct) {
  DateTimeSpan(*this, 1.0 / 86400);
  Bottom().SetDateTimeFormat("hh:nn:ss.zzz");
  Render(600, 400);
  ExpectSaneFrame();
  const std::vector<TAxisLabel>& items = Bottom().FrameLabels().Items;
  ASSERT_GE(items.size(), 2u);
  std::set<std::string> texts;
  for (const TAxisLabel& label : items) texts.insert(label.Text);
  EXPECT_EQ(texts.size(), items.size()) << "sub-second steps show different times";
}

}  // namespace
}  // namespace quil
