#include "panel/headless_host.h"

#include <memory>
#include <string>

#include "canvas/device_context.h"
#include "core/exceptions.h"

namespace quil {

namespace {

struct ContextRelease {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

}  // namespace

THeadlessHost::THeadlessHost(TControl& control) : control_(&control), cursor_(control.Cursor()) {
  control_->SetHost(this);
}

THeadlessHost::~THeadlessHost() {
  if (control_ && control_->Host() == this) control_->SetHost(nullptr);
}

const TBitmap& THeadlessHost::Render() {
  if (!control_) {
    image_ = TBitmap();
    return image_;
  }
  image_ = TBitmap(control_->Width(), control_->Height());
  // Cleared before the paint, so a paint that throws leaves no half-drawn pending state behind.
  paintPending_ = false;
  ++paintCount_;
  std::unique_ptr<cairo_t, ContextRelease> cr(cairo_create(image_.Surface()));
  TCairoDeviceContext dc(cr.get());
  control_->Paint(dc);
  const cairo_status_t status = cairo_status(cr.get());
  if (status != CAIRO_STATUS_SUCCESS)
    throw EQuilError(std::string("Painting failed: ") + cairo_status_to_string(status));
  cairo_surface_flush(image_.Surface());
  return image_;
}

const TBitmap& THeadlessHost::Render(int width, int height) {
  if (control_) control_->SetBounds(control_->Left(), control_->Top(), width, height);
  return Render();
}

void THeadlessHost::InvalidateControl(TControl&) {
  ++invalidateCount_;
  paintPending_ = true;
}

void THeadlessHost::UpdateControl(TControl&) {
  if (paintPending_) Render();
}

void THeadlessHost::SetControlCursor(TControl&, int cursor) { cursor_ = cursor; }

void THeadlessHost::SetCapture(TControl& control, bool capture) {
  if (capture)
    capture_ = &control;
  else if (capture_ == &control)
    capture_ = nullptr;
}

void THeadlessHost::SetFocus(TControl& control) { focused_ = &control; }

bool THeadlessHost::IsFocused(const TControl& control) const { return focused_ == &control; }

TPoint THeadlessHost::CursorPos(const TControl&) const { return mousePos_; }

void THeadlessHost::BoundsChanged(TControl& control) { boundsChanges_.push_back(&control); }

void THeadlessHost::SetRoundRegion(TControl&, int round) { round_ = round; }

void THeadlessHost::ControlRemoved(TControl& control) {
  if (capture_ == &control) capture_ = nullptr;
  if (focused_ == &control) focused_ = nullptr;
  std::erase(boundsChanges_, &control);
  if (control_ == &control) {
    control_ = nullptr;
    paintPending_ = false;
  }
}

}  // namespace quil
