#include <gtest/gtest.h>

#include "core/component.h"
#include "engine/color_palette.h"
#include "core/messages.h"
#include "engine/themed_series.h"
#include "engine/format_settings.h"
#include "series_test_support.h"

namespace quil {
namespace {

using testing::TLoggingSeries;
using testing::TSeriesEventLog;
using testing::TTestAxisPanel;

class SeriesChartTest : public ::testing::Test {
 protected:
  void SetUp() override { chart_.AddListener(events_); }
  void TearDown() override { SetDefaultColorPalette({}); }

  TLoggingSeries& NewSeries(const std::string& name = {}) {
    auto& series = MakeOwned<TLoggingSeries>(form_);
    series.SetName(name);
    return series;
  }

  TComponent form_;
  TTestAxisPanel& chart_ = MakeOwned<TTestAxisPanel>(form_);
  TSeriesEventLog events_;
};

using Events = std::vector<std::pair<ROvedeSeriesEvent, ROvedeSeries*>>;

TEST_F(SeriesChartTest, JoiningTellsListenersAndGivesAColour) {
  TLoggingSeries& series = NewSeries();
  int added = 0;
  chart_.OnAddSeries = [&](TCustomAxisPanel&, ROvedeSeries& s) { added += &s == &series; };
  chart_.AddSeries(series);
  EXPECT_EQ(series.ParenrOvede(), &chart_);
  EXPECT_EQ(chart_.SeriesCount(), 1);
  EXPECT_EQ(added, 1);
  EXPECT_EQ(events_.Events, (Events{{seChangeColor, &series}, {seAdd, &series}}));
  EXPECT_EQ(series.SeriesColor(), clRed);
  EXPECT_EQ(series.Color(), clQuilColor);
}

TEST_F(SeriesChartTest, SettingTheSameChartTwiceAddsOnce) {
  TLoggingSeries& series = NewSeries();
  series.SetParenrOvede(&chart_);
  series.SetParenrOvede(&chart_);
  chart_.AddSeries(series);
  chart_.InternalAddSeries(series);
  EXPECT_EQ(chart_.SeriesCount(), 1);
}

TEST_F(SeriesChartTest, RemovingClearsBothLinksAndTellsInOrder) {
  TLoggingSeries& series = NewSeries();
  chart_.AddSeries(series);
  events_.Events.clear();
  std::vector<std::string> order;
  chart_.OnRemoveSeries = [&](TCustomAxisPanel&, ROvedeSeries&) { order.push_back("OnRemoveSeries"); };

  chart_.RemoveSeries(series);

  EXPECT_EQ(series.ParenrOvede(), nullptr);
  EXPECT_EQ(chart_.SeriesCount(), 0);
  EXPECT_EQ(events_.Events, (Events{{seRemove, &series}, {seAfterRemove, &series}}));
  EXPECT_EQ(order.size(), 1u);
  chart_.RemoveSeries(series);  // not listed: nothing
  EXPECT_EQ(events_.Events.size(), 2u);
}

TEST_F(SeriesChartTest, SeriesEventsArriveInOrder) {
  TLoggingSeries& series = NewSeries();
  chart_.AddSeries(series);
  events_.Events.clear();
  series.SetTitle("T");
  series.SetTitle("T");
  series.SetSeriesColor(clBlue);
  series.SetActive(false);
  series.BeginUpdate();
  series.Add(1);
  series.Add(2);
  series.EndUpdate();
  EXPECT_EQ(events_.Events, (Events{{seChangeTitle, &series},
                                    {seChangeColor, &series},
                                    {seChangeActive, &series},
                                    {seDataChanged, &series}}));
  chart_.DoNotBroadcast = true;
  series.SetTitle("U");
  EXPECT_EQ(events_.Events.size(), 4u);
}

TEST_F(SeriesChartTest, DestroyingASeriesTakesItOut) {
  TLoggingSeries& a = NewSeries("A");
  TLoggingSeries& b = NewSeries("B");
  chart_.AddSeries(a);
  chart_.AddSeries(b);
  form_.DestroyComponent(a);
  ASSERT_EQ(chart_.SeriesCount(), 1);
  EXPECT_EQ(&chart_.Series(0), &b);
}

TEST_F(SeriesChartTest, DestroyingTheChartLeavesSeriesWithoutOne) {
  TLoggingSeries& series = NewSeries();
  chart_.AddSeries(series);
  form_.DestroyComponent(chart_);
  EXPECT_EQ(series.ParenrOvede(), nullptr);
  series.Add(1);  // repaints nothing, fails nothing
}

TEST_F(SeriesChartTest, AutomaticColoursComeFromThePaletteInTurn) {
  TLoggingSeries& a = NewSeries();
  TLoggingSeries& b = NewSeries();
  TLoggingSeries& own = NewSeries();
  own.SetSeriesColor(clGreen);
  TLoggingSeries& c = NewSeries();
  for (auto* s : {&a, &own, &b, &c}) chart_.AddSeries(*s);
  EXPECT_EQ(a.SeriesColor(), clRed);
  EXPECT_EQ(own.SeriesColor(), clGreen);
  // Green is taken by the series with a colour of its own.
  EXPECT_EQ(b.SeriesColor(), clYellow);
  EXPECT_EQ(c.SeriesColor(), clBlue);

  chart_.SetColorPalette({clNavy, clTeal});
  EXPECT_EQ(a.SeriesColor(), clNavy);
  EXPECT_EQ(b.SeriesColor(), clTeal);
  EXPECT_EQ(own.SeriesColor(), clGreen);
  // Every palette colour is taken: the colour at index (number of series).
  EXPECT_EQ(c.SeriesColor(), chart_.GetDefaultColor(4));

  b.SetSeriesColor(clFuchsia);
  b.SetDefaultColor();
  EXPECT_EQ(b.Color(), clQuilColor);
  EXPECT_EQ(b.SeriesColor(), clTeal);
}

TEST_F(SeriesChartTest, AssigningTheAutomaticColourKeepsTheSeriesAutomatic) {
  TLoggingSeries& series = NewSeries();
  chart_.AddSeries(series);
  series.SetSeriesColor(series.SeriesColor());
  EXPECT_EQ(series.Color(), clQuilColor);
}

TEST_F(SeriesChartTest, EachPointTakesAPaletteColourByIndex) {
  TLoggingSeries& series = NewSeries();
  chart_.AddSeries(series);
  for (int i = 0; i < 25; ++i) series.Add(i);
  series.SetColorEachPoint(true);
  EXPECT_EQ(series.ValueColor(7), QuilColorPalette[7]);
  EXPECT_EQ(series.ValueColor(21), QuilColorPalette[1]);
  chart_.SetColorPalette({clBlack, clWhite, clGray});
  EXPECT_EQ(series.ValueColor(7), clWhite);
  series.SetValueColor(7, clNone);
  EXPECT_EQ(series.ValueColor(7), clNone);
}

TEST_F(SeriesChartTest, GlobalPaletteCanBeReplacedAndRestored) {
  SetDefaultColorPalette({clSilver});
  EXPECT_EQ(GetDefaultColor(5), clSilver);
  SetDefaultColorPalette({});
  EXPECT_EQ(QuilColorPalette.size(), 20u);
  EXPECT_EQ(GetDefaultColor(19), clMedGray);
  EXPECT_EQ(GetDefaultColor(20), clRed);
}

TEST_F(SeriesChartTest, TwoSeriesTakeDepthSlotsBackToFront) {
  TLoggingSeries& first = NewSeries();
  TLoggingSeries& second = NewSeries();
  chart_.AddSeries(first);
  chart_.AddSeries(second);
  chart_.SetSeriesZOrder();
  EXPECT_EQ(chart_.MaxZOrder(), 1);
  EXPECT_EQ(first.IZOrder(), 1);
  EXPECT_EQ(second.IZOrder(), 0);

  chart_.InvertDepthAxis = true;
  chart_.SetSeriesZOrder();
  EXPECT_EQ(first.IZOrder(), 0);
  EXPECT_EQ(second.IZOrder(), 1);
}

TEST_F(SeriesChartTest, DepthSlotsSkipInactiveAndInternalSeriesAndFlatCharts) {
  TLoggingSeries& a = NewSeries();
  TLoggingSeries& hidden = NewSeries();
  TLoggingSeries& inner = NewSeries();
  TLoggingSeries& b = NewSeries();
  for (auto* s : {&a, &hidden, &inner, &b}) chart_.AddSeries(*s);
  hidden.SetActive(false);
  inner.SetInternalUse(true);
  chart_.SetSeriesZOrder();
  EXPECT_EQ(chart_.MaxZOrder(), 1);
  EXPECT_EQ(a.IZOrder(), 1);
  EXPECT_EQ(b.IZOrder(), 0);

  chart_.SetView3D(false);
  chart_.SetSeriesZOrder();
  EXPECT_EQ(chart_.MaxZOrder(), 0);
  EXPECT_EQ(a.IZOrder(), 0);
  EXPECT_EQ(b.IZOrder(), 0);
}

TEST_F(SeriesChartTest, ExplicitZOrderRaisesTheMaximum) {
  TLoggingSeries& a = NewSeries();
  TLoggingSeries& b = NewSeries();
  chart_.AddSeries(a);
  chart_.AddSeries(b);
  a.SetZOrder(3);
  chart_.SetSeriesZOrder();
  // The automatic series takes the slot after it.
  EXPECT_EQ(chart_.MaxZOrder(), 4);
  EXPECT_EQ(a.ZOrder(), 3);
  EXPECT_EQ(a.IZOrder(), 1);
  EXPECT_EQ(b.IZOrder(), 0);
}

// With the depth axis inverted the slots are the computed ones, however the frames before
// left them, and a flat chart puts every series in slot 0.
TEST_F(SeriesChartTest, InvertedDepthSlotsDoNotKeepAnEarlierFramesSlots) {
  TLoggingSeries& a = NewSeries();
  TLoggingSeries& b = NewSeries();
  chart_.AddSeries(a);
  chart_.AddSeries(b);
  a.SetZOrder(3);
  chart_.SetSeriesZOrder();
  chart_.InvertDepthAxis = true;
  chart_.SetSeriesZOrder();
  EXPECT_EQ(a.IZOrder(), 3);
  EXPECT_EQ(b.IZOrder(), 4);

  chart_.SetView3D(false);
  chart_.SetSeriesZOrder();
  EXPECT_EQ(a.IZOrder(), 0);
  EXPECT_EQ(b.IZOrder(), 0);
}

TEST_F(SeriesChartTest, DepthPositionsFollowTheSlot) {
  TLoggingSeries& series = NewSeries();
  chart_.AddSeries(series);
  chart_.SetSeriesWidth3D(10);
  series.SetIZOrder(2);
  series.CalcDepthPositions();
  EXPECT_EQ(series.StartZ(), 20);
  EXPECT_EQ(series.EndZ(), 30);
  EXPECT_EQ(series.MiddleZ(), 25);
  series.SetDepth(5);
  series.CalcDepthPositions();
  EXPECT_EQ(series.EndZ(), 25);
  EXPECT_EQ(series.MiddleZ(), 22);
}

TEST_F(SeriesChartTest, ExchangeWithinAndAcrossCharts) {
  TLoggingSeries& a = NewSeries("A");
  TLoggingSeries& b = NewSeries("B");
  chart_.AddSeries(a);
  chart_.AddSeries(b);
  TCustomAxisPanel::ExchangeSeries(a, b);
  EXPECT_EQ(&chart_.Series(0), &b);

  auto& other = MakeOwned<TTestAxisPanel>(form_);
  TLoggingSeries& c = NewSeries("C");
  other.AddSeries(c);
  TCustomAxisPanel::ExchangeSeries(a, c);
  EXPECT_EQ(a.ParenrOvede(), &other);
  EXPECT_EQ(c.ParenrOvede(), &chart_);
}

TEST_F(SeriesChartTest, FreeAllSeriesDestroysOwnedOnes) {
  chart_.AddSeries(NewSeries());
  chart_.AddSeries(TThemedSeries::StaticClass());
  TLoggingSeries unowned;
  chart_.AddSeries(unowned);
  const int components = form_.ComponentCount();
  chart_.FreeAllSeries(&TThemedSeries::StaticClass());
  EXPECT_EQ(chart_.SeriesCount(), 2);
  EXPECT_EQ(form_.ComponentCount(), components - 1);
  chart_.FreeAllSeries();
  EXPECT_EQ(chart_.SeriesCount(), 0);
  EXPECT_EQ(unowned.ParenrOvede(), nullptr);
}

TEST_F(SeriesChartTest, CountsAndLegendSeries) {
  TLoggingSeries& a = NewSeries("A");
  TLoggingSeries& b = NewSeries("B");
  TLoggingSeries& c = NewSeries("C");
  for (auto* s : {&a, &b, &c}) chart_.AddSeries(*s);
  b.SetActive(false);
  a.SetShowInLegend(false);
  EXPECT_EQ(chart_.CountActiveSeries(), 2);
  EXPECT_EQ(chart_.SeriesLegend(0, false), &b);
  EXPECT_EQ(chart_.SeriesLegend(1, false), &c);
  EXPECT_EQ(chart_.ActiveSeriesLegend(0), &c);
  EXPECT_EQ(chart_.ActiveSeriesLegend(1), nullptr);
  EXPECT_EQ(chart_.SeriesTitleLegend(5), "");
}

TEST_F(SeriesChartTest, TitlesForTheLegend) {
  TLoggingSeries& unnamed = NewSeries();
  TLoggingSeries& named = NewSeries("Named");
  chart_.AddSeries(unnamed);
  chart_.AddSeries(named);
  EXPECT_EQ(chart_.SeriesTitleLegend(0), QuilMsg_Series + "1");
  EXPECT_EQ(chart_.SeriesTitleLegend(1), "Named");
  named.SetTitle("  ");
  EXPECT_EQ(chart_.SeriesTitleOrName(named), "Named");
  named.SetTitle("two\r\nlines");
  EXPECT_EQ(chart_.SeriesTitleOrName(named, false), "two\r\nlines");
  EXPECT_EQ(chart_.SeriesTitleLegend(1), "two lines");
  named.SetLegendTitle("a\x06" "b");
  EXPECT_EQ(chart_.SeriesTitleLegend(1), "a b");
  ROvedeSeries loose;
  EXPECT_EQ(chart_.SeriesNameOrIndex(loose), "");
}

TEST(RemoveLineBreaks, OneBreakIsOneBlank) {
  const struct {
    std::string In;
    std::string Out;
  } cases[] = {
      {"plain", "plain"},        {"a\r\nb", "a b"},       {"a\n\rb", "a b"},        {"a\rb\nc", "a b c"},
      {"a\r\nb\r\nc", "a b  c"}, {"x\x06y\x06z", "x y z"}, {"a\n\rb\r\nc", "a b  c"}, {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.In);
    EXPECT_EQ(RemoveLineBreaks(c.In), c.Out);
  }
}

class SeriesLegendStringTest : public SeriesChartTest {
 protected:
  void SetUp() override {
    SeriesChartTest::SetUp();
    saved_ = QuilFormatSettings();
    QuilFormatSettings() = TFormatSettings{};
  }
  void TearDown() override {
    QuilFormatSettings() = saved_;
    SeriesChartTest::TearDown();
  }
  TFormatSettings saved_;
};

TEST_F(SeriesLegendStringTest, TextStyles) {
  TLoggingSeries& series = NewSeries();
  series.AddXY(1, 2.5, "A");
  series.AddXY(2, 7.5);
  series.AddXY(3, 1234.5678, "B");
  const std::string s(1, '\x06');
  const struct {
    int Index;
    TLegendTextStyle Style;
    std::string Text;
  } cases[] = {
      {0, ltsPlain, "A"},
      {0, ltsRightValue, "A" + s + "2.5"},
      {0, ltsLeftValue, "2.5" + s + "A"},
      {1, ltsLeftValue, "7.5"},
      {1, ltsRightValue, "7.5"},
      {0, ltsPercent, "0.2 %"},
      {0, ltsLeftPercent, "0.2 %" + s + "A"},
      {2, ltsValue, "1,234.568"},
      {2, ltsXValue, "3"},
      {2, ltsXAndValue, "3" + s + "1,234.568"},
      {0, ltsXAndText, "1" + s + "A"},
      {0, ltsXAndValueAndText, "1" + s + "2.5" + s + "A"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Index) + " " + LegendTextStyleInfo().Names[c.Style]);
    EXPECT_EQ(series.LegendString(c.Index, c.Style), c.Text);
  }
}

TEST_F(SeriesLegendStringTest, PercentOfNothingIsAHundred) {
  TLoggingSeries& series = NewSeries();
  series.Add(0);
  EXPECT_EQ(series.LegendString(0, ltsPercent), "100 %");
}

TEST_F(SeriesChartTest, LegendItemsAreThePoints) {
  TLoggingSeries& series = NewSeries();
  chart_.AddSeries(series);
  series.Add(1);
  series.AddNull(2.0);
  EXPECT_EQ(series.CountLegendItems(), 2);
  EXPECT_EQ(series.LegendItemColor(0), series.SeriesColor());
  EXPECT_EQ(series.LegendItemColor(1), clNone);
}

}  // namespace
}  // namespace quil
