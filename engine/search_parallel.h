// The machinery the fast alpha searches share: the best candidate with ties
// to the earliest grid point, the best complete sum known to all threads, and
// a pool of threads that works through tiles of the grid and tells the
// calling thread how far the tiles are done, in loop order.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace tervala {

// A grid point whose complete sum fell below the search's initial best sum.
// Among equal sums the point with the smaller loop index wins, as in the
// plain loop, whatever order the points were evaluated in.
struct Candidate {
    bool taken = false;
    int64_t index = 0;  // position of the point in loop order
    double sum = 0;

    void Offer(int64_t pointIndex, double pointSum) {
        if (!taken || pointSum < sum || (pointSum == sum && pointIndex < index)) {
            taken = true;
            index = pointIndex;
            sum = pointSum;
        }
    }
    void Merge(const Candidate& other) {
        if (other.taken) Offer(other.index, other.sum);
    }
};

// The limit a partial sum must stay within for its grid point to have a
// chance: the smallest complete sum known, and below the initial best sum in
// any case. Partial sums only grow (every term is >= 0 and the sum is
// accumulated in the same order as the plain loop), so a point whose partial
// sum exceeds the limit ends above the best sum and cannot win; a point that
// ends equal to the best sum is never given up, so ties are still decided by
// the loop order.
class SharedLimit {
  public:
    explicit SharedLimit(double initialBest);
    double Get() const { return limit_.load(std::memory_order_relaxed); }
    // A complete sum: the limit drops to it when it is lower.
    void Lower(double completeSum);

  private:
    std::atomic<double> limit_;
};

// Runs work(tile, worker) for tiles 0..tileCount-1 on `threads` threads
// (0: one per usable processor), handing out tiles in increasing order. The
// calling thread does none of the work: it calls donePrefix(p) each time the
// first p tiles are all finished, with p growing, the last time with
// p = tileCount. Each worker asks stopRequested() before every tile; once it
// answers true no tile is started any more, and RunTiles returns false as
// soon as the tiles under way are done (a tile takes milliseconds). True:
// every tile is done.
bool RunTiles(int64_t tileCount, int threads,
              const std::function<void(int64_t tile, int worker)>& work,
              const std::function<void(int64_t prefix)>& donePrefix,
              const std::function<bool()>& stopRequested);

// Most threads a search runs on.
inline constexpr int kMaxSearchThreads = 256;

// Processors the calling thread may run on: its affinity, as taskset, a
// container or the desktop's settings narrow it, not the machine's total.
// At least 1.
int UsableProcessors();

// Threads RunTiles uses for a request of `threads` (0: one per usable
// processor), at most kMaxSearchThreads.
int SearchThreadCount(int threads);

}  // namespace tervala
