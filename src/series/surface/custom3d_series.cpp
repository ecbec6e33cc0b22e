#include "series/surface/custom3d_series.h"

#include <algorithm>

#include "canvas/bitmap.h"
#include "chart/custom_chart.h"
#include "core/class_registry.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"

namespace quil {

const TMetaClass& TCustom3DSeries::StaticClass() {
  using C = TCustom3DSeries;
  static const TMetaClass meta("TCustom3DSeries", &ROvedeSeries::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Int("TimesZOrder", &C::TimesZOrder, &C::SetTimesZOrder, 3)
                                   .Object("ZValues", &C::ZValues)
                                   .Build(),
                               ComponentFactory<TCustom3DSeries>());
  return meta;
}

TCustom3DSeries::TCustom3DSeries(TComponent* owner) : ROvedeSeries(owner), zValues_(&CreateValueList(*this, "Z")) {
  SetHasZValues(true);
  SetCalcVisiblePoints(false);
  XValues().SetOrder(loNone);
}

void TCustom3DSeries::SetTimesZOrder(int value) {
  if (timesZOrder_ == value) return;
  timesZOrder_ = value;
  Repaint();
}

int TCustom3DSeries::AddXYZ(double x, double y, double z, const std::string& label, TColor color) {
  zValues_->SetTempValue(z);
  return AddXY(x, y, label, color);
}

void TCustom3DSeries::AddArray(const std::vector<std::vector<double>>& values) {
  BeginUpdate();
  try {
    for (std::size_t x = 0; x < values.size(); ++x)
      for (std::size_t z = 0; z < values[x].size(); ++z)
        AddXYZ(static_cast<double>(x), values[x][z], static_cast<double>(z));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

ROvedeAxis* TCustom3DSeries::DepthAxis() const {
  const TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return nullptr;
  for (int i = 0; i < chart->Axes().Count(); ++i) {
    ROvedeAxis& axis = chart->Axes()[i];
    if (axis.IsDepthAxis() && axis.IsStandard() && axis.Identifier() == "Depth") return &axis;
  }
  return nullptr;
}

int TCustom3DSeries::CalcZPos(int valueIndex) const {
  const ROvedeAxis* axis = DepthAxis();
  return axis ? axis->CalcPosValue(zValues_->Value(valueIndex)) : 0;
}

int ImageValue(TColor color, bool inverted) {
  const int value = GetRValue(color) + 256 * GetGValue(color) + 65536 * GetBValue(color);
  return inverted ? -value : value;
}

void TCustom3DSeries::Load(const TBitmap& image, bool inverted) {
  BeginUpdate();
  try {
    LoadPixels(image, inverted);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCustom3DSeries::LoadPixels(const TBitmap& image, bool inverted) {
  Clear();
  for (int x = 0; x < image.Width(); ++x)
    for (int z = 0; z < image.Height(); ++z) AddXYZ(x, ImageValue(image.Pixel(x, z), inverted), z);
}

// The base gives every series one slot; a 3D series makes the box TimesZOrder slots deeper
// behind its own, without taking back slots other series already hold.
void TCustom3DSeries::CalcZOrder() {
  ROvedeSeries::CalcZOrder();
  TCustomAxisPanel* chart = ParenrOvede();
  if (chart && chart->View3D()) chart->SetMaxZOrder(std::max(chart->MaxZOrder(), ZOrder() + timesZOrder_));
}

ROvedeValueList* TCustom3DSeries::ValueListOfAxis(const ROvedeAxis& axis) const {
  if (axis.IsDepthAxis()) return zValues_;
  return ROvedeSeries::ValueListOfAxis(axis);
}

void TCustom3DSeries::DrawAllValues() {
  ROvedeSeries::DrawAllValues();
  SaveChartRect();
}

void TCustom3DSeries::SaveChartRect() {
  if (const TCustomAxisPanel* chart = ParenrOvede()) iOldChartRect_ = chart->ChartRect;
  iOldStartZ_ = StartZ();
  iOldEndZ_ = EndZ();
}

bool TCustom3DSeries::AxisRectChanged() const {
  const TCustomAxisPanel* chart = ParenrOvede();
  const TRect rect = chart ? chart->ChartRect : iOldChartRect_;
  return !(rect == iOldChartRect_) || StartZ() != iOldStartZ_ || EndZ() != iOldEndZ_;
}

bool TCustom3DSeries::BackFaced() const {
  const ROvedeAxis* depth = DepthAxis();
  const bool inverted = depth && depth->Inverted();
  TCustomAxisPanel* chart = ParenrOvede();
  const int rotation = chart ? chart->View3DOptions().Rotation() : 0;
  const bool turned = rotation >= 91 && rotation <= 269;
  return inverted != turned;
}

void TCustom3DSeries::PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& brushStyle) {
  ROvedeSeries::PrepareLegendCanvas(valueIndex, backColor, brushStyle);
  auto* chart = dynamic_cast<TCustomChart*>(ParenrOvede());
  if (chart && chart->Legend().Symbol().Continuous()) chart->Canvas().Pen().SetStyle(psClear);
}

void TCustom3DSeries::Assign(const TPersistent& source) {
  ROvedeSeries::Assign(source);
  if (const auto* other = dynamic_cast<const TCustom3DSeries*>(&source); other && other != this)
    timesZOrder_ = other->timesZOrder_;
}

}  // namespace quil
