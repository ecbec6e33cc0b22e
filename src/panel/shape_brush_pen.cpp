#include "panel/shape_brush_pen.h"

#include "panel/quil_panel.h"

namespace quil {

const TMetaClass& TQuilCustomShapeBrushPen::StaticClass() {
  using S = TQuilCustomShapeBrushPen;
  static const TMetaClass meta(
      "TQuilCustomShapeBrushPen", &TPersistent::StaticClass(),
      TPropertyListBuilder<S>()
          .Object("Brush", static_cast<TQuilBrush& (S::*)()>(&S::Brush))
          .Object("Frame", static_cast<TQuilPen& (S::*)()>(&S::Frame))
          .Bool("Visible", &S::Visible, &S::SetVisible, true)
          .StoredWhen([](const S& s) { return s.visible_ != s.defaultVisible_; })
          .Build());
  return meta;
}

TQuilCustomShapeBrushPen::TQuilCustomShapeBrushPen(TCustomQuilPanel* parent)
    : parent_(parent),
      changed_([this](TPersistent& sender) { CanvasChanged(sender); }),
      pen_(std::make_unique<TQuilPen>(changed_)) {}

TQuilCustomShapeBrushPen::~TQuilCustomShapeBrushPen() = default;

std::unique_ptr<TQuilBrush> TQuilCustomShapeBrushPen::NewBrush() const { return std::make_unique<TQuilBrush>(); }

TQuilBrush& TQuilCustomShapeBrushPen::EnsureBrush() const {
  if (!brush_) {
    brush_ = NewBrush();
    brush_->SetOnChange(ChangeHandler());
  }
  return *brush_;
}

void TQuilCustomShapeBrushPen::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Repaint();
}

void TQuilCustomShapeBrushPen::Repaint() {
  if (parent_) parent_->Invalidate();
}

void TQuilCustomShapeBrushPen::Assign(const TPersistent& source) {
  const auto* s = dynamic_cast<const TQuilCustomShapeBrushPen*>(&source);
  if (!s) {
    TPersistent::Assign(source);
    return;
  }
  if (s == this) return;
  Brush().AssignSettings(s->Brush());
  pen_->AssignSettings(*s->pen_);
  visible_ = s->visible_;
  Repaint();
}

}  // namespace quil
