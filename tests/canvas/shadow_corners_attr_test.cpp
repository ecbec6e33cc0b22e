#include <gtest/gtest.h>

#include "canvas/corners.h"
#include "canvas/shadow.h"
#include "change_counter_attr.h"

namespace quil {
namespace {

TEST(AttrShadow, ShadowAndEmbossStartValues) {
  const TQuilShadow shadow;
  const TQuilEmboss emboss;
  for (const TQuilShadow* s : {&shadow, static_cast<const TQuilShadow*>(&emboss)}) {
    EXPECT_FALSE(s->Clip());
    EXPECT_EQ(s->Color(), 0xC0C0C0u);
    EXPECT_EQ(s->HorizSize(), 0);
    EXPECT_EQ(s->VertSize(), 0);
    EXPECT_TRUE(s->Smooth());
    EXPECT_EQ(s->SmoothBlur(), 0);
    EXPECT_EQ(s->Transparency(), 50);
    EXPECT_EQ(s->BlurSize(), 4);
  }
  EXPECT_EQ(shadow.Direction(), sdRightBottom);
  EXPECT_TRUE(shadow.Visible());
  EXPECT_EQ(emboss.Direction(), sdLeftTop);
  EXPECT_FALSE(emboss.Visible());
  EXPECT_FALSE(emboss.DefaultVisible());
}

TEST(AttrShadow, OffsetRectangleFollowsTheDirection) {
  const TRect r{10, 20, 30, 40};
  struct Case {
    TShadowDirection direction;
    TRect expected;
  };
  const Case cases[] = {
      {sdLeftTop, {13, 18, 33, 38}},  // moved by (−HorizSize, −VertSize) = (3, −2)
      {sdLeftBottom, {13, 22, 33, 42}},
      {sdRightTop, {7, 18, 27, 38}},
      {sdRightBottom, {7, 22, 27, 42}},
      {sdCenter, {7, 18, 33, 42}},  // grown by |−3| and |2|
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.direction));
    TQuilShadow s;
    s.SetHorizSize(-3);
    s.SetVertSize(2);
    s.SetDirection(c.direction);
    EXPECT_EQ(s.OffsetRectangle(r), c.expected);
  }
}

TEST(AttrShadow, SizeReadsTheLargerMagnitudeAndWritesBoth) {
  TChangeCounter owner;
  TQuilShadow s(owner.Handler());
  s.SetHorizSize(-5);
  s.SetVertSize(2);
  EXPECT_EQ(s.Size(), 5);
  owner.Reset();
  s.SetSize(4);
  EXPECT_EQ(s.HorizSize(), 4);
  EXPECT_EQ(s.VertSize(), 4);
  EXPECT_EQ(owner.Count(), 1);
  s.SetSize(4);
  EXPECT_EQ(owner.Count(), 1);
}

TEST(AttrShadow, ShouldDrawNeedsVisibilityAndAnOffset) {
  TQuilShadow s;
  EXPECT_FALSE(s.ShouldDraw());
  s.SetVertSize(-1);
  EXPECT_TRUE(s.ShouldDraw());
  s.Hide();
  EXPECT_FALSE(s.ShouldDraw());
  s.Show();
  s.SetVertSize(0);
  s.SetHorizSize(2);
  EXPECT_TRUE(s.ShouldDraw());
}

TEST(AttrShadow, InitValuesSetsDefaultsSilently) {
  TChangeCounter owner;
  TQuilShadow s(owner.Handler());
  s.InitValues(false, clGray, 3);
  EXPECT_EQ(owner.Count(), 0);
  EXPECT_FALSE(s.Visible());
  EXPECT_EQ(s.Color(), clGray);
  EXPECT_EQ(s.HorizSize(), 3);
  EXPECT_EQ(s.VertSize(), 3);
  EXPECT_FALSE(s.DefaultVisible());
  EXPECT_EQ(s.DefaultColor(), clGray);
  EXPECT_EQ(s.DefaultSize(), 3);
}

TEST(AttrShadow, SettersReportOnlyRealChanges) {
  TChangeCounter owner;
  TQuilShadow s(owner.Handler());
  s.SetClip(false);
  s.SetColor(clSilver);
  s.SetTransparency(50);
  s.SetSmooth(true);
  EXPECT_EQ(owner.Count(), 0);
  s.SetClip(true);
  s.SetColor(clBlack);
  s.SetTransparency(10);
  s.SetSmooth(false);
  s.SetSmoothBlur(2);
  s.SetDirection(sdCenter);
  EXPECT_EQ(owner.Count(), 6);
}

TEST(AttrShadow, RectToFourPointsTurnsAboutTheCentre) {
  const TRect r{0, 0, 20, 10};
  const auto same = TQuilShadow::RectToFourPoints(r, 0);
  EXPECT_EQ(same[0], (TPoint{0, 0}));
  EXPECT_EQ(same[1], (TPoint{20, 0}));
  EXPECT_EQ(same[2], (TPoint{20, 10}));
  EXPECT_EQ(same[3], (TPoint{0, 10}));
  // A quarter turn counter-clockwise on screen: the right-top corner goes to the left-top.
  const auto quarter = TQuilShadow::RectToFourPoints(r, 90);
  EXPECT_EQ(quarter[0], (TPoint{5, 15}));
  EXPECT_EQ(quarter[1], (TPoint{5, -5}));
  EXPECT_EQ(quarter[2], (TPoint{15, -5}));
  EXPECT_EQ(quarter[3], (TPoint{15, 15}));
  const auto half = TQuilShadow::RectToFourPoints(r, 180);
  EXPECT_EQ(half[0], (TPoint{20, 10}));
  EXPECT_EQ(half[2], (TPoint{0, 0}));
}

TEST(AttrShadow, AssignCopiesThePublishedSettings) {
  TQuilShadow source;
  source.SetClip(true);
  source.SetColor(clRed);
  source.SetDirection(sdCenter);
  source.SetHorizSize(3);
  source.SetVertSize(-4);
  source.SetSmooth(false);
  source.SetSmoothBlur(5);
  source.SetTransparency(20);
  source.Hide();
  TQuilEmboss target;
  target.Assign(source);
  EXPECT_TRUE(target.Clip());
  EXPECT_EQ(target.Color(), clRed);
  EXPECT_EQ(target.Direction(), sdCenter);
  EXPECT_EQ(target.HorizSize(), 3);
  EXPECT_EQ(target.VertSize(), -4);
  EXPECT_FALSE(target.Smooth());
  EXPECT_EQ(target.SmoothBlur(), 5);
  EXPECT_EQ(target.Transparency(), 20);
  EXPECT_FALSE(target.Visible());
}

TEST(AttrCorners, FourRoundCornersSharingOneHandler) {
  TChangeCounter owner;
  TQuilCorners corners(owner.Handler());
  for (const TQuilCorner* c : {&corners.LeftTop(), &corners.RightTop(), &corners.LeftBottom(), &corners.RightBottom()})
    EXPECT_EQ(c->Style(), cosRound);
  corners.LeftTop().SetStyle(cosBevel);
  corners.RightBottom().SetStyle(cosNone);
  corners.RightBottom().SetStyle(cosNone);
  EXPECT_EQ(owner.Count(), 2);
  EXPECT_EQ(owner.senders[0], &corners.LeftTop());

  TChangeCounter other;
  corners.SetOnChange(other.Handler());
  corners.RightTop().SetStyle(cosBevel);
  EXPECT_EQ(owner.Count(), 2);
  EXPECT_EQ(other.Count(), 1);

  TQuilCorners copy;
  copy.Assign(corners);
  EXPECT_EQ(copy.LeftTop().Style(), cosBevel);
  EXPECT_EQ(copy.RightTop().Style(), cosBevel);
  EXPECT_EQ(copy.LeftBottom().Style(), cosRound);
  EXPECT_EQ(copy.RightBottom().Style(), cosNone);
}

}  // namespace
}  // namespace quil
