#include "core/properties.h"
#include "engine/axis_label_style.h"
#include "engine/rovede_axis.h"

namespace quil {

namespace {

const TEnumInfo& AxisLabelAlignInfo() {
  static const TEnumInfo info{"TAxisLabelAlign", {"alDefault", "alOpposite", "alCenter"}};
  return info;
}

using A = ROvedeAxis;

TPropertyListBuilder<A>& ScaleProperties(TPropertyListBuilder<A>& b) {
  return b.Bool("Automatic", &A::Automatic, &A::SetAutomatic, true)
      .Bool("AutomaticMaximum", &A::AutomaticMaximum, &A::SetAutomaticMaximum, true)
      .Bool("AutomaticMinimum", &A::AutomaticMinimum, &A::SetAutomaticMinimum, true)
      .String("AxisValuesFormat", &A::AxisValuesFormat, &A::SetAxisValuesFormat, std::string("#,##0.###"))
      .String("DateTimeFormat", &A::DateTimeFormat, &A::SetDateTimeFormat, std::string())
      .Bool("ExactDateTime", &A::ExactDateTime, &A::SetExactDateTime, true)
      .Float("Increment", &A::Increment, &A::SetIncrement, 0.0)
      .Bool("Inverted", &A::Inverted, &A::SetInverted, false)
      .Bool("LabelsAlternate", &A::LabelsAlternate, &A::SetLabelsAlternate, false)
      .Int("LabelsAngle", &A::LabelsAngle, &A::SetLabelsAngle, 0)
      .Bool("LabelsGridIgnoresLabelSize", &A::LabelsGridIgnoresLabelSize, &A::SetLabelsGridIgnoresLabelSize, false)
      .Bool("LabelsMultiLine", &A::LabelsMultiLine, &A::SetLabelsMultiLine, false)
      .Bool("LabelsOnAxis", &A::LabelsOnAxis, &A::SetLabelsOnAxis, true)
      .Int("LabelsSeparation", &A::LabelsSeparation, &A::SetLabelsSeparation, 10)
      .Enum("LabelStyle", AxisLabelStyleInfo(), &A::LabelStyle, &A::SetLabelStyle, talAuto)
      .Bool("Logarithmic", &A::Logarithmic, &A::SetLogarithmic, false)
      .Float("LogarithmicBase", &A::LogarithmicBase, &A::SetLogarithmicBase, 10.0)
      .Float("Maximum", &A::Maximum, &A::SetStoredMaximum)
      .StoredWhen([](const A& a) { return !a.AutomaticMaximum(); })
      .Int("MaximumOffset", &A::MaximumOffset, &A::SetMaximumOffset, 0)
      .Bool("MaximumRound", &A::MaximumRound, &A::SetMaximumRound, false)
      .Float("Minimum", &A::Minimum, &A::SetStoredMinimum)
      .StoredWhen([](const A& a) { return !a.AutomaticMinimum(); })
      .Int("MinimumOffset", &A::MinimumOffset, &A::SetMinimumOffset, 0)
      .Bool("MinimumRound", &A::MinimumRound, &A::SetMinimumRound, false)
      .Bool("RoundFirstLabel", &A::RoundFirstLabel, &A::SetRoundFirstLabel, true);
}

TPropertyListBuilder<A>& AxisProperties(TPropertyListBuilder<A>& b) {
  return b.Object("Axis", static_cast<ROvedeAxisPen& (A::*)()>(&A::Axis))
      .Object("Grid", static_cast<TAxisGridPen& (A::*)()>(&A::Grid))
      .Bool("GridCentered", &A::GridCentered, &A::SetGridCentered, false)
      .Bool("Horizontal", &A::Horizontal, &A::SetHorizontal)
      .StoredWhen([](const A& a) { return !a.IsStandard(); })
      .Bool("Labels", &A::Labels, &A::SetLabels, true)
      .Enum("LabelsAlign", AxisLabelAlignInfo(), &A::LabelsAlign, &A::SetLabelsAlign, alDefault)
      .Bool("LabelsBehind", &A::LabelsBehind, &A::SetLabelsBehind, false)
      .Object("LabelsFormat", static_cast<TAxisLabelsFormat& (A::*)()>(&A::LabelsFormat))
      .Int("LabelsSize", &A::LabelsSize, &A::SetLabelsSize, 0)
      .Object("MinorGrid", static_cast<TQuilPen& (A::*)()>(&A::MinorGrid))
      .Int("MinorTickCount", &A::MinorTickCount, &A::SetMinorTickCount, 3)
      .Int("MinorTickLength", &A::MinorTickLength, &A::SetMinorTickLength, 2)
      .Object("MinorTicks", static_cast<TQuilPen& (A::*)()>(&A::MinorTicks))
      .Bool("OtherSide", &A::OtherSide, &A::SetOtherSide)
      .StoredWhen([](const A& a) { return !a.IsStandard(); })
      .Float("EndPosition", &A::EndPosition, &A::SetEndPosition, 100.0)
      .Float("PositionPercent", &A::PositionPercent, &A::SetPositionPercent, 0.0)
      .Enum("PositionUnits", QuilUnitsInfo(), &A::PositionUnits, &A::SetPositionUnits, muPercent)
      .Float("StartPosition", &A::StartPosition, &A::SetStartPosition, 0.0)
      .Int("TickInnerLength", &A::TickInnerLength, &A::SetTickInnerLength, 0)
      .Int("TickLength", &A::TickLength, &A::SetTickLength, 4)
      .Object("Ticks", static_cast<TQuilPen& (A::*)()>(&A::Ticks))
      .Object("TicksInner", static_cast<TQuilPen& (A::*)()>(&A::TicksInner))
      .Bool("TickOnLabelsOnly", &A::TickOnLabelsOnly, &A::SetTickOnLabelsOnly, true)
      .Object("Title", static_cast<ROvedeAxisTitle& (A::*)()>(&A::Title))
      .Int("TitleSize", &A::TitleSize, &A::SetTitleSize, 0)
      .Bool("Visible", &A::Visible, &A::SetVisible, true)
      .Float("ZPosition", &A::ZPosition, &A::SetZPosition)
      .StoredWhen([](const A& a) { return a.ZPosition() != a.DefaultZPosition(); });
}

}  // namespace

const TMetaClass& ROvedeAxis::StaticClass() {
  static const TMetaClass meta = [] {
    TPropertyListBuilder<A> builder;
    ScaleProperties(builder);
    AxisProperties(builder);
    return TMetaClass("ROvedeAxis", &TPersistent::StaticClass(), builder.Build());
  }();
  return meta;
}

const TMetaClass& ROvedeDepthAxis::StaticClass() {
  static const TMetaClass meta(
      "ROvedeDepthAxis", &ROvedeAxis::StaticClass(),
      TPropertyListBuilder<ROvedeDepthAxis>()
          .Bool("LabelsAsSeriesTitles", &ROvedeDepthAxis::LabelsAsSeriesTitles,
                &ROvedeDepthAxis::SetLabelsAsSeriesTitles, true)
          .Bool("Visible", &ROvedeAxis::Visible, &ROvedeAxis::SetVisible, false)
          .Build());
  return meta;
}

}  // namespace quil
