#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "canvas/canvas_types.h"
#include "core/rounding.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"

namespace quil {

namespace {

// The lines of a label, split at line breaks.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

// The box a text of that size covers when drawn at anchor with align and turned by angle degrees
// (counter-clockwise) about the anchor, as the canvas turns it.
TRect TurnedTextBox(TPoint anchor, int width, int height, int align, int angle) {
  const int horizontal = HorizontalTextAlign(align);
  const double dx = horizontal == TA_RIGHT ? -width : (horizontal == TA_CENTER ? -width / 2.0 : 0.0);
  const double dy = VerticalTextAlign(align) == TA_BOTTOM ? -height : 0.0;
  const double radians = angle * std::numbers::pi / 180.0;
  const double s = std::sin(radians), c = std::cos(radians);
  double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;
  const std::pair<int, int> corners[] = {{0, 0}, {width, 0}, {width, height}, {0, height}};
  for (const auto& [cx, cy] : corners) {
    const double u = cx + dx, v = cy + dy;
    const double x = anchor.X + u * c + v * s, y = anchor.Y - u * s + v * c;
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  return {static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)),
          static_cast<int>(std::ceil(right)), static_cast<int>(std::ceil(bottom))};
}

TRect Shifted(TRect r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

TRect UnionOf(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) return b;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool Inside(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

// Every n-th of the places (from the first), n as small as keeps neighbours of a row apart; rows
// take turns when there are two of them. When no step keeps them apart (they all lie on one
// spot), only the first of each row is kept.
template <class Place>
std::vector<Place> EvenlyThinned(const std::vector<Place>& places, std::size_t rows) {
  for (std::size_t n = 1; n < places.size(); ++n) {
    bool apart = true;
    for (std::size_t i = 0; apart && i + rows * n < places.size(); i += n)
      apart = !Overlap(places[i].Bounds, places[i + rows * n].Bounds);
    if (!apart) continue;
    std::vector<Place> kept;
    for (std::size_t i = 0; i < places.size(); i += n) kept.push_back(places[i]);
    return kept;
  }
  return {places.begin(), places.begin() + static_cast<std::ptrdiff_t>(std::min(rows, places.size()))};
}

// Each place that keeps clear of the last one kept in its row.
template <class Place>
std::vector<Place> GreedilyThinned(const std::vector<Place>& places, std::size_t rows) {
  std::vector<Place> kept;
  for (const Place& place : places)
    if (kept.size() < rows || !Overlap(kept[kept.size() - rows].Bounds, place.Bounds)) kept.push_back(place);
  return kept;
}

}  // namespace

// Labels are placed in their inner row; the outer row of alternate labels is the same box moved
// outwards, so neighbours along the axis collide alike in either row.
std::vector<ROvedeAxis::TLabelPlace> ROvedeAxis::PlaceLabels() {
  std::vector<TLabelPlace> places;
  const bool fixed = !items_.empty();
  const double low = std::min(IMinimum(), IMaximum());
  const double high = std::max(IMinimum(), IMaximum());
  int depthX = PosLabels;
  if (IsDepthAxis() && !otherSide_) {
    chart_->PrepareFont3D(labelsFormat_->Font());
    depthX = PosLabels - chart_->Canvas().TextWidth("W") / 2 - 2;
  }
  const std::vector<TAxisLabel>& items = frameLabels_.Items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const TAxisLabel& label = items[i];
    if (!fixed && label.Value != IMinimum() && (label.Value < low || label.Value > high)) continue;
    TLabelPlace place;
    if (IsDepthAxis())
      place = PlaceAxisLabel(depthX, DepthAxisY(), label.Pos, label.Text);
    else if (horizontal_)
      place = PlaceAxisLabel(label.Pos, PosLabels, IZPos, label.Text);
    else
      place = PlaceAxisLabel(PosLabels, label.Pos, IZPos, label.Text);
    place.Item = i;
    if (!place.Bounds.IsEmpty()) places.push_back(place);
  }
  return places;
}

ROvedeAxis::TLabelPlace ROvedeAxis::PlaceAxisLabel(int x, int y, int z, const std::string& text) {
  TCanvas3D& canvas = chart_->Canvas();
  chart_->PrepareFont3D(labelsFormat_->Font());
  const int height = canvas.TextHeight("W");
  const int angle = NormalDegrees(LabelsAngle());
  const std::vector<std::string> lines = SplitLines(text);
  int align = TA_CENTER;
  if (IsDepthAxis()) {
    align = otherSide_ ? TA_LEFT : TA_RIGHT;
    y -= height / 2;
  } else if (horizontal_) {
    if (otherSide_) {
      align = TA_CENTER | TA_BOTTOM;
      y -= height * static_cast<int>(lines.size() - 1);
    }
  } else {
    if (labelsAlign_ == alCenter) {
      x = InflateAxisPos(x, SizeLabels() / 2);
    } else if (labelsAlign_ == alOpposite) {
      x = InflateAxisPos(x, SizeLabels());
      align = otherSide_ ? TA_RIGHT : TA_LEFT;
    } else {
      align = otherSide_ ? TA_LEFT : TA_RIGHT;
    }
    y -= height * static_cast<int>(lines.size()) / 2;
  }
  TLabelPlace place{0, x, y, z, align, {}};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TPoint anchor = canvas.Calculate3DPosition(x, y + height * static_cast<int>(i), z);
    place.Bounds = UnionOf(place.Bounds, TurnedTextBox(anchor, canvas.TextWidth(lines[i]), height, align, angle));
  }
  return place;
}

// The title's box stands unturned around the centre of the text as drawn, so that the title,
// turned by its angle about that centre, covers the drawn text when it is clicked.
void ROvedeAxis::PlaceTitleBounds(TPoint anchor, int width, int height, int align, int angle) {
  const TRect drawn = TurnedTextBox(anchor, width, height, align, angle);
  const int left = (drawn.Left + drawn.Right - width) / 2;
  const int top = (drawn.Top + drawn.Bottom - height) / 2;
  title_->ShapeBounds = {left, top, left + width, top + height};
}

// Decides which labels are drawn, and with TickOnLabelsOnly which ticks remain. Point labels
// were spaced by LabelsSeparation when they were generated and are all drawn (a separation of 0
// asks for every one). Fixed items lie unevenly, so each keeps clear of the last one kept;
// generated value and series labels lie evenly and are thinned to every n-th, which mends the
// collisions of long or turned value texts that the increment alone cannot foresee.
void ROvedeAxis::FitLabels() {
  labelPlaces_.clear();
  labelBounds_.clear();
  if (!labels_ || !labelsFormat_->Visible()) return;
  std::vector<TLabelPlace> places = PlaceLabels();
  std::vector<bool> dropped(frameLabels_.Items.size(), false);
  for (const TLabelPlace& place : places) dropped[place.Item] = true;
  const TRect& bounds = chart_->ChartBounds();
  std::erase_if(places, [&](const TLabelPlace& place) { return !Inside(place.Bounds, bounds); });
  const bool alternate = LabelsAlternate() && !IsDepthAxis();
  const std::size_t rows = alternate ? 2 : 1;
  const TAxisLabelStyle style = scale_->CalcLabelStyle();
  const bool pointLabels = !IsDepthAxis() && (style == talText || style == talMark || style == talPointValue);
  if (!items_.empty())
    places = GreedilyThinned(places, rows);
  else if (!pointLabels)
    places = EvenlyThinned(places, rows);

  const int alternateShift = alternate && !horizontal_ ? MaxLabelsWidth() : TextHeightW();
  for (std::size_t k = 0; k < places.size(); ++k) {
    TLabelPlace place = places[k];
    if (alternate && k % 2 == 0) {
      const int shift = InflateAxisPos(0, alternateShift);
      const int dx = horizontal_ ? 0 : shift, dy = horizontal_ ? shift : 0;
      place.X += dx;
      place.Y += dy;
      place.Bounds = Shifted(place.Bounds, dx, dy);
      if (!Inside(place.Bounds, bounds)) continue;
    }
    dropped[place.Item] = false;
    labelPlaces_.push_back(place);
    labelBounds_.push_back(place.Bounds);
  }
  if (tickOnLabelsOnly_) DropTicksOfLabels(dropped);
}

// Ticks without a label of their own (a logarithmic axis' extra tick below its minimum) come
// first in the list and stay.
void ROvedeAxis::DropTicksOfLabels(const std::vector<bool>& dropped) {
  std::vector<int>& ticks = frameLabels_.Ticks;
  const std::size_t labels = frameLabels_.Items.size();
  if (ticks.size() < labels || std::find(dropped.begin(), dropped.end(), true) == dropped.end()) return;
  const std::size_t unlabelled = ticks.size() - labels;
  std::vector<int> kept(ticks.begin(), ticks.begin() + static_cast<std::ptrdiff_t>(unlabelled));
  for (std::size_t i = 0; i < labels; ++i)
    if (!dropped[i]) kept.push_back(ticks[unlabelled + i]);
  ticks = std::move(kept);
}

void ROvedeAxis::DrawLabels() {
  if (labelPlaces_.empty()) return;
  chart_->PrepareFont3D(labelsFormat_->Font());
  TCanvas3D& canvas = chart_->Canvas();
  canvas.SetBackMode(cbmTransparent);
  const int height = canvas.TextHeight("W");
  const int angle = NormalDegrees(LabelsAngle());
  for (const TLabelPlace& place : labelPlaces_) {
    canvas.SetTextAlign(place.Align);
    int y = place.Y;
    for (const std::string& line : SplitLines(frameLabels_.Items[place.Item].Text)) {
      if (angle == 0)
        canvas.TextOut3D(place.X, y, place.Z, line);
      else
        canvas.RotateLabel3D(place.X, y, place.Z, line, angle, false);
      y += height;
    }
  }
}

}  // namespace quil
