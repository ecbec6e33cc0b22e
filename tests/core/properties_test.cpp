#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/color.h"
#include "core/color_idents.h"
#include "core/component.h"
#include "core/exceptions.h"
#include "core/persistent.h"
#include "core/properties.h"
#include "core/strings.h"

namespace quil {
namespace {

enum class TShade { shLight, shMedium, shDark };

const TEnumInfo& ShadeNames() {
  static const TEnumInfo info{"TShade", {"shLight", "shMedium", "shDark"}};
  return info;
}

const TEnumInfo& StyleNames() {
  static const TEnumInfo info{"TStyle", {"fsBold", "fsItalic", "fsUnderline"}};
  return info;
}

class TPropTitle : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  TStrings& Text() { return text_; }

 private:
  TStrings text_;
};

class TPropBase : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  int Size() const { return size_; }
  void SetSize(int v) { size_ = v; }

 private:
  int size_ = 10;
};

// One property of every kind, with defaults, a read-only one and a sub-object created on demand.
class TPropSubject : public TPropBase {
  QUIL_PERSISTENT_CLASS

 public:
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { ratio_ = v; }
  const std::string& Label() const { return label_; }
  void SetLabel(const std::string& v) { label_ = v; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { color_ = v; }
  int Charset() const { return charset_; }
  void SetCharset(int v) { charset_ = v; }
  TShade Shade() const { return shade_; }
  void SetShade(TShade v) { shade_ = v; }
  uint32_t Styles() const { return styles_; }
  void SetStyles(uint32_t v) { styles_ = v; }
  bool Shown() const { return shown_; }
  void SetShown(bool v) noexcept { shown_ = v; }
  int Revision() const { return 3; }
  TComponent* Partner() const { return partner_; }
  void SetPartner(TComponent* v) { partner_ = v; }
  bool TitleMade() const { return title_ != nullptr; }
  TPropTitle& Title() {
    if (!title_) title_ = std::make_unique<TPropTitle>();
    return *title_;
  }

 private:
  double ratio_ = 0.5;
  std::string label_ = "none";
  TColor color_ = clBtnFace;
  int charset_ = 1;
  TShade shade_ = TShade::shMedium;
  uint32_t styles_ = 0;
  bool shown_ = true;
  TComponent* partner_ = nullptr;
  std::unique_ptr<TPropTitle> title_;
};

const TMetaClass& TPropTitle::StaticClass() {
  static const TMetaClass meta("TPropTitle", &TPersistent::StaticClass(),
                               TPropertyListBuilder<TPropTitle>().Object("Text", &TPropTitle::Text).Build());
  return meta;
}

const TMetaClass& TPropBase::StaticClass() {
  static const TMetaClass meta("TPropBase", &TPersistent::StaticClass(),
                               TPropertyListBuilder<TPropBase>().Int("Size", &TPropBase::Size, &TPropBase::SetSize, 10).Build());
  return meta;
}

const TMetaClass& TPropSubject::StaticClass() {
  static const TMetaClass meta(
      "TPropSubject", &TPropBase::StaticClass(),
      TPropertyListBuilder<TPropSubject>()
          .Float("Ratio", &TPropSubject::Ratio, &TPropSubject::SetRatio, 0.5)
          .String("Label", &TPropSubject::Label, &TPropSubject::SetLabel, std::string("none"))
          .Int("Color", &TPropSubject::Color, &TPropSubject::SetColor, clBtnFace, &ColorIdents())
          .Int("Charset", &TPropSubject::Charset, &TPropSubject::SetCharset, 1, &CharsetIdents())
          .Enum("Shade", ShadeNames(), &TPropSubject::Shade, &TPropSubject::SetShade, 1)
          .Set("Styles", StyleNames(), &TPropSubject::Styles, &TPropSubject::SetStyles, 0)
          .Bool("Shown", &TPropSubject::Shown, &TPropSubject::SetShown, true)
          .Int("Revision", &TPropSubject::Revision, nullptr)
          .Int("Extent", &TPropBase::Size, &TPropBase::SetSize)  // an ancestor's accessors
          .Reference("Partner", &TPropSubject::Partner, &TPropSubject::SetPartner)
          .Object("Title", &TPropSubject::Title)
          .Build());
  return meta;
}

const TPropInfo& Prop(std::string_view name) {
  const TPropInfo* p = TPropSubject::StaticClass().FindProperty(name);
  if (!p) throw std::logic_error("no property " + std::string(name));
  return *p;
}

TEST(PropertyDescriptors, FoundByNameWithoutRegardToCase) {
  for (const char* name : {"Ratio", "ratio", "RATIO", "rAtIo"}) {
    SCOPED_TRACE(name);
    const TPropInfo* p = TPropSubject::StaticClass().FindProperty(name);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Name, "Ratio");
    EXPECT_EQ(p->Kind, TPropKind::Float);
  }
  EXPECT_EQ(TPropSubject::StaticClass().FindProperty("Ratios"), nullptr);
  EXPECT_EQ(TPropSubject::StaticClass().FindProperty(""), nullptr);
}

TEST(PropertyDescriptors, InheritedPropertiesAreVisibleThroughSubclasses) {
  const TPropInfo* size = TPropSubject::StaticClass().FindProperty("size");
  ASSERT_NE(size, nullptr);
  EXPECT_EQ(size, TPropBase::StaticClass().FindProperty("Size"));
  EXPECT_EQ(TPropBase::StaticClass().FindProperty("Ratio"), nullptr);

  // Own properties first, then the ancestors', each once.
  const auto all = TPropSubject::StaticClass().Properties();
  ASSERT_EQ(all.size(), TPropSubject::StaticClass().OwnProperties().size() + 1);
  EXPECT_EQ(all.front()->Name, "Ratio");
  EXPECT_EQ(all.back()->Name, "Size");

  TPropSubject subject;
  SetPropertyValue(subject, *size, int64_t{42});
  EXPECT_EQ(subject.Size(), 42);
}

TEST(PropertyDescriptors, GettersAndSettersWorkThroughTheDescriptor) {
  TPropSubject s;
  SetPropertyValue(s, Prop("Ratio"), 2.25);
  SetPropertyValue(s, Prop("Label"), std::string("ROvede"));
  SetPropertyValue(s, Prop("Shade"), int64_t{2});
  SetPropertyValue(s, Prop("Styles"), int64_t{0b101});
  SetPropertyValue(s, Prop("Shown"), int64_t{0});
  SetPropertyValue(s, Prop("Extent"), int64_t{-7});
  SetPropertyValue(s, Prop("Color"), int64_t{0xFF00000F});

  EXPECT_EQ(s.Ratio(), 2.25);
  EXPECT_EQ(s.Label(), "ROvede");
  EXPECT_EQ(s.Shade(), TShade::shDark);
  EXPECT_EQ(s.Styles(), 0b101u);
  EXPECT_FALSE(s.Shown());
  EXPECT_EQ(s.Size(), -7);
  EXPECT_EQ(s.Color(), clBtnFace);

  EXPECT_EQ(Prop("Ratio").Get(s), TPropValue(2.25));
  EXPECT_EQ(Prop("Label").Get(s), TPropValue(std::string("ROvede")));
  EXPECT_EQ(Prop("Shade").Get(s), TPropValue(int64_t{2}));
  EXPECT_EQ(Prop("Shown").Get(s), TPropValue(int64_t{0}));
  EXPECT_EQ(Prop("Color").Get(s), TPropValue(int64_t{0xFF00000F}));
}

TEST(PropertyDescriptors, AFloatTakesAWholeNumberOtherMismatchesFail) {
  TPropSubject s;
  SetPropertyValue(s, Prop("Ratio"), int64_t{3});
  EXPECT_EQ(s.Ratio(), 3.0);

  struct Case {
    const char* property;
    TPropValue value;
  };
  const Case cases[] = {{"Size", 1.5}, {"Size", std::string("1")}, {"Label", int64_t{1}}, {"Ratio", std::string("x")}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.property);
    try {
      SetPropertyValue(s, Prop(c.property), c.value);
      FAIL() << "mismatched value accepted";
    } catch (const EPropertyError& e) {
      EXPECT_STREQ(e.what(), "Invalid property value");
    }
  }
  EXPECT_EQ(s.Size(), 10);
  EXPECT_EQ(s.Label(), "none");
}

TEST(PropertyDescriptors, ReadOnlyPropertyRefusesValues) {
  TPropSubject s;
  const TPropInfo& revision = Prop("Revision");
  EXPECT_TRUE(revision.IsReadOnly());
  EXPECT_FALSE(Prop("Size").IsReadOnly());
  EXPECT_EQ(revision.Get(s), TPropValue(int64_t{3}));
  try {
    SetPropertyValue(s, revision, int64_t{4});
    FAIL() << "read-only property written";
  } catch (const EPropertyError& e) {
    EXPECT_STREQ(e.what(), "Property is read-only");
  }
}

TEST(PropertyDescriptors, EnumerationNamesMatchWithoutRegardToCase) {
  const TPropInfo& shade = Prop("Shade");
  ASSERT_EQ(shade.Enum, &ShadeNames());
  EXPECT_EQ(shade.Enum->IndexOf("shDark"), 2);
  EXPECT_EQ(shade.Enum->IndexOf("SHDARK"), 2);
  EXPECT_EQ(shade.Enum->IndexOf("shlight"), 0);
  EXPECT_EQ(shade.Enum->IndexOf("shNone"), -1);
  EXPECT_EQ(shade.Enum->IndexOf("shDark "), -1);
  EXPECT_EQ(Prop("Styles").Enum->IndexOf("FSITALIC"), 1);
}

TEST(PropertyDescriptors, ColourAndCharsetIdentifiers) {
  struct Case {
    const TIdentMap& map;
    const char* ident;
    int64_t value;
  };
  const Case cases[] = {
      {ColorIdents(), "clBtnFace", 0xFF00000F},   {ColorIdents(), "clWindowText", 0xFF000008},
      {ColorIdents(), "CLBTNFACE", 0xFF00000F},   {ColorIdents(), "clRed", 0x0000FF},
      {ColorIdents(), "clNone", clNone},          {CharsetIdents(), "DEFAULT_CHARSET", 1},
      {CharsetIdents(), "default_charset", 1},    {CharsetIdents(), "ANSI_CHARSET", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ident);
    EXPECT_EQ(c.map.ToInt(c.ident), c.value);
  }
  EXPECT_EQ(ColorIdents().ToInt("clBtnFaces"), std::nullopt);
  EXPECT_EQ(CharsetIdents().ToInt("clBtnFace"), std::nullopt);
  EXPECT_EQ(ColorIdents().ToIdent(0xFF00000F), "clBtnFace");
  EXPECT_EQ(ColorIdents().ToIdent(0x123456), std::nullopt);

  EXPECT_EQ(Prop("Color").Idents, &ColorIdents());
  EXPECT_EQ(Prop("Charset").Idents, &CharsetIdents());
  EXPECT_EQ(Prop("Size").Idents, nullptr);
}

TEST(PropertyDescriptors, StoredOnlyWhenDifferentFromTheDefault) {
  TPropSubject s;
  for (const char* name : {"Size", "Ratio", "Label", "Color", "Shade", "Styles", "Shown"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(Prop(name).IsStored(s));
  }
  EXPECT_TRUE(Prop("Extent").IsStored(s)) << "a property without default is always stored";

  s.SetSize(11);
  s.SetRatio(0.25);
  s.SetLabel("");
  s.SetColor(clWindowText);
  s.SetShade(TShade::shLight);
  s.SetStyles(1);
  s.SetShown(false);
  for (const char* name : {"Size", "Ratio", "Label", "Color", "Shade", "Styles", "Shown"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(Prop(name).IsStored(s));
  }
}

TEST(PropertyDescriptors, StoredWhenRuleWins) {
  TComponent c;
  c.SetName("Chart1");
  const TPropInfo* name = TComponent::StaticClass().FindProperty("name");
  ASSERT_NE(name, nullptr);
  EXPECT_FALSE(name->IsStored(c)) << "the name travels in the object header";
  SetPropertyValue(c, *name, std::string("Chart2"));
  EXPECT_EQ(c.Name(), "Chart2");
  EXPECT_THROW(SetPropertyValue(c, *name, std::string("2nd")), EComponentError);
}

TEST(PropertyDescriptors, SubObjectReachedThroughObject) {
  TPropSubject s;
  const TPropInfo& title = Prop("title");
  EXPECT_EQ(title.Kind, TPropKind::Class);
  EXPECT_FALSE(s.TitleMade());
  TPersistent* made = title.Object(s);
  EXPECT_TRUE(s.TitleMade()) << "created on first access";
  EXPECT_EQ(made, &s.Title());
  EXPECT_EQ(title.Object(s), made);

  const TPropInfo* text = made->ClassType().FindProperty("TEXT");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Object(*made), &s.Title().Text());
}

TEST(PropertyDescriptors, ReferenceTakesOnlyTheDeclaredClass) {
  TPropSubject s;
  TComponent partner;
  TPropTitle notAComponent;
  const TPropInfo& p = Prop("Partner");
  p.SetObject(s, &partner);
  EXPECT_EQ(s.Partner(), &partner);
  EXPECT_EQ(p.Object(s), &partner);
  p.SetObject(s, &notAComponent);
  EXPECT_EQ(s.Partner(), nullptr);
}

TEST(PropertyDescriptors, SameTextComparesAsciiLettersOnly) {
  EXPECT_TRUE(SameText("TSurfaceSeries", "tsurfaceSERIES"));
  EXPECT_FALSE(SameText("Series1", "Series"));
  EXPECT_FALSE(SameText("a_b", "a-b"));
  EXPECT_FALSE(SameText("\xC3\x84", "\xC3\xA4")) << "non-ASCII letters are not folded";
  EXPECT_TRUE(SameText("", ""));
}

}  // namespace
}  // namespace quil
