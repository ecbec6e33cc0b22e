#include "engine/series_selected.h"

namespace quil {

namespace {

// Red with an alpha byte of 128: drawn half-transparent.
constexpr TColor kHoverPenColor = 0x800000FF;

}  // namespace

const TMetaClass& TQuilHover::StaticClass() {
  static const TMetaClass meta("TQuilHover", &TTextShape::StaticClass());
  return meta;
}

TQuilHover::TQuilHover(TCustomQuilPanel* parent) : TTextShape(parent) {
  Frame().InitColor(kHoverPenColor);
  Frame().InitWidth(3);
  Font().InitColor(clRed);
}

// Visible is declared again for the selection's own default (hidden).
const TMetaClass& TQuilSelected::StaticClass() {
  using C = TQuilSelected;
  static const TMetaClass meta("TQuilSelected", &TTextShape::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Object("Hover", static_cast<TQuilHover& (C::*)()>(&C::Hover))
                                   .Bool("Visible", &C::Visible, &C::SetVisible, false)
                                   .Build());
  return meta;
}

TQuilSelected::TQuilSelected(TCustomQuilPanel* parent)
    : TTextShape(parent), hover_(std::make_unique<TQuilHover>(parent)) {
  InitVisible(false);
  Frame().InitColor(clRed);
  Frame().InitWidth(2);
}

TQuilSelected::~TQuilSelected() = default;

void TQuilSelected::SetParent(TCustomQuilPanel* parent) {
  TTextShape::SetParent(parent);
  hover_->SetParent(parent);
}

void TQuilSelected::Assign(const TPersistent& source) {
  if (const auto* other = dynamic_cast<const TQuilSelected*>(&source); other && other != this) {
    hover_->Assign(*other->hover_);
    itemIndex_ = other->itemIndex_;
    hoverIndex_ = other->hoverIndex_;
  }
  TTextShape::Assign(source);
}

}  // namespace quil
