#pragma once
// What the benchmark programs share: how many runs they were asked for, and the
// median of their timings (robust against one run disturbed by the machine).
#include <algorithm>
#include <cstdlib>
#include <vector>

// The first argument, when it is a positive count; else `fallback`.
inline int RunsFromArguments(int argc, char** argv, int fallback = 5) {
    int runs = argc > 1 ? std::atoi(argv[1]) : fallback;
    return runs < 1 ? fallback : runs;
}

inline double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
