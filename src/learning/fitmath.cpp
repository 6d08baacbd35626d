// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitmath.h"

#include <array>
#include <cmath>
#include <limits>

namespace learning::fitmath {

namespace {

// ln 2 in two parts: k times the first is exact for every k an exponent can have.
constexpr double ln2High = 6.93147180369123816490e-01;
constexpr double ln2Low = 1.90821492927058770002e-10;
constexpr double inverseLn2 = 1.44269504088896338700e+00;

// 1 / n for n = 1 .. 25, so that the series multiply instead of divide.
constexpr auto inverses = [] {
    std::array<double, 26> table{};
    for (int n = 1; n < int(table.size()); ++n)
        table[n] = 1.0 / n;
    return table;
}();

} // namespace

double exp(double x)
{
    if (std::isnan(x))
        return x;
    if (x > 709.78)
        return std::numeric_limits<double>::infinity();
    if (x < -745.2)
        return 0.0;
    // x = k ln 2 + r with |r| <= ln 2 / 2; e^r by its series, which has converged to well
    // below a unit in the last place by the 13th power there.
    const double k = std::nearbyint(x * inverseLn2);
    const double r = (x - k * ln2High) - k * ln2Low;
    double sum = 1.0;
    for (int n = 13; n >= 1; --n)
        sum = 1.0 + sum * r * inverses[n];
    return std::ldexp(sum, int(k));
}

double log(double x)
{
    if (std::isnan(x) || x < 0)
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0)
        return -std::numeric_limits<double>::infinity();
    if (std::isinf(x))
        return x;
    // x = m 2^e with m in [1/sqrt 2, sqrt 2); ln m = 2 atanh s with s = (m - 1) / (m + 1),
    // |s| <= 0.172, whose odd powers are below a unit in the last place from the 25th on.
    int e = 0;
    double m = std::frexp(x, &e);
    if (m < 0.70710678118654752440) {
        m *= 2.0;
        --e;
    }
    const double s = (m - 1.0) / (m + 1.0);
    const double s2 = s * s;
    double series = 0.0;
    for (int n = 25; n >= 1; n -= 2)
        series = series * s2 + inverses[n];
    return (e * ln2High) + (e * ln2Low + 2.0 * s * series);
}

double cos(double x)
{
    // cos x = -sin(x - pi/2), |x - pi/2| <= pi/2, where the sine's series has converged by the
    // 25th power.
    constexpr double halfPiHigh = 1.57079632679489655800e+00;
    constexpr double halfPiLow = 6.12323399573676603587e-17;
    const double y = (x - halfPiHigh) - halfPiLow;
    const double y2 = y * y;
    double series = 1.0;
    for (int n = 24; n >= 2; n -= 2)
        series = 1.0 - series * y2 * inverses[n] * inverses[n + 1];
    return -y * series;
}

} // namespace learning::fitmath
