#include "engine/series_marks.h"

#include <algorithm>

#include "core/color_idents.h"

namespace quil {

namespace {

constexpr TColor kMarksBackColor = 0xE1FFFF;
constexpr int kMarksRoundSize = 4;

}  // namespace

const TEnumInfo& SeriesMarksStyleInfo() {
  static const TEnumInfo info{"TSeriesMarksStyle",
                              {"smsValue", "smsPercent", "smsLabel", "smsLabelPercent", "smsLabelValue", "smsLegend",
                               "smsPercentTotal", "smsLabelPercentTotal", "smsXValue", "smsXY", "smsSeriesTitle",
                               "smsPointIndex", "smsPercentRelative", "smsLabelPercentValue", "smsLabelOrValue"}};
  return info;
}

// Color, RoundSize, TextAlignment and Visible are declared again for the marks' own defaults.
const TMetaClass& TSeriesMarks::StaticClass() {
  using C = TSeriesMarks;
  static const TMetaClass meta(
      "TSeriesMarks", &TTextShape::StaticClass(),
      TPropertyListBuilder<C>()
          .Bool("AutoPosition", &C::AutoPosition, &C::SetAutoPosition, true)
          .Bool("Clip", &C::Clip, &C::SetClip, false)
          .Int("Color", &C::Color, &C::SetColor, kMarksBackColor, &ColorIdents())
          .Int("DrawEvery", &C::DrawEvery, &C::SetDrawEvery, 1)
          .Bool("MultiLine", &C::MultiLine, &C::SetMultiLine, false)
          .Bool("OnTop", &C::OnTop, &C::SetOnTop, false)
          .Int("RoundSize", &C::RoundSize, &C::SetRoundSize, kMarksRoundSize)
          .Enum("Style", SeriesMarksStyleInfo(), &C::Style, &C::SetStyle, smsLabelOrValue)
          .Enum("TextAlignment", AlignmentInfo(), &C::TextAlignment, &C::SetTextAlignment, taCenter)
          .Bool("UseSeriesTransparency", &C::UseSeriesTransparency, &C::SetUseSeriesTransparency, true)
          .Bool("Visible", &C::Visible, &C::SetVisible, false)
          .Build());
  return meta;
}

TSeriesMarks::TSeriesMarks(TCustomQuilPanel* parent) : TTextShape(parent) {
  InitVisible(false);
  InitTextAlignment(taCenter);
  SetColor(kMarksBackColor);
  SetRoundSize(kMarksRoundSize);
}

void TSeriesMarks::DeletePositions(int start, int quantity) {
  const int count = static_cast<int>(positions_.size());
  if (start < 0 || start >= count || quantity <= 0) return;
  const int end = std::min(count, start + quantity);
  positions_.erase(positions_.begin() + start, positions_.begin() + end);
}

int TSeriesMarks::Clicked(TPoint p) const {
  for (std::size_t i = 0; i < positions_.size(); ++i) {
    const TSeriesMarkPosition& mark = positions_[i];
    if (mark.Width <= 0 || mark.Height <= 0) continue;
    const TRect box{mark.LeftTop.X, mark.LeftTop.Y, mark.LeftTop.X + mark.Width, mark.LeftTop.Y + mark.Height};
    if (box.ContainsWithEdges(p)) return static_cast<int>(i);
  }
  return -1;
}

void TSeriesMarks::Assign(const TPersistent& source) {
  if (const auto* other = dynamic_cast<const TSeriesMarks*>(&source); other && other != this) {
    style_ = other->style_;
    drawEvery_ = other->drawEvery_;
    clip_ = other->clip_;
    onTop_ = other->onTop_;
    multiLine_ = other->multiLine_;
    autoPosition_ = other->autoPosition_;
    useSeriesTransparency_ = other->useSeriesTransparency_;
  }
  TTextShape::Assign(source);
}

}  // namespace quil
