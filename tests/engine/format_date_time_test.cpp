#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/format_date_time.h"
#include "format_test_settings.h"

namespace quil {
namespace {

using formattest::EnglishSettings;
using formattest::GermanSettings;

struct TDateCase {
  const char* Picture;
  const char* English;
  const char* German;
};

// Tuesday, 5 March 2024, 14:07:09.045.
double SampleMoment() { return EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45); }

TEST(FormatDateTime, PicturesInTwoLocales) {
  const TDateCase cases[] = {
      {"yyyy-mm-dd", "2024-03-05", "2024-03-05"},
      {"d/m/yy", "5/3/24", "5.3.24"},
      {"dd mmm yyyy", "05 Mar 2024", "05 Mär 2024"},
      {"dddd, mmmm d", "Tuesday, March 5", "Dienstag, März 5"},
      {"ddd", "Tue", "Di"},
      {"DDD MMM", "Tue Mar", "Di Mär"},
      {"y yyy", "24 2024", "24 2024"},
      {"hh:nn:ss.zzz", "14:07:09.045", "14:07:09.045"},
      {"h:n:s.z", "14:7:9.45", "14:7:9.45"},
      {"hh:mm", "14:07", "14:07"},
      {"hh 'h' mm", "14 h 07", "14 h 07"},
      {"mm", "03", "03"},
      {"h:mm am/pm", "2:07 pm", "2:07 pm"},
      {"h:mm AM/PM", "2:07 PM", "2:07 PM"},
      {"h a/p", "2 p", "2 p"},
      {"hh ampm", "02 PM", "02 "},
      {"c", "03/05/2024 14:07:09", "05.03.2024 14:07:09"},
      {"", "03/05/2024 14:07:09", "05.03.2024 14:07:09"},
      {"ddddd", "03/05/2024", "05.03.2024"},
      {"t", "14:07", "14:07"},
      {"tt", "14:07:09", "14:07:09"},
      {"'Week of' d", "Week of 5", "Week of 5"},
      {"\"hh\" hh", "hh 14", "hh 14"},
      {"[yyyy]", "[2024]", "[2024]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Picture);
    EXPECT_EQ(FormatDateTime(c.Picture, SampleMoment(), EnglishSettings()), c.English);
    EXPECT_EQ(FormatDateTime(c.Picture, SampleMoment(), GermanSettings()), c.German);
  }
}

TEST(FormatDateTime, TwelveHourClockAroundMidnightAndNoon) {
  const double day = EncodeDate(2024, 3, 5);
  EXPECT_EQ(FormatDateTime("h:nn am/pm", day + EncodeTime(0, 30, 0, 0)), "12:30 am");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", day + 0.5), "12:00 pm");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", day + EncodeTime(11, 59, 0, 0)), "11:59 am");
  EXPECT_EQ(FormatDateTime("h:nn", day + EncodeTime(0, 30, 0, 0)), "0:30");
}

TEST(FormatDateTime, WholeDaysShowNoTimeWithC) {
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5), EnglishSettings()), "03/05/2024");
  EXPECT_EQ(FormatDateTime("yyyy", EncodeDate(5, 1, 1), EnglishSettings()), "0005");
  EXPECT_EQ(FormatDateTime("yy", EncodeDate(2005, 1, 1), EnglishSettings()), "05");
}

TEST(FormatDateTime, ValuesThatAreNoDatesGiveTheirNumberText) {
  EXPECT_EQ(FormatDateTime("yyyy", std::nan(""), EnglishSettings()), "NAN");
  EXPECT_EQ(FormatDateTime("c", 1e300, EnglishSettings()), "1E300");
  EXPECT_EQ(FormatDateTime("c", -1e7, GermanSettings()), "-10000000");
}

// Settings formats that name themselves or each other end instead of recursing.
TEST(FormatDateTime, SelfReferringSettingsFormatsEnd) {
  TFormatSettings settings;
  settings.ShortDateFormat.assign(1, 'c');
  settings.LongTimeFormat = "tt";
  const std::string text = FormatDateTime("c", SampleMoment(), settings);
  EXPECT_LT(text.size(), 100u);
  EXPECT_EQ(FormatDateTime("yyyy ddddd", SampleMoment(), settings).substr(0, 5), "2024 ");
}

TEST(FormatDateTime, ShortcutsUseTheCurrentSettings) {
  const formattest::TCurrentFormatSettings german(GermanSettings());
  const double moment = SampleMoment();
  EXPECT_EQ(DateToStr(moment), "05.03.2024");
  EXPECT_EQ(TimeToStr(moment), "14:07:09");
  EXPECT_EQ(DateTimeToStr(moment), "05.03.2024 14:07:09");
  EXPECT_EQ(FormatDateTime("t", moment), "14:07");
  EXPECT_EQ(DateToStr(moment, EnglishSettings()), "03/05/2024");
}

}  // namespace
}  // namespace quil
