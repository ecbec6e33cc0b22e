#include "canvas/canvas_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quil {
namespace {

double Cross(TPoint o, TPoint a, TPoint b) {
  return double(a.X - o.X) * (b.Y - o.Y) - double(a.Y - o.Y) * (b.X - o.X);
}

// Convex: every consecutive triple turns the same way; every input point is inside or on it.
void ExpectConvexHullOf(const std::vector<TPoint>& hull, const std::vector<TPoint>& input) {
  ASSERT_GE(hull.size(), 3u);
  int sign = 0;
  for (std::size_t i = 0; i < hull.size(); ++i) {
    const double c = Cross(hull[i], hull[(i + 1) % hull.size()], hull[(i + 2) % hull.size()]);
    if (c == 0) continue;
    const int s = c > 0 ? 1 : -1;
    if (sign == 0) sign = s;
    EXPECT_EQ(s, sign) << "not convex at " << i;
  }
  for (const TPoint& p : input)
    for (std::size_t i = 0; i < hull.size(); ++i)
      EXPECT_GE(Cross(hull[i], hull[(i + 1) % hull.size()], p) * sign, 0) << p.X << "," << p.Y;
}

TEST(CanvasGeometry, CullTellsTheWindingOfProjectedPoints) {
  const TPoint a{0, 0}, b{10, 0}, c{10, 10};
  EXPECT_NE(QuilCull(a, b, c), QuilCull(c, b, a));
  const TPoint square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_EQ(QuilCull(square), QuilCull(square[0], square[1], square[2]));
  EXPECT_FALSE(QuilCull(a, a, a));  // degenerate faces are kept
  const TPointFloat fa{0, 0}, fb{10, 0}, fc{10, 10};
  EXPECT_EQ(QuilCull(fa, fb, fc), QuilCull(a, b, c));
}

TEST(CanvasGeometry, BoundsCoverEveryPixelAndEmptyGivesZero) {
  const std::vector<TPoint> pts{{5, 7}, {-3, 2}, {4, 12}};
  EXPECT_EQ(PolygonBounds(pts), (TRect{-3, 2, 6, 13}));
  EXPECT_EQ(RectFromPolygon(nullptr, 0), TRect{});
  EXPECT_EQ(PolygonBounds(std::vector<TPoint>{}), TRect{});
  const TPoint tri[3] = {{1, 1}, {1, 1}, {1, 1}};
  EXPECT_EQ(RectFromTriangle(tri), (TRect{1, 1, 2, 2}));
}

TEST(CanvasGeometry, ConvexHullKeepsTheOutline) {
  const std::vector<std::vector<TPoint>> inputs{
      {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}},
      {{20, 0}, {40, 10}, {40, 30}, {20, 40}, {0, 30}, {0, 10}, {20, 20}, {25, 15}},
      {{3, 1}, {9, 4}, {7, 9}, {1, 8}, {0, 3}, {5, 5}, {4, 2}},
  };
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.size());
    std::vector<TPoint> hull = input;
    ASSERT_TRUE(ConvexHull(hull));
    ExpectConvexHullOf(hull, input);
    EXPECT_LT(hull.size(), input.size());
  }
}

TEST(CanvasGeometry, ConvexHullOfTooFewPointsFailsAndLeavesThem) {
  std::vector<TPoint> two{{1, 2}, {3, 4}};
  EXPECT_FALSE(ConvexHull(two));
  EXPECT_EQ(two.size(), 2u);
  std::vector<TPoint> none;
  EXPECT_FALSE(ConvexHull(none));
  std::vector<TPoint> three{{1, 2}, {3, 4}, {0, 9}};
  const auto copy = three;
  EXPECT_TRUE(ConvexHull(three));
  EXPECT_EQ(three, copy);
}

}  // namespace
}  // namespace quil
