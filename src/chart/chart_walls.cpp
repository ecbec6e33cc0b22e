#include "chart/chart_walls.h"

#include "engine/axis_panel.h"

namespace quil {

// Both values belong to other objects that store them: the chart and each wall.
const TMetaClass& ROvedeWalls::StaticClass() {
  using S = ROvedeWalls;
  static const TMetaClass meta("ROvedeWalls", &TPersistent::StaticClass(),
                               TPropertyListBuilder<S>()
                                   .Int("Size", &S::Size, &S::SetSize, 0)
                                   .StoredWhen([](const S&) { return false; })
                                   .Bool("Visible", &S::Visible, &S::SetVisible, true)
                                   .StoredWhen([](const S&) { return false; })
                                   .Build());
  return meta;
}

ROvedeWalls::ROvedeWalls(TCustomAxisPanel& chart)
    : chart_(chart),
      back_(std::make_unique<ROvedeBackWall>(&chart)),
      bottom_(std::make_unique<ROvedeBottomWall>(&chart)),
      left_(std::make_unique<ROvedeLeftWall>(&chart)) {}

ROvedeWalls::~ROvedeWalls() = default;

ROvedeRightWall& ROvedeWalls::Right() {
  if (!right_) right_ = std::make_unique<ROvedeRightWall>(&chart_);
  return *right_;
}

bool ROvedeWalls::Visible() const { return chart_.View3DWalls(); }

void ROvedeWalls::SetVisible(bool v) { chart_.SetView3DWalls(v); }

void ROvedeWalls::SetSize(int v) {
  back_->SetSize(v);
  bottom_->SetSize(v);
  left_->SetSize(v);
  Right().SetSize(v);
}

void ROvedeWalls::Assign(const TPersistent& source) {
  const auto* s = dynamic_cast<const ROvedeWalls*>(&source);
  if (!s) {
    TPersistent::Assign(source);
    return;
  }
  if (s == this) return;
  back_->Assign(*s->back_);
  bottom_->Assign(*s->bottom_);
  left_->Assign(*s->left_);
  if (s->right_) Right().Assign(*s->right_);
  SetVisible(s->Visible());
}

}  // namespace quil
