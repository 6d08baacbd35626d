#include "review.h"

#include <cmath>

int drawposition(float rnd, int n)
{
    return int(std::floor(double(rnd) * (n - 1) + 1));
}
