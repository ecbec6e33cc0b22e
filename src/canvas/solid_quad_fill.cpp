#include "canvas/solid_quad_fill.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace quil {

namespace {

TRect Intersection(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

uint32_t OpaquePixel(TColor c) {
  return 0xFF000000u | (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

int64_t Turn(const TPoint& o, const TPoint& a, const TPoint& b) {
  return (int64_t(a.X) - o.X) * (int64_t(b.Y) - o.Y) - (int64_t(a.Y) - o.Y) * (int64_t(b.X) - o.X);
}

}  // namespace

TSolidQuadFill::TSolidQuadFill(const TQuadFillTarget& target, TQuadFillClip clip, TFallback fallback)
    : target_(target), clip_(std::move(clip)), fallback_(std::move(fallback)) {
  cairo_surface_flush(target_.Surface);
  data_ = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(target_.Surface));
  stride_ = cairo_image_surface_get_stride(target_.Surface) / 4;
  const TPoint o = target_.Origin;
  const TRect surface{-o.X, -o.Y, cairo_image_surface_get_width(target_.Surface) - o.X,
                      cairo_image_surface_get_height(target_.Surface) - o.Y};
  if (!data_) return;
  limit_ = surface;
  if (clip_.Region) {
    const std::size_t rectangles = clip_.Region->Rectangles().size();
    cutByClip_ = rectangles > 1;
    limit_ = rectangles == 0 ? TRect{} : Intersection(clip_.Region->Bounds(), surface);
    if (cutByClip_) PrepareInside();
  } else if (clip_.ConvexPolygon.size() >= 3) {
    cutByClip_ = true;
    const std::vector<TPoint>& p = clip_.ConvexPolygon;
    for (std::size_t i = 0; i < p.size(); ++i) {
      const int64_t turn = Turn(p[i], p[(i + 1) % p.size()], p[(i + 2) % p.size()]);
      if (turn != 0) {
        polygonTurn_ = turn > 0 ? 1 : -1;
        break;
      }
    }
  } else if (!clip_.ConvexPolygon.empty()) {
    limit_ = {};
  }
}

TSolidQuadFill::~TSolidQuadFill() { cairo_surface_mark_dirty(target_.Surface); }

void TSolidQuadFill::PrepareInside() {
  const TQuilRegion& region = *clip_.Region;
  const TRect bounds = region.Bounds();
  insideTop_ = bounds.Top;
  inside_.assign(static_cast<std::size_t>(bounds.Height()), {});
  for (int y = bounds.Top; y < bounds.Bottom; ++y) {
    TInsideRow& row = inside_[static_cast<std::size_t>(y - insideTop_)];
    int left = INT_MIN, right = INT_MAX;
    for (int dy = -1; dy <= 1; ++dy) {
      const auto& spans = region.Row(y + dy);
      if (spans.empty()) {
        left = INT_MAX;
      } else if (spans.size() > 1) {
        row.Spans = true;
      } else {
        left = std::max(left, spans[0].Left);
        right = std::min(right, spans[0].Right);
      }
    }
    if (!row.Spans && left < right) row.Left = left + 1, row.Right = right - 2;
  }
}

bool TSolidQuadFill::InsideSpans(int y, const TRect& cornerBounds) const {
  for (int row = y - 1; row <= y + 1; ++row) {
    const auto& spans = clip_.Region->Row(row);
    if (std::none_of(spans.begin(), spans.end(), [&](const TQuilRegion::TSpan& s) {
          return s.Left <= cornerBounds.Left - 1 && s.Right >= cornerBounds.Right + 2;
        }))
      return false;
  }
  return true;
}

bool TSolidQuadFill::InsideRegion(const TRect& cornerBounds) const {
  if (cornerBounds.Top < insideTop_ || cornerBounds.Bottom >= insideTop_ + static_cast<int>(inside_.size()))
    return false;
  for (int y = cornerBounds.Top; y <= cornerBounds.Bottom; ++y) {
    const TInsideRow& row = inside_[static_cast<std::size_t>(y - insideTop_)];
    if (row.Spans ? !InsideSpans(y, cornerBounds) : cornerBounds.Left < row.Left || cornerBounds.Right > row.Right)
      return false;
  }
  return true;
}

// A pixel or more inside each side: the polygon may have been clipped while integer coordinates
// lay half a pixel elsewhere.
bool TSolidQuadFill::InsidePolygon(const TPoint (&corners)[4]) const {
  const std::vector<TPoint>& p = clip_.ConvexPolygon;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const TPoint& a = p[i];
    const TPoint& b = p[(i + 1) % p.size()];
    if (a == b) continue;
    const double length2 = double(b.X - a.X) * (b.X - a.X) + double(b.Y - a.Y) * (b.Y - a.Y);
    for (const TPoint& c : corners) {
      const double turn = double(Turn(a, b, c)) * polygonTurn_;
      if (turn <= 0 || turn * turn <= length2) return false;
    }
  }
  return true;
}

void TSolidQuadFill::FillRows(const TAliasedQuad& quad, uint32_t pixel) {
  const int top = std::max(quad.FirstRow(), limit_.Top);
  const int bottom = std::min(quad.EndRow(), limit_.Bottom);
  for (int y = top; y < bottom; ++y) {
    TPixelRun runs[2];
    const int count = quad.Runs(y, limit_.Left, limit_.Right, runs);
    uint32_t* row = data_ + static_cast<std::ptrdiff_t>(y + target_.Origin.Y) * stride_ + target_.Origin.X;
    for (int k = 0; k < count; ++k) std::fill(row + runs[k].Left, row + runs[k].Right, pixel);
  }
}

void TSolidQuadFill::Fallback(const TPoint (&corners)[4], TColor color) {
  ++fallbacks_;
  cairo_surface_mark_dirty(target_.Surface);
  fallback_(corners, color);
  cairo_surface_flush(target_.Surface);
}

void TSolidQuadFill::Fill(const TPoint (&corners)[4], TColor color) {
  if (limit_.IsEmpty()) return;
  const TAliasedQuad quad(corners, target_.Offset);
  if (quad.FirstRow() >= quad.EndRow()) return;
  if (!target_.ResolveSystemColors && (color >> 24) != 0) {
    Fallback(corners, color);
    return;
  }
  if (cutByClip_) {
    const bool inside = clip_.Region ? InsideRegion(quad.CornerBounds()) : InsidePolygon(corners);
    if (!inside || QuadCrossesItself(corners)) {
      Fallback(corners, color);
      return;
    }
  }
  FillRows(quad, OpaquePixel(SystemColor(color)));
}

}  // namespace quil
