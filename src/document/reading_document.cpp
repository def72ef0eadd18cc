#include "document/reading_document.h"

#include "document/chart_text_object.h"
#include "document/program_title.h"
#include "engine/mod_bhava.h"
#include "engine/offset_text.h"
#include "files/save_file.h"
#include "reading/mod_bhava_chart.h"
#include "reading/reading_rows.h"

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

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

QString esc(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// A sensitivity: "over 240" beyond the limit, in bold when close.
QString minutesCell(const SensitivityCell& cell) {
    if (cell.beyondLimit()) {
        return QStringLiteral("<td align=\"right\">over %1</td>").arg(kMaxSensitivityMinutes);
    }
    const QString number = QString::number(*cell.minutes);
    if (cell.close) {
        return QStringLiteral("<td align=\"right\"><b>%1</b></td>").arg(number);
    }
    return QStringLiteral("<td align=\"right\">%1</td>").arg(number);
}

QString row(const QString& caption, const QString& value) {
    return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(esc(caption), esc(value));
}

const char* const kTableStyle = "border-collapse: collapse; border-color: #999999";
// Angle texts stay on one line.
const char* const kNoWrap = "style=\"white-space: nowrap\"";

// The table of the houses' mid-points and junctions.
QString houseTableHtml(const BhavaResult& houses) {
    QString houseTable = QStringLiteral("<p style=\"font-size: 11pt\"><b>Houses</b></p>"
                                        "<table border=\"1\" cellpadding=\"3\" style=\"%1\">"
                                        "<tr><th %2>House</th><th>Bhava Madhya</th>"
                                        "<th>Bhava Sandhi</th></tr>")
                             .arg(QLatin1StringView(kTableStyle), QLatin1StringView(kNoWrap));
    for (std::size_t i = 0; i < houses.BhavaMadhyaText.size(); ++i) {
        houseTable +=
            QStringLiteral("<tr><td align=\"center\">%1</td><td %4>%2</td><td %4>%3</td></tr>")
                .arg(i + 1)
                .arg(esc(houses.BhavaMadhyaText.at(i)), esc(houses.BhavaSandhiText.at(i)),
                     QLatin1StringView(kNoWrap));
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
        planetTable = QStringLiteral("<p style=\"font-size: 11pt\"><b>Planets in Bhavas</b></p>"
                                     "<table border=\"1\" cellpadding=\"3\" style=\"%1\">"
                                     "<tr><th>Planet</th><th>Position</th><th>Bhava</th>"
                                     "<th>Minutes earlier</th><th>Minutes later</th></tr>")
                          .arg(QLatin1StringView(kTableStyle));
        for (const PlanetRow& planet : planets) {
            if (planet.ascendant) {
                planetTable += QStringLiteral("<tr><td colspan=\"3\">Ascendant changes sign</td>") +
                               minutesCell(planet.earlier) + minutesCell(planet.later) +
                               QStringLiteral("</tr>");
                continue;
            }
            const QString retrograde = planet.retrograde ? QStringLiteral(" (R)") : QString();
            planetTable += QStringLiteral("<tr><td %4>%1%2</td><td %4>%3</td>"
                                          "<td align=\"center\">%5</td>")
                               .arg(esc(planet.name), retrograde, esc(planet.position),
                                    QLatin1StringView(kNoWrap))
                               .arg(planet.bhava);
            planetTable +=
                minutesCell(planet.earlier) + minutesCell(planet.later) + QStringLiteral("</tr>");
        }
        planetTable += QStringLiteral("</table>");
        planetTable +=
            QStringLiteral("<p style=\"font-size: 8pt\">(R) retrograde. Minutes earlier and "
                           "later: how far the birth time may be wrong before the planet stands "
                           "in another Bhava (or the ascendant in another sign); %1 minutes or "
                           "fewer in bold.</p>")
                .arg(kCloseSensitivityMinutes);
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
    html += QStringLiteral(
        "<p style=\"font-size: 12pt; margin-top: 0; margin-bottom: 8px\">Bhava Chart Reading</p>");

    // The birth and the figures on the left, the chart on the right.
    QString details = QStringLiteral("<table cellpadding=\"2\">");
    details += row(QStringLiteral("Date of birth"), BirthDateText(birth));
    details += row(QStringLiteral("Time of birth"), BirthTimeText(birth));
    const QString place = PlaceText(birth);
    details += row(QStringLiteral("Place"), place.isEmpty() ? QStringLiteral("not given") : place);
    details += row(QStringLiteral("Latitude"), LatitudeText(birth));
    details += row(QStringLiteral("Longitude"), LongitudeText(birth));
    details += row(QStringLiteral("Offset used"), UtcOffsetText(birth));
    details += QStringLiteral("<tr><td colspan=\"2\"></td></tr>");
    details += row(QStringLiteral("Julian Day"), QString::fromStdString(figures.julianDay));
    details += row(QStringLiteral("Ayanamsa"), QString::fromStdString(figures.ayanamsa));
    details += row(QStringLiteral("Ascendant"), QString::fromStdString(figures.ascendant));
    details += row(QStringLiteral("Midheaven"), QString::fromStdString(figures.midheaven));
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
        html += QStringLiteral("<p style=\"font-size: 11pt\"><b>Warnings</b></p><ul>");
        for (const std::string& warning : warnings) {
            html += QStringLiteral("<li>%1</li>").arg(esc(warning));
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
                               "<b>Interpretation of Houses</b></p>");
    }
    html += QStringLiteral("<p style=\"font-size: 12pt; margin-top: 10px\"><b>House %1: %2</b></p>")
                .arg(index + 1)
                .arg(esc(profile.HouseName.trimmed()));
    html += QStringLiteral("<table cellpadding=\"1\">");
    html += row(QStringLiteral("Sanskrit Name"), profile.SanskritName);
    html += row(QStringLiteral("Planet Ruler"), profile.PlanetRuler);
    html += row(QStringLiteral("Sign Ruler"), profile.SignRuler);
    html += row(QStringLiteral("Keywords"), profile.Keywords);
    html += row(QStringLiteral("Mantra"), profile.Mantra);
    html += row(QStringLiteral("Type"), profile.HouseType);
    html += row(QStringLiteral("Quality"), profile.Quality);
    html += row(QStringLiteral("Element"), profile.Element);
    QString inChart = QStringLiteral("Bhava Madhya %1, Bhava Sandhi %2")
                          .arg(QString::fromStdString(reading.houses.BhavaMadhyaText.at(slot)),
                               QString::fromStdString(reading.houses.BhavaSandhiText.at(slot)));
    const std::vector<PlanetRow> planets = PlanetRows(reading);
    if (!planets.empty()) {
        QStringList bodies;
        for (const PlanetRow& planet : planets) {
            if (!planet.ascendant && planet.bhava == index + 1) {
                bodies << QString::fromStdString(planet.name) +
                              (planet.retrograde ? QStringLiteral(" (R)") : QString());
            }
        }
        inChart += QStringLiteral("; planets: %1")
                       .arg(bodies.isEmpty() ? QStringLiteral("none") : bodies.join(u", "));
    }
    html += row(QStringLiteral("In this chart"), inChart);
    html += QStringLiteral("</table>");
    html += QStringLiteral("<p style=\"margin-top: 4px\">%1</p>").arg(esc(profile.Description));
    return html;
}

// The Rasi and Navamsa charts side by side, and each body's nakshatra with
// its pada, its lord and its signs in both charts.
QString vargaPageHtml(const Reading& reading) {
    const std::vector<VargaRow> vargas = VargaRows(reading);
    const VargaRow& rasi = vargas.at(kRasiIndex);
    const VargaRow& navamsa = vargas.at(kNavamsaIndex);
    QString html = QStringLiteral("<p style=\"font-size: 15pt; margin-bottom: 6px\">"
                                  "<b>Rasi and Navamsa</b></p>");
    html +=
        QStringLiteral(
            "<table width=\"100%\"><tr>"
            "<td align=\"center\"><b>%1</b><br><a name=\"kelvaro-chart\">@@varga0@@</a><br>%3</td>"
            "<td align=\"center\"><b>%2</b><br><a name=\"kelvaro-chart\">@@varga5@@</a><br>%4</td>"
            "</tr></table>")
            .arg(esc(rasi.title), esc(navamsa.title), esc(rasi.windowText),
                 esc(navamsa.windowText));
    const std::vector<PlanetRow> planets = PlanetRows(reading);
    if (planets.empty()) {
        return html;
    }
    html += QStringLiteral("<p style=\"font-size: 11pt\"><b>Nakshatras</b></p>"
                           "<table border=\"1\" cellpadding=\"3\" style=\"%1\">"
                           "<tr><th>Planet</th><th>Nakshatra</th><th>Pada</th><th>Lord</th>"
                           "<th>Rasi</th><th>Navamsa</th></tr>")
                .arg(QLatin1StringView(kTableStyle));
    for (std::size_t i = 0; i < planets.size(); ++i) {
        const PlanetRow& planet = planets[i];
        std::string navamsaSign = navamsa.ascendantSign;
        if (!planet.ascendant) {
            navamsaSign = i < navamsa.bodySigns.size() ? navamsa.bodySigns[i] : std::string();
        }
        html += QStringLiteral("<tr><td>%1</td><td>%2 (%3)</td><td align=\"center\">%4</td>"
                               "<td>%5</td><td>%6</td><td>%7</td></tr>")
                    .arg(esc(planet.name), esc(planet.nakshatra))
                    .arg(planet.nakshatraNumber)
                    .arg(planet.pada)
                    .arg(esc(planet.nakshatraLord), esc(planet.signName), esc(navamsaSign));
    }
    html += QStringLiteral("</table>");
    return html;
}

// The Maha dashas, each with its nine Antar dashas three to a row, and how
// the dates follow the birth time.
QString dashaPageHtml(const DashaTable& dasha) {
    QString html = QStringLiteral("<p style=\"font-size: 15pt; margin-bottom: 6px\">"
                                  "<b>Vimshottari dasha</b></p><table cellpadding=\"1\">");
    html += row(QStringLiteral("Balance at birth"), QString::fromStdString(dasha.balanceText));
    html += row(QStringLiteral("Dasha year"), QString::fromStdString(dasha.yearText));
    html += QStringLiteral("</table><p style=\"margin-top: 4px\">%1.</p>")
                .arg(esc(dasha.sensitivityText));
    html += QStringLiteral("<table border=\"1\" cellpadding=\"2\" style=\"%1\">"
                           "<tr><th>Maha dasha</th><th colspan=\"3\">Antar dashas, each from "
                           "its date to the next</th></tr>")
                .arg(QLatin1StringView(kTableStyle));
    constexpr std::size_t kAcross = 3;
    for (const DashaTable::Maha& maha : dasha.maha) {
        for (std::size_t a = 0; a < maha.antar.size(); ++a) {
            if (a % kAcross == 0) {
                html += QStringLiteral("<tr>");
            }
            if (a == 0) {
                html += QStringLiteral("<td rowspan=\"%1\" %2><b>%3</b><br>%4<br>to %5</td>")
                            .arg((maha.antar.size() + kAcross - 1) / kAcross)
                            .arg(QLatin1StringView(kNoWrap), esc(maha.period.lord),
                                 esc(maha.period.startDate), esc(maha.period.endDate));
            }
            html += QStringLiteral("<td %1>%2 %3</td>")
                        .arg(QLatin1StringView(kNoWrap), esc(maha.antar[a].lord),
                             esc(maha.antar[a].startDate));
            if (a % kAcross == kAcross - 1) {
                html += QStringLiteral("</tr>");
            }
        }
    }
    html += QStringLiteral("</table>");
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

QFont bodyFont() {
    QFont font(kFontFamily);
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
                     QStringLiteral("page %1 of %2").arg(number).arg(count));
    painter.restore();
}

QString documentTitle(const BirthRecord& birth) {
    const QString name = QString::fromStdString(birth.Name).trimmed();
    const QString title = QStringLiteral("Bhava Chart Reading");
    return name.isEmpty()
               ? title
               : QStringLiteral("%1: %2, born %3").arg(title, name, BirthDateText(birth));
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
                              ? QLocale(QLocale::English).monthName(birth.Month)
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
    QFont footFont(kFontFamily);
    footFont.setPointSizeF(kFootPoints);
    const qreal footHeight = QFontMetricsF(footFont, &device).height() * 2;
    const QSizeF body(page.width(), page.height() - footHeight);

    std::vector<Block> blocks;
    const qreal chartSide = std::min(kChartMillimetres * millimetre, body.width() * 0.48);
    blocks.push_back(makeBlock(device, firstPageHtml(reading.reading), body,
                               std::make_unique<ChartTextObject>(reading, chartSide)));
    // The divisional charts and the dasha, each on a page of its own.
    blocks.push_back(makeBlock(device, vargaPageHtml(reading.reading), body,
                               std::make_unique<ChartTextObject>(reading, chartSide)));
    blocks.back().newPage = true;
    if (const std::optional<DashaTable> dasha = DashaTableOf(reading.reading)) {
        blocks.push_back(makeBlock(device, dashaPageHtml(*dasha), body, nullptr));
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
