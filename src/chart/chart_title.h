#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvas/font.h"
#include "canvas/pen.h"
#include "core/geometry.h"

namespace quil {

class TCanvas3D;
class TCustomQuilPanel;

enum TTitleAlignment { tiaLeftJustify, tiaRightJustify, tiaCenter };

// One of the chart's four titles: lines of text in a transparent box placed above the chart
// rectangle (or below it for a foot title) and taking its height from it, unless the user
// placed it.
class TChartTitle {
 public:
  // onTop: a title (top) or a foot title (bottom); onChange asks the chart to repaint.
  TChartTitle(bool onTop, std::function<void()> onChange);
  virtual ~TChartTitle();
  TChartTitle(const TChartTitle&) = delete;
  TChartTitle& operator=(const TChartTitle&) = delete;

  const std::vector<std::string>& Text() const { return text_; }
  void SetText(std::vector<std::string> lines);
  TQuilFont& Font() { return *font_; }
  const TQuilFont& Font() const { return *font_; }
  TQuilPen& Frame() { return *frame_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { SetValue(visible_, v); }
  TTitleAlignment Alignment() const { return alignment_; }
  void SetAlignment(TTitleAlignment v) { SetValue(alignment_, v); }
  bool AdjustFrame() const { return adjustFrame_; }
  void SetAdjustFrame(bool v) { SetValue(adjustFrame_, v); }
  int VertMargin() const { return vertMargin_; }
  void SetVertMargin(int v) { SetValue(vertMargin_, v); }
  bool CustomPosition() const { return customPosition_; }
  void SetCustomPosition(bool v) { SetValue(customPosition_, v); }
  int Left() const { return left_; }
  void SetLeft(int v) { SetValue(left_, v); }
  int Top() const { return top_; }
  void SetTop(int v) { SetValue(top_, v); }
  bool OnTop() const { return onTop_; }
  // Copies the settings of another title.
  void Assign(const TChartTitle& source);

  // Visible and with at least one line.
  bool ShouldDraw() const { return visible_ && !text_.empty(); }
  // The box last drawn.
  const TRect& ShapeBounds() const { return bounds_; }

  // Places the title on the panel (unless custom), draws it and, when placed automatically,
  // takes its room from the panel's chart rectangle.
  void DrawTitle(TCustomQuilPanel& panel);

 private:
  template <class T>
  void SetValue(T& field, T value) {
    if (field == value) return;
    field = value;
    if (onChange_) onChange_();
  }
  TPoint MeasureBox(TCanvas3D& canvas) const;
  int FramePad() const;
  void DrawBox(TCanvas3D& canvas) const;

  std::function<void()> onChange_;
  std::vector<std::string> text_;
  std::unique_ptr<TQuilFont> font_;
  std::unique_ptr<TQuilPen> frame_;
  TRect bounds_{};
  TTitleAlignment alignment_ = tiaCenter;
  int vertMargin_ = 5;
  int left_ = 0;
  int top_ = 0;
  bool onTop_;
  bool visible_ = true;
  bool adjustFrame_ = true;
  bool customPosition_ = false;
};

}  // namespace quil
