#include "engine/circle.h"

#include <cmath>

double Reduce360(double degrees) {
    if (!std::isfinite(degrees)) {
        return 0;
    }
    // Most longitudes are a turn away at most; the rest take the slow way.
    double x = degrees;
    if (x < -360 || x >= 720) {
        x = std::fmod(x, 360.0);
    }
    if (x < 0) {
        x += 360;
    }
    if (x >= 360) {
        x -= 360;
    }
    // A value a hair below 0 rounds to 360 when the turn is added.
    return x >= 360 ? 0 : x;
}

int SignOf(double longitude) {
    const int sign = static_cast<int>(Reduce360(longitude) / 30);
    return sign >= 12 ? 1 : sign + 1;
}
