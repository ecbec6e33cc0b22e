#pragma once

#include <functional>
#include <memory>

#include "canvas/gradient.h"
#include "panel/back_image.h"
#include "panel/quil_panel.h"
#include "panel/zoom_panning.h"

namespace quil {

// The chart panel with a background (colour, gradient, back image) and the zoom and panning
// settings the chart's mouse handling uses.
class TCustomQuilPanelExtended : public TCustomQuilPanel {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomQuilPanelExtended(TComponent* owner = nullptr);
  ~TCustomQuilPanelExtended() override;

  TPanningMode AllowPanning() const { return allowPanning_; }
  void SetAllowPanning(TPanningMode v) { allowPanning_ = v; }
  // Created on first use, invisible.
  TQuilGradient& Gradient();
  TQuilGradient* GradientOrNull() const { return gradient_.get(); }
  TBackImage& BackImage();
  TBackImage* BackImageObject() const { return backImage_.get(); }
  bool BackImageInside() const { return backImage_ && backImage_->Inside(); }
  void SetBackImageInside(bool v) { BackImage().SetInside(v); }
  TQuilBackImageMode BackImageMode() const { return backImage_ ? backImage_->Mode() : pbmStretch; }
  void SetBackImageMode(TQuilBackImageMode v) { BackImage().SetMode(v); }
  bool BackImageTransp() const { return backImageTransp_; }
  void SetBackImageTransp(bool v) { SetBooleanProperty(backImageTransp_, v); }
  TMouseButton ScrollMouseButton() const { return scrollMouse_; }
  void SetScrollMouseButton(TMouseButton v) { scrollMouse_ = v; }
  TQuilZoom& Zoom() { return *zoom_; }
  void SetZoom(const TQuilZoom& zoom) { zoom_->Assign(zoom); }
  TMouseWheelStyle ZoomWheel() const { return zoomWheel_; }
  void SetZoomWheel(TMouseWheelStyle v) { zoomWheel_ = v; }
  bool Zoomed() const { return zoomed_; }
  void SetZoomed(bool v) { zoomed_ = v; }

  bool AllowZoom() const { return zoom_->Allow(); }
  void SetAllowZoom(bool v) { zoom_->SetAllow(v); }
  bool AnimatedZoom() const { return zoom_->Animated(); }
  void SetAnimatedZoom(bool v) { zoom_->SetAnimated(v); }
  int AnimatedZoomSteps() const { return zoom_->AnimatedSteps(); }
  void SetAnimatedZoomSteps(int v) { zoom_->SetAnimatedSteps(v); }

  void DefineProperties(TFiler& filer) override;

  // The colour behind the chart, against which the zoom band's exclusive-or colours are made.
  virtual TColor GetBackColor() { return Color(); }
  // Takes the zoom band away or puts it up: in exclusive-or mode over the picture, or, with
  // FullRepaint or a canvas without that mode, by drawing the chart again (its frame draws the
  // band while a zoom is dragged).
  void TryDrawZoom();
  // Draws the band between paints, over the clean off-screen buffer, which is then shown again
  // with one copy; without such a buffer the chart is drawn again instead.
  void DrawZoomRectangle();
  // Fires OnUndoZoom, repaints and clears Zoomed; the chart brings its axes back first.
  virtual void UndoZoom();

  std::function<void(TCustomQuilPanelExtended&)> OnAfterDraw;
  std::function<void(TCustomQuilPanelExtended&)> OnScroll;
  std::function<void(TCustomQuilPanelExtended&)> OnUndoZoom;
  std::function<void(TCustomQuilPanelExtended&)> OnZoom;

 protected:
  // Draws the band with the zoom's pen and brush at its corners on what the canvas draws on now.
  void PaintZoomRectangle();
  // Shows the off-screen buffer again without drawing the chart.
  void ShowBuffer() { TCustomPanelNoCaption::Invalidate(); }
  TBackImage* BackImageOrNull() override { return backImage_.get(); }
  bool BackImageInsideWalls() const override { return BackImageInside(); }
  TQuilGradient* PanelGradientOrNull() override { return gradient_.get(); }

 private:
  TPanningMode allowPanning_ = pmBoth;
  std::unique_ptr<TQuilGradient> gradient_;
  std::unique_ptr<TBackImage> backImage_;
  std::unique_ptr<TQuilZoom> zoom_;
  TMouseButton scrollMouse_ = TMouseButton::mbRight;
  TMouseWheelStyle zoomWheel_ = pmwNone;
  bool backImageTransp_ = false;
  bool zoomed_ = false;
};

// The canvas takes pen in the colour that shows as the pen's own colour over the panel's back
// colour when drawn in the not-exclusive-or mode, which it is switched to; drawing the same
// lines again restores the picture.
void QuilPrepareXorPen(TCustomQuilPanelExtended& panel, const TQuilPen& pen);

}  // namespace quil
