#include <gtest/gtest.h>

#include <algorithm>

#include "app/library_startup.h"
#include "canvas/canvas_classes.h"
#include "chart/quil_registries.h"
#include "core/class_registry.h"
#include "core/messages.h"
#include "engine/axis_mapping.h"
#include "engine/color_palette.h"
#include "panel/quil_panel.h"

namespace quil {
namespace {

// Shut-down empties the message texts; the other tests of this program expect them filled.
class LibraryStartup : public ::testing::Test {
 protected:
  void TearDown() override { InitializeMessages(); }
};

std::vector<std::string> SeriesTypeNames() {
  std::vector<std::string> names;
  for (const TQuilSeriesType& t : QuilSeriesTypes())
    names.push_back(t.SeriesClass ? t.SeriesClass->ClassName() : t.FunctionClass->ClassName());
  return names;
}

TEST_F(LibraryStartup, RegistriesHoldEveryRecordInOrder) {
  TLibraryStartup startup;
  EXPECT_EQ(SeriesTypeNames(),
            (std::vector<std::string>{"TSmoothingFunction", "TSurfaceSeries", "TContourSeries", "TWaterFallSeries",
                                      "TColorGridSeries", "TVector3DSeries", "TTowerSeries", "TIsoSurfaceSeries",
                                      "TBubbleCloudSeries", "TLineSeries", "TBarSeries", "THorizBarSeries",
                                      "TAreaSeries", "TPointSeries", "TPieSeries", "TFastLineSeries",
                                      "THorizLineSeries", "THorizAreaSeries", "TPolarSeries", "TRadarSeries",
                                      "TPolarBarSeries", "TPolarGridSeries"}));
  const TQuilSeriesType& horizBar = QuilSeriesTypes()[11];
  EXPECT_EQ(horizBar.Description, "Horizontal" + NewLine + "Bar");
  EXPECT_EQ(horizBar.GalleryPage, "Standard");
  EXPECT_EQ(horizBar.NumGallerySeries, 2);
  EXPECT_EQ(QuilSeriesTypes()[0].FunctionClass->ClassName(), "TSmoothingFunction");
  EXPECT_EQ(QuilSeriesTypes()[0].SeriesClass, nullptr);
  EXPECT_EQ(QuilSeriesTypes()[8].GalleryPage, "Other");

  ASSERT_EQ(QuilToolTypes().size(), 20u);
  EXPECT_EQ(QuilToolTypes().front()->ClassName(), "TCursorTool");
  EXPECT_EQ(QuilToolTypes().back()->ClassName(), "TLegendPaletteTool");
  EXPECT_TRUE(QuilAnimationTypes().empty());
}

TEST_F(LibraryStartup, GlobalsAfterStartUp) {
  TLibraryStartup startup;
  EXPECT_EQ(NewLine, "\r");
  EXPECT_EQ(QuilDefaultCanvas, "TGDIPlusCanvas");
  EXPECT_EQ(QuilColorPalette.size(), 20u);
  EXPECT_EQ(QuilMaxPixelPos, 32767);
  ASSERT_EQ(QuilRenderClasses.size(), 2u);
  EXPECT_EQ(QuilRenderClasses[0].Name, "TQuilCanvas3D");
  EXPECT_EQ(QuilRenderClasses[1].Name, "TGDIPlusCanvas");
  for (const char* name : {"TSurfaceSeries", "TLineSeries", "TLegendPaletteTool", "TQuilCombo", "TSmoothingFunction",
                           "ROvedeAxis", "TThemedSeries", "TQuilGDIPlus"}) {
    SCOPED_TRACE(name);
    EXPECT_NE(GetClass(name), nullptr);
  }
}

TEST_F(LibraryStartup, RepeatedRegistrationsAreIgnored) {
  TLibraryStartup startup;
  const auto series = QuilSeriesTypes().size();
  const auto tools = QuilToolTypes().size();
  RegisterQuilSeries(*QuilSeriesTypes()[3].SeriesClass, "again", "3D", 1);
  RegisterQuilFunction(*QuilSeriesTypes()[0].FunctionClass, "again", "Extended", 1);
  RegisterQuilTools({QuilToolTypes()[0], QuilToolTypes()[19]});
  EXPECT_EQ(QuilSeriesTypes().size(), series);
  EXPECT_EQ(QuilToolTypes().size(), tools);
  EXPECT_EQ(QuilSeriesTypes()[3].Description, "Water Fall");
}

TEST_F(LibraryStartup, FinalisationEmptiesTheRegistries) {
  {
    TLibraryStartup startup;
    ASSERT_FALSE(QuilSeriesTypes().empty());
  }
  EXPECT_TRUE(QuilSeriesTypes().empty());
  EXPECT_TRUE(QuilToolTypes().empty());
  EXPECT_TRUE(QuilRenderClasses.empty());
  EXPECT_TRUE(QuilColorPalette.empty());
  EXPECT_TRUE(QuilDefaultCanvas.empty());
  EXPECT_TRUE(NewLine.empty());
  EXPECT_EQ(GetClass("TSurfaceSeries"), nullptr);
  EXPECT_EQ(GetClass("TLegendPaletteTool"), nullptr);
}

TEST_F(LibraryStartup, CursorHooksRunInTheirPlace) {
  std::vector<std::string> log;
  {
    TLibraryStartup startup({[&] { log.push_back("install:" + QuilDefaultCanvas); }, [&] { log.push_back("remove"); }});
    EXPECT_EQ(startup.ModuleOrder().front(), "Messages");
  }
  EXPECT_EQ(log, (std::vector<std::string>{"install:TGDIPlusCanvas", "remove"}));
}

}  // namespace
}  // namespace quil
