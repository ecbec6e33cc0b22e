#include <algorithm>
#include <exception>
#include <thread>

#include "canvas/view3d_options.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"

namespace quil {

namespace {

std::vector<ROvedeSeries*> ActiveSeries(const ROvedeSeriesList& list) {
  std::vector<ROvedeSeries*> active;
  for (ROvedeSeries* series : list.Items())
    if (series->Active()) active.push_back(series);
  return active;
}

// Brings AutoRepaint back however the frame ends.
class TRepaintPause {
 public:
  explicit TRepaintPause(TCustomQuilPanel& panel) : panel_(panel), saved_(panel.AutoRepaint()) {
    panel_.SetAutoRepaint(false);
  }
  ~TRepaintPause() { panel_.SetAutoRepaint(saved_); }
  TRepaintPause(const TRepaintPause&) = delete;
  TRepaintPause& operator=(const TRepaintPause&) = delete;

 private:
  TCustomQuilPanel& panel_;
  bool saved_;
};

// Brackets one drawing for every axis of the chart, however the drawing ends; the axes are
// looked up again at the end, as handlers may have added or removed some.
class TAxesDrawing {
 public:
  explicit TAxesDrawing(ROvedeAxes& axes) : axes_(axes) {
    for (int i = 0; i < axes_.Count(); ++i) axes_[i].BeginDrawing();
  }
  ~TAxesDrawing() {
    for (int i = 0; i < axes_.Count(); ++i) axes_[i].EndDrawing();
  }
  TAxesDrawing(const TAxesDrawing&) = delete;
  TAxesDrawing& operator=(const TAxesDrawing&) = delete;

 private:
  ROvedeAxes& axes_;
};

}  // namespace

void TCustomAxisPanel::CalcInvertedRotation() {
  const TView3DOptions& view = View3DOptions();
  invertedRotation_ = View3D() && (view.Orthogonal() ? view.OrthoAngle() > 90 : view.Rotation() < 180);
}

void TCustomAxisPanel::InternalDraw(const TRect& userRect) {
  TRepaintPause pause(*this);
  TAxesDrawing axesDrawing(axes_);
  CalcInvertedRotation();
  const bool fullRotation = Canvas().GetSupportsFullRotation();
  if (!fullRotation) PanelPaint(userRect);
  BroadcastToolEvent(cteBeforeDraw);
  DoOnBeforeDrawChart();
  for (ROvedeSeries* series : ActiveSeries(seriesList_)) series->DoBeforeDrawChart();
  if (fullRotation) {
    SetSeriesZOrder();
    CalcWallsRect();
  }
  if (!IsEmbedded) {
    if (fullRotation) {
      Canvas().Projection(Width3D(), ChartBounds(), ChartRect);
      PanelPaint(userRect);
    }
    DrawTitlesAndLegend(true);
  }
  if (!fullRotation) {
    SetSeriesZOrder();
    CalcWallsRect();
  }
  for (ROvedeSeries* series : ActiveSeries(seriesList_)) series->BeforeCalcAxis();
  CalcAxisRect();
  SetSeriesZPositions();
  CalcSeriesRect();
  if (!IsEmbedded && !fullRotation) Canvas().Projection(Width3D(), ChartBounds(), ChartRect);
  DrawAxesSeries();
  DrawTitlesAndLegend(false);
  DrawZoomRectangleInFrame();
  BroadcastToolEvent(cteAfterDraw);
  Canvas().ResetState();
  DoOnAfterDraw();
}

void TCustomAxisPanel::SetSeriesZOrder() {
  maxZOrder_ = 0;
  const bool applyZ = ApplyZOrder() && View3D();
  std::vector<ROvedeSeries*> slotted;
  for (ROvedeSeries* series : ActiveSeries(seriesList_))
    if (!series->InternalUse()) slotted.push_back(series);
  if (applyZ) {
    maxZOrder_ = -1;
    for (ROvedeSeries* series : slotted) series->CalcZOrder();
  }
  // An inverted depth axis keeps the slots CalcZOrder gave (the first series in front); a flat
  // chart has one slot whatever the axis says, so nothing from an earlier 3D frame lingers.
  if (applyZ && DepthAxisInverted()) return;
  for (ROvedeSeries* series : slotted) series->SetIZOrder(applyZ ? maxZOrder_ - series->ZOrder() : 0);
}

void TCustomAxisPanel::SetSeriesZPositions() {
  for (ROvedeSeries* series : ActiveSeries(seriesList_)) series->CalcDepthPositions();
}

bool TCustomAxisPanel::DrawSeriesAscending() {
  const bool inverted = DepthAxisInverted();
  const int rotation = View3DOptions().Rotation();
  if (View3D() && !Canvas().GetSupportsFullRotation() && rotation > 89 && rotation < 270) return inverted;
  return !inverted;
}

void TCustomAxisPanel::DrawAxesSeries() {
  DrawWalls();
  if (axisBehind_) {
    BroadcastToolEvent(cteBeforeDrawAxes);
    DrawAllAxis();
  }
  BroadcastToolEvent(cteBeforeDrawSeries);
  preparedInParallel_.clear();
  if (parallelThreads_ > 1) PrepareSeriesInParallel();
  DoOnBeforeDrawSeries();
  DrawAllSeries();
  preparedInParallel_.clear();
  BroadcastToolEvent(cteAfterDrawSeries);
  if (!axisBehind_) {
    BroadcastToolEvent(cteBeforeDrawAxes);
    DrawAllAxis();
  }
}

void TCustomAxisPanel::DrawAllAxis() {
  if (!axisVisible_) return;
  Canvas().BeginEntity("Axes", nullptr, nullptr);
  DoOnBeforeDrawAxes();
  DrawAxes();
  Canvas().EndEntity();
}

// One series per task on at most ParallelThreads threads; every task ends before drawing
// starts, and the first failure is raised here.
void TCustomAxisPanel::PrepareSeriesInParallel() {
  std::vector<ROvedeSeries*> work;
  for (ROvedeSeries* series : ActiveSeries(seriesList_))
    if (series->CanBeforeParallel()) work.push_back(series);
  if (work.empty()) return;
  const std::size_t threads = std::min<std::size_t>(static_cast<std::size_t>(parallelThreads_), work.size());
  std::vector<std::exception_ptr> failures(threads);
  std::vector<std::thread> pool;
  for (std::size_t t = 0; t < threads; ++t)
    pool.emplace_back([&, t] {
      try {
        for (std::size_t i = t; i < work.size(); i += threads) work[i]->DoBeforeParallel();
      } catch (...) {
        failures[t] = std::current_exception();
      }
    });
  for (std::thread& thread : pool) thread.join();
  for (const std::exception_ptr& failure : failures)
    if (failure) std::rethrow_exception(failure);
  preparedInParallel_.assign(work.begin(), work.end());
}

bool TCustomAxisPanel::PreparedInParallel(const ROvedeSeries& series) const {
  return std::find(preparedInParallel_.begin(), preparedInParallel_.end(), &series) != preparedInParallel_.end();
}

void TCustomAxisPanel::DrawAllSeries() {
  Canvas().BeginEntity("Series", nullptr, nullptr);
  std::vector<ROvedeSeries*> order = seriesList_.Items();
  if (!order.empty() && !Canvas().GetSupportsFullRotation() && !DrawSeriesAscending())
    std::reverse(order.begin(), order.end());
  for (ROvedeSeries* series : order)
    if (series->Active()) DrawSeries(*series);
  for (ROvedeSeries* series : order) {
    const TSeriesMarks* marks = series->MarksOrNull();
    if (!series->Active() || !marks || !marks->Visible() || !marks->OnTop()) continue;
    Canvas().BeginEntity(SeriesNameOrIndex(*series) + "_Top", nullptr, nullptr);
    series->DrawMarks();
    Canvas().EndEntity();
  }
  Canvas().EndEntity();
}

void TCustomAxisPanel::ClipSeries() {
  Canvas().ClipCube({ChartRect.Left, ChartRect.Top - 1, ChartRect.Right, ChartRect.Bottom + 1}, 0, Width3D());
}

void TCustomAxisPanel::DrawPoint(ROvedeSeries& series, int index) {
  if (OnDrawValue)
    OnDrawValue(series, index);
  else
    series.DrawValue(index);
}

void TCustomAxisPanel::DrawSeries(ROvedeSeries& series) {
  if (!Canvas().GetSupportsFullRotation() && View3D() && series.MoreSameZOrder()) {
    if (series.FirstInZOrder()) DrawSharedSlot(series);
    return;
  }
  series.CalcFirstLastVisibleIndex();
  if (series.FirstVisibleIndex() == -1) return;
  const bool clip = series.UseAxis() && clipPoints_ && CanClip();
  if (clip) ClipSeries();
  Canvas().BeginEntity(SeriesNameOrIndex(series), nullptr, nullptr);
  series.DoBeforeDrawValues();
  if (!PreparedInParallel(series)) series.DoBeforeParallel();
  series.DrawAllValues();
  if (clip) Canvas().UnClipRectangle();
  const TSeriesMarks* marks = series.MarksOrNull();
  if (!(marks && marks->OnTop())) series.DrawMarks();
  series.DoAfterDrawValues();
  Canvas().EndEntity();
}

// Point by point over the merged visible range, every series of the slot draws its point, so
// their shapes interleave at one depth. Only series with points in view are told before and
// after, so the tools hear the two stages in pairs.
void TCustomAxisPanel::DrawSharedSlot(ROvedeSeries& first) {
  std::vector<ROvedeSeries*> slot;
  for (int i = seriesList_.IndexOf(&first); i < SeriesCount(); ++i) {
    ROvedeSeries& series = Series(i);
    if (!series.Active() || series.ZOrder() != first.ZOrder()) continue;
    series.CalcFirstLastVisibleIndex();
    if (series.FirstVisibleIndex() != -1) slot.push_back(&series);
  }
  if (slot.empty()) return;
  int from = slot.front()->FirstVisibleIndex();
  int to = slot.front()->LastVisibleIndex();
  for (ROvedeSeries* series : slot) {
    from = std::min(from, series->FirstVisibleIndex());
    to = std::max(to, series->LastVisibleIndex());
    series->DoBeforeDrawValues();
  }
  if (clipPoints_ && CanClip()) ClipSeries();
  const auto drawIndex = [&](int index) {
    const bool forward = first.DrawSeriesForward(index);
    for (std::size_t k = 0; k < slot.size(); ++k) {
      ROvedeSeries& series = *slot[forward ? k : slot.size() - 1 - k];
      if (index < series.Count() && !series.HasZValues()) DrawPoint(series, index);
    }
  };
  if (auto order = first.SortDrawPoints(from, to, true)) {
    for (int index : *order) drawIndex(index);
  } else if (first.DrawValuesForward()) {
    for (int index = from; index <= to; ++index) drawIndex(index);
  } else {
    for (int index = to; index >= from; --index) drawIndex(index);
  }
  if (clipPoints_ && CanClip()) Canvas().UnClipRectangle();
  for (ROvedeSeries* series : slot) {
    const TSeriesMarks* marks = series->MarksOrNull();
    if (!(marks && marks->OnTop())) series->DrawMarks();
    series->DoAfterDrawValues();
  }
}

void TCustomAxisPanel::DoOnAfterDraw() {
  if (OnAfterDraw) OnAfterDraw(*this);
}

void TCustomAxisPanel::DoOnBeforeDrawAxes() {
  if (OnBeforeDrawAxes) OnBeforeDrawAxes(*this);
}

void TCustomAxisPanel::DoOnBeforeDrawChart() {
  if (OnBeforeDrawChart) OnBeforeDrawChart(*this);
}

void TCustomAxisPanel::DoOnBeforeDrawSeries() {
  if (OnBeforeDrawSeries) OnBeforeDrawSeries(*this);
}

}  // namespace quil
