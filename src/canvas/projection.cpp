#include "canvas/projection.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "canvas/view3d_options.h"
#include "core/exceptions.h"
#include "core/rounding.h"

namespace quil {

namespace {

int CheckedAdd(int a, int b) {
  const int64_t sum = int64_t(a) + b;
  if (sum < std::numeric_limits<int>::min() || sum > std::numeric_limits<int>::max())
    throw ERangeError(QuilFormat("Value %s is out of the integer range", std::to_string(sum)));
  return static_cast<int>(sum);
}

// The middle of two coordinates, truncated toward zero; the sum may not fit an int.
int Middle(int a, int b) { return static_cast<int>((int64_t(a) + b) / 2); }

double AtLeastLimit(double v) { return v < MaxLimit ? MaxLimit : v; }

}  // namespace

void TProjection::InitView(const TView3DOptions* options, bool is3D) {
  Is3D = is3D;
  IsOrthogonal = false;
  IZoomFactor = 1;
  if (!is3D || !options) return;
  IsOrthogonal = options->Orthogonal();
  if (IsOrthogonal) {
    double a = options->OrthoAngle();
    if (a <= 90) {
      IOrthoX = 1;
    } else {
      IOrthoX = -1;
      a = 180 - a;
    }
    const double s = std::sin(a * QuilPiStep);
    const double c = std::cos(a * QuilPiStep);
    IOrthoY = c >= 0.01 ? s / c : 1;
  }
  CalcTrigValues(options);
}

void TProjection::CalcTrigValues(const TView3DOptions* options) {
  if (IsOrthogonal) return;
  double rx = 0, ry = 0;
  int rz = 0;
  if (options) {
    rx = -options->ElevationFloat();
    ry = -options->RotationFloat();
    rz = QuilRound(options->TiltFloat());
  }
  IHasPerspec = false;
  IZoomPerspec = 0;
  s1 = std::sin(rx * QuilPiStep);
  c1 = std::cos(rx * QuilPiStep);
  s2 = std::sin(ry * QuilPiStep);
  c2 = std::cos(ry * QuilPiStep);
  IHasTilt = rz != 0;
  s3 = std::sin(rz * QuilPiStep);
  c3 = std::cos(rz * QuilPiStep);
  c2s3 = c2 * s3;
  c2c3 = AtLeastLimit(c2 * c3);
  tempXX = AtLeastLimit(s1 * s2 * s3 + c1 * c3);
  tempYX = c3 * s1 * s2 - c1 * s3;
  tempXZ = c1 * s2 * s3 - c3 * s1;
  tempYZ = c1 * c3 * s2 + s1 * s3;
}

void TProjection::SetCentre(int maxDepth, const TRect& rect, const TView3DOptions* options) {
  XCenter = CheckedAdd(Middle(rect.Left, rect.Right), QuilRound(RotationCenter.x));
  YCenter = CheckedAdd(Middle(rect.Top, rect.Bottom), QuilRound(RotationCenter.y));
  ZCenter = QuilRound(maxDepth * 0.5 + RotationCenter.z);
  XCenterOffset = XCenter;
  YCenterOffset = YCenter;
  if (options) {
    XCenterOffset = CheckedAdd(XCenterOffset, options->HorizOffset());
    YCenterOffset = CheckedAdd(YCenterOffset, options->VertOffset());
  }
  if (Is3D && options) IZoomFactor = options->ZoomFloat() * 0.01;
  IHasPerspec = options && options->Perspective() > 0;
  if (IHasPerspec) {
    const int w = rect.Right - rect.Left;
    IZoomPerspec = options->Perspective() * IZoomFactor / 120.0 / (w > 0 ? w : 1);
  }
}

void TProjection::Calc3DPos(int& x, int& y, int z) const {
  if (IsOrthogonal) {
    const double dx = (double(x) - XCenter) + z * IOrthoX;
    const double dy = (double(y) - YCenter) - z * IOrthoY;
    x = CheckedAdd(QuilRound(dx * IZoomFactor), XCenterOffset);
    y = CheckedAdd(QuilRound(dy * IZoomFactor), YCenterOffset);
    return;
  }
  if (!Is3D) return;
  const double x0 = double(x) - XCenter;
  const double y0 = double(y) - YCenter;
  const double z0 = double(z) - ZCenter;
  const double g = z0 * c2 - x0 * s2;
  const double f = IHasPerspec ? IZoomFactor / ((g * c1 + y0 * s1) * IZoomPerspec + 1) : IZoomFactor;
  const double m = c2 * x0 + z0 * s2;
  if (IHasTilt) {
    const double h = c1 * y0 - g * s1;
    x = CheckedAdd(QuilRound(f * (m * c3 - h * s3)), XCenterOffset);
    y = CheckedAdd(QuilRound(f * (h * c3 + m * s3)), YCenterOffset);
  } else {
    x = CheckedAdd(QuilRound(f * m), XCenterOffset);
    y = CheckedAdd(QuilRound(f * (y0 * c1 - g * s1)), YCenterOffset);
  }
}

void TProjection::Calc3DPos(TPointFloat& p, float zPos) const {
  if (IsOrthogonal) {
    p.x = static_cast<float>(IZoomFactor * (p.x - XCenter + zPos * IOrthoX) + XCenterOffset);
    p.y = static_cast<float>((p.y - YCenter - zPos * IOrthoY) * IZoomFactor + YCenterOffset);
    return;
  }
  if (!Is3D) {
    p.x = static_cast<float>((p.x - XCenter) * IZoomFactor + XCenterOffset);
    p.y = static_cast<float>((p.y - YCenter) * IZoomFactor + YCenterOffset);
    return;
  }
  const float x0 = p.x - XCenter;
  const float y0 = p.y - YCenter;
  const float z0 = zPos - ZCenter;
  const float g = static_cast<float>(z0 * c2 - x0 * s2);
  const float f = static_cast<float>(IHasPerspec ? IZoomFactor / ((g * c1 + y0 * s1) * IZoomPerspec + 1) : IZoomFactor);
  const float m = static_cast<float>(c2 * x0 + z0 * s2);
  const float h = static_cast<float>(c1 * y0 - g * s1);
  p.x = static_cast<float>(f * (m * c3 - h * s3) + XCenterOffset);
  p.y = static_cast<float>(f * (h * c3 + m * s3) + YCenterOffset);
}

void TProjection::Calculate2DPosition(int& x, int& y, int z) const {
  if (IZoomFactor == 0) return;
  const double inv = 1 / IZoomFactor;
  if (IsOrthogonal) {
    x = CheckedAdd(QuilRound(inv * (double(x) - XCenterOffset) - z * IOrthoX), XCenter);
    y = CheckedAdd(QuilRound(inv * (double(y) - YCenterOffset) + z * IOrthoY), YCenter);
    return;
  }
  if (!Is3D || tempXX == 0 || c2c3 == 0) return;
  const double z0 = double(z) - ZCenter;
  const int x1 = x;
  x = CheckedAdd(QuilRound((inv * (double(x1) - XCenterOffset) - z0 * tempXZ - (double(y) - YCenter) * c2s3) / tempXX),
                 XCenter);
  y = CheckedAdd(QuilRound((inv * (double(y) - YCenterOffset) - z0 * tempYZ - (double(x1) - XCenter) * tempYX) / c2c3),
                 YCenter);
}

}  // namespace quil
