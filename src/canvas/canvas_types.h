#pragma once

#include <numbers>
#include <vector>

#include "core/color.h"
#include "core/geometry.h"

namespace quil {

// Ordinals 1 and 2 are the backend's own background-mix codes (transparent, opaque).
enum TCanvasBackMode { cbmNone, cbmTransparent, cbmOpaque };

enum TCanvasZoomText { ztManual, ztNo, ztAuto };

enum TCanvas3DPlane { cpX, cpY, cpZ };

enum TCanvasStretchQuality { sqHigh, sqLow };

enum TEdgeStyle { edFlat, edCurved, edNone };

enum TQuilCanvasSurfaceStyle { tcsSolid, tcsWire, tcsDot };

// Text alignment is an int bit set with the backend's values.
inline constexpr int TA_LEFT = 0;
inline constexpr int TA_RIGHT = 2;
inline constexpr int TA_CENTER = 6;
inline constexpr int TA_TOP = 0;
inline constexpr int TA_BOTTOM = 8;
inline constexpr int TA_BASELINE = 24;

// The horizontal part of a text alignment value: its low three bits. (Subtracting 8 from
// values above 7 would leave baseline-centre, 30, as 22, which reads as left.)
inline int HorizontalTextAlign(int align) { return align & 7; }
// The vertical part: TA_TOP, TA_BOTTOM or TA_BASELINE.
inline int VerticalTextAlign(int align) { return align & TA_BASELINE; }

using TTrianglePoints3D = TPoint3D[3];
using TTriangleColors3D = TColor[3];
using TCirclePoints = std::vector<TPointFloat>;

struct TFloatPoint3D {
  double x = 0;
  double y = 0;
  double z = 0;
};

inline constexpr double QuilPiStep = std::numbers::pi / 180.0;
inline constexpr int DarkColorQuantity = 64;
inline constexpr int DarkerColorQuantity = 128;
inline constexpr double MaxLimit = 1e-5;

// Process-wide drawing options; the user-interface thread is their only reader and writer.
extern int NumCirclePoints;
extern int QuilFontAntiAlias;
extern int QuilNumCylinderSides;
extern int QuilDefaultConePercent;
extern int QuilCheckBoxSize;
extern bool QuilCheckPenWidth;

}  // namespace quil
