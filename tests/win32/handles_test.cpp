#include "platform/handles.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(Handles, MovingAnOwnerKeepsItsHandleCountedOnce) {
    const long before = LiveHandles(HandleKind::GdiObject);
    {
        OwnedBrush first(CreateSolidBrush(RGB(1, 2, 3)));
        OwnedBrush second(std::move(first));
        EXPECT_EQ(LiveHandles(HandleKind::GdiObject), before + 1);
        OwnedBrush third;
        third = std::move(second);
        EXPECT_EQ(LiveHandles(HandleKind::GdiObject), before + 1);
        third = OwnedBrush(CreateSolidBrush(RGB(4, 5, 6)));  // the first brush is deleted
        EXPECT_EQ(LiveHandles(HandleKind::GdiObject), before + 1);
    }
    EXPECT_EQ(LiveHandles(HandleKind::GdiObject), before);
}

}  // namespace
