#pragma once

#include "panel/strings_shape.h"

namespace quil {

class TCustomQuilPanel;

// One of the chart's four titles: lines of text in a transparent box placed above the chart
// rectangle (or below it for a foot title) and taking its height from it, unless the user
// placed it.
class ROvedeTitle : public TStringsShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeTitle(TCustomQuilPanel* parent = nullptr);

  // On: the box is as wide as its text; off: it spans the panel between the side margins.
  bool AdjustFrame() const { return adjustFrame_; }
  void SetAdjustFrame(bool v) { SetValue(adjustFrame_, v); }
  // Pixels between the box and what is left of the chart rectangle.
  int VertMargin() const { return vertMargin_; }
  void SetVertMargin(int v) { SetValue(vertMargin_, v); }

  // Placed above the chart rectangle (titles) or below it (foot titles).
  bool IOnTop = true;

  // Visible and with at least one line.
  bool ShouldDraw() const { return Visible() && Lines().Count() > 0; }

  // The title is drawn and p lies in the box it was last drawn in, edges included.
  bool Clicked(TPoint p) const { return ShouldDraw() && ShapeBounds.ContainsWithEdges(p); }
  bool Clicked(int x, int y) const { return Clicked(TPoint{x, y}); }

  // Places the title on the panel (unless custom), draws it and, when placed automatically,
  // takes its room from the panel's chart rectangle.
  void DrawTitle(TCustomQuilPanel& panel);

  void Assign(const TPersistent& source) override;

 private:
  void PlaceAutomatically(TCustomQuilPanel& panel, int pad);

  bool adjustFrame_ = true;
  int vertMargin_ = 5;
};

// The class of Foot and SubFoot: below the chart rectangle, red italics.
class ROvedeFootTitle : public ROvedeTitle {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeFootTitle(TCustomQuilPanel* parent = nullptr);
};

}  // namespace quil
