#include <algorithm>

#include "engine/axis_panel.h"
#include "engine/series.h"
#include "core/messages.h"
#include "panel/text_lines.h"

namespace quil {

namespace {

bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

}  // namespace

std::string RemoveLineBreaks(std::string text) {
  std::replace(text.begin(), text.end(), QuilColumnSeparator, ' ');
  if (const auto lfcr = text.find("\n\r"); lfcr != std::string::npos)
    text.erase(lfcr, 1);
  else if (const auto crlf = text.find("\r\n"); crlf != std::string::npos)
    text.erase(crlf, 1);
  std::replace(text.begin(), text.end(), QuilLineSeparator, ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

ROvedeSeries* TCustomAxisPanel::SeriesLegend(int itemIndex, bool onlyActive) const {
  int found = 0;
  for (ROvedeSeries* series : seriesList_.Items()) {
    if (!series->ShowInLegend() || (onlyActive && !series->Active())) continue;
    if (found++ == itemIndex) return series;
  }
  return nullptr;
}

std::string TCustomAxisPanel::SeriesTitleLegend(int seriesIndex, bool onlyActive) const {
  const ROvedeSeries* series = SeriesLegend(seriesIndex, onlyActive);
  if (!series) return {};
  if (!series->LegendTitle().empty()) return RemoveLineBreaks(series->LegendTitle());
  return SeriesTitleOrName(*series, true);
}

std::string TCustomAxisPanel::SeriesTitleOrName(const ROvedeSeries& series, bool removeBreaks) const {
  const std::string& title = series.Title();
  if (IsBlank(title)) return SeriesNameOrIndex(series);
  return removeBreaks ? RemoveLineBreaks(title) : title;
}

std::string TCustomAxisPanel::SeriesNameOrIndex(const ROvedeSeries& series) const {
  if (!series.Name().empty()) return series.Name();
  const TCustomAxisPanel* chart = series.ParenrOvede();
  if (!chart) return {};
  return QuilMsg_Series + std::to_string(chart->seriesList_.IndexOf(&series) + 1);
}

}  // namespace quil
