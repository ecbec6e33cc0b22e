#pragma once

#include "canvas/canvas_types.h"
#include "canvas/picture.h"

namespace quil {

enum TQuilBackImageMode : uint8_t { pbmStretch, pbmTile, pbmCenter, pbmCustom };

const TEnumInfo& BackImageModeInfo();

// A picture drawn on a panel or inside the walls, with the way it covers its rectangle.
class TBackImage : public TQuilPicture {
  QUIL_PERSISTENT_CLASS

 public:
  using TQuilPicture::TQuilPicture;

  TQuilBackImageMode Mode() const { return mode_; }
  void SetMode(TQuilBackImageMode v);
  bool Inside() const { return inside_; }
  void SetInside(bool v);
  // Placement of pbmCustom, relative to the rectangle; Right and Bottom are a size when not 0.
  int Left() const { return left_; }
  void SetLeft(int v);
  int Top() const { return top_; }
  void SetTop(int v);
  int Right() const { return right_; }
  void SetRight(int v);
  int Bottom() const { return bottom_; }
  void SetBottom(int v);
  TCanvasStretchQuality DrawQuality() const { return drawQuality_; }
  void SetDrawQuality(TCanvasStretchQuality v);

  bool AssignSettings(const TPersistent& source) override;

 private:
  void SetInt(int& field, int v);

  TQuilBackImageMode mode_ = pbmStretch;
  bool inside_ = false;
  int left_ = 0;
  int top_ = 0;
  int right_ = 0;
  int bottom_ = 0;
  TCanvasStretchQuality drawQuality_ = sqHigh;
};

}  // namespace quil
