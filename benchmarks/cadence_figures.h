#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cwchar>
#include <vector>

namespace benchmarks {

// Runs of each clicker or follower per interval, interleaved so that the machine's load falls
// on all alike; each lasts 60 periods, and at least 500 ms, so that the 99th percentile of
// all runs rests on a few samples beyond it.
inline constexpr int kRounds = 5;
inline std::chrono::milliseconds RunLength(int intervalMs) {
    return std::max(std::chrono::milliseconds(500), std::chrono::milliseconds(60 * intervalMs));
}

// The nearest-rank percentile (0 < share <= 1) of unsorted values; 0 for none.
inline double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

// A clicker's cadence over runs of consecutive clicks (click times in ms, one list per run)
// against the interval it was asked for. Periods are taken within runs, never across them.
struct Cadence {
    double clicksPerSecond = 0;
    double meanPeriodMs = 0;
    double medianErrorMs = 0;  // of |period - interval|
    double p99ErrorMs = 0;
    long missedTicks = 0;  // intervals in the runs that saw no click
};

inline Cadence CadenceOf(const std::vector<std::vector<double>>& runs, double intervalMs) {
    Cadence cadence;
    std::vector<double> errors;
    double spanMs = 0;
    for (const std::vector<double>& clickTimesMs : runs) {
        if (clickTimesMs.size() < 2) {
            continue;
        }
        for (std::size_t i = 1; i < clickTimesMs.size(); ++i) {
            errors.push_back(std::abs(clickTimesMs[i] - clickTimesMs[i - 1] - intervalMs));
        }
        const double runMs = clickTimesMs.back() - clickTimesMs.front();
        spanMs += runMs;
        cadence.missedTicks += std::max(
            0L, std::lround(runMs / intervalMs) - static_cast<long>(clickTimesMs.size() - 1));
    }
    if (errors.empty()) {
        return cadence;
    }
    const auto periods = static_cast<double>(errors.size());
    cadence.clicksPerSecond = periods * 1000.0 / spanMs;
    cadence.meanPeriodMs = spanMs / periods;
    cadence.medianErrorMs = Percentile(errors, 0.5);
    cadence.p99ErrorMs = Percentile(errors, 0.99);
    return cadence;
}

// The intervals in ms named on the command line; by default 1, 2, 5, 10, 16 and 50.
inline std::vector<int> IntervalsFrom(int argc, wchar_t** argv) {
    std::vector<int> intervals;
    for (int i = 1; i < argc; ++i) {
        intervals.push_back(std::wcstol(argv[i], nullptr, 10));
    }
    if (intervals.empty()) {
        intervals = {1, 2, 5, 10, 16, 50};
    }
    return intervals;
}

}  // namespace benchmarks
