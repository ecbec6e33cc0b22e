// chart_snapshot OUT.png [WIDTH HEIGHT]: renders the main window's chart without a display
// and writes it as a PNG, through the same paint path the window uses.
#include <charconv>
#include <cstdio>
#include <exception>
#include <string_view>

#include "app/library_startup.h"
#include "app/main_form.h"
#include "panel/headless_host.h"

namespace {

// Chart1's size in the main window.
constexpr int kDefaultWidth = 913;
constexpr int kDefaultHeight = 705;
constexpr int kMaxSide = 16384;

bool ParseSide(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 1 && value <= kMaxSide;
}

int Usage() {
  std::fprintf(stderr, "usage: chart_snapshot OUT.png [WIDTH HEIGHT]   (sizes 1 to %d, default %dx%d)\n", kMaxSide,
               kDefaultWidth, kDefaultHeight);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  if (argc != 2 && argc != 4) return Usage();
  if (argc == 4 && !(ParseSide(argv[2], width) && ParseSide(argv[3], height))) return Usage();
  try {
    const quil::TLibraryStartup library;
    // The main window's own chart, configured as the window configures it.
    auto form = quil::CreateMainForm();
    auto* chart = dynamic_cast<quil::TControl*>(form->FindComponent("Chart1"));
    quil::THeadlessHost host(*chart);
    host.Render(width, height).SaveToPNGFile(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "chart_snapshot: %s\n", e.what());
    return 1;
  }
  return 0;
}
