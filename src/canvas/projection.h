#pragma once

#include "canvas/canvas_types.h"
#include "core/geometry.h"

namespace quil {

class TView3DOptions;

// The projection of one paint: chart space (x right, y down, z into the screen) to window
// pixels. Everything here is computed once per paint so that projecting a point costs a few
// multiplications and no trigonometry.
struct TProjection {
  // Sines and cosines of -Elevation, -Rotation and Tilt, and products of them.
  double s1 = 0, s2 = 0, s3 = 0, c1 = 1, c2 = 1, c3 = 1;
  double c2s3 = 0, c2c3 = 1, tempXX = 1, tempYX = 0, tempXZ = 0, tempYZ = 0;
  bool IHasPerspec = false;
  bool IHasTilt = false;
  double IOrthoX = 1;
  double IOrthoY = 1;
  double IZoomPerspec = 0;
  double IZoomFactor = 1;
  bool Is3D = false;
  bool IsOrthogonal = false;
  int XCenter = 0, YCenter = 0, ZCenter = 0;
  int XCenterOffset = 0, YCenterOffset = 0;
  TFloatPoint3D RotationCenter;

  // Per-paint set-up of the view: 3D on or off, the oblique offsets and the trigonometric cache.
  void InitView(const TView3DOptions* options, bool is3D);
  void CalcTrigValues(const TView3DOptions* options);
  // Fixes the centre of rotation for the chart rectangle and the total depth.
  void SetCentre(int maxDepth, const TRect& rect, const TView3DOptions* options);

  // Raises ERangeError when a result does not fit an int.
  void Calc3DPos(int& x, int& y, int z) const;
  TPoint Calc3DPoint(int x, int y, int z) const {
    Calc3DPos(x, y, z);
    return {x, y};
  }
  void Calc3DPos(TPointFloat& p, float zPos) const;
  // Screen point back to chart space at depth z; exact only in the oblique view.
  void Calculate2DPosition(int& x, int& y, int z) const;
};

}  // namespace quil
