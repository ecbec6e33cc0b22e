#include "canvas/text_quality.h"

#include "canvas/canvas_types.h"

namespace quil {

int BackendTextQuality(TFontQuality fontQuality, TFontQuality canvasQuality) {
  switch (fontQuality) {
    case fqNormal: return QuilTextQualityNonAntialiased;
    case fqBest:
    case fqClearType: return QuilFontAntiAlias;
    case fqDefault: break;
  }
  switch (canvasQuality) {
    case fqBest: return QuilTextQualityAntialiased;
    case fqNormal: return QuilTextQualityNonAntialiased;
    case fqClearType: return QuilTextQualityClearType;
    case fqDefault: break;
  }
  return QuilTextQualityDefault;
}

}  // namespace quil
