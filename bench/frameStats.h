#pragma once

// Frame times in a histogram of 1 microsecond buckets, allocated and touched once up front, so
// that a run of a million frames takes no more memory than a run of ten thousand.

#include <algorithm>
#include <cstdint>
#include <vector>

class FrameStats {
  public:
    void add(std::int64_t nanoseconds) {
        const std::int64_t bucket = std::min<std::int64_t>(nanoseconds / 1000, BUCKETS - 1);
        ++counts[static_cast<std::size_t>(bucket)];
        ++frames;
        totalNs += static_cast<double>(nanoseconds);
        maxNs = std::max(maxNs, nanoseconds);
    }

    // The frame time below which `fraction` of the frames lie, in ms (to the microsecond).
    double quantileMs(double fraction) const {
        const auto wanted = static_cast<std::uint64_t>(fraction * static_cast<double>(frames));
        std::uint64_t seen = 0;
        for (std::size_t bucket = 0; bucket < counts.size(); ++bucket) {
            seen += counts[bucket];
            if (seen > wanted) {
                return (static_cast<double>(bucket) + 0.5) / 1000.0;
            }
        }
        return static_cast<double>(BUCKETS) / 1000.0;
    }

    double meanMs() const {
        return frames == 0 ? 0.0 : totalNs / 1e6 / static_cast<double>(frames);
    }
    double maxMs() const { return static_cast<double>(maxNs) / 1e6; }
    std::uint64_t count() const { return frames; }

  private:
    static const std::int64_t BUCKETS = 100000;
    std::vector<std::uint32_t> counts = std::vector<std::uint32_t>(BUCKETS, 0);
    std::uint64_t frames = 0;
    double totalNs = 0;
    std::int64_t maxNs = 0;
};
