#include "vedic/varga.h"

#include "vedic/arc_part.h"

namespace {

// Signs are counted from 0 (Aries) here; the result adds 1.
constexpr int kAries = 0;
constexpr int kTaurus = 1;
constexpr int kGemini = 2;
constexpr int kCancer = 3;
constexpr int kLeo = 4;
constexpr int kVirgo = 5;
constexpr int kLibra = 6;
constexpr int kScorpio = 7;
constexpr int kSagittarius = 8;
constexpr int kCapricorn = 9;
constexpr int kAquarius = 10;
constexpr int kPisces = 11;

// Aries, the 1st sign, is odd.
bool isOdd(int sign) {
    return sign % 2 == 0;
}

// 0 movable, 1 fixed, 2 dual.
int modality(int sign) {
    return sign % 3;
}

// 0 fire, 1 earth, 2 air, 3 water.
int element(int sign) {
    return sign % 4;
}

int byModality(int sign, int movable, int fixed, int dual) {
    const int m = modality(sign);
    return m == 0 ? movable : m == 1 ? fixed : dual;
}

int byElement(int sign, int fire, int earth, int air, int water) {
    const int e = element(sign);
    return e == 0 ? fire : e == 1 ? earth : e == 2 ? air : water;
}

// D30: the parts' ends in whole degrees of the sign and their signs.
struct TrimsamsaPart {
    int endDegree;
    int sign;
};
constexpr std::array<TrimsamsaPart, 5> kOddTrimsamsa = {
    {{5, kAries}, {10, kAquarius}, {18, kSagittarius}, {25, kGemini}, {30, kLibra}}};
constexpr std::array<TrimsamsaPart, 5> kEvenTrimsamsa = {
    {{5, kTaurus}, {12, kVirgo}, {20, kPisces}, {25, kCapricorn}, {30, kScorpio}}};

int trimsamsa(double longitude) {
    // The whole degree of the sign, by the boundary rule of every division.
    const int degreeOfCircle = arcPartInSign(longitude, 30).Index;
    const int sign = degreeOfCircle / 30;
    const int degree = degreeOfCircle % 30;
    const auto& parts = isOdd(sign) ? kOddTrimsamsa : kEvenTrimsamsa;
    for (const auto& part : parts) {
        if (degree < part.endDegree) {
            return part.sign;
        }
    }
    return parts.back().sign; // not reached: degree is below 30
}

// The sign of the first part of a sign in D<division>, or -1 for D30 and any
// division not among the sixteen.
int firstPartSign(int division, int sign) {
    const bool odd = isOdd(sign);
    switch (division) {
    case 1:
    case 3:
    case 4:
    case 12:
    case 60:
        return sign;
    case 7:
        return odd ? sign : sign + 6;
    case 9:
        return byElement(sign, kAries, kCapricorn, kLibra, kCancer);
    case 10:
        return odd ? sign : sign + 8;
    case 16:
    case 45:
        return byModality(sign, kAries, kLeo, kSagittarius);
    case 20:
        return byModality(sign, kAries, kSagittarius, kLeo);
    case 24:
        return odd ? kLeo : kCancer;
    case 27:
        return byElement(sign, kAries, kCancer, kLibra, kCapricorn);
    case 40:
        return odd ? kAries : kLibra;
    default:
        return -1;
    }
}

// How many signs on each further part lies: the 5th and 9th for D3, the 4th,
// 7th and 10th for D4, the next sign for the others.
int stepOfParts(int division) {
    switch (division) {
    case 3:
        return 4;
    case 4:
        return 3;
    default:
        return 1;
    }
}

} // namespace

int vargaSign(int division, double siderealLongitude) {
    if (division == 30) {
        return trimsamsa(siderealLongitude) + 1;
    }
    if (division == 2) {
        const ArcPart part = arcPartInSign(siderealLongitude, 2);
        const int sign = part.Index / 2;
        const bool firstHalf = part.Index % 2 == 0;
        return (isOdd(sign) == firstHalf ? kLeo : kCancer) + 1;
    }
    if (division < 1 || division > 60 || firstPartSign(division, kAries) < 0) {
        return 0;
    }
    const ArcPart part = arcPartInSign(siderealLongitude, division);
    const int sign = part.Index / division;
    const int partOfSign = part.Index % division;
    const int first = firstPartSign(division, sign);
    return (first + partOfSign * stepOfParts(division)) % 12 + 1;
}

std::array<int, 16> vargaSigns(double siderealLongitude) {
    std::array<int, 16> signs{};
    for (std::size_t i = 0; i < kVargas.size(); ++i) {
        signs[i] = vargaSign(kVargas[i].Division, siderealLongitude);
    }
    return signs;
}
