#include "engine/series_selected.h"

namespace quil {

namespace {

// Red with an alpha byte of 128: drawn half-transparent.
constexpr TColor kHoverPenColor = 0x800000FF;

}  // namespace

const TMetaClass& TQuilHover::StaticClass() {
  using C = TQuilHover;
  static const TMetaClass meta("TQuilHover", &TGraphicsObject::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Object("Font", static_cast<TQuilFont& (C::*)()>(&C::Font))
                                   .Object("Pen", static_cast<TQuilPen& (C::*)()>(&C::Pen))
                                   .Bool("Visible", &C::Visible, &C::SetVisible, true)
                                   .Build());
  return meta;
}

TQuilHover::TQuilHover(TChangeHandler onChange)
    : TGraphicsObject(onChange),
      pen_(std::make_unique<TQuilPen>(onChange)),
      font_(std::make_unique<TQuilFont>(onChange)) {
  pen_->InitColor(kHoverPenColor);
  pen_->InitWidth(3);
  font_->InitColor(clRed);
}

void TQuilHover::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  Changed();
}

void TQuilHover::SetOnChange(TChangeHandler onChange) {
  pen_->SetOnChange(onChange);
  font_->SetOnChange(onChange);
  TGraphicsObject::SetOnChange(std::move(onChange));
}

bool TQuilHover::AssignSettings(const TPersistent& source) {
  const auto* other = dynamic_cast<const TQuilHover*>(&source);
  if (!other) return false;
  pen_->AssignSettings(*other->pen_);
  font_->AssignSettings(*other->font_);
  visible_ = other->visible_;
  return true;
}

const TMetaClass& TQuilSelected::StaticClass() {
  using C = TQuilSelected;
  static const TMetaClass meta("TQuilSelected", &TGraphicsObject::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Object("Hover", static_cast<TQuilHover& (C::*)()>(&C::Hover))
                                   .Object("Pen", static_cast<TQuilPen& (C::*)()>(&C::Pen))
                                   .Bool("Visible", &C::Visible, &C::SetVisible, false)
                                   .Build());
  return meta;
}

TQuilSelected::TQuilSelected(TChangeHandler onChange)
    : TGraphicsObject(onChange),
      pen_(std::make_unique<TQuilPen>(onChange)),
      hover_(std::make_unique<TQuilHover>(onChange)) {
  pen_->InitColor(clRed);
  pen_->InitWidth(2);
}

void TQuilSelected::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  Changed();
}

void TQuilSelected::SetItemIndex(int value) {
  if (itemIndex_ == value) return;
  itemIndex_ = value;
  Changed();
}

void TQuilSelected::SetHoverIndex(int value) {
  if (hoverIndex_ == value) return;
  hoverIndex_ = value;
  Changed();
}

void TQuilSelected::SetOnChange(TChangeHandler onChange) {
  pen_->SetOnChange(onChange);
  hover_->SetOnChange(onChange);
  TGraphicsObject::SetOnChange(std::move(onChange));
}

bool TQuilSelected::AssignSettings(const TPersistent& source) {
  const auto* other = dynamic_cast<const TQuilSelected*>(&source);
  if (!other) return false;
  pen_->AssignSettings(*other->pen_);
  hover_->AssignSettings(*other->hover_);
  visible_ = other->visible_;
  itemIndex_ = other->itemIndex_;
  hoverIndex_ = other->hoverIndex_;
  return true;
}

}  // namespace quil
