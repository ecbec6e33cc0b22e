#include <gtest/gtest.h>

#include "engine/format_date_time.h"
#include "engine/format_float.h"
#include "engine/format_settings.h"

namespace quil {
namespace {

TEST(FormatSettings, PicturesFromStrftimeFormats) {
  const struct {
    const char* Format;
    const char* Separator;
    char Placeholder;
    const char* Picture;
  } cases[] = {
      {"%d.%m.%Y", ".", '/', "dd/mm/yyyy"},
      {"%Y-%m-%d", "-", '/', "yyyy/mm/dd"},
      {"%m/%d/%y", "/", '/', "mm/dd/yy"},
      {"%D", "/", '/', "mm/dd/yy"},
      {"%F", "-", '/', "yyyy/mm/dd"},
      {"%-d/%-m/%Y", "/", '/', "d/m/yyyy"},
      {"%e de %B", "/", '/', "d\" de \"mmmm"},
      {"%Y. %m. %d.", ". ", '/', "yyyy/mm/dd."},
      {"%H:%M:%S", ":", ':', "hh:nn:ss"},
      {"%T", ":", ':', "hh:nn:ss"},
      {"%I:%M:%S %p", ":", ':', "hh:nn:ss ampm"},
      {"%Hh%M", "h", ':', "hh:nn"},
      {"%H.%M", ".", ':', "hh:nn"},
      {"%H:%M %Z", ":", ':', "hh:nn "},
      {"%d/%m", ".", '/', "dd\"/\"mm"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Format);
    EXPECT_EQ(PictureFromStrftime(c.Format, c.Separator, c.Placeholder), c.Picture);
  }
}

// A converted picture, formatted with the separator it was made with, reads as the locale wrote
// it, even where the separator is a word or the literal text holds picture letters.
TEST(FormatSettings, ConvertedPicturesFormatLikeTheLocale) {
  TFormatSettings settings;
  const double date = EncodeDate(2024, 3, 5);
  settings.DateSeparator = "\u5e74";
  EXPECT_EQ(FormatDateTime(PictureFromStrftime("%Y\u5e74%m\u6708%d\u65e5", "\u5e74", '/'), date,
                           settings),
            "2024\u5e7403\u670805\u65e5");
  settings.DateSeparator.assign(1, '/');
  EXPECT_EQ(FormatDateTime(PictureFromStrftime("%e de %B", "/", '/'), date, settings),
            "5 de March");
}

TEST(FormatSettings, TheCLocale) {
  const auto settings = FormatSettingsFromLocale("C");
  ASSERT_TRUE(settings.has_value());
  EXPECT_EQ(settings->DecimalSeparator, ".");
  EXPECT_EQ(settings->ThousandSeparator, ",");  // the C locale has none; grouping still groups
  EXPECT_EQ(settings->DateSeparator, "/");
  EXPECT_EQ(settings->ShortDateFormat, "mm/dd/yy");
  EXPECT_EQ(settings->LongTimeFormat, "hh:nn:ss");
  EXPECT_EQ(settings->ShortTimeFormat, "hh:nn");
  EXPECT_EQ(settings->LongMonthNames[0], "January");
  EXPECT_EQ(settings->ShortDayNames[0], "Sun");
  EXPECT_EQ(FormatFloat("#,##0.###", 1234.5678, *settings), "1,234.568");
}

TEST(FormatSettings, TheCurrentLocaleIsReadWithoutChangingIt) {
  // The tests never call setlocale, so the program's locale is still "C".
  EXPECT_EQ(FormatSettingsFromLocale(), FormatSettingsFromLocale("C"));
}

TEST(FormatSettings, UnknownLocaleGivesNothing) {
  EXPECT_FALSE(FormatSettingsFromLocale("xx_NOWHERE.UTF-8").has_value());
}

// Only where the machine has the German locale installed.
TEST(FormatSettings, AnInstalledGermanLocale) {
  const auto settings = FormatSettingsFromLocale("de_DE.UTF-8");
  if (!settings) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  EXPECT_EQ(settings->DecimalSeparator, ",");
  EXPECT_EQ(settings->ThousandSeparator, ".");
  EXPECT_EQ(settings->DateSeparator, ".");
  EXPECT_EQ(settings->ShortDateFormat, "dd/mm/yyyy");
  EXPECT_EQ(settings->LongMonthNames[2], "M\u00e4rz");
  EXPECT_EQ(FormatFloat("#,##0.###", 1234.5678, *settings), "1.234,568");
}

}  // namespace
}  // namespace quil
