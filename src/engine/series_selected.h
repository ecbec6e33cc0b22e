#pragma once

#include <memory>

#include "canvas/font.h"
#include "canvas/pen.h"

namespace quil {

// How an element under the mouse is highlighted: visible by default, a red font and a
// half-transparent red pen three pixels wide. The chart has one as its master switch.
class TQuilHover : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilHover(TChangeHandler onChange = nullptr);

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TQuilPen& Pen() { return *pen_; }
  const TQuilPen& Pen() const { return *pen_; }
  TQuilFont& Font() { return *font_; }
  const TQuilFont& Font() const { return *font_; }

  void SetOnChange(TChangeHandler onChange) override;
  bool AssignSettings(const TPersistent& source) override;

 private:
  std::unique_ptr<TQuilPen> pen_;
  std::unique_ptr<TQuilFont> font_;
  bool visible_ = true;
};

// Selection and hover settings of a series: the selected and the hovered point (-1 for none),
// the selection look (hidden, red pen two pixels wide) and the hover look.
class TQuilSelected : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilSelected(TChangeHandler onChange = nullptr);

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TQuilPen& Pen() { return *pen_; }
  const TQuilPen& Pen() const { return *pen_; }
  TQuilHover& Hover() { return *hover_; }
  const TQuilHover& Hover() const { return *hover_; }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  int HoverIndex() const { return hoverIndex_; }
  void SetHoverIndex(int value);

  void SetOnChange(TChangeHandler onChange) override;
  bool AssignSettings(const TPersistent& source) override;

 private:
  std::unique_ptr<TQuilPen> pen_;
  std::unique_ptr<TQuilHover> hover_;
  int itemIndex_ = -1;
  int hoverIndex_ = -1;
  bool visible_ = false;
};

}  // namespace quil
