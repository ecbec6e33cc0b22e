#pragma once

#include <string>
#include <string_view>

#include "engine/format_settings.h"

namespace quil {

// Formats value with a number picture (see TNumberPicture for the picture characters), e.g.
// FormatFloat("#,##0.###", 1234.5678) is "1,234.568" with English settings and "1.234,568"
// with German ones.
// - The shown digits are rounded halves away from zero, judged on the value's shortest decimal
//   text (0.125 with "0.00" gives "0.13", 1.005 gives "1.01").
// - Up to three sections separated by ';': positive (and the default), negative (shown without
//   a minus sign of its own, e.g. "0;(0)"), zero (used when the value shows as zero). An empty
//   section falls back to the first.
// - A value that shows as zero never gets a minus sign: -0.0004 with "0.###" is "0".
// - '%' is copied like any other character; callers pass percentages already multiplied by 100.
// - NaN gives "NAN", the infinities "INF" and "-INF", whatever the picture.
// - An empty picture, or a value with more than 18 integer digits and no exponent in the
//   picture, gives FloatToStr's text instead of an unbounded row of digits.
std::string FormatFloat(std::string_view picture, double value, const TFormatSettings& settings);
std::string FormatFloat(std::string_view picture, double value);

// The general format: the shortest digits that read back as the same double, in fixed notation
// for 1e-5 <= |value| < 1e15 ("0.1", "1234.5", "-0.00001") and as "1.5E-10" / "1E20" beyond.
// Zero of either sign is "0"; NaN and the infinities as for FormatFloat.
std::string FloatToStr(double value, const TFormatSettings& settings);
std::string FloatToStr(double value);

}  // namespace quil
