#pragma once

#include "core/geometry.h"

namespace quil {

struct TQuilTransformVector {
  float x = 0;
  float y = 0;
  float z = 0;
};

// A transform a canvas or a series can carry: translated, then turned and scaled about Origin,
// optionally clipped to Bounds. The anti-aliased canvas applies it to the world transform of
// the entity it is given to; Rotate is in degrees, clockwise on screen.
struct TQuilTransform {
  bool Enabled = false;
  TQuilTransformVector Origin;
  TQuilTransformVector Translate;
  float Rotate = 0;
  TQuilTransformVector Scale{1, 1, 1};
  bool Clip = false;
  TRect Bounds;
};

}  // namespace quil
