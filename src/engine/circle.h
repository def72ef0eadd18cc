#pragma once

// Longitudes on the circle, outside the house computation (which keeps its
// own one-step Normalize360).

// The angle reduced to [0°, 360°) however far it lies outside; 0 for a value
// that is not a number or not finite.
double Reduce360(double degrees);

// The sign (1..12, Aries 1) of a longitude in degrees, after the full
// reduction: 360 is Aries, -1 Pisces.
int SignOf(double longitude);
