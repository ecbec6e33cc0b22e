#include "panel/quil_panel_extended.h"

#include "core/filer.h"
#include "core/reader.h"

namespace quil {

const TMetaClass& TCustomQuilPanelExtended::StaticClass() {
  using C = TCustomQuilPanelExtended;
  static const TMetaClass meta(
      "TCustomQuilPanelExtended", &TCustomQuilPanel::StaticClass(),
      TPropertyListBuilder<C>()
          .Enum("AllowPanning", PanningModeInfo(), &C::AllowPanning, &C::SetAllowPanning, pmBoth)
          .Object("BackImage", &C::BackImage)
          .StoredWhen([](const C& c) { return c.BackImageObject() != nullptr; })
          .Bool("BackImageInside", &C::BackImageInside, &C::SetBackImageInside, false)
          .Enum("BackImageMode", BackImageModeInfo(), &C::BackImageMode, &C::SetBackImageMode, pbmStretch)
          .Bool("BackImageTransp", &C::BackImageTransp, &C::SetBackImageTransp, false)
          .Object("Gradient", &C::Gradient)
          .StoredWhen([](const C& c) { return c.GradientOrNull() != nullptr; })
          .Enum("ScrollMouseButton", MouseButtonInfo(), &C::ScrollMouseButton, &C::SetScrollMouseButton,
                static_cast<int64_t>(TMouseButton::mbRight))
          .Object("Zoom", &C::Zoom)
          .Enum("ZoomWheel", MouseWheelStyleInfo(), &C::ZoomWheel, &C::SetZoomWheel, pmwNone)
          .Event("OnAfterDraw")
          .Event("OnScroll")
          .Event("OnUndoZoom")
          .Event("OnZoom")
          .Build());
  return meta;
}

TCustomQuilPanelExtended::TCustomQuilPanelExtended(TComponent* owner) : TCustomQuilPanel(owner) {
  zoom_ = std::make_unique<TQuilZoom>([this](TPersistent& s) { CanvasChanged(s); });
}

TCustomQuilPanelExtended::~TCustomQuilPanelExtended() = default;

TQuilGradient& TCustomQuilPanelExtended::Gradient() {
  if (!gradient_) gradient_ = std::make_unique<TQuilGradient>([this](TPersistent& s) { CanvasChanged(s); });
  return *gradient_;
}

TBackImage& TCustomQuilPanelExtended::BackImage() {
  if (!backImage_) backImage_ = std::make_unique<TBackImage>([this](TPersistent& s) { CanvasChanged(s); });
  return *backImage_;
}

void TCustomQuilPanelExtended::DefineProperties(TFiler& filer) {
  TCustomQuilPanel::DefineProperties(filer);
  filer.DefineProperty("AllowZoom", [this](TReader& r) { SetAllowZoom(r.ReadBoolean()); }, nullptr, false);
  filer.DefineProperty("AnimatedZoom", [this](TReader& r) { SetAnimatedZoom(r.ReadBoolean()); }, nullptr, false);
  filer.DefineProperty("AnimatedZoomSteps", [this](TReader& r) { SetAnimatedZoomSteps(r.ReadInteger()); }, nullptr,
                       false);
  filer.DefineProperty(
      "PrintMargins",
      [this](TReader& r) {
        r.ReadListBegin();
        TRect m;
        m.Left = r.ReadInteger();
        m.Top = r.ReadInteger();
        m.Right = r.ReadInteger();
        m.Bottom = r.ReadInteger();
        r.ReadListEnd();
        SetPrintMargins(m);
      },
      [this](TWriter& w) {
        w.WriteListBegin();
        for (int v : {PrintMargins().Left, PrintMargins().Top, PrintMargins().Right, PrintMargins().Bottom})
          w.WriteInteger(v);
        w.WriteListEnd();
      },
      PrintMargins() != TRect{15, 15, 15, 15});
}

}  // namespace quil
