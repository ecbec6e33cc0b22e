#pragma once

#include <vector>

#include "canvas/gdiplus_brush.h"
#include "canvas/gradient.h"

namespace quil {

// One stop of a gradient as the canvas reads it.
struct TGPGradientEntry {
  TColor Color = clBlack;
  double Offset = 0;
  int Transparency = 0;
};

// The gradient's stops: its colour list, or its start (and middle) and end colours when it has
// none yet. At most 256 are used, the capacity of the backend's blend tables.
std::vector<TGPGradientEntry> GradientEntries(const TCustomQuilGradient& gradient);

TGPLinearGradientMode GetLinearGradientDirection(TGradientDirection direction);
double GradientAngle(TGradientDirection direction);
// Whether the direction takes the first stop as the backend's first colour.
bool InvertedGradient(TGradientDirection direction);

struct TGPGradientEnds {
  TGPColor Color1 = 0;
  TGPColor Color2 = 0;
};

// The backend's first and second colour: the last and first stops, or the first and last for
// an inverted direction, each at the stop's transparency on top of opacity.
TGPGradientEnds GetGradientStartEnd(const std::vector<TGPGradientEntry>& entries, TGradientDirection direction,
                                    int opacity);
// All stops in the backend's order: as they are for an inverted direction, otherwise reversed
// with their positions mirrored (1 − offset).
TGPBlend GetColorBlend(const std::vector<TGPGradientEntry>& entries, TGradientDirection direction, int opacity);

}  // namespace quil
