// The median the timings and the cold start report.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace tarnwick::bench {

/// The median of some figures; 0 for none.
inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace tarnwick::bench
