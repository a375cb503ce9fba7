#pragma once

// value * numerator / denominator with the product held in 64 bits and the quotient
// rounded to the nearest integer, halves away from zero. A zero denominator or a result
// outside the int range gives -1, as the classic canvas helper of that name does.
int MulDiv(int value, int numerator, int denominator);
