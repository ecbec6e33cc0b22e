#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/messages.h"
#include "engine/chart_exception.h"
#include "engine/format_settings.h"
#include "series/surface/custom3d_palette_series.h"
#include "series/surface/palette_file.h"

namespace quil {

namespace {

void CheckSteps(int steps) {
  if (steps > kMaxPaletteSteps)
    throw ChartException(QuilFormat(QuilMsg_PaletteSteps, std::to_string(kMaxPaletteSteps)));
}

// Bounds in value order, NaN after every number; entries with equal bounds keep the order they
// were made in, as inserting them one by one would leave them.
void SortByBound(TCustom3DPalette& palette) {
  std::stable_sort(palette.begin(), palette.end(), [](const TGridPalette& a, const TGridPalette& b) {
    return a.UpToValue < b.UpToValue || (!std::isnan(a.UpToValue) && std::isnan(b.UpToValue));
  });
}

// Where the entries of a built palette lie: Start + i * Step. A range that is not a finite
// number (values of +-infinity) cannot be divided into steps; such a palette keeps all its
// bounds at one finite value rather than at NaN, where no lookup could find them.
struct TPaletteSpan {
  double Start = 0;
  double Step = 0;

  double Bound(int i) const { return i == 0 ? Start : Start + i * Step; }
};

}  // namespace

TCustom3DPaletteSeries::TPaletteBounds TCustom3DPaletteSeries::GetPaletteBounds() const {
  const ROvedeValueList& values = MandatoryValueList();
  return {values.MinValue(), values.Range()};
}

TCustom3DPalette TCustom3DPaletteSeries::BuildEntries(int steps) const {
  TCustom3DPalette entries;
  if (steps <= 0) return entries;
  const TPaletteBounds bounds = GetPaletteBounds();
  TPaletteSpan span{usePaletteMin_ ? paletteMin_ : bounds.Min,
                    paletteStep_ != 0 ? paletteStep_ : bounds.Range / std::max(steps - 1, 1)};
  if (!std::isfinite(span.Start)) span.Start = 0;
  if (!std::isfinite(span.Step)) span.Step = 0;
  if (paletteStyle_ == psCustom) {
    entries = palette_;
    const int old = static_cast<int>(entries.size());
    entries.resize(static_cast<std::size_t>(steps));
    for (int i = 0; i < steps; ++i) {
      TGridPalette& entry = entries[static_cast<std::size_t>(i)];
      entry.UpToValue = span.Bound(i);
      if (i >= old && old > 0) entry.Color = entries[static_cast<std::size_t>(i % old)].Color;
    }
  } else if (paletteStyle_ == psRainbow) {
    // A rainbow palette belongs to series that are shown in a chart; one on its own has none.
    if (!ParenrOvede()) return entries;
    const std::vector<TColor>& rainbow = RainbowPalette();
    for (int i = 0; i < steps; ++i)
      entries.push_back({span.Bound(i), rainbow[static_cast<std::size_t>(i) % rainbow.size()], {}});
  } else {
    const double factor = paletteStyle_ == psPale     ? std::numbers::pi / steps
                          : paletteStyle_ == psStrong ? 2 * std::numbers::pi / steps
                                                      : 255.0 / steps;
    entries.reserve(static_cast<std::size_t>(steps));
    for (int i = 0; i < steps; ++i) entries.push_back({span.Bound(i), ColorOfInterval(paletteStyle_, i * factor), {}});
  }
  SortByBound(entries);
  return entries;
}

void TCustom3DPaletteSeries::CreateDefaultPalette(int numSteps) {
  const int steps = numSteps != 0 ? numSteps : paletteSteps_;
  CheckSteps(steps);
  palette_ = BuildEntries(steps);
  customPalette_ = false;
  ChangedColors();
  dirtyPalette_ = false;
  Repaint();
}

void TCustom3DPaletteSeries::CheckPaletteEmpty() {
  if (Count() > 0 && (palette_.empty() || (dirtyPalette_ && !customPalette_))) CreateDefaultPalette(0);
}

void TCustom3DPaletteSeries::CreateRangePalette() {
  CheckSteps(paletteSteps_);
  const TPaletteBounds bounds = GetPaletteBounds();
  TCustom3DPalette entries;
  const double step = paletteSteps_ > 0 ? bounds.Range / paletteSteps_ : 0;
  for (int t = 1; t <= paletteSteps_; ++t) {
    if (bounds.Range > 0)
      entries.push_back({bounds.Min + t * step, RangePercent(t * step / bounds.Range), {}});
    else
      entries.push_back({bounds.Min, RGBColor(GetRValue(endColor_), GetGValue(endColor_), GetBValue(endColor_)), {}});
  }
  SortByBound(entries);
  palette_ = std::move(entries);
  dirtyPalette_ = false;
  ChangedColors();
  Repaint();
}

int TCustom3DPaletteSeries::AddPalette(double value, TColor color) {
  customPalette_ = true;
  dirtyPalette_ = false;
  const int index = InsertPaletteEntry(palette_, value, color);
  Repaint();
  return index;
}

void TCustom3DPaletteSeries::AddPalette(const std::vector<TColor>& colors) {
  if (colors.empty()) return;
  CreateDefaultPalette(0);
  const std::size_t count = std::min(palette_.size(), static_cast<std::size_t>(std::max(paletteSteps_, 0)));
  for (std::size_t i = 0; i < count; ++i) palette_[i].Color = colors[i % colors.size()];
  customPalette_ = true;
  ChangedColors();
  Repaint();
}

void TCustom3DPaletteSeries::ClearPalette() {
  palette_.clear();
  Repaint();
}

void TCustom3DPaletteSeries::SetPalette(const TCustom3DPalette& value) {
  palette_ = value;
  ChangedColors();
  Repaint();
}

// Entries in value order, as adding them one by one would leave them.
void TCustom3DPaletteSeries::LoadPaletteFromFile(const std::string& fileName) {
  TCustom3DPalette entries = ReadPaletteFile(fileName, QuilFormatSettings());
  SortByBound(entries);
  palette_ = std::move(entries);
  if (!palette_.empty()) {
    customPalette_ = true;
    dirtyPalette_ = false;
  }
  ChangedColors();
  Repaint();
}

void TCustom3DPaletteSeries::SavePaletteToFile(const std::string& fileName) const {
  WritePaletteFile(fileName, palette_, QuilFormatSettings());
}

void TCustom3DPaletteSeries::GeneratePalette() {
  for (TGridPalette& entry : palette_) entry.Color = GetValueColorValue(entry.UpToValue);
  ChangedColors();
  Repaint();
}

void TCustom3DPaletteSeries::InvertPalette() {
  const std::size_t n = palette_.size();
  for (std::size_t i = 0; i < n / 2; ++i) std::swap(palette_[i].Color, palette_[n - 1 - i].Color);
  ChangedColors();
  Repaint();
}

}  // namespace quil
