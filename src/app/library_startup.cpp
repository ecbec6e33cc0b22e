#include "app/library_startup.h"

#include <chrono>
#include <cstdlib>
#include <string_view>

#include "canvas/canvas_classes.h"
#include "canvas/gdiplus_unit.h"
#include "chart/named_classes.h"
#include "chart/quil_registries.h"
#include "core/class_registry.h"
#include "core/messages.h"
#include "engine/axis_mapping.h"
#include "engine/color_palette.h"
#include "engine/custom_tool.h"
#include "engine/themed_series.h"
#include "panel/gdiplus_component.h"
#include "panel/quil_panel.h"
#include "series/surface/surface_series.h"
#include "tools/legend_palette_tool.h"
#include "tools/rotate_tool.h"

namespace quil {

namespace {

struct TNamedSeries {
  const char* Name;
  const char* Description;
  const char* Page;
  int Count;
};

// The surface series is a class of this library; the other series kinds exist by name only.
const TMetaClass& SeriesNamed(const char* name) {
  if (std::string_view(name) == "TSurfaceSeries") return TSurfaceSeries::StaticClass();
  return NamedClass(name, TThemedSeries::StaticClass());
}
// The rotate tool is a class of this library; the other tools exist by name only.
const TMetaClass& ToolNamed(const char* name) {
  if (std::string_view(name) == "TRotateTool") return TRotateTool::StaticClass();
  return NamedClass(name, TQuilCustomTool::StaticClass());
}
const TMetaClass& FunctionNamed(const char* name) { return NamedClass(name, TComponent::StaticClass()); }

std::vector<const TMetaClass*> SeriesClasses(const std::vector<TNamedSeries>& list) {
  std::vector<const TMetaClass*> classes;
  for (const TNamedSeries& s : list) classes.push_back(&SeriesNamed(s.Name));
  return classes;
}

void RegisterNamedSeries(const std::vector<TNamedSeries>& list) {
  for (const TNamedSeries& s : list) RegisterQuilSeries(SeriesNamed(s.Name), s.Description, s.Page, s.Count);
}

const std::vector<TNamedSeries>& SurfaceSeries() {
  static const std::vector<TNamedSeries> list = {
      {"TSurfaceSeries", "Surface", "3D", 1},      {"TContourSeries", "Contour", "3D", 1},
      {"TWaterFallSeries", "Water Fall", "3D", 1}, {"TColorGridSeries", "Color Grid", "3D", 1},
      {"TVector3DSeries", "Vector 3D", "3D", 1},   {"TTowerSeries", "Tower", "3D", 1},
      {"TIsoSurfaceSeries", "Iso-Surface", "3D", 1}, {"TBubbleCloudSeries", "Bubble Cloud", "Other", 1},
  };
  return list;
}

const std::vector<TNamedSeries>& StandardSeries() {
  static const std::vector<TNamedSeries> list = {
      {"TLineSeries", "Line", "Standard", 2},
      {"TBarSeries", "Bar", "Standard", 2},
      {"THorizBarSeries", "Horizontal\rBar", "Standard", 2},
      {"TAreaSeries", "Area", "Standard", 2},
      {"TPointSeries", "Point", "Standard", 2},
      {"TPieSeries", "Pie", "Standard", 1},
      {"TFastLineSeries", "Fast Line", "Standard", 2},
      {"THorizLineSeries", "Horizontal\rLine", "Standard", 1},
      {"THorizAreaSeries", "Horizontal\rArea", "Standard", 1},
  };
  return list;
}

const std::vector<TNamedSeries>& PolarSeries() {
  static const std::vector<TNamedSeries> list = {
      {"TPolarSeries", "Polar", "Extended", 2},
      {"TRadarSeries", "Radar", "Extended", 2},
      {"TPolarBarSeries", "Polar Bar", "Extended", 2},
      {"TPolarGridSeries", "Polar Grid", "3D", 1},
  };
  return list;
}

std::vector<const TMetaClass*> StandardTools() {
  std::vector<const TMetaClass*> tools;
  for (const char* name :
       {"TCursorTool", "TDragMarksTool", "TAxisArrowTool", "TDrawLineTool", "TNearestTool", "TColorBandTool",
        "TColorLineTool", "TRotateTool", "ROvedeImageTool", "TMarksTipTool", "TAnnotationTool", "TGridBandTool",
        "TAxisScrollTool", "TRectangleTool", "TClipSeriesTool", "TFullScreenTool", "TRepaintMonitor",
        "TAxisScrollBarTool", "TQuilCombo"})
    tools.push_back(&ToolNamed(name));
  return tools;
}

std::vector<const TMetaClass*> EngineStreamingClasses() {
  std::vector<const TMetaClass*> classes = {&TThemedSeries::StaticClass()};
  for (const char* name : {"ROvedeAxisTitle", "ROvedeAxis", "ROvedeDepthAxis", "TSeriesMarks", "TQuilPictureComponent"})
    classes.push_back(&NamedClass(name, TPersistent::StaticClass()));
  return classes;
}

}  // namespace

TLibraryStartup::TLibraryStartup(TCursorHooks cursor) {
  const auto engineClasses = EngineStreamingClasses();
  steps_ = {
      {"Messages", [] { InitializeMessages(); }, [] { FinalizeMessages(); }},
      {"Drawing layer", [] { InitializeCanvas3DUnit(); }, [] { FinalizeCanvas3DUnit(); }},
      {"Panel",
       [cursor] {
         QuilDefaultCanvas = "TGDIPlusCanvas";
         SetDefaultColorPalette({});
         if (cursor.Install) cursor.Install();
       },
       [cursor] {
         QuilColorPalette.clear();
         if (cursor.Remove) cursor.Remove();
         QuilDefaultCanvas.clear();
       }},
      {"Engine",
       [engineClasses] {
         QuilMaxPixelPos = 32767;
         for (const TMetaClass* c : engineClasses) RegisterClass(*c);
       },
       [engineClasses] {
         for (const TMetaClass* c : engineClasses) UnRegisterClass(*c);
       }},
      {"Chart",
       [] {
         std::srand(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
         InitializeChartRegistries();
       },
       [] { FinalizeChartRegistries(); }},
      {"Spline",
       [] { RegisterQuilFunction(FunctionNamed("TSmoothingFunction"), "Smoothing", "Extended", 1); },
       [] { UnRegisterQuilFunctions({&FunctionNamed("TSmoothingFunction")}); }},
      {"Surface", [] { RegisterNamedSeries(SurfaceSeries()); },
       [] { UnRegisterQuilSeries(SeriesClasses(SurfaceSeries())); }},
      {"GDI+",
       [] {
         InitializeGDIPlusUnit();
         RegisterClass(TQuilGDIPlus::StaticClass());
       },
       [] {
         UnRegisterClass(TQuilGDIPlus::StaticClass());
         FinalizeGDIPlusUnit();
       }},
      {"Gallery", [] { RegisterNamedSeries(StandardSeries()); },
       [] { UnRegisterQuilSeries(SeriesClasses(StandardSeries())); }},
      {"Tools", [] { RegisterQuilTools(StandardTools()); }, [] { UnRegisterQuilTools(StandardTools()); }},
      {"Polar", [] { RegisterNamedSeries(PolarSeries()); }, [] { UnRegisterQuilSeries(SeriesClasses(PolarSeries())); }},
      {"Legend palette tool", [] { RegisterQuilTools({&TLegendPaletteTool::StaticClass()}); },
       [] { UnRegisterQuilTools({&TLegendPaletteTool::StaticClass()}); }},
  };
  try {
    for (; started_ < steps_.size(); ++started_) steps_[started_].Initialize();
  } catch (...) {
    while (started_ > 0) steps_[--started_].Finalize();
    throw;
  }
}

TLibraryStartup::~TLibraryStartup() {
  while (started_ > 0) steps_[--started_].Finalize();
}

std::vector<std::string> TLibraryStartup::ModuleOrder() const {
  std::vector<std::string> order;
  for (const TModuleStep& s : steps_) order.push_back(s.Module);
  return order;
}

}  // namespace quil
