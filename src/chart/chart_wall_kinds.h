#pragma once

#include "chart/chart_wall.h"

namespace quil {

// The wall behind the series: see-through by default, with a shadow, an emboss and a picture
// of its own.
class ROvedeBackWall : public ROvedeWall {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeBackWall(TCustomQuilPanel* parent = nullptr);

 protected:
  void InitShadow(TQuilShadow& shadow) override;
  void InitEmboss(TQuilEmboss& emboss) override;
};

class ROvedeLeftWall : public ROvedeWall {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeLeftWall(TCustomQuilPanel* parent = nullptr);
};

class ROvedeBottomWall : public ROvedeWall {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeBottomWall(TCustomQuilPanel* parent = nullptr);
};

// Hidden unless asked for.
class ROvedeRightWall : public ROvedeWall {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeRightWall(TCustomQuilPanel* parent = nullptr);
};

}  // namespace quil
