#include "tools/chart/render.h"

#include "document/chart_picture.h"
#include "document/reading_document.h"
#include "tools/chart/failure.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <utility>

int writeChartFiles(const ChartFiles& files, Reading reading, std::ostream& err) {
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
