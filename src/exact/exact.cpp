#include "exact.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <array>
#include <atomic>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>

namespace gridora::exact {

namespace {

using Big = boost::multiprecision::cpp_int;

std::atomic<std::uint64_t> surdSlow{0};
std::atomic<std::uint64_t> logSlow{0};

// A long double result within this band of a whole number (relative to the
// size of the terms) is settled exactly. The long double error of the short
// formulas here is a few units of 2^-64 relative, some 10^7 times smaller.
constexpr long double kBand = 1e-12L;

int signOf(const Big &x)
{
    return x.sign();
}

// Sign of g + e·√f, f ≥ 0.
int signOneRoot(const Big &g, const Big &e, const Big &f)
{
    const int se = (f == 0) ? 0 : signOf(e);
    const int sg = signOf(g);
    if (se == 0)
        return sg;
    if (sg == 0 || sg == se)
        return se;
    const Big cmp = e * e * f - g * g; // |e√f| against |g|
    const int c = signOf(cmp);
    return c > 0 ? se : (c < 0 ? sg : 0);
}

// Folds a·√m into c when m is a perfect square.
void foldSquare(Big &c, Big &a, Big &m)
{
    if (a == 0 || m == 0) {
        a = 0;
        return;
    }
    const Big root = boost::multiprecision::sqrt(m); // the whole part
    if (root * root == m) {
        c += a * root;
        a = 0;
    }
}

int signSurds(Big c, Big a, Big m, Big b, Big n)
{
    foldSquare(c, a, m);
    foldSquare(c, b, n);
    if (a == 0)
        return signOneRoot(c, b, n);
    if (b == 0)
        return signOneRoot(c, a, m);
    // X = a√m + b√n with both roots irrational.
    const int sX = signOneRoot(0, a, m) == signOneRoot(0, b, n)
                       ? signOneRoot(0, a, m)
                       : signOf(Big(a * a * m - b * b * n)) * signOneRoot(0, a, m);
    const int sc = signOf(c);
    if (sX == 0)
        return sc;
    if (sc == 0 || sc == sX)
        return sX;
    // Opposite signs: whichever of |X| and |c| is larger decides, by X² − c².
    const Big g = a * a * m + b * b * n - c * c;
    const Big e = 2 * a * b;
    return sX * signOneRoot(g, e, Big(m * n));
}

__extension__ typedef __int128 Wide;

// The whole square root of m when m is a perfect square.
std::optional<std::int64_t> exactRoot(std::int64_t m)
{
    if (m < 0 || m >= (std::int64_t(1) << 62))
        return std::nullopt; // left to the big integers
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<long double>(m)));
    while (root > 0 && root * root > m)
        --root;
    while ((root + 1) * (root + 1) <= m)
        ++root;
    if (root * root != m)
        return std::nullopt;
    return root;
}

// The sign in 128-bit whole numbers when at most one root is irrational and
// the squares fit; the sheets' values always do. Empty otherwise.
std::optional<int> signInWords(const SurdSum &s)
{
    Wide c = s.c;
    std::int64_t a = 0, m = 0; // the one irrational term left, if any
    for (const auto &[coef, radicand] : {std::pair{s.a, s.m}, std::pair{s.b, s.n}}) {
        if (coef == 0 || radicand == 0)
            continue;
        if (const auto root = exactRoot(radicand)) {
            c += Wide(coef) * *root;
            continue;
        }
        if (a != 0)
            return std::nullopt; // two irrational roots
        a = coef;
        m = radicand;
    }
    auto sgn = [](Wide v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); };
    if (a == 0)
        return sgn(c);
    const int sa = a > 0 ? 1 : -1;
    const int sc = sgn(c);
    if (sc == 0 || sc == sa)
        return sa;
    // |a|·√m against |c|, both squares below 2^126.
    const Wide absC = c < 0 ? -c : c;
    constexpr Wide kLimit = Wide(1) << 62;
    const Wide absA = a < 0 ? -Wide(a) : Wide(a);
    if (absC >= kLimit || absA >= kLimit || m >= (std::int64_t(1) << 62) || absA * absA > (Wide(1) << 125) / m)
        return std::nullopt;
    const Wide diff = absA * absA * m - absC * absC;
    return diff > 0 ? sa : (diff < 0 ? sc : 0);
}

Big big(std::int64_t v)
{
    return Big(v);
}

// The sum in floating point, and the size of its terms (for the band).
template <class Real> Real approx(const SurdSum &s, Real &scale)
{
    const Real ra = s.a == 0 ? Real(0) : static_cast<Real>(s.a) * std::sqrt(static_cast<Real>(s.m));
    const Real rb = s.b == 0 ? Real(0) : static_cast<Real>(s.b) * std::sqrt(static_cast<Real>(s.n));
    const Real c = static_cast<Real>(s.c), d = static_cast<Real>(s.d);
    scale = (std::fabs(c) + std::fabs(ra) + std::fabs(rb)) / d + 1;
    return (c + ra + rb) / d;
}

// Floor of a value known to be near `k` (the caller's nearest whole number).
std::int64_t floorNear(const SurdSum &s, std::int64_t k, bool &whole)
{
    SurdSum shifted = s;
    shifted.c = s.c - k * s.d;
    const int sg = sign(shifted);
    whole = sg == 0;
    return sg >= 0 ? k : k - 1;
}

const std::array<long double, 1101> &log10Table()
{
    static const std::array<long double, 1101> table = [] {
        std::array<long double, 1101> t{};
        for (int i = 1; i < 1101; ++i)
            t[i] = std::log10(static_cast<long double>(i));
        return t;
    }();
    return table;
}

long double log10Ratio(int num, int den)
{
    const auto &t = log10Table();
    if (num < 1 || den < 1 || num > 1100 || den > 1100)
        return std::log10(static_cast<long double>(num)) - std::log10(static_cast<long double>(den));
    return t[num] - t[den];
}

} // namespace

int sign(const SurdSum &s)
{
    if (s.m < 0 || s.n < 0)
        throw std::domain_error("square root of a negative number");
    if (const auto fast = signInWords(s))
        return *fast;
    return signSurds(big(s.c), big(s.a), big(s.m), big(s.b), big(s.n));
}

// The same sum in double, first: where a double lands this far from a whole
// number (relative to the terms' size, a band some 10^6 times its error), its
// floor is the floor. WebAssembly has no hardware long double, so this keeps
// the browser's spacetime sample quick; it gives the same answers everywhere.
namespace {

constexpr double kDoubleBand = 1e-9;

std::optional<std::int64_t> truncateInDouble(const SurdSum &s)
{
    double scale = 1;
    const double f = approx(s, scale);
    if (!(std::fabs(f - std::round(f)) > kDoubleBand * scale) || std::fabs(f) > 0x1p62)
        return std::nullopt;
    return static_cast<std::int64_t>(std::trunc(f));
}

} // namespace

std::int64_t truncate(const SurdSum &s)
{
    if (s.d <= 0)
        throw std::domain_error("denominator must be positive");
    if (s.m >= 0 && s.n >= 0)
        if (const auto quick = truncateInDouble(s))
            return *quick;
    long double scale = 1;
    const long double f = approx(s, scale);
    const long double nearest = std::round(f);
    if (std::fabs(f - nearest) > kBand * scale) {
        // Safely between two whole numbers: the long double floor is exact.
        const auto fl = static_cast<std::int64_t>(std::floor(f));
        return f >= 0 ? fl : fl + 1;
    }
    ++surdSlow;
    bool whole = false;
    const std::int64_t fl = floorNear(s, static_cast<std::int64_t>(nearest), whole);
    // Between fl and fl + 1 a negative value truncates up to fl + 1.
    return (!whole && fl < 0) ? fl + 1 : fl;
}

int signScaledLog(std::int64_t E, std::int64_t num, std::int64_t den, std::int64_t R)
{
    if (num == den || E == 0)
        return R > 0 ? -1 : (R < 0 ? 1 : 0);
    if (E < 0)
        return -signScaledLog(-E, num, den, -R);
    // E·log10(num/den) against R  ⇔  num^E against 10^R · den^E.
    using boost::multiprecision::pow;
    Big lhs = pow(Big(num), static_cast<unsigned>(E));
    Big rhs = pow(Big(den), static_cast<unsigned>(E));
    const Big ten = pow(Big(10), static_cast<unsigned>(R >= 0 ? R : -R));
    if (R >= 0)
        rhs *= ten;
    else
        lhs *= ten;
    return Big(lhs - rhs).sign();
}

std::int64_t truncLogOffset(std::int64_t E, int D, int d, int v)
{
    if (v == 100)
        return d * E / D;
    if (v == 1000)
        return (d + 1) * E / D;
    // log10 of anything strictly between 1 and 10 with a whole-number ratio is
    // irrational, so the value is never a whole number here.
    const long double f = E * (d + log10Ratio(v, 100)) / D;
    const long double nearest = std::round(f);
    const long double scale = std::fabs(f) + 1;
    if (std::fabs(f - nearest) > kBand * scale) {
        const auto fl = static_cast<std::int64_t>(std::floor(f));
        return f >= 0 ? fl : fl + 1;
    }
    ++logSlow;
    // value ≥ k  ⇔  E·log10(v/100) − (k·D − E·d) ≥ 0
    const auto k = static_cast<std::int64_t>(nearest);
    const int sg = signScaledLog(E, v, 100, k * D - E * d);
    const std::int64_t fl = sg >= 0 ? k : k - 1;
    return fl < 0 ? fl + 1 : fl;
}

bool logLengthAtLeast(std::int64_t E, int D, int num, int den, int threshold)
{
    const long double g = E * log10Ratio(num, den) / D;
    if (std::fabs(g - threshold) > kBand * (std::fabs(g) + 1))
        return g > threshold;
    ++logSlow;
    return signScaledLog(E, num, den, static_cast<std::int64_t>(threshold) * D) >= 0;
}

SlowPathCounts slowPathCounts()
{
    return {surdSlow.load(), logSlow.load()};
}

} // namespace gridora::exact
