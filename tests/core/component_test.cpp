#include <gtest/gtest.h>

#include "core/component.h"

namespace quil {
namespace {

TEST(ComponentSmoke, OwnerDestroysChildren) {
  auto root = std::make_unique<TComponent>();
  TComponent& child = MakeOwned<TComponent>(*root);
  child.SetName("Child1");
  EXPECT_EQ(root->FindComponent("child1"), &child);
}

}  // namespace
}  // namespace quil
