#include "canvas/projection.h"

#include <gtest/gtest.h>

#include <cmath>

#include "canvas/view3d_options.h"
#include "core/exceptions.h"

namespace quil {
namespace {

// A chart rectangle whose centre is (200, 150) and depth 100 (centre depth 50).
constexpr TRect kChartRect{100, 50, 300, 250};
constexpr int kDepth = 100;

TProjection MakeProjection(const TView3DOptions& options, bool is3D = true) {
  TProjection p;
  p.InitView(&options, is3D);
  p.SetCentre(kDepth, kChartRect, &options);
  return p;
}

void SetRotatedView(TView3DOptions& o, double rotation, double elevation, int perspective, double zoom = 100) {
  o.SetOrthogonal(false);
  o.SetRotationFloat(rotation);
  o.SetElevationFloat(elevation);
  o.SetTiltFloat(0);
  o.SetPerspective(perspective);
  o.SetZoomFloat(zoom);
}

TEST(Projection, ObliqueDepthMovesByOrthoAngleAndZoom) {
  struct Case {
    int angle;
    double zoom;
    int dx, dy;  // screen shift of (x, y, 10) from (x, y, 0)
  };
  const Case cases[] = {
      {45, 100, 10, -10}, {45, 200, 20, -20}, {135, 100, -10, -10}, {90, 100, 10, -10}, {0, 100, 10, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "angle " << c.angle << " zoom " << c.zoom);
    TView3DOptions o;
    o.SetOrthoAngle(c.angle);
    o.SetZoomFloat(c.zoom);
    const TProjection p = MakeProjection(o);
    const TPoint front = p.Calc3DPoint(150, 120, 0);
    const TPoint deep = p.Calc3DPoint(150, 120, 10);
    EXPECT_EQ(deep.X - front.X, c.dx);
    EXPECT_EQ(deep.Y - front.Y, c.dy);
  }
}

TEST(Projection, OrthoAngleNinetyUsesUnitVerticalShift) {
  TView3DOptions o;
  o.SetOrthoAngle(90);
  const TProjection p = MakeProjection(o);
  EXPECT_DOUBLE_EQ(p.IOrthoY, 1.0);
  EXPECT_DOUBLE_EQ(p.IOrthoX, 1.0);
}

TEST(Projection, IdentityViewScalesAroundCentreAndIgnoresDepth) {
  for (double zoom : {100.0, 50.0, 250.0}) {
    SCOPED_TRACE(zoom);
    TView3DOptions o;
  SetRotatedView(o, 0, 0, 0, zoom);
    const TProjection p = MakeProjection(o);
    for (int z : {0, 37, 100}) {
      const TPoint q = p.Calc3DPoint(240, 110, z);
      EXPECT_EQ(q.X, 200 + std::lround(40 * zoom / 100));
      EXPECT_EQ(q.Y, 150 + std::lround(-40 * zoom / 100));
    }
  }
}

TEST(Projection, PerspectivePullsDeepPointsTowardTheCentre) {
  TView3DOptions o;
  SetRotatedView(o, 0, 0, 15);
  const TProjection p = MakeProjection(o);
  const TPoint nearPoint = p.Calc3DPoint(280, 220, 0);
  const TPoint farPoint = p.Calc3DPoint(280, 220, 100);
  EXPECT_LT(farPoint.X - 200, nearPoint.X - 200);
  EXPECT_LT(farPoint.Y - 150, nearPoint.Y - 150);
  EXPECT_GT(farPoint.X, 200);
}

TEST(Projection, DefaultRotatedViewMovesDeepPointsRightAndUp) {
  TView3DOptions o;
  SetRotatedView(o, 345, 345, 0);
  const TProjection p = MakeProjection(o);
  // 100 units behind the centre depth, at the centre of the chart rectangle.
  const TPoint q = p.Calc3DPoint(200, 150, 50 + 100);
  EXPECT_EQ(q.X - 200, 26);  // 100·sin 15° = 25.88
  EXPECT_EQ(q.Y - 150, -25);  // 100·cos 15°·sin 15° = 25.0
  TPointFloat f{200, 150};
  p.Calc3DPos(f, 150);
  EXPECT_NEAR(f.x - 200, 100 * std::sin(15 * QuilPiStep), 1e-3);
  EXPECT_NEAR(150 - f.y, 100 * std::cos(15 * QuilPiStep) * std::sin(15 * QuilPiStep), 1e-3);
}

TEST(Projection, InverseUndoesTheObliqueProjection) {
  for (double zoom : {100.0, 75.0, 180.0}) {
    TView3DOptions o;
    o.SetZoomFloat(zoom);
    o.SetHorizOffset(7);
    o.SetVertOffset(-4);
    const TProjection p = MakeProjection(o);
    for (TPoint3D pt : {TPoint3D{150, 120, 0}, TPoint3D{10, 300, 40}, TPoint3D{-20, 5, 99}}) {
      SCOPED_TRACE(testing::Message() << zoom << ": " << pt.X << "," << pt.Y << "," << pt.Z);
      int x = pt.X, y = pt.Y;
      p.Calc3DPos(x, y, pt.Z);
      p.Calculate2DPosition(x, y, pt.Z);
      EXPECT_NEAR(x, pt.X, 1);
      EXPECT_NEAR(y, pt.Y, 1);
    }
  }
}

TEST(Projection, WithoutThreeDTheIntFormIsIdentityButTheFloatFormAppliesOffsets) {
  TView3DOptions o;
  o.SetHorizOffset(12);
  o.SetVertOffset(-5);
  const TProjection p = MakeProjection(o, false);
  EXPECT_EQ(p.Calc3DPoint(123, 45, 60), (TPoint{123, 45}));
  TPointFloat f{123, 45};
  p.Calc3DPos(f, 60);
  EXPECT_FLOAT_EQ(f.x, 135);
  EXPECT_FLOAT_EQ(f.y, 40);
}

TEST(Projection, RoundsTiesToEven) {
  TView3DOptions o;
  o.SetZoomFloat(50);
  const TProjection p = MakeProjection(o);
  // (x - 200)·0.5 = 0.5, 1.5, -0.5, -1.5
  EXPECT_EQ(p.Calc3DPoint(201, 150, 0).X, 200);
  EXPECT_EQ(p.Calc3DPoint(203, 150, 0).X, 202);
  EXPECT_EQ(p.Calc3DPoint(199, 150, 0).X, 200);
  EXPECT_EQ(p.Calc3DPoint(197, 150, 0).X, 198);
}

TEST(Projection, ResultOutsideIntRangeRaisesInsteadOfWrapping) {
  TView3DOptions o;
  o.SetZoomFloat(1000);
  const TProjection p = MakeProjection(o);
  int x = 2000000000, y = 0;
  EXPECT_THROW(p.Calc3DPos(x, y, 0), ERangeError);
  TView3DOptions rotated;
  SetRotatedView(rotated, 30, 20, 0, 1000);
  const TProjection q = MakeProjection(rotated);
  x = 0;
  y = -2000000000;
  EXPECT_THROW(q.Calc3DPos(x, y, 0), ERangeError);
}

TEST(Projection, DegenerateViewsDoNotFail) {
  TView3DOptions zero;
  zero.SetZoomFloat(0);
  const TProjection p = MakeProjection(zero);
  EXPECT_EQ(p.Calc3DPoint(500, -300, 40), (TPoint{200, 150}));
  int x = 17, y = 23;
  p.Calculate2DPosition(x, y, 5);
  EXPECT_EQ(x, 17);
  EXPECT_EQ(y, 23);

  // Rotation 90 makes the cached cosine products vanish; they stay at the floor value.
  TView3DOptions edgeOn;
  SetRotatedView(edgeOn, 90, 0, 15);
  TProjection q;
  q.InitView(&edgeOn, true);
  q.SetCentre(kDepth, TRect{10, 10, 10, 10}, &edgeOn);
  EXPECT_GE(q.c2c3, MaxLimit);
  EXPECT_GE(q.tempXX, MaxLimit);
  EXPECT_NO_THROW(q.Calc3DPoint(10, 10, 0));
}

}  // namespace
}  // namespace quil
