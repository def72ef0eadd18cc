#include "tools/chart/chart.h"

#include "tools/chart/batch.h"
#include "tools/chart/command.h"
#include "tools/chart/failure.h"
#include "tools/chart/file.h"
#include "tools/chart/options.h"
#include "tools/chart/places.h"
#include "tools/chart/single.h"
#include "tools/chart/usage.h"
#include "translation/translator.h"

namespace {

ChartCommand commandOf(ChartMode mode) {
    switch (mode) {
    case ChartMode::Single:
        return runSingle;
    case ChartMode::Places:
        return runPlaces;
    case ChartMode::File:
        return runFile;
    case ChartMode::Batch:
        return runBatch;
    case ChartMode::Help:
        return runHelp;
    case ChartMode::Version:
        return runVersion;
    }
    return runHelp;
}

} // namespace

int runChart(const QStringList& arguments, std::FILE* in, std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = parseChartArguments(arguments);
    if (!parsed.request) {
        writeError(err, parsed.error);
        writeText(err, chartUsageText());
        return kChartWrongArguments;
    }
    // English unless asked for: scripts keep their output under any locale.
    LanguageSwitch language;
    language.use(parsed.request->language);
    ChartStreams streams{in, out, err};
    return commandOf(parsed.request->mode)(*parsed.request, streams);
}
