#pragma once

#include <memory>
#include <string>
#include <vector>

#include "canvas/canvas3d.h"
#include "canvas/font.h"
#include "canvas/pen.h"
#include "canvas/picture.h"
#include "canvas/shadow.h"
#include "canvas/view3d_options.h"
#include "panel/back_image.h"
#include "panel/panel_events.h"
#include "panel/panel_no_caption.h"
#include "panel/zoom_panning.h"

namespace quil {

enum TQuilUnits : uint8_t { muPercent, muPixels };
enum TQuilTextFormat : uint8_t { ttfNormal, ttfHtml };

const TEnumInfo& QuilUnitsInfo();

// The panel's margins, Left, Top, Right and Bottom, in percent or pixels.
struct TQuilMargins {
  int Left = 3;
  int Top = 4;
  int Right = 3;
  int Bottom = 4;
};

// Size of a multi-line text and its number of lines.
struct TMultiLineSize {
  int Width = 0;
  int Height = 0;
  int NumLines = 0;
};

// The class name of the canvas a panel creates first ("TGDIPlusCanvas" once the program starts).
extern std::string QuilDefaultCanvas;
// Whether the window background is erased before painting (it never needs to be).
extern bool QuilEraseBack;
// Whether the panel background is painted when printing.
extern bool PrintQuilPanel;
extern bool QuilClipWhenPrinting;
extern bool QuilClipWhenMetafiling;

// The windowed control every chart is drawn on. It owns the 3D canvas (chosen by class name),
// the 3D view, margins, border, bevels, shadow and emboss; computes the chart rectangle for
// each paint and runs the paint cycle, whose InternalDraw descendants fill in.
class TCustomQuilPanel : public TCustomPanelNoCaption {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomQuilPanel(TComponent* owner = nullptr);
  ~TCustomQuilPanel() override;

  TCanvas3D& Canvas() const { return *internalCanvas_; }
  TCanvas3D* CanvasOrNull() const { return internalCanvas_.get(); }
  // Installs a canvas, carrying the settings of the current one over.
  void SetInternalCanvas(std::unique_ptr<TCanvas3D> newCanvas);
  // Creates the canvas named by the default-canvas name (or the plain canvas).
  void CreateDefaultCanvas();
  const std::string& DefaultCanvasName() const { return iDefaultCanvas_; }
  void SetDefaultCanvasName(const std::string& name) { iDefaultCanvas_ = name; }

  bool AutoRepaint() const { return autoRepaint_; }
  void SetAutoRepaint(bool v) { autoRepaint_ = v; }
  bool ApplyZOrder() const { return applyZOrder_; }
  void SetApplyZOrder(bool v);
  TQuilHiddenPen& Border() { return *border_; }
  void SetBorder(const TQuilPen& pen) { border_->Assign(pen); }
  int BorderRound() const { return borderRound_; }
  void SetBorderRound(int v);
  bool CancelMouse() const { return cancelMouse_; }
  // The cursor the panel shows when nothing under the mouse asks for another.
  int OriginalCursor() const { return originalCursor_; }
  void SetCancelMouse(bool v) { cancelMouse_ = v; }
  TQuilEmboss& Emboss() { return *emboss_; }
  void SetEmboss(const TQuilShadow& emboss) { emboss_->Assign(emboss); }
  TQuilShadow& Shadow() { return *shadow_; }
  void SetShadow(const TQuilShadow& shadow) { shadow_->Assign(shadow); }
  TView3DOptions& View3DOptions() { return *view3DOptions_; }
  void SetView3DOptions(const TView3DOptions& options) { view3DOptions_->Assign(options); }
  bool View3D() const { return view3D_; }
  void SetView3D(bool v);
  TQuilPanning& Panning() { return *panning_; }
  void SetPanning(const TQuilPanning& panning) { panning_->Assign(panning); }

  const TQuilMargins& Margins() const { return margins_; }
  int MarginLeft() const { return margins_.Left; }
  int MarginTop() const { return margins_.Top; }
  int MarginRight() const { return margins_.Right; }
  int MarginBottom() const { return margins_.Bottom; }
  void SetMarginLeft(int v) { SetIntegerProperty(margins_.Left, v); }
  void SetMarginTop(int v) { SetIntegerProperty(margins_.Top, v); }
  void SetMarginRight(int v) { SetIntegerProperty(margins_.Right, v); }
  void SetMarginBottom(int v) { SetIntegerProperty(margins_.Bottom, v); }
  TQuilUnits MarginUnits() const { return marginUnits_; }
  void SetMarginUnits(TQuilUnits v);
  bool Monochrome() const;
  void SetMonochrome(bool v);
  bool BufferedDisplay() const;
  void SetBufferedDisplay(bool v);
  bool PrintProportional() const { return printProportional_; }
  void SetPrintProportional(bool v) { printProportional_ = v; }
  int PrintResolution() const { return printResolution_; }
  const TRect& PrintMargins() const { return printMargins_; }
  void SetPrintMargins(const TRect& r) { printMargins_ = r; }
  bool Printing() const { return printing_; }

  // The layout of the current paint.
  TRect ChartRect;
  const TRect& ChartBounds() const { return chartBounds_; }
  int ChartWidth() const { return chartWidth_; }
  int ChartHeight() const { return chartHeight_; }
  int ChartXCenter() const { return chartXCenter_; }
  int ChartYCenter() const { return chartYCenter_; }
  int Width3D() const { return width3D_; }
  void SetWidth3D(int v) { width3D_ = v; }
  int Height3D() const { return height3D_; }
  void SetHeight3D(int v) { height3D_ = v; }
  TPoint InitialSize() const { return initialSize_; }

  // Fixes the chart rectangle: margins are not applied any more until SetCustomChartRect(false).
  void SetChartRect(const TRect& rect);
  bool CustomChartRect() const { return customChartRect_; }
  void SetCustomChartRect(bool v);

  // The default font of every chart element: the theme's, or this panel's own.
  TQuilFont& GetDefaultFont();
  void SetTheme(TCustomQuilPanel* theme);
  TCustomQuilPanel* Theme() const { return theme_; }
  void PrepareFont3D(const TQuilFont& font);
  TQuilPicture& GlobalPicture();

  // Multi-line texts: lines separated by character 13 (a line feed right after it is skipped).
  TMultiLineSize MultiLineTextSize(const std::string& text, TQuilTextFormat format = ttfNormal);
  int MultiLineTextWidth(const std::string& text, TQuilTextFormat format = ttfNormal) {
    return MultiLineTextSize(text, format).Width;
  }

  // Listeners see mouse events, mouse leave and view changes in the order they were added.
  void AddListener(IQuilEventListener& listener);
  void RemoveListener(IQuilEventListener& listener);
  const std::vector<IQuilEventListener*>& Listeners() const { return listeners_; }

  // Paint cycle.
  void Invalidate() override;
  void Paint(TDeviceContext& dc) override;
  // Draws the whole picture into the target surface at targetRect.
  void Draw(TDeviceContext& target, const TRect& targetRect);
  // Renders the picture at the panel's size into a new bitmap (headless export).
  TBitmap QuilCreateBitmap();
  // The same at the size given (width and height at least 1).
  TBitmap CreatePicture(int width, int height);
  void SaveToBitmapFile(const std::string& fileName);
  // Writes the picture as a PNG, SVG or PDF file, chosen by the file's extension, at the panel's
  // size or at the size given. SVG and PDF are drawn straight onto their surfaces, so lines stay
  // lines and text stays text; the file is replaced only once it is complete.
  void SaveToFile(const std::string& path);
  void SaveToFile(const std::string& path, int width, int height);
  void CanvasChanged(TPersistent& sender);
  bool CanClip() const;
  TRect GetRectangle() const;
  TPoint GetCursorPos() const;
  bool DontShowImage = false;
  bool IsEmbedded = false;

  // Background pieces, used by the drawing sequence of descendants.
  virtual void PanelPaint(const TRect& userRect);
  void FillPanelRect(const TRect& rect);
  void DrawPanelBevels(TRect rect);

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void ReadState(TReader& reader) override;
  void DefineProperties(TFiler& filer) override;
  // The toolkit rescales the control by m / d (screen density).
  void ChangeScale(int m, int d);

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void DblClick() override;
  void MouseLeave() override;
  bool WantsArrowKeys() const override { return true; }
  void SetColor(TColor c) override;

  TNotifyEvent OnBeforePrint;

  // Width, height and centre of the chart rectangle again, after something took room from it.
  void ReCalcWidthHeight();
  // Border and bevels of the panel, pixels.
  int FrameSize() const;

 protected:
  // What descendants draw inside the prepared canvas: nothing here.
  virtual void InternalDraw(const TRect& userRect);
  void BroadcastMouseEvent(TQuilMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y);
  void Broadcast(TQuilEvent& event, bool stopOnCancel);
  void SetIntegerProperty(int& field, int value);
  void SetBooleanProperty(bool& field, bool value);
  void SetDoubleProperty(double& field, double value);
  void SetColorProperty(TColor& field, TColor value);
  void SetStringProperty(std::string& field, const std::string& value);
  // The panel colour as a concrete colour (system colours resolved).
  TColor PanelColor() const;
  // The colour the panel fills with (the parent's when ParentColor).
  TColor FillColor() const;
  // Draws the back image (panel or walls) on rect.
  void DrawBackImage(TBackImage& image, const TRect& rect);
  virtual TBackImage* BackImageOrNull() { return nullptr; }
  virtual bool BackImageInsideWalls() const { return false; }
  virtual TQuilGradient* PanelGradientOrNull() { return nullptr; }
  void Resize() override;

 private:
  void InnerDraw(TDeviceContext& target, const TRect& targetRect);
  // Draws onto a context of another surface without the off-screen buffer.
  void DrawUnbuffered(TDeviceContext& target, int width, int height);
  void ApplyMargins();
  void ApplyRoundRegion();
  void DrawPanelEffects(TRect& rect);
  void DrawBevel(TRect& rect, TPanelBevel bevel);
  std::unique_ptr<TCanvas3D> NewCanvasOfClass(const std::string& name) const;

  std::unique_ptr<TCanvas3D> internalCanvas_;
  std::unique_ptr<TView3DOptions> view3DOptions_;
  std::unique_ptr<TQuilHiddenPen> border_;
  std::unique_ptr<TQuilShadow> shadow_;
  std::unique_ptr<TQuilEmboss> emboss_;
  std::unique_ptr<TQuilPanning> panning_;
  std::unique_ptr<TQuilFont> globalFont_;
  std::unique_ptr<TQuilPicture> globalPicture_;
  std::vector<IQuilEventListener*> listeners_;
  TCustomQuilPanel* theme_ = nullptr;
  std::string iDefaultCanvas_;
  TQuilMargins margins_;
  TQuilUnits marginUnits_ = muPercent;
  TRect chartBounds_;
  TRect cachedChartRect_;
  TRect printMargins_{15, 15, 15, 15};
  TPoint initialSize_;
  int chartWidth_ = 0;
  int chartHeight_ = 0;
  int chartXCenter_ = 0;
  int chartYCenter_ = 0;
  int width3D_ = 0;
  int height3D_ = 0;
  int borderRound_ = 0;
  int printResolution_ = 0;
  int originalCursor_ = crDefault;
  bool applyZOrder_ = true;
  bool autoRepaint_ = true;
  bool cancelMouse_ = false;
  bool customChartRect_ = false;
  bool printing_ = false;
  bool printProportional_ = true;
  bool view3D_ = true;
  bool iRounding_ = false;
  bool broadcasting_ = false;
};

}  // namespace quil
