#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "canvas/canvas_classes.h"
#include "panel/headless_host.h"
#include "panel/quil_panel.h"
#include "panel/text_shape.h"

namespace quil {

// A flat panel on the plain canvas that paints itself white and then whatever a test asks.
class TShapePanel : public TCustomQuilPanel {
 public:
  using TCustomQuilPanel::TCustomQuilPanel;
  std::function<void()> OnDraw;

 protected:
  void InternalDraw(const TRect& userRect) override {
    TCanvas3D& canvas = Canvas();
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().Clear();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(userRect);
    canvas.Pen().SetStyle(psSolid);
    if (OnDraw) OnDraw();
  }
};

class ShapeTest : public testing::Test {
 protected:
  void SetUp() override {
    InitializeCanvas3DUnit();
    savedDefaultCanvas_ = QuilDefaultCanvas;
    QuilDefaultCanvas.clear();
    panel = std::make_unique<TShapePanel>();
    panel->SetView3D(false);
    panel->SetBounds(0, 0, 320, 240);
    host = std::make_unique<THeadlessHost>(*panel);
  }
  void TearDown() override {
    host.reset();
    panel.reset();
    QuilDefaultCanvas = savedDefaultCanvas_;
    FinalizeCanvas3DUnit();
  }

  // Paints the panel with draw inside its paint and answers the picture.
  const TBitmap& Paint(std::function<void()> draw) {
    panel->OnDraw = std::move(draw);
    return host->Render();
  }
  // Measures and draws a shape placed at (left, top).
  const TBitmap& PaintShape(TQuilCustomShape& shape, int left = 40, int top = 30) {
    return Paint([&shape, left, top, this] {
      shape.ShapeBounds = {left, top, left, top};
      shape.CalcBounds(*panel);
      shape.Draw();
    });
  }
  TColor Pixel(int x, int y) const { return host->Image().Pixel(x, y); }
  int Count(TColor color, const TRect& area) const {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) n += Pixel(x, y) == color;
    return n;
  }
  // The smallest rectangle around the pixels of the colour inside area.
  TRect BoxOf(TColor color, const TRect& area = {0, 0, 320, 240}) const {
    TRect box{area.Right, area.Bottom, area.Left, area.Top};
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (Pixel(x, y) == color)
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box.IsEmpty() ? TRect{} : box;
  }

  std::unique_ptr<TShapePanel> panel;
  std::unique_ptr<THeadlessHost> host;

 private:
  std::string savedDefaultCanvas_;
};

}  // namespace quil
