#include "series/surface/surface_series.h"

#include "canvas/quil_blend.h"
#include "canvas/solid_quad_fill.h"
#include "engine/axis_panel.h"
#include "engine/themed_series.h"

namespace quil {

const TMetaClass& TSurfaceSeries::StaticClass() {
  using C = TSurfaceSeries;
  static const TMetaClass meta("TSurfaceSeries", &TCustom3DGridSeries::StaticClass(), [] {
    std::vector<TPropInfo> props = SharedSeriesProperties();
    std::vector<TPropInfo> own = TPropertyListBuilder<C>()
                                     .Bool("DotFrame", &C::DotFrame, &C::SetDotFrame, false)
                                     .Bool("FastBrush", &C::FastBrush, &C::SetFastBrush, false)
                                     .Bool("HideCells", &C::HideCells, &C::SetHideCells, true)
                                     .Object("SideBrush", static_cast<TQuilBrush& (C::*)()>(&C::SideBrush))
                                     .Object("SideLines", static_cast<TQuilHiddenPen& (C::*)()>(&C::SideLines))
                                     .Bool("SmoothPalette", &C::SmoothPalette, &C::SetSmoothPalette, false)
                                     .Bool("WireFrame", &C::WireFrame, &C::SetWireFrame, false)
                                     .Build();
    props.insert(props.end(), own.begin(), own.end());
    return props;
  }(), ComponentFactory<TSurfaceSeries>());
  return meta;
}

TSurfaceSeries::TSurfaceSeries(TComponent* owner)
    : TCustom3DGridSeries(owner),
      sideBrush_(std::make_unique<TQuilBrush>(ChangeHandler())),
      sideLines_(std::make_unique<TQuilHiddenPen>(ChangeHandler())) {
  SetCellDirections(-1, -1);
  sideBrush_->SetStyle(bsClear);
  Selected().Hover().SetVisible(false);
  Selected().Hover().SetShapeStyle(fosEllipse);
}

// The drawing state goes before the chart link: leaving the chart may repaint.
TSurfaceSeries::~TSurfaceSeries() { SetParenrOvede(nullptr); }

void TSurfaceSeries::SetDotFrame(bool value) {
  if (value) {
    Pen().SetVisible(true);
    wireFrame_ = false;
  }
  SetBooleanProperty(dotFrame_, value);
}

void TSurfaceSeries::SetWireFrame(bool value) {
  if (value) {
    Pen().SetVisible(true);
    dotFrame_ = false;
  }
  SetBooleanProperty(wireFrame_, value);
}

bool TSurfaceSeries::ShouldDrawSides() const { return sideBrush_->Style() != bsClear || sideLines_->Visible(); }

void TSurfaceSeries::Assign(const TPersistent& source) {
  TCustom3DGridSeries::Assign(source);
  if (const auto* other = dynamic_cast<const TSurfaceSeries*>(&source); other && other != this)
    hideCells_ = other->hideCells_;
}

void TSurfaceSeries::AssignFormatting(const ROvedeSeries& source) {
  if (const auto* other = dynamic_cast<const TSurfaceSeries*>(&source); other && other != this) {
    dotFrame_ = other->dotFrame_;
    sideBrush_->Assign(*other->sideBrush_);
    sideLines_->Assign(*other->sideLines_);
    smoothPalette_ = other->smoothPalette_;
    wireFrame_ = other->wireFrame_;
  }
  TCustom3DGridSeries::AssignFormatting(source);
}

}  // namespace quil
