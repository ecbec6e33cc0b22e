#include "engine/custom_tool_axis.h"

#include "core/filer.h"
#include "core/reader.h"
#include "engine/axis_panel.h"

namespace quil {

const TMetaClass& TQuilCustomToolAxis::StaticClass() {
  static const TMetaClass meta("TQuilCustomToolAxis", &TQuilCustomTool::StaticClass());
  return meta;
}

TQuilCustomToolAxis::TQuilCustomToolAxis(TComponent* owner) : TQuilCustomTool(owner) {}

void TQuilCustomToolAxis::SetAxis(ROvedeAxis* axis) {
  TCustomAxisPanel* axisChart = axis ? TCustomAxisPanel::ChartOfAxis(*axis) : nullptr;
  if (axis_ == axis && axisChart == ParenrOvede()) return;
  axis_ = axis;
  SetParenrOvede(axisChart);
  Repaint();
}

void TQuilCustomToolAxis::Assign(const TPersistent& source) {
  TQuilCustomTool::Assign(source);
  if (const auto* other = dynamic_cast<const TQuilCustomToolAxis*>(&source)) SetAxis(other->axis_);
}

void TQuilCustomToolAxis::ReadAxisID(int index) {
  TCustomAxisPanel* chart = ParenrOvede();
  if (!chart || index < 0 || index >= chart->Axes().Count()) return;
  SetAxis(&chart->Axes()[index]);
}

void TQuilCustomToolAxis::DefineProperties(TFiler& filer) {
  TQuilCustomTool::DefineProperties(filer);
  TCustomAxisPanel* chart = ParenrOvede();
  const int index = chart && axis_ ? chart->Axes().IndexOf(axis_) : -1;
  filer.DefineProperty(
      "AxisID", [this](TReader& reader) { ReadAxisID(reader.ReadInteger()); },
      [index](TWriter& writer) { writer.WriteInteger(index); }, index >= 0);
}

}  // namespace quil
