#include "canvas/view3d_options.h"

#include "core/control.h"
#include "core/rounding.h"

namespace quil {

namespace {

const TEnumInfo& ZoomTextInfo() {
  static const TEnumInfo info{"TCanvasZoomText", {"ztManual", "ztNo", "ztAuto"}};
  return info;
}

}  // namespace

const TMetaClass& TView3DOptions::StaticClass() {
  static const TMetaClass meta(
      "TView3DOptions", &TPersistent::StaticClass(),
      TPropertyListBuilder<TView3DOptions>()
          .Int("Elevation", &TView3DOptions::Elevation, &TView3DOptions::SetElevation, 345)
          .Int("FontZoom", &TView3DOptions::FontZoom, &TView3DOptions::SetFontZoom, 100)
          .Int("HorizOffset", &TView3DOptions::HorizOffset, &TView3DOptions::SetHorizOffset, 0)
          .Int("OrthoAngle", &TView3DOptions::OrthoAngle, &TView3DOptions::SetOrthoAngle, 45)
          .Bool("Orthogonal", &TView3DOptions::Orthogonal, &TView3DOptions::SetOrthogonal, true)
          .Int("Perspective", &TView3DOptions::Perspective, &TView3DOptions::SetPerspective, 15)
          .Int("Rotation", &TView3DOptions::Rotation, &TView3DOptions::SetRotation, 345)
          .Int("Tilt", &TView3DOptions::Tilt, &TView3DOptions::SetTilt, 0)
          .Int("VertOffset", &TView3DOptions::VertOffset, &TView3DOptions::SetVertOffset, 0)
          .Int("Zoom", &TView3DOptions::Zoom, &TView3DOptions::SetZoom, 100)
          .Enum("ZoomText", ZoomTextInfo(), &TView3DOptions::ZoomText, &TView3DOptions::SetZoomText, ztManual)
          .Build());
  return meta;
}

TView3DOptions::TView3DOptions(TControl* parent) : parent_(parent) {}

int TView3DOptions::Elevation() const { return QuilRound(elevation_); }
int TView3DOptions::HorizOffset() const { return QuilRound(horizOffset_); }
int TView3DOptions::Rotation() const { return QuilRound(rotation_); }
int TView3DOptions::Tilt() const { return QuilRound(tilt_); }
int TView3DOptions::VertOffset() const { return QuilRound(vertOffset_); }
int TView3DOptions::Zoom() const { return QuilRound(zoom_); }

void TView3DOptions::Repaint() {
  if (parent_) parent_->Invalidate();
}

bool TView3DOptions::SetDouble(double& field, double value) {
  if (field == value) return false;
  field = value;
  Repaint();
  return true;
}

void TView3DOptions::SetElevationFloat(double value) { SetDouble(elevation_, value); }
void TView3DOptions::SetRotationFloat(double value) { SetDouble(rotation_, value); }
void TView3DOptions::SetTiltFloat(double value) { SetDouble(tilt_, value); }
void TView3DOptions::SetZOffset(double value) { SetDouble(zOffset_, value); }

void TView3DOptions::SetHorizOffsetFloat(double value) {
  if (SetDouble(horizOffset_, value) && OnScrolled) OnScrolled(*this, true);
}

void TView3DOptions::SetVertOffsetFloat(double value) {
  if (SetDouble(vertOffset_, value) && OnScrolled) OnScrolled(*this, false);
}

void TView3DOptions::SetZoomFloat(double value) {
  if (zoom_ == value) return;
  if (OnChangedZoom) OnChangedZoom(*this, QuilRound(value));
  zoom_ = value;
  Repaint();
}

void TView3DOptions::SetFontZoom(int value) {
  if (fontZoom_ == value) return;
  fontZoom_ = value;
  Repaint();
}

void TView3DOptions::SetOrthogonal(bool value) {
  if (orthogonal_ == value) return;
  orthogonal_ = value;
  Repaint();
}

void TView3DOptions::SetOrthoAngle(int value) {
  if (orthoAngle_ == value) return;
  orthoAngle_ = value;
  Repaint();
}

void TView3DOptions::SetPerspective(int value) {
  if (perspective_ == value) return;
  perspective_ = value;
  Repaint();
}

void TView3DOptions::SetZoomText(TCanvasZoomText value) {
  if (zoomText_ == value) return;
  zoomText_ = value;
  Repaint();
}

void TView3DOptions::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TView3DOptions*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  elevation_ = other->elevation_;
  fontZoom_ = other->fontZoom_;
  horizOffset_ = other->horizOffset_;
  orthogonal_ = other->orthogonal_;
  orthoAngle_ = other->orthoAngle_;
  perspective_ = other->perspective_;
  rotation_ = other->rotation_;
  tilt_ = other->tilt_;
  vertOffset_ = other->vertOffset_;
  zOffset_ = other->zOffset_;
  zoom_ = other->zoom_;
  zoomText_ = other->zoomText_;
  Repaint();
}

}  // namespace quil
