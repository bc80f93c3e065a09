#include "platform/stack_guard_win32.h"

#include <gtest/gtest.h>

namespace {

// The program's first constructor gives the stack protector's guard a value of
// its own; the value it was linked with would be the same in every process.
TEST(StackGuard, IsSeededBeforeTheProgramRuns) {
    EXPECT_NE(__stack_chk_guard, kUnseededStackGuard);
}

} // namespace
