#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "app/embedded_form.h"
#include "app/library_startup.h"
#include "app/main_form.h"
#include "canvas/brush.h"
#include "chart/rovede.h"
#include "core/binary_reader.h"
#include "core/collection.h"
#include "core/exceptions.h"
#include "core/stream_builder.h"
#include "engine/rovede_axis.h"
#include "engine/themed_series.h"
#include "engine/value_lists.h"
#include "panel/headless_host.h"
#include "series/surface/surface_series.h"
#include "tools/legend_palette_tool.h"

namespace quil {
namespace {

std::span<const uint8_t> MainDescription() { return {embedded::TFORM1, embedded::TFORM1_size}; }

template <class T>
T& Find(TComponent& owner, const char* name) {
  auto* found = dynamic_cast<T*>(owner.FindComponent(name));
  if (!found) throw EQuilError(std::string("missing ") + name);
  return *found;
}

class FormDescription : public ::testing::Test {
 protected:
  TLibraryStartup library_;
};

TEST_F(FormDescription, MainWindowDescriptionHoldsEveryObjectAndValue) {
  ASSERT_EQ(MainDescription().size(), 679u);
  TForm1 form;
  InitInheritedComponent(form, TForm::StaticClass(),
                         std::vector<TResource>{{RT_RCDATA, "tform1", MainDescription()}});

  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(form.Left(), 0);
  EXPECT_EQ(form.Top(), 0);
  EXPECT_EQ(form.Caption(), "Form1");
  EXPECT_EQ(form.ClientWidth(), 1345);
  EXPECT_EQ(form.ClientHeight(), 966);
  EXPECT_EQ(form.Color(), clBtnFace);
  EXPECT_EQ(form.Font().Charset(), 1);
  EXPECT_EQ(form.Font().Color(), clWindowText);
  EXPECT_EQ(form.Font().Height(), -12);
  EXPECT_EQ(form.Font().Name(), "Segoe UI");
  EXPECT_EQ(form.Font().Style(), 0);
  EXPECT_EQ(form.TextHeight(), 15);

  auto& chart = Find<ROvede>(form, "Chart1");
  EXPECT_EQ(chart.Owner(), &form);
  EXPECT_EQ(chart.Parent(), &form);
  EXPECT_EQ(chart.BoundsRect(), (TRect{185, 120, 185 + 913, 120 + 705}));
  EXPECT_EQ(chart.Title().Lines().Lines(), std::vector<std::string>{"ROvede"});
  EXPECT_EQ(chart.TabOrder(), 0);
  EXPECT_EQ(chart.Canvas().ClassName(), "TGDIPlusCanvas");
  EXPECT_EQ(chart.ColorPaletteIndex(), 0);
  EXPECT_EQ(form.ActiveControl(), &chart);

  auto& series = Find<TSurfaceSeries>(form, "Series1");
  EXPECT_EQ(series.Owner(), &form);
  EXPECT_EQ(series.ParenrOvede(), &chart);
  ASSERT_EQ(chart.SeriesCount(), 1);
  EXPECT_EQ(series.Count(), 0);
  EXPECT_EQ(series.HoverElement(), 0u);
  EXPECT_FALSE(series.Selected().Hover().Visible());
  EXPECT_EQ(series.SideBrush().Style(), bsClear);
  for (const auto& [list, name] : {std::pair<ROvedeValueList*, const char*>{&series.XValues(), "X"},
                                   {&series.YValues(), "Y"},
                                   {&series.ZValues(), "Z"}}) {
    EXPECT_EQ(list->Name(), name);
    EXPECT_EQ(list->Order(), loNone) << name;
  }

  auto& tool = Find<TLegendPaletteTool>(form, "ChartTool1");
  EXPECT_EQ(tool.Owner(), &form);
  ASSERT_EQ(chart.Tools().Count(), 1);
  EXPECT_EQ(&chart.Tools()[0], &tool);
  EXPECT_EQ(tool.Series(), &series);

  auto& button = Find<TButton>(form, "Button1");
  EXPECT_EQ(button.BoundsRect(), (TRect{1104, 768, 1104 + 137, 768 + 25}));
  EXPECT_EQ(button.Caption(), "Button1");
  EXPECT_EQ(button.TabOrder(), 1);

  for (int i = 0; i < form.ComponentCount(); ++i)
    EXPECT_FALSE(form.Components(i)->HasState(csLoading | csReading)) << form.Components(i)->Name();
}

// The window the description's values describe, put together by code: the reference the
// description's picture is compared with.
std::unique_ptr<TForm> AssembleMainWindow() {
  auto form = std::make_unique<TForm1>();
  form->SetState(csLoading);
  form->SetName("Form1");
  form->SetCaption("Form1");
  form->SetClientWidth(1345);
  form->SetClientHeight(966);
  form->SetColor(clBtnFace);
  auto& series = MakeOwned<TSurfaceSeries>(*form);
  series.SetState(csLoading);
  series.SetName("Series1");
  series.SetHoverElement(0);
  series.Selected().Hover().SetVisible(false);
  series.SideBrush().SetStyle(bsClear);
  for (ROvedeValueList* list : {&series.XValues(), &series.YValues(), &series.ZValues()}) list->SetOrder(loNone);
  auto& chart = MakeOwned<ROvede>(*form);
  chart.SetState(csLoading);
  chart.SetName("Chart1");
  chart.SetParent(form.get());
  chart.SetBounds(185, 120, 913, 705);
  chart.SetTabOrder(0);
  chart.SetDefaultCanvasName("TGDIPlusCanvas");
  chart.Title().SetText({"ROvede"});
  chart.SetColorPaletteIndex(0);
  series.SetParenrOvede(&chart);
  auto& tool = MakeOwned<TLegendPaletteTool>(*form);
  tool.SetState(csLoading);
  tool.SetName("ChartTool1");
  tool.SetParenrOvede(&chart);
  tool.SetSeries(&series);
  for (TComponent* c : std::initializer_list<TComponent*>{form.get(), &series, &tool, &chart}) c->Loaded();
  return form;
}

TEST_F(FormDescription, MainWindowsChartDrawsAsTheChartItsValuesDescribe) {
  auto read = CreateMainForm();
  auto built = AssembleMainWindow();
  THeadlessHost readHost(Find<TControl>(*read, "Chart1"));
  THeadlessHost builtHost(Find<TControl>(*built, "Chart1"));
  const TBitmap& a = readHost.Render();
  const TBitmap& b = builtHost.Render();
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) differing += a.Pixel(x, y) != b.Pixel(x, y);
  EXPECT_EQ(differing, 0);
}

TEST_F(FormDescription, ReadingFailuresNameTheObjectAndProperty) {
  using test::TStreamBuilder;
  const auto chartWith = [](const std::function<void(TStreamBuilder&)>& properties) {
    TStreamBuilder b;
    b.Signature().Object("TForm1", "Form1").End().Object("ROvede", "Chart1");
    properties(b);
    b.End().End().End();
    return b.Result();
  };
  try {
    ReadFormDescription(chartWith([](TStreamBuilder& b) { b.Str("Nonsense").Int8(1); }));
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Error reading Chart1.Nonsense: Property Nonsense does not exist");
  }
  // Paths in another letter case read as if spelled exactly; the title is made on the way.
  auto form = ReadFormDescription(chartWith([](TStreamBuilder& b) {
    b.Str("title.text.strings").Tag(vaList).String("lower").End();
    b.Str("LEFTAXIS.MINIMUM").Int8(-3);
  }));
  auto& chart = Find<ROvede>(*form, "Chart1");
  EXPECT_EQ(chart.Title().Lines().Lines(), std::vector<std::string>{"lower"});
  EXPECT_EQ(chart.LeftAxis().Minimum(), -3);

  // Stored points whose count or length lie fail before anything is allocated for them.
  const auto seriesData = [](const std::function<void(TStreamBuilder&)>& data) {
    TStreamBuilder b;
    b.Signature().Object("TForm1", "Form1").End().Object("ROvede", "Chart1").End();
    b.Object("TThemedSeries", "S").Str("Data");
    data(b);
    b.End().End().End().End();
    return b.Result();
  };
  for (const auto& data : std::vector<std::function<void(TStreamBuilder&)>>{
           [](TStreamBuilder& b) { b.Tag(vaBinary).Bytes(uint32_t{0xFFFFFFFF}).Byte(0); },
           [](TStreamBuilder& b) { b.Tag(vaBinary).Bytes(uint32_t{5}).Byte(0).Bytes(int32_t{0x7FFFFFFF}); },
       }) {
    try {
      ReadFormDescription(seriesData(data));
      ADD_FAILURE() << "no error";
    } catch (const EReadError& e) {
      EXPECT_STREQ(e.what(), "Error reading S.Data: Stream read error");
    }
  }
  // The same series with honest data is read, and joins its chart.
  form = ReadFormDescription(seriesData([](TStreamBuilder& b) {
    b.Tag(vaBinary).Bytes(uint32_t{5 + 8}).Byte(0).Bytes(int32_t{1}).Bytes(2.5);
  }));
  EXPECT_EQ(Find<ROvede>(*form, "Chart1").SeriesCount(), 1);
  EXPECT_EQ(Find<TThemedSeries>(*form, "S").YValues().Value(0), 2.5);
}

// Values a description may hold that no chart built by hand would: drawing either works or fails
// with the library's message (the sanitizer build catches anything undefined on the way).
TEST_F(FormDescription, ExtremeStoredValuesDrawOrFailWithAMessage) {
  using test::TStreamBuilder;
  using TSetting = std::function<void(TStreamBuilder&)>;
  const int32_t big = std::numeric_limits<int32_t>::max();
  const int32_t small = std::numeric_limits<int32_t>::min();
  const std::vector<std::pair<const char*, TSetting>> cases = {
      {"zoom", [&](TStreamBuilder& b) { b.Str("View3DOptions.Zoom").Int32(big); }},
      {"font zoom", [&](TStreamBuilder& b) { b.Str("View3DOptions.FontZoom").Int32(big); }},
      {"perspective", [&](TStreamBuilder& b) { b.Str("View3DOptions.Perspective").Int32(small); }},
      {"offset", [&](TStreamBuilder& b) { b.Str("View3DOptions.HorizOffset").Int32(big); }},
      {"elevation", [&](TStreamBuilder& b) { b.Str("View3DOptions.Elevation").Int32(small); }},
      {"depth", [&](TStreamBuilder& b) { b.Str("Chart3DPercent").Int32(big); }},
      {"margins", [&](TStreamBuilder& b) { b.Str("MarginLeft").Int32(big).Str("MarginTop").Int32(small); }},
      {"axis range",
       [](TStreamBuilder& b) {
         b.Str("LeftAxis.Automatic").Tag(vaFalse).Str("LeftAxis.Minimum").Double(-1e308);
         b.Str("LeftAxis.Maximum").Double(1e308);
       }},
      {"not a number",
       [](TStreamBuilder& b) {
         b.Str("LeftAxis.Automatic").Tag(vaFalse).Str("LeftAxis.Minimum").Double(std::nan(""));
         b.Str("LeftAxis.Maximum").Double(std::numeric_limits<double>::infinity());
       }},
      {"tiny increment", [](TStreamBuilder& b) { b.Str("LeftAxis.Increment").Double(1e-300); }},
      {"logarithmic base 1",
       [](TStreamBuilder& b) { b.Str("LeftAxis.LogarithmicBase").Double(1).Str("LeftAxis.Logarithmic").Tag(vaTrue); }},
      {"label sizes", [&](TStreamBuilder& b) { b.Str("LeftAxis.LabelsSize").Int32(big).Str("LeftAxis.TickLength").Int32(big); }},
      {"font height", [&](TStreamBuilder& b) { b.Str("Title.Font.Height").Int32(small); }},
  };
  for (const auto& [what, setting] : cases) {
    SCOPED_TRACE(what);
    TStreamBuilder b;
    b.Signature().Object("TForm1", "Form1").End().Object("ROvede", "Chart1");
    b.Str("Width").Int16(200).Str("Height").Int16(150);
    setting(b);
    b.End().Object("TThemedSeries", "S").Str("Data").Tag(vaBinary).Bytes(uint32_t{5 + 3 * 8}).Byte(0);
    b.Bytes(int32_t{3}).Bytes(1.0).Bytes(-7.5).Bytes(40.0).End().End();
    b.End().End().End();
    std::unique_ptr<TForm> form;
    try {
      form = ReadFormDescription(b.Result());
    } catch (const EQuilError&) {
      continue;  // refused while reading: also a clear answer
    }
    THeadlessHost host(Find<TControl>(*form, "Chart1"));
    try {
      host.Render();
    } catch (const EQuilError&) {
    }
  }
}

// Every published value of a and b, sub-objects and collections included, compared by path.
// Properties a descendant declares again are compared once, as the reader sees them; names are
// left to the caller.
void ExpectSamePublished(TPersistent& a, TPersistent& b, const std::string& path, int depth = 0) {
  ASSERT_EQ(a.ClassName(), b.ClassName()) << path;
  ASSERT_LT(depth, 12) << path;
  for (const TPropInfo* p : a.ClassType().Properties()) {
    const std::string at = path + "." + p->Name;
    if (p->Kind == TPropKind::Event || p->Name == "Name" || a.ClassType().FindProperty(p->Name) != p) continue;
    if (p->Kind != TPropKind::Class) {
      if (p->Get) {
        EXPECT_EQ(p->Get(a), p->Get(b)) << at;
      }
      continue;
    }
    TPersistent* oa = p->Object ? p->Object(a) : nullptr;
    TPersistent* ob = p->Object ? p->Object(b) : nullptr;
    ASSERT_EQ(oa == nullptr, ob == nullptr) << at;
    if (!oa) continue;
    if (p->SetObject) {
      auto* ca = dynamic_cast<TComponent*>(oa);
      auto* cb = dynamic_cast<TComponent*>(ob);
      EXPECT_EQ(ca ? ca->Name() : "", cb ? cb->Name() : "") << at;
    } else if (auto* ca = dynamic_cast<TCollection*>(oa)) {
      auto& cb = dynamic_cast<TCollection&>(*ob);
      ASSERT_EQ(ca->Count(), cb.Count()) << at;
      for (int i = 0; i < ca->Count(); ++i) ExpectSamePublished(ca->Item(i), cb.Item(i), at, depth + 1);
    } else {
      ExpectSamePublished(*oa, *ob, at, depth + 1);
    }
  }
}

TEST_F(FormDescription, ChartBuiltByCodeIsSavedAndReadBack) {
  TForm1 form;
  form.SetName("Form1");
  auto& chart = MakeOwned<ROvede>(form);
  chart.SetName("Chart1");
  chart.SetParent(&form);
  chart.SetBounds(5, 6, 420, 300);
  chart.Title().SetText("Saved\rand read");
  chart.SubTitle().SetText("sub");
  chart.SetColorPaletteIndex(4);
  chart.LeftAxis().SetAutomatic(false);
  chart.LeftAxis().SetMinMax(-2, 12.5);
  chart.BottomAxis().SetInverted(true);
  chart.View3DOptions().SetElevation(330);
  auto& series = MakeOwned<TThemedSeries>(form);
  series.SetName("Series1");
  series.SetParenrOvede(&chart);
  series.SetTitle("values");
  series.SetSeriesColor(clRed);
  for (int i = 0; i < 8; ++i) series.AddXY(i * 1.5, (i * 37) % 11 - 3, i == 3 ? "three" : "", i == 5 ? clBlue : clQuilColor);
  auto& button = MakeOwned<TButton>(form);
  button.SetName("Button1");
  button.SetParent(&form);
  button.SetCaption("Go");

  const std::vector<uint8_t> bytes = WriteFormDescription(form);
  auto copy = ReadFormDescription(bytes);
  EXPECT_EQ(copy->Name(), "Form1_1");  // the original window still bears its name
  ExpectSamePublished(form, *copy, "Form1");
  ExpectSamePublished(chart, Find<ROvede>(*copy, "Chart1"), "Chart1");
  auto& seriesCopy = Find<TThemedSeries>(*copy, "Series1");
  ExpectSamePublished(series, seriesCopy, "Series1");
  ASSERT_EQ(seriesCopy.Count(), series.Count());
  for (int i = 0; i < series.Count(); ++i) {
    EXPECT_EQ(seriesCopy.XValues().Value(i), series.XValues().Value(i));
    EXPECT_EQ(seriesCopy.YValues().Value(i), series.YValues().Value(i));
    EXPECT_EQ(seriesCopy.XLabel(i), series.XLabel(i));
  }
  ExpectSamePublished(button, Find<TButton>(*copy, "Button1"), "Button1");
  // Written again under the same name, the copy gives the same bytes.
  form.SetName("Other");
  copy->SetName("Form1");
  EXPECT_EQ(WriteFormDescription(*copy), bytes);

  THeadlessHost original(chart);
  THeadlessHost readBack(Find<ROvede>(*copy, "Chart1"));
  const TBitmap& a = original.Render();
  const TBitmap& b = readBack.Render();
  a.SaveToPNGFile(QUIL_TEST_OUTPUT_DIR "/form_round_trip.png");
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) differing += a.Pixel(x, y) != b.Pixel(x, y);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace quil
