#include "engine/custom_tool_series.h"

#include <string_view>

#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"

namespace quil {

namespace {

ROvedeAxis* StandardAxis(const TCustomAxisPanel& chart, std::string_view identifier) {
  for (int i = 0; i < chart.Axes().Count(); ++i)
    if (chart.Axes()[i].IsStandard() && chart.Axes()[i].Identifier() == identifier) return &chart.Axes()[i];
  return nullptr;
}

bool UsedByActiveSeries(const TCustomAxisPanel& chart, const ROvedeAxis& axis) {
  for (const ROvedeSeries* series : chart.SeriesList().Items())
    if (series->Active() && series->AssociatedToAxis(axis)) return true;
  return false;
}

}  // namespace

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

// A series that chose a custom axis it does not have draws against the standard one, and so
// does the tool.
ROvedeAxis* TQuilCustomToolSeries::GetAxis(bool horizontal) const {
  if (series_) {
    ROvedeAxis* custom = horizontal ? (series_->HorizAxis() == aCustomHorizAxis ? series_->CustomHorizAxis() : nullptr)
                                    : (series_->VertAxis() == aCustomVertAxis ? series_->CustomVertAxis() : nullptr);
    if (custom) return custom;
    return horizontal ? series_->GetHorizAxis() : series_->GetVertAxis();
  }
  const TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return nullptr;
  ROvedeAxis* nearSide = StandardAxis(*chart, horizontal ? "Bottom" : "Left");
  ROvedeAxis* otherSide = StandardAxis(*chart, horizontal ? "Top" : "Right");
  if (nearSide && UsedByActiveSeries(*chart, *nearSide)) return nearSide;
  if (otherSide && UsedByActiveSeries(*chart, *otherSide)) return otherSide;
  const ROvedeCustomAxes& custom = chart->CustomAxes();
  for (int i = 0; i < custom.Count(); ++i)
    if (custom[i].Horizontal() == horizontal && UsedByActiveSeries(*chart, custom[i])) return &custom[i];
  return nearSide;
}

}  // namespace quil
