#include "chart/custom_chart.h"

#include "chart/color_palettes.h"
#include "core/class_registry.h"
#include "core/color_idents.h"
#include "core/filer.h"
#include "core/reader.h"
#include "engine/color_palette.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"
#include "panel/option_store.h"

namespace quil {

const TMetaClass& TCustomChart::StaticClass() {
  static const TMetaClass meta("TCustomChart", &TCustomAxisPanel::StaticClass(), {});
  return meta;
}

TCustomChart::TCustomChart(TComponent* owner) : TCustomAxisPanel(owner) {
  const bool repaint = AutoRepaint();
  SetAutoRepaint(false);
  walls_ = std::make_unique<ROvedeWalls>(*this);
  standardAxes_ = CreateStandardAxes(*this);
  SetColorPaletteIndex(QuilReadIntegerOption("DefaultPalette", 13));
  SetAutoRepaint(repaint);
}

TCustomChart::~TCustomChart() = default;

ROvedeTitle& TCustomChart::TitleAt(int index) {
  auto& title = titles_.at(static_cast<std::size_t>(index));
  if (!title) {
    if (index < 2)
      title = std::make_unique<ROvedeTitle>(this);
    else
      title = std::make_unique<ROvedeFootTitle>(this);
  }
  return *title;
}

// A custom palette (-2) starts as a copy of the colours in use; any other index takes the
// registry's palette, none for an index without colours.
void TCustomChart::SetColorPaletteIndex(int index) {
  if (colorPaletteIndex_ == index) return;
  if (index == kCustomColorPalette)
    SetColorPalette(colorPaletteIndex_ > 0 ? ColorPalettes().GetPalette(colorPaletteIndex_) : QuilColorPalette);
  colorPaletteIndex_ = index;
  if (index != kCustomColorPalette) TColorPalettes::ApplyPalette(*this, index);
}

bool TCustomChart::IsFreeSeriesColor(TColor color, bool checkBackground, const ROvedeSeries* series) const {
  if (checkBackground && (color == Color() || color == walls_->Back().Color())) return false;
  return TCustomAxisPanel::IsFreeSeriesColor(color, checkBackground, series);
}

TColor TCustomChart::GetBackColor() {
  if (View3DWalls() && walls_->Back().Visible() && !walls_->Back().Transparent()) {
    const TQuilGradient* gradient = walls_->Back().Brush().GradientOrNull();
    return gradient && gradient->Visible() ? gradient->StartColor() : walls_->Back().Color();
  }
  const TQuilGradient* gradient = GradientOrNull();
  return gradient && gradient->Visible() ? gradient->StartColor() : Color();
}

bool TCustomChart::ActiveSeriesUseAxis() const {
  bool anyActive = false;
  for (const ROvedeSeries* series : SeriesList().Items()) {
    if (!series->Active()) continue;
    if (series->UseAxis()) return true;
    anyActive = true;
  }
  return !anyActive;
}

void TCustomChart::KeyDown(int& key, TShiftState shift) {
  TCustomAxisPanel::KeyDown(key, shift);
  BroadcastKeyEvent(ckeDown, key, shift);
}

void TCustomChart::KeyUp(int& key, TShiftState shift) {
  TCustomAxisPanel::KeyUp(key, shift);
  BroadcastKeyEvent(ckeUp, key, shift);
}

void TCustomChart::ReadBackColor(TReader& reader) {
  TColor color = clNone;
  if (reader.NextValue() == vaIdent) {
    const std::string ident = reader.ReadIdent();
    const auto value = ColorIdents().ToInt(ident);
    if (!value) throw EReadError("Invalid property value");
    color = static_cast<TColor>(*value);
  } else {
    color = static_cast<TColor>(reader.ReadInteger());
  }
  walls_->Back().SetColor(color);
  if (Parent() && !HasState(csLoading)) walls_->Back().Brush().SetStyle(bsSolid);
}

// The whole list is read before the palette changes, so a damaged list leaves it as it was.
void TCustomChart::ReadColorPalette(TReader& reader) {
  std::vector<TColor> colors;
  reader.ReadListBegin();
  while (!reader.EndOfList()) colors.push_back(static_cast<TColor>(reader.ReadInteger()));
  reader.ReadListEnd();
  if (colors.empty())
    SetColorPaletteIndex(-1);
  else
    SetColorPalette(std::move(colors));
}

void TCustomChart::DefineProperties(TFiler& filer) {
  TCustomAxisPanel::DefineProperties(filer);
  filer.DefineProperty(
      "ColorPaletteIndex", [this](TReader& reader) { SetColorPaletteIndex(reader.ReadInteger()); },
      [this](TWriter& writer) { writer.WriteInteger(colorPaletteIndex_); },
      colorPaletteIndex_ >= 0 || colorPaletteIndex_ == kCustomColorPalette);
  filer.DefineProperty(
      "ColorPalette", [this](TReader& reader) { ReadColorPalette(reader); },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (TColor color : ColorPalette()) writer.WriteInteger(static_cast<int32_t>(color));
        writer.WriteListEnd();
      },
      colorPaletteIndex_ == kCustomColorPalette);
  filer.DefineProperty("BackColor", [this](TReader& reader) { ReadBackColor(reader); }, nullptr, false);
}

}  // namespace quil
