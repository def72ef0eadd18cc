#include "tools/chart/text.h"

#include "engine/mod_bhava.h"
#include "planets/mod_planets.h"
#include "reading/reading_rows.h"

#include <QLatin1Char>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

QString cell(const std::string& text) {
    return QString::fromStdString(text);
}

// The Julian day and ayanamsa, then the ascendant and midheaven.
QString figuresText(const Reading& reading) {
    const ReadingFigures figures = FiguresOf(reading);
    const TextColumns columns{{20}};
    return columns.line({QStringLiteral("Julian Day"), QStringLiteral("Ayanamsa")}) +
           columns.line({cell(figures.julianDay), cell(figures.ayanamsa)}) + QLatin1Char('\n') +
           columns.line({QStringLiteral("Ascendant"), QStringLiteral("Midheaven")}) +
           columns.line({cell(figures.ascendant), cell(figures.midheaven)});
}

// Each house's mid-point and its junction with the next.
QString housesText(const Reading& reading) {
    const BhavaResult& houses = reading.houses;
    const TextColumns columns{{8, 20}};
    QString text = columns.line(
        {QStringLiteral("House"), QStringLiteral("Bhava Madhya"), QStringLiteral("Bhava Sandhi")});
    for (std::size_t i = 0; i < houses.BhavaMadhyaText.size(); ++i) {
        text += columns.line({QString::number(i + 1), cell(houses.BhavaMadhyaText[i]),
                              cell(houses.BhavaSandhiText[i])});
    }
    return text;
}

// What the reader must know besides the figures, a paragraph each.
QString notesText(const Reading& reading) {
    QString text;
    for (const std::string& warning : reading.warnings()) {
        text += QStringLiteral("\nNote: ") + cell(warning) + QLatin1Char('\n');
    }
    return text;
}

// A sensitivity as the tables write it: the minutes, a star when close, and
// "> 240" beyond four hours.
QString minutesCell(const SensitivityCell& minutes) {
    if (minutes.beyondLimit()) {
        return QStringLiteral("> %1").arg(kMaxSensitivityMinutes);
    }
    return minutes.close ? QStringLiteral("%1 *").arg(*minutes.minutes)
                         : QString::number(*minutes.minutes);
}

// The nine bodies and the ascendant in the houses, with the minutes of birth
// time that move each; without planets, why there are none.
QString planetsText(const Reading& reading) {
    const std::vector<PlanetRow> rows = PlanetRows(reading);
    if (rows.empty()) {
        return cell(reading.planets.Error) + QLatin1Char('\n');
    }
    const TextColumns columns{{12, 20, 13, 7, 10, 8, 19, 6}};
    QString text =
        columns.line({QStringLiteral("Planet"), QStringLiteral("Position"), QStringLiteral("Sign"),
                      QStringLiteral("Bhava"), QStringLiteral("Earlier"), QStringLiteral("Later"),
                      QStringLiteral("Nakshatra"), QStringLiteral("Pada"), QStringLiteral("Lord")});
    for (const PlanetRow& p : rows) {
        text += columns.line({cell(p.name) + (p.retrograde ? QStringLiteral(" (R)") : QString()),
                              cell(p.position), cell(p.signName), QString::number(p.bhava),
                              minutesCell(p.earlier), minutesCell(p.later), cell(p.nakshatra),
                              QString::number(p.pada), cell(p.nakshatraLord)});
    }
    return text + QStringLiteral("\n"
                                 "Earlier, Later: the minutes of birth time that put the planet "
                                 "in another Bhava,\n"
                                 "the ascendant in another sign; * within 15 minutes. (R) "
                                 "retrograde.\n");
}

// "Leo" as the tables abbreviate it: "Leo", "Sco".
QString signCell(int sign) {
    if (sign < 1 || sign > 12) {
        return QStringLiteral("-");
    }
    const std::string_view abbreviations = SignAbbreviations;
    const std::string_view name = abbreviations.substr(static_cast<std::size_t>(sign - 1) * 3, 3);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The sixteen divisional charts: the ascendant's sign and each body's, and
// the clock times between which the chart's ascendant keeps its sign.
QString vargasText(const Reading& reading) {
    const std::vector<VargaRow> rows = VargaRows(reading);
    const std::vector<PlanetRow> planets = PlanetRows(reading);
    std::vector<int> widths{20, 5};
    QStringList heading{QStringLiteral("Chart"), QStringLiteral("Asc")};
    const bool withBodies = !planets.empty();
    if (withBodies) {
        for (std::size_t b = 0; b + 1 < planets.size(); ++b) {
            widths.push_back(5);
            heading.push_back(cell(planets[b].name).left(4));
        }
    }
    heading.push_back(QStringLiteral("Window of the ascendant's sign"));
    const auto line = [&widths](const QStringList& cells) {
        QString text;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            text += c + 1 == cells.size()
                        ? cells[c]
                        : cells[c].leftJustified(widths.at(static_cast<std::size_t>(c)));
        }
        return text + QLatin1Char('\n');
    };
    QString text = line(heading);
    for (const VargaRow& row : rows) {
        QStringList cells{cell(row.label) + QLatin1Char(' ') + cell(row.name),
                          signCell(row.ascendant)};
        if (withBodies) {
            for (std::size_t b = 0; b + 1 < planets.size(); ++b) {
                cells.push_back(signCell(row.signs ? row.signs->at(b) : 0));
            }
        }
        cells.push_back(cell(row.windowText));
        text += line(cells);
    }
    return text;
}

// The Vimshottari dasha: the balance at birth, how the dates follow the birth
// time, and the Maha and Antar periods; without planets, nothing.
QString dashaText(const Reading& reading) {
    const std::optional<DashaTable> table = DashaTableOf(reading);
    if (!table) {
        return {};
    }
    QString text = QStringLiteral("\nVimshottari dasha (a year of %1 days)\n")
                       .arg(QString::number(table->yearDays, 'g', 10)) +
                   QStringLiteral("Balance at birth: ") + cell(table->balanceText) +
                   QLatin1Char('\n') + cell(table->sensitivityText) + QStringLiteral("\n\n");
    const TextColumns columns{{10, 10, 13}};
    text += columns.line({QStringLiteral("Maha"), QStringLiteral("Antar"), QStringLiteral("Start"),
                          QStringLiteral("End")});
    for (const DashaTable::Maha& maha : table->maha) {
        text += columns.line({cell(maha.period.lord), QString(), cell(maha.period.startDate),
                              cell(maha.period.endDate)});
        for (const DashaRow& antar : maha.antar) {
            text += columns.line(
                {QString(), cell(antar.lord), cell(antar.startDate), cell(antar.endDate)});
        }
    }
    return text;
}

} // namespace

QString TextColumns::line(std::initializer_list<QString> cells) const {
    QString text;
    std::size_t column = 0;
    for (const QString& c : cells) {
        const bool last = column + 1 == cells.size();
        text += last ? c : c.leftJustified(widths.at(column));
        ++column;
    }
    return text + QLatin1Char('\n');
}

QString readingText(const Reading& reading, const QString& placeLabel) {
    QString text;
    if (!placeLabel.isEmpty()) {
        text += TextColumns{{20}}.line({QStringLiteral("Place"), placeLabel}) + QLatin1Char('\n');
    }
    // The sections one after another, a blank line between them.
    text += figuresText(reading) + QLatin1Char('\n') + housesText(reading) + notesText(reading) +
            QLatin1Char('\n') + planetsText(reading) + QLatin1Char('\n') + vargasText(reading) +
            dashaText(reading);
    return text;
}
