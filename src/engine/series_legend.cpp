#include "engine/series_legend.h"

namespace quil {

const TMetaClass& TSeriesLegend::StaticClass() {
  using C = TSeriesLegend;
  static const TMetaClass meta("TSeriesLegend", &TGraphicsObject::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .String("Text", &C::Text, &C::SetText, std::string())
                                   .Bool("Visible", &C::Visible, &C::SetVisible, true)
                                   .Build());
  return meta;
}

void TSeriesLegend::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  Changed();
}

void TSeriesLegend::SetText(const std::string& value) {
  if (text_ == value) return;
  text_ = value;
  Changed();
}

bool TSeriesLegend::AssignSettings(const TPersistent& source) {
  const auto* other = dynamic_cast<const TSeriesLegend*>(&source);
  if (!other) return false;
  text_ = other->text_;
  visible_ = other->visible_;
  return true;
}

}  // namespace quil
