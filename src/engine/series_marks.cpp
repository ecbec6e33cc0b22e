#include "engine/series_marks.h"

#include <algorithm>

#include "core/color_idents.h"

namespace quil {

const TEnumInfo& SeriesMarksStyleInfo() {
  static const TEnumInfo info{"TSeriesMarksStyle",
                              {"smsValue", "smsPercent", "smsLabel", "smsLabelPercent", "smsLabelValue", "smsLegend",
                               "smsPercentTotal", "smsLabelPercentTotal", "smsXValue", "smsXY", "smsSeriesTitle",
                               "smsPointIndex", "smsPercentRelative", "smsLabelPercentValue", "smsLabelOrValue"}};
  return info;
}

const TMetaClass& TSeriesMarks::StaticClass() {
  using C = TSeriesMarks;
  static const TMetaClass meta("TSeriesMarks", &TGraphicsObject::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Float("Angle", &C::Angle, &C::SetAngle, 0.0)
                                   .Bool("AutoPosition", &C::AutoPosition, &C::SetAutoPosition, true)
                                   .Int("BackColor", &C::BackColor, &C::SetBackColor, 0xE1FFFF, &ColorIdents())
                                   .Bool("Clip", &C::Clip, &C::SetClip, false)
                                   .Int("DrawEvery", &C::DrawEvery, &C::SetDrawEvery, 1)
                                   .Bool("MultiLine", &C::MultiLine, &C::SetMultiLine, false)
                                   .Bool("OnTop", &C::OnTop, &C::SetOnTop, false)
                                   .Int("RoundSize", &C::RoundSize, &C::SetRoundSize, 4)
                                   .Enum("Style", SeriesMarksStyleInfo(), &C::Style, &C::SetStyle, smsLabelOrValue)
                                   .Bool("UseSeriesTransparency", &C::UseSeriesTransparency,
                                         &C::SetUseSeriesTransparency, true)
                                   .Bool("Visible", &C::Visible, &C::SetVisible, false)
                                   .Build());
  return meta;
}

void TSeriesMarks::DeletePosition(int index) { DeletePositions(index, 1); }

void TSeriesMarks::DeletePositions(int start, int quantity) {
  const int count = static_cast<int>(positions_.size());
  if (start < 0 || start >= count || quantity <= 0) return;
  const int end = std::min(count, start + quantity);
  positions_.erase(positions_.begin() + start, positions_.begin() + end);
}

bool TSeriesMarks::AssignSettings(const TPersistent& source) {
  const auto* other = dynamic_cast<const TSeriesMarks*>(&source);
  if (!other) return false;
  angle_ = other->angle_;
  style_ = other->style_;
  drawEvery_ = other->drawEvery_;
  roundSize_ = other->roundSize_;
  backColor_ = other->backColor_;
  visible_ = other->visible_;
  clip_ = other->clip_;
  onTop_ = other->onTop_;
  multiLine_ = other->multiLine_;
  autoPosition_ = other->autoPosition_;
  useSeriesTransparency_ = other->useSeriesTransparency_;
  return true;
}

}  // namespace quil
