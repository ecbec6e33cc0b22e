#include "chart/chart_wall_kinds.h"

namespace quil {

const TMetaClass& ROvedeBackWall::StaticClass() {
  using S = ROvedeBackWall;
  static const TMetaClass meta("ROvedeBackWall", &ROvedeWall::StaticClass(),
                               TPropertyListBuilder<S>()
                                   .Object("Emboss", &S::Emboss)
                                   .StoredWhen([](const S& s) { return s.EmbossOrNull() != nullptr; })
                                   .Object("Picture", &S::Picture)
                                   .StoredWhen([](const S& s) { return s.PictureOrNull() != nullptr; })
                                   .Object("Shadow", &S::Shadow)
                                   .Build());
  return meta;
}

ROvedeBackWall::ROvedeBackWall(TCustomQuilPanel* parent) : ROvedeWall(parent) {
  InitColor(clSilver);
  InitTransparent(true);
}

void ROvedeBackWall::InitShadow(TQuilShadow& shadow) { shadow.InitValues(false, clGray, 3); }

void ROvedeBackWall::InitEmboss(TQuilEmboss& emboss) { emboss.InitValues(false, clGray, 3); }

const TMetaClass& ROvedeLeftWall::StaticClass() {
  static const TMetaClass meta("ROvedeLeftWall", &ROvedeWall::StaticClass());
  return meta;
}

ROvedeLeftWall::ROvedeLeftWall(TCustomQuilPanel* parent) : ROvedeWall(parent) { InitColor(static_cast<TColor>(0x80FFFF)); }

const TMetaClass& ROvedeBottomWall::StaticClass() {
  static const TMetaClass meta("ROvedeBottomWall", &ROvedeWall::StaticClass());
  return meta;
}

ROvedeBottomWall::ROvedeBottomWall(TCustomQuilPanel* parent) : ROvedeWall(parent) { InitColor(clWhite); }

const TMetaClass& ROvedeRightWall::StaticClass() {
  static const TMetaClass meta("ROvedeRightWall", &ROvedeWall::StaticClass());
  return meta;
}

ROvedeRightWall::ROvedeRightWall(TCustomQuilPanel* parent) : ROvedeWall(parent) {
  InitColor(clSilver);
  InitVisible(false);
}

}  // namespace quil
