#include "library_Orv/InstanceLock.h"
#include "library_Orv/Processes.h"

#include <gtest/gtest.h>

#include <string>

using namespace Orv;

TEST(InstanceLock, HeldOnceAtATime) {
    const std::wstring name = L"SkorvaneTestLock" + std::to_wstring(CurrentProcessId());
    {
        const InstanceLock first(name);
        ASSERT_TRUE(first.Held());
        const InstanceLock second(name); // taken already, even within one process
        EXPECT_FALSE(second.Held());
        EXPECT_TRUE(InstanceLock(name + L"-other").Held());
    }
    EXPECT_TRUE(InstanceLock(name).Held()); // released with its holder
}
