#pragma once

#include <memory>

#include "canvas/brush.h"
#include "canvas/pen.h"
#include "core/persistent.h"

namespace quil {

class TCustomQuilPanel;

// What every framed shape has: a fill brush, a frame pen and visibility, and the panel it
// belongs to, which repaints when any of them changes. The panel outlives its shapes (they
// belong to its chart elements).
class TQuilCustomShapeBrushPen : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilCustomShapeBrushPen(TCustomQuilPanel* parent = nullptr);
  ~TQuilCustomShapeBrushPen() override;

  TCustomQuilPanel* Parent() const { return parent_; }
  virtual void SetParent(TCustomQuilPanel* parent) { parent_ = parent; }

  // Created on first use from the class NewBrush answers.
  TQuilBrush& Brush() { return EnsureBrush(); }
  const TQuilBrush& Brush() const { return EnsureBrush(); }
  void SetBrush(const TQuilBrush& brush) { Brush().Assign(brush); }
  // The frame pen.
  TQuilPen& Frame() { return *pen_; }
  const TQuilPen& Frame() const { return *pen_; }
  TQuilPen& Pen() { return *pen_; }
  void SetFrame(const TQuilPen& pen) { pen_->Assign(pen); }
  TQuilGradient& Gradient() { return Brush().Gradient(); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool DefaultVisible() const { return defaultVisible_; }
  // Visible and its stored default together, without repainting (owners' constructors).
  void InitVisible(bool visible) { visible_ = defaultVisible_ = visible; }
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  // Asks the panel to paint again.
  virtual void Repaint();
  void CanvasChanged(TPersistent&) { Repaint(); }

  void Assign(const TPersistent& source) override;

 protected:
  virtual std::unique_ptr<TQuilBrush> NewBrush() const;
  // The change handler every owned attribute reports to.
  const TChangeHandler& ChangeHandler() const { return changed_; }

 private:
  TCustomQuilPanel* parent_;  // not owned
  TChangeHandler changed_;
  std::unique_ptr<TQuilPen> pen_;
  TQuilBrush& EnsureBrush() const;

  mutable std::unique_ptr<TQuilBrush> brush_;
  bool visible_ = true;
  bool defaultVisible_ = true;
};

}  // namespace quil
