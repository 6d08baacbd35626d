#pragma once

// Rules of the review quiz.

// A random position of the review range 1..n-1: Int(rnd * (n - 1) + 1). For n = 1 this is 1,
// the empty end position.
int drawposition(float rnd, int n);
