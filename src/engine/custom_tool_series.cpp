#include "engine/custom_tool_series.h"

#include "engine/series.h"

namespace quil {

const TMetaClass& TQuilCustomToolSeries::StaticClass() {
  using C = TQuilCustomToolSeries;
  static const TMetaClass meta("TQuilCustomToolSeries", &TQuilCustomTool::StaticClass(),
                               TPropertyListBuilder<C>().Reference("Series", &C::Series, &C::SetSeries).Build());
  return meta;
}

TQuilCustomToolSeries::TQuilCustomToolSeries(TComponent* owner) : TQuilCustomTool(owner) {}

void TQuilCustomToolSeries::SetSeries(ROvedeSeries* series) {
  if (series_ == series) return;
  if (series_) RemoveFreeNotification(*series_);
  series_ = series;
  if (series_) FreeNotification(*series_);
  Repaint();
}

void TQuilCustomToolSeries::Assign(const TPersistent& source) {
  TQuilCustomTool::Assign(source);
  if (const auto* other = dynamic_cast<const TQuilCustomToolSeries*>(&source)) SetSeries(other->series_);
}

void TQuilCustomToolSeries::Notification(TComponent* component, TOperation operation) {
  TQuilCustomTool::Notification(component, operation);
  if (operation == TOperation::opRemove && component && component == series_) series_ = nullptr;
}

}  // namespace quil
