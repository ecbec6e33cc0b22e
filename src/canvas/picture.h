#pragma once

#include <string>

#include "canvas/bitmap.h"
#include "canvas/filter.h"
#include "canvas/graphics_object.h"

namespace quil {

// An image attribute (a brush image, a shape picture) with a list of filters applied when
// it is drawn.
class TQuilPicture : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilPicture(TChangeHandler onChange = nullptr) : TGraphicsObject(std::move(onChange)) {}

  const TBitmap& Graphic() const { return graphic_; }
  void SetGraphic(TBitmap graphic);
  bool Empty() const { return graphic_.Empty(); }
  int Width() const { return graphic_.Width(); }
  int Height() const { return graphic_.Height(); }
  // Reads a PNG file; an unreadable file leaves the picture empty.
  void LoadFromFile(const std::string& path);

  TFilterItems& Filters() { return filters_; }
  const TFilterItems& Filters() const { return filters_; }
  // A copy of the graphic with every enabled filter applied.
  TBitmap Filtered() const;

  bool AssignSettings(const TPersistent& source) override;

 private:
  TBitmap graphic_;
  TFilterItems filters_;
};

}  // namespace quil
