#include "snapshot/snapshot_output.h"

#include "panel/headless_host.h"
#include "snapshot/png_file.h"

namespace quil {

void CheckSnapshotOutput(const std::string& fileName) { CheckPngFileWritable(fileName); }

void WriteChartPicture(TControl& chart, int width, int height, const std::string& fileName) {
  THeadlessHost host(chart);
  WritePngFile(host.Render(width, height), fileName);
}

}  // namespace quil
