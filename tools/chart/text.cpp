#include "tools/chart/text.h"

#include "planets/mod_planets.h"
#include "reading/reading_rows.h"

#include <QLatin1Char>

#include <cstddef>
#include <string>

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
    const TextColumns columns{{12, 20, 13, 7, 10}};
    QString text =
        columns.line({QStringLiteral("Planet"), QStringLiteral("Position"), QStringLiteral("Sign"),
                      QStringLiteral("Bhava"), QStringLiteral("Earlier"), QStringLiteral("Later")});
    for (const PlanetRow& p : rows) {
        text += columns.line({cell(p.name) + (p.retrograde ? QStringLiteral(" (R)") : QString()),
                              cell(p.position), cell(p.signName), QString::number(p.bhava),
                              minutesCell(p.earlier), minutesCell(p.later)});
    }
    return text + QStringLiteral("\n"
                                 "Earlier, Later: the minutes of birth time that put the planet "
                                 "in another Bhava,\n"
                                 "the ascendant in another sign; * within 15 minutes. (R) "
                                 "retrograde.\n");
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
            QLatin1Char('\n') + planetsText(reading);
    return text;
}
