#include "canvas/gdiplus_canvas.h"

namespace quil {

// Translation first, then the turn and scale about the origin; each step acts before the
// world transform already in force.
void TGDIPlusCanvas::ApplyTransform(const TQuilTransform& t) {
  if (!graphics_) return;
  if (t.Clip) ClipRectangle(t.Bounds);
  if (t.Translate.x != 0 || t.Translate.y != 0) graphics_->TranslateTransform(t.Translate.x, t.Translate.y);
  if (t.Rotate != 0 || t.Scale.x != 1 || t.Scale.y != 1) {
    graphics_->TranslateTransform(t.Origin.x, t.Origin.y);
    if (t.Rotate != 0) graphics_->RotateTransform(t.Rotate);
    if (t.Scale.x != 1 || t.Scale.y != 1) graphics_->ScaleTransform(t.Scale.x, t.Scale.y);
    graphics_->TranslateTransform(-t.Origin.x, -t.Origin.y);
  }
}

TQuilTransform& TGDIPlusCanvas::Transform() {
  if (!transform_) transform_ = std::make_unique<TQuilTransform>();
  return *transform_;
}

// transform, when given, is a TQuilTransform; an entity without an enabled one takes an empty
// slot, so that every EndEntity pairs with its BeginEntity.
void* TGDIPlusCanvas::BeginEntity(const std::string&, void* visual, void* transform) {
  const auto* t = static_cast<const TQuilTransform*>(transform);
  std::optional<TEntitySlot> slot;
  if (t && t->Enabled && graphics_) {
    slot = TEntitySlot{graphics_->Transform(), t->Clip};
    ApplyTransform(*t);
  }
  ITransform.push_back(slot);
  return visual;
}

void TGDIPlusCanvas::EndEntity() {
  if (ITransform.empty()) return;
  const std::optional<TEntitySlot> slot = ITransform.back();
  ITransform.pop_back();
  if (!slot || !graphics_) return;
  graphics_->SetTransform(slot->Saved);
  if (slot->Clipped) UnClipRectangle();
}

}  // namespace quil
