#pragma once

// The sixteen divisional charts (vargas) in common use, by the classical
// rules: each sign is cut into parts, and each part is given a sign.

#include "engine/translatable.h"

#include <array>

// A divisional chart: its division number (D9 is 9) and its name.
struct Varga {
    int Division;
    const char* Name;
};

// The sixteen, in their usual order.
inline constexpr std::array<Varga, 16> kVargas = {{
    {1, QT_TRANSLATE_NOOP("Vargas", "Rasi")},
    {2, QT_TRANSLATE_NOOP("Vargas", "Hora")},
    {3, QT_TRANSLATE_NOOP("Vargas", "Drekkana")},
    {4, QT_TRANSLATE_NOOP("Vargas", "Chaturthamsa")},
    {7, QT_TRANSLATE_NOOP("Vargas", "Saptamsa")},
    {9, QT_TRANSLATE_NOOP("Vargas", "Navamsa")},
    {10, QT_TRANSLATE_NOOP("Vargas", "Dasamsa")},
    {12, QT_TRANSLATE_NOOP("Vargas", "Dwadasamsa")},
    {16, QT_TRANSLATE_NOOP("Vargas", "Shodasamsa")},
    {20, QT_TRANSLATE_NOOP("Vargas", "Vimsamsa")},
    {24, QT_TRANSLATE_NOOP("Vargas", "Chaturvimsamsa")},
    {27, QT_TRANSLATE_NOOP("Vargas", "Nakshatramsa")},
    {30, QT_TRANSLATE_NOOP("Vargas", "Trimsamsa")},
    {40, QT_TRANSLATE_NOOP("Vargas", "Khavedamsa")},
    {45, QT_TRANSLATE_NOOP("Vargas", "Akshavedamsa")},
    {60, QT_TRANSLATE_NOOP("Vargas", "Shashtiamsa")},
}};

// The sign (1..12, Aries 1) that the divisional chart D<division> gives a
// sidereal longitude in degrees, or 0 for a division not among the sixteen.
//
// The sign of the longitude is odd (Aries, Gemini, ...) or even; movable
// (Aries, Cancer, Libra, Capricorn), fixed (Taurus, Leo, Scorpio, Aquarius) or
// dual (Gemini, Virgo, Sagittarius, Pisces); fire (Aries, Leo, Sagittarius),
// earth (Taurus, Virgo, Capricorn), air (Gemini, Libra, Aquarius) or water
// (Cancer, Scorpio, Pisces). Its n equal parts (n = division) are given signs
// counted on from a first one:
//   D1 the sign itself;
//   D2 odd signs Leo then Cancer, even signs Cancer then Leo;
//   D3 the sign, the 5th and the 9th from it;
//   D4 the sign, the 4th, the 7th and the 10th;
//   D7 odd signs from the sign, even signs from the 7th;
//   D9 from Aries, Capricorn, Libra or Cancer for fire, earth, air or water;
//   D10 odd signs from the sign, even signs from the 9th;
//   D12 and D60 from the sign;
//   D16 and D45 from Aries, Leo or Sagittarius for movable, fixed or dual;
//   D20 from Aries, Sagittarius or Leo for movable, fixed or dual;
//   D24 odd signs from Leo, even signs from Cancer;
//   D27 from Aries, Cancer, Libra or Capricorn for fire, earth, air or water;
//   D40 odd signs from Aries, even signs from Libra.
// D30 has unequal parts: odd signs 5°, 5°, 8°, 7°, 5° to Aries, Aquarius,
// Sagittarius, Gemini, Libra; even signs 5°, 7°, 8°, 5°, 5° to Taurus, Virgo,
// Pisces, Capricorn, Scorpio.
//
// The longitude is reduced into [0, 360) first. A point on the start of a
// part belongs to the part that begins there; the sign being divided is the
// longitude's sign (SignOf), so every division agrees with D1 and with the
// sign the rest of the reading shows.
int vargaSign(int division, double siderealLongitude);

// The signs of all sixteen divisional charts, in the order of kVargas.
std::array<int, 16> vargaSigns(double siderealLongitude);
