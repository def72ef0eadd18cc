#include "engine/mod_bhava.h"

#include "engine/translatable.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

// The degree sign U+00B0 in UTF-8, then the blank that follows it.
constexpr char kDegreeSeparator[] = "\xC2\xB0 ";

// Room for three whole numbers of any size (a finite double has at most 309
// integer digits) and the separators.
constexpr std::size_t kTextBufferSize = 1024;

// Angles below this many degrees take the fast way through whole numbers.
constexpr double kSmallAngleLimit = 2147483648.0;

// Copies a separator without its terminating zero.
template <std::size_t N> inline char* writeText(char* out, const char (&text)[N]) {
    std::memcpy(out, text, N - 1);
    return out + (N - 1);
}

inline char* writeWhole(char* out, std::uint32_t n) {
    if (n < 10) {
        *out++ = static_cast<char>('0' + n);
        return out;
    }
    if (n < 100) {
        *out++ = static_cast<char>('0' + n / 10);
        *out++ = static_cast<char>('0' + n % 10);
        return out;
    }
    char digits[10];
    int count = 0;
    while (n != 0) {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    while (count > 0) {
        *out++ = digits[--count];
    }
    return out;
}

// A whole number held in a double that may be huge, infinite or not a number:
// the C library writes it, since converting it to an integer type would be
// undefined.
char* writeWhole(char* out, double value) {
    // 320 bytes hold any finite double written without a fraction.
    const int written = std::snprintf(out, 320, "%.0f", value);
    return out + (written > 0 ? std::min(written, 319) : 0);
}

// Degrees, minutes and seconds of a non-negative angle, each floored: the
// minutes are 60 times the fraction of a degree, the seconds 60 times the
// fraction of a minute.
template <typename Whole> struct Dms {
    Whole degrees;
    Whole minutes;
    Whole seconds;
};

// For 0 <= a < kSmallAngleLimit, where truncation is the floor.
inline Dms<std::uint32_t> splitSmall(double a) {
    const auto degrees = static_cast<std::uint32_t>(a);
    const double m = 60 * (a - degrees);
    const auto minutes = static_cast<std::uint32_t>(m);
    const auto seconds = static_cast<std::uint32_t>(60 * (m - minutes));
    return {degrees, minutes, seconds};
}

// For any other magnitude, infinity and not-a-number included.
Dms<double> splitLarge(double a) {
    const double degrees = std::floor(a);
    const double m = 60 * (a - degrees);
    const double minutes = std::floor(m);
    const double seconds = std::floor(60 * (m - minutes));
    return {degrees, minutes, seconds};
}

template <typename Whole> inline char* writeDms(char* out, const Dms<Whole>& dms) {
    out = writeWhole(out, dms.degrees);
    out = writeText(out, kDegreeSeparator);
    out = writeWhole(out, dms.minutes);
    out = writeText(out, "' ");
    out = writeWhole(out, dms.seconds);
    *out++ = '"';
    return out;
}

inline char* writeSignName(char* out, std::size_t index) {
    std::memcpy(out, SignAbbreviations + 3 * index, 3);
    return out + 3;
}

// The text of ZodiacText into buf; returns its length. The sign index counts
// on past Pisces for positions of 360 and more; the circle begins again at
// Aries.
std::size_t zodiacText(double& a, char* buf) {
    a = std::fabs(a);
    char* out = buf;
    if (a < kSmallAngleLimit) {
        Dms<std::uint32_t> dms = splitSmall(a);
        // floor(D / 30) is the exact quotient of these whole numbers, and
        // taking that many signs off equals subtracting 30 until less remains.
        const std::size_t signIndex = (dms.degrees / 30) % 12;
        dms.degrees %= 30;
        out = writeDms(out, dms);
        *out++ = ' ';
        out = writeSignName(out, signIndex);
    } else {
        Dms<double> dms = splitLarge(a);
        const double signs = std::floor(dms.degrees / 30);
        dms.degrees = std::fmod(dms.degrees, 30);
        out = writeDms(out, dms);
        *out++ = ' ';
        if (std::isfinite(signs)) {
            out = writeSignName(out, static_cast<std::size_t>(std::fmod(signs, 12)));
        }
    }
    return static_cast<std::size_t>(out - buf);
}

// The text of AngleText into buf; returns its length.
std::size_t angleText(double& a, char* buf) {
    const bool negative = a < 0;
    a = std::fabs(a);
    char* out = buf;
    // The minus sign is written on its own so that angles between -1 and 0
    // keep it.
    if (negative) {
        *out++ = '-';
    }
    out = a < kSmallAngleLimit ? writeDms(out, splitSmall(a)) : writeDms(out, splitLarge(a));
    return static_cast<std::size_t>(out - buf);
}

double sgn(double v) {
    if (v > 0) {
        return 1;
    }
    if (v < 0) {
        return -1;
    }
    return 0;
}

// Subtracts whole turns until the angle is below 360; negative angles stay as
// they are. Each subtraction of 360 is exact, so the remainder equals the
// result of subtracting one turn at a time, without a loop that never ends for
// huge or infinite values.
double reduceBelow360(double a) {
    return a >= 360 ? std::fmod(a, 360) : a;
}

// Writes the text of a copy of value into target. A target that already has
// the room (a result reused from one reading to the next) takes it without
// allocating; any other gets a string of exactly the text's size.
void setText(std::string& target, double value, std::size_t (*format)(double&, char*)) {
    char buf[kTextBufferSize];
    double copy = value;
    const std::size_t size = format(copy, buf);
    if (size <= target.capacity()) {
        target.assign(buf, size);
    } else {
        target = std::string(buf, size);
    }
}

} // namespace

const char* const kQuadrantsOverlapWarning = QT_TRANSLATE_NOOP(
    "Warnings",
    "The quadrants of this chart overlap: at this latitude and time the arc from the midheaven "
    "to the ascendant is more than 180°, so some houses repeat. The figures are those the "
    "method gives, kept as they are.");

double JulianDay(std::int16_t month, std::int16_t day, std::int16_t year) {
    const double mm = 12 * (static_cast<double>(year) + 4800) + static_cast<double>(month) - 3;
    const double r = mm - 12 * std::floor(mm / 12);
    double j = static_cast<double>(day) + std::floor((365 * mm + 2 * r + 7) / 12) +
               std::floor(mm / 48) - 32083;
    // Dates after 1582-10-15 (as the Julian reckoning counts it) are Gregorian.
    if (j > 2299171) {
        j = j + std::floor(mm / 4800) - std::floor(mm / 1200) + 38;
    }
    return j;
}

double ArcTan2(double y, double x) {
    if (std::isnan(x) || std::isnan(y)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (x > 0) {
        return std::atan(y / x);
    }
    if (x == 0) {
        return y == 0 ? 0 : sgn(y) * PI / 2;
    }
    // With y = 0 this is 0, not PI: the callers correct the quadrant.
    return sgn(y) * (PI - std::atan(std::fabs(y / x)));
}

double Normalize360(double& a) {
    if (a < 0) {
        a = a + 360;
    }
    if (a > 360) {
        a = a - 360;
    }
    return a;
}

std::string ZodiacText(double& a) {
    char buf[kTextBufferSize];
    return {buf, zodiacText(a, buf)};
}

std::string AngleText(double& a) {
    char buf[kTextBufferSize];
    return {buf, angleText(a, buf)};
}

double Ayanamsa(double T) {
    // The mean longitude of the Moon's node, degrees.
    double omega = (933060 - 6962911 * T + 7.5 * T * T) / 3600;
    omega = reduceBelow360(omega);
    // Twice the Sun's mean longitude, degrees, left unreduced.
    const double l2 = (259205536 * T + 2013816) / 3600;
    // Nutation and precession, arc seconds.
    const double nutation = 1.27 * std::sin(DegToRad * l2) + 17.23 * std::sin(DegToRad * omega);
    const double precession = T * (5025.64 + 1.11 * T);
    return (nutation - precession - 80861.27) / 3600;
}

bool ZoneIsAhead(const BirthRecord& birth) {
    if (birth.ZoneAhead) {
        return *birth.ZoneAhead;
    }
    return birth.LonEast && birth.LonD + birth.LonM / 60.0 > 0;
}

int ZoneOffsetMinutes(const BirthRecord& birth) {
    const int magnitude = birth.ZoneHour * 60 + birth.ZoneMinute;
    return (ZoneIsAhead(birth) ? magnitude : -magnitude) + (birth.DST ? 60 : 0);
}

BirthMoment birthMoment(const BirthRecord& birth) {
    const double time = birth.Hour + birth.Minute / 60.0;
    double zone = birth.ZoneHour + birth.ZoneMinute / 60.0;
    double longitude = birth.LonD + birth.LonM / 60.0; // positive West
    if (birth.LonEast) {
        longitude = -longitude;
    }
    double latitude = birth.LatD + birth.LatM / 60.0; // positive North
    if (birth.LatSouth) {
        latitude = -latitude;
    }
    // Daylight saving moves the clock one hour ahead: away from universal
    // time for a zone ahead of it, towards it for one behind.
    const bool ahead = ZoneIsAhead(birth);
    if (birth.DST) {
        zone = ahead ? zone + 1 : zone - 1;
    }

    BirthMoment moment;
    moment.JulianDayValue = JulianDay(birth.Month, birth.Day, birth.Year);
    // Universal time on the civil date of the birth; it may fall below 0 or
    // beyond 24, which moves T into the neighbouring day.
    moment.UT = ahead ? time - zone : time + zone;
    moment.Longitude = longitude;
    moment.Latitude = latitude;
    return moment;
}

double julianDayUT(const BirthMoment& moment) {
    return moment.JulianDayValue + moment.UT / 24 - 0.5;
}

void computeBhavaValues(const BirthRecord& birth, BhavaResult& result) {
    computeBhavaValues(birthMoment(birth), result);
}

void computeBhavaValues(const BirthMoment& moment, BhavaResult& result) {
    const double ut = moment.UT;
    const double longitude = moment.Longitude;
    const double latitude = moment.Latitude;
    result.JulianDayValue = moment.JulianDayValue;
    // Julian centuries since Julian day 2415020.0.
    const double T = ((result.JulianDayValue - 2415020) + ut / 24 - 0.5) / 36525;
    result.AyanamsaValue = Ayanamsa(T);

    // Local sidereal time, degrees; a negative value is left as it is.
    double s = 15 * (ut + (T * (T * 0.0000258) + (T * 2400.0513 + 6.6460656))) - longitude;
    s = reduceBelow360(s);
    const double ramc = DegToRad * s;
    const double obliquity = DegToRad * (23.452294 - T * 0.0130125);

    const double sinRamc = std::sin(ramc);
    const double cosRamc = std::cos(ramc);
    const double cosObliquity = std::cos(obliquity);

    // Tropical midheaven, radians, brought into the quadrant of the RAMC.
    double m = ArcTan2(std::tan(ramc), cosObliquity);
    if (m < 0) {
        m = m + PI;
    }
    if (sinRamc < 0) {
        m = m + PI;
    }
    const double tropicalMidheaven = RadToDeg * m;

    // Tropical ascendant.
    const double x = -sinRamc * cosObliquity - std::sin(obliquity) * std::tan(DegToRad * latitude);
    double asc = ArcTan2(cosRamc, x);
    if (asc < 0) {
        asc = asc + PI;
    }
    if (cosRamc < 0) {
        asc = asc + PI;
    }
    const double tropicalAscendant = reduceBelow360(RadToDeg * asc);

    result.Ascendant = tropicalAscendant + result.AyanamsaValue;
    result.Midheaven = tropicalMidheaven + result.AyanamsaValue;
    Normalize360(result.Ascendant);
    Normalize360(result.Midheaven);

    auto& cusp = result.CuspPoints;
    // From the midheaven to the ascendant: houses 10 to 1, slots 18 to 24.
    double d = result.Ascendant - result.Midheaven;
    if (d < 0) {
        d = d + 360;
    }
    // The arc from the midheaven to the ascendant and the one from the
    // descendant to the midheaven add up to half the circle, or to one and a
    // half when the first passes 180°: then the quadrants overlap.
    result.QuadrantsOverlap = d > 180;
    d = d / 6;
    for (int n = 0; n <= 6; ++n) {
        double point = n * d + result.Midheaven;
        cusp[18 + n] = Normalize360(point);
    }
    // From the descendant to the midheaven: houses 7 to 10, slots 12 to 18.
    // This run writes slot 18 last, so house 10 begins where it ends.
    const double descendant = 180 + result.Ascendant;
    double reducedDescendant = descendant;
    Normalize360(reducedDescendant);
    double e = result.Midheaven - reducedDescendant;
    if (e < 0) {
        e = e + 360;
    }
    e = e / 6;
    for (int n = 0; n <= 6; ++n) {
        double point = n * e + descendant;
        cusp[12 + n] = Normalize360(point);
    }
    // The eastern half mirrors the western one.
    for (int k = 0; k <= 11; ++k) {
        double point = 180 + cusp[k + 12];
        cusp[k] = Normalize360(point);
    }
}

void ComputeBhava(const BirthRecord& birth, BhavaResult& result) {
    computeBhavaValues(birth, result);
    for (std::size_t i = 0; i < 12; ++i) {
        setText(result.BhavaMadhyaText[i], result.CuspPoints[2 * i], zodiacText);
        setText(result.BhavaSandhiText[i], result.CuspPoints[2 * i + 1], zodiacText);
    }
    setText(result.AyanamsaText, result.AyanamsaValue, angleText);
    setText(result.AscendantText, result.Ascendant, zodiacText);
    setText(result.MidheavenText, result.Midheaven, zodiacText);
    result.Warnings.clear();
    if (result.QuadrantsOverlap) {
        result.Warnings.emplace_back(kQuadrantsOverlapWarning);
    }
}

BhavaResult ComputeBhava(const BirthRecord& birth) {
    BhavaResult result;
    ComputeBhava(birth, result);
    return result;
}
