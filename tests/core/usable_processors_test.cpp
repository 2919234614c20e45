// The search runs one worker per processor the program may use (its
// affinity, as taskset or a container sets it), not one per processor of the
// machine. Pins the search that started one worker per installed processor
// even where the program may use only one.
#include <gtest/gtest.h>
#include <sched.h>

#include <algorithm>
#include <vector>

#include "engine/search_parallel.h"

namespace tervala {
namespace {

TEST(SearchThreads, FollowTheProcessorsTheProgramMayUse) {
    cpu_set_t all;
    ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
    std::vector<int> usable;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &all)) usable.push_back(cpu);
    }
    // The first 1, 2, ... of the usable processors.
    for (size_t count = 1; count <= usable.size(); ++count) {
        cpu_set_t some;
        CPU_ZERO(&some);
        for (size_t k = 0; k < count; ++k) CPU_SET(usable[k], &some);
        ASSERT_EQ(sched_setaffinity(0, sizeof some, &some), 0);
        EXPECT_EQ(UsableProcessors(), static_cast<int>(count));
        EXPECT_EQ(SearchThreadCount(0), std::min(static_cast<int>(count), kMaxSearchThreads));
        EXPECT_EQ(SearchThreadCount(3), 3) << "a number of threads asked for stands";
    }
    ASSERT_EQ(sched_setaffinity(0, sizeof all, &all), 0);
}

}  // namespace
}  // namespace tervala
