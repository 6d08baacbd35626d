// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The arithmetic of fitting the memory model to the learner's answers.
//
// exp and log are our own, made of additions, multiplications and divisions alone: the C
// library's may differ in the last bit from one machine to another (glibc picks an FMA variant
// at run time where the processor has one), and a fit repeats them millions of times, so a bit
// would grow into other parameters. With contraction into FMA switched off for the files that
// compute the fit (src/learning/CMakeLists.txt), the same answers give the same parameters on
// every machine.
namespace learning::fitmath {

double exp(double x);
double log(double x); // for x > 0
double cos(double x); // for 0 <= x <= pi
// For base > 0.
inline double pow(double base, double exponent)
{
    return exp(exponent * log(base));
}

constexpr int parameterCount = 21;

// A value with its derivatives by each of the model's 21 parameters (forward-mode automatic
// differentiation): computing the model's prediction in Duals gives its gradient exactly.
struct Dual
{
    double value = 0;
    std::array<double, parameterCount> slope{};

    Dual() = default;
    Dual(double constant) : value(constant) {} // NOLINT: constants mix freely with Duals
    // Parameter number `index`, whose derivative by itself is 1.
    static Dual parameter(double value, int index)
    {
        Dual dual(value);
        dual.slope[index] = 1.0;
        return dual;
    }
};

inline double valueOf(double x)
{
    return x;
}
inline double valueOf(const Dual &x)
{
    return x.value;
}

// A result of `value` whose slope is a times x's: the chain rule for a function of one argument.
inline Dual chained(double value, double a, const Dual &x)
{
    Dual result(value);
    for (int i = 0; i < parameterCount; ++i)
        result.slope[i] = a * x.slope[i];
    return result;
}

inline Dual operator+(const Dual &a, const Dual &b)
{
    Dual result(a.value + b.value);
    for (int i = 0; i < parameterCount; ++i)
        result.slope[i] = a.slope[i] + b.slope[i];
    return result;
}

inline Dual operator-(const Dual &a, const Dual &b)
{
    Dual result(a.value - b.value);
    for (int i = 0; i < parameterCount; ++i)
        result.slope[i] = a.slope[i] - b.slope[i];
    return result;
}

inline Dual operator-(const Dual &a)
{
    return chained(-a.value, -1.0, a);
}

inline Dual operator*(const Dual &a, const Dual &b)
{
    Dual result(a.value * b.value);
    for (int i = 0; i < parameterCount; ++i)
        result.slope[i] = a.slope[i] * b.value + a.value * b.slope[i];
    return result;
}

inline Dual operator/(const Dual &a, const Dual &b)
{
    const double quotient = a.value / b.value;
    Dual result(quotient);
    for (int i = 0; i < parameterCount; ++i)
        result.slope[i] = (a.slope[i] - quotient * b.slope[i]) / b.value;
    return result;
}

// Mixed with plain numbers, without the work of a zero slope.
inline Dual operator+(const Dual &a, double b)
{
    Dual result = a;
    result.value += b;
    return result;
}
inline Dual operator+(double a, const Dual &b)
{
    return b + a;
}
inline Dual operator-(const Dual &a, double b)
{
    return a + -b;
}
inline Dual operator-(double a, const Dual &b)
{
    return chained(a - b.value, -1.0, b);
}
inline Dual operator*(const Dual &a, double b)
{
    return chained(a.value * b, b, a);
}
inline Dual operator*(double a, const Dual &b)
{
    return b * a;
}
inline Dual operator/(const Dual &a, double b)
{
    return chained(a.value / b, 1.0 / b, a);
}
inline Dual operator/(double a, const Dual &b)
{
    const double quotient = a / b.value;
    return chained(quotient, -quotient / b.value, b);
}

inline Dual exp(const Dual &x)
{
    const double value = exp(x.value);
    return chained(value, value, x);
}

inline Dual log(const Dual &x)
{
    return chained(log(x.value), 1.0 / x.value, x);
}

inline Dual pow(const Dual &base, const Dual &exponent)
{
    return exp(exponent * log(base));
}

// The larger or smaller of two values with the derivatives of the one chosen, as a clamp in
// any automatic differentiation does.
template <typename T, typename U> T atLeast(const T &x, const U &floor)
{
    return valueOf(x) < valueOf(floor) ? T(floor) : x;
}

template <typename T, typename U> T atMost(const T &x, const U &ceiling)
{
    return valueOf(x) > valueOf(ceiling) ? T(ceiling) : x;
}

} // namespace learning::fitmath
