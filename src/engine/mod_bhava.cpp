#include "engine/mod_bhava.h"

// Placeholder bodies; the computation lands with the engine.
double JulianDay(std::int16_t, std::int16_t, std::int16_t) { return 0; }
double ArcTan2(double, double) { return 0; }
double Normalize360(double& a) { return a; }
std::string ZodiacText(double&) { return {}; }
std::string AngleText(double&) { return {}; }
double Ayanamsa(double) { return 0; }
BhavaResult ComputeBhava(const BirthRecord&) { return {}; }
