// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of fitting the memory model to the learner's answers.
//
// exp, log and cos are our own, made of additions, multiplications and divisions alone: the C
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

} // namespace learning::fitmath
