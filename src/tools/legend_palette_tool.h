#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/custom_tool_series.h"
#include "panel/panel_events.h"
#include "panel/quil_panel.h"

namespace quil {

class ROvedeTitle;
class TLegendPointer;
class TPaletteChart;
class TPaletteSeries;

// Which axes of the palette chart the bands are drawn against: left and bottom, right and
// top, or both pairs.
enum TLegendPaletteAxis : uint8_t { laDefault, laOther, laBoth };

const TEnumInfo& LegendPaletteAxisInfo();

// A colour bar for a 3D palette series, drawn over the host chart after each of its drawings:
// a small chart of its own whose only series shows one band per palette entry, coloured as the
// series colours its points, with an axis labelling the palette values. Mouse presses inside
// the bar do not reach the host chart.
//
// The series is not owned; the tool forgets it when it is destroyed or leaves the host chart.
class TLegendPaletteTool : public TQuilCustomToolSeries, public IQuilEventListener {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TLegendPaletteTool(TComponent* owner = nullptr);
  ~TLegendPaletteTool() override;

  TLegendPaletteAxis Axis() const;
  void SetAxis(TLegendPaletteAxis value);
  bool Vertical() const { return vertical_; }
  // Also swaps Width and Height and shows the axes across the bands: left and right for a
  // vertical bar, top and bottom for a horizontal one.
  void SetVertical(bool value);
  // Bands run from the highest value down (vertical) or from the right (horizontal).
  bool Inverted() const;
  void SetInverted(bool value);
  // Each band blends from its lower neighbour's colour to its own.
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value) { SetBooleanProperty(smooth_, value); }

  // Where the bar goes on the host: Left and Top in PositionUnits of the host's size, Width
  // and Height in pixels.
  int Left() const { return left_; }
  void SetLeft(int value) { SetIntegerProperty(left_, value); }
  int Top() const { return top_; }
  void SetTop(int value) { SetIntegerProperty(top_, value); }
  int Width() const { return width_; }
  void SetWidth(int value) { SetIntegerProperty(width_, value); }
  int Height() const { return height_; }
  void SetHeight(int value) { SetIntegerProperty(height_, value); }
  TQuilUnits PositionUnits() const { return positionUnits_; }
  void SetPositionUnits(TQuilUnits value);
  // The host rectangle the bar takes for the host's current size.
  TRect BarRect() const;

  // The palette chart's background and frame.
  TColor Color() const;
  void SetColor(TColor value);
  // No background at all (the colour clNone); switching it off brings white back.
  bool Transparent() const { return Color() == clNone; }
  void SetTransparent(bool value);
  TQuilGradient& Gradient();
  TQuilHiddenPen& Border();
  TQuilShadow& Shadow();
  TQuilEmboss& Emboss();
  ROvedeTitle& Title();
  ROvedeTitle& SubTitle();
  ROvedeTitle& Foot();
  ROvedeTitle& SubFoot();
  void SetGradient(const TQuilGradient& value);
  void SetBorder(const TQuilPen& value);
  void SetShadow(const TQuilShadow& value);
  void SetEmboss(const TQuilShadow& value);
  void SetTitle(const ROvedeTitle& value);
  void SetSubTitle(const ROvedeTitle& value);
  void SetFoot(const ROvedeTitle& value);
  void SetSubFoot(const ROvedeTitle& value);

  // Created on first use: a donut of size 8 on the palette chart.
  TLegendPointer& Pointer();
  const TLegendPointer* PointerOrNull() const { return pointer_.get(); }

  TPaletteChart& PaletteChart() const { return *chart_; }
  TPaletteSeries& PaletteSeries() const { return *series_; }

  std::string Description() const override;
  std::string LongDescription() const override;

  // Draws the bar after the host has drawn everything else.
  void ChartEvent(ROvedeToolEvent event) override;
  // Hands mouse events to the palette chart and claims presses inside the bar.
  void ChartMouseEvent(ROvedeMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
  // Forgets the series when the host chart removes it.
  void QuilEvent(const TQuilEvent& event) override;

  // From another legend palette tool: placement, size, units, palette chart, pointer,
  // smoothing, direction and axes, then the series tool's part.
  void Assign(const TPersistent& source) override;

 protected:
  void ChartChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PrepareAxes();
  void ShowAxesAcross(bool vertical);
  void FillBands();
  void DrawBar(TCustomAxisPanel& host, const TRect& bar);
  void DrawPointer();

  std::unique_ptr<TPaletteChart> chart_;
  // After the chart, so that it leaves the chart before the chart goes.
  std::unique_ptr<TPaletteSeries> series_;
  std::unique_ptr<TLegendPointer> pointer_;
  // The host whose series events the tool listens to.
  TCustomAxisPanel* listenedHost_ = nullptr;
  TQuilUnits positionUnits_ = muPixels;
  int left_ = 10;
  int top_ = 10;
  int width_ = 100;
  int height_ = 200;
  bool smooth_ = false;
  bool vertical_ = true;
};

}  // namespace quil
