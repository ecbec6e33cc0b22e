#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_path.h"

namespace quil {
namespace {

void ExpectRect(const TGPRect& r, double x, double y, double w, double h, double tolerance = 0.01) {
  EXPECT_NEAR(r.X, x, tolerance);
  EXPECT_NEAR(r.Y, y, tolerance);
  EXPECT_NEAR(r.Width, w, tolerance);
  EXPECT_NEAR(r.Height, h, tolerance);
}

TEST(GDIPlusPath, EllipseAndArcsKeepToTheCurve) {
  TGPPath ellipse;
  ellipse.AddEllipse({10, 20, 100, 50});
  ExpectRect(ellipse.Bounds(), 10, 20, 100, 50, 0.05);
  EXPECT_EQ(ellipse.Types().front(), pptStart);
  EXPECT_TRUE(ellipse.Types().back() & pptCloseSubpath);

  // A quarter from 0° clockwise on screen ends at the bottom of the ellipse.
  TGPPath arc;
  arc.AddArc({0, 0, 100, 100}, 0, 90);
  EXPECT_NEAR(arc.Points().front().x, 100, 1e-3);
  EXPECT_NEAR(arc.Points().front().y, 50, 1e-3);
  EXPECT_NEAR(arc.LastPoint().x, 50, 1e-3);
  EXPECT_NEAR(arc.LastPoint().y, 100, 1e-3);
  // Angles are seen from the centre: 45° on a flat ellipse lies on the diagonal through it.
  TGPPath flat;
  flat.AddArc({0, 0, 200, 100}, 0, 45);
  const TPointFloat end = flat.LastPoint();
  EXPECT_NEAR(end.x - 100, end.y - 50, 1e-3);
}

TEST(GDIPlusPath, ConsecutiveFiguresJoinUntilClosed) {
  TGPPath path;
  path.AddLine(0, 0, 10, 0);
  path.AddLine(10, 10, 20, 10);  // joined to the open figure by a line
  EXPECT_EQ(path.Types(), (std::vector<uint8_t>{pptStart, pptLine, pptLine, pptLine}));
  path.CloseFigure();
  path.AddLine(50, 50, 60, 60);  // a new figure
  EXPECT_EQ(path.Types()[4], pptStart);
  EXPECT_EQ(path.Flatten().size(), 2u);
}

TEST(GDIPlusPath, CardinalSplinePassesThroughItsPoints) {
  const TPointFloat p[4] = {{0, 0}, {50, 40}, {100, 0}, {150, 40}};
  TGPPath path;
  path.AddCurve(p, 4, 0.5f);
  std::vector<TPointFloat> ends;
  for (std::size_t i = 0; i < path.Points().size(); ++i)
    if (path.Types()[i] == pptStart || (i % 3 == 0)) ends.push_back(path.Points()[i]);
  ASSERT_EQ(ends.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ends[static_cast<std::size_t>(i)], p[i]);
  // Tension 0 makes each piece straight: its controls lie on the chord.
  TGPPath straight;
  straight.AddCurve(p, 4, 0);
  EXPECT_EQ(straight.Points()[1], p[0]);
  EXPECT_EQ(straight.Points()[2], p[1]);
}

TEST(GDIPlusPath, PointsWithBrokenTypesStillMakeAPath) {
  const std::vector<TPointFloat> points{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const TGPPath bad = TGPPath::FromPoints(points, {pptBezier, pptBezier, 9, pptLine | pptCloseSubpath});
  EXPECT_EQ(bad.PointCount(), 4);
  EXPECT_EQ(bad.Types().front(), pptStart);
  const TGPPath none = TGPPath::FromPoints(points, {});
  EXPECT_EQ(none.Types(), (std::vector<uint8_t>{pptStart, pptLine, pptLine, pptLine}));
  const TGPPath round = TGPPath::FromPoints(bad.Points(), bad.Types());
  EXPECT_EQ(round.Types(), bad.Types());
  EXPECT_EQ(TGPPath().Bounds(), TGPRect{});
}

TEST(GDIPlusPath, RoundRectCornersAreEvenAndCut) {
  // X = 1 rounds to a corner width of 1: the outline hugs the rectangle.
  ExpectRect(TGDIPlusCanvas::RoundRectPath({10, 10, 50, 30}, 1, 1).Bounds(), 10, 10, 40, 20);
  // Corner sizes beyond the rectangle are cut to it: the path becomes its inscribed ellipse.
  const TGPPath big = TGDIPlusCanvas::RoundRectPath({0, 0, 40, 20}, 100, 100);
  ExpectRect(big.Bounds(), 0, 0, 40, 20);
  const TGPPath ellipse = [] {
    TGPPath e;
    e.AddEllipse({0, 0, 40, 20});
    return e;
  }();
  EXPECT_NEAR(big.Flatten()[0][0].x, 20, 1e-3);  // the first arc starts at the top, as the ellipse's
  EXPECT_NEAR(big.Flatten()[0][0].y, 0, 1e-3);
  EXPECT_EQ(big.Flatten().size(), ellipse.Flatten().size());
  // An empty rectangle still gives a path without failing.
  EXPECT_FALSE(TGDIPlusCanvas::RoundRectPath({5, 5, 5, 5}, 8, 8).Empty());
}

TEST(GDIPlusPath, FixAnglesTurnsToClockwiseDegrees) {
  const struct {
    double start, end, backendStart, sweep;
  } cases[] = {{10, 0, 0, 350}, {0, 90, 270, 90}, {30, 120, 240, 90}, {300, 60, -60, 120}, {0, 360, 0, 360}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << ".." << c.end);
    const TGPArcAngles a = TGDIPlusCanvas::FixAngles(c.start, c.end);
    EXPECT_DOUBLE_EQ(a.Start, c.backendStart);
    EXPECT_DOUBLE_EQ(a.Sweep, c.sweep);
  }
}

TEST(GDIPlusPath, DonutRingAndPie) {
  const double pi = std::numbers::pi;
  const TGPPath ring = TGDIPlusCanvas::DonutPath(100, 100, 50, 40, 0, pi / 2, 50);
  // Outer arc from 0° to 90° counter-clockwise (up), then the inner arc back.
  EXPECT_NEAR(ring.Points().front().x, 150, 1e-3);
  EXPECT_NEAR(ring.Points().front().y, 100, 1e-3);
  ExpectRect(ring.Bounds(), 100, 60, 50, 40, 0.05);
  EXPECT_TRUE(ring.Types().back() & pptCloseSubpath);
  const TGPPath pie = TGDIPlusCanvas::DonutPath(100, 100, 50, 40, 0, pi / 2, 0);
  EXPECT_EQ(pie.Points().front(), (TPointFloat{100, 100}));
}

}  // namespace
}  // namespace quil
