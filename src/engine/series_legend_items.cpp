#include "engine/axis_panel.h"
#include "engine/color_palette.h"
#include "engine/format_date_time.h"
#include "engine/format_float.h"
#include "engine/series.h"
#include "panel/text_lines.h"

namespace quil {

TColor ROvedeSeries::GetValueColor(int valueIndex) const {
  TColor color = clQuilColor;
  if (colors_ && valueIndex >= 0 && valueIndex < static_cast<int>(colors_->size()))
    color = (*colors_)[static_cast<std::size_t>(valueIndex)];
  if (color != clQuilColor) return color;
  if (colorEachPoint_) return ParenrOvede() ? ParenrOvede()->GetDefaultColor(valueIndex) : GetDefaultColor(valueIndex);
  return SeriesColor();
}

namespace {

std::string ValueText(const ROvedeSeries& series, double value) {
  if (!series.MandatoryValueList().DateTime()) return FormatFloat(series.ValueFormat(), value);
  const TFormatSettings& settings = QuilFormatSettings();
  return FormatDateTime(value > 1 ? settings.ShortDateFormat : settings.ShortTimeFormat, value);
}

std::string PercentText(const ROvedeSeries& series, double value) {
  const double total = series.MandatoryValueList().TotalABS();
  return FormatFloat(series.PercentFormat(), total == 0 ? 100.0 : value * 100 / total);
}

}  // namespace

std::string ROvedeSeries::LegendString(int legendIndex, TLegendTextStyle style) const {
  const int i = CalcLegendIndex(legendIndex);
  const std::string text = XLabel(i);
  if (style == ltsPlain) return text;
  const double value = GetMarkValue(i);
  const std::string s(1, QuilColumnSeparator);
  const auto valueText = [&] { return ValueText(*this, value); };
  const auto percentText = [&] { return PercentText(*this, value); };
  const auto xText = [&] { return FormatFloat(valueFormat_, NotMandatoryValueList().Value(i)); };
  const auto left = [&](const std::string& v) { return text.empty() ? v : v + s + text; };
  const auto right = [&](const std::string& v) { return text.empty() ? v : text + s + v; };
  switch (style) {
    case ltsPlain:
      return text;
    case ltsLeftValue:
      return left(valueText());
    case ltsRightValue:
      return right(valueText());
    case ltsLeftPercent:
      return left(percentText());
    case ltsRightPercent:
      return right(percentText());
    case ltsXValue:
      return xText();
    case ltsValue:
      return valueText();
    case ltsPercent:
      return percentText();
    case ltsXAndValue:
      return xText() + s + valueText();
    case ltsXAndPercent:
      return xText() + s + percentText();
    case ltsXAndText:
      return xText() + s + text;
    case ltsXAndValueAndText:
      return xText() + s + valueText() + s + text;
  }
  return text;
}

TAxisLabelStyle ROvedeSeries::AxisLabelStyleFor(bool mandatoryAxis) const {
  if (hasZValues_ || mandatoryAxis) return talValue;
  if (HasPointLabels()) return talPointValue;
  for (const std::string& label : labels_)
    if (!label.empty()) return talText;
  return talValue;
}

}  // namespace quil
