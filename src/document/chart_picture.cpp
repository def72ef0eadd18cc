#include "document/chart_picture.h"

#include "files/save_file.h"
#include "reading/reading_rows.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgGenerator>

namespace {

QFont chartFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void paintOnto(QPaintDevice& device, const Reading& reading,
               const std::optional<VargaChartFigure>& varga, ChartStyle style) {
    QPainter painter(&device);
    painter.setFont(chartFont());
    const QRectF square(0, 0, kChartPicturePixels, kChartPicturePixels);
    const PlanetsReading& planets = PlanetsOf(reading.planets);
    if (varga) {
        PaintVargaChart(painter, square, *varga, planets, style);
    } else {
        PaintBhavaChart(painter, square, reading.houses, planets, style);
    }
}

} // namespace

VargaChartFigure VargaFigureOf(const Reading& reading, std::size_t index) {
    const VargaChart& chart = reading.vargas.at(index);
    VargaChartFigure figure;
    figure.title = QString::fromStdString(VargaTitles().at(index));
    figure.ascendantSign = chart.Ascendant;
    if (chart.Signs) {
        figure.signs = *chart.Signs;
    }
    return figure;
}

PictureFormat PictureFormatOf(const QString& path) {
    return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? PictureFormat::Svg
                                                                      : PictureFormat::Png;
}

PictureSaveResult WriteChartPicture(const QString& path, const Reading& reading, ChartStyle style,
                                    PictureFormat format, std::optional<std::size_t> varga) {
    const PlanetsReading& planets = PlanetsOf(reading.planets);
    std::optional<VargaChartFigure> figure;
    if (varga && *varga < reading.vargas.size()) {
        figure = VargaFigureOf(reading, *varga);
    }
    PictureSaveResult result;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(kChartPicturePixels, kChartPicturePixels));
        svg.setViewBox(QRect(0, 0, kChartPicturePixels, kChartPicturePixels));
        svg.setResolution(96);
        svg.setTitle(figure ? figure->title : QStringLiteral("Bhava chart"));
        QStringList texts;
        for (const QString& text : figure ? VargaChartHouseTexts(*figure, planets)
                                          : BhavaChartHouseTexts(reading.houses, planets)) {
            texts << text;
        }
        svg.setDescription(texts.join(u"\n"));
        paintOnto(svg, reading, figure, style);
    } else {
        QImage image(kChartPicturePixels, kChartPicturePixels, QImage::Format_RGB32);
        image.fill(Qt::white);
        paintOnto(image, reading, figure, style);
        if (!image.save(&buffer, "PNG")) {
            result.error = QStringLiteral("The picture could not be made.");
            return result;
        }
    }
    result.error = SaveFileBytes(path, bytes);
    result.saved = result.error.isEmpty();
    return result;
}
