#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/properties.h"
#include "series/surface/surface_series.h"

namespace quil {
namespace {

// The settings a stored surface series holds beyond the shared series ones, with a value other
// than the default for each.
struct TStoredValue {
  const char* name;
  TPropValue value;
};

const std::vector<TStoredValue>& ChangedValues() {
  static const std::vector<TStoredValue> values{
      {"StartColor", int64_t{0x123456}}, {"MidColor", int64_t{0x808080}}, {"EndColor", int64_t{0}},
      {"UseColorRange", int64_t{0}},     {"UsePalette", int64_t{1}},      {"PaletteStyle", int64_t{psGrayScale}},
      {"PaletteSteps", int64_t{7}},      {"PaletteMin", 2.5},             {"PaletteStep", 0.25},
      {"UsePaletteMin", int64_t{1}},     {"LegendEvery", int64_t{3}},     {"TimesZOrder", int64_t{5}},
      {"IrregularGrid", int64_t{1}},     {"NumXValues", int64_t{20}},     {"NumZValues", int64_t{30}},
      {"DotFrame", int64_t{1}},          {"FastBrush", int64_t{1}},       {"HideCells", int64_t{0}},
      {"SmoothPalette", int64_t{1}},
  };
  return values;
}

TEST(SurfaceProperties, NothingIsStoredForAFreshSeries) {
  TSurfaceSeries series;
  for (const TStoredValue& v : ChangedValues()) {
    const TPropInfo* p = TSurfaceSeries::StaticClass().FindProperty(v.name);
    ASSERT_NE(p, nullptr) << v.name;
    EXPECT_FALSE(p->IsStored(series)) << v.name;
  }
}

TEST(SurfaceProperties, StoredValuesReadBackEqual) {
  TSurfaceSeries written;
  for (const TStoredValue& v : ChangedValues())
    SetPropertyValue(written, *TSurfaceSeries::StaticClass().FindProperty(v.name), v.value);
  TSurfaceSeries read;
  for (const TStoredValue& v : ChangedValues()) {
    const TPropInfo* p = TSurfaceSeries::StaticClass().FindProperty(v.name);
    EXPECT_TRUE(p->IsStored(written)) << v.name;
    SetPropertyValue(read, *p, p->Get(written));
  }
  for (const TStoredValue& v : ChangedValues()) {
    SCOPED_TRACE(v.name);
    const TPropInfo* p = TSurfaceSeries::StaticClass().FindProperty(v.name);
    EXPECT_EQ(p->Get(read), v.value);
  }
}

}  // namespace
}  // namespace quil
