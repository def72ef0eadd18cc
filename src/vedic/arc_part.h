#pragma once

// The circle cut into equal parts: the arithmetic beneath the nakshatras, the
// padas and the divisional charts, with one rule for a point on a boundary.

// The part of the circle a longitude falls in, when the circle is cut into
// partsInCircle equal parts from 0°.
struct ArcPart {
    int Index = 0;       // 0 .. partsInCircle - 1, the part that begins at 0° is 0
    double Fraction = 0; // how much of that part lies behind the point, [0, 1)
};

// The longitude is reduced to the circle as everywhere else in the program
// (Reduce360). A point on a boundary belongs to the part that begins there.
// The part is counted from longitude * partsInCircle / 360 rather than from a
// part width, so a boundary such as 40.0 / 3 lands exactly. partsInCircle
// must be at least 1.
ArcPart arcPart(double longitude, int partsInCircle);

// The same, kept inside the sign (0..11) the longitude stands in, when the
// parts are a whole number per sign (partsInCircle = 12 * partsPerSign): the
// parts then always agree with the sign of the longitude (SignOf), even for a
// point a rounding error away from the sign's edge.
ArcPart arcPartInSign(double longitude, int partsPerSign);
