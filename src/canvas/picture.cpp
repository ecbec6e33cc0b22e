#include "canvas/picture.h"

namespace quil {

const TMetaClass& TQuilPicture::StaticClass() {
  static const TMetaClass meta("TQuilPicture", &TGraphicsObject::StaticClass());
  return meta;
}

void TQuilPicture::SetGraphic(TBitmap graphic) {
  if (graphic_.Empty() && graphic.Empty()) return;
  graphic_ = std::move(graphic);
  Changed();
}

void TQuilPicture::LoadFromFile(const std::string& path) { SetGraphic(TBitmap::FromPNGFile(path)); }

TBitmap TQuilPicture::Filtered() const {
  TBitmap result = graphic_;
  filters_.ApplyTo(result);
  return result;
}

bool TQuilPicture::AssignSettings(const TPersistent& source) {
  const auto* picture = dynamic_cast<const TQuilPicture*>(&source);
  if (!picture) return false;
  graphic_ = picture->graphic_;
  filters_ = picture->filters_;
  return true;
}

}  // namespace quil
