#include "canvas/gdiplus_pen.h"

#include <algorithm>
#include <vector>

namespace quil {

namespace {

std::vector<double> DashPattern(TGPDashStyle style) {
  switch (style) {
    case dsDash: return {3, 1};
    case dsDot: return {1, 1};
    case dsDashDot: return {3, 1, 1, 1};
    case dsDashDotDot: return {3, 1, 1, 1, 1, 1};
    default: return {};
  }
}

}  // namespace

void TGPPen::SetLineCap(TGPLineCap start, TGPLineCap end, TGPDashCap dash) {
  startCap_ = start;
  endCap_ = end;
  dashCap_ = dash;
}

void TGPPen::Select(cairo_t* cr) const {
  const double w = std::max(width_, 1.0);
  cairo_set_line_width(cr, w);
  // Cairo has one cap for line ends and dashes; the end cap of the line stands for both.
  switch (endCap_) {
    case lcFlat: cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT); break;
    case lcSquare: cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE); break;
    case lcRound: cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND); break;
  }
  switch (join_) {
    case ljMiter: cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER); break;
    case ljBevel: cairo_set_line_join(cr, CAIRO_LINE_JOIN_BEVEL); break;
    case ljRound: cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND); break;
  }
  std::vector<double> dashes = DashPattern(dashStyle_);
  if (!dashes.empty() && endCap_ != lcFlat) {
    // A cap reaches half the width past each end of a dash: take it out of the dash, add it to the gap.
    for (std::size_t i = 0; i + 1 < dashes.size(); i += 2) {
      const double on = std::max(dashes[i] - 1, 0.0);
      dashes[i + 1] += dashes[i] - on;
      dashes[i] = on;
    }
  }
  for (double& d : dashes) d *= w;
  cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), 0);
  if (brush_)
    brush_->Select(cr);
  else
    SetSourceGPColor(cr, color_);
}

}  // namespace quil
