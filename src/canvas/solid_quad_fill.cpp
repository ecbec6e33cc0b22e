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

}  // namespace

TSolidQuadFill::TSolidQuadFill(cairo_surface_t* surface, TPoint origin, TFixedOffset offset, const TQuilRegion* clip,
                               TFallback fallback)
    : surface_(surface), origin_(origin), offset_(offset), clip_(clip), fallback_(std::move(fallback)) {
  cairo_surface_flush(surface_);
  data_ = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_));
  stride_ = cairo_image_surface_get_stride(surface_) / 4;
  const TRect surfaceRect{-origin.X, -origin.Y, cairo_image_surface_get_width(surface_) - origin.X,
                          cairo_image_surface_get_height(surface_) - origin.Y};
  if (!data_) {
    limit_ = {};
  } else if (!clip_) {
    limit_ = surfaceRect;
  } else {
    const std::vector<TRect> rectangles = clip_->Rectangles();
    severalRectangles_ = rectangles.size() > 1;
    limit_ = rectangles.empty() ? TRect{} : Intersection(clip_->Bounds(), surfaceRect);
    if (severalRectangles_) PrepareInside();
  }
}

void TSolidQuadFill::PrepareInside() {
  const TRect bounds = clip_->Bounds();
  insideTop_ = bounds.Top;
  inside_.assign(static_cast<std::size_t>(bounds.Height()), {});
  for (int y = bounds.Top; y < bounds.Bottom; ++y) {
    TInsideRow& row = inside_[static_cast<std::size_t>(y - insideTop_)];
    int left = INT_MIN, right = INT_MAX;
    for (int dy = -1; dy <= 1; ++dy) {
      const auto& spans = clip_->Row(y + dy);
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

TSolidQuadFill::~TSolidQuadFill() { cairo_surface_mark_dirty(surface_); }

bool TSolidQuadFill::InsideSpans(int y, const TRect& cornerBounds) const {
  for (int row = y - 1; row <= y + 1; ++row) {
    const auto& spans = clip_->Row(row);
    if (std::none_of(spans.begin(), spans.end(), [&](const TQuilRegion::TSpan& s) {
          return s.Left <= cornerBounds.Left - 1 && s.Right >= cornerBounds.Right + 2;
        }))
      return false;
  }
  return true;
}

bool TSolidQuadFill::InsideClip(const TRect& cornerBounds) const {
  if (cornerBounds.Top < insideTop_ || cornerBounds.Bottom >= insideTop_ + static_cast<int>(inside_.size()))
    return false;
  for (int y = cornerBounds.Top; y <= cornerBounds.Bottom; ++y) {
    const TInsideRow& row = inside_[static_cast<std::size_t>(y - insideTop_)];
    if (row.Spans ? !InsideSpans(y, cornerBounds) : cornerBounds.Left < row.Left || cornerBounds.Right > row.Right)
      return false;
  }
  return true;
}

void TSolidQuadFill::FillRows(const TAliasedQuad& quad, const TRect& limit, uint32_t pixel) {
  const int top = std::max(quad.FirstRow(), limit.Top);
  const int bottom = std::min(quad.EndRow(), limit.Bottom);
  for (int y = top; y < bottom; ++y) {
    TPixelRun runs[2];
    const int count = quad.Runs(y, limit.Left, limit.Right, runs);
    uint32_t* row = data_ + static_cast<std::ptrdiff_t>(y + origin_.Y) * stride_ + origin_.X;
    for (int k = 0; k < count; ++k) std::fill(row + runs[k].Left, row + runs[k].Right, pixel);
  }
}

void TSolidQuadFill::Fill(const TPoint (&corners)[4], TColor color) {
  if (limit_.IsEmpty()) return;
  const TAliasedQuad quad(corners, offset_);
  if (quad.FirstRow() >= quad.EndRow()) return;
  if (severalRectangles_ && !(InsideClip(quad.CornerBounds()) && !QuadCrossesItself(corners))) {
    ++fallbacks_;
    cairo_surface_mark_dirty(surface_);
    fallback_(corners, color);
    cairo_surface_flush(surface_);
    return;
  }
  FillRows(quad, limit_, OpaquePixel(SystemColor(color)));
}

}  // namespace quil
