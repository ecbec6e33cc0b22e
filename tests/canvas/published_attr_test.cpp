#include <gtest/gtest.h>

#include <string>

#include "canvas/brush.h"
#include "canvas/corners.h"
#include "canvas/font.h"
#include "canvas/gradient.h"
#include "canvas/pen.h"
#include "canvas/shadow.h"
#include "core/properties.h"

namespace quil {
namespace {

const TPropInfo& Property(const TPersistent& object, const std::string& name) {
  const TPropInfo* p = object.ClassType().FindProperty(name);
  if (!p) throw std::runtime_error(object.ClassName() + " has no property " + name);
  return *p;
}

bool Stored(const TPersistent& object, const std::string& name) { return Property(object, name).IsStored(object); }

int64_t IntDefault(const TPersistent& object, const std::string& name) {
  return std::get<int64_t>(*Property(object, name).Default);
}

TEST(AttrPublished, PenPropertiesStoreWhenTheyLeaveTheOwnersDefaults) {
  TQuilPen pen;
  for (const char* name : {"Color", "Width", "Style", "Mode", "EndStyle", "JoinStyle", "SmallDots", "SmallSpace", "Visible"})
    EXPECT_FALSE(Stored(pen, name)) << name;
  EXPECT_TRUE(Stored(pen, "Fill"));
  EXPECT_EQ(Property(pen, "EndStyle").Enum->Names.at(2), "esFlat");
  EXPECT_EQ(Property(pen, "Mode").Enum->IndexOf("pmNotXor"), 15);

  pen.InitWidth(2);
  pen.InitEndStyle(esSquare);
  EXPECT_FALSE(Stored(pen, "Width"));
  EXPECT_FALSE(Stored(pen, "EndStyle"));
  pen.SetWidth(1);
  pen.SetEndStyle(esRound);
  pen.SetSmallSpace(1);
  EXPECT_TRUE(Stored(pen, "Width"));
  EXPECT_TRUE(Stored(pen, "EndStyle"));
  EXPECT_TRUE(Stored(pen, "SmallSpace"));

  TQuilHiddenPen hidden;
  EXPECT_FALSE(Stored(hidden, "Visible"));
  hidden.Show();
  EXPECT_TRUE(Stored(hidden, "Visible"));
  EXPECT_EQ(IntDefault(TDarkGrayPen(), "Color"), 8421504);
  EXPECT_FALSE(Stored(TDarkGrayPen(), "Color"));
}

TEST(AttrPublished, PropertiesSetThroughTheTableReachTheObject) {
  TQuilPen pen;
  Property(pen, "JoinStyle").Set(pen, int64_t{jsBevel});
  EXPECT_EQ(pen.JoinStyle(), jsBevel);
  TQuilBrush& fill = dynamic_cast<TQuilBrush&>(*Property(pen, "Fill").Object(pen));
  EXPECT_EQ(&fill, pen.FillOrNull());

  TQuilFont font;
  Property(font, "Style").Set(font, int64_t{fsBold | fsUnderline});
  EXPECT_EQ(font.Style(), fsBold | fsUnderline);
  Property(font, "SizeFloat").Set(font, 9.5);
  EXPECT_EQ(font.Size(), 9);
  EXPECT_TRUE(Stored(font, "SizeFloat"));
}

TEST(AttrPublished, BrushColourAgainstItsDefaultAndImageOnlyWhenPresent) {
  TQuilBrush brush;
  EXPECT_EQ(IntDefault(brush, "Color"), clQuilColor);
  EXPECT_EQ(IntDefault(brush, "BackColor"), clNone);
  EXPECT_EQ(Property(brush, "HatchStyle").Enum->Names.size(), 53u);
  EXPECT_EQ(Property(brush, "HatchStyle").Enum->Names.at(36), "hsZigZag");
  EXPECT_FALSE(Stored(brush, "Color"));
  EXPECT_FALSE(Stored(brush, "Image"));
  brush.InitColor(clRed);
  EXPECT_FALSE(Stored(brush, "Color"));
  brush.SetColor(clQuilColor);
  EXPECT_TRUE(Stored(brush, "Color"));
  brush.Image();
  EXPECT_TRUE(Stored(brush, "Image"));
}

TEST(AttrPublished, FontStoresAgainstTheDefaultFontAndItsOwnDefaults) {
  TQuilFont font;
  for (const char* name : {"Height", "Name", "Color", "Style", "Charset", "SizeFloat", "Gradient", "Picture", "Size"})
    EXPECT_FALSE(Stored(font, name)) << name;
  font.SetSize(12);
  font.SetName("Liberation Mono");
  font.SetColor(clRed);
  font.SetStyle(fsItalic);
  for (const char* name : {"Height", "Name", "Color", "Style"}) EXPECT_TRUE(Stored(font, name)) << name;
  font.InitColor(clRed);
  font.InitStyle(fsItalic);
  EXPECT_FALSE(Stored(font, "Color"));
  EXPECT_FALSE(Stored(font, "Style"));
  font.Brush().Gradient().SetVisible(true);
  EXPECT_FALSE(Stored(font, "Gradient"));  // stored with the brush, not again
  EXPECT_EQ(IntDefault(font, "Quality"), fqDefault);
}

TEST(AttrPublished, GradientColourViewsStoreOnlyOnceStopsExist) {
  TQuilGradient g;
  for (const char* name : {"StartColor", "MidColor", "EndColor", "Colors", "Direction", "Visible", "Balance"})
    EXPECT_FALSE(Stored(g, name)) << name;
  g.SetStartColor(clRed);
  EXPECT_TRUE(Stored(g, "StartColor"));
  EXPECT_FALSE(Stored(g, "EndColor"));
  EXPECT_FALSE(Stored(g, "MidColor"));
  EXPECT_FALSE(Stored(g, "Colors"));
  g.SetMidColor(clBlue);
  EXPECT_TRUE(Stored(g, "MidColor"));
  g.InitDirection(gdLeftRight);
  g.InitVisible(true);
  EXPECT_FALSE(Stored(g, "Direction"));
  EXPECT_FALSE(Stored(g, "Visible"));
  g.SetDirection(gdTopBottom);
  EXPECT_TRUE(Stored(g, "Direction"));
  EXPECT_EQ(IntDefault(g, "Balance"), 50);
  EXPECT_EQ(IntDefault(g.SubGradient(), "Transparency"), 50);
}

TEST(AttrPublished, ShadowAndEmbossDefaults) {
  TQuilShadow shadow;
  TQuilEmboss emboss;
  EXPECT_EQ(IntDefault(shadow, "Direction"), 3);
  EXPECT_EQ(IntDefault(emboss, "Direction"), 0);
  EXPECT_EQ(IntDefault(shadow, "Visible"), 1);
  EXPECT_EQ(IntDefault(emboss, "Visible"), 0);
  EXPECT_EQ(IntDefault(shadow, "Transparency"), 50);
  for (const TQuilShadow* s : {static_cast<const TQuilShadow*>(&shadow), static_cast<const TQuilShadow*>(&emboss)})
    for (const char* name : {"Direction", "Visible", "Color", "HorizSize", "VertSize", "Smooth", "Clip"})
      EXPECT_FALSE(Stored(*s, name)) << s->ClassName() << "." << name;
  shadow.InitValues(true, clBlack, 2);
  EXPECT_FALSE(Stored(shadow, "HorizSize"));
  EXPECT_FALSE(Stored(shadow, "Color"));
  shadow.SetHorizSize(3);
  emboss.Show();
  EXPECT_TRUE(Stored(shadow, "HorizSize"));
  EXPECT_FALSE(Stored(shadow, "VertSize"));
  EXPECT_TRUE(Stored(emboss, "Visible"));
}

TEST(AttrPublished, CornersPublishTheirFourCorners) {
  TQuilCorners corners;
  auto* corner = dynamic_cast<TQuilCorner*>(Property(corners, "RightBottom").Object(corners));
  ASSERT_EQ(corner, &corners.RightBottom());
  EXPECT_FALSE(Stored(*corner, "Style"));
  corner->SetStyle(cosBevel);
  EXPECT_TRUE(Stored(*corner, "Style"));
}

}  // namespace
}  // namespace quil
