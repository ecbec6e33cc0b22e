// chart_snapshot [--form FILE] [--save-form FILE] OUT.png|OUT.svg|OUT.pdf [WIDTH HEIGHT]: renders a
// window's chart without a display and writes it as a PNG, through the same paint path the window
// uses, or as an SVG or PDF drawn straight onto the vector surface.
// The window is the main window, or the one a stored description file describes.
#include <charconv>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "app/form_file.h"
#include "core/exceptions.h"
#include "app/library_startup.h"
#include "canvas/picture_file.h"
#include "panel/headless_host.h"
#include "panel/quil_panel.h"
#include "snapshot/snapshot_form.h"

namespace {

constexpr int kMaxSide = 16384;

bool ParseSide(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 1 && value <= kMaxSide;
}

bool ValidSide(int value) { return value >= 1 && value <= kMaxSide; }

// The format follows the file's extension; a PNG is the very picture the window showed.
void WritePicture(quil::TControl& chart, const quil::TBitmap& picture, const std::string& path) {
  if (quil::PictureFormatOf(path) == quil::pfPNG) {
    quil::WritePngFile(picture, path);
    return;
  }
  auto* panel = dynamic_cast<quil::TCustomQuilPanel*>(&chart);
  if (!panel) throw quil::EQuilError("The window's chart cannot be drawn as a vector picture");
  panel->SaveToFile(path, picture.Width(), picture.Height());
}

int Usage() {
  std::fprintf(stderr,
               "usage: chart_snapshot [--form FILE] [--save-form FILE] OUT.png|OUT.svg|OUT.pdf [WIDTH HEIGHT]\n"
               "       (sizes 1 to %d; default: the chart's own size, 913x705 for the main window)\n",
               kMaxSide);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  quil::TSnapshotFormOptions formOptions;
  if (!quil::TakeSnapshotFormOptions(argc, argv, formOptions)) return Usage();
  int width = 0;
  int height = 0;
  if (argc != 2 && argc != 4) return Usage();
  if (argc == 4 && !(ParseSide(argv[2], width) && ParseSide(argv[3], height))) return Usage();
  try {
    // Before the render: a large picture is not drawn for a file that cannot be written.
    quil::CheckPictureFileWritable(argv[1]);
    quil::PictureFormatOf(argv[1]);
    const quil::TLibraryStartup library;
    auto form = quil::SnapshotForm(formOptions);
    quil::TControl* chart = quil::FirstChart(*form);
    if (!chart) throw quil::EQuilError("The window holds no chart");
    if (argc == 2) {
      width = chart->Width();
      height = chart->Height();
      if (!ValidSide(width) || !ValidSide(height))
        throw quil::EQuilError("The chart's size is out of range; give WIDTH and HEIGHT");
    }
    quil::THeadlessHost host(*chart);
    const quil::TBitmap& picture = host.Render(width, height);
    quil::SaveSnapshotForm(formOptions, *form);
    WritePicture(*chart, picture, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "chart_snapshot: %s\n", e.what());
    return 1;
  }
  return 0;
}
