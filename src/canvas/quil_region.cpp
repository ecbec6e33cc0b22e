#include "canvas/quil_region.h"

#include <algorithm>
#include <cmath>

namespace quil {

namespace {

const std::vector<TQuilRegion::TSpan> kNoSpans;

// First pixel whose centre is at or right of x.
int PixelAtOrAfter(double x) { return static_cast<int>(std::ceil(x - 0.5)); }

void AddSpan(std::vector<TQuilRegion::TSpan>& row, int left, int right, const TRect& limit) {
  left = std::max(left, limit.Left);
  right = std::min(right, limit.Right);
  if (left < right) row.push_back({left, right});
}

bool Apply(bool a, bool b, int op) {
  switch (op) {
    case 0: return a && b;
    case 1: return a || b;
    case 2: return a != b;
    default: return a && !b;
  }
}

std::vector<TQuilRegion::TSpan> CombineRow(const std::vector<TQuilRegion::TSpan>& a,
                                           const std::vector<TQuilRegion::TSpan>& b, int op) {
  std::vector<int> edges;
  edges.reserve(2 * (a.size() + b.size()));
  for (const auto& s : a) edges.insert(edges.end(), {s.Left, s.Right});
  for (const auto& s : b) edges.insert(edges.end(), {s.Left, s.Right});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  std::vector<TQuilRegion::TSpan> out;
  std::size_t ia = 0, ib = 0;
  for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
    const int x = edges[k];
    while (ia < a.size() && a[ia].Right <= x) ++ia;
    while (ib < b.size() && b[ib].Right <= x) ++ib;
    const bool inA = ia < a.size() && a[ia].Left <= x;
    const bool inB = ib < b.size() && b[ib].Left <= x;
    if (!Apply(inA, inB, op)) continue;
    if (!out.empty() && out.back().Right == x)
      out.back().Right = edges[k + 1];
    else
      out.push_back({x, edges[k + 1]});
  }
  return out;
}

}  // namespace

template <class InsetOfRow>
TQuilRegion TQuilRegion::FromRows(const TRect& r, const TRect& limit, InsetOfRow insetOfRow) {
  TQuilRegion region;
  const int top = std::max(r.Top, limit.Top);
  const int bottom = std::min(r.Bottom, limit.Bottom);
  if (top >= bottom || r.Left >= r.Right) return region;
  region.top_ = top;
  region.rows_.resize(static_cast<std::size_t>(bottom - top));
  for (int y = top; y < bottom; ++y) {
    const double inset = insetOfRow(y + 0.5);
    if (inset < 0) continue;
    AddSpan(region.rows_[y - top], PixelAtOrAfter(r.Left + inset), PixelAtOrAfter(r.Right - inset), limit);
  }
  region.Trim();
  return region;
}

TQuilRegion TQuilRegion::FromRect(const TRect& r, const TRect& limit) {
  return FromRows(OrientRectangle(r), limit, [](double) { return 0.0; });
}

TQuilRegion TQuilRegion::FromEllipse(const TRect& box, const TRect& limit) {
  const TRect r = OrientRectangle(box);
  const double cy = (double(r.Top) + r.Bottom) * 0.5;
  const double rx = (double(r.Right) - r.Left) * 0.5;
  const double ry = (double(r.Bottom) - r.Top) * 0.5;
  return FromRows(r, limit, [=](double yc) {
    const double t = (yc - cy) / ry;
    if (t * t >= 1) return -1.0;
    return rx - rx * std::sqrt(1 - t * t);
  });
}

TQuilRegion TQuilRegion::FromRoundRect(const TRect& box, int ellipseWidth, int ellipseHeight, const TRect& limit) {
  const TRect r = OrientRectangle(box);
  const double rx = std::min(double(std::abs(ellipseWidth)), double(r.Right) - r.Left) * 0.5;
  const double ry = std::min(double(std::abs(ellipseHeight)), double(r.Bottom) - r.Top) * 0.5;
  if (rx <= 0 || ry <= 0) return FromRect(r, limit);
  const double topCentre = r.Top + ry;
  const double bottomCentre = r.Bottom - ry;
  return FromRows(r, limit, [=](double yc) {
    double dy = 0;
    if (yc < topCentre) dy = topCentre - yc;
    if (yc > bottomCentre) dy = yc - bottomCentre;
    const double t = dy / ry;
    if (t >= 1) return -1.0;
    return rx - rx * std::sqrt(1 - t * t);
  });
}

TQuilRegion TQuilRegion::FromPolygon(const TPoint* points, int numPoints, const TRect& limit) {
  TQuilRegion region;
  if (!points || numPoints < 3) return region;
  const TRect bounds = [&] {
    TRect b{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (int i = 1; i < numPoints; ++i) {
      b.Left = std::min(b.Left, points[i].X);
      b.Top = std::min(b.Top, points[i].Y);
      b.Right = std::max(b.Right, points[i].X);
      b.Bottom = std::max(b.Bottom, points[i].Y);
    }
    return b;
  }();
  const int top = std::max(bounds.Top, limit.Top);
  const int bottom = std::min(bounds.Bottom, limit.Bottom);
  if (top >= bottom) return region;
  region.top_ = top;
  region.rows_.resize(static_cast<std::size_t>(bottom - top));
  std::vector<double> crossings;
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    crossings.clear();
    for (int i = 0; i < numPoints; ++i) {
      const TPoint& a = points[i];
      const TPoint& b = points[(i + 1) % numPoints];
      if (a.Y == b.Y) continue;
      const double y0 = std::min(a.Y, b.Y);
      const double y1 = std::max(a.Y, b.Y);
      if (yc < y0 || yc >= y1) continue;
      crossings.push_back(a.X + (yc - a.Y) * (double(b.X) - a.X) / (double(b.Y) - a.Y));
    }
    std::sort(crossings.begin(), crossings.end());
    auto& row = region.rows_[y - top];
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
      const int left = PixelAtOrAfter(crossings[k]);
      const int right = PixelAtOrAfter(crossings[k + 1]);
      if (left >= right) continue;
      if (!row.empty() && row.back().Right >= left)
        row.back().Right = std::max(row.back().Right, right);
      else
        AddSpan(row, left, right, limit);
    }
  }
  region.Trim();
  return region;
}

TRect TQuilRegion::Bounds() const {
  if (rows_.empty()) return {};
  TRect r{rows_.front().front().Left, top_, rows_.front().front().Right, top_ + static_cast<int>(rows_.size())};
  for (const auto& row : rows_) {
    if (row.empty()) continue;
    r.Left = std::min(r.Left, row.front().Left);
    r.Right = std::max(r.Right, row.back().Right);
  }
  return r;
}

const std::vector<TQuilRegion::TSpan>& TQuilRegion::Row(int y) const {
  if (y < top_ || y >= top_ + static_cast<int>(rows_.size())) return kNoSpans;
  return rows_[static_cast<std::size_t>(y - top_)];
}

bool TQuilRegion::Contains(int x, int y) const {
  const auto& row = Row(y);
  auto it = std::upper_bound(row.begin(), row.end(), x, [](int v, const TSpan& s) { return v < s.Right; });
  return it != row.end() && it->Left <= x;
}

void TQuilRegion::Intersect(const TQuilRegion& other) { Combine(other, TOp::And); }
void TQuilRegion::Xor(const TQuilRegion& other) { Combine(other, TOp::Xor); }
void TQuilRegion::Subtract(const TQuilRegion& other) { Combine(other, TOp::Diff); }
void TQuilRegion::Union(const TQuilRegion& other) { Combine(other, TOp::Or); }

void TQuilRegion::Combine(const TQuilRegion& other, TOp op) {
  if (Empty() && other.Empty()) return;
  const int top = Empty() ? other.top_ : other.Empty() ? top_ : std::min(top_, other.top_);
  const int bottom = std::max(top_ + static_cast<int>(rows_.size()), other.top_ + static_cast<int>(other.rows_.size()));
  std::vector<std::vector<TSpan>> rows(static_cast<std::size_t>(bottom - top));
  for (int y = top; y < bottom; ++y) rows[y - top] = CombineRow(Row(y), other.Row(y), static_cast<int>(op));
  top_ = top;
  rows_ = std::move(rows);
  Trim();
}

void TQuilRegion::Trim() {
  std::size_t first = 0;
  while (first < rows_.size() && rows_[first].empty()) ++first;
  std::size_t last = rows_.size();
  while (last > first && rows_[last - 1].empty()) --last;
  if (first == last) {
    rows_.clear();
    top_ = 0;
    return;
  }
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(last), rows_.end());
  rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(first));
  top_ += static_cast<int>(first);
}

std::vector<TRect> TQuilRegion::Rectangles() const {
  std::vector<TRect> out;
  std::size_t i = 0;
  while (i < rows_.size()) {
    std::size_t j = i + 1;
    while (j < rows_.size() && rows_[j] == rows_[i]) ++j;
    const int y0 = top_ + static_cast<int>(i);
    const int y1 = top_ + static_cast<int>(j);
    for (const TSpan& s : rows_[i]) out.push_back({s.Left, y0, s.Right, y1});
    i = j;
  }
  return out;
}

}  // namespace quil
