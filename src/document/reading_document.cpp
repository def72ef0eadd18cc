#include "document/reading_document.h"

#include "document/chart_text_object.h"
#include "document/program_title.h"
#include "document/reading_html.h"
#include "engine/mod_bhava.h"
#include "engine/offset_text.h"
#include "files/save_file.h"
#include "reading/mod_bhava_chart.h"
#include "reading/reading_rows.h"
#include "translation/table_texts.h"
#include "translation/translator.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QString kFontFamily = QStringLiteral("DejaVu Sans");
// The Rasi and Navamsa charts among kVargas.
constexpr std::size_t kRasiIndex = 0;
constexpr std::size_t kNavamsaIndex = 5;
constexpr qreal kBodyPoints = 9.5;
constexpr qreal kFootPoints = 8;
constexpr qreal kMarginMillimetres = 15;
constexpr qreal kChartMillimetres = 78;

// A house's interpretation text in the language in use.
QString houseText(const QString& english) {
    return TableText("HouseCatalogue", english);
}

// A sensitivity: "over 240" beyond the limit, in bold when close.
QString minutesCell(const SensitivityCell& cell) {
    if (cell.beyondLimit()) {
        return QStringLiteral("<td align=\"right\">%1</td>")
            .arg(ReadingText::tr("over %1").arg(kMaxSensitivityMinutes));
    }
    const QString number = QString::number(*cell.minutes);
    if (cell.close) {
        return QStringLiteral("<td align=\"right\"><b>%1</b></td>").arg(number);
    }
    return QStringLiteral("<td align=\"right\">%1</td>").arg(number);
}

// The table of the houses' mid-points and junctions.
QString houseTableHtml(const BhavaResult& houses) {
    QString houseTable = QStringLiteral("<p style=\"font-size: 11pt\"><b>%3</b></p>"
                                        "<table border=\"1\" cellpadding=\"3\" style=\"%1\">"
                                        "<tr><th %2>%4</th><th>%5</th><th>%6</th></tr>")
                             .arg(QLatin1StringView(kTableStyle), QLatin1StringView(kNoWrap),
                                  ReadingText::tr("Houses"), ReadingText::tr("House"),
                                  ReadingText::tr("Bhava Madhya"), ReadingText::tr("Bhava Sandhi"));
    for (std::size_t i = 0; i < houses.BhavaMadhyaText.size(); ++i) {
        houseTable +=
            QStringLiteral("<tr><td align=\"center\">%1</td><td %4>%2</td><td %4>%3</td></tr>")
                .arg(i + 1)
                .arg(esc(PositionText(houses.BhavaMadhyaText.at(i))),
                     esc(PositionText(houses.BhavaSandhiText.at(i))), QLatin1StringView(kNoWrap));
    }
    houseTable += QStringLiteral("</table>");

    return houseTable;
}

// The planets in the Bhavas with their birth-time minutes; nothing without
// planets.
QString planetTableHtml(const Reading& reading) {
    QString planetTable;
    const std::vector<PlanetRow> planets = PlanetRows(reading);
    if (!planets.empty()) {
        planetTable = QStringLiteral("<p style=\"font-size: 11pt\"><b>%2</b></p>"
                                     "<table border=\"1\" cellpadding=\"3\" style=\"%1\">"
                                     "<tr><th>%3</th><th>%4</th><th>%5</th>"
                                     "<th>%6</th><th>%7</th></tr>")
                          .arg(QLatin1StringView(kTableStyle), ReadingText::tr("Planets in Bhavas"),
                               ReadingText::tr("Planet"), ReadingText::tr("Position"),
                               ReadingText::tr("Bhava"), ReadingText::tr("Minutes earlier"),
                               ReadingText::tr("Minutes later"));
        for (const PlanetRow& planet : planets) {
            if (planet.ascendant) {
                planetTable += QStringLiteral("<tr><td colspan=\"3\">%1</td>")
                                   .arg(ReadingText::tr("Ascendant changes sign")) +
                               minutesCell(planet.earlier) + minutesCell(planet.later) +
                               QStringLiteral("</tr>");
                continue;
            }
            const QString retrograde = planet.retrograde ? RetrogradeMark() : QString();
            planetTable += QStringLiteral("<tr><td %4>%1%2</td><td %4>%3</td>"
                                          "<td align=\"center\">%5</td>")
                               .arg(esc(PlanetText(planet.name)), retrograde,
                                    esc(PositionText(planet.position)), QLatin1StringView(kNoWrap))
                               .arg(planet.bhava);
            planetTable +=
                minutesCell(planet.earlier) + minutesCell(planet.later) + QStringLiteral("</tr>");
        }
        planetTable += QStringLiteral("</table>");
        planetTable +=
            QStringLiteral("<p style=\"font-size: 8pt\">%1</p>")
                .arg(ReadingText::tr("(R) retrograde. Minutes earlier and "
                                     "later: how far the birth time may be wrong before the "
                                     "planet stands in another Bhava (or the ascendant in "
                                     "another sign); %1 minutes or fewer in bold.")
                         .arg(kCloseSensitivityMinutes));
    }
    return planetTable;
}

QString firstPageHtml(const Reading& reading) {
    const BirthRecord& birth = reading.birth;
    const ReadingFigures figures = FiguresOf(reading);
    QString html;
    const QString name = QString::fromStdString(birth.Name).trimmed();
    if (!name.isEmpty()) {
        html += QStringLiteral("<p style=\"font-size: 17pt; margin-bottom: 0\"><b>%1</b></p>")
                    .arg(esc(name));
    }
    html += QStringLiteral("<p style=\"font-size: 12pt; margin-top: 0; margin-bottom: 8px\">%1</p>")
                .arg(ReadingText::tr("Bhava Chart Reading"));

    // The birth and the figures on the left, the chart on the right.
    QString details = QStringLiteral("<table cellpadding=\"2\">");
    details += row(ReadingText::tr("Date of birth"), BirthDateText(birth));
    details += row(ReadingText::tr("Time of birth"), BirthTimeText(birth));
    const QString place = PlaceText(birth);
    details +=
        row(ReadingText::tr("Place"), place.isEmpty() ? ReadingText::tr("not given") : place);
    details += row(ReadingText::tr("Latitude"), LatitudeText(birth));
    details += row(ReadingText::tr("Longitude"), LongitudeText(birth));
    details += row(ReadingText::tr("Offset used"), UtcOffsetText(birth));
    details += QStringLiteral("<tr><td colspan=\"2\"></td></tr>");
    details += row(ReadingText::tr("Julian Day"), QString::fromStdString(figures.julianDay));
    details += row(ReadingText::tr("Ayanamsa"), QString::fromStdString(figures.ayanamsa));
    details += row(ReadingText::tr("Ascendant"), PositionText(figures.ascendant));
    details += row(ReadingText::tr("Midheaven"), PositionText(figures.midheaven));
    details += QStringLiteral("</table>");
    html += QStringLiteral(
                "<table width=\"100%\"><tr><td valign=\"top\">%1</td>"
                "<td align=\"right\" valign=\"top\"><a name=\"kelvaro-chart\">@@chart@@</a></td>"
                "</tr></table>")
                .arg(details);

    // The houses and the planets side by side.
    const QString houseTable = houseTableHtml(reading.houses);
    const QString planetTable = planetTableHtml(reading);
    html += QStringLiteral("<table width=\"100%\"><tr><td valign=\"top\">%1</td>"
                           "<td width=\"3%\"></td><td valign=\"top\">%2</td></tr></table>")
                .arg(houseTable, planetTable);

    const std::vector<std::string>& warnings = reading.warnings();
    if (!warnings.empty()) {
        html += QStringLiteral("<p style=\"font-size: 11pt\"><b>%1</b></p><ul>")
                    .arg(ReadingText::tr("Warnings"));
        for (const std::string& warning : warnings) {
            html += QStringLiteral("<li>%1</li>").arg(esc(WarningText(warning)));
        }
        html += QStringLiteral("</ul>");
    }
    return html;
}

// One house's interpretation: its attributes, what this chart holds there
// and the catalogue's description.
QString houseHtml(const Reading& reading, int index) {
    const HouseProfile& profile = LoadHouseCatalogue().house(index);
    const auto slot = static_cast<std::size_t>(index);
    QString html;
    if (index == 0) {
        html += QStringLiteral("<p style=\"font-size: 15pt; margin-bottom: 6px\">"
                               "<b>%1</b></p>")
                    .arg(ReadingText::tr("Interpretation of Houses"));
    }
    html += QStringLiteral("<p style=\"font-size: 12pt; margin-top: 10px\"><b>%1</b></p>")
                .arg(esc(ReadingText::tr("House %1: %2")
                             .arg(index + 1)
                             .arg(houseText(profile.HouseName).trimmed())));
    html += QStringLiteral("<table cellpadding=\"1\">");
    html += row(ReadingText::tr("Sanskrit Name"), houseText(profile.SanskritName));
    html += row(ReadingText::tr("Planet Ruler"), houseText(profile.PlanetRuler));
    html += row(ReadingText::tr("Sign Ruler"), houseText(profile.SignRuler));
    html += row(ReadingText::tr("Keywords"), houseText(profile.Keywords));
    html += row(ReadingText::tr("Mantra"), houseText(profile.Mantra));
    html += row(ReadingText::tr("Type"), houseText(profile.HouseType));
    html += row(ReadingText::tr("Quality"), houseText(profile.Quality));
    html += row(ReadingText::tr("Element"), houseText(profile.Element));
    QString inChart = ReadingText::tr("Bhava Madhya %1, Bhava Sandhi %2")
                          .arg(PositionText(reading.houses.BhavaMadhyaText.at(slot)),
                               PositionText(reading.houses.BhavaSandhiText.at(slot)));
    const std::vector<PlanetRow> planets = PlanetRows(reading);
    if (!planets.empty()) {
        QStringList bodies;
        for (const PlanetRow& planet : planets) {
            if (!planet.ascendant && planet.bhava == index + 1) {
                bodies << PlanetText(planet.name) +
                              (planet.retrograde ? RetrogradeMark() : QString());
            }
        }
        inChart += ReadingText::tr("; planets: %1")
                       .arg(bodies.isEmpty() ? ReadingText::tr("none") : bodies.join(u", "));
    }
    html += row(ReadingText::tr("In this chart"), inChart);
    html += QStringLiteral("</table>");
    html += QStringLiteral("<p style=\"margin-top: 4px\">%1</p>")
                .arg(esc(houseText(profile.Description)));
    return html;
}

// A piece of the document laid out for the page width, and for the page
// height too when it is taller than a page.
struct Block {
    std::unique_ptr<QTextDocument> text;
    std::unique_ptr<ChartTextObject> chart;
    qreal height = 0;
    int pages = 1;        // pages of its own when taller than a page
    bool newPage = false; // begins on a page of its own
};

// The body's font: DejaVu Sans, and for Hindi and Tamil a Noto face of the
// script (Debian's fonts-noto-core) after it, whose text comes back out of
// the PDF.
QFont documentFont() {
    QFont font(kFontFamily);
    switch (InstalledLanguage()) {
    case Language::Hindi:
        font.setFamilies({kFontFamily, QStringLiteral("Noto Sans Devanagari")});
        break;
    case Language::Tamil:
        font.setFamilies({kFontFamily, QStringLiteral("Noto Serif Tamil")});
        break;
    case Language::English:
        break;
    }
    return font;
}

QFont bodyFont() {
    QFont font = documentFont();
    font.setPointSizeF(kBodyPoints);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

Block makeBlock(QPagedPaintDevice& device, const QString& html, const QSizeF& body,
                std::unique_ptr<ChartTextObject> chart) {
    Block block;
    block.text = std::make_unique<QTextDocument>();
    QTextDocument& doc = *block.text;
    doc.documentLayout()->setPaintDevice(&device);
    doc.setDefaultFont(bodyFont());
    doc.setDocumentMargin(0);
    doc.setUseDesignMetrics(true);
    if (chart) {
        doc.documentLayout()->registerHandler(ChartTextObject::kObjectType, chart.get());
        block.chart = std::move(chart);
    }
    doc.setHtml(html);
    if (block.chart) {
        // Each placeholder becomes its chart: the Bhava chart, or a divisional
        // chart by its index. A chart's own placeholder is the one in its
        // anchor: a name or a place of the same text is the user's, and stays
        // as written. (An anchor's name is on its first character.)
        const auto anchored = [&doc](const QTextCursor& found) {
            QTextCursor first(&doc);
            first.setPosition(found.selectionStart() + 1);
            return first.charFormat().anchorNames().contains(QStringLiteral("kelvaro-chart"));
        };
        const std::pair<const char*, int> charts[] = {
            {"@@chart@@", -1},
            {"@@varga0@@", static_cast<int>(kRasiIndex)},
            {"@@varga5@@", static_cast<int>(kNavamsaIndex)}};
        for (const auto& [name, varga] : charts) {
            const QString text = QString::fromLatin1(name);
            QTextCursor placeholder = doc.find(text);
            while (!placeholder.isNull() && !anchored(placeholder)) {
                placeholder = doc.find(text, placeholder);
            }
            if (placeholder.isNull()) {
                continue;
            }
            QTextCharFormat format;
            format.setObjectType(ChartTextObject::kObjectType);
            if (varga >= 0) {
                format.setProperty(ChartTextObject::kVargaProperty, varga);
            }
            placeholder.insertText(QString(QChar::ObjectReplacementCharacter), format);
        }
    }
    doc.setTextWidth(body.width());
    block.height = doc.size().height();
    if (block.height > body.height()) {
        doc.setPageSize(body);
        block.pages = doc.pageCount();
    }
    return block;
}

void drawFoot(QPainter& painter, const QRectF& page, qreal footHeight, int number, int count) {
    QFont font(kFontFamily);
    font.setPointSizeF(kFootPoints);
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    const QRectF foot(page.left(), page.bottom() - footHeight, page.width(), footHeight);
    QPen rule(QColor(0x99, 0x99, 0x99));
    rule.setWidthF(std::max(page.width() / 2000.0, 1.0));
    painter.setPen(rule);
    painter.drawLine(foot.topLeft(), foot.topRight());
    painter.setPen(QColor(0x44, 0x44, 0x44));
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, ProgramTitle());
    painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom,
                     ReadingText::tr("page %1 of %2").arg(number).arg(count));
    painter.restore();
}

QString documentTitle(const BirthRecord& birth) {
    const QString name = QString::fromStdString(birth.Name).trimmed();
    const QString title = ReadingText::tr("Bhava Chart Reading");
    return name.isEmpty()
               ? title
               : ReadingText::tr("%1: %2, born %3").arg(title, name, BirthDateText(birth));
}

// Where a block stands: the page it begins on and how far down.
struct Placement {
    int page = 0;
    qreal top = 0;
};

} // namespace

Paper PaperForLocale(const QLocale& locale) {
    static constexpr std::array kLetterTerritories = {
        QLocale::UnitedStates, QLocale::Canada,           QLocale::PuertoRico, QLocale::Mexico,
        QLocale::Chile,        QLocale::Colombia,         QLocale::CostaRica,  QLocale::Guatemala,
        QLocale::Nicaragua,    QLocale::Panama,           QLocale::ElSalvador, QLocale::Venezuela,
        QLocale::Philippines,  QLocale::DominicanRepublic};
    const QLocale::Territory territory = locale.territory();
    return std::find(kLetterTerritories.begin(), kLetterTerritories.end(), territory) !=
                   kLetterTerritories.end()
               ? Paper::Letter
               : Paper::A4;
}

QPageSize PageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

QString BirthDateText(const BirthRecord& birth) {
    const QString month = birth.Month >= 1 && birth.Month <= 12
                              ? LocaleOf(InstalledLanguage()).monthName(birth.Month)
                              : QString::number(birth.Month);
    return QStringLiteral("%1 %2 %3").arg(birth.Day).arg(month).arg(birth.Year);
}

QString BirthTimeText(const BirthRecord& birth) {
    return QStringLiteral("%1:%2").arg(birth.Hour).arg(birth.Minute, 2, 10, QLatin1Char('0'));
}

QString LatitudeText(const BirthRecord& birth) {
    return QStringLiteral("%1° %2' %3")
        .arg(birth.LatD)
        .arg(birth.LatM)
        .arg(birth.LatSouth ? QLatin1Char('S') : QLatin1Char('N'));
}

QString LongitudeText(const BirthRecord& birth) {
    return QStringLiteral("%1° %2' %3")
        .arg(birth.LonD)
        .arg(birth.LonM)
        .arg(birth.LonEast ? QLatin1Char('E') : QLatin1Char('W'));
}

QString UtcOffsetText(const BirthRecord& birth) {
    QString text = QString::fromStdString(OffsetText(ZoneOffsetMinutes(birth), OffsetStyle::Utc));
    if (birth.DST) {
        text += QStringLiteral(" (zone %1:%2 and one hour of daylight saving)")
                    .arg(birth.ZoneHour)
                    .arg(birth.ZoneMinute, 2, 10, QLatin1Char('0'));
    }
    return text;
}

QString PlaceText(const BirthRecord& birth) {
    QStringList parts;
    for (const std::string* part : {&birth.City, &birth.State, &birth.Country}) {
        const QString text = QString::fromStdString(*part).trimmed();
        if (!text.isEmpty()) {
            parts << text;
        }
    }
    return parts.join(u", ");
}

QString ReadingFileBaseName(const BirthRecord& birth) {
    QString name;
    for (const QChar c : QString::fromStdString(birth.Name)) {
        if (c.isSpace()) {
            name += u' ';
        } else if (c.category() != QChar::Other_Control &&
                   !QStringView(u"\\/:*?\"<>|").contains(c)) {
            name += c;
        }
    }
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    name.replace(blanks, QStringLiteral(" "));
    while (!name.isEmpty() && (name.front() == u'.' || name.front() == u' ')) {
        name.remove(0, 1);
    }
    while (!name.isEmpty() && (name.back() == u'.' || name.back() == u' ')) {
        name.chop(1);
    }
    constexpr qsizetype kLongestName = 80;
    name = name.left(kLongestName).trimmed();
    if (name.isEmpty()) {
        name = QStringLiteral("Reading");
    }
    return QStringLiteral("%1 %2-%3-%4")
        .arg(name)
        .arg(birth.Year, 4, 10, QLatin1Char('0'))
        .arg(birth.Month, 2, 10, QLatin1Char('0'))
        .arg(birth.Day, 2, 10, QLatin1Char('0'));
}

int PaintReadingDocument(QPagedPaintDevice& device, const ReadingDocument& reading) {
    const qreal dpi = device.logicalDpiY();
    const qreal millimetre = dpi / 25.4;
    const QRectF page(0, 0, device.width(), device.height());
    QFont footFont = documentFont();
    footFont.setPointSizeF(kFootPoints);
    const qreal footHeight = QFontMetricsF(footFont, &device).height() * 2;
    const QSizeF body(page.width(), page.height() - footHeight);

    std::vector<Block> blocks;
    const qreal chartSide = std::min(kChartMillimetres * millimetre, body.width() * 0.48);
    blocks.push_back(makeBlock(device, firstPageHtml(reading.reading), body,
                               std::make_unique<ChartTextObject>(reading, chartSide)));
    // The divisional charts and the dasha, each on a page of its own.
    blocks.push_back(makeBlock(device, VargaPageHtml(reading.reading), body,
                               std::make_unique<ChartTextObject>(reading, chartSide)));
    blocks.back().newPage = true;
    if (const std::optional<DashaTable> dasha = DashaTableOf(reading.reading)) {
        blocks.push_back(makeBlock(device, DashaPageHtml(*dasha), body, nullptr));
        blocks.back().newPage = true;
    }
    const std::size_t interpretations = blocks.size();
    for (int index = 0; index < kHouseCount; ++index) {
        blocks.push_back(makeBlock(device, houseHtml(reading.reading, index), body, nullptr));
    }
    // The interpretations begin on a page of their own.
    blocks.at(interpretations).newPage = true;

    // Where each block goes: on the current page when it fits there, else at
    // the top of the next; a block taller than a page takes pages of its own.
    std::vector<Placement> placements;
    int pageIndex = 0;
    qreal top = 0;
    const qreal gap = 4 * millimetre;
    for (const Block& block : blocks) {
        qreal at = top > 0 ? top + gap : 0;
        if (top > 0 && (block.newPage || at + block.height > body.height())) {
            ++pageIndex;
            at = 0;
        }
        placements.push_back({pageIndex, at});
        if (block.pages > 1) {
            pageIndex += block.pages - 1;
            top = body.height(); // the next block begins on a new page
        } else {
            top = at + block.height;
        }
    }
    const int pageCount = pageIndex + 1;

    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing, true);
    int drawnPage = 0;
    const auto toPage = [&](int target) {
        while (drawnPage < target) {
            drawFoot(painter, page, footHeight, drawnPage + 1, pageCount);
            device.newPage();
            ++drawnPage;
        }
    };
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& block = blocks[i];
        const Placement& at = placements[i];
        for (int part = 0; part < block.pages; ++part) {
            toPage(at.page + part);
            const qreal partTop = part * body.height();
            const qreal partHeight = block.pages > 1 ? body.height() : block.height;
            painter.save();
            painter.translate(0, at.top - partTop);
            block.text->drawContents(&painter, QRectF(0, partTop, body.width(), partHeight));
            painter.restore();
        }
    }
    toPage(pageCount - 1);
    drawFoot(painter, page, footHeight, pageCount, pageCount);
    painter.end();
    return pageCount;
}

DocumentSaveResult WriteReadingPdf(const QString& path, const ReadingDocument& reading,
                                   Paper paper) {
    DocumentSaveResult result;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(documentTitle(reading.reading.birth));
        writer.setCreator(ProgramTitle());
        writer.setPageLayout(QPageLayout(PageSizeOf(paper), QPageLayout::Portrait,
                                         QMarginsF(kMarginMillimetres, kMarginMillimetres,
                                                   kMarginMillimetres, kMarginMillimetres),
                                         QPageLayout::Millimeter));
        result.pages = PaintReadingDocument(writer, reading);
    }
    result.error = SaveFileBytes(path, bytes);
    result.saved = result.error.isEmpty();
    return result;
}
