#include "chart/rovede.h"

#include "core/class_registry.h"

namespace quil {

const TMetaClass& ROvede::StaticClass() {
  static const TMetaClass meta("ROvede", &TCustomChart::StaticClass(), {}, ComponentFactory<ROvede>());
  return meta;
}

ROvede::ROvede(TComponent* owner) : TCustomChart(owner) {}

}  // namespace quil
