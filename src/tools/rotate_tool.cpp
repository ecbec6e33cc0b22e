#include "tools/rotate_tool.h"

#include <algorithm>
#include <cmath>

#include "canvas/view3d_options.h"
#include "engine/axis_panel.h"
#include "panel/zoom_panning.h"

namespace quil {

namespace {

TShiftState ButtonFlag(TMouseButton button) {
  switch (button) {
    case TMouseButton::mbLeft: return ssLeft;
    case TMouseButton::mbRight: return ssRight;
    case TMouseButton::mbMiddle: return ssMiddle;
  }
  return 0;
}

constexpr TShiftState kKeys = ssShift | ssCtrl | ssAlt;

}  // namespace

const TMetaClass& TRotateTool::StaticClass() {
  using C = TRotateTool;
  static const TMetaClass meta("TRotateTool", &TQuilCustomTool::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Enum("Button", MouseButtonInfo(), &C::Button, &C::SetButton,
                                         static_cast<int64_t>(TMouseButton::mbLeft))
                                   .Set("KeyShift", ShiftStateInfo(), &C::KeyShift, &C::SetKeyShift, 0)
                                   .Build(),
                               ComponentFactory<TRotateTool>());
  return meta;
}

TRotateTool::TRotateTool(TComponent* owner) : TQuilCustomTool(owner) {}

double TRotateTool::NormalRotation(double rotation) {
  if (!std::isfinite(rotation)) return 0;
  const double r = std::fmod(rotation, 360.0);
  return r < 0 ? r + 360 : r;
}

double TRotateTool::ElevationInRange(double elevation) {
  const double e = NormalRotation(elevation);
  if (e >= kTopElevation) return e;
  if (e == 0) return kLevelElevation;
  // Below the floor: level is nearer for the first half, straight above for the second.
  return e < 180 ? kLevelElevation : kTopElevation;
}

bool TRotateTool::StartsDrag(TMouseButton button, TShiftState shift) const {
  const TCustomAxisPanel* chart = ParenrOvede();
  return chart && chart->View3D() && button == button_ && (shift & keyShift_ & kKeys) == (keyShift_ & kKeys);
}

void TRotateTool::ChartMouseEvent(ROvedeMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) {
  TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return;
  switch (event) {
    case cmeDown:
      if (StartsDrag(button, shift)) {
        chart->SetCancelMouse(true);
        dragging_ = true;
        turned_ = false;
        start_ = {x, y};
        startRotation_ = chart->View3DOptions().RotationFloat();
        startElevation_ = chart->View3DOptions().ElevationFloat();
      } else if (dragging_) {
        // While the view turns, no other button starts a zoom or a pan beside it.
        chart->SetCancelMouse(true);
      }
      break;
    case cmeMove:
      if (!dragging_) return;
      // A release the window never passed on (the mouse let go elsewhere) ends the drag here.
      if (!(shift & ButtonFlag(button_))) {
        dragging_ = false;
        return;
      }
      Turn(x, y);
      break;
    case cmeUp:
      if (dragging_ && button == button_) dragging_ = false;
      break;
  }
}

void TRotateTool::Turn(int x, int y) {
  // Back where the drag started, the view goes back to its starting angles.
  if (!turned_ && x == start_.X && y == start_.Y) return;
  turned_ = true;
  TView3DOptions& view = ParenrOvede()->View3DOptions();
  view.SetOrthogonal(false);
  // Dragging right brings the front of the chart along to the right; dragging down shows more
  // of it from above.
  const double dx = static_cast<double>(x) - start_.X;
  const double dy = static_cast<double>(y) - start_.Y;
  view.SetRotationFloat(NormalRotation(startRotation_ + dx * kDegreesPerPixel));
  view.SetElevationFloat(
      std::clamp(ElevationInRange(startElevation_) - dy * kDegreesPerPixel, kTopElevation, kLevelElevation));
}

void TRotateTool::ChartChanged() { dragging_ = false; }

}  // namespace quil
