#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

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

int NormalAngle(int angle) { return ((angle % 360) + 360) % 360; }

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
// take turns when there are two of them.
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
  return places;
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

void ROvedeAxis::Draw(bool calcPosAxis) {
  if (!chart_) return;
  TCanvas3D& canvas = chart_->Canvas();
  canvas.BeginEntity(identifier_, nullptr, nullptr);
  scale_->RefreshDateTime();
  if (calcPosAxis) PosAxis = ApplyPosition(GetRectangleEdge(chart_->ChartRect), chart_->ChartRect);
  DrawTitle();
  GenerateLabels();
  FitLabels();
  if (labelsBehind_) DrawLabels();
  DrawTicksGrid();
  if (!labelsBehind_) {
    canvas.BeginEntity("Labels", nullptr, nullptr);
    DrawLabels();
    canvas.EndEntity();
  }
  canvas.EndEntity();
}

void ROvedeAxis::DrawWithoutBackGrid() {
  hideBackGrid_ = true;
  Draw(true);
  hideBackGrid_ = false;
}

void ROvedeAxis::DrawBackGrid() {
  if (!chart_) return;
  hideSideGrid_ = true;
  DrawGrids();
  hideSideGrid_ = false;
}

// Fixed items replace the generated labels.
void ROvedeAxis::GenerateLabels() {
  frameLabels_.Clear();
  if (items_.empty()) {
    TAxisLabelOptions options;
    options.LabelsVisible = labels_;
    options.GridDrawAlways = grid_->Visible() && grid_->DrawAlways();
    options.MinorGridVisible = minorGrid_->Visible();
    CalcAxisLabels(*scale_, options, frameLabels_);
    return;
  }
  for (const TAxisItem& item : items_) {
    const int pos = CalcPosValue(item.Value);
    frameLabels_.Ticks.push_back(pos);
    frameLabels_.Items.push_back({item.Value, pos, item.Text});
  }
}

void ROvedeAxis::DrawTitle() {
  if (!title_->Visible() || title_->Caption().empty()) return;
  TCanvas3D& canvas = chart_->Canvas();
  chart_->PrepareFont3D(title_->Font());
  canvas.SetBackMode(cbmTransparent);
  const int halfWidth = canvas.TextWidth(title_->Caption()) / 2;
  TAxisTitlePosition position = title_->Position();
  if (Inverted() && position != tpCenter) position = position == tpStart ? tpEnd : tpStart;
  int along = ICenterPos();
  const bool horizontal = horizontal_ && !IsDepthAxis();
  if (position == tpStart) along = horizontal ? IStartPos() + halfWidth : IEndPos() - halfWidth;
  if (position == tpEnd) along = horizontal ? IEndPos() - halfWidth : IStartPos() + halfWidth;
  const int angle = NormalAngle(title_->Angle());
  const int size = canvas.TextHeight("W");
  if (horizontal) {
    canvas.SetTextAlign(otherSide_ ? TA_CENTER | TA_BOTTOM : TA_CENTER);
    canvas.RotateLabel3D(along, PosTitle, IZPos, title_->Caption(), angle, false);
    return;
  }
  // Turned text has its top towards the chart's outside: the band lies beyond PosTitle.
  canvas.SetTextAlign(TA_CENTER);
  const int across = angle == 270 ? PosTitle + size : (angle == 90 ? PosTitle - size : PosTitle);
  canvas.RotateLabel3D(across, along, IZPos, title_->Caption(), angle, false);
}

void ROvedeAxis::DrawTicksGrid() {
  TCanvas3D& canvas = chart_->Canvas();
  canvas.Brush().SetStyle(bsClear);
  canvas.SetBackMode(cbmTransparent);
  IWallSize = chart_->AxisWallSize(*this);
  if (axisPen_->Visible()) {
    canvas.AssignVisiblePen(*axisPen_);
    DrawLineSegment(IStartPos(), IEndPos());
  }
  const std::vector<int>& ticks = frameLabels_.Ticks;
  if (tickLength_ != 0 && ticks_->Visible()) {
    canvas.BeginEntity("Ticks", nullptr, nullptr);
    canvas.AssignVisiblePen(*ticks_);
    DrawTicks(ticks, tickLength_, 1);
    canvas.EndEntity();
  }
  DrawGrids();
  if (tickInnerLength_ != 0 && ticksInner_->Visible()) {
    canvas.BeginEntity("InnerTicks", nullptr, nullptr);
    canvas.AssignVisiblePen(*ticksInner_);
    DrawTicks(ticks, -tickInnerLength_, -1);
    canvas.EndEntity();
  }
  if (minorTickLength_ != 0 && minorTicks_->Visible() && ticks.size() > 1) {
    canvas.BeginEntity("MinorTicks", nullptr, nullptr);
    canvas.AssignVisiblePen(*minorTicks_);
    DrawMinorTicks();
    canvas.EndEntity();
  }
}

int ROvedeAxis::DepthAxisY() const {
  if (otherSide_) return chart_->ChartRect.Bottom - IZPos;
  return chart_->ChartRect.Top - IZPos;
}

void ROvedeAxis::DrawLineSegment(int start, int end) {
  TCanvas3D& canvas = chart_->Canvas();
  const int w = IWallSize + axisPen_->Width() / 2;
  if (IsDepthAxis()) {
    if (chart_->View3D()) canvas.ZLine3D(PosAxis, DepthAxisY(), start, end);
  } else if (horizontal_) {
    canvas.HorizLine3D(start, end, otherSide_ ? PosAxis : PosAxis + w, IZPos);
  } else {
    canvas.VertLine3D(otherSide_ ? PosAxis + w : PosAxis - w, start, end, IZPos);
  }
}

// Length is outwards; inner ticks (sign -1) start at the axis line itself.
void ROvedeAxis::DrawTicks(const std::vector<int>& ticks, int length, int sign) {
  TCanvas3D& canvas = chart_->Canvas();
  const int penWidth = axisPen_->Visible() ? axisPen_->Width() : 0;
  for (const int pos : ticks) {
    if (IsDepthAxis()) {
      const int y = DepthAxisY();
      canvas.LineWithZ(PosAxis, y, otherSide_ ? PosAxis + length : PosAxis - length, y, pos);
    } else if (horizontal_) {
      const int base = sign < 0 ? PosAxis : (otherSide_ ? PosAxis - 1 : PosAxis + IWallSize + penWidth);
      canvas.VertLine3D(pos, otherSide_ ? base - length : base, otherSide_ ? base : base + length, IZPos);
    } else {
      const int base = sign < 0 ? PosAxis : (otherSide_ ? PosAxis + 1 + IWallSize : PosAxis - IWallSize - penWidth);
      canvas.HorizLine3D(otherSide_ ? base : base - length, otherSide_ ? base + length : base, pos, IZPos);
    }
  }
}

// The spacing of the first two ticks continues beyond the outermost ones while inside the axis.
void ROvedeAxis::DrawMinorTicks() {
  const std::vector<int>& ticks = frameLabels_.Ticks;
  const double spacing = (ticks[1] - ticks[0]) / double(minorTickCount_ + 1);
  if (spacing == 0) return;
  const int low = std::min(IStartPos(), IEndPos());
  const int high = std::max(IStartPos(), IEndPos());
  std::vector<int> marks;
  auto addFrom = [&](double from, double step) {
    for (int k = 1; k <= minorTickCount_; ++k) {
      const int pos = QuilRound(from + k * step);
      if (pos > low && pos < high) marks.push_back(pos);
    }
  };
  addFrom(ticks[0], -spacing);
  for (const int tick : ticks) addFrom(tick, spacing);
  DrawTicks(marks, minorTickLength_, 1);
}

void ROvedeAxis::DrawGrids() {
  if (OnDrawGrids) OnDrawGrids(*this);
  if (!grid_->Visible()) return;
  TCanvas3D& canvas = chart_->Canvas();
  canvas.BeginEntity("Grid", nullptr, nullptr);
  canvas.AssignVisiblePenColor(*grid_, grid_->Color() == clQuilColor ? TColor(0x808080) : grid_->Color());
  const std::vector<int>& ticks = frameLabels_.Ticks;
  const int every = std::max(1, grid_->DrawEvery());
  if (grid_->Centered()) {
    for (std::size_t i = 1; i < ticks.size(); ++i)
      if (i % every == 0) DrawGridLine(QuilRound((ticks[i] + ticks[i - 1]) / 2.0));
  } else {
    for (std::size_t i = 0; i < ticks.size(); ++i)
      if (i % every == 0) DrawGridLine(ticks[i]);
  }
  canvas.EndEntity();
}

void ROvedeAxis::DrawGridLine(int pos) {
  if (pos <= std::min(IStartPos(), IEndPos()) || pos >= std::max(IStartPos(), IEndPos())) return;
  TCanvas3D& canvas = chart_->Canvas();
  const TRect& r = chart_->ChartRect;
  if (IsDepthAxis()) {
    canvas.LineWithZ(r.Left, r.Top, r.Left, r.Bottom, pos);
    canvas.LineWithZ(r.Left, r.Bottom, r.Right, r.Bottom, pos);
    return;
  }
  const bool behind3D = chart_->View3D() && chart_->AxisBehind();
  const int depth = behind3D ? chart_->Width3D() : 0;
  if (!hideBackGrid_) {
    if (horizontal_)
      canvas.VertLine3D(pos, r.Top + 1, r.Bottom, depth);
    else
      canvas.HorizLine3D(r.Left + 1, r.Right, pos, depth);
  }
  if (!behind3D || hideSideGrid_) return;
  const int gridZ = QuilRound(grid_->ZPosition() * 0.01 * chart_->Width3D());
  if (gridZ == chart_->Width3D()) return;
  if (horizontal_)
    canvas.ZLine3D(pos, PosAxis, gridZ, chart_->Width3D());
  else
    canvas.ZLine3D(PosAxis, pos, gridZ, chart_->Width3D());
}

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
  const int angle = NormalAngle(LabelsAngle());
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

// Decides which labels are drawn, and with TickOnLabelsOnly which ticks remain. Fixed items and
// point labels lie unevenly, so each keeps clear of the last one kept; generated value and
// series labels lie evenly and are thinned to every n-th.
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
  const bool uneven = !items_.empty() || pointLabels;
  places = uneven ? GreedilyThinned(places, rows) : EvenlyThinned(places, rows);

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
  const int angle = NormalAngle(LabelsAngle());
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
