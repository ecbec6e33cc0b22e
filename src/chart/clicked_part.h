#pragma once

#include <cstdint>

namespace quil {

class ROvedeAxis;
class ROvedeSeries;

// Which part of a chart lies under a point.
enum ROvedeClickedPartStyle : uint8_t {
  cpNone,
  cpLegend,
  cpAxis,
  cpSeries,
  cpTitle,
  cpFoot,
  cpChartRect,
  cpSeriesMarks,
  cpSeriesPointer,
  cpSubTitle,
  cpSubFoot,
  cpAxisTitle,
};

// The part under a point: its kind, the point, mark or legend item (-1 when none), and the
// series or axis it belongs to.
struct ROvedeClickedPart {
  ROvedeClickedPartStyle Part = cpNone;
  int PointIndex = -1;
  ROvedeSeries* ASeries = nullptr;
  ROvedeAxis* AAxis = nullptr;
};

}  // namespace quil
