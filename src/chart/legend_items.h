#pragma once

#include <memory>
#include <string>
#include <vector>

#include "canvas/font.h"
#include "core/geometry.h"
#include "panel/shape_types.h"

namespace quil {

// One item as the legend drew it, or as the program supplies it: its three column texts, where
// its text and symbol went, the alignment used and an optional font of its own.
struct TLegendItem {
  std::string Text;
  std::string Text2;
  std::string Text3;
  int Left = 0;
  int Top = 0;
  TAlignment Align = taLeftJustify;
  TRect Symbol;
  std::shared_ptr<TQuilFont> Font;
  // Supplied by the program rather than computed from the series.
  bool Custom = false;
};

// The legend's items. Normally the legend refills them on every paint; with Custom the
// program's items are listed instead of the series (and, with CustomPosition too, drawn
// where their Left and Top say).
class TLegendItems {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  TLegendItem& operator[](int index) { return items_.at(static_cast<std::size_t>(index)); }
  const TLegendItem& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }
  TLegendItem& Add(const std::string& text = {}) {
    TLegendItem& item = items_.emplace_back();
    item.Text = text;
    item.Custom = Custom;
    return item;
  }
  void Clear() { items_.clear(); }

  bool Custom = false;
  bool CustomPosition = false;

 private:
  std::vector<TLegendItem> items_;
};

}  // namespace quil
