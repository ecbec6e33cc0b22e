#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "chart/rovede.h"
#include "engine/series.h"
#include "panel/headless_host.h"

namespace quil::testing {

// prefix followed by the number (appended in place: GCC 12 warns falsely about "text" + string).
inline std::string Numbered(std::string prefix, int number) {
  prefix.append(std::to_string(number));
  return prefix;
}

// A series whose legend rows are not its points, as a palette series offers them: Items rows
// listed from the last entry down, each with its own colour and text, drawn backwards.
class TEntriesSeries : public ROvedeSeries {
 public:
  std::vector<TColor> Colors;
  bool Backwards = false;

  int CountLegendItems() const override { return static_cast<int>(Colors.size()); }
  int CalcLegendIndex(int legendIndex) const override { return static_cast<int>(Colors.size()) - 1 - legendIndex; }
  std::string LegendString(int legendIndex, TLegendTextStyle) const override {
    return Numbered("entry", CalcLegendIndex(legendIndex));
  }
  TColor LegendItemColor(int index) const override { return Colors.at(static_cast<std::size_t>(index)); }
  bool InvertedLegend() const override { return Backwards; }
};

// A 913 x 705 chart (the main window's size) on a headless host, with series the test adds.
// Series are declared after the chart, so they leave it before it goes.
class LegendTest : public ::testing::Test {
 protected:
  LegendTest() {
    chart.SetBounds(0, 0, 913, 705);
    chart.SetView3D(false);
    host = std::make_unique<THeadlessHost>(chart);
  }

  template <class T = ROvedeSeries>
  T& AddSeries(const std::string& name, int points, TColor color) {
    auto created = std::make_unique<T>();
    T& s = *created;
    s.SetName(name);
    s.SetSeriesColor(color);
    for (int i = 0; i < points; ++i) s.Add(10 + i, Numbered("P", i));
    s.SetParenrOvede(&chart);
    series.push_back(std::move(created));
    return s;
  }

  // The chart rectangle the panel margins leave on the 913 x 705 chart, with a prepared
  // canvas, so that the legend's own steps can be called alone.
  void PrepareMarginRect() {
    host->Render();
    chart.ChartRect = {28, 29, 885, 676};
    chart.ReCalcWidthHeight();
  }

  ROvedeLegend& Legend() { return chart.Legend(); }

  ROvede chart;
  std::unique_ptr<THeadlessHost> host;
  std::vector<std::unique_ptr<ROvedeSeries>> series;
};

inline std::string OutputPath(const std::string& name) {
  const std::string dir = QUIL_TEST_OUTPUT_DIR;
  std::filesystem::create_directories(dir);
  return dir + "/" + name;
}

}  // namespace quil::testing
