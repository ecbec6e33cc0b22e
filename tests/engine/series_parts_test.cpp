#include <gtest/gtest.h>

#include <map>

#include "core/component.h"
#include "core/filer.h"
#include "core/reader.h"
#include "series_test_support.h"

namespace quil {
namespace {

using testing::TLoggingSeries;
using testing::TTestAxisPanel;

TEST(SeriesParts, MarksStartHiddenCentredOnLightYellow) {
  ROvedeSeries series;
  EXPECT_EQ(series.MarksOrNull(), nullptr);
  const TSeriesMarks& marks = series.Marks();
  EXPECT_FALSE(marks.Visible());
  EXPECT_EQ(marks.Style(), smsLabelOrValue);
  EXPECT_EQ(marks.DrawEvery(), 1);
  EXPECT_EQ(marks.Angle(), 0);
  EXPECT_FALSE(marks.Clip());
  EXPECT_FALSE(marks.OnTop());
  EXPECT_FALSE(marks.MultiLine());
  EXPECT_TRUE(marks.AutoPosition());
  EXPECT_EQ(marks.TextAlignment(), taCenter);
  EXPECT_EQ(marks.RoundSize(), 4);
  EXPECT_EQ(marks.Color(), 0xE1FFFFu);
  EXPECT_TRUE(marks.UseSeriesTransparency());
  for (const char* name : {"Visible", "Color", "RoundSize", "TextAlignment", "Style"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(marks.ClassType().FindProperty(name)->IsStored(marks));
  }
  series.Marks().SetVisible(true);
  EXPECT_TRUE(marks.ClassType().FindProperty("Visible")->IsStored(marks));
}

TEST(SeriesParts, SelectionAndHoverLooks) {
  ROvedeSeries series;
  const TQuilSelected& selected = series.Selected();
  EXPECT_FALSE(selected.Visible());
  EXPECT_EQ(selected.Frame().Color(), clRed);
  EXPECT_EQ(selected.Frame().Width(), 2);
  EXPECT_EQ(selected.ItemIndex(), -1);
  EXPECT_EQ(selected.HoverIndex(), -1);
  EXPECT_TRUE(selected.Hover().Visible());
  EXPECT_EQ(selected.Hover().Frame().Color(), 0x800000FFu);
  EXPECT_EQ(selected.Hover().Frame().Width(), 3);
  EXPECT_EQ(selected.Hover().Font().Color(), clRed);
  EXPECT_FALSE(selected.ClassType().FindProperty("Visible")->IsStored(selected));
}

TEST(SeriesParts, LegendSettingsLiveInTheLegendShape) {
  ROvedeSeries series;
  EXPECT_TRUE(series.ShowInLegend());
  EXPECT_EQ(series.LegendOrNull(), nullptr);
  series.SetShowInLegend(false);
  series.SetLegendTitle("shown");
  EXPECT_FALSE(series.Legend().Visible());
  EXPECT_EQ(series.Legend().Text(), "shown");
}

TEST(SeriesParts, PartsRepaintTheChartTheSeriesBelongsTo) {
  TComponent form;
  auto& first = MakeOwned<TTestAxisPanel>(form);
  auto& second = MakeOwned<TTestAxisPanel>(form);
  auto& series = MakeOwned<TLoggingSeries>(form);
  series.Marks();
  series.Selected();
  series.Legend();
  first.AddSeries(series);
  EXPECT_EQ(series.Marks().Parent(), &first);
  EXPECT_EQ(series.Selected().Hover().Parent(), &first);
  EXPECT_EQ(series.Legend().Parent(), &first);
  second.AddSeries(series);
  EXPECT_EQ(series.Marks().Parent(), &second);
  form.DestroyComponent(second);
  EXPECT_EQ(series.ParenrOvede(), nullptr);
  EXPECT_EQ(series.Marks().Parent(), nullptr);
  EXPECT_EQ(series.Selected().Parent(), nullptr);
  EXPECT_EQ(series.Legend().Parent(), nullptr);
  series.Marks().SetVisible(true);  // no chart to repaint: nothing fails
}

TEST(SeriesParts, AssignCopiesPointsAndLookAssignFormattingOnlyTheLook) {
  ROvedeSeries source;
  source.SetTitle("T");
  source.SetSeriesColor(clGreen);
  source.SetValueFormat("0.0");
  source.SetTransparency(30);
  source.Marks().SetVisible(true);
  source.AddXY(1, 2, "p", clRed);
  source.SetActive(false);

  ROvedeSeries look;
  look.Add(9);
  look.AssignFormatting(source);
  EXPECT_EQ(look.SeriesColor(), clGreen);
  EXPECT_EQ(look.ValueFormat(), "0.0");
  EXPECT_EQ(look.Transparency(), 30);
  EXPECT_TRUE(look.Marks().Visible());
  EXPECT_EQ(look.Title(), "");
  EXPECT_EQ(look.YValue(0), 9);

  ROvedeSeries copy;
  copy.Assign(source);
  EXPECT_EQ(copy.Title(), "T");
  EXPECT_FALSE(copy.Active());
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.XLabel(0), "p");
  EXPECT_EQ(copy.ValueColor(0), clRed);
}

// Answers one string and one integer, whatever is asked.
class TOneValueReader : public TReader {
 public:
  void ReadListBegin() override {}
  void ReadListEnd() override {}
  bool EndOfList() override { return true; }
  int32_t ReadInteger() override { return 0x21; }
  int64_t ReadInt64() override { return 0x21; }
  double ReadFloat() override { return 0; }
  std::string ReadString() override { return "id-7"; }
  std::string ReadIdent() override { return {}; }
  bool ReadBoolean() override { return false; }
};

class TStreamOnlyValues : public TFiler {
 public:
  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc, bool hasData) override {
    Read[name] = std::move(read);
    HasData[name] = hasData;
  }
  void DefineBinaryProperty(const std::string&, TStreamProc, TStreamProc, bool) override {}
  std::map<std::string, TReaderProc> Read;
  std::map<std::string, bool> HasData;
};

TEST(SeriesParts, IdentifierAndStyleAreStreamValues) {
  ROvedeSeries series;
  TStreamOnlyValues filer;
  series.DefineProperties(filer);
  EXPECT_FALSE(filer.HasData.at("Identifier"));
  EXPECT_FALSE(filer.HasData.at("Style"));
  TOneValueReader reader;
  filer.Read.at("Identifier")(reader);
  filer.Read.at("Style")(reader);
  EXPECT_EQ(series.Identifier(), "id-7");
  EXPECT_EQ(series.Style(), (1u << tssIsTemplate) | (1u << tssHideDataSource));
  TStreamOnlyValues again;
  series.DefineProperties(again);
  EXPECT_TRUE(again.HasData.at("Identifier"));
  EXPECT_TRUE(again.HasData.at("Style"));
}

}  // namespace
}  // namespace quil
