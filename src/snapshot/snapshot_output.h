#pragma once

#include <string>

#include "core/control.h"

namespace quil {

// Fails (EQuilError) when fileName cannot be written, before anything is drawn for it.
void CheckSnapshotOutput(const std::string& fileName);

// Draws the chart at width x height and writes the picture to fileName: the one place that
// decides how a picture becomes a file.
void WriteChartPicture(TControl& chart, int width, int height, const std::string& fileName);

}  // namespace quil
