#include <gtest/gtest.h>

#include "canvas/brush.h"
#include "canvas/pen.h"
#include "change_counter_attr.h"
#include "core/exceptions.h"

namespace quil {
namespace {

TEST(AttrPen, StartsAsASolidBlackCopyPenOfWidthOne) {
  const TQuilPen pen;
  EXPECT_EQ(pen.Color(), clBlack);
  EXPECT_EQ(pen.Width(), 1);
  EXPECT_EQ(pen.Style(), psSolid);
  EXPECT_EQ(pen.Mode(), pmCopy);
  EXPECT_EQ(pen.EndStyle(), esRound);
  EXPECT_EQ(pen.JoinStyle(), jsRound);
  EXPECT_TRUE(pen.Visible());
  EXPECT_FALSE(pen.SmallDots());
  EXPECT_EQ(pen.SmallSpace(), 0);
  EXPECT_FALSE(pen.HasFill());
  EXPECT_FALSE(pen.IsGradientVisible());
}

TEST(AttrPen, DerivedPensStartWithTheirOwnLook) {
  EXPECT_FALSE(TQuilHiddenPen().Visible());
  EXPECT_FALSE(TQuilHiddenPen().DefaultVisible());
  EXPECT_EQ(TDarkGrayPen().Color(), 0x808080u);
  EXPECT_EQ(TWhitePen().Color(), 0xFFFFFFu);
}

TEST(AttrPen, ReportsEachRealChangeOnce) {
  TChangeCounter owner;
  TQuilPen pen(owner.Handler());
  pen.SetColor(clRed);
  pen.SetColor(clRed);
  pen.SetWidth(3);
  pen.SetWidth(3);
  pen.SetStyle(psDot);
  pen.SetMode(pmXor);
  pen.SetEndStyle(esFlat);
  pen.SetJoinStyle(jsBevel);
  pen.SetSmallDots(true);
  pen.SetSmallSpace(2);
  pen.Hide();
  pen.Hide();
  EXPECT_EQ(owner.Count(), 9);
  for (const TPersistent* sender : owner.senders) EXPECT_EQ(sender, &pen);
}

TEST(AttrPen, InitSetsValueAndDefaultSilently) {
  TChangeCounter owner;
  TQuilPen pen(owner.Handler());
  pen.InitColor(clBlue);
  pen.InitEndStyle(esSquare);
  pen.InitWidth(2);
  pen.InitVisible(false);
  EXPECT_EQ(owner.Count(), 0);
  EXPECT_EQ(pen.Color(), clBlue);
  EXPECT_EQ(pen.DefaultColor(), clBlue);
  EXPECT_EQ(pen.EndStyle(), esSquare);
  EXPECT_EQ(pen.DefaultEnd(), esSquare);
  EXPECT_EQ(pen.DefaultWidth(), 2);
  EXPECT_FALSE(pen.DefaultVisible());
}

TEST(AttrPen, HalfWidthIsZeroWhenHiddenOrThin) {
  struct Case {
    int width;
    bool visible;
    int half;
  };
  for (const Case& c : {Case{1, true, 0}, Case{2, true, 1}, Case{5, true, 2}, Case{6, false, 0}, Case{0, true, 0}}) {
    SCOPED_TRACE(testing::Message() << "width " << c.width << " visible " << c.visible);
    TQuilPen pen;
    pen.SetWidth(c.width);
    pen.SetVisible(c.visible);
    EXPECT_EQ(pen.HalfWidth(), c.half);
  }
}

TEST(AttrPen, LazyFillSharesThePensHandler) {
  TChangeCounter owner;
  TQuilPen pen(owner.Handler());
  TQuilBrush& fill = pen.Fill();
  EXPECT_TRUE(pen.HasFill());
  EXPECT_EQ(owner.Count(), 0);
  fill.SetColor(clRed);
  fill.Gradient().SetVisible(true);
  EXPECT_EQ(owner.Count(), 2);
  EXPECT_TRUE(pen.IsGradientVisible());

  TChangeCounter newOwner;
  pen.SetOnChange(newOwner.Handler());
  fill.Gradient().SetAngle(30);
  EXPECT_EQ(owner.Count(), 2);
  EXPECT_EQ(newOwner.Count(), 1);
}

TEST(AttrPen, AssignCopiesEverySettingAndDropsAFillTheSourceLacks) {
  TQuilPen source;
  source.SetColor(clGreen);
  source.SetWidth(4);
  source.SetStyle(psDash);
  source.SetMode(pmNot);
  source.SetEndStyle(esSquare);
  source.SetJoinStyle(jsMitter);
  source.SetSmallDots(true);
  source.SetSmallSpace(3);
  source.SetVisible(false);
  source.Fill().SetColor(clYellow);

  TChangeCounter owner;
  TQuilPen target(owner.Handler());
  target.Assign(source);
  EXPECT_EQ(owner.Count(), 1);
  EXPECT_EQ(target.Color(), clGreen);
  EXPECT_EQ(target.Width(), 4);
  EXPECT_EQ(target.Style(), psDash);
  EXPECT_EQ(target.Mode(), pmNot);
  EXPECT_EQ(target.EndStyle(), esSquare);
  EXPECT_EQ(target.JoinStyle(), jsMitter);
  EXPECT_TRUE(target.SmallDots());
  EXPECT_EQ(target.SmallSpace(), 3);
  EXPECT_FALSE(target.Visible());
  ASSERT_TRUE(target.HasFill());
  EXPECT_NE(target.FillOrNull(), source.FillOrNull());
  EXPECT_EQ(target.FillOrNull()->Color(), clYellow);

  target.Fill().SetColor(clRed);  // the copied fill reports to the target's owner
  EXPECT_EQ(owner.Count(), 2);

  target.Assign(TQuilPen());
  EXPECT_FALSE(target.HasFill());
  EXPECT_TRUE(target.Visible());
}

TEST(AttrPen, AssignFromAPlainPenKeepsTheChartSettings) {
  TPen plain;
  plain.SetColor(clRed);
  TQuilPen pen;
  pen.SetSmallDots(true);
  pen.Assign(plain);
  EXPECT_EQ(pen.Color(), clRed);
  EXPECT_TRUE(pen.SmallDots());
}

TEST(AttrPen, AssignFromAnUnrelatedClassFails) {
  TQuilPen pen;
  EXPECT_THROW(pen.Assign(TQuilBrush()), EConvertError);
  EXPECT_NO_THROW(pen.Assign(pen));
}

TEST(AttrBrush, StartsWithTheOwnersColourAndNoExtras) {
  const TQuilBrush brush;
  EXPECT_EQ(brush.Color(), clQuilColor);
  EXPECT_EQ(brush.DefaultColor(), clQuilColor);
  EXPECT_EQ(brush.Style(), bsSolid);
  EXPECT_EQ(brush.BackColor(), clNone);
  EXPECT_EQ(brush.HatchStyle(), hsHorizontal);
  EXPECT_FALSE(brush.HasImage());
  EXPECT_FALSE(brush.HasGraphic());
  EXPECT_FALSE(brush.HasGradient());
  EXPECT_EQ(brush.GradientOrNull(), nullptr);
}

TEST(AttrBrush, PlainHatchStylesAlsoSetTheBrushStyle) {
  const TBrushStyle plain[] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross};
  for (int h = hsHorizontal; h <= hsDiagonalCross; ++h) {
    SCOPED_TRACE(h);
    TQuilBrush brush;
    brush.SetHatchStyle(hsSolidDiamond);
    brush.SetHatchStyle(static_cast<THatchStyle>(h));
    EXPECT_EQ(brush.Style(), plain[h]);
  }
  TQuilBrush brush;
  brush.SetHatchStyle(hsCross);
  EXPECT_EQ(brush.Style(), bsCross);
  brush.SetHatchStyle(hsZigZag);
  EXPECT_EQ(brush.Style(), bsCross);
  EXPECT_EQ(brush.HatchStyle(), hsZigZag);
  EXPECT_EQ(static_cast<int>(hsSolidDiamond), 52);
}

TEST(AttrBrush, HatchStyleReportsOnlyRealChanges) {
  TChangeCounter owner;
  TQuilBrush brush(owner.Handler());
  brush.SetHatchStyle(hsHorizontal);
  EXPECT_EQ(owner.Count(), 0);
  EXPECT_EQ(brush.Style(), bsSolid);  // the initial hatch, unchanged, leaves the style alone
  brush.SetHatchStyle(hsWave);
  brush.SetBackColor(clRed);
  brush.SetBackColor(clRed);
  EXPECT_EQ(owner.Count(), 2);
}

TEST(AttrBrush, InitColorIsSilent) {
  TChangeCounter owner;
  TQuilBrush brush(owner.Handler());
  brush.InitColor(clAqua);
  EXPECT_EQ(owner.Count(), 0);
  EXPECT_EQ(brush.Color(), clAqua);
  EXPECT_EQ(brush.DefaultColor(), clAqua);
}

TEST(AttrBrush, GradientAndImageAreCreatedOnFirstUseWithTheBrushHandler) {
  TChangeCounter owner;
  TQuilBrush brush(owner.Handler());
  brush.Gradient();
  EXPECT_FALSE(brush.HasGradient());  // exists but not visible
  brush.Gradient().SetVisible(true);
  EXPECT_TRUE(brush.HasGradient());
  EXPECT_TRUE(brush.Image().Empty());
  EXPECT_TRUE(brush.HasImage());
  EXPECT_FALSE(brush.HasGraphic());
  brush.Image().SetGraphic(TBitmap(2, 2));
  EXPECT_TRUE(brush.HasGraphic());
  EXPECT_EQ(owner.Count(), 2);
  EXPECT_EQ(owner.senders[0], brush.GradientOrNull());
  EXPECT_EQ(owner.senders[1], brush.ImageOrNull());
}

TEST(AttrBrush, ClearDropsImageAndGradient) {
  TChangeCounter owner;
  TQuilBrush brush(owner.Handler());
  brush.Gradient().SetVisible(true);
  brush.Image();
  owner.Reset();
  brush.Clear();
  EXPECT_EQ(brush.Style(), bsClear);
  EXPECT_FALSE(brush.HasImage());
  EXPECT_EQ(brush.GradientOrNull(), nullptr);
  EXPECT_EQ(owner.Count(), 1);
  brush.Clear();
  EXPECT_EQ(owner.Count(), 1);
}

TEST(AttrBrush, AssignCopiesSettingsAndRemovesWhatTheSourceLacks) {
  TQuilBrush source;
  source.SetColor(clRed);
  source.SetStyle(bsVertical);
  source.SetBackColor(clBlue);
  source.SetHatchStyle(hsWeave);
  source.Gradient().SetStartColor(clLime);
  source.Image().SetGraphic(TBitmap(3, 1));

  TQuilBrush target;
  target.Assign(source);
  EXPECT_EQ(target.Color(), clRed);
  EXPECT_EQ(target.Style(), bsVertical);
  EXPECT_EQ(target.BackColor(), clBlue);
  EXPECT_EQ(target.HatchStyle(), hsWeave);
  ASSERT_NE(target.GradientOrNull(), nullptr);
  EXPECT_EQ(target.GradientOrNull()->StartColor(), clLime);
  ASSERT_TRUE(target.HasGraphic());
  EXPECT_EQ(target.ImageOrNull()->Width(), 3);

  target.Assign(TQuilBrush());
  EXPECT_EQ(target.GradientOrNull(), nullptr);
  EXPECT_FALSE(target.HasImage());
  EXPECT_EQ(target.Color(), clQuilColor);
}

}  // namespace
}  // namespace quil
