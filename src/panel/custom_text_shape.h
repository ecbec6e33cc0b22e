#pragma once

#include <string>

#include "panel/custom_shape.h"
#include "panel/text_margins.h"

namespace quil {

// A framed shape with text inside: margins between frame and text, horizontal alignment,
// clipping and several lines separated by carriage returns.
class TCustomTextShape : public TQuilCustomShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomTextShape(TCustomQuilPanel* parent = nullptr);
  ~TCustomTextShape() override;

  bool ClipText() const { return clipText_; }
  void SetClipText(bool v) { SetValue(clipText_, v); }
  int Cursor() const { return cursor_; }
  void SetCursor(int v) { cursor_ = v; }
  TMargins& Margins() { return *margins_; }
  const TMargins& Margins() const { return *margins_; }
  void SetMargins(const TMargins& margins) { margins_->Assign(margins); }
  TAlignment TextAlignment() const { return textAlign_; }
  void SetTextAlignment(TAlignment v) { SetValue(textAlign_, v); }
  TAlignment DefaultTextAlignment() const { return defaultTextAlign_; }
  // The alignment and its stored default together, without repainting (owners' constructors).
  void InitTextAlignment(TAlignment v) { textAlign_ = defaultTextAlign_ = v; }
  TTextFormat TextFormat() const { return textFormat_; }
  void SetTextFormat(TTextFormat v) { SetValue(textFormat_, v); }
  // Kept and copied; the drawing places lines from the top.
  TVertTextAlign VertTextAlign() const { return vertTextAlign_; }
  void SetVertTextAlign(TVertTextAlign v) { SetValue(vertTextAlign_, v); }
  // Lines separated by carriage return and line feed.
  const std::string& Text() const { return text_; }
  virtual void SetText(const std::string& text);

  // Always the plain 2D font and 2D text output.
  bool IDraw2D = false;
  // Extra horizontal offset of the text.
  int ITextOffset = 0;
  // The number of lines the last measuring found.
  int NumLines() const { return numLines_; }

  void CalcBounds(TCustomQuilPanel& panel) override;
  void Assign(const TPersistent& source) override;

 protected:
  virtual void ChangedText() { Repaint(); }
  // Sets the canvas's text alignment for the box's TextAlignment and answers the x the lines
  // are drawn at.
  virtual int CalcTextAlign(TCanvas3D& canvas, const TRect& rect);
  // The size of the text and its number of lines, with the font already given to the canvas.
  virtual TMultiLineSize CalcTextSize(TCustomQuilPanel& panel);
  virtual void DrawString(TCustomQuilPanel& panel, int x, TPoint center, int angle, bool isHtml,
                          const std::string& line, int z, int y);
  void DoDraw(TCustomQuilPanel& panel, const std::vector<TPoint>& points, int z, int angle,
              const TRect& rect) override;
  void DoDraw(TCustomQuilPanel& panel, const TRect& rect, int z, int angle) override;
  int FirstChildPos(TCustomQuilPanel& panel, const TRect& rect) override;
  std::unique_ptr<TQuilCustomShape> NewChild() override;
  // Gives the canvas the font: plain with IDraw2D, else in its 3D form.
  void PrepareFont(TCustomQuilPanel& panel);
  void DoDrawText(TCustomQuilPanel& panel, const TRect& rect, int z, int angle);

 private:
  bool clipText_ = true;
  int cursor_ = 0;
  std::unique_ptr<TMargins> margins_;
  TAlignment textAlign_ = taLeftJustify;
  TAlignment defaultTextAlign_ = taLeftJustify;
  TTextFormat textFormat_ = ttfNormal;
  TVertTextAlign vertTextAlign_ = vtaCenter;
  std::string text_;
  int numLines_ = 0;
  int textWidth_ = 0;
};

}  // namespace quil
