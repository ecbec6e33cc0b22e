#pragma once

#include <functional>

#include "core/persistent.h"

namespace quil {

// The owner's change handler: it receives the attribute that changed and usually repaints.
using TChangeHandler = std::function<void(TPersistent& sender)>;

// Base of every drawing attribute (pens, brushes, fonts, gradients, shadows, corners,
// pictures). A setter stores and calls the handler only when the value really changes;
// sub-objects an attribute owns report to the same handler.
class TGraphicsObject : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TGraphicsObject(TChangeHandler onChange = nullptr) : onChange_(std::move(onChange)) {}

  const TChangeHandler& OnChange() const { return onChange_; }
  // Also hands the handler to the owned sub-objects that exist.
  virtual void SetOnChange(TChangeHandler onChange) { onChange_ = std::move(onChange); }

  // Copies every setting of a compatible source and reports one change; an unrelated class
  // fails with the usual conversion error. Assigning an object to itself does nothing.
  void Assign(const TPersistent& source) override;

  // Copies the settings of source without reporting; false when the source's class is not
  // one this object can take settings from.
  virtual bool AssignSettings(const TPersistent& source);

 protected:
  void Changed();

 private:
  TChangeHandler onChange_;
};

}  // namespace quil
