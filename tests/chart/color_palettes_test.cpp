#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/color_palettes.h"
#include "chart/rovede.h"
#include "core/exceptions.h"
#include "core/messages.h"
#include "core/reader.h"
#include "core/scripted_reader.h"
#include "core/strings.h"
#include "engine/color_palette.h"
#include "panel/option_store.h"
#include "series/surface/custom3d_palette_series.h"

namespace quil {
namespace {

const std::vector<TColor> kOpera{0xA36644, 0x359CF3, 0x144CF1, 0xA8974E, 0x6B402B, 0x637B1D,
                                 0x0E08B3, 0x5DC0F2, 0x9EB75D, 0x707070, 0x8DEAF3, 0xB4B4B4};

TEST(ColorPalettes, RegistryHoldsTheBuiltInPalettesInOrder) {
  FreeColorPalettes();
  TColorPalettes& palettes = ColorPalettes();
  ASSERT_EQ(palettes.Count(), 23);
  struct TCase {
    int index;
    const char* name;
    std::size_t count;
    TColor first;
  };
  for (const TCase& c : {TCase{0, "Lumora", 0, 0}, {1, "Excel", 22, 0xFF9999}, {8, "Rainbow", 25, 0x000099},
                         {12, "Gray scale", 15, 0xF0F0F0}, {13, "Opera", 12, 0xA36644}, {16, "BlackIsBack", 4, 0x5AE6C8},
                         {22, "Activity", 10, 0x07D9F8}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(palettes.GetName(c.index), c.name);
    const std::vector<TColor> colors = palettes.GetPalette(c.index);
    ASSERT_EQ(colors.size(), c.count);
    if (c.count > 0) {
      EXPECT_EQ(colors.front(), c.first);
    }
  }
  EXPECT_EQ(palettes.GetPalette(13), kOpera);
  for (int index : {-1, -2, 23, 1000}) {
    EXPECT_TRUE(palettes.GetPalette(index).empty()) << index;
    EXPECT_EQ(palettes.GetName(index), "") << index;
  }
}

TEST(ColorPalettes, NamesAreFoundWithoutRegardToCaseAndRegisteringReplacesByName) {
  FreeColorPalettes();
  TColorPalettes& palettes = ColorPalettes();
  EXPECT_EQ(palettes.IndexOf("excel"), 1);
  EXPECT_EQ(palettes.IndexOf("WIN. VISTA"), 11);
  EXPECT_EQ(palettes.IndexOf("Nothing"), -1);
  EXPECT_EQ(palettes.RegisterPalette("excel", {clRed, clBlue}), 1);
  EXPECT_EQ(palettes.Count(), 23) << "replaced, not added";
  EXPECT_EQ(palettes.GetPalette(1), (std::vector<TColor>{clRed, clBlue}));
  EXPECT_EQ(palettes.GetName(1), "Excel");
  EXPECT_EQ(palettes.RegisterPalette("Mine", {clLime}), 23);
  EXPECT_EQ(palettes.Add("mine", {clAqua}), 24) << "Add appends whatever the name";
  palettes.SetName(24, "Other");
  EXPECT_EQ(palettes.IndexOf("other"), 24);

  TStrings items;
  palettes.AddTo(items, true);
  ASSERT_EQ(items.Count(), 26);
  EXPECT_EQ(items[0], "Default");
  EXPECT_EQ(items[1], "Lumora");
  TStrings plain;
  palettes.AddTo(plain, false);
  EXPECT_EQ(plain[0], "Lumora");
  FreeColorPalettes();
  EXPECT_EQ(ColorPalettes().Count(), 23) << "made afresh after being freed";
}

TEST(ColorPalettes, NamesComeFromTheMessageTextsOfTheirCreation) {
  FreeColorPalettes();
  QuilMsg_ThemeOpera = "Oper";
  EXPECT_EQ(ColorPalettes().IndexOf("oper"), 13);
  InitializeMessages();
  FreeColorPalettes();
}

// Points the option store at an empty folder, so that charts start with the default palette.
class ChartPaletteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("quil-palette-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    SetDefaultColorPalette({});
    chart = std::make_unique<ROvede>();
  }
  void TearDown() override {
    for (auto& s : series) s->SetParenrOvede(nullptr);
    chart.reset();
    if (saved_)
      setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(dir_);
  }

  ROvedeSeries& AddSeries() {
    series.push_back(std::make_unique<ROvedeSeries>());
    series.back()->SetParenrOvede(chart.get());
    return *series.back();
  }
  std::vector<TColor> SeriesColors() const {
    std::vector<TColor> colors;
    for (const auto& s : series) colors.push_back(s->SeriesColor());
    return colors;
  }

  std::unique_ptr<ROvede> chart;
  std::vector<std::unique_ptr<ROvedeSeries>> series;
  std::filesystem::path dir_;
  std::optional<std::string> saved_;
};

TEST_F(ChartPaletteTest, ChartStartsWithTheOptionsPaletteOpera) {
  EXPECT_EQ(chart->ColorPaletteIndex(), 13);
  EXPECT_EQ(chart->ColorPalette(), kOpera);
  EXPECT_EQ(AddSeries().SeriesColor(), 0xA36644u);

  QuilWriteIntegerOption("DefaultPalette", 4);
  ROvede solid;
  EXPECT_EQ(solid.ColorPaletteIndex(), 4);
  EXPECT_EQ(solid.ColorPalette(), ColorPalettes().GetPalette(4));
}

TEST_F(ChartPaletteTest, IndexWithoutColorsLeavesTheGlobalPaletteInCharge) {
  chart->SetColorPaletteIndex(0);
  EXPECT_TRUE(chart->ColorPalette().empty());
  for (int i = 0; i < 5; ++i) AddSeries();
  EXPECT_EQ(SeriesColors(), (std::vector<TColor>{clRed, clGreen, clYellow, clBlue, clWhite}));
  EXPECT_EQ(chart->GetDefaultColor(21), clGreen);

  chart->SetColorPaletteIndex(13);
  EXPECT_EQ(SeriesColors(), (std::vector<TColor>(kOpera.begin(), kOpera.begin() + 5))) << "automatic colours follow";
  for (int i = 5; i < 12; ++i) AddSeries();
  EXPECT_EQ(AddSeries().SeriesColor(), kOpera[0]) << "every colour taken: the colour at the number of series";
  EXPECT_EQ(chart->GetDefaultColor(12), kOpera[0]);

  for (int index : {-1, 57, -9}) {
    SCOPED_TRACE(index);
    chart->SetColorPaletteIndex(index);
    EXPECT_EQ(chart->ColorPaletteIndex(), index);
    EXPECT_TRUE(chart->ColorPalette().empty());
    EXPECT_EQ(series[0]->SeriesColor(), clRed);
  }
}

TEST_F(ChartPaletteTest, DefaultColorsPassOverTheBackWallsColor) {
  chart->SetColorPalette({clSilver, clTeal});
  EXPECT_EQ(AddSeries().SeriesColor(), clTeal) << "silver is the back wall's colour";
  chart->BackWall().SetColor(clTeal);
  chart->ColorPaletteChanged();
  EXPECT_EQ(series[0]->SeriesColor(), clSilver);
  EXPECT_EQ(AddSeries().SeriesColor(), clTeal) << "nothing free: the colour at the number of series";
}

TEST_F(ChartPaletteTest, CustomPaletteStartsAsACopyOfTheColorsInUse) {
  chart->SetColorPaletteIndex(-2);
  EXPECT_EQ(chart->ColorPalette(), kOpera) << "after palette 13";
  chart->SetColorPaletteIndex(0);
  chart->SetColorPaletteIndex(-2);
  EXPECT_EQ(chart->ColorPalette(), QuilDefaultPalette()) << "after palette 0";
  SetDefaultColorPalette({clTeal, clNavy});
  chart->SetColorPaletteIndex(-1);
  chart->SetColorPaletteIndex(-2);
  EXPECT_EQ(chart->ColorPalette(), (std::vector<TColor>{clTeal, clNavy})) << "the global palette as it is";
  SetDefaultColorPalette({});
}

TEST_F(ChartPaletteTest, ApplyPaletteByIndexOrByColors) {
  ROvedeSeries& s = AddSeries();
  TColorPalettes::ApplyPalette(*chart, 4);
  EXPECT_EQ(chart->ColorPaletteIndex(), 4);
  EXPECT_EQ(s.SeriesColor(), ColorPalettes().GetPalette(4)[0]);
  TColorPalettes::ApplyPalette(*chart, std::vector<TColor>{clPurple});
  EXPECT_EQ(s.SeriesColor(), clPurple);
  EXPECT_EQ(chart->ColorPaletteIndex(), 4) << "colours alone leave the index";
  TColorPalettes::ApplyPalette(*chart, std::vector<TColor>{});
  EXPECT_EQ(s.SeriesColor(), clRed);
}

// Building a rainbow value palette used to take over the chart's palette and leave it empty.
TEST_F(ChartPaletteTest, RainbowValuePaletteLeavesTheNamedPaletteInPlace) {
  TCustom3DPaletteSeries rainbow;
  rainbow.SetParenrOvede(chart.get());
  for (int i = 0; i < 10; ++i) rainbow.AddXYZ(i, i, i);
  rainbow.SetPaletteStyle(psRainbow);
  rainbow.CreateDefaultPalette();
  EXPECT_EQ(rainbow.Palette().size(), 32u);
  EXPECT_EQ(chart->ColorPaletteIndex(), 13);
  EXPECT_EQ(chart->ColorPalette(), kOpera);
  EXPECT_EQ(rainbow.SeriesColor(), kOpera[0]);
  rainbow.SetParenrOvede(nullptr);
}

// What a chart writes of its stream-only values.
class TRecordingWriter : public TWriter {
 public:
  std::vector<test::TScriptValue> Values;
  void WriteListBegin() override { Values.emplace_back(test::TListBegin{}); }
  void WriteListEnd() override { Values.emplace_back(test::TListEnd{}); }
  void WriteInteger(int64_t value) override { Values.emplace_back(value); }
  void WriteFloat(double) override {}
  void WriteString(const std::string& value) override { Values.emplace_back(value); }
  void WriteIdent(const std::string& value) override { Values.emplace_back(value); }
  void WriteBoolean(bool value) override { Values.emplace_back(int64_t{value}); }
};

class TValueWriter : public TFiler {
 public:
  // The values each stream-only value wrote, for those that said they have data.
  std::vector<std::pair<std::string, std::vector<test::TScriptValue>>> Written;
  void DefineProperty(const std::string& name, TReaderProc, TWriterProc write, bool hasData) override {
    if (!hasData || !write) return;
    TRecordingWriter writer;
    write(writer);
    Written.emplace_back(name, writer.Values);
  }
  void DefineBinaryProperty(const std::string&, TStreamProc, TStreamProc, bool) override {}
};

std::vector<std::string> WrittenNames(ROvede& chart) {
  TValueWriter writer;
  chart.DefineProperties(writer);
  std::vector<std::string> names;
  for (const auto& [name, values] : writer.Written)
    if (name.find("Palette") != std::string::npos) names.push_back(name);
  return names;
}

void ReadBack(ROvede& from, ROvede& into) {
  TValueWriter writer;
  from.DefineProperties(writer);
  for (const auto& [name, values] : writer.Written) {
    if (name.find("Palette") == std::string::npos) continue;
    test::TScriptedReader reader(values);
    test::TDefinedPropertyRunner runner(name, reader);
    ASSERT_TRUE(runner.Run(into)) << name;
    EXPECT_TRUE(reader.AtEnd()) << name;
  }
}

TEST_F(ChartPaletteTest, StoredIndexAndColorsReadBackEqual) {
  struct TCase {
    int index;
    std::vector<std::string> written;
  };
  for (const TCase& c : {TCase{-1, {}}, TCase{0, {"ColorPaletteIndex"}}, TCase{13, {"ColorPaletteIndex"}},
                         TCase{-2, {"ColorPaletteIndex", "ColorPalette"}}, TCase{-5, {}}}) {
    SCOPED_TRACE(c.index);
    chart->SetColorPaletteIndex(c.index);
    if (c.index == -2) TColorPalettes::ApplyPalette(*chart, std::vector<TColor>{clRed, 0xFF00000F, clNone});
    EXPECT_EQ(WrittenNames(*chart), c.written);
    ROvede copy;
    copy.SetColorPaletteIndex(c.index == 13 ? 4 : 13);
    ReadBack(*chart, copy);
    if (c.written.empty()) continue;
    EXPECT_EQ(copy.ColorPaletteIndex(), chart->ColorPaletteIndex());
    EXPECT_EQ(copy.ColorPalette(), chart->ColorPalette());
  }
}

TEST_F(ChartPaletteTest, StoredColorListThatIsEmptyOrDamaged) {
  chart->SetColorPaletteIndex(-2);
  test::TScriptedReader empty({test::TListBegin{}, test::TListEnd{}});
  test::TDefinedPropertyRunner(std::string("ColorPalette"), empty).Run(*chart);
  EXPECT_EQ(chart->ColorPaletteIndex(), -1) << "an empty list means no palette of its own";
  EXPECT_TRUE(chart->ColorPalette().empty());

  chart->SetColorPaletteIndex(-2);
  const std::vector<TColor> before = chart->ColorPalette();
  for (std::vector<test::TScriptValue> script :
       {std::vector<test::TScriptValue>{test::TListBegin{}, int64_t{255}, std::string("red"), test::TListEnd{}},
        std::vector<test::TScriptValue>{test::TListBegin{}, int64_t{255}}}) {
    test::TScriptedReader damaged(script);
    EXPECT_THROW(test::TDefinedPropertyRunner(std::string("ColorPalette"), damaged).Run(*chart), EReadError);
    EXPECT_EQ(chart->ColorPalette(), before);
    EXPECT_EQ(chart->ColorPaletteIndex(), -2);
  }
}

}  // namespace
}  // namespace quil
