#pragma once

#include <string>

#include "canvas/graphics_object.h"

namespace quil {

// A series' own legend settings: whether the series shows in the legend and the text it shows
// there instead of its title. The legend symbol picture comes with the framed text shapes.
class TSeriesLegend : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TSeriesLegend(TChangeHandler onChange = nullptr) : TGraphicsObject(std::move(onChange)) {}

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);

  bool AssignSettings(const TPersistent& source) override;

 private:
  std::string text_;
  bool visible_ = true;
};

}  // namespace quil
