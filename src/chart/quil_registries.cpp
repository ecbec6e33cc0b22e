#include "chart/quil_registries.h"

#include <algorithm>

#include "chart/color_palettes.h"
#include "core/class_registry.h"

namespace quil {

std::vector<TQuilSeriesType>& QuilSeriesTypes() {
  static std::vector<TQuilSeriesType> types;
  return types;
}

std::vector<const TMetaClass*>& QuilToolTypes() {
  static std::vector<const TMetaClass*> tools;
  return tools;
}

std::vector<const TMetaClass*>& QuilAnimationTypes() {
  static std::vector<const TMetaClass*> animations;
  return animations;
}

namespace {

void RegisterSeriesType(const TMetaClass* seriesClass, const TMetaClass* functionClass, const std::string& description,
                        const std::string& galleryPage, int galleryCount, int subIndex) {
  if (seriesClass) RegisterClass(*seriesClass);
  if (functionClass) RegisterClass(*functionClass);
  auto& types = QuilSeriesTypes();
  if (subIndex == 0) {
    const bool known = std::any_of(types.begin(), types.end(), [&](const TQuilSeriesType& t) {
      return t.SeriesClass == seriesClass && t.FunctionClass == functionClass;
    });
    if (known) return;
  }
  types.push_back({seriesClass, functionClass, description, galleryPage, galleryCount, subIndex});
}

void RemoveSeriesTypes(const std::vector<const TMetaClass*>& classes, bool functions) {
  auto& types = QuilSeriesTypes();
  for (const TMetaClass* c : classes) {
    types.erase(std::remove_if(types.begin(), types.end(),
                               [&](const TQuilSeriesType& t) { return (functions ? t.FunctionClass : t.SeriesClass) == c; }),
                types.end());
    UnRegisterClass(*c);
  }
}

}  // namespace

void RegisterQuilSeries(const TMetaClass& seriesClass, const std::string& description, const std::string& galleryPage,
                        int galleryCount) {
  RegisterSeriesType(&seriesClass, nullptr, description, galleryPage, galleryCount, 0);
}

void RegisterQuilSeries(const TMetaClass& seriesClass, const std::string& description) {
  RegisterQuilSeries(seriesClass, description, "Standard", 2);
}

void RegisterQuilFunction(const TMetaClass& functionClass, const std::string& description,
                          const std::string& galleryPage, int galleryCount) {
  RegisterSeriesType(nullptr, &functionClass, description, galleryPage, galleryCount, 0);
}

void RegisterQuilTools(const std::vector<const TMetaClass*>& toolClasses) {
  auto& tools = QuilToolTypes();
  for (const TMetaClass* c : toolClasses) {
    if (std::find(tools.begin(), tools.end(), c) != tools.end()) continue;
    RegisterClass(*c);
    tools.push_back(c);
  }
}

void UnRegisterQuilSeries(const std::vector<const TMetaClass*>& seriesClasses) { RemoveSeriesTypes(seriesClasses, false); }

void UnRegisterQuilFunctions(const std::vector<const TMetaClass*>& functionClasses) {
  RemoveSeriesTypes(functionClasses, true);
}

void UnRegisterQuilTools(const std::vector<const TMetaClass*>& toolClasses) {
  auto& tools = QuilToolTypes();
  for (const TMetaClass* c : toolClasses) {
    tools.erase(std::remove(tools.begin(), tools.end(), c), tools.end());
    UnRegisterClass(*c);
  }
}

void InitializeChartRegistries() {
  QuilSeriesTypes().clear();
  QuilToolTypes().clear();
  QuilAnimationTypes().clear();
}

void FinalizeChartRegistries() {
  FreeColorPalettes();
  QuilSeriesTypes().clear();
  QuilSeriesTypes().shrink_to_fit();
  QuilToolTypes().clear();
  QuilToolTypes().shrink_to_fit();
  QuilAnimationTypes().clear();
}

}  // namespace quil
