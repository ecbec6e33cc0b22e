#pragma once

#include "canvas/bitmap.h"
#include "canvas/transparency.h"
#include "core/geometry.h"

namespace quil {

// Mixes image a into image b, a's top-left corner at bOrigin in b, over the area both cover.
// With a mask (read at a's coordinates, limiting the area further) each channel becomes
// b + ((a − b)·m) div 256, m being the mask's value of that channel; without one, a keeps
// percent % of the result and b the rest (percent is limited to 0..100).
void QuilBlendBitmaps(int percent, const TBitmap& a, TBitmap& b, TPoint bOrigin, const TBitmap* mask = nullptr);

// How much of the background shows through new pixels drawn with a transparency (0..100,
// limited): 255 − round((100 − transparency)·2.55). A channel then mixes as
// drawn + (background − drawn)·weight div 255.
int QuilBackgroundWeight(TQuilTransparency transparency);

}  // namespace quil
