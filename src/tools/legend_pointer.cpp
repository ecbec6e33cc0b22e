#include "tools/legend_pointer.h"

#include <cmath>

namespace quil {

const TMetaClass& TLegendPointer::StaticClass() {
  using C = TLegendPointer;
  static const TMetaClass meta("TLegendPointer", &TSeriesPointer::StaticClass(),
                               TPropertyListBuilder<C>().Float("Value", &C::Value, &C::SetValue, 0.0).Build());
  return meta;
}

TLegendPointer::TLegendPointer(TChangeHandler onChange) : TSeriesPointer(std::move(onChange)) {}

// A NaN is never equal to itself: setting one again changes nothing.
void TLegendPointer::SetValue(double value) {
  if (value == value_ || (std::isnan(value) && std::isnan(value_))) return;
  value_ = value;
  Changed();
}

bool TLegendPointer::AssignSettings(const TPersistent& source) {
  if (!TSeriesPointer::AssignSettings(source)) return false;
  if (const auto* other = dynamic_cast<const TLegendPointer*>(&source)) value_ = other->value_;
  return true;
}

}  // namespace quil
