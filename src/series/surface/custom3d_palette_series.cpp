#include "series/surface/custom3d_palette_series.h"

#include <algorithm>
#include <cmath>

#include "core/class_registry.h"
#include "core/color_idents.h"
#include "core/messages.h"
#include "engine/chart_exception.h"

namespace quil {

const TMetaClass& TCustom3DPaletteSeries::StaticClass() {
  using C = TCustom3DPaletteSeries;
  static const TMetaClass meta(
      "TCustom3DPaletteSeries", &TCustom3DSeries::StaticClass(),
      TPropertyListBuilder<C>()
          .Int("EndColor", &C::EndColor, &C::SetEndColor, clWhite, &ColorIdents())
          .Int("LegendEvery", &C::LegendEvery, &C::SetLegendEvery, 1)
          .Int("MidColor", &C::MidColor, &C::SetMidColor, clNone, &ColorIdents())
          .Float("PaletteMin", &C::PaletteMin, &C::SetPaletteMin, 0.0)
          .Float("PaletteStep", &C::PaletteStep, &C::SetPaletteStep, 0.0)
          .Int("PaletteSteps", &C::PaletteSteps, &C::SetPaletteSteps, 32)
          .Enum("PaletteStyle", PaletteStyleInfo(), &C::PaletteStyle, &C::SetPaletteStyle, psPale)
          .Int("StartColor", &C::StartColor, &C::SetStartColor, clNavy, &ColorIdents())
          .Bool("UseColorRange", &C::UseColorRange, &C::SetUseColorRange, true)
          .Bool("UsePalette", &C::UsePalette, &C::SetUsePalette, false)
          .Bool("UsePaletteMin", &C::UsePaletteMin, &C::SetUsePaletteMin, false)
          .Event("OnGetColor")
          .Build());
  return meta;
}

TCustom3DPaletteSeries::TCustom3DPaletteSeries(TComponent* owner) : TCustom3DSeries(owner) { CalcColorRange(); }

void TCustom3DPaletteSeries::CalcColorRange() { colorRange_.Set(startColor_, midColor_, endColor_); }

void TCustom3DPaletteSeries::SetRampColor(TColor& field, TColor value) {
  if (field == value) return;
  field = value;
  CalcColorRange();
  ChangedColors();
  Repaint();
}

void TCustom3DPaletteSeries::SetStartColor(TColor value) { SetRampColor(startColor_, value); }
void TCustom3DPaletteSeries::SetMidColor(TColor value) { SetRampColor(midColor_, value); }
void TCustom3DPaletteSeries::SetEndColor(TColor value) { SetRampColor(endColor_, value); }

void TCustom3DPaletteSeries::SetUseColorRange(bool value) {
  SetBooleanProperty(useColorRange_, value);
  ChangedColors();
}

void TCustom3DPaletteSeries::SetUsePalette(bool value) {
  SetBooleanProperty(usePalette_, value);
  if (value) CheckPaletteEmpty();
  ChangedColors();
}

void TCustom3DPaletteSeries::SetPaletteStyle(TQuilPaletteStyle value) {
  if (paletteStyle_ == value) return;
  paletteStyle_ = value;
  if (value != psCustom) palette_.clear();
  ChangedColors();
  Repaint();
}

void TCustom3DPaletteSeries::SetPaletteSteps(int value) {
  if (value > kMaxPaletteSteps)
    throw ChartException(QuilFormat(QuilMsg_PaletteSteps, std::to_string(kMaxPaletteSteps)));
  paletteSteps_ = value;
  CreateDefaultPalette(0);
}

void TCustom3DPaletteSeries::SetPaletteMin(double value) {
  paletteMin_ = value;
  CreateDefaultPalette(0);
}

void TCustom3DPaletteSeries::SetPaletteStep(double value) {
  paletteStep_ = value;
  CreateDefaultPalette(0);
}

void TCustom3DPaletteSeries::SetUsePaletteMin(bool value) {
  usePaletteMin_ = value;
  CreateDefaultPalette(0);
}

void TCustom3DPaletteSeries::SetLegendEvery(int value) { SetIntegerProperty(legendEvery_, std::max(1, value)); }

double TCustom3DPaletteSeries::IValueRangeInv() const {
  const ROvedeValueList& values = MandatoryValueList();
  const double minimum = values.MinValue();
  const double maximum = values.MaxValue();
  if (minimum != rangeMin_ || maximum != rangeMax_) {
    rangeMin_ = minimum;
    rangeMax_ = maximum;
    const double range = maximum - minimum;
    valueRangeInv_ = range != 0 && std::isfinite(range) ? 1 / range : 0;
  }
  return valueRangeInv_;
}

TColor TCustom3DPaletteSeries::GetValueColorValue(double value) const {
  if (useColorRange_) {
    const double inverse = IValueRangeInv();
    if (inverse == 0) return endColor_;
    const double offset = value - rangeMin_;
    if (!(offset >= 0)) return endColor_;
    if (value > rangeMax_) return startColor_;
    return colorRange_.At(std::min(offset * inverse, 1.0));
  }
  if (usePalette_ && !palette_.empty()) return GetSurfacePaletteColor(value);
  return SeriesColor();
}

TColor TCustom3DPaletteSeries::GetSurfacePaletteColor(double value) const {
  return palette_[static_cast<std::size_t>(PaletteEntryIndex(palette_, value))].Color;
}

TColor TCustom3DPaletteSeries::GetValueColor(int valueIndex) const {
  TColor color = clQuilColor;
  if (const auto& colors = Colors(); colors && valueIndex >= 0 && valueIndex < static_cast<int>(colors->size()))
    color = (*colors)[static_cast<std::size_t>(valueIndex)];
  if (color == clQuilColor)
    color = ColorMode() ? GetValueColorValue(MandatoryValueList().Value(valueIndex))
                        : ROvedeSeries::GetValueColor(valueIndex);
  if (OnGetColor) OnGetColor(*this, valueIndex, color);
  return color;
}

void TCustom3DPaletteSeries::Clear() {
  TCustom3DSeries::Clear();
  if (usePalette_ && paletteStyle_ != psCustom) palette_.clear();
}

// Refreshes alone come from batches that already announced their changes through the value
// lists; only series fed from this one would need a rebuild for them, and there are none.
void TCustom3DPaletteSeries::NotifyValue(TValueEvent event, int valueIndex) {
  TCustom3DSeries::NotifyValue(event, valueIndex);
  if (event != veRefresh) dirtyPalette_ = true;
}

void TCustom3DPaletteSeries::DoBeforeDrawChart() {
  TCustom3DSeries::DoBeforeDrawChart();
  CheckPaletteEmpty();
  IValueRangeInv();
}

void TCustom3DPaletteSeries::NotifyColorChange(int valueIndex) {
  TCustom3DSeries::NotifyColorChange(valueIndex);
  ChangedColors();
}

void TCustom3DPaletteSeries::AddValues(const ROvedeSeries& source) {
  TCustom3DSeries::AddValues(source);
  CreateDefaultPalette(0);
}

void TCustom3DPaletteSeries::AssignFormatting(const ROvedeSeries& source) {
  if (const auto* other = dynamic_cast<const TCustom3DPaletteSeries*>(&source); other && other != this) {
    usePalette_ = other->usePalette_;
    useColorRange_ = other->useColorRange_;
    startColor_ = other->startColor_;
    endColor_ = other->endColor_;
    midColor_ = other->midColor_;
    legendEvery_ = other->legendEvery_;
    paletteSteps_ = other->paletteSteps_;
    paletteStyle_ = other->paletteStyle_;
    CalcColorRange();
  }
  TCustom3DSeries::AssignFormatting(source);
}

// Copying the points builds the palette afresh for them; the source's palette is then copied
// over it, so that a palette the source's caller supplied arrives too.
void TCustom3DPaletteSeries::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCustom3DPaletteSeries*>(&source);
  if (other == this) return;
  if (other) {
    usePaletteMin_ = other->usePaletteMin_;
    paletteStep_ = other->paletteStep_;
    paletteMin_ = other->paletteMin_;
  }
  TCustom3DSeries::Assign(source);
  if (other) {
    palette_ = other->palette_;
    customPalette_ = other->customPalette_;
    dirtyPalette_ = other->dirtyPalette_;
    ChangedColors();
  }
}

}  // namespace quil
