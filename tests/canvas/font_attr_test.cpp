#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "canvas/font.h"
#include "canvas/font_defaults.h"
#include "change_counter_attr.h"
#include "core/exceptions.h"

namespace quil {
namespace {

TEST(AttrFont, StartsFromTheDefaultFontTexts) {
  const TQuilFont font;
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Height(), -11);  // 8 pt at 96 pixels per inch is 10.67 pixels
  EXPECT_EQ(font.Charset(), 1);
  EXPECT_EQ(font.Color(), clBlack);
  EXPECT_EQ(font.Style(), 0u);
  EXPECT_EQ(font.Brush().Color(), clBlack);
  EXPECT_EQ(font.Quality(), fqDefault);
  EXPECT_EQ(font.OutLineOrNull(), nullptr);
  EXPECT_EQ(font.ShadowOrNull(), nullptr);
  EXPECT_EQ(font.EmbossOrNull(), nullptr);
}

TEST(AttrFont, ChangedDefaultTextsReachNewFonts) {
  const std::string oldName = QuilMsg_DefaultFontName;
  const std::string oldSize = QuilMsg_DefaultFontSize;
  QuilMsg_DefaultFontName = "Liberation Serif";
  QuilMsg_DefaultFontSize = "9";
  const TQuilFont font;
  QuilMsg_DefaultFontSize = "nine";
  const int fallback = QuilDefaultFontSize();
  QuilMsg_DefaultFontName = oldName;
  QuilMsg_DefaultFontSize = oldSize;
  EXPECT_EQ(font.Name(), "Liberation Serif");
  EXPECT_EQ(font.Size(), 9);
  EXPECT_EQ(font.Height(), -12);
  EXPECT_EQ(fallback, 8);
}

TEST(AttrFont, SizeAndHeightAreOneSetting) {
  struct Case {
    int size;
    int ppi;
    int height;
  };
  for (const Case& c : {Case{8, 96, -11}, Case{10, 96, -13}, Case{12, 96, -16}, Case{9, 72, -9}, Case{8, 120, -13}}) {
    SCOPED_TRACE(testing::Message() << c.size << " pt at " << c.ppi);
    TFont font;
    font.SetPixelsPerInch(c.ppi);
    font.SetSize(c.size);
    EXPECT_EQ(font.Height(), c.height);
    EXPECT_EQ(font.Size(), c.size);
  }
  TFont font;
  font.SetHeight(-20);
  EXPECT_EQ(font.Size(), 15);
  font.SetPixelsPerInch(192);  // the size in points stays, the pixels double
  EXPECT_EQ(font.Size(), 15);
  EXPECT_EQ(font.Height(), -40);
}

TEST(AttrFont, SizeFloatSplitsIntoSizeAndDecimals) {
  TChangeCounter owner;
  TQuilFont font(owner.Handler());
  font.SetSizeFloat(10.5f);
  EXPECT_EQ(font.Size(), 10);
  EXPECT_FLOAT_EQ(font.SizeDecimals(), 0.5f);
  EXPECT_FLOAT_EQ(font.SizeFloat(), 10.5f);
  EXPECT_EQ(owner.Count(), 1);
  font.SetSizeFloat(10.5f);
  EXPECT_EQ(owner.Count(), 1);
  font.SetSizeFloat(12.0f);
  EXPECT_EQ(font.Size(), 12);
  EXPECT_FLOAT_EQ(font.SizeDecimals(), 0.0f);
}

TEST(AttrFont, SizesBeyondTheIntegerRangeAreRefusedAndChangeNothing) {
  // A canvas zoomed from a stored file can ask for such sizes; they once overflowed an int.
  TQuilFont large;
  large.SetSizeFloat(1e8f);  // its height in pixels still fits, though the product once did not
  EXPECT_EQ(large.Height(), -133333333);
  for (float size : {3e9f, -1e12f, std::numeric_limits<float>::infinity(), std::nanf("")}) {
    SCOPED_TRACE(size);
    TQuilFont font;
    font.SetSizeFloat(12.0f);
    EXPECT_THROW(font.SetSizeFloat(size), ERangeError);
    EXPECT_EQ(font.Size(), 12);
  }
  TFont font;
  EXPECT_THROW(font.SetSize(std::numeric_limits<int>::max()), ERangeError);
}

TEST(AttrFont, ReportsRealChangesOfItsOwnAndItsPartsSettings) {
  TChangeCounter owner;
  TQuilFont font(owner.Handler());
  font.SetName("Arial");
  font.SetSize(8);
  font.SetColor(clBlack);
  EXPECT_EQ(owner.Count(), 0);
  font.SetName("Liberation Mono");
  font.SetSize(20);
  font.SetStyle(fsBold | fsItalic);
  font.SetColor(clRed);
  font.SetCharset(0);
  font.SetDepth(2.5);
  font.SetInterCharSize(1);
  font.SetQuality(fqClearType);
  font.SetDefaultFont(true);
  EXPECT_EQ(owner.Count(), 9);
  font.Brush().SetColor(clBlue);
  font.Shadow().SetSize(2);
  font.Emboss().Show();
  font.OutLine().Show();
  EXPECT_EQ(owner.Count(), 13);
}

TEST(AttrFont, InitColorAndStyleAreSilent) {
  TChangeCounter owner;
  TQuilFont font(owner.Handler());
  font.InitColor(clWhite);
  font.InitStyle(fsUnderline);
  EXPECT_EQ(owner.Count(), 0);
  EXPECT_EQ(font.Color(), clWhite);
  EXPECT_EQ(font.IDefColor(), clWhite);
  EXPECT_EQ(font.Brush().Color(), clWhite);
  EXPECT_EQ(font.Brush().DefaultColor(), clWhite);
  EXPECT_EQ(font.Style(), fsUnderline);
  EXPECT_EQ(font.IDefStyle(), fsUnderline);
}

TEST(AttrFont, LazyPartsHaveTheirOwnLooks) {
  TQuilFont font;
  EXPECT_FALSE(font.OutLine().Visible());
  EXPECT_TRUE(font.Shadow().Visible());
  EXPECT_EQ(font.Shadow().Direction(), sdRightBottom);
  EXPECT_FALSE(font.Emboss().Visible());
  EXPECT_EQ(font.Emboss().Direction(), sdLeftTop);
}

TEST(AttrFont, AssignCopiesEverySettingAndRemovesMissingParts) {
  TQuilFont source;
  source.SetName("Liberation Serif");
  source.SetSizeFloat(14.25f);
  source.SetColor(clMaroon);
  source.SetStyle(fsStrikeOut);
  source.SetCharset(2);
  source.Brush().SetColor(clTeal);
  source.SetDefaultFont(true);
  source.SetDepth(3);
  source.SetInterCharSize(2);
  source.SetQuality(fqBest);
  source.OutLine().SetWidth(2);
  source.Shadow().SetHorizSize(4);

  TQuilFont target;
  target.Emboss().Show();
  TChangeCounter owner;
  target.SetOnChange(owner.Handler());
  target.Assign(source);
  EXPECT_EQ(owner.Count(), 1);
  EXPECT_EQ(target.Name(), "Liberation Serif");
  EXPECT_EQ(target.Size(), 14);
  EXPECT_FLOAT_EQ(target.SizeDecimals(), 0.25f);
  EXPECT_EQ(target.Color(), clMaroon);
  EXPECT_EQ(target.Style(), fsStrikeOut);
  EXPECT_EQ(target.Charset(), 2);
  EXPECT_EQ(target.Brush().Color(), clTeal);
  EXPECT_TRUE(target.DefaultFont());
  EXPECT_EQ(target.Depth(), 3);
  EXPECT_EQ(target.InterCharSize(), 2);
  EXPECT_EQ(target.Quality(), fqBest);
  ASSERT_NE(target.OutLineOrNull(), nullptr);
  EXPECT_EQ(target.OutLineOrNull()->Width(), 2);
  ASSERT_NE(target.ShadowOrNull(), nullptr);
  EXPECT_EQ(target.ShadowOrNull()->HorizSize(), 4);
  EXPECT_EQ(target.EmbossOrNull(), nullptr);

  target.Shadow().SetVertSize(1);  // a part created by Assign reports to the owner
  EXPECT_EQ(owner.Count(), 2);
}

}  // namespace
}  // namespace quil
