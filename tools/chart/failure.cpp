#include "tools/chart/failure.h"

#include <QByteArray>

#include <ostream>

void writeText(std::ostream& stream, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    stream.write(utf8.constData(), utf8.size());
}

void writeError(std::ostream& err, const QString& what) {
    writeText(err, QStringLiteral("kelvaro-chart: ") + what + QLatin1Char('\n'));
}

int fail(std::ostream& err, const QString& what) {
    writeError(err, what);
    return kChartFailed;
}

int finishOutput(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (!out) {
        return fail(err, QStringLiteral("cannot write the reading"));
    }
    return status;
}
