#pragma once

#include <functional>
#include <string>
#include <vector>

#include "series/surface/color_range.h"
#include "series/surface/custom3d_series.h"
#include "series/surface/value_palette.h"

namespace quil {

class TMemoryStream;

// A 3D series that colours each point by its value: either on a ramp from EndColor (lowest
// value) through an optional MidColor to StartColor (highest value), or by looking the value up
// in a palette of value bounds and colours. The palette is what the legend lists for the series.
//
// The palette is empty, built automatically from the values' range (rebuilt before a drawing
// once the values changed), or supplied by the caller (AddPalette, a palette file), which value
// changes leave alone.
class TCustom3DPaletteSeries : public TCustom3DSeries {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustom3DPaletteSeries(TComponent* owner = nullptr);

  // The ramp's colours; MidColor clNone means no middle colour.
  TColor StartColor() const { return startColor_; }
  void SetStartColor(TColor value);
  TColor MidColor() const { return midColor_; }
  void SetMidColor(TColor value);
  TColor EndColor() const { return endColor_; }
  void SetEndColor(TColor value);
  // The ramp wins over the palette while both are on.
  bool UseColorRange() const { return useColorRange_; }
  void SetUseColorRange(bool value);
  bool UsePalette() const { return usePalette_; }
  void SetUsePalette(bool value);

  // Building settings. Setting any of the last four rebuilds the palette at once.
  TQuilPaletteStyle PaletteStyle() const { return paletteStyle_; }
  // A style other than psCustom empties the palette, so that it is built anew.
  void SetPaletteStyle(TQuilPaletteStyle value);
  int PaletteSteps() const { return paletteSteps_; }
  // Up to kMaxPaletteSteps (ChartException beyond, nothing changed); 0 or less builds an empty
  // palette.
  void SetPaletteSteps(int value);
  double PaletteMin() const { return paletteMin_; }
  void SetPaletteMin(double value);
  // 0 spreads the entries evenly over the values' range.
  double PaletteStep() const { return paletteStep_; }
  void SetPaletteStep(double value);
  bool UsePaletteMin() const { return usePaletteMin_; }
  void SetUsePaletteMin(bool value);
  // The legend lists every n-th entry; values below 1 count as 1.
  int LegendEvery() const { return legendEvery_; }
  void SetLegendEvery(int value);

  const TCustom3DPalette& Palette() const { return palette_; }
  // Replaces the palette by a copy of value, as it is.
  virtual void SetPalette(const TCustom3DPalette& value);
  // The palette came from the caller and is not rebuilt when values change.
  bool CustomPalette() const { return customPalette_; }
  // Values changed since the palette was built.
  bool DirtyPalette() const { return dirtyPalette_; }

  // Inserts an entry in value order and makes the palette the caller's; answers its index.
  int AddPalette(double value, TColor color);
  // Builds the palette, then gives its entries the colours in turn (repeating them); nothing
  // when colors is empty.
  void AddPalette(const std::vector<TColor>& colors);
  void ClearPalette();
  // Builds numSteps entries (PaletteSteps for 0) from the values' range in PaletteStyle; the
  // palette becomes automatic again. Raises ChartException beyond kMaxPaletteSteps.
  void CreateDefaultPalette(int numSteps = 0);
  // PaletteSteps entries whose colours follow the colour ramp.
  void CreateRangePalette();
  // Every entry takes the colour its own bound gets.
  void GeneratePalette();
  // Reverses the order of the colours; the bounds stay.
  void InvertPalette();
  // Builds the palette when the series has points and the palette is empty, or automatic and
  // out of date.
  void CheckPaletteEmpty();
  // Replaces the palette by the entries of a palette file, which become the caller's palette.
  // A file that cannot be read whole raises ChartException and leaves the palette as it was.
  void LoadPaletteFromFile(const std::string& fileName);
  // Writes the palette so that it reads back exactly (ChartException when it cannot).
  void SavePaletteToFile(const std::string& fileName) const;

  struct TPaletteBounds {
    double Min = 0;
    double Range = 0;
  };
  // What a built palette spans: the minimum and range of the values.
  virtual TPaletteBounds GetPaletteBounds() const;

  // The point's own colour, or the colour its value maps to in a colour mode; OnGetColor has
  // the last word.
  TColor GetValueColor(int valueIndex) const override;
  // The colour value maps to: on the ramp (EndColor below and at the lowest value, StartColor
  // above the highest, EndColor for NaN or when all values are equal), else in the palette,
  // else the series colour.
  TColor GetValueColorValue(double value) const;
  // The colour of the palette entry value belongs to; the palette must not be empty.
  TColor GetSurfacePaletteColor(double value) const;
  // The ramp's colour at percent (0 EndColor, 0.5 MidColor, 1 StartColor), clamped to 0..1.
  TColor RangePercent(double percent) const { return colorRange_.At(percent); }
  // 1 / (maximum - minimum) of the values, 0 when they span nothing; kept up to date with the
  // values.
  double IValueRangeInv() const;

  // Legend rows of a colour mode: one per listed palette entry, highest entry first.
  int CountLegendItems() const override;
  int CalcLegendIndex(int legendIndex) const override;
  std::string LegendString(int legendIndex, TLegendTextStyle style) const override;
  // Takes a palette index in a colour mode.
  TColor LegendItemColor(int index) const override;

  void Clear() override;
  void NotifyValue(TValueEvent event, int valueIndex) override;
  void DoBeforeDrawChart() override;
  // Copies the points, then builds the palette for them.
  void AddValues(const ROvedeSeries& source) override;
  // From another palette series also its palette and palette settings.
  void Assign(const TPersistent& source) override;
  void AssignFormatting(const ROvedeSeries& source) override;
  // "CustomPalette": the entries of a psCustom palette.
  void DefineProperties(TFiler& filer) override;
  // Reads the stored entries; a stream that ends early or claims more entries than it holds
  // raises "Stream read error" and leaves the palette as it was.
  void ReadCustomPalette(TMemoryStream& stream);
  void WriteCustomPalette(TMemoryStream& stream) const;

  std::function<void(const ROvedeSeries& sender, int valueIndex, TColor& color)> OnGetColor;

 protected:
  // The colours changed; for kinds that cache colours.
  virtual void ChangedColors() {}
  void NotifyColorChange(int valueIndex) override;
  // The series' own symbol (valueIndex -1) on the colour ramp is the ramp itself, framed.
  void DrawLegendShape(int valueIndex, const TRect& rect) override;

 private:
  void CalcColorRange();
  void SetRampColor(TColor& field, TColor value);
  // The palette entries for n steps in the current style, in insertion order.
  TCustom3DPalette BuildEntries(int steps) const;
  void ResizeCustomPalette(int steps, double start, double step);
  bool ColorMode() const { return useColorRange_ || usePalette_; }

  TCustom3DPalette palette_;
  TColorRange colorRange_;
  TColor startColor_ = clNavy;
  TColor midColor_ = clNone;
  TColor endColor_ = clWhite;
  double paletteMin_ = 0;
  double paletteStep_ = 0;
  int paletteSteps_ = 32;
  int legendEvery_ = 1;
  TQuilPaletteStyle paletteStyle_ = psPale;
  bool useColorRange_ = true;
  bool usePalette_ = false;
  bool usePaletteMin_ = false;
  bool customPalette_ = false;
  bool dirtyPalette_ = false;
  // The values' extremes IValueRangeInv was worked out for.
  mutable double rangeMin_ = 0;
  mutable double rangeMax_ = 0;
  mutable double valueRangeInv_ = 0;
};

}  // namespace quil
