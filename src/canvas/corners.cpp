#include "canvas/corners.h"

#include "canvas/store_if_changed.h"

namespace quil {

namespace {

const TEnumInfo& CornerStyleInfo() {
  static const TEnumInfo info{"TQuilCornerStyle", {"cosRound", "cosBevel", "cosNone"}};
  return info;
}

}  // namespace

const TMetaClass& TQuilCorner::StaticClass() {
  static const TMetaClass meta("TQuilCorner", &TGraphicsObject::StaticClass(),
                               TPropertyListBuilder<TQuilCorner>()
                                   .Enum("Style", CornerStyleInfo(), &TQuilCorner::Style, &TQuilCorner::SetStyle, cosRound)
                                   .Build());
  return meta;
}

void TQuilCorner::SetStyle(TQuilCornerStyle style) {
  if (StoreIfChanged(style_, style)) Changed();
}

bool TQuilCorner::AssignSettings(const TPersistent& source) {
  const auto* corner = dynamic_cast<const TQuilCorner*>(&source);
  if (!corner) return false;
  style_ = corner->style_;
  return true;
}

const TMetaClass& TQuilCorners::StaticClass() {
  using C = TQuilCorners;
  using Getter = TQuilCorner& (C::*)();
  static const TMetaClass meta("TQuilCorners", &TGraphicsObject::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Object("LeftBottom", static_cast<Getter>(&C::LeftBottom))
                                   .Object("LeftTop", static_cast<Getter>(&C::LeftTop))
                                   .Object("RightBottom", static_cast<Getter>(&C::RightBottom))
                                   .Object("RightTop", static_cast<Getter>(&C::RightTop))
                                   .Build());
  return meta;
}

TQuilCorners::TQuilCorners(TChangeHandler onChange)
    : TGraphicsObject(onChange),
      leftTop_(std::make_unique<TQuilCorner>(onChange)),
      rightTop_(std::make_unique<TQuilCorner>(onChange)),
      leftBottom_(std::make_unique<TQuilCorner>(onChange)),
      rightBottom_(std::make_unique<TQuilCorner>(onChange)) {}

TQuilCorners::~TQuilCorners() = default;

void TQuilCorners::SetOnChange(TChangeHandler onChange) {
  for (TQuilCorner* corner : {leftTop_.get(), rightTop_.get(), leftBottom_.get(), rightBottom_.get()})
    corner->SetOnChange(onChange);
  TGraphicsObject::SetOnChange(std::move(onChange));
}

bool TQuilCorners::AssignSettings(const TPersistent& source) {
  const auto* corners = dynamic_cast<const TQuilCorners*>(&source);
  if (!corners) return false;
  leftTop_->AssignSettings(*corners->leftTop_);
  rightTop_->AssignSettings(*corners->rightTop_);
  leftBottom_->AssignSettings(*corners->leftBottom_);
  rightBottom_->AssignSettings(*corners->rightBottom_);
  return true;
}

}  // namespace quil
