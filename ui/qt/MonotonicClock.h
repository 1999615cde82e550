// The system's monotonic clock in nanoseconds. The first-frame probe reads
// it in the program, the cold-start comparison before starting the program:
// one clock, so that the difference is the time to the first frame. Plain
// POSIX, for the comparison that links no Qt.
#pragma once

#include <ctime>

namespace tarnwick {

inline long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

}  // namespace tarnwick
