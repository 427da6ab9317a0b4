#include <gtest/gtest.h>

#include <new>

#include "win/ScopeExit.h"

// "Change All" ends its apply state through this: the state must be undone when the handler
// throws (out of memory while the inventory is rebuilt) as surely as when it returns.
TEST(ScopeExit, RunsOnReturnAndWhenAnExceptionLeavesTheScope) {
    bool bApplying = true;
    int nHidden = 0;
    const auto apply = [&](bool bThrow) {
        bApplying = true;
        const win::ScopeExit end([&] {
            ++nHidden;
            bApplying = false;
        });
        if (bThrow) throw std::bad_alloc();
    };
    apply(false);
    EXPECT_FALSE(bApplying);
    EXPECT_THROW(apply(true), std::bad_alloc);
    EXPECT_FALSE(bApplying);
    EXPECT_EQ(nHidden, 2);
}
