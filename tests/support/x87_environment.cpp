// Linked into the numeric tests: they run in the environment the program sets up at start.
#include <gtest/gtest.h>

#include "numeric/arithmetic.h"

namespace {

class FloatingPointEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { quillora::ResetFloatingPointUnit(); }
};

::testing::Environment* const kFloatingPointEnvironment =
    ::testing::AddGlobalTestEnvironment(new FloatingPointEnvironment);

}  // namespace
