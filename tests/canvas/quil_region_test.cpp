#include "canvas/quil_region.h"

#include <gtest/gtest.h>

namespace quil {
namespace {

constexpr TRect kLimit{0, 0, 100, 100};

int PixelCount(const TQuilRegion& r) {
  int n = 0;
  for (const TRect& b : r.Rectangles()) n += b.Width() * b.Height();
  return n;
}

TEST(QuilRegion, RectangleExcludesRightAndBottomAndStaysInsideTheLimit) {
  const TQuilRegion r = TQuilRegion::FromRect({10, 20, 30, 25}, kLimit);
  EXPECT_TRUE(r.Contains(10, 20));
  EXPECT_TRUE(r.Contains(29, 24));
  EXPECT_FALSE(r.Contains(30, 24));
  EXPECT_FALSE(r.Contains(29, 25));
  EXPECT_EQ(r.Rectangles(), (std::vector<TRect>{{10, 20, 30, 25}}));
  EXPECT_EQ(TQuilRegion::FromRect({-1000000000, -5, 1000000000, 2000000000}, kLimit).Bounds(), kLimit);
  EXPECT_TRUE(TQuilRegion::FromRect({5, 5, 5, 50}, kLimit).Empty());
}

TEST(QuilRegion, AlgebraOnOverlappingSquares) {
  const TQuilRegion a = TQuilRegion::FromRect({0, 0, 20, 20}, kLimit);
  const TQuilRegion b = TQuilRegion::FromRect({10, 10, 30, 30}, kLimit);
  struct Case {
    const char* name;
    void (TQuilRegion::*op)(const TQuilRegion&);
    int pixels;
    bool at5, at15, at25;  // membership at (k, k)
  };
  const Case cases[] = {
      {"and", &TQuilRegion::Intersect, 100, false, true, false},
      {"or", &TQuilRegion::Union, 700, true, true, true},
      {"xor", &TQuilRegion::Xor, 600, true, false, true},
      {"diff", &TQuilRegion::Subtract, 300, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TQuilRegion r = a;
    (r.*c.op)(b);
    EXPECT_EQ(PixelCount(r), c.pixels);
    EXPECT_EQ(r.Contains(5, 5), c.at5);
    EXPECT_EQ(r.Contains(15, 15), c.at15);
    EXPECT_EQ(r.Contains(25, 25), c.at25);
  }
}

TEST(QuilRegion, PolygonUsesEvenOddRule) {
  // A pentagram: its centre is covered twice, so even-odd leaves it out.
  const TPoint star[5] = {{50, 0}, {80, 95}, {0, 35}, {100, 35}, {20, 95}};
  const TQuilRegion r = TQuilRegion::FromPolygon(star, 5, kLimit);
  EXPECT_FALSE(r.Contains(50, 50));
  EXPECT_TRUE(r.Contains(50, 10));
  EXPECT_TRUE(r.Contains(10, 37));
  EXPECT_TRUE(TQuilRegion::FromPolygon(star, 2, kLimit).Empty());
  EXPECT_TRUE(TQuilRegion::FromPolygon(nullptr, 0, kLimit).Empty());
}

TEST(QuilRegion, PolygonOfARectangleEqualsTheRectangle) {
  const TPoint square[4] = {{10, 10}, {40, 10}, {40, 30}, {10, 30}};
  EXPECT_EQ(TQuilRegion::FromPolygon(square, 4, kLimit), TQuilRegion::FromRect({10, 10, 40, 30}, kLimit));
}

TEST(QuilRegion, EllipseTouchesTheEdgesOfItsBoxOnly) {
  const TQuilRegion e = TQuilRegion::FromEllipse({10, 10, 51, 31}, kLimit);
  EXPECT_EQ(e.Bounds(), (TRect{10, 10, 51, 31}));
  EXPECT_TRUE(e.Contains(30, 20));
  EXPECT_FALSE(e.Contains(10, 10));
  EXPECT_FALSE(e.Contains(50, 30));
  const TQuilRegion rr = TQuilRegion::FromRoundRect({10, 10, 51, 31}, 10, 10, kLimit);
  EXPECT_FALSE(rr.Contains(10, 10));
  EXPECT_TRUE(rr.Contains(10, 20));
  EXPECT_TRUE(rr.Contains(30, 10));
}

}  // namespace
}  // namespace quil
