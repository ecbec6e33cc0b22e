#include "panel/zoom_panning.h"

#include <cmath>
#include <limits>
#include <utility>

#include "core/rounding.h"

namespace quil {

TShiftState QuilScrollKeyShift = 0;

const TEnumInfo& MouseWheelStyleInfo() {
  static const TEnumInfo info{"TMouseWheelStyle", {"pmwNormal", "pmwInverted", "pmwNone"}};
  return info;
}

const TEnumInfo& PanningModeInfo() {
  static const TEnumInfo info{"TPanningMode", {"pmNone", "pmHorizontal", "pmVertical", "pmBoth"}};
  return info;
}

const TEnumInfo& MouseButtonInfo() {
  static const TEnumInfo info{"TMouseButton", {"mbLeft", "mbRight", "mbMiddle"}};
  return info;
}

const TEnumInfo& ShiftStateInfo() {
  static const TEnumInfo info{"TShiftState", {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble"}};
  return info;
}

namespace {

// start + offset rounded (ties to even), kept inside the int range for drags far outside.
int OffsetPixel(int start, double offset) {
  const double pixel = start + QuilRoundFloat(offset);
  constexpr double lowest = std::numeric_limits<int>::min();
  constexpr double highest = std::numeric_limits<int>::max();
  if (!(pixel > lowest)) return std::numeric_limits<int>::min();
  if (pixel > highest) return std::numeric_limits<int>::max();
  return static_cast<int>(pixel);
}

const TEnumInfo& ZoomDirectionInfo() {
  static const TEnumInfo info{"TQuilZoomDirection", {"tzdHorizontal", "tzdVertical", "tzdBoth"}};
  return info;
}

}  // namespace

const TMetaClass& TQuilZoomPen::StaticClass() {
  static const TMetaClass meta("TQuilZoomPen", &TQuilPen::StaticClass());
  return meta;
}

TQuilZoomPen::TQuilZoomPen(TChangeHandler onChange) : TQuilPen(std::move(onChange)) {
  InitColor(clSilver);
  InitWidth(3);
  InitEndStyle(esFlat);
}

const TMetaClass& TQuilZoomBrush::StaticClass() {
  static const TMetaClass meta("TQuilZoomBrush", &TQuilBrush::StaticClass());
  return meta;
}

TQuilZoomBrush::TQuilZoomBrush(TChangeHandler onChange) : TQuilBrush(std::move(onChange)) {
  InitColor(clWhite);
  style_ = bsClear;
}

const TMetaClass& TZoomPanning::StaticClass() {
  static const TMetaClass meta("TZoomPanning", &TGraphicsObject::StaticClass());
  return meta;
}

void TZoomPanning::Activate(int x, int y) {
  X0 = X1 = x;
  Y0 = Y1 = y;
  active_ = true;
}

void TZoomPanning::Check() {
  if (X0 > X1) std::swap(X0, X1);
  if (Y0 > Y1) std::swap(Y0, Y1);
}

const TMetaClass& TQuilZoom::StaticClass() {
  static const TMetaClass meta(
      "TQuilZoom", &TZoomPanning::StaticClass(),
      TPropertyListBuilder<TQuilZoom>()
          .Bool("Allow", &TQuilZoom::Allow, &TQuilZoom::SetAllow, true)
          .Bool("Animated", &TQuilZoom::Animated, &TQuilZoom::SetAnimated, false)
          .Int("AnimatedSteps", &TQuilZoom::AnimatedSteps, &TQuilZoom::SetAnimatedSteps, 8)
          .Object("Brush", &TQuilZoom::Brush)
          .Enum("Direction", ZoomDirectionInfo(), &TQuilZoom::Direction, &TQuilZoom::SetDirection, tzdBoth)
          .Bool("FullRepaint", &TQuilZoom::FullRepaint, &TQuilZoom::SetFullRepaint, false)
          .Bool("History", &TQuilZoom::History, &TQuilZoom::SetHistory, false)
          .Bool("KeepAspectRatio", &TQuilZoom::KeepAspectRatio, &TQuilZoom::SetKeepAspectRatio, false)
          .Set("KeyShift", ShiftStateInfo(), &TQuilZoom::KeyShift, &TQuilZoom::SetKeyShift, 0)
          .Int("MinimumPixels", &TQuilZoom::MinimumPixels, &TQuilZoom::SetMinimumPixels, 16)
          .Enum("MouseButton", MouseButtonInfo(), &TQuilZoom::MouseButton, &TQuilZoom::SetMouseButton,
                static_cast<int64_t>(TMouseButton::mbLeft))
          .Enum("MouseWheel", MouseWheelStyleInfo(), &TQuilZoom::MouseWheel, &TQuilZoom::SetMouseWheel, pmwNone)
          .Object("Pen", &TQuilZoom::Pen)
          .Bool("UpLeftZooms", &TQuilZoom::UpLeftZooms, &TQuilZoom::SetUpLeftZooms, false)
          .Build());
  return meta;
}

TQuilZoom::TQuilZoom(TChangeHandler onChange) : TZoomPanning(std::move(onChange)) {}

TQuilZoom::~TQuilZoom() = default;

TQuilZoomBrush& TQuilZoom::Brush() {
  if (!brush_) brush_ = std::make_unique<TQuilZoomBrush>(OnChange());
  return *brush_;
}

TQuilZoomPen& TQuilZoom::Pen() {
  if (!pen_) pen_ = std::make_unique<TQuilZoomPen>(OnChange());
  return *pen_;
}

// Ratio and drag shape are single precision, as the rectangle's shape needs no more; each
// corrected offset keeps the sign of the offset it comes from.
void TQuilZoom::CorrectAspectRatio(const TRect& r, int x, int y) {
  float ratio = r.Bottom == r.Top ? 1.0f : static_cast<float>(r.Right - r.Left) / static_cast<float>(r.Bottom - r.Top);
  // A rectangle without width has no shape to keep either.
  if (!(ratio > 0)) ratio = 1.0f;
  const double dx = static_cast<double>(x) - X0;
  const double dy = static_cast<double>(y) - Y0;
  const float drag = y == Y0 ? 1.0f : static_cast<float>(std::fabs(dx) / std::fabs(dy));
  if (ratio > drag) {
    X1 = OffsetPixel(X0, dy * ratio);
    Y1 = OffsetPixel(Y0, (static_cast<double>(X1) - X0) / ratio);
  } else {
    Y1 = OffsetPixel(Y0, dx / ratio);
    X1 = OffsetPixel(X0, (static_cast<double>(Y1) - Y0) * ratio);
  }
}

void TQuilZoom::SetHistory(bool v) {
  history_ = v;
  if (!v) history_list_.clear();
}

bool TQuilZoom::AssignSettings(const TPersistent& source) {
  const auto* z = dynamic_cast<const TQuilZoom*>(&source);
  if (!z) return false;
  allow_ = z->allow_;
  animated_ = z->animated_;
  animatedSteps_ = z->animatedSteps_;
  if (z->brush_)
    Brush().AssignSettings(*z->brush_);
  else
    brush_.reset();
  direction_ = z->direction_;
  fullRepaint_ = z->fullRepaint_;
  SetHistory(z->history_);
  keepAspect_ = z->keepAspect_;
  keyShift_ = z->keyShift_;
  mouseButton_ = z->mouseButton_;
  if (z->pen_)
    Pen().AssignSettings(*z->pen_);
  else
    pen_.reset();
  return true;
}

const TMetaClass& TQuilPanning::StaticClass() {
  static const TMetaClass meta(
      "TQuilPanning", &TZoomPanning::StaticClass(),
      TPropertyListBuilder<TQuilPanning>()
          .Bool("InsideBounds", &TQuilPanning::InsideBounds, &TQuilPanning::SetInsideBounds, false)
          .Enum("MouseWheel", MouseWheelStyleInfo(), &TQuilPanning::MouseWheel, &TQuilPanning::SetMouseWheel,
                pmwNormal)
          .Build());
  return meta;
}

bool TQuilPanning::AssignSettings(const TPersistent& source) {
  const auto* p = dynamic_cast<const TQuilPanning*>(&source);
  if (!p) return false;
  insideBounds_ = p->insideBounds_;
  mouseWheel_ = p->mouseWheel_;
  return true;
}

}  // namespace quil
