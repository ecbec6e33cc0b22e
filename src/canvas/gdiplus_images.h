#pragma once

#include "canvas/bitmap.h"
#include "core/color.h"

namespace quil {

enum TTransparentMode { tmAuto, tmFixed };

// How a bitmap marks the pixels that are not drawn: not at all, by the colour of its
// bottom-left pixel (automatic), or by a fixed colour.
struct TBitmapTransparency {
  bool Transparent = false;
  TTransparentMode Mode = tmAuto;
  TColor Color = clNone;
};

// A copy of source in which every pixel of the transparent colour is see-through white and
// every other pixel opaque. The fixed colour is taken without its 0x02000000 bit.
TBitmap TransparentImage(const TBitmap& source, const TBitmapTransparency& transparency);

}  // namespace quil
