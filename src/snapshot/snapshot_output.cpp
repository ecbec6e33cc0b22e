#include "snapshot/snapshot_output.h"

#include "canvas/picture_file.h"
#include "core/exceptions.h"
#include "panel/headless_host.h"
#include "panel/quil_panel.h"

namespace quil {

void CheckSnapshotOutput(const std::string& fileName) {
  CheckPictureFileWritable(fileName);
  PictureFormatOf(fileName);  // an unknown extension fails before anything is drawn
}

// A PNG is the very picture the window shows; SVG and PDF are drawn straight onto the vector
// surface.
void WriteChartPicture(TControl& chart, int width, int height, const std::string& fileName) {
  THeadlessHost host(chart);
  const TBitmap& picture = host.Render(width, height);
  if (PictureFormatOf(fileName) == pfPNG) {
    WritePngFile(picture, fileName);
    return;
  }
  auto* panel = dynamic_cast<TCustomQuilPanel*>(&chart);
  if (!panel) throw EQuilError("The window's chart cannot be drawn as a vector picture");
  panel->SaveToFile(fileName, width, height);
}

}  // namespace quil
