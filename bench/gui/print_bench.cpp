// The printed reading: the whole document of the first worked example
// written as a PDF, and the print preview from the click to its pages shown.

#include "document/reading_document.h"
#include "engine/mod_bhava.h"
#include "shell/qt_services.h"
#include "support/sample_planets.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

ReadingDocument firstExample() {
    ReadingDocument document;
    document.reading = firstExampleReading();
    return document;
}

void BM_WriteReadingPdf(benchmark::State& state) {
    const ReadingDocument reading = firstExample();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.pdf"));
    for (auto _ : state) {
        const DocumentSaveResult result = WriteReadingPdf(path, reading, Paper::A4);
        if (!result.saved) {
            state.SkipWithError("the PDF was not written");
            break;
        }
        benchmark::DoNotOptimize(result.pages);
    }
}
BENCHMARK(BM_WriteReadingPdf)->Unit(benchmark::kMillisecond);

// From the menu entry to the preview window shown with every page laid out
// and painted.
void BM_PrintPreviewOpened(benchmark::State& state) {
    const ReadingDocument reading = firstExample();
    PrintJob job;
    job.title = QStringLiteral("Ram 2000-01-01");
    job.pageSize = PageSizeOf(Paper::A4);
    int pagesPainted = 0;
    job.paint = [&](QPagedPaintDevice& device) {
        pagesPainted = PaintReadingDocument(device, reading);
        return pagesPainted;
    };
    for (auto _ : state) {
        pagesPainted = 0;
        QPrinter printer(QPrinter::HighResolution);
        QtPrinting::setUp(printer, job);
        auto preview = QtPrinting::preview(printer, nullptr, job);
        preview->show();
        while (pagesPainted == 0) {
            QApplication::processEvents();
        }
        preview->repaint();
        QApplication::processEvents();

        state.PauseTiming();
        preview->close();
        preview.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PrintPreviewOpened)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication qapp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
