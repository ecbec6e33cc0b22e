#pragma once

#include <memory>
#include <string>

#include "engine/chart_element.h"
#include "engine/series_events.h"
#include "engine/series_legend.h"
#include "engine/series_types.h"

namespace quil {

// A chart element with a title and legend settings: the layer between chart elements and the
// series with points.
class TCustomChartSeries : public TCustomChartElement {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomChartSeries(TComponent* owner = nullptr);
  ~TCustomChartSeries() override;

  const std::string& Identifier() const { return identifier_; }
  void SetIdentifier(const std::string& value) { identifier_ = value; }
  TSeriesStyle Style() const { return style_; }
  void SetStyle(TSeriesStyle value) { style_ = value; }
  const std::string& Title() const { return title_; }
  // Stores, repaints and tells the chart's listeners (seChangeTitle).
  void SetTitle(const std::string& value);

  // Created on first use.
  TSeriesLegend& Legend();
  const TSeriesLegend* LegendOrNull() const { return legend_.get(); }
  void SetLegend(const TSeriesLegend& legend) { Legend().Assign(legend); }
  bool ShowInLegend() const { return !legend_ || legend_->Visible(); }
  void SetShowInLegend(bool value);
  const std::string& LegendTitle() const;
  void SetLegendTitle(const std::string& value);

  // Pixels the series needs beside its points on a horizontal or vertical axis: none here.
  virtual void CalcHorizMargins(int& leftMargin, int& rightMargin);
  virtual void CalcVerticalMargins(int& topMargin, int& bottomMargin);
  // Told before every frame while the series is active.
  virtual void DoBeforeDrawChart() {}

  void Assign(const TPersistent& source) override;
  // "Identifier" and "Style".
  void DefineProperties(TFiler& filer) override;

 protected:
  void ChartChanged() override;
  // The series kinds with points tell the chart's listeners; nothing at this level.
  virtual void BroadcastSeriesChange(ROvedeSeriesEvent) {}

 private:
  std::unique_ptr<TSeriesLegend> legend_;
  std::string identifier_;
  std::string title_;
  TSeriesStyle style_ = 0;
};

}  // namespace quil
