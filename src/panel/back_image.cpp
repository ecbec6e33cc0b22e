#include "panel/back_image.h"

namespace quil {

const TEnumInfo& BackImageModeInfo() {
  static const TEnumInfo info{"TQuilBackImageMode", {"pbmStretch", "pbmTile", "pbmCenter", "pbmCustom"}};
  return info;
}

namespace {

const TEnumInfo& StretchQualityInfo() {
  static const TEnumInfo info{"TCanvasStretchQuality", {"sqHigh", "sqLow"}};
  return info;
}

}  // namespace

const TMetaClass& TBackImage::StaticClass() {
  using C = TBackImage;
  static const TMetaClass meta("TBackImage", &TQuilPicture::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Enum("Mode", BackImageModeInfo(), &C::Mode, &C::SetMode, pbmStretch)
                                   .Bool("Inside", &C::Inside, &C::SetInside, false)
                                   .Int("Left", &C::Left, &C::SetLeft, 0)
                                   .Int("Top", &C::Top, &C::SetTop, 0)
                                   .Int("Right", &C::Right, &C::SetRight, 0)
                                   .Int("Bottom", &C::Bottom, &C::SetBottom, 0)
                                   .Enum("DrawQuality", StretchQualityInfo(), &C::DrawQuality, &C::SetDrawQuality, sqHigh)
                                   .Build());
  return meta;
}

void TBackImage::SetInt(int& field, int v) {
  if (field == v) return;
  field = v;
  Changed();
}

void TBackImage::SetMode(TQuilBackImageMode v) {
  if (mode_ == v) return;
  mode_ = v;
  Changed();
}

void TBackImage::SetInside(bool v) {
  if (inside_ == v) return;
  inside_ = v;
  Changed();
}

void TBackImage::SetLeft(int v) { SetInt(left_, v); }
void TBackImage::SetTop(int v) { SetInt(top_, v); }
void TBackImage::SetRight(int v) { SetInt(right_, v); }
void TBackImage::SetBottom(int v) { SetInt(bottom_, v); }

void TBackImage::SetDrawQuality(TCanvasStretchQuality v) {
  if (drawQuality_ == v) return;
  drawQuality_ = v;
  Changed();
}

bool TBackImage::AssignSettings(const TPersistent& source) {
  if (!TQuilPicture::AssignSettings(source)) return false;
  if (const auto* b = dynamic_cast<const TBackImage*>(&source)) {
    mode_ = b->mode_;
    inside_ = b->inside_;
    left_ = b->left_;
    top_ = b->top_;
    right_ = b->right_;
    bottom_ = b->bottom_;
    drawQuality_ = b->drawQuality_;
  }
  return true;
}

}  // namespace quil
