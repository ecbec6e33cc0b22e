#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "engine/chart_exception.h"
#include "engine/format_test_settings.h"
#include "series/surface/custom3d_palette_series.h"
#include "series/surface/palette_file.h"

namespace quil {
namespace {

using formattest::EnglishSettings;
using formattest::GermanSettings;
using formattest::TCurrentFormatSettings;

// A file of the test's own in the temporary folder.
class PaletteFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("quil-palette-file-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const std::string& name = "palette.txt") const { return (dir_ / name).string(); }
  std::string Write(const std::string& text, const std::string& name = "palette.txt") const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path dir_;
};

// Equal bounds (NaN matching NaN) and equal colours.
void ExpectSameEntries(const TCustom3DPalette& a, const TCustom3DPalette& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(i);
    if (std::isnan(b[i].UpToValue))
      EXPECT_TRUE(std::isnan(a[i].UpToValue));
    else
      EXPECT_EQ(a[i].UpToValue, b[i].UpToValue);
    EXPECT_EQ(a[i].Color, b[i].Color);
  }
}

// Values used to be written grouped with three decimals ("1,234.5"), which reading could not take
// back and which lost digits; now every value reads back exactly, in either notation.
TEST_F(PaletteFileTest, SavedPaletteReadsBackExactly) {
  const double inf = std::numeric_limits<double>::infinity();
  const TCustom3DPalette palette{{-inf, clRed, {}},
                                 {-1234567.891, 0xFF00000F, {}},
                                 {-0.0, clNone, {}},
                                 {std::numeric_limits<double>::denorm_min(), clBlack, {}},
                                 {0.1 + 0.2, 0x12345678, {}},
                                 {1234.5, clWhite, {}},
                                 {1e21, 0xFFFFFFFF, {}},
                                 {std::numeric_limits<double>::max(), clBlue, {}},
                                 {inf, clGreen, {}},
                                 {std::numeric_limits<double>::quiet_NaN(), clAqua, {}}};
  for (const TFormatSettings& settings : {EnglishSettings(), GermanSettings()}) {
    SCOPED_TRACE(settings.DecimalSeparator);
    TCurrentFormatSettings current(settings);
    TCustom3DPaletteSeries series;
    series.SetPalette(palette);
    series.SavePaletteToFile(Path());
    const std::string text = Read(Path());
    EXPECT_TRUE(text.starts_with("// Color Up to Value\n")) << text;
    EXPECT_EQ(text.find(settings.ThousandSeparator + "234"), std::string::npos) << "no grouping: " << text;

    TCustom3DPaletteSeries loaded;
    loaded.LoadPaletteFromFile(Path());
    ExpectSameEntries(loaded.Palette(), palette);
    EXPECT_TRUE(loaded.CustomPalette());
  }
}

TEST_F(PaletteFileTest, OldGroupedFilesStillRead) {
  struct TCase {
    TFormatSettings settings;
    std::string text;
  };
  for (const TCase& c :
       {TCase{EnglishSettings(), "// Color Up to Value\r\n255 1,234.5\r\n65280 -2,000\r\n16711680 12.346\r\n-16777201 1,234,567\r\n"},
        TCase{GermanSettings(), "// Color Up to Value\n255 1.234,5\n65280 -2.000\n16711680 12,346\n-16777201 1.234.567\n"}}) {
    SCOPED_TRACE(c.settings.DecimalSeparator);
    TCurrentFormatSettings current(c.settings);
    TCustom3DPaletteSeries series;
    series.LoadPaletteFromFile(Write(c.text));
    ExpectSameEntries(series.Palette(),
                      {{-2000, clLime, {}}, {12.346, clBlue, {}}, {1234.5, clRed, {}}, {1234567, 0xFF00000F, {}}});
  }
}

TEST_F(PaletteFileTest, LinesAreTrimmedCommentsSkippedAndEntriesPutInValueOrder) {
  TCustom3DPaletteSeries series;
  series.LoadPaletteFromFile(Write("\n  // any comment\n\t 30   7.5  \n// another\n\n20 2\n10 7.5\n$FF 1E2\n+5 .5\n"));
  ExpectSameEntries(series.Palette(),
                    {{0.5, 5, {}}, {2, 20, {}}, {7.5, 30, {}}, {7.5, 10, {}}, {100, 255, {}}});

  series.LoadPaletteFromFile(Write("// Color Up to Value\n"));
  EXPECT_TRUE(series.Palette().empty()) << "a saved empty palette";
}

TEST_F(PaletteFileTest, BadFilesRaiseAClearErrorAndChangeNothing) {
  struct TCase {
    const char* name;
    std::string text;
    std::string message;
  };
  std::string tooMany = "// Color Up to Value\n";
  for (int i = 0; i <= kMaxPaletteSteps; ++i) tooMany += "1 " + std::to_string(i) + "\n";
  const std::vector<TCase> cases{
      {"empty", "", "holds no palette"},
      {"blank", " \n\r\n\t\n", "holds no palette"},
      {"colour only", "// Color Up to Value\n255 1\n255\n", "line 3 is not a colour"},
      {"colour and blank", "255 \n", "line 1 is not a colour"},
      {"truncated number", "255 1.5e\n", "line 1 is not a colour"},
      {"colour name", "red 12\n", "line 1 is not a colour"},
      {"bad grouping", "255 1,2345\n", "line 1 is not a colour"},
      {"trailing text", "255 12abc\n", "line 1 is not a colour"},
      {"out of double range", "255 1e999\n", "line 1 is not a colour"},
      {"out of colour range", "99999999999 1\n", "line 1 is not a colour"},
      {"tab between", "255\t1\n", "line 1 is not a colour"},
      {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "is not a text file"},
      {"too many entries", tooMany, "holds more than 100000 entries"},
  };
  TCustom3DPaletteSeries series;
  series.SetPalette({{1, clRed, {}}, {2, clBlue, {}}});
  const TCustom3DPalette before = series.Palette();
  const auto expectUnchanged = [&](const std::string& path, const std::string& message) {
    try {
      series.LoadPaletteFromFile(path);
      ADD_FAILURE() << "loaded";
    } catch (const ChartException& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << "names the file: " << e.what();
    }
    EXPECT_EQ(series.Palette(), before);
    EXPECT_FALSE(series.CustomPalette());
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    expectUnchanged(Write(c.text), c.message);
  }
  {
    SCOPED_TRACE("huge");
    std::filesystem::resize_file(Write(""), kMaxPaletteFileSize + 10);
    expectUnchanged(Path(), "is larger than");
  }
  SCOPED_TRACE("missing and unreadable");
  expectUnchanged(Path("missing.txt"), "Cannot open palette file");
  expectUnchanged(dir_.string(), "Cannot open palette file");
  EXPECT_THROW(series.SavePaletteToFile((dir_ / "no-such-folder" / "p.txt").string()), ChartException);
}

TEST(PaletteValueText, NumbersInTheSettingsNotation) {
  struct TCase {
    const char* text;
    bool german;
    std::optional<double> value;
  };
  for (const TCase& c : {TCase{"12.5", false, 12.5}, {"12,5", false, std::nullopt}, {"12,5", true, 12.5},
                         {"1,234", false, 1234}, {"1.234", true, 1234}, {"-1,234,567.25", false, -1234567.25},
                         {"1234,567", false, std::nullopt}, {",123", false, std::nullopt}, {"1E-10", false, 1e-10},
                         {"1,5E3", true, 1500}, {"inf", false, std::numeric_limits<double>::infinity()},
                         {"", false, std::nullopt}, {"-", false, std::nullopt}, {".", false, std::nullopt},
                         {"1e", false, std::nullopt}, {"0x10", false, std::nullopt}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParsePaletteValue(c.text, c.german ? GermanSettings() : EnglishSettings()), c.value);
  }
}

}  // namespace
}  // namespace quil
