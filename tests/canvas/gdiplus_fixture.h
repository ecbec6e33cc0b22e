#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/view3d_options.h"

namespace quil {

// A buffered anti-aliased canvas of the given size painted white, with the backend started
// for the length of the test.
class GDIPlusFixture : public testing::Test {
 protected:
  void SetUp() override { GDIPlusStartup(); }
  void TearDown() override {
    canvas.reset();
    GDIPlusShutdown();
  }

  void Start(int width = 200, int height = 150, int depth = 100, bool is3D = false) {
    canvas = std::make_unique<TGDIPlusCanvas>();
    canvas->InitWindow(nullptr, &options, clWhite, is3D, {0, 0, width, height});
    canvas->Projection(depth, {0, 0, width, height}, {0, 0, width, height});
    canvas->Pen().SetStyle(psClear);
    canvas->Brush().SetColor(clWhite);
    canvas->FillRect({0, 0, width, height});
    canvas->Pen().SetStyle(psSolid);
    canvas->Pen().SetColor(clBlack);
  }

  TColor Pixel(int x, int y) const { return canvas->Bitmap()->Pixel(x, y); }
  // How far a pixel is from white, 0 (white) to 765 (black).
  int Darkness(int x, int y) const {
    const TColor c = Pixel(x, y);
    return 765 - GetRValue(c) - GetGValue(c) - GetBValue(c);
  }
  int CountPixels(TColor color, const TRect& area) const {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) n += Pixel(x, y) == color;
    return n;
  }
  // Pixels that are neither white nor the given colour: the soft edge of a shape.
  int CountBlended(TColor color, const TRect& area) const {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) n += Pixel(x, y) != color && Pixel(x, y) != clWhite;
    return n;
  }
  TRect InkBounds(const TRect& area) const {
    TRect r{area.Right, area.Bottom, area.Left, area.Top};
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (Pixel(x, y) != clWhite) {
          r.Left = std::min(r.Left, x);
          r.Top = std::min(r.Top, y);
          r.Right = std::max(r.Right, x + 1);
          r.Bottom = std::max(r.Bottom, y + 1);
        }
    return r;
  }
  void Save(const std::string& name) const;

  TView3DOptions options;
  std::unique_ptr<TGDIPlusCanvas> canvas;
};

}  // namespace quil
