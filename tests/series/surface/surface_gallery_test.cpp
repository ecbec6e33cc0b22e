#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "canvas/view3d_options.h"
#include "series/surface/surface_test_support.h"

namespace quil::testing {
namespace {

// Pictures of larger surfaces in every drawing mode and a few views, written to the test output
// folder to be looked at; each must show the surface over a good part of the box.
class SurfaceGalleryTest : public SurfaceChart {
 protected:
  int ChangedPixels(const TBitmap& with) {
    series.SetActive(false);
    const TBitmap without = Render();
    series.SetActive(true);
    int n = 0;
    for (int y = 0; y < with.Height(); ++y)
      for (int x = 0; x < with.Width(); ++x) n += with.Pixel(x, y) != without.Pixel(x, y);
    return n;
  }

  void Gallery(const std::string& canvas) {
    chart.SetBounds(0, 0, 600, 450);
    chart.SetChart3DPercent(60);
    for (int n : {30, 100}) {
      FillGrid(n + 1, n + 1, [n](int x, int z) { return Bump(x, z, n + 1, n + 1); });
      const struct {
        std::string name;
        std::function<void()> set;
      } modes[] = {
          {"default", [&] {}},
          {"rotated", [&] {
             chart.View3DOptions().SetOrthogonal(false);
             chart.View3DOptions().SetElevation(330);
             chart.View3DOptions().SetRotation(330);
             chart.View3DOptions().SetZoom(75);
           }},
          {"back", [&] { chart.View3DOptions().SetRotation(200); }},
          {"side", [&] { chart.View3DOptions().SetRotation(250); }},
          {"hidden_pen", [&] {
             chart.View3DOptions().SetRotation(345);
             series.Pen().SetVisible(false);
           }},
          {"smooth_palette", [&] { series.SetSmoothPalette(true); }},
          {"side_walls", [&] {
             series.SetSmoothPalette(false);
             series.SideBrush().SetStyle(bsSolid);
             series.SideBrush().SetColor(clSilver);
             series.SideLines().SetVisible(true);
           }},
          {"translucent", [&] {
             series.SideBrush().SetStyle(bsClear);
             series.SideLines().SetVisible(false);
             series.SetTransparency(40);
           }},
          {"wire_frame", [&] {
             series.SetTransparency(0);
             series.SetWireFrame(true);
           }},
          {"dot_frame", [&] { series.SetDotFrame(true); }},
      };
      for (const auto& mode : modes) {
        SCOPED_TRACE(mode.name);
        mode.set();
        const TBitmap image = Render();
        Save(image, "surface_n" + std::to_string(n) + "_" + canvas + "_" + mode.name);
        const int minimum = mode.name == "dot_frame" ? 300 : mode.name == "wire_frame" ? 3000 : 30000;
        EXPECT_GT(ChangedPixels(image), minimum);
      }
      series.SetDotFrame(false);
      series.Pen().SetVisible(true);
      chart.View3DOptions().SetOrthogonal(true);
      chart.View3DOptions().SetZoom(100);
      chart.View3DOptions().SetElevation(345);
      chart.View3DOptions().SetRotation(345);
    }
  }
};

TEST_F(SurfaceGalleryTest, PlainCanvas) { Gallery("plain"); }

TEST_F(SurfaceGalleryTest, AntiAliasedCanvas) {
  UseAntiAliasedCanvas();
  Gallery("antialiased");
}

}  // namespace
}  // namespace quil::testing
