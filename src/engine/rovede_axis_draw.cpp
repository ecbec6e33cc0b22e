#include <algorithm>
#include <vector>

#include "canvas/canvas_types.h"
#include "core/rounding.h"
#include "engine/axis_mapping.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"

namespace quil {

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
  const int angle = NormalDegrees(title_->Angle());
  const int size = canvas.TextHeight("W");
  if (horizontal) {
    const int align = otherSide_ ? TA_CENTER | TA_BOTTOM : TA_CENTER;
    canvas.SetTextAlign(align);
    canvas.RotateLabel3D(along, PosTitle, IZPos, title_->Caption(), angle, false);
    PlaceTitleBounds(canvas.Calculate3DPosition(along, PosTitle, IZPos), halfWidth * 2, size, align, angle);
    return;
  }
  // Turned text has its top towards the chart's outside: the band lies beyond PosTitle.
  canvas.SetTextAlign(TA_CENTER);
  const int across = angle == 270 ? PosTitle + size : (angle == 90 ? PosTitle - size : PosTitle);
  canvas.RotateLabel3D(across, along, IZPos, title_->Caption(), angle, false);
  PlaceTitleBounds(canvas.Calculate3DPosition(across, along, IZPos), halfWidth * 2, size, TA_CENTER, angle);
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
    DrawTicks(ticks, QuilClampPixels(tickLength_), 1);
    canvas.EndEntity();
  }
  DrawGrids();
  if (tickInnerLength_ != 0 && ticksInner_->Visible()) {
    canvas.BeginEntity("InnerTicks", nullptr, nullptr);
    canvas.AssignVisiblePen(*ticksInner_);
    DrawTicks(ticks, -QuilClampPixels(tickInnerLength_), -1);
    canvas.EndEntity();
  }
  const bool minorTicks = minorTickLength_ != 0 && minorTicks_->Visible();
  if ((!minorTicks && !minorGrid_->Visible()) || ticks.size() < 2) return;
  const std::vector<int> minor = MinorTickPositions();
  if (minorTicks) {
    canvas.BeginEntity("MinorTicks", nullptr, nullptr);
    canvas.AssignVisiblePen(*minorTicks_);
    DrawTicks(minor, QuilClampPixels(minorTickLength_), 1);
    canvas.EndEntity();
  }
  if (minorGrid_->Visible()) {
    canvas.BeginEntity("MinorGrid", nullptr, nullptr);
    canvas.AssignVisiblePen(*minorGrid_);
    for (const int pos : minor) DrawGridLine(pos);
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

// MinorTickCount marks between neighbouring ticks. On a linear axis they are evenly spaced by
// the first two ticks' distance, and that spacing continues beyond the outermost ticks while
// inside the axis; on a logarithmic axis they split each interval's values evenly, so they
// crowd towards its upper end.
std::vector<int> ROvedeAxis::MinorTickPositions() const {
  const std::vector<int>& ticks = frameLabels_.Ticks;
  const int low = std::min(IStartPos(), IEndPos());
  const int high = std::max(IStartPos(), IEndPos());
  std::vector<int> marks;
  auto keep = [&](int pos) {
    if (pos > low && pos < high) marks.push_back(pos);
  };
  if (Logarithmic()) {
    for (std::size_t i = 1; i < ticks.size(); ++i) {
      const double from = CalcPosPoint(ticks[i - 1]), to = CalcPosPoint(ticks[i]);
      for (int k = 1; k <= minorTickCount_; ++k) keep(CalcPosValue(from + k * (to - from) / (minorTickCount_ + 1)));
    }
    return marks;
  }
  const double spacing = (ticks[1] - ticks[0]) / double(minorTickCount_ + 1);
  if (spacing == 0) return marks;
  auto addFrom = [&](double from, double step) {
    for (int k = 1; k <= minorTickCount_; ++k) keep(QuilRound(from + k * step));
  };
  addFrom(ticks[0], -spacing);
  for (const int tick : ticks) addFrom(tick, spacing);
  return marks;
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

}  // namespace quil
