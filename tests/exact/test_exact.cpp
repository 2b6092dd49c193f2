// Exact truncation: checked against 512-bit binary floating point
// (Boost.Multiprecision's cpp_bin_float), which shares nothing with the code
// under test but the library.
#include "exact.h"

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

using gridora::exact::SurdSum;

namespace {

// trunc((c + a√m + b√n) / d) in 512-bit floating point. Good wherever the
// value is not within 1e-100 of a whole number without being one.
std::int64_t wideTruncate(const SurdSum &s)
{
    using Float = boost::multiprecision::number<
        boost::multiprecision::cpp_bin_float<512, boost::multiprecision::digit_base_2>>;
    const Float v = (Float(s.c) + Float(s.a) * sqrt(Float(s.m)) + Float(s.b) * sqrt(Float(s.n))) / Float(s.d);
    // A value a hair below a whole number that is really whole: snap.
    const Float r = trunc(v + Float(v >= 0 ? 0.5 : -0.5));
    if (abs(v - r) < Float("1e-100"))
        return r.convert_to<std::int64_t>();
    return trunc(v).convert_to<std::int64_t>();
}

TEST(ExactTruncate, WholeValuesThatDoublesMiss)
{
    // 294 − 20 × γ × s with γ = 1.25 and s = 317/25 is exactly −23; through
    // 1/√(1 − v²) in doubles it truncates to −22.
    EXPECT_EQ(gridora::exact::truncate({1881600, -25360, 6400, 0, 0, 6400}), -23);
    // 25 × 81.6 = 2040 and 45 × 81.6 = 3672, exactly.
    EXPECT_EQ(gridora::exact::truncate({25 * 4080, 0, 0, 0, 0, 50}), 2040);
    EXPECT_EQ(gridora::exact::truncate({45 * 4080, 0, 0, 0, 0, 50}), 3672);
}

struct SurdCase {
    SurdSum value;
    std::int64_t expected;
};

class ExactTruncateTable : public ::testing::TestWithParam<SurdCase> {};

TEST_P(ExactTruncateTable, MatchesTheExpectedWholePart)
{
    EXPECT_EQ(gridora::exact::truncate(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExactTruncateTable,
    ::testing::Values(
        SurdCase{{-5, 0, 0, 0, 0, 2}, -2},               // trunc(−2.5) = −2, toward zero
        SurdCase{{5, 0, 0, 0, 0, 2}, 2},
        SurdCase{{0, 1, 2, -1, 2, 1}, 0},                // √2 − √2
        SurdCase{{0, 1, 8, -2, 2, 1}, 0},               // √8 − 2√2 = 0
        SurdCase{{0, 1, 2, 1, 3, 1}, 3},                 // √2 + √3 = 3.146
        SurdCase{{-3, 1, 2, 1, 3, 1}, 0},                // 0.146
        SurdCase{{-4, 1, 2, 1, 3, 1}, 0},                // −0.854 → 0
        SurdCase{{0, -1, 2, -1, 3, 1}, -3},              // −3.146 → −3
        SurdCase{{-1, 0, 0, 1, 9, 1}, 2},                // 3 − 1, a perfect square
        SurdCase{{0, 3, 4, -2, 9, 1}, 0}                 // 6 − 6 exactly
        ));

TEST(ExactTruncate, AgreesWithWideFloatingPointOnSpacetimeLikeSums)
{
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> position(0, 90);
    std::uniform_int_distribution<std::int64_t> numerator(-3'000'000'000LL, 3'000'000'000LL);
    std::uniform_int_distribution<std::int64_t> whole(-30000, 30000);
    int slowBefore = static_cast<int>(gridora::exact::slowPathCounts().surd);
    for (int i = 0; i < 20000; ++i) {
        const std::int64_t P = position(random);
        const std::int64_t Q1 = 10000 - P * P, Q2 = 10000 + P * P;
        SurdSum s;
        s.d = 25 * Q1 * Q2;
        s.c = whole(random) * s.d + (i % 3 == 0 ? 0 : numerator(random) % s.d);
        s.a = numerator(random) / 1000;
        s.m = Q1;
        s.b = i % 2 ? numerator(random) / 1000 : 0;
        s.n = Q2;
        ASSERT_EQ(gridora::exact::truncate(s), wideTruncate(s)) << "P=" << P << " c=" << s.c << " a=" << s.a
                                                                << " b=" << s.b;
    }
    // Whole values at the perfect-square velocities must have gone the exact way.
    SurdSum whole60{294 * 6400, -25360, 6400, 0, 0, 6400};
    gridora::exact::truncate(whole60);
    EXPECT_GT(static_cast<int>(gridora::exact::slowPathCounts().surd), slowBefore);
}

TEST(ExactTruncate, SumsOfTwoRootsVeryCloseToWholeNumbers)
{
    // √(n² + 1) − n is about 1/(2n): push the fractional part down to 1e-13
    // and check the exact path, not the long double guess, decides.
    for (std::int64_t n : {1000LL, 100000LL, 3000000LL}) {
        const SurdSum justAbove{0, 1, n * n + 1, 0, 0, 1};          // n + tiny
        EXPECT_EQ(gridora::exact::truncate(justAbove), n);
        const SurdSum justBelow{0, -1, n * n + 1, 0, 0, 1};         // −n − tiny
        EXPECT_EQ(gridora::exact::truncate(justBelow), -n);
        const SurdSum twoRoots{0, 1, n * n + 1, -1, n * n, 1};      // tiny, positive
        EXPECT_EQ(gridora::exact::truncate(twoRoots), 0);
        const SurdSum shifted{-1, 1, n * n + 1, -1, n * n, 1};      // tiny − 1 → 0
        EXPECT_EQ(gridora::exact::truncate(shifted), 0);
        const SurdSum shifted2{1, -1, n * n + 1, 1, n * n, 1};      // 1 − tiny → 0
        EXPECT_EQ(gridora::exact::truncate(shifted2), 0);
        const SurdSum both{0, 1, n * n + 1, 1, n * n + 2, 1};       // 2n + tinies
        EXPECT_EQ(gridora::exact::truncate(both), 2 * n);
    }
}

struct LogSignCase {
    std::int64_t E, num, den, R;
    int expected;
};

class ScaledLogSign : public ::testing::TestWithParam<LogSignCase> {};

TEST_P(ScaledLogSign, ComparesExactly)
{
    const auto c = GetParam();
    EXPECT_EQ(gridora::exact::signScaledLog(c.E, c.num, c.den, c.R), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Powers, ScaledLogSign,
    ::testing::Values(LogSignCase{10, 2, 1, 3, 1},      // 2^10 = 1024 > 10^3
                      LogSignCase{10, 2, 1, 4, -1},
                      LogSignCase{93, 2, 1, 28, -1},    // 2^93 ≈ 9.90e27 < 10^28
                      LogSignCase{93, 2, 1, 27, 1},
                      LogSignCase{3, 1000, 100, 3, 0},  // 3 × log10(10) = 3 exactly
                      LogSignCase{-10, 2, 1, -3, -1},   // −3.0103 < −3
                      LogSignCase{0, 7, 3, 0, 0},
                      LogSignCase{0, 7, 3, -1, 1},
                      LogSignCase{5, 150, 100, 0, 1},
                      LogSignCase{5, 150, 100, 1, -1})); // 1.5^5 = 7.59 < 10

TEST(ExactLogOffset, DecadeEndsAreWholeNumberDivisions)
{
    EXPECT_EQ(gridora::exact::truncLogOffset(317, 3, 1, 100), 105);
    EXPECT_EQ(gridora::exact::truncLogOffset(317, 3, 1, 1000), 211);
    EXPECT_EQ(gridora::exact::truncLogOffset(-317, 3, 1, 1000), -211); // toward zero
    EXPECT_EQ(gridora::exact::truncLogOffset(0, 2, 1, 537), 0);
}

TEST(ExactLogOffset, EveryOffsetBracketsTheExactValue)
{
    // k ≤ E(d + log10(v/100))/D < k + 1 (or the mirror for negative values),
    // decided by whole-number powers, over a spread of axis lengths.
    for (std::int64_t E : {-2999LL, -317LL, -1LL, 1LL, 7LL, 317LL, 357LL, 4080LL, 5680LL, 13795LL, 19057LL}) {
        for (int D = 1; D <= 3; ++D) {
            for (int d = 0; d < D; ++d) {
                for (int v = 101; v < 1000; v += 37) {
                    const std::int64_t k = gridora::exact::truncLogOffset(E, D, d, v);
                    // value − k has the sign of E·log10(v/100) − (k·D − E·d)
                    const int atK = gridora::exact::signScaledLog(E, v, 100, k * D - E * d);
                    if (k > 0 || (k == 0 && atK >= 0)) {
                        ASSERT_GE(atK, 0) << E << ' ' << D << ' ' << d << ' ' << v;
                        ASSERT_LT(gridora::exact::signScaledLog(E, v, 100, (k + 1) * D - E * d), 0);
                    } else {
                        ASSERT_LE(atK, 0) << E << ' ' << D << ' ' << d << ' ' << v;
                        ASSERT_GT(gridora::exact::signScaledLog(E, v, 100, (k - 1) * D - E * d), 0);
                    }
                }
            }
        }
    }
}

TEST(ExactLogLength, ThresholdsBelongToTheFinerStep)
{
    // L × log10(2) with L = 10 / log10(2) would be exactly 10 — but L is a
    // ratio of whole numbers, so a unit is never exactly on a threshold; what
    // matters is the side, settled exactly next to the threshold.
    EXPECT_TRUE(gridora::exact::logLengthAtLeast(34, 1, 2, 1, 10));  // 10.23
    EXPECT_FALSE(gridora::exact::logLengthAtLeast(33, 1, 2, 1, 10)); // 9.93
    EXPECT_FALSE(gridora::exact::logLengthAtLeast(13795, 2, 8, 7, 400)); // 399.99945
    EXPECT_TRUE(gridora::exact::logLengthAtLeast(13796, 2, 8, 7, 400));  // 400.028
    EXPECT_FALSE(gridora::exact::logLengthAtLeast(-500, 1, 2, 1, 10));
}

} // namespace
