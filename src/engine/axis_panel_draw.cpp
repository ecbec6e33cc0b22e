#include <algorithm>
#include <exception>
#include <thread>

#include "canvas/view3d_options.h"
#include "engine/axis_panel.h"
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

}  // namespace

void TCustomAxisPanel::CalcInvertedRotation() {
  const TView3DOptions& view = View3DOptions();
  invertedRotation_ = View3D() && (view.Orthogonal() ? view.OrthoAngle() > 90 : view.Rotation() < 180);
}

void TCustomAxisPanel::InternalDraw(const TRect& userRect) {
  TRepaintPause pause(*this);
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
  if (DepthAxisInverted()) return;
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

void TCustomAxisPanel::DrawSeries(ROvedeSeries& series) {
  series.CalcFirstLastVisibleIndex();
  if (series.FirstVisibleIndex() == -1) return;
  const bool clip = series.UseAxis() && clipPoints_ && CanClip();
  if (clip) Canvas().ClipCube({ChartRect.Left, ChartRect.Top - 1, ChartRect.Right, ChartRect.Bottom + 1}, 0, Width3D());
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
