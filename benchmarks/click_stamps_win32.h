#pragma once

#include <windows.h>

#include <cstdint>

namespace benchmarks {

// The memory the click recorder shares with the benchmark: the performance-counter time
// of every left-button down, in a ring; count only grows.
struct ClickStamps {
    static constexpr const wchar_t* kName = L"Local\\SuiteClickStamps";
    static constexpr const wchar_t* kReadyEvent = L"Local\\SuiteClickRecorderReady";
    static constexpr LONG kCapacity = 1 << 20;

    volatile LONG count;
    std::int64_t stamps[kCapacity];
};

}  // namespace benchmarks
