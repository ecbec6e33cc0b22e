#pragma once

#include <vector>

#include "canvas/graphics_object.h"
#include "core/color.h"
#include "core/geometry.h"
#include "core/properties.h"

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

// The settings of a series' point marks and their stored positions. The marks' frame and text
// box come with the framed text shapes; this holds what the series itself relies on.
class TSeriesMarks : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TSeriesMarks(TChangeHandler onChange = nullptr) : TGraphicsObject(std::move(onChange)) {}

  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Store(visible_, value); }
  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle value) { Store(style_, value); }
  int DrawEvery() const { return drawEvery_; }
  void SetDrawEvery(int value) { Store(drawEvery_, value); }
  double Angle() const { return angle_; }
  void SetAngle(double value) { Store(angle_, value); }
  bool Clip() const { return clip_; }
  void SetClip(bool value) { Store(clip_, value); }
  bool OnTop() const { return onTop_; }
  void SetOnTop(bool value) { Store(onTop_, value); }
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value) { Store(multiLine_, value); }
  bool AutoPosition() const { return autoPosition_; }
  void SetAutoPosition(bool value) { Store(autoPosition_, value); }
  int RoundSize() const { return roundSize_; }
  void SetRoundSize(int value) { Store(roundSize_, value); }
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor value) { Store(backColor_, value); }
  bool UseSeriesTransparency() const { return useSeriesTransparency_; }
  void SetUseSeriesTransparency(bool value) { Store(useSeriesTransparency_, value); }

  // One entry per point that has a stored position, in point order.
  std::vector<TSeriesMarkPosition>& Positions() { return positions_; }
  const std::vector<TSeriesMarkPosition>& Positions() const { return positions_; }
  // The mark data of one point leaves with the point.
  void DeletePosition(int index);
  void DeletePositions(int start, int quantity);
  void Clear() { positions_.clear(); }

  bool AssignSettings(const TPersistent& source) override;

 private:
  template <class T>
  void Store(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }

  std::vector<TSeriesMarkPosition> positions_;
  double angle_ = 0;
  TSeriesMarksStyle style_ = smsLabelOrValue;
  int drawEvery_ = 1;
  int roundSize_ = 4;
  TColor backColor_ = 0xE1FFFF;
  bool visible_ = false;
  bool clip_ = false;
  bool onTop_ = false;
  bool multiLine_ = false;
  bool autoPosition_ = true;
  bool useSeriesTransparency_ = true;
};

}  // namespace quil
