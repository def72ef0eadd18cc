#include "document/reading_html.h"
#include "translation/reading_texts.h"
#include "translation/table_texts.h"
#include "translation/translator.h"

#include <QLatin1StringView>

#include <cstddef>
#include <vector>

namespace {

// The Rasi and Navamsa charts among kVargas.
constexpr std::size_t kRasiIndex = 0;
constexpr std::size_t kNavamsaIndex = 5;

} // namespace

QString DashaBalanceText(const DashaTable& table) {
    const char* const english =
        QT_TRANSLATE_NOOP("ReadingDocument", "%1: %2 years, %3 months, %4 days");
    const QString pattern = QCoreApplication::translate("ReadingDocument", english);
    // Without a catalogue the reading's own text, "1 year" and all.
    if (pattern == QLatin1String(english)) {
        return QString::fromStdString(table.balanceText);
    }
    return pattern.arg(PlanetText(table.lordAtBirth))
        .arg(table.balance.Years)
        .arg(table.balance.Months)
        .arg(table.balance.Days);
}

// The Rasi and Navamsa charts side by side, and each body's nakshatra with
// its pada, its lord and its signs in both charts.
QString VargaPageHtml(const Reading& reading) {
    const std::vector<VargaRow> vargas = VargaRows(reading);
    const VargaRow& rasi = vargas.at(kRasiIndex);
    const VargaRow& navamsa = vargas.at(kNavamsaIndex);
    QString html = QStringLiteral("<p style=\"font-size: 15pt; margin-bottom: 6px\">"
                                  "<b>%1</b></p>")
                       .arg(ReadingText::tr("Rasi and Navamsa"));
    html +=
        QStringLiteral(
            "<table width=\"100%\"><tr>"
            "<td align=\"center\"><b>%1</b><br><a name=\"kelvaro-chart\">@@varga0@@</a><br>%3</td>"
            "<td align=\"center\"><b>%2</b><br><a name=\"kelvaro-chart\">@@varga5@@</a><br>%4</td>"
            "</tr></table>")
            .arg(esc(VargaTitleText(rasi.title)), esc(VargaTitleText(navamsa.title)),
                 esc(WindowText(rasi)), esc(WindowText(navamsa)));
    const std::vector<PlanetRow> planets = PlanetRows(reading);
    if (planets.empty()) {
        return html;
    }
    html +=
        QStringLiteral("<p style=\"font-size: 11pt\"><b>%2</b></p>"
                       "<table border=\"1\" cellpadding=\"3\" style=\"%1\">"
                       "<tr><th>%3</th><th>%4</th><th>%5</th><th>%6</th>"
                       "<th>%7</th><th>%8</th></tr>")
            .arg(QLatin1StringView(kTableStyle), ReadingText::tr("Nakshatras"),
                 ReadingText::tr("Planet"), ReadingText::tr("Nakshatra"), ReadingText::tr("Pada"),
                 ReadingText::tr("Lord"), VargaText("Rasi"), VargaText("Navamsa"));
    for (std::size_t i = 0; i < planets.size(); ++i) {
        const PlanetRow& planet = planets[i];
        std::string navamsaSign = navamsa.ascendantSign;
        if (!planet.ascendant) {
            navamsaSign = i < navamsa.bodySigns.size() ? navamsa.bodySigns[i] : std::string();
        }
        html += QStringLiteral("<tr><td>%1</td><td>%2 (%3)</td><td align=\"center\">%4</td>"
                               "<td>%5</td><td>%6</td><td>%7</td></tr>")
                    .arg(esc(PlanetText(planet.name)), esc(NakshatraText(planet.nakshatra)))
                    .arg(planet.nakshatraNumber)
                    .arg(planet.pada)
                    .arg(esc(PlanetText(planet.nakshatraLord)), esc(SignText(planet.signName)),
                         esc(SignText(navamsaSign)));
    }
    html += QStringLiteral("</table>");
    return html;
}

// The Maha dashas, each with its nine Antar dashas three to a row, and how
// the dates follow the birth time.
QString DashaPageHtml(const DashaTable& dasha) {
    QString html = QStringLiteral("<p style=\"font-size: 15pt; margin-bottom: 6px\">"
                                  "<b>%1</b></p><table cellpadding=\"1\">")
                       .arg(ReadingText::tr("Vimshottari dasha"));
    html += row(ReadingText::tr("Balance at birth"), DashaBalanceText(dasha));
    html += row(ReadingText::tr("Dasha year"), TableText("DashaYears", dasha.yearText));
    html += QStringLiteral("</table><p style=\"margin-top: 4px\">%1.</p>")
                .arg(esc(DashaSensitivityText(dasha)));
    html += QStringLiteral("<table border=\"1\" cellpadding=\"2\" style=\"%1\">"
                           "<tr><th>%2</th><th colspan=\"3\">%3</th></tr>")
                .arg(QLatin1StringView(kTableStyle), ReadingText::tr("Maha dasha"),
                     ReadingText::tr("Antar dashas, each from its date to the next"));
    constexpr std::size_t kAcross = 3;
    for (const DashaTable::Maha& maha : dasha.maha) {
        for (std::size_t a = 0; a < maha.antar.size(); ++a) {
            if (a % kAcross == 0) {
                html += QStringLiteral("<tr>");
            }
            if (a == 0) {
                html += QStringLiteral("<td rowspan=\"%1\" %2><b>%3</b><br>%4<br>%5</td>")
                            .arg((maha.antar.size() + kAcross - 1) / kAcross)
                            .arg(QLatin1StringView(kNoWrap), esc(PlanetText(maha.period.lord)),
                                 esc(maha.period.startDate),
                                 ReadingText::tr("to %1").arg(esc(maha.period.endDate)));
            }
            html += QStringLiteral("<td %1>%2 %3</td>")
                        .arg(QLatin1StringView(kNoWrap), esc(PlanetText(maha.antar[a].lord)),
                             esc(maha.antar[a].startDate));
            if (a % kAcross == kAcross - 1) {
                html += QStringLiteral("</tr>");
            }
        }
    }
    html += QStringLiteral("</table>");
    return html;
}
