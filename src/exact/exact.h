#pragma once
// Exact truncation of the real values the sheets' coordinates are made of.
//
// Every coordinate is the whole part, truncated toward zero, of the exact real
// value of its formula. Plain double arithmetic misrounds values that are whole
// numbers (294 − 20 × 1.25 × 12.68 comes out as −22.99999999999994), so each
// value here is first computed in long double with an error far below 1e-12,
// and only when that lands within a safety band of a whole number (or of a
// threshold) is the question settled exactly, in whole numbers: 128-bit words
// where they suffice, else Boost.Multiprecision's cpp_int (header-only, so
// the core builds anywhere a C++20 compiler does, Emscripten included).

#include <cstdint>

namespace gridora::exact {

/// The real number (c + a·√m + b·√n) / d, with d > 0 and m, n ≥ 0.
struct SurdSum {
    std::int64_t c = 0;
    std::int64_t a = 0;
    std::int64_t m = 0;
    std::int64_t b = 0;
    std::int64_t n = 0;
    std::int64_t d = 1;
};

/// The value truncated toward zero, exactly.
std::int64_t truncate(const SurdSum &value);

/// Exact sign (−1, 0, 1) of c + a·√m + b·√n.
int sign(const SurdSum &value);

/// trunc(E × (d + log10(v / 100)) / D): the offset of the mark v (100..1000)
/// in decade d of D on an axis E pixels long (E may be negative).
std::int64_t truncLogOffset(std::int64_t E, int D, int d, int v);

/// Whether (E / D) × log10(num / den) ≥ threshold: the drawn length of a unit
/// against a spacing threshold. num ≥ den ≥ 1.
bool logLengthAtLeast(std::int64_t E, int D, int num, int den, int threshold);

/// Exact sign of E × log10(num / den) − R.
int signScaledLog(std::int64_t E, std::int64_t num, std::int64_t den, std::int64_t R);

/// Counts of questions that had to be settled exactly, for tests and benchmarks.
struct SlowPathCounts {
    std::uint64_t surd = 0;
    std::uint64_t log = 0;
};
SlowPathCounts slowPathCounts();

} // namespace gridora::exact
