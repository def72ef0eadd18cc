#include "tools/chart/render.h"

#include "document/chart_picture.h"
#include "document/reading_document.h"
#include "tools/chart/failure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLatin1StringView>

#include <array>
#include <utility>

namespace {

// The file a path names, links followed, also when it does not exist yet:
// its folder's real path and its name. "-" is standard output.
QString fileOf(const QString& path) {
    if (path == QLatin1StringView("-")) {
        return path;
    }
    QFileInfo info(path);
    // A link to a name not yet written names that name.
    constexpr int kMostLinks = 40;
    for (int links = 0; links < kMostLinks && info.isSymLink() && !info.exists(); ++links) {
        info.setFile(info.symLinkTarget());
    }
    if (info.exists()) {
        const QString canonical = info.canonicalFilePath();
        return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

} // namespace

std::optional<QString> sameOutputProblem(const ChartFiles& files) {
    const std::array<std::pair<const char*, const QString*>, 3> outputs = {
        {{"--pdf", &files.pdf}, {"--svg", &files.svg}, {"--png", &files.png}}};
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const auto& [option, path] = outputs.at(i);
            const auto& [earlier, earlierPath] = outputs.at(j);
            if (!path->isEmpty() && !earlierPath->isEmpty() &&
                fileOf(*path) == fileOf(*earlierPath)) {
                return QStringLiteral("%1 '%2' and %3 '%4' are one file: give each its own")
                    .arg(QLatin1StringView(earlier), *earlierPath, QLatin1StringView(option),
                         *path);
            }
        }
    }
    return std::nullopt;
}

int writeChartFiles(const ChartFiles& files, Reading reading, std::ostream& err) {
    if (const std::optional<QString> problem = sameOutputProblem(files)) {
        writeError(err, *problem);
        return kChartWrongArguments;
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return fail(err, QStringLiteral("drawing needs Qt's GUI application"));
    }
    const ReadingDocument document{std::move(reading), files.style};
    int status = kChartDone;
    // Without the ephemeris the files still hold the houses, and the status
    // says what is missing.
    if (!document.reading.planets.Reading) {
        status = fail(err, QString::fromStdString(document.reading.planets.Error));
    }
    const auto report = [&](const QString& path, bool saved, const QString& error) {
        if (!saved) {
            status = fail(
                err, QStringLiteral("the reading could not be saved to '%1': %2").arg(path, error));
        }
    };
    if (!files.pdf.isEmpty()) {
        const DocumentSaveResult saved = WriteReadingPdf(files.pdf, document, files.paper);
        report(files.pdf, saved.saved, saved.error);
    }
    for (const auto& [path, format] :
         {std::pair{files.svg, PictureFormat::Svg}, std::pair{files.png, PictureFormat::Png}}) {
        if (!path.isEmpty()) {
            const PictureSaveResult saved =
                WriteChartPicture(path, document.reading, document.style, format);
            report(path, saved.saved, saved.error);
        }
    }
    return status;
}
