#include "engine/search_parallel.h"

#include <sched.h>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tervala {

SharedLimit::SharedLimit(double initialBest)
    // A sum equal to the initial best is not taken either.
    : limit_(std::nextafter(initialBest, 0.0)) {}

void SharedLimit::Lower(double completeSum) {
    double current = limit_.load(std::memory_order_relaxed);
    while (completeSum < current &&
           !limit_.compare_exchange_weak(current, completeSum, std::memory_order_relaxed)) {
    }
}

double CurrentLimit(const SharedLimit& limit) { return limit.Get(); }

int UsableProcessors() {
#ifdef __linux__
    // One worker per processor the program may use; more workers than that
    // would only take turns on the same processors.
    cpu_set_t usable;
    CPU_ZERO(&usable);
    if (sched_getaffinity(0, sizeof usable, &usable) == 0 && CPU_COUNT(&usable) > 0) {
        return CPU_COUNT(&usable);
    }
#endif
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(cores);
}

int SearchThreadCount(int threads) {
    if (threads <= 0) threads = UsableProcessors();
    return std::min(threads, kMaxSearchThreads);
}

bool RunTiles(int64_t tileCount, int threads,
              const std::function<void(int64_t tile, int worker)>& work,
              const std::function<void(int64_t prefix)>& donePrefix,
              const std::function<bool()>& stopRequested) {
    const int workers = SearchThreadCount(threads);
    std::atomic<int64_t> next{0};
    std::vector<unsigned char> done(static_cast<size_t>(tileCount), 0);
    std::mutex mutex;
    std::condition_variable changed;
    std::exception_ptr failure;
    bool stopped = false;

    // No worker takes a tile after this; the calling thread is woken.
    auto leave = [&](bool stop) -> void {
        std::lock_guard<std::mutex> lock(mutex);
        if (stop) {
            stopped = true;
        } else if (!failure) {
            failure = std::current_exception();
        }
        next.store(tileCount);
        changed.notify_one();
    };
    auto worker = [&](int id) {
        try {
            for (;;) {
                const int64_t tile = next.fetch_add(1);
                if (tile >= tileCount) break;
                if (stopRequested()) return leave(true);
                work(tile, id);
                std::lock_guard<std::mutex> lock(mutex);
                done[tile] = 1;
                changed.notify_one();
            }
        } catch (...) {
            leave(false);
        }
    };

    std::vector<std::thread> pool;
    pool.reserve(workers);
    for (int id = 0; id < workers; ++id) pool.emplace_back(worker, id);

    int64_t prefix = 0;
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (prefix < tileCount && !failure && !stopped) {
            changed.wait(
                lock, [&] { return failure || stopped || (prefix < tileCount && done[prefix]); });
            if (failure || stopped) break;
            while (prefix < tileCount && done[prefix]) ++prefix;
            lock.unlock();
            donePrefix(prefix);
            lock.lock();
        }
    }
    for (std::thread& t : pool) t.join();
    if (failure) std::rethrow_exception(failure);
    return !stopped;
}

}  // namespace tervala
