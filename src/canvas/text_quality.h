#pragma once

#include "canvas/font.h"

namespace quil {

// Backend text quality codes.
inline constexpr int QuilTextQualityDefault = 0;
inline constexpr int QuilTextQualityNonAntialiased = 3;
inline constexpr int QuilTextQualityAntialiased = 4;
inline constexpr int QuilTextQualityClearType = 5;

// The backend text quality for a font of the given quality on a canvas whose own quality is
// canvasQuality: fqNormal is never smoothed, fqBest and fqClearType take QuilFontAntiAlias,
// and fqDefault leaves it to the canvas.
int BackendTextQuality(TFontQuality fontQuality, TFontQuality canvasQuality);

}  // namespace quil
