// SPDX-License-Identifier: GPL-3.0-or-later
#include "flashrules.h"

#include <cmath>

namespace core {

namespace flashrules {

int drawPosition(float rnd, int n)
{
    // In double, so that the largest rnd below 1 cannot round up onto the end position.
    return int(std::floor((n - 1) * double(rnd) + 1));
}

int flash(int position, int n, float rnd)
{
    if (position <= 0 || position >= n)
        return 1;
    return drawPosition(rnd, n);
}

int previous(int position, int n)
{
    if (position <= 0)
        return 1;
    if (position > n)
        return n;
    return position - 1;
}

int next(int position, int n)
{
    return position + 1 > n ? n : position + 1;
}

} // namespace flashrules

} // namespace core
