#include <gtest/gtest.h>

#include <memory>

#include "app/library_startup.h"
#include "app/main_form.h"
#include "chart/rovede.h"
#include "core/class_registry.h"
#include "core/messages.h"
#include "engine/color_palette.h"
#include "panel/headless_host.h"
#include "series/surface/surface_series.h"

namespace quil {
namespace {

// The main window as the program builds it, without a display.
class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest()
      : startup_(std::make_unique<TLibraryStartup>()),
        form_(CreateMainForm()),
        chart_(dynamic_cast<ROvede*>(form_->FindComponent("Chart1"))),
        series_(dynamic_cast<TSurfaceSeries*>(form_->FindComponent("Series1"))) {}
  ~MainFormTest() override {
    form_.reset();
    startup_.reset();
    InitializeMessages();
    SetDefaultColorPalette({});
  }

  std::unique_ptr<TLibraryStartup> startup_;
  std::unique_ptr<TForm> form_;
  ROvede* chart_;
  TSurfaceSeries* series_;
};

TEST_F(MainFormTest, SeriesOneIsAnEmptySurfaceWithAnEmptyTenByTenGrid) {
  ASSERT_NE(chart_, nullptr);
  ASSERT_NE(series_, nullptr);
  EXPECT_EQ(GetClass("TSurfaceSeries"), &TSurfaceSeries::StaticClass());
  EXPECT_EQ(series_->ParenrOvede(), chart_);
  EXPECT_EQ(series_->SeriesColor(), clRed) << "the first free default colour";
  EXPECT_EQ(series_->ZValues().Order(), loNone);
  THeadlessHost host(*chart_);
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "as created" : "after a paint");
    EXPECT_EQ(series_->Count(), 0);
    EXPECT_EQ(series_->NumXValues(), 10);
    EXPECT_EQ(series_->NumZValues(), 10);
    ASSERT_EQ(series_->GridIndex().Columns(), 11);
    ASSERT_EQ(series_->GridIndex().Rows(), 11);
    for (int x = 0; x < 11; ++x)
      for (int z = 0; z < 11; ++z) EXPECT_EQ(series_->GridIndex()(x, z), -1);
    EXPECT_TRUE(series_->Palette().empty());
    EXPECT_EQ(series_->CountLegendItems(), 0);
    host.Render();
  }
}

}  // namespace
}  // namespace quil
