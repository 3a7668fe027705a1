// MulDiv's arithmetic, for the toolkit's one scale and the simulated
// desktop's proposed rectangles alike, without <windows.h>.
#pragma once

namespace plat {

// MulDiv as Windows rounds it: to the nearest, halves away from zero; -1
// for a zero denominator.
int mul_div(int value, int numerator, int denominator);

}  // namespace plat
