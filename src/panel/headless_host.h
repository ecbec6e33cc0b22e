#pragma once

#include <vector>

#include "canvas/bitmap.h"
#include "core/control.h"
#include "core/host.h"

namespace quil {

// A host without a window: it paints one control into an image of the control's client size
// and records what the control asked of it, so tests, benchmarks and the snapshot tool can
// drive a control exactly as a window would. A control destroyed first leaves the host empty:
// rendering then gives an empty image.
class THeadlessHost : public IControlHost {
 public:
  explicit THeadlessHost(TControl& control);
  ~THeadlessHost() override;
  THeadlessHost(const THeadlessHost&) = delete;
  THeadlessHost& operator=(const THeadlessHost&) = delete;

  // The control, or nullptr once it has been destroyed or has left this host.
  TControl* Control() const { return control_; }

  // Paints the control now into a fresh image (transparent where it paints nothing).
  const TBitmap& Render();
  // Gives the control this client size first, as a window resize would.
  const TBitmap& Render(int width, int height);
  const TBitmap& Image() const { return image_; }

  int PaintCount() const { return paintCount_; }
  int InvalidateCount() const { return invalidateCount_; }
  bool PaintPending() const { return paintPending_; }
  int Cursor() const { return cursor_; }
  const TControl* CaptureControl() const { return capture_; }
  const TControl* FocusedControl() const { return focused_; }
  int RoundRegion() const { return round_; }
  const std::vector<const TControl*>& BoundsChanges() const { return boundsChanges_; }
  // Where CursorPos says the mouse is, in the control's client pixels.
  void SetMousePos(TPoint pos) { mousePos_ = pos; }

  void InvalidateControl(TControl& control) override;
  void UpdateControl(TControl& control) override;
  void SetControlCursor(TControl& control, int cursor) override;
  void SetCapture(TControl& control, bool capture) override;
  void SetFocus(TControl& control) override;
  bool IsFocused(const TControl& control) const override;
  TPoint CursorPos(const TControl& control) const override;
  void BoundsChanged(TControl& control) override;
  void SetRoundRegion(TControl& control, int round) override;
  void ControlRemoved(TControl& control) override;

 private:
  TControl* control_;
  TBitmap image_;
  int paintCount_ = 0;
  int invalidateCount_ = 0;
  bool paintPending_ = false;
  int cursor_ = crDefault;
  const TControl* capture_ = nullptr;
  const TControl* focused_ = nullptr;
  int round_ = 0;
  std::vector<const TControl*> boundsChanges_;
  TPoint mousePos_;
};

}  // namespace quil
