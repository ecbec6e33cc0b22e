#pragma once

#include "core/persistent.h"

namespace quil {

// A list of persistent items that the form reader fills item by item: it clears the list,
// then for every stored item appends a new one with its default values and sets the item's
// stored properties on it. Changes made inside BeginUpdate/EndUpdate are reported once.
class TCollection : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  virtual int Count() const = 0;
  virtual TPersistent& Item(int index) = 0;
  // Appends an item with its default values.
  virtual TPersistent& AddItem() = 0;
  virtual void Clear() = 0;

  void BeginUpdate() { ++updating_; }
  void EndUpdate() {
    if (updating_ > 0 && --updating_ == 0 && pending_) {
      pending_ = false;
      Update();
    }
  }

 protected:
  // Items and the collection call this on every change; the report waits for the last EndUpdate.
  void Changed() {
    if (updating_ > 0)
      pending_ = true;
    else
      Update();
  }
  virtual void Update() {}

 private:
  int updating_ = 0;
  bool pending_ = false;
};

inline const TMetaClass& TCollection::StaticClass() {
  static const TMetaClass meta("TCollection", &TPersistent::StaticClass());
  return meta;
}

}  // namespace quil
