#include <gtest/gtest.h>

#include "canvas/gradient.h"
#include "change_counter_attr.h"

namespace quil {
namespace {

std::vector<double> Offsets(const TQuilGradientColors& colors) {
  std::vector<double> result;
  for (int i = 0; i < colors.Count(); ++i) result.push_back(colors[i].Offset());
  return result;
}

TEST(AttrGradientColors, AddClampsAndKeepsOffsetOrder) {
  TQuilGradientColors colors;
  colors.Add(0.5, clRed);
  colors.Add(-2, clGreen);
  colors.Add(7, clBlue);
  colors.Add(0.25, clYellow, 30);
  colors.Add(0.5, clAqua);  // after the equal offset already there
  EXPECT_EQ(Offsets(colors), (std::vector<double>{0, 0.25, 0.5, 0.5, 1}));
  EXPECT_EQ(colors[0].Color(), clGreen);
  EXPECT_EQ(colors[1].Transparency(), 30);
  EXPECT_EQ(colors[2].Color(), clRed);
  EXPECT_EQ(colors[3].Color(), clAqua);
  EXPECT_EQ(colors[4].Color(), clBlue);
}

TEST(AttrGradientColors, ItemsReportThroughTheCollectionOnlyOnChange) {
  TChangeCounter owner;
  TQuilGradientColors colors(owner.Handler());
  colors.Add(0, clRed);
  colors[0].SetColor(clRed);
  colors[0].SetOffset(0);
  colors[0].SetTransparency(10);
  EXPECT_EQ(owner.Count(), 2);
  colors.BeginUpdate();
  colors.AddItem();
  colors.Delete(0);
  colors.EndUpdate();
  EXPECT_EQ(owner.Count(), 3);
}

TEST(AttrGradient, StartsInvisibleWithTheDefaultColoursAndNoStops) {
  const TQuilGradient g;
  EXPECT_FALSE(g.Visible());
  EXPECT_EQ(g.Angle(), 0);
  EXPECT_EQ(g.Balance(), 50);
  EXPECT_EQ(g.Direction(), gdTopBottom);
  EXPECT_EQ(g.ColorsOrNull(), nullptr);
  EXPECT_EQ(g.StartColor(), clWhite);
  EXPECT_EQ(g.MidColor(), clNone);
  EXPECT_EQ(g.EndColor(), clYellow);
  EXPECT_EQ(g.IMidColor(), clWhite);
}

TEST(AttrGradient, ColorsAreCreatedWithTheTwoDefaultStops) {
  TQuilGradient g;
  g.SetIDefStart(clRed);
  g.SetIDefEnd(clBlue);
  const TQuilGradientColors& colors = g.Colors();
  ASSERT_EQ(colors.Count(), 2);
  EXPECT_EQ(Offsets(colors), (std::vector<double>{0, 1}));
  EXPECT_EQ(colors[0].Color(), clRed);
  EXPECT_EQ(colors[1].Color(), clBlue);
}

TEST(AttrGradient, EmptyStopsReadNoStartOrEnd) {
  TQuilGradient g;
  g.Colors().Clear();
  EXPECT_EQ(g.StartColor(), clNone);
  EXPECT_EQ(g.EndColor(), clNone);
  g.SetEndColor(clRed);
  EXPECT_EQ(g.Colors().Count(), 1);
  EXPECT_EQ(g.StartColor(), clRed);
}

TEST(AttrGradient, MiddleColourIsInsertedRemovedAndRestored) {
  TChangeCounter owner;
  TQuilGradient g(owner.Handler());
  g.SetStartColor(clWhite);  // equal to the view: nothing happens
  EXPECT_EQ(g.ColorsOrNull(), nullptr);
  EXPECT_EQ(owner.Count(), 0);

  g.SetMidColor(clRed);
  ASSERT_EQ(g.Colors().Count(), 3);
  EXPECT_EQ(g.Colors()[1].Offset(), 0.5);
  EXPECT_EQ(g.MidColor(), clRed);
  EXPECT_EQ(g.IMidColor(), clRed);
  EXPECT_EQ(g.StartColor(), clWhite);
  EXPECT_EQ(g.EndColor(), clYellow);

  g.SetMidColor(clGreen);
  EXPECT_EQ(g.Colors().Count(), 3);
  EXPECT_EQ(g.MidColor(), clGreen);

  g.SetMidColor(clNone);
  EXPECT_EQ(g.Colors().Count(), 2);
  EXPECT_EQ(g.MidColor(), clNone);
  EXPECT_EQ(g.IMidColor(), clGreen);
  g.SetMidColor(clNone);
  EXPECT_EQ(g.Colors().Count(), 2);

  g.UseMiddleColor();
  EXPECT_EQ(g.MidColor(), clGreen);
  EXPECT_EQ(owner.Count(), 4);
}

TEST(AttrGradient, StartAndEndAreTheFirstAndLastStops) {
  TQuilGradient g;
  g.Colors().Add(0.3, clGray);
  g.Colors().Add(0.6, clSilver);
  g.SetStartColor(clRed);
  g.SetEndColor(clBlue);
  EXPECT_EQ(g.Colors()[0].Color(), clRed);
  EXPECT_EQ(g.Colors()[3].Color(), clBlue);
  EXPECT_EQ(g.MidColor(), clGray);
}

TEST(AttrGradient, StartIsEndMakesEndSetBothInOneReport) {
  TChangeCounter owner;
  TQuilGradient g(owner.Handler());
  g.SetStartIsEnd(true);
  owner.Reset();
  g.SetEndColor(clRed);
  EXPECT_EQ(g.StartColor(), clRed);
  EXPECT_EQ(g.EndColor(), clRed);
  EXPECT_EQ(owner.Count(), 1);
}

TEST(AttrGradient, ResetColorsIsSilent) {
  TChangeCounter owner;
  TQuilGradient g(owner.Handler());
  g.SetMidColor(clRed);
  g.Colors()[0].SetTransparency(40);
  owner.Reset();
  g.ResetColors();
  EXPECT_EQ(owner.Count(), 0);
  ASSERT_EQ(g.Colors().Count(), 2);
  EXPECT_EQ(g.StartColor(), g.IDefStart());
  EXPECT_EQ(g.EndColor(), g.IDefEnd());
  EXPECT_EQ(g.Colors()[0].Transparency(), 0);
  g.SetStartColor(clBlack);  // still wired to the owner afterwards
  EXPECT_EQ(owner.Count(), 1);
}

TEST(AttrGradient, SettersReportOnlyRealChangesAndInitIsSilent) {
  TChangeCounter owner;
  TQuilGradient g(owner.Handler());
  g.InitDirection(gdRadial);
  g.InitVisible(true);
  EXPECT_EQ(owner.Count(), 0);
  EXPECT_EQ(g.DefaultDirection(), gdRadial);
  EXPECT_TRUE(g.DefaultVisible());
  g.SetDirection(gdRadial);
  g.SetVisible(true);
  g.SetBalance(50);
  g.SetAngle(0);
  EXPECT_EQ(owner.Count(), 0);
  g.SetAngle(45);
  g.SetBalance(20);
  g.SetRadialX(3);
  g.SetRadialY(-3);
  g.SetDirection(gdLeftRight);
  EXPECT_EQ(owner.Count(), 5);
}

TEST(AttrGradient, AssignCopiesEverySettingAndTheSubGradient) {
  TQuilGradient source;
  source.SetAngle(30);
  source.SetBalance(70);
  source.SetDirection(gdFromCenter);
  source.SetRadialX(4);
  source.SetRadialY(5);
  source.SetStartIsEnd(true);
  source.SetVisible(true);
  source.SetMidColor(clRed);
  source.SubGradient().SetTransparency(20);
  source.SubGradient().SetStartColor(clNavy);

  TChangeCounter owner;
  TQuilGradient target(owner.Handler());
  target.Assign(source);
  EXPECT_EQ(owner.Count(), 1);
  EXPECT_EQ(target.Angle(), 30);
  EXPECT_EQ(target.Balance(), 70);
  EXPECT_EQ(target.Direction(), gdFromCenter);
  EXPECT_EQ(target.RadialX(), 4);
  EXPECT_EQ(target.RadialY(), 5);
  EXPECT_TRUE(target.StartIsEnd());
  EXPECT_TRUE(target.Visible());
  ASSERT_NE(target.ColorsOrNull(), source.ColorsOrNull());
  EXPECT_EQ(target.ColorsOrNull()->Count(), 3);
  EXPECT_EQ(target.MidColor(), clRed);
  ASSERT_NE(target.SubGradientOrNull(), nullptr);
  EXPECT_EQ(target.SubGradientOrNull()->Transparency(), 20);
  EXPECT_EQ(target.SubGradientOrNull()->StartColor(), clNavy);

  target.SubGradient().SetAngle(10);  // copies report to the target's owner
  target.Colors()[0].SetColor(clLime);
  EXPECT_EQ(owner.Count(), 3);
  EXPECT_EQ(source.StartColor(), clWhite);
}

TEST(AttrGradient, AssignFromAGradientWithoutExtrasRemovesThem) {
  TQuilGradient target;
  target.SubGradient();
  target.Colors();
  target.Assign(TQuilGradient());
  EXPECT_EQ(target.SubGradientOrNull(), nullptr);
  EXPECT_EQ(target.ColorsOrNull(), nullptr);

  TSubGradient sub;
  sub.SetTransparency(80);
  TQuilGradient withSub;
  withSub.SubGradient();
  withSub.Assign(sub);  // a sub-gradient has no sub-gradient of its own
  EXPECT_EQ(withSub.SubGradientOrNull(), nullptr);
}

TEST(AttrGradient, SelfAssignDoesNothing) {
  TChangeCounter owner;
  TQuilGradient g(owner.Handler());
  g.SubGradient();
  g.SetMidColor(clRed);
  owner.Reset();
  g.Assign(g);
  EXPECT_EQ(owner.Count(), 0);
  EXPECT_NE(g.SubGradientOrNull(), nullptr);
  EXPECT_EQ(g.MidColor(), clRed);
}

TEST(AttrGradient, SubGradientStartsHalfTransparent) {
  TChangeCounter owner;
  TQuilGradient g(owner.Handler());
  EXPECT_EQ(g.SubGradient().Transparency(), 50);
  g.SubGradient().SetTransparency(50);
  EXPECT_EQ(owner.Count(), 0);
  g.SubGradient().SetTransparency(60);
  EXPECT_EQ(owner.Count(), 1);
  EXPECT_EQ(owner.senders[0], g.SubGradientOrNull());
}

TEST(AttrGradient, ColorsNeedStoringOnlyWhenTheViewsCannotSayIt) {
  TQuilGradient g;
  EXPECT_FALSE(g.ColorsNeedStoring());
  g.Colors();
  EXPECT_FALSE(g.ColorsNeedStoring());
  g.SetMidColor(clRed);
  EXPECT_FALSE(g.ColorsNeedStoring());
  g.Colors()[1].SetOffset(0.4);
  EXPECT_TRUE(g.ColorsNeedStoring());
  g.Colors()[1].SetOffset(0.5);
  g.Colors()[2].SetTransparency(5);
  EXPECT_TRUE(g.ColorsNeedStoring());
  g.ResetColors();
  g.Colors().Add(0.7, clRed);
  g.Colors().Add(0.8, clRed);
  EXPECT_TRUE(g.ColorsNeedStoring());
  g.Colors().Clear();
  EXPECT_TRUE(g.ColorsNeedStoring());
}

}  // namespace
}  // namespace quil
