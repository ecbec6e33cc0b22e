#include "chart/chart_title.h"

#include <algorithm>

#include "canvas/canvas3d.h"
#include "canvas/canvas_types.h"
#include "core/rounding.h"
#include "panel/quil_panel.h"

namespace quil {

TChartTitle::TChartTitle(bool onTop, std::function<void()> onChange)
    : onChange_(std::move(onChange)), onTop_(onTop) {
  auto notify = [this](TPersistent&) {
    if (onChange_) onChange_();
  };
  font_ = std::make_unique<TQuilFont>(notify);
  font_->InitColor(onTop ? clBlue : clRed);
  if (!onTop) font_->InitStyle(fsItalic);
  frame_ = std::make_unique<TQuilPen>(notify);
  frame_->InitVisible(false);
}

TChartTitle::~TChartTitle() = default;

void TChartTitle::SetText(std::vector<std::string> lines) {
  if (text_ == lines) return;
  text_ = std::move(lines);
  if (onChange_) onChange_();
}

void TChartTitle::Assign(const TChartTitle& source) {
  text_ = source.text_;
  font_->Assign(*source.font_);
  frame_->Assign(*source.frame_);
  alignment_ = source.alignment_;
  vertMargin_ = source.vertMargin_;
  left_ = source.left_;
  top_ = source.top_;
  visible_ = source.visible_;
  adjustFrame_ = source.adjustFrame_;
  customPosition_ = source.customPosition_;
  if (onChange_) onChange_();
}

TPoint TChartTitle::MeasureBox(TCanvas3D& canvas) const {
  canvas.AssignFont(*font_);
  int width = 0;
  for (const std::string& line : text_) width = std::max(width, canvas.TextWidth(line));
  return {width, static_cast<int>(text_.size()) * canvas.TextHeight("W")};
}

int TChartTitle::FramePad() const { return frame_->Visible() && frame_->Width() > 1 ? frame_->Width() / 2 : 0; }

void TChartTitle::DrawBox(TCanvas3D& canvas) const {
  if (frame_->Visible()) {
    canvas.AssignVisiblePen(*frame_);
    canvas.Brush().SetStyle(bsClear);
    canvas.Rectangle(bounds_);
  }
  canvas.AssignFont(*font_);
  canvas.SetBackMode(cbmTransparent);
  canvas.SetTextAlign(TA_CENTER | TA_TOP);
  const int lineHeight = canvas.TextHeight("W");
  const int x = (bounds_.Left + bounds_.Right) / 2;
  for (std::size_t i = 0; i < text_.size(); ++i)
    canvas.TextOut(x, bounds_.Top + static_cast<int>(i) * lineHeight, text_[i]);
  canvas.SetTextAlign(TA_LEFT | TA_TOP);
}

void TChartTitle::DrawTitle(TCustomQuilPanel& panel) {
  TCanvas3D& canvas = panel.Canvas();
  const TPoint size = MeasureBox(canvas);
  if (customPosition_) {
    bounds_ = {left_, top_, left_ + size.X, top_ + size.Y};
    DrawBox(canvas);
    return;
  }
  const int pad = FramePad();
  const int margin = panel.FrameSize() + QuilRound(panel.Width() * 0.02);
  const int top = onTop_ ? panel.ChartRect.Top + pad : panel.ChartRect.Bottom - size.Y - pad;
  int left = margin;
  int width = size.X;
  if (!adjustFrame_) {
    width = panel.Width() - 2 * margin;
  } else if (alignment_ == tiaRightJustify) {
    left = panel.Width() - size.X - margin;
  } else if (alignment_ == tiaCenter) {
    left = std::max(margin, panel.ChartXCenter() - size.X / 2);
  }
  bounds_ = {left, top, left + width, top + size.Y};
  DrawBox(canvas);
  if (onTop_)
    panel.ChartRect.Top = bounds_.Bottom + pad + vertMargin_;
  else
    panel.ChartRect.Bottom = bounds_.Top - (pad + vertMargin_);
  panel.ReCalcWidthHeight();
}

}  // namespace quil
