#pragma once

#include "core/forms.h"
#include "data/surface_data.h"

namespace quil {

class TCustom3DSeries;

// The first 3D series of the window's first chart (Series1 of the main window), or none.
TCustom3DSeries* DataSeries(TForm& form);

// Sets the window up for looking at a person's own surface: the data series takes the data,
// without cell outlines when the grid is so dense that they would hide the colours, and a
// rotate tool on the middle button turns the view.
// Both programs show data through here, so the picture on screen and the snapshot agree.
// Raises EQuilError when the window has no chart with a 3D series.
void SetUpDataView(TForm& form, const TSurfaceData& data);

}  // namespace quil
