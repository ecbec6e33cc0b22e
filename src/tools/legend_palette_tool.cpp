#include "tools/legend_palette_tool.h"

#include "core/color_idents.h"
#include "core/messages.h"
#include "engine/rovede_axis.h"
#include "engine/series_events.h"
#include "tools/legend_pointer.h"
#include "tools/palette_chart.h"
#include "tools/palette_series.h"

namespace quil {

const TEnumInfo& LegendPaletteAxisInfo() {
  static const TEnumInfo info{"TLegendPaletteAxis", {"laDefault", "laOther", "laBoth"}};
  return info;
}

const TMetaClass& TLegendPaletteTool::StaticClass() {
  using C = TLegendPaletteTool;
  static const TMetaClass meta(
      "TLegendPaletteTool", &TQuilCustomToolSeries::StaticClass(),
      TPropertyListBuilder<C>()
          .Enum("Axis", LegendPaletteAxisInfo(), &C::Axis, &C::SetAxis, laBoth)
          .Object("Border", &C::Border)
          .Int("Color", &C::Color, &C::SetColor, clWhite, &ColorIdents())
          .Object("Emboss", &C::Emboss)
          .Object("Foot", &C::Foot)
          .Object("Gradient", &C::Gradient)
          .Int("Height", &C::Height, &C::SetHeight, 200)
          .Bool("Inverted", &C::Inverted, &C::SetInverted, false)
          .Int("Left", &C::Left, &C::SetLeft, 10)
          .Object("Pen", static_cast<TQuilPen& (C::*)()>(&C::Pen))
          .Enum("PositionUnits", QuilUnitsInfo(), &C::PositionUnits, &C::SetPositionUnits, muPixels)
          .Object("Shadow", &C::Shadow)
          .Bool("Smooth", &C::Smooth, &C::SetSmooth, false)
          .Object("SubFoot", &C::SubFoot)
          .Object("SubTitle", &C::SubTitle)
          .Object("Title", &C::Title)
          .Int("Top", &C::Top, &C::SetTop, 10)
          // Follows from Color, which is stored instead.
          .Bool("Transparent", &C::Transparent, &C::SetTransparent, false)
          .StoredWhen([](const C&) { return false; })
          .Bool("Vertical", &C::Vertical, &C::SetVertical, true)
          .Int("Width", &C::Width, &C::SetWidth, 100)
          .Build(),
      ComponentFactory<TLegendPaletteTool>());
  return meta;
}

TLegendPaletteTool::TLegendPaletteTool(TComponent* owner)
    : TQuilCustomToolSeries(owner), chart_(std::make_unique<TPaletteChart>()) {
  TPaletteChart& chart = *chart_;
  chart.SetBufferedDisplay(false);
  chart.Zoom().SetAllow(false);
  chart.SetAllowPanning(pmNone);
  chart.SetView3D(false);
  chart.SetClipPoints(false);
  chart.SetColor(clWhite);
  chart.SetBevelOuter(bvNone);
  chart.SetMarginLeft(8);
  chart.SetMarginRight(8);
  chart.SetMarginTop(8);
  chart.SetMarginBottom(8);
  PrepareAxes();
  chart.BottomAxis().SetVisible(false);
  chart.TopAxis().SetVisible(false);
  chart.Legend().SetVisible(false);
  series_ = std::make_unique<TPaletteSeries>(*this);
  series_->SetCalcVisiblePoints(false);
  series_->SetVertAxis(aBothVertAxis);
  series_->SetHorizAxis(aBothHorizAxis);
  series_->SetParenrOvede(&chart);
}

TLegendPaletteTool::~TLegendPaletteTool() {
  if (listenedHost_) listenedHost_->RemoveListener(*this);
  listenedHost_ = nullptr;
  chart_->SetIParent(nullptr);
}

void TLegendPaletteTool::PrepareAxes() {
  for (ROvedeAxis* axis : {&chart_->LeftAxis(), &chart_->TopAxis(), &chart_->RightAxis(), &chart_->BottomAxis()}) {
    axis->Axis().SetWidth(1);
    axis->Axis().SetEndStyle(esSquare);
    axis->Grid().SetVisible(false);
  }
}

TLegendPaletteAxis TLegendPaletteTool::Axis() const {
  switch (series_->VertAxis()) {
    case aLeftAxis: return laDefault;
    case aRightAxis: return laOther;
    default: return laBoth;
  }
}

void TLegendPaletteTool::SetAxis(TLegendPaletteAxis value) {
  switch (value) {
    case laDefault:
      series_->SetVertAxis(aLeftAxis);
      series_->SetHorizAxis(aBottomAxis);
      break;
    case laOther:
      series_->SetVertAxis(aRightAxis);
      series_->SetHorizAxis(aTopAxis);
      break;
    case laBoth:
      series_->SetVertAxis(aBothVertAxis);
      series_->SetHorizAxis(aBothHorizAxis);
      break;
  }
  Repaint();
}

// A stored tool comes with the sizes it had, already swapped: reading Vertical only stores it.
void TLegendPaletteTool::SetVertical(bool value) {
  if (vertical_ == value) return;
  vertical_ = value;
  if (!HasState(csLoading)) std::swap(width_, height_);
  ShowAxesAcross(value);
  Repaint();
}

void TLegendPaletteTool::ShowAxesAcross(bool vertical) {
  chart_->LeftAxis().SetVisible(vertical);
  chart_->RightAxis().SetVisible(vertical);
  chart_->TopAxis().SetVisible(!vertical);
  chart_->BottomAxis().SetVisible(!vertical);
}

bool TLegendPaletteTool::Inverted() const { return chart_->LeftAxis().Inverted(); }

void TLegendPaletteTool::SetInverted(bool value) {
  for (ROvedeAxis* axis : {&chart_->LeftAxis(), &chart_->TopAxis(), &chart_->RightAxis(), &chart_->BottomAxis()})
    axis->SetInverted(value);
}

void TLegendPaletteTool::SetPositionUnits(TQuilUnits value) {
  if (positionUnits_ == value) return;
  positionUnits_ = value;
  Repaint();
}

TColor TLegendPaletteTool::Color() const { return chart_->Color(); }
void TLegendPaletteTool::SetColor(TColor value) { chart_->SetColor(value); }

void TLegendPaletteTool::SetTransparent(bool value) {
  if (value != Transparent()) SetColor(value ? clNone : clWhite);
}

TQuilGradient& TLegendPaletteTool::Gradient() { return chart_->Gradient(); }
TQuilHiddenPen& TLegendPaletteTool::Border() { return chart_->Border(); }
TQuilShadow& TLegendPaletteTool::Shadow() { return chart_->Shadow(); }
TQuilEmboss& TLegendPaletteTool::Emboss() { return chart_->Emboss(); }
ROvedeTitle& TLegendPaletteTool::Title() { return chart_->Title(); }
ROvedeTitle& TLegendPaletteTool::SubTitle() { return chart_->SubTitle(); }
ROvedeTitle& TLegendPaletteTool::Foot() { return chart_->Foot(); }
ROvedeTitle& TLegendPaletteTool::SubFoot() { return chart_->SubFoot(); }
void TLegendPaletteTool::SetGradient(const TQuilGradient& value) { Gradient().Assign(value); }
void TLegendPaletteTool::SetBorder(const TQuilPen& value) { Border().Assign(value); }
void TLegendPaletteTool::SetShadow(const TQuilShadow& value) { Shadow().Assign(value); }
void TLegendPaletteTool::SetEmboss(const TQuilShadow& value) { Emboss().Assign(value); }
void TLegendPaletteTool::SetTitle(const ROvedeTitle& value) { Title().Assign(value); }
void TLegendPaletteTool::SetSubTitle(const ROvedeTitle& value) { SubTitle().Assign(value); }
void TLegendPaletteTool::SetFoot(const ROvedeTitle& value) { Foot().Assign(value); }
void TLegendPaletteTool::SetSubFoot(const ROvedeTitle& value) { SubFoot().Assign(value); }

TLegendPointer& TLegendPaletteTool::Pointer() {
  if (!pointer_) {
    pointer_ = std::make_unique<TLegendPointer>([this](TPersistent&) { chart_->Invalidate(); });
    pointer_->SetSize(8);
    pointer_->SetStyle(psDonut);
  }
  return *pointer_;
}

std::string TLegendPaletteTool::Description() const { return QuilMsg_LegendPalette; }
std::string TLegendPaletteTool::LongDescription() const { return QuilMsg_LegendPaletteDesc; }

void TLegendPaletteTool::ChartMouseEvent(ROvedeMouseEvent event, TMouseButton button, TShiftState shift, int x,
                                         int y) {
  TQuilCustomToolSeries::ChartMouseEvent(event, button, shift, x, y);
  switch (event) {
    case cmeDown: chart_->MouseDown(button, shift, x, y); break;
    case cmeMove: chart_->MouseMove(shift, x, y); break;
    case cmeUp: chart_->MouseUp(button, shift, x, y); break;
  }
  // Where the bar is drawn, whatever units place it.
  if (TCustomAxisPanel* host = ParenrOvede(); host && BarRect().Contains({x, y})) host->SetCancelMouse(true);
}

void TLegendPaletteTool::QuilEvent(const TQuilEvent& event) {
  const auto* seriesEvent = dynamic_cast<const TQuilSeriesEvent*>(&event);
  if (seriesEvent && seriesEvent->Event == seRemove && seriesEvent->Series && seriesEvent->Series == Series())
    SetSeries(nullptr);
}

void TLegendPaletteTool::ChartChanged() {
  TQuilCustomToolSeries::ChartChanged();
  TCustomAxisPanel* host = ParenrOvede();
  chart_->SetIParent(host);
  if (listenedHost_ == host) return;
  if (listenedHost_) listenedHost_->RemoveListener(*this);
  listenedHost_ = host;
  if (host) host->AddListener(*this);
}

// A host that is going is not asked to forget the tool: its list goes with it.
void TLegendPaletteTool::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component && component == listenedHost_) listenedHost_ = nullptr;
  TQuilCustomToolSeries::Notification(component, operation);
}

void TLegendPaletteTool::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TLegendPaletteTool*>(&source);
  if (other && other != this) {
    left_ = other->left_;
    top_ = other->top_;
    width_ = other->width_;
    height_ = other->height_;
    positionUnits_ = other->positionUnits_;
    // The palette chart brings the axes' visibility and direction along.
    chart_->Assign(*other->chart_);
    if (other->pointer_)
      Pointer().Assign(*other->pointer_);
    else
      pointer_.reset();
    smooth_ = other->smooth_;
    // The sizes came with the source's direction: nothing to swap.
    vertical_ = other->vertical_;
    SetAxis(other->Axis());
  }
  TQuilCustomToolSeries::Assign(source);
}

}  // namespace quil
