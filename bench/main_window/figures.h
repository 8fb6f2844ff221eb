// Small helpers for the printed figures: elapsed milliseconds and the
// spread of a series of timings. Portable: no Windows header.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace dravolt::bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Spread {
    double min = 0, median = 0, max = 0, total = 0;
};

// Of an even count the median is the upper middle value.
inline Spread SpreadOf(std::vector<double> values)
{
    Spread spread;
    if (values.empty())
        return spread;
    std::sort(values.begin(), values.end());
    spread.min = values.front();
    spread.median = values[values.size() / 2];
    spread.max = values.back();
    for (const double value : values)
        spread.total += value;
    return spread;
}

}  // namespace dravolt::bench
