#pragma once

#include <vector>

#include "core/geometry.h"
#include "core/properties.h"
#include "panel/text_shape.h"

namespace quil {

// What a point's mark shows.
enum TSeriesMarksStyle : int {
  smsValue,
  smsPercent,
  smsLabel,
  smsLabelPercent,
  smsLabelValue,
  smsLegend,
  smsPercentTotal,
  smsLabelPercentTotal,
  smsXValue,
  smsXY,
  smsSeriesTitle,
  smsPointIndex,
  smsPercentRelative,
  smsLabelPercentValue,
  smsLabelOrValue,
};

const TEnumInfo& SeriesMarksStyleInfo();

// Where a mark stands, as the user dragged it; stored with the points.
struct TSeriesMarkPosition {
  TPoint ArrowFrom;
  bool ArrowFix = false;
  TPoint ArrowTo;
  bool Custom = false;
  int Height = 0;
  TPoint LeftTop;
  int Width = 0;

  bool operator==(const TSeriesMarkPosition&) const = default;
};

// The framed text boxes a series shows beside its points, with what is shown in them and the
// positions the user dragged them to. Created invisible, centred, with round corners of 4 pixels
// on a light yellow background.
class TSeriesMarks : public TTextShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TSeriesMarks(TCustomQuilPanel* parent = nullptr);

  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle value) { SetValue(style_, value); }
  int DrawEvery() const { return drawEvery_; }
  void SetDrawEvery(int value) { SetValue(drawEvery_, value); }
  bool Clip() const { return clip_; }
  void SetClip(bool value) { SetValue(clip_, value); }
  bool OnTop() const { return onTop_; }
  void SetOnTop(bool value) { SetValue(onTop_, value); }
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value) { SetValue(multiLine_, value); }
  bool AutoPosition() const { return autoPosition_; }
  void SetAutoPosition(bool value) { SetValue(autoPosition_, value); }
  bool UseSeriesTransparency() const { return useSeriesTransparency_; }
  void SetUseSeriesTransparency(bool value) { SetValue(useSeriesTransparency_, value); }

  // One entry per point that has a stored position, in point order.
  std::vector<TSeriesMarkPosition>& Positions() { return positions_; }
  const std::vector<TSeriesMarkPosition>& Positions() const { return positions_; }
  // The mark data of points leaves with the points.
  void DeletePositions(int start, int quantity);
  void Clear() { positions_.clear(); }

  // The point whose mark box (its position's top-left corner, width and height) holds p,
  // edges included; the first in point order, or -1.
  int Clicked(TPoint p) const;

  // The settings; never the positions, which belong to the points.
  void Assign(const TPersistent& source) override;

 private:
  std::vector<TSeriesMarkPosition> positions_;
  TSeriesMarksStyle style_ = smsLabelOrValue;
  int drawEvery_ = 1;
  bool clip_ = false;
  bool onTop_ = false;
  bool multiLine_ = false;
  bool autoPosition_ = true;
  bool useSeriesTransparency_ = true;
};

}  // namespace quil
