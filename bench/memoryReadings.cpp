#include "memoryReadings.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

long residentKiB() {
    long sizePages = 0;
    long residentPages = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) {
        return -1;
    }
    const int read = std::fscanf(statm, "%ld %ld", &sizePages, &residentPages);
    std::fclose(statm);
    if (read != 2) {
        return -1;
    }
    return residentPages * (sysconf(_SC_PAGESIZE) / 1024);
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double frameCopyFloorMs() {
    const std::size_t frameBytes = 640 * 480 * 4;
    const int tries = 300;
    std::vector<std::uint8_t> from(frameBytes, 0x5a);
    std::vector<std::uint8_t> to(frameBytes, 0);
    std::vector<double> times;
    times.reserve(tries);
    for (int i = 0; i < tries; ++i) {
        const auto start = std::chrono::steady_clock::now();
        for (int copy = 0; copy < 3; ++copy) {
            std::memcpy(to.data(), from.data(), frameBytes);
            // Keeps the compiler from dropping copies whose result is never read.
            __asm__ __volatile__("" : : "r"(to.data()) : "memory");
        }
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + tries / 2, times.end());
    return times[tries / 2];
}
