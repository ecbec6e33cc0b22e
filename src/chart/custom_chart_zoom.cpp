#include <cmath>

#include "chart/custom_chart.h"
#include "engine/rovede_axis.h"

namespace quil {

namespace {

// Zooming never gives an axis an end that is not a number or infinite: such a range is not
// taken and the axis keeps the one it has.
void SetFiniteMinMax(ROvedeAxis& axis, const TZoomRange& range) {
  if (std::isfinite(range.Min) && std::isfinite(range.Max)) axis.SetMinMax(range.Min, range.Max);
}

TZoomRange StepTowards(const ROvedeAxis& axis, const TZoomRange& target) {
  const double min = axis.Minimum();
  const double max = axis.Maximum();
  return {min + (target.Min - min) / AnimatedZoomFactor, max - (max - target.Max) / AnimatedZoomFactor};
}

// The values shown at the two ends of an axis, the low end's first for a normal axis.
TZoomRange ShownRange(const ROvedeAxis& axis) {
  if (axis.Horizontal()) return {axis.CalcPosPoint(axis.IStartPos()), axis.CalcPosPoint(axis.IEndPos())};
  return {axis.CalcPosPoint(axis.IEndPos()), axis.CalcPosPoint(axis.IStartPos())};
}

TZoomRange Narrowed(const TZoomRange& range, double percentZoom) {
  const double c = (range.Max - range.Min) * (percentZoom - 100) * 0.01;
  return {range.Min + c, range.Max - c};
}

}  // namespace

void TCustomChart::SaveScalesOnce() {
  if (!restoredAxisScales_) return;
  SaveScales(savedScales_);
  restoredAxisScales_ = false;
}

// Depth axes are saved too: the wheel scrolls them with the vertical axes, and an undo brings
// back everything the mouse changed.
void TCustomChart::SaveScales(TAllAxisSavedScales& scales) const {
  scales.assign(static_cast<std::size_t>(Axes().Count()), {});
  for (int i = 0; i < Axes().Count(); ++i) {
    const ROvedeAxis& axis = Axes()[i];
    scales[static_cast<std::size_t>(i)] = {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(),
                                           axis.Minimum(), axis.Maximum()};
  }
}

// Axes added since the scales were saved keep what they have; the ends go back whatever their
// order, as a stored form's would.
void TCustomChart::RestoreScales(TAllAxisSavedScales& scales) {
  const int count = std::min(Axes().Count(), static_cast<int>(scales.size()));
  for (int i = 0; i < count; ++i) {
    ROvedeAxis& axis = Axes()[i];
    const TAxisSavedScales& saved = scales[static_cast<std::size_t>(i)];
    axis.SetAutomatic(saved.Auto);
    axis.SetAutomaticMinimum(saved.AutoMin);
    axis.SetAutomaticMaximum(saved.AutoMax);
    axis.SetStoredMinimum(saved.Min);
    axis.SetStoredMaximum(saved.Max);
  }
  scales.clear();
}

void TCustomChart::ZoomRect(const TRect& rect) {
  TQuilZoom& zoom = Zoom();
  zoom.X0 = rect.Left;
  zoom.Y0 = rect.Top;
  zoom.X1 = rect.Right;
  zoom.Y1 = rect.Bottom;
  CalcZoomPoints();
}

// The mouse pixels are taken as they are, in 3D too: the rectangle is read on the axes' own
// pixel spans. Y1 is the lower edge, the minimum of a normal vertical axis.
void TCustomChart::CalcZoomPoints() {
  TQuilZoom& zoom = Zoom();
  zoom.Check();
  TZoomRanges ranges;
  ranges.Top = {TopAxis().CalcPosPoint(zoom.X0), TopAxis().CalcPosPoint(zoom.X1)};
  ranges.Bottom = {BottomAxis().CalcPosPoint(zoom.X0), BottomAxis().CalcPosPoint(zoom.X1)};
  ranges.Left = {LeftAxis().CalcPosPoint(zoom.Y1), LeftAxis().CalcPosPoint(zoom.Y0)};
  ranges.Right = {RightAxis().CalcPosPoint(zoom.Y1), RightAxis().CalcPosPoint(zoom.Y0)};
  DoZoom(ranges);
  if (zoom.History()) AddZoomSnapshot();
}

void TCustomChart::ZoomPercent(double percentZoom) {
  const TQuilZoomDirection direction = Zoom().Direction();
  const auto zoomed = [&](const ROvedeAxis& axis) {
    const bool changes = axis.Horizontal() ? direction != tzdVertical : direction != tzdHorizontal;
    const TZoomRange shown = ShownRange(axis);
    return changes ? Narrowed(shown, percentZoom) : shown;
  };
  DoZoom({zoomed(TopAxis()), zoomed(BottomAxis()), zoomed(LeftAxis()), zoomed(RightAxis())});
  Repaint();
}

void TCustomChart::DoZoom(const TZoomRanges& ranges) {
  SaveScalesOnce();
  const TQuilZoom& zoom = Zoom();
  if (zoom.Animated())
    for (int step = 1; step < zoom.AnimatedSteps(); ++step) AnimateZoomStep(ranges);
  if (zoom.Direction() != tzdHorizontal) {
    SetFiniteMinMax(LeftAxis(), ranges.Left);
    SetFiniteMinMax(RightAxis(), ranges.Right);
  }
  if (zoom.Direction() != tzdVertical) {
    SetFiniteMinMax(TopAxis(), ranges.Top);
    SetFiniteMinMax(BottomAxis(), ranges.Bottom);
  }
  SetZoomed(true);
  if (OnZoom) OnZoom(*this);
}

void TCustomChart::AnimateZoomStep(const TZoomRanges& ranges) {
  const TQuilZoomDirection direction = Zoom().Direction();
  if (direction != tzdHorizontal) {
    SetFiniteMinMax(LeftAxis(), StepTowards(LeftAxis(), ranges.Left));
    SetFiniteMinMax(RightAxis(), StepTowards(RightAxis(), ranges.Right));
  }
  if (direction != tzdVertical) {
    SetFiniteMinMax(TopAxis(), StepTowards(TopAxis(), ranges.Top));
    SetFiniteMinMax(BottomAxis(), StepTowards(BottomAxis(), ranges.Bottom));
  }
  Repaint();
}

void TCustomChart::AddZoomSnapshot() {
  TZoomSnapshot snapshot;
  const ROvedeAxis* sides[] = {&LeftAxis(), &TopAxis(), &RightAxis(), &BottomAxis()};
  for (int i = 0; i < 4; ++i) {
    snapshot.AxesMinMax[2 * i] = sides[i]->Minimum();
    snapshot.AxesMinMax[2 * i + 1] = sides[i]->Maximum();
  }
  for (int i = 0; i < Axes().Count(); ++i) {
    const ROvedeAxis& axis = Axes()[i];
    if (axis.IsStandard()) continue;
    snapshot.CustomMinMax.emplace_back(axis.Minimum(), axis.Maximum());
  }
  snapshot.CustomCount = static_cast<int>(snapshot.CustomMinMax.size());
  Zoom().AxesHistory().push_back(std::move(snapshot));
}

void TCustomChart::RemoveZoomSnapshot() {
  auto& history = Zoom().AxesHistory();
  if (!history.empty()) history.pop_back();
}

void TCustomChart::ZoomBackOne() {
  const auto& history = Zoom().AxesHistory();
  if (history.size() < 2) return;
  const TZoomSnapshot& previous = history[history.size() - 2];
  ROvedeAxis* sides[] = {&LeftAxis(), &TopAxis(), &RightAxis(), &BottomAxis()};
  for (int i = 0; i < 4; ++i)
    SetFiniteMinMax(*sides[i], {previous.AxesMinMax[2 * i], previous.AxesMinMax[2 * i + 1]});
}

void TCustomChart::UndoZoom() {
  TQuilZoom& zoom = Zoom();
  if (zoom.History() && zoom.AxesHistory().size() > 1) {
    ZoomBackOne();
    RemoveZoomSnapshot();
  } else {
    if (zoom.History()) RemoveZoomSnapshot();
    if (!restoredAxisScales_) {
      RestoreScales(savedScales_);
      restoredAxisScales_ = true;
    }
  }
  SetZoomed(false);
  TCustomAxisPanel::UndoZoom();
}

}  // namespace quil
