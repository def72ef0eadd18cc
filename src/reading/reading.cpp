#include "reading/reading.h"

#include "engine/mod_bhava.h"

Reading MakeReading(const BirthRecord& birth, const ReadingOptions& options) {
    Reading reading;
    MakeReading(birth, options, reading);
    return reading;
}

void MakeReading(const BirthRecord& birth, const ReadingOptions& options, Reading& reading) {
    reading.birth = birth;
    ComputeBhava(birth, reading.houses);
    reading.houses.Warnings.insert(reading.houses.Warnings.end(), options.warnings.begin(),
                                   options.warnings.end());
    reading.planets = options.sensitivity ? computePlanets(birth, reading.houses)
                                          : computePlacements(birth, reading.houses);
}
