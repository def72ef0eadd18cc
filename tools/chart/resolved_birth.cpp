#include "tools/chart/resolved_birth.h"

#include "atlas/birth_zone.h"
#include "reading/reading.h"
#include "tools/chart/failure.h"
#include "tools/chart/render.h"
#include "tools/chart/text.h"

#include <ostream>
#include <utility>

void settleZone(ResolvedBirth& resolved) {
    BirthZoneCheck check = CheckZoneAtBirth(*resolved.birth);
    if (!check.refusal.isEmpty()) {
        resolved.error = std::move(check.refusal);
        resolved.birth.reset();
        return;
    }
    if (!check.warning.isEmpty()) {
        resolved.warnings.push_back(std::move(check.warning));
    }
}

int writeReading(const ChartRequest& request, const ResolvedBirth& resolved,
                 ChartStreams& streams) {
    ReadingOptions options;
    options.dashaYear = request.dashaYear;
    for (const QString& warning : resolved.warnings) {
        options.warnings.push_back(warning.toStdString());
    }
    Reading reading = MakeReading(*resolved.birth, options);
    if (request.files.any()) {
        return writeChartFiles(request.files, std::move(reading), streams.err);
    }
    if (request.json) {
        streams.out << readingJson(reading, resolved.place ? &*resolved.place : nullptr) << '\n';
    } else {
        writeText(streams.out, readingText(reading, resolved.placeLabel));
    }
    int status = kChartDone;
    if (!reading.planets.Reading) {
        status = fail(streams.err, QString::fromStdString(reading.planets.Error));
    }
    return finishOutput(streams.out, streams.err, status);
}
