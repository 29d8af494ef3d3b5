// The angle whose cosine is given, for the angle between two vectors.
#pragma once

// The angle in radians, 0 to pi, whose cosine is c. A quotient dot / norms of
// parallel vectors can land a rounding step outside -1..1; such values count
// as 1 or -1, so the answer is 0 or pi and never NaN.
double AngleFromCosine(double c);
