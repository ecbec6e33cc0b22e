#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/surface_data.h"

namespace quil {

// Whether points read from a file make a surface: at least two different x and z values, no
// (x, z) twice (the later line is reported with the earlier one; lines holds each point's line),
// and a grid the series can index. Sets IrregularGrid when x or z are not consecutive integers.
// Raises EDataFileError.
void CheckPointGrid(TSurfaceData& data, const std::vector<uint32_t>& lines, const std::string& fileName);

// Whether a matrix makes a surface: at least two rows and two columns, within kMaxGridCells.
void CheckMatrixGrid(const TSurfaceData& data, const std::string& fileName);

}  // namespace quil
