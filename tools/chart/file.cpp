#include "tools/chart/file.h"

#include "tools/birth_input.h"
#include "tools/chart/failure.h"
#include "tools/chart/resolved_birth.h"

int runFile(const ChartRequest& request, ChartStreams& streams) {
    // The window's own message or the zone's refusal, after the file's name.
    const auto refuse = [&](const QString& error) {
        return fail(streams.err, QStringLiteral("'%1': %2").arg(request.readingFile, error));
    };
    const ReadingFileBirth file = readReadingFileBirth(request.readingFile);
    if (!file.birth) {
        return refuse(file.error);
    }
    ResolvedBirth resolved;
    resolved.birth = file.birth;
    settleZone(resolved);
    if (!resolved.birth) {
        return refuse(resolved.error);
    }
    return writeReading(request, resolved, streams);
}
