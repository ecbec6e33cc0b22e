#include "chart/chart_legend.h"

#include <algorithm>

#include "canvas/canvas_types.h"
#include "chart/custom_chart.h"
#include "chart/legend_exception.h"
#include "core/color_idents.h"
#include "core/messages.h"
#include "core/rounding.h"
#include "engine/series.h"
#include "panel/text_lines.h"

namespace quil {

namespace {

class TLegendSeriesLink : public TComponent {
 public:
  explicit TLegendSeriesLink(TCustomChartLegend& legend) : legend_(legend) {}

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) legend_.ForgetSeries(component);
  }

 private:
  TCustomChartLegend& legend_;
};

}  // namespace

const TMetaClass& TCustomChartLegend::StaticClass() {
  static const TMetaClass meta("TCustomChartLegend", &TQuilCustomShapePosition::StaticClass());
  return meta;
}

// The legend's own defaults are set before it joins the chart, so that they repaint nothing.
TCustomChartLegend::TCustomChartLegend(TCustomChart& chart)
    : TQuilCustomShapePosition(nullptr),
      chart_(chart),
      symbol_(std::make_unique<TLegendSymbol>(ChangeHandler())),
      title_(std::make_unique<TLegendTitle>(&chart)),
      dividingLines_(std::make_unique<TQuilHiddenPen>(ChangeHandler())),
      seriesLink_(std::make_unique<TLegendSeriesLink>(*this)) {
  dividingLines_->InitEndStyle(esFlat);
  IDraw2D = true;
  TQuilGradient& gradient = Gradient();
  gradient.InitDirection(gdBottomTop);
  gradient.SetIDefStart(clSilver);
  gradient.SetIDefEnd(clWhite);
  SetParent(&chart);
}

TCustomChartLegend::~TCustomChartLegend() = default;

TQuilSelected& TCustomChartLegend::Selected() {
  if (!selected_) selected_ = std::make_unique<TQuilSelected>(&chart_);
  return *selected_;
}

void TCustomChartLegend::SetFirstValue(int v) {
  if (v < 0) throw LegendException(QuilMsg_LegendFirstValue);
  SetValue(firstValue_, v);
}

void TCustomChartLegend::SetGlobalTransparency(int v) { SetValue(globalTransparency_, std::clamp(v, 0, 100)); }

void TCustomChartLegend::SetSeries(ROvedeSeries* series) {
  if (series_ == series) return;
  if (series_) seriesLink_->RemoveFreeNotification(*series_);
  series_ = series;
  if (series) seriesLink_->FreeNotification(*series);
  Repaint();
}

void TCustomChartLegend::ForgetSeries(const TComponent* component) {
  if (component && static_cast<const TComponent*>(series_) == component) series_ = nullptr;
}

bool TCustomChartLegend::ShouldDraw() const { return Visible() && (checkBoxes_ || chart_.CountActiveSeries() > 0); }

TLegendStyle TCustomChartLegend::CalcLegendStyle() const {
  if (legendStyle_ != lsAuto) return legendStyle_;
  if (checkBoxes_) return lsSeries;
  int shown = 0;
  for (const ROvedeSeries* series : chart_.SeriesList().Items())
    if (series->Active() && series->ShowInLegend() && ++shown > 1) return lsSeries;
  return lsValues;
}

// A series of another chart, or one that left this chart, is not listed.
ROvedeSeries* TCustomChartLegend::GetLegendSeries() const {
  if (series_ && series_->ParenrOvede() == &chart_) return series_;
  ROvedeSeries* firstActive = nullptr;
  for (ROvedeSeries* series : chart_.SeriesList().Items()) {
    if (!series->Active()) continue;
    if (series->ShowInLegend()) return series;
    if (!firstActive) firstActive = series;
  }
  return firstActive;
}

bool TCustomChartLegend::HasCheckBoxes() const { return checkBoxes_ && CalcLegendStyle() != lsValues; }

bool TCustomChartLegend::CalcInverted() const {
  if (CalcLegendStyle() != lsValues) return inverted_;
  const ROvedeSeries* series = GetLegendSeries();
  return series && series->InvertedLegend() ? !inverted_ : inverted_;
}

int TCustomChartLegend::CalcTotalItems() const {
  if (items_.Custom) return items_.Count();
  int total = 0;
  switch (CalcLegendStyle()) {
    case lsSeriesGroups:
      // The chart keeps no series groups: there is nothing to list.
      return 0;
    case lsSeries:
    case lsLastValues:
      for (const ROvedeSeries* series : chart_.SeriesList().Items())
        if (series->ShowInLegend() && (checkBoxes_ || series->Active())) ++total;
      break;
    case lsAuto:
    case lsValues: {
      const ROvedeSeries* series = GetLegendSeries();
      if (!series || !series->ShowInLegend()) return 0;
      total = series->CountLegendItems();
      break;
    }
  }
  return std::max(0, total - firstValue_);
}

namespace {

// A value text on one line: the series' lines are joined by blanks, its columns kept.
std::string ValueText(const ROvedeSeries& series, int index, TLegendTextStyle style) {
  if (index < 0) return {};
  std::string text = series.LegendString(index, style);
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

std::string JoinColumns(const TLegendItem& item) {
  std::string text = item.Text;
  if (!item.Text2.empty() || !item.Text3.empty()) text += std::string(1, QuilColumnSeparator) + item.Text2;
  if (!item.Text3.empty()) text += std::string(1, QuilColumnSeparator) + item.Text3;
  return text;
}

}  // namespace

std::string TCustomChartLegend::FormattedLegend(int index) const {
  const TLegendStyle style = CalcLegendStyle();
  std::string text;
  if (items_.Custom) {
    if (index >= 0 && index < items_.Count()) text = JoinColumns(items_[index]);
  } else if (style == lsSeries) {
    text = chart_.SeriesTitleLegend(index, !checkBoxes_);
  } else if (style == lsValues || style == lsAuto) {
    if (const ROvedeSeries* series = GetLegendSeries()) text = ValueText(*series, index, textStyle_);
  } else if (style == lsLastValues) {
    if (const ROvedeSeries* series = chart_.SeriesLegend(index, !checkBoxes_))
      text = ValueText(*series, series->CountLegendItems() - 1, textStyle_);
  }
  if (chart_.OnGetLegendText) chart_.OnGetLegendText(chart_, style, index, text);
  return text;
}

ROvedeSeries* TCustomChartLegend::SeriesOfItem(int index) const {
  const TLegendStyle style = CalcLegendStyle();
  if (style == lsValues || style == lsAuto) return GetLegendSeries();
  if (style == lsSeries || style == lsLastValues) return chart_.SeriesLegend(index, !checkBoxes_);
  return nullptr;
}

TColor TCustomChartLegend::ItemColor(int index) const {
  ROvedeSeries* series = SeriesOfItem(index);
  if (!series) return Font().Color();
  const TLegendStyle style = CalcLegendStyle();
  if (style == lsValues || style == lsAuto) return series->LegendItemColor(series->CalcLegendIndex(index));
  return series->SeriesColor();
}

// Tall symbols and check boxes make room for themselves; a vertical legend's dividing lines
// lie between the rows.
int TCustomChartLegend::CalcItemHeight() {
  TCanvas3D& canvas = chart_.Canvas();
  canvas.AssignFont(DrawingFont());
  textHeight_ = canvas.TextHeight("W");
  int height = textHeight_;
  if (symbol_->Visible()) {
    if (symbol_->HeightUnits() == lcsPixels)
      height = std::max(height, symbol_->Height());
    else if (symbol_->Height() > 100)
      height = std::max(height, QuilRound(textHeight_ * symbol_->Height() / 100.0));
  }
  if (HasCheckBoxes()) height = std::max(height, QuilCheckBoxSize + 6);
  height += vertSpacing_;
  if (Vertical() && dividingLines_->Visible()) height += dividingLines_->Width();
  return height;
}

void TCustomChartLegend::Assign(const TPersistent& source) {
  if (const auto* s = dynamic_cast<const TCustomChartLegend*>(&source); s && s != this) {
    alignment_ = s->alignment_;
    checkBoxes_ = s->checkBoxes_;
    checkBoxesStyle_ = s->checkBoxesStyle_;
    currentPage_ = s->currentPage_;
    drawBehind_ = s->drawBehind_;
    firstValue_ = s->firstValue_;
    fontSeriesColor_ = s->fontSeriesColor_;
    globalTransparency_ = s->globalTransparency_;
    horizJustify_ = s->horizJustify_;
    horizMargin_ = s->horizMargin_;
    inverted_ = s->inverted_;
    leftPercent_ = s->leftPercent_;
    legendStyle_ = s->legendStyle_;
    maxNumRows_ = s->maxNumRows_;
    positionUnits_ = s->positionUnits_;
    resizeChart_ = s->resizeChart_;
    textStyle_ = s->textStyle_;
    textSymbolGap_ = s->textSymbolGap_;
    topPercent_ = s->topPercent_;
    topPos_ = s->topPos_;
    vertMargin_ = s->vertMargin_;
    vertSpacing_ = s->vertSpacing_;
    ColumnWidthAuto = s->ColumnWidthAuto;
    ColumnWidths = s->ColumnWidths;
    dividingLines_->AssignSettings(*s->dividingLines_);
    symbol_->AssignSettings(*s->symbol_);
    title_->Assign(*s->title_);
    if (s->selected_) Selected().Assign(*s->selected_);
    OnCalcSize = s->OnCalcSize;
  }
  TQuilCustomShapePosition::Assign(source);
}

const TMetaClass& ROvedeLegend::StaticClass() {
  using L = ROvedeLegend;
  static const TMetaClass meta(
      "ROvedeLegend", &TCustomChartLegend::StaticClass(),
      TPropertyListBuilder<L>()
          .Enum("Alignment", LegendAlignmentInfo(), &L::Alignment, &L::SetAlignment, laRight)
          .Enum("Bevel", PanelBevelInfo(), &L::Bevel, &L::SetBevel, bvNone)
          .Int("BevelWidth", &L::BevelWidth, &L::SetBevelWidth, 2)
          .Object("Brush", static_cast<TQuilBrush& (L::*)()>(&L::Brush))
          .Bool("CheckBoxes", &L::CheckBoxes, &L::SetCheckBoxes, false)
          .Enum("CheckBoxesStyle", CheckBoxesStyleInfo(), &L::CheckBoxesStyle, &L::SetCheckBoxesStyle, cbsCheck)
          .Bool("ClipText", &L::ClipText, &L::SetClipText, true)
          .Int("Color", &L::Color, &L::SetColor, clWhite, &ColorIdents())
          .Int("ColorWidth", &L::ColorWidth, &L::SetColorWidth, 20)
          .Bool("CurrentPage", &L::CurrentPage, &L::SetCurrentPage, true)
          .Int("Cursor", &L::Cursor, &L::SetCursor, 0)
          .Bool("CustomPosition", &L::CustomPosition, &L::SetCustomPosition, false)
          .StoredWhen([](const L& l) { return l.CustomPosition() != l.DefaultCustom(); })
          .Object("DividingLines", static_cast<TQuilHiddenPen& (L::*)()>(&L::DividingLines))
          .Bool("DrawBehind", &L::DrawBehind, &L::SetDrawBehind, false)
          .Object("Emboss", &L::Emboss)
          .StoredWhen([](const L& l) { return l.EmbossOrNull() != nullptr; })
          .Int("FirstValue", &L::FirstValue, &L::SetFirstValue, 0)
          .Object("Font", static_cast<TQuilFont& (L::*)()>(&L::Font))
          .Bool("FontSeriesColor", &L::FontSeriesColor, &L::SetFontSeriesColor, false)
          .Object("Frame", static_cast<TQuilPen& (L::*)()>(&L::Frame))
          .Int("GlobalTransparency", &L::GlobalTransparency, &L::SetGlobalTransparency, 0)
          .Object("Gradient", &L::Gradient)
          .StoredWhen([](const L&) { return false; })
          .Enum("HorizJustify", LegendJustifyInfo(), &L::HorizJustify, &L::SetHorizJustify, ljAutomatic)
          .Int("HorizMargin", &L::HorizMargin, &L::SetHorizMargin, 0)
          .Bool("Inverted", &L::Inverted, &L::SetInverted, false)
          .Int("Left", &L::Left, &L::SetLeft)
          .StoredWhen([](const L& l) { return l.CustomPosition(); })
          .Int("LeftPercent", &L::LeftPercent, &L::SetLeftPercent, 0)
          .Enum("LegendStyle", LegendStyleInfo(), &L::LegendStyle, &L::SetLegendStyle, lsAuto)
          .Int("MaxNumRows", &L::MaxNumRows, &L::SetMaxNumRows, 0)
          .Object("Picture", &L::Picture)
          .StoredWhen([](const L& l) { return l.PictureOrNull() && !l.PictureOrNull()->Empty(); })
          .Enum("PositionUnits", QuilUnitsInfo(), &L::PositionUnits, &L::SetPositionUnits, muPixels)
          .Bool("ResizeChart", &L::ResizeChart, &L::SetResizeChart, true)
          .Int("RoundSize", &L::RoundSize, &L::SetRoundSize, 16)
          .Object("Selected", &L::Selected)
          .StoredWhen([](const L& l) { return l.SelectedOrNull() != nullptr; })
          .Object("Shadow", &L::Shadow)
          .Enum("ShapeStyle", ShapeStyleInfo(), &L::ShapeStyle, &L::SetShapeStyle, fosRectangle)
          .Object("Symbol", static_cast<TLegendSymbol& (L::*)()>(&L::Symbol))
          .Enum("TextFormat", TextFormatInfo(), &L::TextFormat, &L::SetTextFormat, ttfNormal)
          .Enum("TextStyle", LegendTextStyleInfo(), &L::TextStyle, &L::SetTextStyle, ltsLeftValue)
          .Int("TextSymbolGap", &L::TextSymbolGap, &L::SetTextSymbolGap, 2)
          .Object("Title", static_cast<TLegendTitle& (L::*)()>(&L::Title))
          .Int("Top", &L::Top, &L::SetTop)
          .StoredWhen([](const L& l) { return l.CustomPosition(); })
          .Int("TopPercent", &L::TopPercent, &L::SetTopPercent, 0)
          .Int("TopPos", &L::TopPos, &L::SetTopPos, 10)
          .Int("Transparency", &L::Transparency, &L::SetTransparency, 0)
          .Bool("Transparent", &L::Transparent, &L::SetTransparent, false)
          .Int("VertMargin", &L::VertMargin, &L::SetVertMargin, 0)
          .Int("VertSpacing", &L::VertSpacing, &L::SetVertSpacing, 0)
          .Bool("Visible", &L::Visible, &L::SetVisible, true)
          .Build());
  return meta;
}

}  // namespace quil
