#include <algorithm>
#include <cmath>

#include "canvas/canvas_types.h"
#include "canvas/raster_backend.h"

namespace quil {

// A backend without text paths places the box by the alignment alone, with the baseline
// taken at four fifths of the height.
TRect TRasterBackend::TextBounds(int x, int y, const std::string& text, double angle) {
  const TPoint size = TextExtent(text);
  const int horizontal = HorizontalTextAlign(TextAlign());
  const int vertical = VerticalTextAlign(TextAlign());
  const double dx = horizontal == TA_CENTER ? -(size.X / 2) : horizontal == TA_RIGHT ? -size.X : 0;
  const double dy = vertical == TA_BASELINE ? -(size.Y * 4 / 5) : vertical == TA_BOTTOM ? -size.Y : 0;
  const double s = std::sin(angle * QuilPiStep), c = std::cos(angle * QuilPiStep);
  double left = x, top = y, right = x, bottom = y;
  const TPoint corners[4] = {{0, 0}, {size.X, 0}, {size.X, size.Y}, {0, size.Y}};
  for (const TPoint& corner : corners) {
    const double u = corner.X + dx, v = corner.Y + dy;
    const double px = x + u * c + v * s, py = y - u * s + v * c;
    left = std::min(left, px);
    right = std::max(right, px);
    top = std::min(top, py);
    bottom = std::max(bottom, py);
  }
  return {static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)), static_cast<int>(std::ceil(right)),
          static_cast<int>(std::ceil(bottom))};
}

void TRasterBackend::TextPath(int x, int y, const std::string& text, double angle, bool, bool) {
  TextOut(x, y, text, angle);
}

void TRasterBackend::TextThroughImage(int x, int y, const std::string& text, double angle, const TBitmap&, int) {
  TextOut(x, y, text, angle);
}

}  // namespace quil
