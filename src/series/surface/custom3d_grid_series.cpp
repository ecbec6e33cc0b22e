#include "series/surface/custom3d_grid_series.h"

#include <cmath>
#include <span>
#include <string>

#include "canvas/bitmap.h"
#include "core/class_registry.h"
#include "core/messages.h"
#include "engine/chart_exception.h"

namespace quil {

const TMetaClass& TCustom3DGridSeries::StaticClass() {
  using C = TCustom3DGridSeries;
  static const TMetaClass meta("TCustom3DGridSeries", &TCustom3DPaletteSeries::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Bool("IrregularGrid", &C::IrregularGrid, &C::SetIrregularGrid, false)
                                   .Int("NumXValues", &C::NumXValues, &C::SetNumXValues, 10)
                                   .Int("NumZValues", &C::NumZValues, &C::SetNumZValues, 10)
                                   .Event("OnGetYValue")
                                   .Build());
  return meta;
}

TCustom3DGridSeries::TCustom3DGridSeries(TComponent* owner) : TCustom3DPaletteSeries(owner) {
  Clear();
  TakeBuild(EmptyGridBuild(numXValues_, numZValues_));
}

namespace {

void CheckGridSize(int64_t numX, int64_t numZ) {
  if (!GridSizeAllowed(numX, numZ))
    throw ChartException(
        QuilFormat(QuilMsg_GridSize, std::to_string(numX), std::to_string(numZ), std::to_string(kMaxGridCells)));
}

std::span<const double> Used(const ROvedeValueList& list) {
  return {list.Values().data(), static_cast<std::size_t>(list.Count())};
}

}  // namespace

void TCustom3DGridSeries::SetIrregularGrid(bool value) { SetBooleanProperty(irregularGrid_, value); }

void TCustom3DGridSeries::SetGridSize(int& field, int value, int numX, int numZ) {
  if (field == value) return;
  CheckGridSize(numX, numZ);
  field = value;
  Clear();
  ReCreateValues();
}

void TCustom3DGridSeries::SetNumXValues(int value) { SetGridSize(numXValues_, value, value, numZValues_); }

void TCustom3DGridSeries::SetNumZValues(int value) { SetGridSize(numZValues_, value, numXValues_, value); }

void TCustom3DGridSeries::SetCellDirections(int nextX, int nextZ) {
  iNextXCell_ = nextX;
  iNextZCell_ = nextZ;
}

void TCustom3DGridSeries::FillGridIndex(int startIndex) {
  if (Count() == 0)
    TakeBuild(EmptyGridBuild(numXValues_, numZValues_));
  else if (irregularGrid_)
    TakeBuild(BuildIrregularGrid(Used(XValues()), Used(ZValues()), startIndex, numXValues_, numZValues_));
  else
    TakeBuild(BuildRegularGrid(Used(XValues()), Used(ZValues()), startIndex, numXValues_, numZValues_));
  dirtyGrid_ = false;
}

// The build's size goes into the fields directly: it describes the points, it must not clear them.
void TCustom3DGridSeries::TakeBuild(TGridBuild build) {
  gridIndex_ = std::move(build.Index);
  xAxis_ = std::move(build.X);
  zAxis_ = std::move(build.Z);
  numXValues_ = gridIndex_.NumX();
  numZValues_ = gridIndex_.NumZ();
  xStartIndex_ = build.XStartIndex;
  zStartIndex_ = build.ZStartIndex;
}

void TCustom3DGridSeries::CheckPosition(int x, int z, int first) const {
  if (x >= first && z >= first && gridIndex_.Contains(x, z)) return;
  throw ERangeError(QuilFormat(QuilMsg_GridPosition, std::to_string(x), std::to_string(z), std::to_string(first),
                               std::to_string(gridIndex_.NumX()), std::to_string(first),
                               std::to_string(gridIndex_.NumZ())));
}

bool TCustom3DGridSeries::ExistFourGridIndex(int x, int z) {
  const int x1 = x + iNextXCell_;
  const int z1 = z + iNextZCell_;
  CheckPosition(x, z, 0);
  CheckPosition(x1, z1, 0);
  const std::array<std::pair<int, int>, 4> corners{{{x, z}, {x1, z}, {x1, z1}, {x, z1}}};
  for (std::size_t i = 0; i < corners.size(); ++i) {
    valueIndex_[i] = gridIndex_(corners[i].first, corners[i].second);
    if (valueIndex_[i] == -1) return false;
  }
  return true;
}

double TCustom3DGridSeries::GetValue(int x, int z) {
  if (dirtyGrid_) FillGridIndex();
  CheckPosition(x, z, 0);
  const int index = gridIndex_(x, z);
  if (index == -1) throw ChartException(QuilFormat(QuilMsg_NoValueAtXZ, std::to_string(x), std::to_string(z)));
  return YValues().Value(index);
}

// A new point gets the X and Z its position maps back to, so a build places it there again;
// position 0 maps to no value the grid holds and is never filled.
void TCustom3DGridSeries::SetValue(int x, int z, double value) {
  if (dirtyGrid_) FillGridIndex();
  CheckPosition(x, z, 1);
  const int index = gridIndex_(x, z);
  if (index == -1)
    gridIndex_(x, z) = AddAtPosition(x, z, value);
  else
    YValues().SetValue(index, value);
  dirtyGrid_ = false;
}

int TCustom3DGridSeries::AddAtPosition(int x, int z, double value) {
  const double xValue = GridXValue(x);
  const double zValue = GridZValue(z);
  const int index = AddXYZ(xValue, value, zValue);
  if (xValue < xAxis_.Minimum) {
    xAxis_.Minimum = xValue;
    xStartIndex_ = xValue == 0 ? 0 : 1;
  }
  if (zValue < zAxis_.Minimum) {
    zAxis_.Minimum = zValue;
    zStartIndex_ = zValue == 0 ? 0 : 1;
  }
  return index;
}

bool TCustom3DGridSeries::CanCreateValues() const {
  return !iNoRandom_ && (OnGetYValue || HasState(csDesigning) || inSampleMode_);
}

double TCustom3DGridSeries::GetXZValue(int x, int z) {
  if (OnGetYValue) return OnGetYValue(*this, x, z);
  if (!HasState(csDesigning) && !inSampleMode_) return 0;
  const double cx = std::cos(x / (0.2 * numXValues_));
  const double cz = std::cos(z / (0.2 * numZValues_));
  return 0.5 * cx * cx + cz * cz - std::cos(z / (0.5 * numZValues_));
}

void TCustom3DGridSeries::CreateValues(int numX, int numZ) {
  if (!CanCreateValues()) return;
  CheckGridSize(numX, numZ);
  numXValues_ = numX;
  numZValues_ = numZ;
  const int capacity = QuilDefaultCapacity;
  QuilDefaultCapacity = std::max(numX * numZ, 1);
  try {
    Clear();
    BeginUpdate();
    try {
      for (int z = 0; z < numZ; ++z)
        for (int x = 0; x < numX; ++x) AddXYZ(x, GetXZValue(x, z), z);
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
  } catch (...) {
    QuilDefaultCapacity = capacity;
    throw;
  }
  QuilDefaultCapacity = capacity;
  CreateDefaultPalette(0);
}

void TCustom3DGridSeries::FillSampleValues(int count) {
  int size = count;
  if (size <= 0) size = INumSampleValues();
  if (size <= 0) size = NumSampleValues();
  if (size > 0) CheckGridSize(size, size);
  TCustom3DPaletteSeries::FillSampleValues(count);
}

void TCustom3DGridSeries::AddSampleValues(int count, bool) {
  if (count <= 0) return;
  const bool sampleMode = inSampleMode_;
  inSampleMode_ = true;
  try {
    CreateValues(count, count);
  } catch (...) {
    inSampleMode_ = sampleMode;
    throw;
  }
  inSampleMode_ = sampleMode;
}

// The size is checked before the series is emptied; the pixels go to positions 1..width and
// 1..height, so the points get X 0..width-1 and Z 0..height-1.
void TCustom3DGridSeries::LoadPixels(const TBitmap& image, bool inverted) {
  CheckGridSize(image.Width(), image.Height());
  numXValues_ = image.Width();
  numZValues_ = image.Height();
  Clear();
  FillGridIndex();
  for (int x = 0; x < image.Width(); ++x)
    for (int z = 0; z < image.Height(); ++z) SetValue(x + 1, z + 1, ImageValue(image.Pixel(x, z), inverted));
}

void TCustom3DGridSeries::Clear() {
  TCustom3DPaletteSeries::Clear();
  XValues().SetOrder(loNone);
}

void TCustom3DGridSeries::NotifyValue(TValueEvent event, int valueIndex) {
  TCustom3DPaletteSeries::NotifyValue(event, valueIndex);
  dirtyGrid_ = true;
}

void TCustom3DGridSeries::DoBeforeDrawChart() {
  TCustom3DPaletteSeries::DoBeforeDrawChart();
  if (dirtyGrid_ || !reuseGrid_) FillGridIndex();
}

void TCustom3DGridSeries::AddValues(const ROvedeSeries& source) {
  if (const auto* grid = dynamic_cast<const TCustom3DGridSeries*>(&source); grid && grid != this) {
    numXValues_ = grid->numXValues_;
    numZValues_ = grid->numZValues_;
  }
  TCustom3DPaletteSeries::AddValues(source);
  Repaint();
}

void TCustom3DGridSeries::Assign(const TPersistent& source) {
  if (const auto* grid = dynamic_cast<const TCustom3DGridSeries*>(&source); grid && grid != this) {
    numXValues_ = grid->numXValues_;
    numZValues_ = grid->numZValues_;
    irregularGrid_ = grid->irregularGrid_;
    dirtyGrid_ = true;
  }
  TCustom3DPaletteSeries::Assign(source);
}

}  // namespace quil
