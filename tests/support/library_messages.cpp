#include <gtest/gtest.h>

#include "core/messages.h"

namespace {

// The library's texts are filled by its start-up; every test runs with them in place, as the
// program does.
class MessagesEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { quil::InitializeMessages(); }
  void TearDown() override { quil::FinalizeMessages(); }
};

const auto* const kMessages = ::testing::AddGlobalTestEnvironment(new MessagesEnvironment);

}  // namespace
