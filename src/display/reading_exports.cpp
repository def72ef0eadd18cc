#include "display/reading_exports.h"

#include "document/chart_picture.h"
#include "document/reading_document.h"
#include "platform/app.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

ReadingDocument documentOf(App& app, ChartStyle style) {
    ReadingDocument document;
    document.reading = app.state().reading;
    document.style = style;
    return document;
}

// The file the user chose, or nothing when the dialog was cancelled.
std::optional<QString> savePath(App& app, QWidget* parent, FileDialogSpec spec) {
    spec.confirmOverwrite = true;
    std::optional<QString> path = app.services().dialogs.saveFileName(parent, spec);
    if (!path || path->isEmpty()) {
        return std::nullopt;
    }
    return path;
}

} // namespace

void PrintReading(App& app, QWidget* parent, ChartStyle style) {
    PrintJob job;
    job.title = ReadingFileBaseName(app.state().reading.birth);
    job.pageSize = PageSizeOf(PaperForLocale(QLocale::system()));
    job.paint = [reading = documentOf(app, style)](QPagedPaintDevice& device) {
        return PaintReadingDocument(device, reading);
    };
    app.services().printing.printWithPreview(parent, job);
}

void ExportReadingPdf(App& app, QWidget* parent, ChartStyle style) {
    FileDialogSpec spec;
    spec.title = QCoreApplication::translate("ReadingFiles", "Export PDF");
    spec.filter = QStringLiteral("PDF (*.pdf)");
    spec.defaultSuffix = QStringLiteral("pdf");
    spec.suggestedName = ReadingFileBaseName(app.state().reading.birth) + QStringLiteral(".pdf");
    const std::optional<QString> path = savePath(app, parent, spec);
    if (!path) {
        return;
    }
    const DocumentSaveResult result =
        WriteReadingPdf(*path, documentOf(app, style), PaperForLocale(QLocale::system()));
    if (!result.saved) {
        app.services().dialogs.message(
            parent,
            QCoreApplication::translate("ReadingFiles", "The reading could not be saved.\n") +
                result.error,
            MessageIcon::Critical);
    }
}

void SaveChartPicture(App& app, QWidget* parent, ChartStyle style,
                      std::optional<std::size_t> varga) {
    FileDialogSpec spec;
    spec.title = QCoreApplication::translate("ReadingFiles", "Save Chart Picture");
    spec.filter = QStringLiteral("PNG picture (*.png);;SVG picture (*.svg)");
    spec.defaultSuffix = QStringLiteral("png");
    spec.suggestedName =
        ReadingFileBaseName(app.state().reading.birth) + QStringLiteral(" chart.png");
    const std::optional<QString> path = savePath(app, parent, spec);
    if (!path) {
        return;
    }
    const PictureSaveResult result =
        WriteChartPicture(*path, app.state().reading, style, PictureFormatOf(*path), varga);
    if (!result.saved) {
        app.services().dialogs.message(
            parent,
            QCoreApplication::translate("ReadingFiles", "The chart picture could not be saved.\n") +
                result.error,
            MessageIcon::Critical);
    }
}
