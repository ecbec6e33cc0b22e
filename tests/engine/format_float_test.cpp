#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/format_float.h"
#include "format_test_settings.h"

namespace quil {
namespace {

using formattest::EnglishSettings;
using formattest::GermanSettings;

struct TFloatCase {
  const char* Picture;
  double Value;
  const char* English;
  const char* German;
};

constexpr double kInf = std::numeric_limits<double>::infinity();

const TFloatCase kFloatCases[] = {
    // The library's value picture.
    {"#,##0.###", 1234.5678, "1,234.568", "1.234,568"},
    {"#,##0.###", 0, "0", "0"},
    {"#,##0.###", -1234567.1, "-1,234,567.1", "-1.234.567,1"},
    {"#,##0.###", 999.9996, "1,000", "1.000"},
    {"#,##0.###", 0.1 + 0.2, "0.3", "0,3"},
    {"#,##0.###", -0.0004, "0", "0"},
    {"#,##0.###", -0.0005, "-0.001", "-0,001"},
    {"#,##0.###", 1e15, "1,000,000,000,000,000", "1.000.000.000.000.000"},
    {"#,##0.###", 123, "123", "123"},
    {"#,##0.###", 1e300, "1E300", "1E300"},
    {"#,##0.###", 5e-324, "0", "0"},
    // The percent picture: the caller has multiplied by 100 already.
    {"##0.## %", 12.345, "12.35 %", "12,35 %"},
    {"##0.## %", 100, "100 %", "100 %"},
    {"##0.## %", 0, "0 %", "0 %"},
    {"##0.## %", 5.5, "5.5 %", "5,5 %"},
    // Fixed decimals, ties away from zero on the decimal text.
    {"0.00", 2.5, "2.50", "2,50"},
    {"0.00", 0.125, "0.13", "0,13"},
    {"0.00", 1.005, "1.01", "1,01"},
    {"0.00", -0.004, "0.00", "0,00"},
    {"0.00", -0.005, "-0.01", "-0,01"},
    {"0", 0.5, "1", "1"},
    {"0", 1.5, "2", "2"},
    {"0", 2.5, "3", "3"},
    {"0", -2.5, "-3", "-3"},
    {"0", -0.4, "0", "0"},
    {"0", -0.0, "0", "0"},
    {"0", 1e17, "100000000000000000", "100000000000000000"},
    {"0", 1e18, "1E18", "1E18"},
    {"0.0", 1e-5, "0.0", "0,0"},
    // Optional digits.
    {"#.##", 0, "", ""},
    {"#.##", 0.5, ".5", ",5"},
    {"#.##", 12, "12", "12"},
    {"0.##", 1, "1", "1"},
    {"#,###", 1234567, "1,234,567", "1.234.567"},
    // Required integer digits and literals between placeholders.
    {"0000", 12, "0012", "0012"},
    {"0000", 12345, "12345", "12345"},
    {"0000", -7, "-0007", "-0007"},
    {"000-000", 123456, "123-456", "123-456"},
    {"000-000", 1234567, "1234-567", "1234-567"},
    // Quoted and copied text.
    {"'$'#,##0.00", 1234.5, "$1,234.50", "$1.234,50"},
    {"0\" pcs\"", 3, "3 pcs", "3 pcs"},
    {"'0.#,'0", 7, "0.#,7", "0.#,7"},
    {"~0~", 4, "~4~", "~4~"},
    // Sections: positive; negative; zero.
    {"#,##0.00;(#,##0.00)", -1234.5, "(1,234.50)", "(1.234,50)"},
    {"#,##0.00;(#,##0.00)", 1234.5, "1,234.50", "1.234,50"},
    {"0.0;-0.0;'zero'", 0, "zero", "zero"},
    {"0.0;-0.0;'zero'", 0.04, "zero", "zero"},
    {"0.0;-0.0;'zero'", -0.04, "zero", "zero"},
    {"0.0;;'zero'", -2, "-2.0", "-2,0"},
    {"';'0", 5, ";5", ";5"},
    // Exponents.
    {"0.00E+00", 1234.5, "1.23E+03", "1,23E+03"},
    {"0.00E+00", 0.000123, "1.23E-04", "1,23E-04"},
    {"0.00E+00", 0, "0.00E+00", "0,00E+00"},
    {"0.00E+00", 9.995, "1.00E+01", "1,00E+01"},
    {"0.00E+00", -5e-324, "-5.00E-324", "-5,00E-324"},  // its shortest text is 5e-324
    {"0.###E-0", 1500, "1.5E3", "1,5E3"},
    {"0.###e-0", 0.0015, "1.5e-3", "1,5e-3"},
    {"0E+000", 1e300, "1E+300", "1E+300"},
    // Values that are no numbers, and the general format for an empty picture.
    {"#,##0.###", std::nan(""), "NAN", "NAN"},
    {"0.00", kInf, "INF", "INF"},
    {"0.00;(0.00)", -kInf, "-INF", "-INF"},
    {"", 1.5, "1.5", "1,5"},
};

TEST(FormatFloat, PicturesInTwoLocales) {
  for (const auto& c : kFloatCases) {
    SCOPED_TRACE(std::string(c.Picture) + " with " + std::to_string(c.Value));
    EXPECT_EQ(FormatFloat(c.Picture, c.Value, EnglishSettings()), c.English);
    EXPECT_EQ(FormatFloat(c.Picture, c.Value, GermanSettings()), c.German);
  }
}

TEST(FormatFloat, MultiByteSeparatorsAreWrittenWhole) {
  TFormatSettings settings;
  settings.ThousandSeparator = "\u202f";
  settings.DecimalSeparator = "\u066b";
  EXPECT_EQ(FormatFloat("#,##0.##", 1234567.25, settings), "1\u202f234\u202f567\u066b25");
}

TEST(FormatFloat, UsesTheCurrentSettingsWhenNoneArePassed) {
  const formattest::TCurrentFormatSettings german(GermanSettings());
  EXPECT_EQ(FormatFloat("#,##0.###", 1234.5678), "1.234,568");
  EXPECT_EQ(FloatToStr(0.25), "0,25");
}

struct TGeneralCase {
  double Value;
  const char* English;
};

TEST(FloatToStr, ShortestDigitsFixedOrScientific) {
  const TGeneralCase cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1.5, "1.5"},
      {-1234.5, "-1234.5"},
      {0.1 + 0.2, "0.30000000000000004"},
      {123456789012345, "123456789012345"},
      {1e15, "1E15"},
      {1e-5, "0.00001"},
      {1e-6, "1E-6"},
      {1.5e-10, "1.5E-10"},
      {-2.5e20, "-2.5E20"},
      {5e-324, "5E-324"},
      {std::numeric_limits<double>::max(), "1.7976931348623157E308"},
      {std::nan(""), "NAN"},
      {kInf, "INF"},
      {-kInf, "-INF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.English);
    EXPECT_EQ(FloatToStr(c.Value, EnglishSettings()), c.English);
  }
  EXPECT_EQ(FloatToStr(-1.5e-10, GermanSettings()), "-1,5E-10");
}

}  // namespace
}  // namespace quil
