#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "chart/rovede.h"
#include "core/exceptions.h"
#include "core/filer.h"
#include "engine/chart_exception.h"
#include "palette_test_support.h"
#include "panel/text_lines.h"
#include "series/surface/custom3d_palette_series.h"

namespace quil {
namespace {

using testing::FillValues;
using testing::PaletteBounds;
using testing::PaletteColors;

TEST(PaletteSeries, PublishedSettingsStartAtTheirDefaults) {
  TCustom3DPaletteSeries series;
  for (const TPropInfo* p : TCustom3DPaletteSeries::StaticClass().Properties()) {
    if (p->Kind == TPropKind::Class || p->Kind == TPropKind::Event || !p->Default) continue;
    EXPECT_FALSE(p->IsStored(series)) << p->Name << " differs from its default";
  }
  EXPECT_EQ(series.StartColor(), clNavy);
  EXPECT_EQ(series.MidColor(), clNone);
  EXPECT_EQ(series.EndColor(), clWhite);
  EXPECT_EQ(series.PaletteSteps(), 32);
  EXPECT_TRUE(series.UseColorRange());
  EXPECT_FALSE(series.UsePalette());
  EXPECT_EQ(series.TimesZOrder(), 3);
  EXPECT_EQ(series.XValues().Order(), loNone);
}

TEST(PaletteSeries, PaletteIsBuiltOnlyForPointsAndRebuiltOnlyWhenAutomatic) {
  TCustom3DPaletteSeries series;
  series.CheckPaletteEmpty();
  EXPECT_TRUE(series.Palette().empty()) << "no points, no palette";
  series.DoBeforeDrawChart();
  EXPECT_TRUE(series.Palette().empty());

  FillValues(series, 32);
  series.DoBeforeDrawChart();
  ASSERT_EQ(series.Palette().size(), 32u);
  EXPECT_EQ(series.Palette().front().UpToValue, 0);
  EXPECT_EQ(series.Palette().back().UpToValue, 31);
  EXPECT_FALSE(series.DirtyPalette());

  series.AddXYZ(32, 62, 32);
  EXPECT_TRUE(series.DirtyPalette());
  series.DoBeforeDrawChart();
  EXPECT_EQ(series.Palette().back().UpToValue, 62) << "rebuilt for the new maximum";

  series.AddPalette(100, clRed);
  EXPECT_TRUE(series.CustomPalette());
  series.AddXYZ(33, 500, 33);
  series.DoBeforeDrawChart();
  EXPECT_EQ(series.Palette().size(), 33u) << "a caller's palette survives value changes";
  EXPECT_EQ(series.Palette().back().Color, clRed);

  series.CreateDefaultPalette();
  EXPECT_FALSE(series.CustomPalette()) << "built again: automatic";
}

TEST(PaletteSeries, StyleChangeEmptiesAndClearEmptiesPaletteMode) {
  TCustom3DPaletteSeries series;
  FillValues(series, 10);
  series.CreateDefaultPalette();
  series.SetPaletteStyle(psCustom);
  EXPECT_EQ(series.Palette().size(), 32u) << "a custom style keeps the entries";
  series.SetPaletteStyle(psStrong);
  EXPECT_TRUE(series.Palette().empty());

  series.CreateDefaultPalette();
  series.Clear();
  EXPECT_EQ(series.Palette().size(), 32u) << "colour range mode keeps the palette";
  FillValues(series, 10);
  series.SetUseColorRange(false);
  series.SetUsePalette(true);
  EXPECT_EQ(series.Palette().size(), 32u);
  series.Clear();
  EXPECT_TRUE(series.Palette().empty());
}

TEST(PaletteSeries, BuildingSettingsRebuildAtOnce) {
  TCustom3DPaletteSeries series;
  FillValues(series, 11);
  series.SetPaletteSteps(3);
  EXPECT_EQ(PaletteBounds(series), (std::vector<double>{0, 5, 10}));
  series.SetPaletteStep(2);
  EXPECT_EQ(PaletteBounds(series), (std::vector<double>{0, 2, 4}));
  series.SetPaletteMin(-7);
  EXPECT_EQ(PaletteBounds(series), (std::vector<double>{0, 2, 4})) << "PaletteMin waits for UsePaletteMin";
  series.SetUsePaletteMin(true);
  EXPECT_EQ(PaletteBounds(series), (std::vector<double>{-7, -5, -3}));
  series.SetPaletteStep(-1);
  EXPECT_EQ(PaletteBounds(series), (std::vector<double>{-9, -8, -7})) << "kept in value order";

  TCustom3DPaletteSeries empty;
  empty.SetPaletteSteps(4);
  EXPECT_EQ(PaletteBounds(empty), std::vector<double>(4, 0.0)) << "built at once even without points";
}

TEST(PaletteSeries, StepCountsWithoutAPaletteAndBeyondTheLimit) {
  TCustom3DPaletteSeries series;
  FillValues(series, 5);
  series.CreateDefaultPalette();
  for (int steps : {0, -1, -2147483647}) {
    SCOPED_TRACE(steps);
    series.SetPaletteSteps(steps);
    EXPECT_TRUE(series.Palette().empty());
    series.AddPalette(std::vector<TColor>{clRed});
    EXPECT_TRUE(series.Palette().empty());
    series.CreateRangePalette();
    EXPECT_TRUE(series.Palette().empty());
  }
  series.SetPaletteSteps(kMaxPaletteSteps);
  EXPECT_EQ(series.Palette().size(), static_cast<std::size_t>(kMaxPaletteSteps));

  series.SetPaletteSteps(6);
  const TCustom3DPalette before = series.Palette();
  for (int steps : {kMaxPaletteSteps + 1, 2147483647}) {
    SCOPED_TRACE(steps);
    EXPECT_THROW(series.SetPaletteSteps(steps), ChartException);
    EXPECT_THROW(series.CreateDefaultPalette(steps), ChartException);
    EXPECT_EQ(series.PaletteSteps(), 6);
    EXPECT_EQ(series.Palette(), before);
  }
}

TEST(PaletteSeries, CustomStyleRepeatsTheCallersColorsOverNewEntries) {
  TCustom3DPaletteSeries series;
  FillValues(series, 8);
  series.SetPaletteStyle(psCustom);
  series.SetPaletteSteps(5);
  const std::vector<TColor> five{clRed, clGreen, clBlue, clYellow, clAqua};
  series.AddPalette(five);
  EXPECT_TRUE(series.CustomPalette());
  EXPECT_EQ(PaletteColors(series), five);
  series.SetPaletteSteps(8);
  EXPECT_EQ(PaletteColors(series), (std::vector<TColor>{clRed, clGreen, clBlue, clYellow, clAqua, clRed, clGreen, clBlue}));
  EXPECT_EQ(PaletteBounds(series), (std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7}));

  TCustom3DPaletteSeries fresh;
  fresh.SetPaletteStyle(psCustom);
  fresh.CreateDefaultPalette(3);
  EXPECT_EQ(PaletteColors(fresh), std::vector<TColor>(3, clBlack)) << "new entries of an empty palette are black";
}

TEST(PaletteSeries, AddPaletteKeepsValueOrderAndEqualValuesInArrivalOrder) {
  TCustom3DPaletteSeries series;
  EXPECT_EQ(series.AddPalette(10, clRed), 0);
  EXPECT_EQ(series.AddPalette(5, clGreen), 0);
  EXPECT_EQ(series.AddPalette(10, clBlue), 2);
  EXPECT_EQ(series.AddPalette(7, clYellow), 1);
  EXPECT_EQ(PaletteColors(series), (std::vector<TColor>{clGreen, clYellow, clRed, clBlue}));
}

TEST(PaletteSeries, InvertGenerateAndRangePalettes) {
  TCustom3DPaletteSeries series;
  FillValues(series, 5);
  series.SetPaletteSteps(4);
  series.CreateRangePalette();
  EXPECT_EQ(PaletteBounds(series), (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ(series.Palette().back().Color, clNavy);
  EXPECT_EQ(series.Palette()[1].Color, series.RangePercent(0.5));

  const std::vector<TColor> colors = PaletteColors(series);
  series.InvertPalette();
  EXPECT_EQ(PaletteColors(series), std::vector<TColor>(colors.rbegin(), colors.rend()));
  EXPECT_EQ(PaletteBounds(series), (std::vector<double>{1, 2, 3, 4}));
  series.GeneratePalette();
  EXPECT_EQ(PaletteColors(series), colors) << "each bound's own colour on the ramp again";

  TCustom3DPaletteSeries flat;
  flat.AddXYZ(0, 3, 0);
  flat.SetEndColor(0x7F102030);
  flat.SetPaletteSteps(2);
  flat.CreateRangePalette();
  EXPECT_EQ(PaletteBounds(flat), (std::vector<double>{3, 3}));
  EXPECT_EQ(flat.Palette()[0].Color, 0x102030u) << "the end colour without its high byte";
}

// The rainbow style used to borrow the chart's colour palette and leave the chart without one.
TEST(PaletteSeries, RainbowPaletteLeavesTheChartsColorPaletteAlone) {
  ROvede chart;
  const std::vector<TColor> own{clTeal, clOlive, clPurple};
  chart.SetColorPalette(own);
  TCustom3DPaletteSeries series;
  FillValues(series, 4);
  series.SetPaletteStyle(psRainbow);
  series.CreateDefaultPalette();
  EXPECT_TRUE(series.Palette().empty()) << "a rainbow palette needs a chart";

  series.SetParenrOvede(&chart);
  series.CreateDefaultPalette();
  EXPECT_EQ(series.Palette().size(), 32u);
  EXPECT_EQ(chart.ColorPalette(), own);
  series.SetParenrOvede(nullptr);
}

class PaletteLegendTest : public ::testing::Test {
 protected:
  PaletteLegendTest() {
    FillValues(series, 32);
    series.CreateDefaultPalette();
  }
  TCustom3DPaletteSeries series;
};

// Every n-th entry from the top; the count used to be one too many when n divides the length.
TEST_F(PaletteLegendTest, OneRowPerListedEntryFromTheHighestDown) {
  struct TCase {
    int every;
    std::vector<int> entries;
  };
  for (const TCase& c : {TCase{1, {}}, TCase{2, {31, 29, 27, 25, 23, 21, 19, 17, 15, 13, 11, 9, 7, 5, 3, 1}},
                         TCase{3, {31, 28, 25, 22, 19, 16, 13, 10, 7, 4, 1}}, TCase{32, {31}}, TCase{40, {31}}}) {
    SCOPED_TRACE(c.every);
    series.SetLegendEvery(c.every);
    std::vector<int> entries;
    for (int i = 0; i < series.CountLegendItems(); ++i) {
      entries.push_back(series.CalcLegendIndex(i));
      EXPECT_FALSE(series.LegendString(i, ltsValue).empty()) << "row " << i;
    }
    if (c.every == 1) {
      EXPECT_EQ(entries.size(), 32u);
      EXPECT_EQ(entries.front(), 31);
      EXPECT_EQ(entries.back(), 0);
    } else {
      EXPECT_EQ(entries, c.entries);
    }
    EXPECT_EQ(series.LegendString(series.CountLegendItems(), ltsValue), "") << "past the last row";
  }
  series.SetLegendEvery(0);
  EXPECT_EQ(series.LegendEvery(), 1);
}

TEST_F(PaletteLegendTest, RowTextsByStyle) {
  series.SetPalette({{1234.5, clRed, "low"}, {2000, clBlue, "high"}});
  const std::string s(1, QuilColumnSeparator);
  struct TCase {
    TLegendTextStyle style;
    std::string text;
  };
  for (const TCase& c : {TCase{ltsPlain, "high"}, {ltsLeftValue, "2,000" + s + "high"}, {ltsLeftPercent, "2,000" + s + "high"},
                         {ltsRightValue, "high" + s + "2,000"}, {ltsXValue, "1"}, {ltsXAndValue, "1" + s + "2,000"},
                         {ltsXAndText, "1" + s + "high"}, {ltsValue, "2,000"}, {ltsPercent, "2,000"},
                         {ltsXAndValueAndText, "2,000"}}) {
    SCOPED_TRACE(c.style);
    EXPECT_EQ(series.LegendString(0, c.style), c.text);
  }
  EXPECT_EQ(series.LegendString(1, ltsLeftValue), "1,234.5" + s + "low");
}

TEST_F(PaletteLegendTest, RowColorsAndTheModesThatMakeRows) {
  EXPECT_EQ(series.LegendItemColor(31), clNavy) << "colour range: the ramp's colour of the bound";
  EXPECT_EQ(series.LegendItemColor(0), clWhite);
  series.SetUseColorRange(false);
  series.SetUsePalette(true);
  EXPECT_EQ(series.LegendItemColor(31), series.Palette()[31].Color);
  series.SetUsePalette(false);
  EXPECT_EQ(series.CountLegendItems(), 32) << "no colour mode: one row per point";
  series.AddXYZ(50, 50, 50, "p", clRed);
  EXPECT_EQ(series.LegendString(32, ltsPlain), "p");
  EXPECT_EQ(series.LegendItemColor(32), clRed);

  TCustom3DPaletteSeries empty;
  empty.CreateDefaultPalette();
  EXPECT_EQ(empty.CountLegendItems(), 0) << "no points, no rows, whatever the palette holds";
}

using Bytes = std::vector<uint8_t>;

template <class T>
void Put(Bytes& bytes, T value) {
  const auto* p = reinterpret_cast<const uint8_t*>(&value);
  bytes.insert(bytes.end(), p, p + sizeof value);
}

// Collects what an object says about its binary stream-only values.
class TBinaryValues : public TFiler {
 public:
  struct TValue {
    TStreamProc Read;
    TStreamProc Write;
    bool HasData = false;
  };
  std::map<std::string, TValue> Values;

  void DefineProperty(const std::string&, TReaderProc, TWriterProc, bool) override {}
  void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override {
    Values[name] = {std::move(read), std::move(write), hasData};
  }
};

TEST(PaletteSeriesStream, CustomPaletteIsStoredForTheCustomStyleAndReadsBackEqual) {
  TCustom3DPaletteSeries series;
  series.SetPalette({{-1.5, clRed, "a"}, {0.1, 0xFF00000F, {}}, {1e300, clNone, {}}});
  TBinaryValues values;
  series.DefineProperties(values);
  ASSERT_EQ(values.Values.count("CustomPalette"), 1u);
  EXPECT_FALSE(values.Values["CustomPalette"].HasData) << "not stored for a built style";

  series.SetPaletteStyle(psCustom);
  TBinaryValues custom;
  series.DefineProperties(custom);
  EXPECT_TRUE(custom.Values["CustomPalette"].HasData);
  TMemoryStream written;
  custom.Values["CustomPalette"].Write(written);
  EXPECT_EQ(written.Size(), 4u + 3 * 12);

  TCustom3DPaletteSeries copy;
  TBinaryValues reader;
  copy.DefineProperties(reader);
  TMemoryStream stream(written.Bytes());
  reader.Values["CustomPalette"].Read(stream);
  TCustom3DPalette expected = series.Palette();
  expected[0].Text.clear();  // texts are not stored
  EXPECT_EQ(copy.Palette(), expected);
}

TEST(PaletteSeriesStream, DamagedCustomPaletteChangesNothing) {
  TCustom3DPaletteSeries series;
  series.SetPalette({{1, clRed, {}}});
  const TCustom3DPalette before = series.Palette();
  Bytes oneEntry;
  Put<int32_t>(oneEntry, 1);
  Put<double>(oneEntry, 5);
  Put<TColor>(oneEntry, clBlue);
  std::vector<Bytes> damaged;
  damaged.push_back({});                                              // no count
  damaged.push_back({1, 0});                                          // half a count
  damaged.push_back(Bytes(oneEntry.begin(), oneEntry.end() - 1));     // entry cut short
  Bytes negative;
  Put<int32_t>(negative, -1);
  damaged.push_back(negative);
  Bytes huge;
  Put<int32_t>(huge, 2147483647);
  Put<double>(huge, 1);
  damaged.push_back(huge);
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    SCOPED_TRACE(i);
    TMemoryStream stream(damaged[i]);
    EXPECT_THROW(series.ReadCustomPalette(stream), EReadError);
    EXPECT_EQ(series.Palette(), before);
  }
  TMemoryStream good(oneEntry);
  series.ReadCustomPalette(good);
  EXPECT_EQ(series.Palette(), (TCustom3DPalette{{5, clBlue, {}}}));
}

TEST(PaletteSeries, AssignCopiesPaletteAndSettings) {
  TCustom3DPaletteSeries source;
  FillValues(source, 6);
  source.SetMidColor(clGray);
  source.SetLegendEvery(3);
  source.SetUsePalette(true);
  source.SetPaletteStyle(psGrayScale);
  source.AddPalette(2.5, clRed);
  TCustom3DPaletteSeries copy;
  copy.Assign(source);
  EXPECT_EQ(copy.Count(), 6);
  EXPECT_EQ(copy.MidColor(), clGray);
  EXPECT_EQ(copy.LegendEvery(), 3);
  EXPECT_TRUE(copy.UsePalette());
  EXPECT_EQ(copy.PaletteStyle(), psGrayScale);
  EXPECT_EQ(copy.Palette(), source.Palette());
  EXPECT_TRUE(copy.CustomPalette());
  EXPECT_EQ(copy.RangePercent(0.5), clGray) << "the ramp follows the copied colours";
}

}  // namespace
}  // namespace quil
