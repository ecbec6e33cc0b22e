#include "engine/themed_series.h"

#include "core/color_idents.h"
#include "core/messages.h"
#include "engine/axis_panel.h"

namespace quil {

std::vector<TPropInfo> SharedSeriesProperties() {
  using C = ROvedeSeries;
  return TPropertyListBuilder<C>()
      .Bool("ColorEachPoint", &C::ColorEachPoint, &C::SetColorEachPoint, false)
      .String("ColorSource", &C::ColorSource, &C::SetColorSource, std::string())
      .Int("Cursor", &C::Cursor, &C::SetCursor, crDefault)
      .Int("Depth", &C::Depth, &C::SetDepth, -1)
      .Enum("HorizAxis", HorizAxisInfo(), &C::HorizAxis, &C::SetHorizAxis, aBottomAxis)
      .Object("Marks", static_cast<TSeriesMarks& (C::*)()>(&C::Marks))
      .Reference("ParenrOvede", &C::ParenrOvede, &C::SetParenrOvede)
      .StoredWhen([](const C&) { return false; })
      .String("PercentFormat", &C::PercentFormat, &C::SetPercentFormat)
      .StoredWhen([](const C& s) { return s.PercentFormat() != QuilMsg_DefPercentFormat; })
      .Int("SeriesColor", &C::SeriesColor, &C::SetSeriesColor, std::nullopt, &ColorIdents())
      .StoredWhen([](const C& s) { return s.Color() != clQuilColor; })
      .Bool("ShowInLegend", &C::ShowInLegend, &C::SetShowInLegend, true)
      .String("Title", &C::Title, &C::SetTitle, std::string())
      .Int("Transparency", &C::Transparency, &C::SetTransparency, 0)
      .String("ValueFormat", &C::ValueFormat, &C::SetValueFormat)
      .StoredWhen([](const C& s) { return s.ValueFormat() != QuilMsg_DefValueFormat; })
      .Enum("VertAxis", VertAxisInfo(), &C::VertAxis, &C::SetVertAxis, aLeftAxis)
      .String("XLabelsSource", &C::XLabelsSource, &C::SetXLabelsSource, std::string())
      .Build();
}

const TMetaClass& TThemedSeries::StaticClass() {
  static const TMetaClass meta("TThemedSeries", &ROvedeSeries::StaticClass(), SharedSeriesProperties(),
                               ComponentFactory<TThemedSeries>());
  return meta;
}

}  // namespace quil
