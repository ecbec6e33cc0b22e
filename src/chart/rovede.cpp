#include "chart/rovede.h"

#include "core/class_registry.h"
#include "engine/rovede_axis.h"

namespace quil {

// Titles and the right wall exist only once asked for, and only existing ones are stored; the
// frame and the walls' shared settings are stored with the back wall and the chart.
const TMetaClass& ROvede::StaticClass() {
  using C = ROvede;
  static const TMetaClass meta(
      "ROvede", &TCustomChart::StaticClass(),
      TPropertyListBuilder<C>()
          .Object("BackWall", &C::BackWall)
          .Object("BottomAxis", &C::BottomAxis)
          .Object("BottomWall", &C::BottomWall)
          .Object("DepthAxis", &C::DepthAxis)
          .Object("DepthTopAxis", &C::DepthTopAxis)
          .Object("Foot", &C::Foot)
          .StoredWhen([](const C& c) { return c.TitleOrNull(2) != nullptr; })
          .Object("Frame", &C::Frame)
          .StoredWhen([](const C&) { return false; })
          .Object("LeftAxis", &C::LeftAxis)
          .Object("Legend", static_cast<ROvedeLegend& (C::*)()>(&C::Legend))
          .Object("LeftWall", &C::LeftWall)
          .Object("RightAxis", &C::RightAxis)
          .Object("RightWall", &C::RightWall)
          .StoredWhen([](const C& c) { return c.RightWallOrNull() != nullptr; })
          .Object("SubFoot", &C::SubFoot)
          .StoredWhen([](const C& c) { return c.TitleOrNull(3) != nullptr; })
          .Object("SubTitle", &C::SubTitle)
          .StoredWhen([](const C& c) { return c.TitleOrNull(1) != nullptr; })
          .Object("Title", &C::Title)
          .StoredWhen([](const C& c) { return c.TitleOrNull(0) != nullptr; })
          .Object("TopAxis", &C::TopAxis)
          .Object("Walls", &C::Walls)
          .StoredWhen([](const C&) { return false; })
          .Event("OnAllowScroll")
          .Event("OnClickAxis")
          .Event("OnClickBackground")
          .Event("OnClickLegend")
          .Event("OnClickSeries")
          .Event("OnClickTitle")
          .Build(),
      ComponentFactory<ROvede>());
  return meta;
}

ROvede::ROvede(TComponent* owner) : TCustomChart(owner) {}

}  // namespace quil
