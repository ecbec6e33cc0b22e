#include "panel/quil_panel.h"

#include <algorithm>

#include "canvas/canvas_classes.h"
#include "canvas/quil_canvas3d.h"
#include "core/filer.h"
#include "core/rounding.h"
#include "core/reader.h"
#include "panel/option_store.h"

namespace quil {

std::string QuilDefaultCanvas;
bool QuilEraseBack = false;
bool PrintQuilPanel = true;
bool QuilClipWhenPrinting = true;
bool QuilClipWhenMetafiling = true;

const TEnumInfo& QuilUnitsInfo() {
  static const TEnumInfo info{"TQuilUnits", {"muPercent", "muPixels"}};
  return info;
}

const TMetaClass& TCustomQuilPanel::StaticClass() {
  using C = TCustomQuilPanel;
  static const TMetaClass meta(
      "TCustomQuilPanel", &TCustomPanelNoCaption::StaticClass(),
      TPropertyListBuilder<C>()
          .Object("Border", &C::Border)
          .Int("BorderRound", &C::BorderRound, &C::SetBorderRound, 0)
          .Object("Emboss", &C::Emboss)
          .Int("MarginLeft", &C::MarginLeft, &C::SetMarginLeft, 3)
          .Int("MarginTop", &C::MarginTop, &C::SetMarginTop, 4)
          .Int("MarginRight", &C::MarginRight, &C::SetMarginRight, 3)
          .Int("MarginBottom", &C::MarginBottom, &C::SetMarginBottom, 4)
          .Enum("MarginUnits", QuilUnitsInfo(), &C::MarginUnits, &C::SetMarginUnits, muPercent)
          .Bool("Monochrome", &C::Monochrome, &C::SetMonochrome, false)
          .Object("Panning", &C::Panning)
          .Bool("PrintProportional", &C::PrintProportional, &C::SetPrintProportional, true)
          .Object("Shadow", &C::Shadow)
          .Bool("View3D", &C::View3D, &C::SetView3D, true)
          .Object("View3DOptions", &C::View3DOptions)
          .Event("OnBeforePrint")
          .Build());
  return meta;
}

TCustomQuilPanel::TCustomQuilPanel(TComponent* owner) : TCustomPanelNoCaption(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 400, 250);
  if (!QuilDefaultCanvas.empty() && !HasState(csLoading))
    iDefaultCanvas_ = QuilReadStringOption("DefaultCanvas", QuilDefaultCanvas);
  CreateDefaultCanvas();
  view3DOptions_ = std::make_unique<TView3DOptions>(this);
  originalCursor_ = Cursor();
  const TChangeHandler changed = [this](TPersistent& sender) { CanvasChanged(sender); };
  panning_ = std::make_unique<TQuilPanning>(changed);
  shadow_ = std::make_unique<TQuilShadow>(changed);
  emboss_ = std::make_unique<TQuilEmboss>(changed);
  border_ = std::make_unique<TQuilHiddenPen>(changed);
}

TCustomQuilPanel::~TCustomQuilPanel() {
  broadcasting_ = true;  // no listener is told anything while the panel goes
  if (IsEmbedded) (void)internalCanvas_.release();
}

std::unique_ptr<TCanvas3D> TCustomQuilPanel::NewCanvasOfClass(const std::string& name) const {
  if (!name.empty())
    if (auto canvas = CreateCanvasByClassName(name)) return canvas;
  return std::make_unique<TQuilCanvas3D>();
}

void TCustomQuilPanel::CreateDefaultCanvas() {
  const TCanvasClass* wanted = iDefaultCanvas_.empty() ? nullptr : FindCanvasClass(iDefaultCanvas_);
  const std::string className = wanted ? wanted->Name : std::string("TQuilCanvas3D");
  if (internalCanvas_ && internalCanvas_->ClassName() == className) return;
  internalCanvas_.reset();
  internalCanvas_ = wanted ? wanted->Create() : std::make_unique<TQuilCanvas3D>();
}

void TCustomQuilPanel::SetInternalCanvas(std::unique_ptr<TCanvas3D> newCanvas) {
  if (!newCanvas) return;
  newCanvas->SetCanvas(nullptr);
  if (internalCanvas_) {
    const bool old = autoRepaint_;
    autoRepaint_ = false;
    newCanvas->Assign(*internalCanvas_);
    autoRepaint_ = old;
    internalCanvas_.reset();
  }
  internalCanvas_ = std::move(newCanvas);
  iDefaultCanvas_ = internalCanvas_->ClassName();
  if (autoRepaint_) Invalidate();
}

void TCustomQuilPanel::Loaded() {
  TCustomPanelNoCaption::Loaded();
  if (!iDefaultCanvas_.empty()) CreateDefaultCanvas();
  if (!internalCanvas_ || !internalCanvas_->IsAvailable()) SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
  originalCursor_ = Cursor();
  if (borderRound_ > 0) ApplyRoundRegion();
  initialSize_ = {Width(), Height()};
}

void TCustomQuilPanel::ReadState(TReader& reader) {
  const bool old = autoRepaint_;
  autoRepaint_ = false;
  try {
    TCustomPanelNoCaption::ReadState(reader);
  } catch (...) {
    autoRepaint_ = old;
    throw;
  }
  autoRepaint_ = true;
  Invalidate();
}

void TCustomQuilPanel::DefineProperties(TFiler& filer) {
  TCustomPanelNoCaption::DefineProperties(filer);
  filer.DefineProperty(
      "DefaultCanvas", [this](TReader& reader) { iDefaultCanvas_ = reader.ReadString(); },
      [this](TWriter& writer) { writer.WriteString(iDefaultCanvas_); },
      internalCanvas_ && internalCanvas_->ClassName() != "TQuilCanvas3D");
  filer.DefineProperty(
      "BorderStyle", [this](TReader& reader) { border_->SetVisible(SameText(reader.ReadIdent(), "bsSingle")); },
      nullptr, false);
}

void TCustomQuilPanel::SetIntegerProperty(int& field, int value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TCustomQuilPanel::SetBooleanProperty(bool& field, bool value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TCustomQuilPanel::SetDoubleProperty(double& field, double value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TCustomQuilPanel::SetColorProperty(TColor& field, TColor value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TCustomQuilPanel::SetStringProperty(std::string& field, const std::string& value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TCustomQuilPanel::SetApplyZOrder(bool v) { SetBooleanProperty(applyZOrder_, v); }

void TCustomQuilPanel::SetBorderRound(int v) {
  if (v == borderRound_) return;
  borderRound_ = v;
  ApplyRoundRegion();
  Invalidate();
}

void TCustomQuilPanel::SetMarginUnits(TQuilUnits v) {
  if (v == marginUnits_) return;
  marginUnits_ = v;
  Invalidate();
}

void TCustomQuilPanel::SetView3D(bool v) {
  if (v == view3D_) return;
  view3D_ = v;
  Invalidate();
  TQuilView3DEvent event;
  Broadcast(event, false);
}

bool TCustomQuilPanel::Monochrome() const { return internalCanvas_ && internalCanvas_->GetMonochrome(); }

void TCustomQuilPanel::SetMonochrome(bool v) {
  if (internalCanvas_ && internalCanvas_->GetMonochrome() != v) internalCanvas_->SetMonochrome(v);
}

bool TCustomQuilPanel::BufferedDisplay() const { return internalCanvas_ && internalCanvas_->GetUseBuffer(); }

void TCustomQuilPanel::SetBufferedDisplay(bool v) {
  if (internalCanvas_) internalCanvas_->SetUseBuffer(v);
}

void TCustomQuilPanel::SetChartRect(const TRect& rect) {
  customChartRect_ = true;
  cachedChartRect_ = {};
  ChartRect = rect;
  Invalidate();
}

void TCustomQuilPanel::SetCustomChartRect(bool v) {
  if (v == customChartRect_) return;
  customChartRect_ = v;
  if (!v) cachedChartRect_ = {};
  Invalidate();
}

TQuilFont& TCustomQuilPanel::GetDefaultFont() {
  if (theme_) return theme_->GetDefaultFont();
  if (!globalFont_) globalFont_ = std::make_unique<TQuilFont>([this](TPersistent& s) { CanvasChanged(s); });
  return *globalFont_;
}

void TCustomQuilPanel::SetTheme(TCustomQuilPanel* theme) {
  if (theme == this) theme = nullptr;
  if (theme_ == theme) return;
  if (theme_) RemoveFreeNotification(*theme_);
  theme_ = theme;
  if (theme_) FreeNotification(*theme_);
  Invalidate();
}

void TCustomQuilPanel::PrepareFont3D(const TQuilFont& font) {
  if (view3D_)
    internalCanvas_->AssignFont3D(font);
  else
    internalCanvas_->AssignFont(font);
}

TQuilPicture& TCustomQuilPanel::GlobalPicture() {
  if (!globalPicture_) globalPicture_ = std::make_unique<TQuilPicture>([this](TPersistent& s) { CanvasChanged(s); });
  return *globalPicture_;
}

void TCustomQuilPanel::CanvasChanged(TPersistent&) { Invalidate(); }

void TCustomQuilPanel::Invalidate() {
  if (!autoRepaint_) return;
  if (internalCanvas_) internalCanvas_->Invalidate();
  TCustomPanelNoCaption::Invalidate();
}

bool TCustomQuilPanel::CanClip() const {
  if (internalCanvas_->GetSupportsFullRotation() && view3D_) return false;
  if (printing_) return QuilClipWhenPrinting;
  if (internalCanvas_->Metafiling()) return QuilClipWhenMetafiling;
  return true;
}

TRect TCustomQuilPanel::GetRectangle() const {
  if (Parent()) return ClientRect();
  return {0, 0, Width(), Height()};
}

TPoint TCustomQuilPanel::GetCursorPos() const { return ScreenCursorPos(); }

void TCustomQuilPanel::SetColor(TColor c) {
  if (c == Color()) return;
  TCustomPanelNoCaption::SetColor(c);
  Invalidate();
}

void TCustomQuilPanel::SetBounds(int left, int top, int width, int height) {
  TCustomPanelNoCaption::SetBounds(left, top, width, height);
}

void TCustomQuilPanel::Resize() {
  TCustomPanelNoCaption::Resize();
  if (HasState(csLoading)) return;
  if (borderRound_ > 0) ApplyRoundRegion();
  if (view3DOptions_ && view3DOptions_->ZoomText() == ztAuto && initialSize_.X > 0 && initialSize_.Y > 0) {
    const int dw = QuilRound(100.0 * (Width() - initialSize_.X) / initialSize_.X);
    const int dh = QuilRound(100.0 * (Height() - initialSize_.Y) / initialSize_.Y);
    view3DOptions_->SetFontZoom(100 + std::max(dw, dh));
  }
  Invalidate();
}

void TCustomQuilPanel::ChangeScale(int m, int d) {
  if (HasState(csLoading) || d == 0) return;
  view3DOptions_->SetFontZoom(QuilRound(static_cast<double>(view3DOptions_->FontZoom()) * m / d));
  if (internalCanvas_) internalCanvas_->SetFontZoom(view3DOptions_->FontZoom());
}

void TCustomQuilPanel::ApplyRoundRegion() {
  if (iRounding_) return;
  IControlHost* host = Host();
  if (!host || !Parent()) return;
  iRounding_ = true;
  host->SetRoundRegion(*this, borderRound_ > 0 ? borderRound_ : 0);
  iRounding_ = false;
}

}  // namespace quil
