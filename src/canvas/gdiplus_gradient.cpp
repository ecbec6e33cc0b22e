#include "canvas/gdiplus_gradient.h"

#include <algorithm>

namespace quil {

namespace {

constexpr std::size_t kMaxBlendColors = 256;

TGPColor GradientToColor(const TGPGradientEntry& e, int opacity) {
  return GDIPColor(e.Color, ApplyTransparency(e.Transparency, opacity));
}

}  // namespace

std::vector<TGPGradientEntry> GradientEntries(const TCustomQuilGradient& gradient) {
  std::vector<TGPGradientEntry> entries;
  if (const TQuilGradientColors* colors = gradient.ColorsOrNull(); colors && colors->Count() > 0) {
    const int n = std::min<int>(colors->Count(), kMaxBlendColors);
    for (int i = 0; i < n; ++i) {
      const TQuilGradientColor& c = (*colors)[i];
      entries.push_back({c.Color(), c.Offset(), c.Transparency()});
    }
    return entries;
  }
  entries.push_back({gradient.StartColor(), 0, 0});
  if (gradient.MidColor() != clNone) entries.push_back({gradient.MidColor(), 0.5, 0});
  entries.push_back({gradient.EndColor(), 1, 0});
  return entries;
}

TGPLinearGradientMode GetLinearGradientDirection(TGradientDirection direction) {
  switch (direction) {
    case gdLeftRight:
    case gdRightLeft: return lgmHorizontal;
    case gdFromTopLeft:
    case gdDiagonalDown: return lgmForwardDiagonal;
    case gdFromBottomLeft:
    case gdDiagonalUp: return lgmBackwardDiagonal;
    default: return lgmVertical;
  }
}

double GradientAngle(TGradientDirection direction) {
  switch (direction) {
    case gdTopBottom: return 90;
    case gdBottomTop: return 270;
    case gdRightLeft: return 180;
    case gdFromTopLeft:
    case gdDiagonalUp: return 45;
    case gdFromBottomLeft:
    case gdDiagonalDown: return 135;
    default: return 0;
  }
}

bool InvertedGradient(TGradientDirection direction) {
  return direction == gdBottomTop || direction == gdRightLeft || direction == gdFromBottomLeft ||
         direction == gdDiagonalDown;
}

TGPGradientEnds GetGradientStartEnd(const std::vector<TGPGradientEntry>& entries, TGradientDirection direction,
                                    int opacity) {
  if (entries.empty()) return {};
  const TGPColor first = GradientToColor(entries.front(), opacity);
  const TGPColor last = GradientToColor(entries.back(), opacity);
  if (InvertedGradient(direction)) return {first, last};
  return {last, first};
}

TGPBlend GetColorBlend(const std::vector<TGPGradientEntry>& entries, TGradientDirection direction, int opacity) {
  TGPBlend blend;
  const std::size_t n = std::min(entries.size(), kMaxBlendColors);
  const bool inverted = InvertedGradient(direction);
  for (std::size_t i = 0; i < n; ++i) {
    const TGPGradientEntry& e = inverted ? entries[i] : entries[n - 1 - i];
    const double position = inverted ? e.Offset : 1 - e.Offset;
    blend.push_back({GradientToColor(e, opacity), static_cast<float>(position)});
  }
  return blend;
}

}  // namespace quil
