#include "canvas/canvas3d.h"
#include "chart/custom_chart.h"

namespace quil {

namespace {

const char* const kTitleEntities[] = {"Title", "Subtitle", "Foot", "Subfoot"};

}  // namespace

// Titles placed automatically go before the series and take their room from the chart
// rectangle; titles the user placed go over the series and leave it alone.
void TCustomChart::DrawTitles(bool customPositioned) {
  bool entityOpen = false;
  for (int i = 0; i < 4; ++i) {
    ROvedeTitle* title = titles_[static_cast<std::size_t>(i)].get();
    if (!title || !title->ShouldDraw() || title->CustomPosition() != customPositioned) continue;
    if (!entityOpen) Canvas().BeginEntity("Titles", nullptr, nullptr);
    entityOpen = true;
    Canvas().BeginEntity(kTitleEntities[i], nullptr, nullptr);
    title->DrawTitle(*this);
    Canvas().EndEntity();
  }
  if (entityOpen) Canvas().EndEntity();
}

// A vertical legend takes its width before the titles are centred on what is left; a horizontal
// one goes below (or above) the titles.
void TCustomChart::LayOutLegendAndTitles() {
  ROvedeLegend& legend = *legend_;
  if (!legend.ShouldDraw()) {
    legend.ClearLayout();
    DrawTitles(false);
    return;
  }
  if (legend.Vertical()) {
    legend.CalcRect();
    if (legend.DrawBehind()) legend.DrawLegend();
    DrawTitles(false);
  } else {
    DrawTitles(false);
    legend.CalcRect();
    if (legend.DrawBehind()) legend.DrawLegend();
  }
}

void TCustomChart::DrawTitlesAndLegend(bool beforeSeries) {
  Canvas().FrontPlaneBegin();
  if (beforeSeries) {
    LayOutLegendAndTitles();
  } else {
    if (legend_->ShouldDraw() && !legend_->DrawBehind()) legend_->DrawLegend();
    DrawTitles(true);
  }
  Canvas().FrontPlaneEnd();
  if (!beforeSeries && !Canvas().GetSupportsFullRotation() && ActiveSeriesUseAxis() && View3D())
    DrawWallsAfterSeries();
}

}  // namespace quil
