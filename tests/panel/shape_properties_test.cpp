#include "shape_fixture.h"

#include "core/scripted_reader.h"
#include "panel/strings_shape.h"

namespace quil {
namespace {

using ShapeProperties = ShapeTest;

TEST_F(ShapeProperties, PublishedValuesStartAtTheirDefaultsAndAreNotStored) {
  TTextShape box(panel.get());
  struct Expected {
    const char* name;
    int64_t value;
  };
  const Expected defaults[] = {
      {"Alignment", taLeftJustify}, {"Angle", 0},       {"AutoSize", 1},         {"Bevel", bvNone},
      {"BevelWidth", 2},            {"ChildLayout", 0}, {"ClipText", 1},         {"Color", clWhite},
      {"Cursor", 0},                {"CustomPosition", 0}, {"ShapeStyle", fosRectangle}, {"TextAlignment", taLeftJustify},
      {"TextFormat", ttfNormal},    {"Transparency", 0}, {"Transparent", 0},     {"VertTextAlign", vtaCenter},
      {"Visible", 1},
  };
  for (const Expected& e : defaults) {
    SCOPED_TRACE(e.name);
    const TPropInfo* p = box.ClassType().FindProperty(e.name);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::get<int64_t>(p->Get(box)), e.value);
    EXPECT_FALSE(p->IsStored(box));
  }
  for (const char* name : {"Brush", "Children", "Emboss", "Font", "Frame", "Gradient", "Margins", "Picture", "Shadow",
                           "ShapeCallout", "Text", "Left", "Top"})
    EXPECT_NE(box.ClassType().FindProperty(name), nullptr) << name;
  EXPECT_FALSE(box.ClassType().FindProperty("Gradient")->IsStored(box)) << "the brush stores it";
  EXPECT_FALSE(box.ClassType().FindProperty("Text")->IsStored(box));
  EXPECT_FALSE(box.ClassType().FindProperty("Left")->IsStored(box));

  EXPECT_EQ(box.Shadow().Color(), clBlack);
  EXPECT_EQ(box.Shadow().HorizSize(), 3);
  EXPECT_EQ(box.Shadow().VertSize(), 3);
  EXPECT_EQ(box.Shadow().Transparency(), 50);
  EXPECT_TRUE(box.Shadow().Visible());
  EXPECT_FALSE(box.Emboss().Visible());
  EXPECT_EQ(box.Emboss().HorizSize(), 3);
  EXPECT_EQ(box.Margins().Left(), 10);
  EXPECT_EQ(box.Margins().Top(), 5);
  EXPECT_EQ(box.Margins().Units(), maPercentFont);
  EXPECT_EQ(box.RoundSize(), 16);
  EXPECT_EQ(box.ShapeCallout().Size(), 25);
  EXPECT_EQ(box.ShapeCallout().Width(), 20);
}

TEST_F(ShapeProperties, OwnerDefaultsDecideWhatIsStored) {
  TTextShape box(panel.get());
  box.InitTransparent(true);
  box.InitTextAlignment(taCenter);
  box.InitVisible(false);
  for (const char* name : {"Transparent", "TextAlignment", "Visible"})
    EXPECT_FALSE(box.ClassType().FindProperty(name)->IsStored(box)) << name;
  box.SetTransparent(false);
  box.SetTextAlignment(taLeftJustify);
  box.Show();
  for (const char* name : {"Transparent", "TextAlignment", "Visible"})
    EXPECT_TRUE(box.ClassType().FindProperty(name)->IsStored(box)) << name;
}

TEST_F(ShapeProperties, SettersRepaintOnlyOnARealChange) {
  TTextShape box(panel.get());
  const auto changed = [&](auto&& set) {
    const int before = host->InvalidateCount();
    set();
    return host->InvalidateCount() - before;
  };
  EXPECT_GT(changed([&] { box.SetText("New"); }), 0);
  EXPECT_EQ(changed([&] { box.SetText("New"); }), 0);
  EXPECT_GT(changed([&] { box.SetAngle(30); }), 0);
  EXPECT_EQ(changed([&] { box.SetAngle(30); }), 0);
  EXPECT_EQ(changed([&] { box.SetTransparency(0); }), 0);
  EXPECT_EQ(changed([&] { box.SetClipText(true); }), 0);
  EXPECT_GT(changed([&] { box.SetClipText(false); }), 0);
  EXPECT_GT(changed([&] { box.Frame().SetColor(clRed); }), 0);
  EXPECT_GT(changed([&] { box.Font().SetSize(12); }), 0);
  EXPECT_GT(changed([&] { box.Margins().SetLeft(3); }), 0);
  EXPECT_GT(changed([&] { box.Shadow().SetColor(clBlue); }), 0);
  EXPECT_GT(changed([&] { box.Hide(); }), 0);
  EXPECT_EQ(changed([&] { box.Hide(); }), 0);
}

TEST_F(ShapeProperties, RoundSizeAboveZeroMakesARoundRectangle) {
  TTextShape box(panel.get());
  box.SetRoundSize(0);
  EXPECT_EQ(box.ShapeStyle(), fosRectangle);
  box.SetRoundSize(8);
  EXPECT_EQ(box.ShapeStyle(), fosRoundRectangle);
  EXPECT_EQ(box.RoundSize(), 8);
}

TEST_F(ShapeProperties, SettingLeftOrTopKeepsTheGivenPosition) {
  TTextShape box(panel.get());
  EXPECT_FALSE(box.CustomPosition());
  box.SetLeft(17);
  EXPECT_TRUE(box.CustomPosition());
  EXPECT_EQ(box.ShapeBounds.Left, 17);
  EXPECT_TRUE(box.ClassType().FindProperty("Left")->IsStored(box));
  EXPECT_TRUE(box.ClassType().FindProperty("CustomPosition")->IsStored(box));
  TTextShape other(panel.get());
  other.SetTop(9);
  EXPECT_TRUE(other.CustomPosition());
  EXPECT_EQ(other.Top(), 9);
  box.MoveTo(100, 200);
  EXPECT_EQ(box.Left(), 100);
  EXPECT_EQ(box.Top(), 200);
}

// Reads one colour value as a name or as a number, as the form reader hands them out.
class TColorValueReader : public test::TScriptedReader {
 public:
  TColorValueReader(std::vector<test::TScriptValue> script, bool asName)
      : TScriptedReader(std::move(script)), asName_(asName) {}
  TValueType NextValue() override { return asName_ ? vaIdent : vaInt32; }

 private:
  bool asName_;
};

TEST_F(ShapeProperties, OldShadowValuesAreReadButNeverWritten) {
  TTextShape box(panel.get());
  TColorValueReader byName({std::string("clRed")}, true);
  test::TDefinedPropertyRunner color("ShadowColor", byName);
  ASSERT_TRUE(color.Run(box));
  EXPECT_FALSE(color.HasData());
  EXPECT_EQ(box.Shadow().Color(), clRed);

  TColorValueReader byNumber({int64_t{0x00FF00}}, false);
  test::TDefinedPropertyRunner number("ShadowColor", byNumber);
  ASSERT_TRUE(number.Run(box));
  EXPECT_EQ(box.Shadow().Color(), TColor(0x00FF00));

  test::TScriptedReader sizeReader({int64_t{7}});
  test::TDefinedPropertyRunner size("ShadowSize", sizeReader);
  ASSERT_TRUE(size.Run(box));
  EXPECT_FALSE(size.HasData());
  EXPECT_EQ(box.Shadow().HorizSize(), 7);
  EXPECT_EQ(box.Shadow().VertSize(), 7);

  TColorValueReader unknown({std::string("clNoSuchColour")}, true);
  test::TDefinedPropertyRunner bad("ShadowColor", unknown);
  EXPECT_THROW(bad.Run(box), EReadError);
}

TEST_F(ShapeProperties, StringsShapeKeepsLinesAndTextTogether) {
  TStringsShape title(panel.get());
  title.Lines().Add("ab");
  EXPECT_EQ(title.Text(), "ab") << "the final break goes";
  title.Lines().Add("cd");
  EXPECT_EQ(title.Text(), "ab\r\ncd");
  title.Lines().Clear();
  title.Lines().Add("");
  EXPECT_EQ(title.Text(), "\r\n") << "a lone break is kept";

  title.SetText("one\r\ntwo");
  EXPECT_EQ(title.Lines().Count(), 2);
  EXPECT_EQ(title.Lines()[1], "two");
  EXPECT_EQ(title.Text(), "one\r\ntwo");
  EXPECT_EQ(title.Caption(), "one");

  title.SetCaption("Only");
  EXPECT_EQ(title.Lines().Count(), 1);
  EXPECT_EQ(title.Text(), "Only");
  title.Clear();
  EXPECT_EQ(title.Lines().Count(), 0);
  EXPECT_EQ(title.Caption(), "");
  EXPECT_EQ(title.Text(), "");

  const int before = host->InvalidateCount();
  title.Lines().Add("again");
  EXPECT_GT(host->InvalidateCount(), before);
  EXPECT_EQ(title.ClassType().FindProperty("Text")->Kind, TPropKind::Class);
}

TEST_F(ShapeProperties, AssignCopiesTheBoxAndItsChildren) {
  TTextShape source(panel.get());
  source.SetText("Copy me");
  source.SetColor(clYellow);
  source.SetBevel(bvLowered);
  source.Margins().SetUnits(maPixels);
  source.Shadow().SetColor(clRed);
  static_cast<TTextShape&>(source.Children().Add()).SetText("child");
  TTextShape target(panel.get());
  target.Assign(source);
  EXPECT_EQ(target.Text(), "Copy me");
  EXPECT_EQ(target.Color(), clYellow);
  EXPECT_EQ(target.Bevel(), bvLowered);
  EXPECT_EQ(target.Margins().Units(), maPixels);
  EXPECT_EQ(target.Shadow().Color(), clRed);
  ASSERT_EQ(target.Children().Count(), 1);
  EXPECT_EQ(static_cast<TTextShape&>(target.Children()[0].Shape()).Text(), "child");
  EXPECT_THROW(target.Children()[1], ERangeError);
}

}  // namespace
}  // namespace quil
