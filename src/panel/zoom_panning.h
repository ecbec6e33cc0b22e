#pragma once

#include <memory>
#include <vector>

#include "canvas/brush.h"
#include "canvas/graphics_object.h"
#include "canvas/pen.h"
#include "core/control.h"

namespace quil {

enum TQuilZoomDirection : uint8_t { tzdHorizontal, tzdVertical, tzdBoth };
enum TMouseWheelStyle : uint8_t { pmwNormal, pmwInverted, pmwNone };
enum TPanningMode : uint8_t { pmNone, pmHorizontal, pmVertical, pmBoth };

// Shift states that must all be held for a press to start a pan.
extern TShiftState QuilScrollKeyShift;
// Each step of an animated zoom covers this fraction (one over it) of the remaining distance.
inline constexpr double AnimatedZoomFactor = 3.0;

// The outline of the zoom rectangle: silver, 3 pixels, flat ends (values that are its defaults).
class TQuilZoomPen : public TQuilPen {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilZoomPen(TChangeHandler onChange = nullptr);
};

// The fill of the zoom rectangle: white and clear by default.
class TQuilZoomBrush : public TQuilBrush {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilZoomBrush(TChangeHandler onChange = nullptr);
};

// The axis ranges of one completed zoom: left, top, right and bottom minimum and maximum,
// then one pair per custom axis.
struct TZoomSnapshot {
  double AxesMinMax[8] = {};
  int CustomCount = 0;
  std::vector<std::pair<double, double>> CustomMinMax;
};

// A drag in progress: where it started and where the mouse is now, in client pixels.
class TZoomPanning : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  using TGraphicsObject::TGraphicsObject;

  bool Active() const { return active_; }
  void SetActive(bool v) { active_ = v; }
  void Activate(int x, int y);
  // Orders the corners so that X0 <= X1 and Y0 <= Y1.
  void Check();

  int X0 = 0;
  int Y0 = 0;
  int X1 = 0;
  int Y1 = 0;

 private:
  bool active_ = false;
};

class TQuilZoom : public TZoomPanning {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilZoom(TChangeHandler onChange = nullptr);
  ~TQuilZoom() override;

  bool Allow() const { return allow_; }
  void SetAllow(bool v) { allow_ = v; }
  bool Animated() const { return animated_; }
  void SetAnimated(bool v) { animated_ = v; }
  int AnimatedSteps() const { return animatedSteps_; }
  void SetAnimatedSteps(int v) { animatedSteps_ = v; }
  TQuilZoomBrush& Brush();
  bool HasBrush() const { return brush_ != nullptr; }
  TQuilZoomDirection Direction() const { return direction_; }
  void SetDirection(TQuilZoomDirection v) { direction_ = v; }
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool v) { fullRepaint_ = v; }
  bool History() const { return history_; }
  // Switching history off forgets the snapshots.
  void SetHistory(bool v);
  bool KeepAspectRatio() const { return keepAspect_; }
  void SetKeepAspectRatio(bool v) { keepAspect_ = v; }
  TShiftState KeyShift() const { return keyShift_; }
  void SetKeyShift(TShiftState v) { keyShift_ = v; }
  int MinimumPixels() const { return minimumPixels_; }
  void SetMinimumPixels(int v) { minimumPixels_ = v; }
  TMouseButton MouseButton() const { return mouseButton_; }
  void SetMouseButton(TMouseButton v) { mouseButton_ = v; }
  TMouseWheelStyle MouseWheel() const { return mouseWheel_; }
  void SetMouseWheel(TMouseWheelStyle v) { mouseWheel_ = v; }
  TQuilZoomPen& Pen();
  bool HasPen() const { return pen_ != nullptr; }
  bool UpLeftZooms() const { return upLeftZooms_; }
  void SetUpLeftZooms(bool v) { upLeftZooms_ = v; }
  std::vector<TZoomSnapshot>& AxesHistory() { return history_list_; }

  // Moves the dragged corner (X1, Y1) for the mouse at (x, y) so that the rectangle from
  // (X0, Y0) has the width-to-height ratio of r, on the diagonal through the start.
  void CorrectAspectRatio(const TRect& r, int x, int y);

  bool AssignSettings(const TPersistent& source) override;

 private:
  bool allow_ = true;
  bool animated_ = false;
  int animatedSteps_ = 8;
  std::unique_ptr<TQuilZoomBrush> brush_;
  TQuilZoomDirection direction_ = tzdBoth;
  bool fullRepaint_ = false;
  bool history_ = false;
  bool keepAspect_ = false;
  TShiftState keyShift_ = 0;
  int minimumPixels_ = 16;
  TMouseButton mouseButton_ = TMouseButton::mbLeft;
  TMouseWheelStyle mouseWheel_ = pmwNone;
  std::unique_ptr<TQuilZoomPen> pen_;
  bool upLeftZooms_ = false;
  std::vector<TZoomSnapshot> history_list_;
};

class TQuilPanning : public TZoomPanning {
  QUIL_PERSISTENT_CLASS

 public:
  using TZoomPanning::TZoomPanning;

  bool InsideBounds() const { return insideBounds_; }
  void SetInsideBounds(bool v) { insideBounds_ = v; }
  TMouseWheelStyle MouseWheel() const { return mouseWheel_; }
  void SetMouseWheel(TMouseWheelStyle v) { mouseWheel_ = v; }

  bool AssignSettings(const TPersistent& source) override;

 private:
  bool insideBounds_ = false;
  TMouseWheelStyle mouseWheel_ = pmwNormal;
};

const TEnumInfo& MouseWheelStyleInfo();
const TEnumInfo& PanningModeInfo();
const TEnumInfo& MouseButtonInfo();
const TEnumInfo& ShiftStateInfo();

}  // namespace quil
