#pragma once

#include <memory>

#include "panel/text_shape.h"

namespace quil {

// How an element under the mouse is highlighted: visible, a red font and a half-transparent
// red frame pen three pixels wide. The chart has one as its master switch.
class TQuilHover : public TTextShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilHover(TCustomQuilPanel* parent = nullptr);
};

// Selection and hover settings of a series: the selected and the hovered point (-1 for none),
// the selection look (hidden, red frame pen two pixels wide) and the hover look.
class TQuilSelected : public TTextShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilSelected(TCustomQuilPanel* parent = nullptr);
  ~TQuilSelected() override;

  TQuilHover& Hover() { return *hover_; }
  const TQuilHover& Hover() const { return *hover_; }
  void SetHover(const TQuilHover& hover) { hover_->Assign(hover); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value) { SetValue(itemIndex_, value); }
  int HoverIndex() const { return hoverIndex_; }
  void SetHoverIndex(int value) { SetValue(hoverIndex_, value); }

  void SetParent(TCustomQuilPanel* parent) override;
  void Assign(const TPersistent& source) override;

 private:
  std::unique_ptr<TQuilHover> hover_;
  int itemIndex_ = -1;
  int hoverIndex_ = -1;
};

}  // namespace quil
