// chart_snapshot OUT.png [WIDTH HEIGHT]: renders the main window's chart without a display
// and writes it as a PNG, through the same paint path the window uses.
#include <charconv>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "app/library_startup.h"
#include "app/main_form.h"
#include "panel/headless_host.h"
#include "snapshot/png_file.h"

namespace {

// Chart1's size in the main window.
constexpr int kDefaultWidth = 913;
constexpr int kDefaultHeight = 705;
constexpr int kMaxSide = 16384;

struct TSnapshotRequest {
  std::string Output;
  int Width = kDefaultWidth;
  int Height = kDefaultHeight;
};

bool ParseSide(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 1 && value <= kMaxSide;
}

std::optional<TSnapshotRequest> ParseArguments(int argc, char** argv) {
  if (argc != 2 && argc != 4) return std::nullopt;
  TSnapshotRequest request;
  request.Output = argv[1];
  if (argc == 4 && !(ParseSide(argv[2], request.Width) && ParseSide(argv[3], request.Height))) return std::nullopt;
  return request;
}

int Usage() {
  std::fprintf(stderr, "usage: chart_snapshot OUT.png [WIDTH HEIGHT]   (sizes 1 to %d, default %dx%d)\n", kMaxSide,
               kDefaultWidth, kDefaultHeight);
  return 2;
}

// The main window's own chart, configured as the window configures it.
void RenderSnapshot(const TSnapshotRequest& request) {
  const quil::TLibraryStartup library;
  auto form = quil::CreateMainForm();
  auto* chart = dynamic_cast<quil::TControl*>(form->FindComponent("Chart1"));
  quil::THeadlessHost host(*chart);
  quil::WritePngFile(host.Render(request.Width, request.Height), request.Output);
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<TSnapshotRequest> request = ParseArguments(argc, argv);
  if (!request) return Usage();
  try {
    // Before the render: a large picture is not drawn for a file that cannot be written.
    quil::CheckPngFileWritable(request->Output);
    RenderSnapshot(*request);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "chart_snapshot: %s\n", e.what());
    return 1;
  }
  return 0;
}
