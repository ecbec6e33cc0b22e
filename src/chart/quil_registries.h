#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/persistent.h"

namespace quil {

// One entry of the series gallery: a series class, or a function class computing a series,
// with its texts. SubIndex is 0 for a plain registration.
struct TQuilSeriesType {
  const TMetaClass* SeriesClass = nullptr;
  const TMetaClass* FunctionClass = nullptr;
  std::string Description;
  std::string GalleryPage;
  int NumGallerySeries = 1;
  int SubIndex = 0;
};

// The registries of the chart module. They exist between the module's start-up and shut-down.
std::vector<TQuilSeriesType>& QuilSeriesTypes();
std::vector<const TMetaClass*>& QuilToolTypes();
std::vector<const TMetaClass*>& QuilAnimationTypes();

// Registers a series class for the gallery and for streaming. A repeated (series, function)
// pair is ignored. The two-argument form uses page "Standard" and 2 gallery series.
void RegisterQuilSeries(const TMetaClass& seriesClass, const std::string& description, const std::string& galleryPage,
                        int galleryCount);
void RegisterQuilSeries(const TMetaClass& seriesClass, const std::string& description);
void RegisterQuilFunction(const TMetaClass& functionClass, const std::string& description,
                          const std::string& galleryPage, int galleryCount);
// Appends each tool class not yet listed, registering it for streaming.
void RegisterQuilTools(const std::vector<const TMetaClass*>& toolClasses);

void UnRegisterQuilSeries(const std::vector<const TMetaClass*>& seriesClasses);
void UnRegisterQuilFunctions(const std::vector<const TMetaClass*>& functionClasses);
void UnRegisterQuilTools(const std::vector<const TMetaClass*>& toolClasses);

// Creates the lists (empty) and frees them again: the chart module's start-up and shut-down.
void InitializeChartRegistries();
void FinalizeChartRegistries();

}  // namespace quil
