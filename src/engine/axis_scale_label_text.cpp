#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/axis_scale.h"
#include "engine/axis_text_measurer.h"
#include "engine/format_date_time.h"
#include "engine/format_float.h"
#include "engine/format_settings.h"

namespace quil {
namespace {

constexpr char kLineSeparator = '\r';
constexpr int kMaxMeasuredLabels = 5000;

// The lines of a label text: separated by carriage returns, a line feed after one ignored.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
  size_t start = 0;
  while (true) {
    const size_t end = text.find(kLineSeparator, start);
    visit(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return;
    start = end + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
}

int WidestLine(const IAxisTextMeasurer& measurer, std::string_view text) {
  int widest = 0;
  ForEachLine(text, [&](std::string_view line) { widest = std::max(widest, measurer.TextWidth(line)); });
  return widest;
}

int LineCount(std::string_view text) {
  int count = 0;
  ForEachLine(text, [&](std::string_view) { ++count; });
  return count;
}

}  // namespace

std::string TAxisScale::LabelValue(double value) const {
  const TFormatSettings& settings = QuilFormatSettings();
  std::string text;
  if (axisDateTime_) {
    const std::string& picture = !dateTimeFormat_.empty() ? dateTimeFormat_
                                 : state_.Range > 1       ? settings.ShortDateFormat
                                                          : settings.ShortTimeFormat;
    text = FormatDateTime(picture, value, settings);
  } else {
    text = FormatFloat(axisValuesFormat_, value, settings);
  }
  if (OnGetLabelText) OnGetLabelText(text);
  if (labelsMultiLine_) std::replace(text.begin(), text.end(), ' ', kLineSeparator);
  return text;
}

int TAxisScale::InternalLabelSize(bool isWidth, double value) const {
  if (labelsGridIgnoresLabelSize_) return 1;
  if (!measurer_) return 0;
  const std::string text = LabelValue(value);
  const int angle = (labelsAngle_ % 360 + 360) % 360;
  const bool alongLines = isWidth ? (angle == 90 || angle == 270) : (angle == 0 || angle == 180);
  if (alongLines) return measurer_->TextHeight() * LineCount(text);
  return WidestLine(*measurer_, text);
}

int TAxisScale::MaxLabelsWidth() const {
  if (!measurer_) return 0;
  const double inc = CalcIncrement();
  double top = state_.Maximum;
  double bottom = state_.Minimum;
  if ((roundFirstLabel_ || (axisDateTime_ && exactDateTime_)) && inc > 0) {
    const double roundedTop = std::trunc(top / inc) * inc;
    const double roundedBottom = std::trunc(bottom / inc) * inc;
    if (std::isfinite(roundedTop)) top = roundedTop;
    if (std::isfinite(roundedBottom)) bottom = roundedBottom;
  }
  int widest = 0;
  double previous = top;
  for (int i = 0; i < kMaxMeasuredLabels; ++i) {
    const double value = top - i * inc;
    if (!(value >= bottom) || (i > 0 && !(value < previous))) break;
    widest = std::max(widest, WidestLine(*measurer_, LabelValue(value)));
    previous = value;
  }
  return widest + measurer_->TextWidth(" ");
}

}  // namespace quil
