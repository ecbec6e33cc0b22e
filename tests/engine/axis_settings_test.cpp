#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "axis_test_support.h"
#include "engine/axis_exception.h"

namespace quil {
namespace {

using axistest::TFakeSeriesSource;
using axistest::TScaleFixture;

struct TRejectedWrite {
  const char* Name;
  std::function<void(TAxisScale&)> Write;
  std::function<bool(const TAxisScale&)> Unchanged;
  const char* Message;
};

// Every invalid write raises AxisException with its text and leaves the setting as it was.
TEST(AxisSettings, InvalidWritesRaiseAxisExceptionWithTheirTexts) {
  const double nan = std::nan("");
  const TRejectedWrite cases[] = {
      {"Minimum above Maximum", [](TAxisScale& s) { s.SetMinimum(11); },
       [](const TAxisScale& s) { return s.Minimum() == 0; }, "Axis Minimum Value must be <= Maximum"},
      {"Maximum below Minimum", [](TAxisScale& s) { s.SetMaximum(-1); },
       [](const TAxisScale& s) { return s.Maximum() == 10; }, "Axis Maximum Value must be >= Minimum"},
      {"negative Increment", [](TAxisScale& s) { s.SetIncrement(-0.5); },
       [](const TAxisScale& s) { return s.Increment() == 0; }, "Axis increment must be >= 0"},
      {"NaN Increment", [nan](TAxisScale& s) { s.SetIncrement(nan); },
       [](const TAxisScale& s) { return s.Increment() == 0; }, "Axis increment must be >= 0"},
      {"base 1", [](TAxisScale& s) { s.SetLogarithmicBase(1); },
       [](const TAxisScale& s) { return s.LogarithmicBase() == 10; }, "Axis Logarithmic Base should be <> 1 and > 0"},
      {"base 0", [](TAxisScale& s) { s.SetLogarithmicBase(0); },
       [](const TAxisScale& s) { return s.LogarithmicBase() == 10; }, "Axis Logarithmic Base should be <> 1 and > 0"},
      {"negative base", [](TAxisScale& s) { s.SetLogarithmicBase(-2); },
       [](const TAxisScale& s) { return s.LogarithmicBase() == 10; }, "Axis Logarithmic Base should be <> 1 and > 0"},
      {"NaN base", [nan](TAxisScale& s) { s.SetLogarithmicBase(nan); },
       [](const TAxisScale& s) { return s.LogarithmicBase() == 10; }, "Axis Logarithmic Base should be <> 1 and > 0"},
      {"negative separation", [](TAxisScale& s) { s.SetLabelsSeparation(-1); },
       [](const TAxisScale& s) { return s.LabelsSeparation() == 10; }, "Labels Separation % must be greater than 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TAxisScale scale;
    scale.SetMinMax(0, 10);
    int notified = 0;
    scale.OnChange = [&](TAxisScaleChange) { ++notified; };
    try {
      c.Write(scale);
      ADD_FAILURE() << "no exception";
    } catch (const AxisException& e) {
      EXPECT_STREQ(e.what(), c.Message);
    }
    EXPECT_TRUE(c.Unchanged(scale));
    EXPECT_EQ(notified, 0);
  }
}

TEST(AxisSettings, LogarithmicNeedsARangeThatIsNotNegative) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({-5, 100});
  f.Scale.SetPositions(0, 300);
  try {
    f.Scale.SetLogarithmic(true);
    ADD_FAILURE() << "no exception";
  } catch (const EQuilError& e) {
    EXPECT_NE(dynamic_cast<const AxisException*>(&e), nullptr);
    EXPECT_STREQ(e.what(), "Logarithmic Axis Min and Max values should be >= 0");
  }
  EXPECT_FALSE(f.Scale.Logarithmic());

  f.Source = TFakeSeriesSource::WithValues({0, 100});
  EXPECT_NO_THROW(f.Scale.SetLogarithmic(true));
  EXPECT_TRUE(f.Scale.Logarithmic());
}

TEST(AxisSettings, ReadingAcceptsTheEndsInAnyOrder) {
  TAxisScale scale;
  scale.SetReading(true);
  scale.SetMinimum(50);
  scale.SetMaximum(20);
  scale.SetReading(false);
  EXPECT_EQ(scale.Minimum(), 50);
  EXPECT_EQ(scale.Maximum(), 20);
  EXPECT_THROW(scale.SetMinimum(60), AxisException);
}

TEST(AxisSettings, AutomaticFlagsFollowEachOther) {
  TAxisScale scale;
  scale.SetAutomatic(false);
  EXPECT_FALSE(scale.AutomaticMinimum());
  EXPECT_FALSE(scale.AutomaticMaximum());

  scale.SetAutomaticMinimum(true);
  EXPECT_FALSE(scale.Automatic());
  scale.SetAutomaticMaximum(true);
  EXPECT_TRUE(scale.Automatic());
  scale.SetAutomaticMaximum(false);
  EXPECT_FALSE(scale.Automatic());
  EXPECT_TRUE(scale.AutomaticMinimum());

  // A stored form sets each flag itself.
  scale.SetReading(true);
  scale.SetAutomatic(true);
  EXPECT_TRUE(scale.Automatic());
  EXPECT_FALSE(scale.AutomaticMaximum());
}

TEST(AxisSettings, OnlyRealChangesNotifyAndEndsAskForAScaleChange) {
  TAxisScale scale;
  std::vector<TAxisScaleChange> changes;
  scale.OnChange = [&](TAxisScaleChange change) { changes.push_back(change); };

  scale.SetMaximum(10);
  scale.SetMaximum(10);
  scale.SetIncrement(0);
  scale.SetLabelsAngle(90);
  scale.SetLabelsAngle(90);
  scale.SetAxisValuesFormat("#,##0.###");
  scale.SetInverted(true);
  scale.SetMinMax(2, 8);
  scale.SetMinMax(2, 8);
  EXPECT_EQ(changes, (std::vector<TAxisScaleChange>{TAxisScaleChange::Scale, TAxisScaleChange::Repaint,
                                                    TAxisScaleChange::Repaint, TAxisScaleChange::Scale}));
}

TEST(AxisSettings, Defaults) {
  TAxisScale scale;
  EXPECT_TRUE(scale.Automatic());
  EXPECT_EQ(scale.AxisValuesFormat(), "#,##0.###");
  EXPECT_EQ(scale.LogarithmicBase(), 10);
  EXPECT_EQ(scale.LabelsSeparation(), 10);
  EXPECT_TRUE(scale.RoundFirstLabel());
  EXPECT_TRUE(scale.ExactDateTime());
  EXPECT_TRUE(scale.LabelsOnAxis());
  EXPECT_EQ(scale.LabelStyle(), talAuto);
  EXPECT_EQ(AxisLabelStyleInfo().IndexOf("talPointValue"), talPointValue);
}

TEST(AxisSettings, LabelStyleComesFromTheSeries) {
  TScaleFixture f;
  EXPECT_EQ(f.Scale.CalcLabelStyle(), talNone);

  f.Source = TFakeSeriesSource::WithValues({1});
  EXPECT_EQ(f.Scale.CalcLabelStyle(), talValue);

  TAxisSeriesInfo marks;
  marks.LabelStyle = talMark;
  TAxisSeriesInfo text;
  text.LabelStyle = talText;
  f.Source.Series.push_back(marks);
  f.Source.Series.push_back(text);
  EXPECT_EQ(f.Scale.CalcLabelStyle(), talMark);

  f.Scale.SetLabelStyle(talValue);
  EXPECT_EQ(f.Scale.CalcLabelStyle(), talValue);

  TAxisScale sub;
  sub.SetMaster(&f.Scale);
  EXPECT_EQ(sub.CalcLabelStyle(), talValue);
}

TEST(AxisSettings, DepthAxisLabelsSeriesUnlessTheyHaveDepthValues) {
  TScaleFixture f(TAxisDirection::Depth);
  EXPECT_EQ(f.Scale.CalcLabelStyle(), talText);
  f.Source = TFakeSeriesSource::WithValues({1});
  EXPECT_EQ(f.Scale.CalcLabelStyle(), talText);
  f.Source.Series[0].HasDepthValues = true;
  EXPECT_EQ(f.Scale.CalcLabelStyle(), talValue);
}

}  // namespace
}  // namespace quil
