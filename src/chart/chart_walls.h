#pragma once

#include <memory>

#include "chart/chart_wall_kinds.h"

namespace quil {

class TCustomAxisPanel;

// The four walls of a chart's 3D box, all shown or hidden together with the chart's
// View3DWalls. The right wall is created on first access.
class ROvedeWalls : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeWalls(TCustomAxisPanel& chart);
  ~ROvedeWalls() override;

  ROvedeBackWall& Back() { return *back_; }
  const ROvedeBackWall& Back() const { return *back_; }
  ROvedeBottomWall& Bottom() { return *bottom_; }
  const ROvedeBottomWall& Bottom() const { return *bottom_; }
  ROvedeLeftWall& Left() { return *left_; }
  const ROvedeLeftWall& Left() const { return *left_; }
  ROvedeRightWall& Right();
  const ROvedeRightWall* RightOrNull() const { return right_.get(); }

  // The chart's View3DWalls.
  bool Visible() const;
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Answers the left wall's size; setting it sizes all four walls.
  int Size() const { return left_->Size(); }
  void SetSize(int v);

  void Assign(const TPersistent& source) override;

 private:
  TCustomAxisPanel& chart_;
  std::unique_ptr<ROvedeBackWall> back_;
  std::unique_ptr<ROvedeBottomWall> bottom_;
  std::unique_ptr<ROvedeLeftWall> left_;
  std::unique_ptr<ROvedeRightWall> right_;
};

}  // namespace quil
