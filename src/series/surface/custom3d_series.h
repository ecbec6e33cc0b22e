#pragma once

#include <vector>

#include "core/geometry.h"
#include "engine/series.h"

namespace quil {

class ROvedeAxis;
class TBitmap;

// A series whose points carry a third value, Z, placed in depth by the chart's depth axis. It
// spreads over TimesZOrder depth slots of the chart's 3D box.
class TCustom3DSeries : public ROvedeSeries {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustom3DSeries(TComponent* owner = nullptr);

  ROvedeValueList& ZValues() const { return *zValues_; }
  // Copies the order, date-time flag and value source of list, as for the other value lists.
  void SetZValues(const ROvedeValueList& list) { zValues_->Assign(list); }
  double GetZValue(int valueIndex) const { return zValues_->Value(valueIndex); }
  void SetZValue(int valueIndex, double value) { zValues_->SetValue(valueIndex, value); }
  double MinZValue() const override { return zValues_->MinValue(); }
  double MaxZValue() const override { return zValues_->MaxValue(); }

  int TimesZOrder() const { return timesZOrder_; }
  void SetTimesZOrder(int value);

  // Adds a point with its Z value; answers its index, or -1 when OnBeforeAdd refused it.
  virtual int AddXYZ(double x, double y, double z, const std::string& label, TColor color);
  int AddXYZ(double x, double y, double z) { return AddXYZ(x, y, z, {}, clQuilColor); }
  using ROvedeSeries::AddArray;
  // One point (row, values[row][column], column) per value, in one update.
  void AddArray(const std::vector<std::vector<double>>& values);

  // The point's depth in pixels on the chart's depth axis; 0 without a chart.
  int CalcZPos(int valueIndex) const;
  // The chart's standard depth axis, or none.
  ROvedeAxis* DepthAxis() const;

  // Fills the series from an image: one point per pixel whose value is the pixel's colour
  // number (red + 256 green + 65536 blue), negated when inverted. An empty image empties the
  // series.
  void Load(const TBitmap& image, bool inverted = false);

  // Takes its slot like any series, then reserves TimesZOrder more behind it.
  void CalcZOrder() override;
  ROvedeValueList* ValueListOfAxis(const ROvedeAxis& axis) const override;
  // Draws, then remembers the chart rectangle and depth it drew into.
  void DrawAllValues() override;
  // Whether the chart rectangle or the series' depth changed since the last drawing.
  bool AxisRectChanged() const;
  // The surface is seen from behind: either the depth axis is inverted or the view is turned
  // round (rotation 91 to 269 degrees), not both.
  bool BackFaced() const;

  // From another 3D series also TimesZOrder (its Z values come with the points).
  void Assign(const TPersistent& source) override;

 protected:
  // Empties the series and adds one point (x, value, z) per pixel of column x and row z, column
  // by column; the series is updating while this runs.
  virtual void LoadPixels(const TBitmap& image, bool inverted);
  void SaveChartRect();
  // Symbols of a continuous legend run into each other without a frame between them.
  void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& brushStyle) override;

 private:
  ROvedeValueList* zValues_;
  TRect iOldChartRect_{};
  int iOldStartZ_ = 0;
  int iOldEndZ_ = 0;
  int timesZOrder_ = 3;
};

// A pixel's colour number as the image loader reads it: red + 256 green + 65536 blue.
int ImageValue(TColor color, bool inverted);

}  // namespace quil
