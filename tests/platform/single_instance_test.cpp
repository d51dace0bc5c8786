#include "platform/single_instance.h"

#include <gtest/gtest.h>

namespace lexiglean {
namespace {

TEST(SingleInstanceGuardTest, SecondGuardOfTheSameNameSeesTheFirstAndTheNameIsFreedAfterwards) {
  const std::u16string name = u"lexiglean-test-guard";
  {
    SingleInstanceGuard first(name);
    ASSERT_FALSE(first.AlreadyRunning());
    SingleInstanceGuard second(name);
    EXPECT_TRUE(second.AlreadyRunning());
  }
  SingleInstanceGuard again(name);
  EXPECT_FALSE(again.AlreadyRunning());
}

}  // namespace
}  // namespace lexiglean
