#pragma once

#include "engine/bhava_result.h"
#include "engine/birth_record.h"

#include <cstdint>
#include <string>

// The engine's constants are the values the module has always used, not the
// exact mathematical ones; the seconds of every reading depend on them.
inline constexpr double PI = 3.14159265358979;
inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double RadToDeg = 57.2957795130823;
inline constexpr const char* SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// The reading's warning when the quadrants overlap (BhavaResult::Warnings).
extern const char* const kQuadrantsOverlapWarning;

// Julian day number of a civil date (Julian calendar up to 1582-10-15,
// Gregorian after).
double JulianDay(std::int16_t month, std::int16_t day, std::int16_t year);

// Arc tangent of y/x in radians with the engine's own quadrant rules.
double ArcTan2(double y, double x);

// One-step reduction into the circle, degrees; replaces the argument.
double Normalize360(double& a);

// "3° 27' 24\" Leo": degrees within the sign, floored minutes and seconds.
// Replaces the argument by its magnitude.
std::string ZodiacText(double& a);

// "-23° 51' 14\"": a signed angle without a sign name. Replaces the argument
// by its magnitude.
std::string AngleText(double& a);

// Ayanamsa in degrees for T Julian centuries since Julian day 2415020.
double Ayanamsa(double T);

// Whether the zone lies ahead of universal time: the record's direction when
// it is set, otherwise East of Greenwich (a longitude of 0 counts as West).
bool ZoneIsAhead(const BirthRecord& birth);

// The offset from universal time the engine uses for a birth, in minutes,
// ahead positive: the zone's magnitudes in the zone's direction, and one hour
// more for daylight saving, which always moves the clock ahead.
int ZoneOffsetMinutes(const BirthRecord& birth);

// The whole house computation of one birth: values and texts.
BhavaResult ComputeBhava(const BirthRecord& birth);

// The same into an existing result, reusing the room its texts already have:
// the way to compute many readings without allocating for each.
void ComputeBhava(const BirthRecord& birth, BhavaResult& result);

// The instant and place of a birth as the house computation reads them.
struct BirthMoment {
    double JulianDayValue = 0; // Julian day number of the civil birth date
    double UT = 0;             // hours of universal time on that date; may be below 0 or beyond 24
    double Longitude = 0;      // degrees, positive West
    double Latitude = 0;       // degrees, positive North
};

// The moment of a birth record: its clock time and zone turned into universal
// time by the zone and daylight-saving rules of the house computation.
BirthMoment birthMoment(const BirthRecord& birth);

// The Julian day, in universal time, of a moment: the form an ephemeris takes.
double julianDayUT(const BirthMoment& moment);

// The values alone (Julian day, ayanamsa, ascendant, midheaven and the cusp
// points); the texts of result are left as they were.
void computeBhavaValues(const BirthRecord& birth, BhavaResult& result);

// The same from a moment; the birth's clock time moved by some minutes is
// the moment with UT moved by as many.
void computeBhavaValues(const BirthMoment& moment, BhavaResult& result);
