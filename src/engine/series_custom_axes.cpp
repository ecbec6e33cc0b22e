#include <array>

#include "core/filer.h"
#include "core/reader.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"

namespace quil {

// A custom axis is stored as its index in the chart's CustomAxes, and only while the series
// draws against it.
void ROvedeSeries::DefineCustomAxes(TFiler& filer) {
  const TCustomAxisPanel* chart = ParenrOvede();
  auto indexOf = [chart](const ROvedeAxis* axis, bool chosen) {
    return chart && axis && chosen ? chart->CustomAxes().IndexOf(axis) : -1;
  };
  const std::array<int, 2> stored{indexOf(customHorizAxis_, horizAxis_ == aCustomHorizAxis),
                                  indexOf(customVertAxis_, vertAxis_ == aCustomVertAxis)};
  const std::array<const char*, 2> names{"CustomHorizAxis", "CustomVertAxis"};
  for (std::size_t i = 0; i < 2; ++i) {
    const int index = stored[i];
    const bool horizontal = i == 0;
    filer.DefineProperty(
        names[i], [this, horizontal](TReader& reader) { ReadCustomAxis(horizontal, reader.ReadInteger()); },
        [index](TWriter& writer) { writer.WriteInteger(index); }, index >= 0);
  }
}

// The chart may not be known yet while the series is read; the index then waits for Loaded.
void ROvedeSeries::ReadCustomAxis(bool horizontal, int index) {
  (horizontal ? storedCustomHorizAxis_ : storedCustomVertAxis_) = index;
  ResolveStoredCustomAxes();
}

// An index that names no custom axis of the chart is dropped: the series then draws against
// the standard axis its choice falls back to.
void ROvedeSeries::ResolveStoredCustomAxes() {
  TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return;
  auto resolve = [chart](int& index) -> ROvedeAxis* {
    const int stored = index;
    index = -1;
    return stored >= 0 && stored < chart->CustomAxes().Count() ? &chart->CustomAxes()[stored] : nullptr;
  };
  if (storedCustomHorizAxis_ >= 0)
    if (ROvedeAxis* axis = resolve(storedCustomHorizAxis_)) SetCustomHorizAxis(axis);
  if (storedCustomVertAxis_ >= 0)
    if (ROvedeAxis* axis = resolve(storedCustomVertAxis_)) SetCustomVertAxis(axis);
}

void ROvedeSeries::Loaded() {
  TCustomChartSeries::Loaded();
  ResolveStoredCustomAxes();
}

}  // namespace quil
