#include "tools/chart/text.h"

#include "engine/mod_bhava.h"
#include "planets/mod_planets.h"
#include "reading/reading_rows.h"
#include "translation/reading_texts.h"
#include "translation/table_texts.h"
#include "translation/translator.h"

#include <QCoreApplication>
#include <QLatin1Char>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A caption of the text output in the language asked for.
QString shown(const char* english) {
    return QCoreApplication::translate("ChartText", english);
}

// A cell padded to its column's width. One as wide or wider runs on into the
// next, as the English tables always have; in Devanagari or Tamil, whose
// words may need more room than the English ones, it keeps a blank after it.
QString paddedCell(const QString& text, int width) {
    const bool otherScript =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
    return otherScript && text.size() >= width ? text + QLatin1Char(' ')
                                               : text.leftJustified(width);
}

QString cell(const std::string& text) {
    return QString::fromStdString(text);
}

// The Julian day and ayanamsa, then the ascendant and midheaven.
QString figuresText(const Reading& reading) {
    const ReadingFigures figures = FiguresOf(reading);
    const TextColumns columns{{20}};
    return columns.line({shown(QT_TRANSLATE_NOOP("ChartText", "Julian Day")),
                         shown(QT_TRANSLATE_NOOP("ChartText", "Ayanamsa"))}) +
           columns.line({cell(figures.julianDay), cell(figures.ayanamsa)}) + QLatin1Char('\n') +
           columns.line({shown(QT_TRANSLATE_NOOP("ChartText", "Ascendant")),
                         shown(QT_TRANSLATE_NOOP("ChartText", "Midheaven"))}) +
           columns.line({PositionText(figures.ascendant), PositionText(figures.midheaven)});
}

// Each house's mid-point and its junction with the next.
QString housesText(const Reading& reading) {
    const BhavaResult& houses = reading.houses;
    const TextColumns columns{{8, 20}};
    QString text = columns.line({shown(QT_TRANSLATE_NOOP("ChartText", "House")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Bhava Madhya")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Bhava Sandhi"))});
    for (std::size_t i = 0; i < houses.BhavaMadhyaText.size(); ++i) {
        text += columns.line({QString::number(i + 1), PositionText(houses.BhavaMadhyaText[i]),
                              PositionText(houses.BhavaSandhiText[i])});
    }
    return text;
}

// What the reader must know besides the figures, a paragraph each.
QString notesText(const Reading& reading) {
    QString text;
    for (const std::string& warning : reading.warnings()) {
        text += shown(QT_TRANSLATE_NOOP("ChartText", "\nNote: ")) + WarningText(warning) +
                QLatin1Char('\n');
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
    QString text = columns.line({shown(QT_TRANSLATE_NOOP("ChartText", "Planet")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Position")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Sign")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Bhava")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Earlier")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Later")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Nakshatra")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Pada")),
                                 shown(QT_TRANSLATE_NOOP("ChartText", "Lord"))});
    for (const PlanetRow& p : rows) {
        text +=
            columns.line({PlanetText(p.name) + (p.retrograde ? RetrogradeMark() : QString()),
                          PositionText(p.position), SignText(p.signName), QString::number(p.bhava),
                          minutesCell(p.earlier), minutesCell(p.later), NakshatraText(p.nakshatra),
                          QString::number(p.pada), PlanetText(p.nakshatraLord)});
    }
    return text + shown(QT_TRANSLATE_NOOP(
                      "ChartText", "\n"
                                   "Earlier, Later: the minutes of birth time that put the planet "
                                   "in another Bhava,\n"
                                   "the ascendant in another sign; * within 15 minutes. (R) "
                                   "retrograde.\n"));
}

// "Leo" as the tables abbreviate it: "Leo", "Sco".
QString signCell(int sign) {
    if (sign < 1 || sign > 12) {
        return QStringLiteral("-");
    }
    const std::string_view abbreviations = SignAbbreviations;
    const std::string_view name = abbreviations.substr(static_cast<std::size_t>(sign - 1) * 3, 3);
    return TableText("Signs",
                     QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

// The sixteen divisional charts: the ascendant's sign and each body's, and
// the clock times between which the chart's ascendant keeps its sign.
QString vargasText(const Reading& reading) {
    const std::vector<VargaRow> rows = VargaRows(reading);
    const std::vector<PlanetRow> planets = PlanetRows(reading);
    std::vector<int> widths{20, 5};
    QStringList heading{shown(QT_TRANSLATE_NOOP("ChartText", "Chart")),
                        shown(QT_TRANSLATE_NOOP("ChartText", "Asc"))};
    const bool withBodies = !planets.empty();
    if (withBodies) {
        for (std::size_t b = 0; b + 1 < planets.size(); ++b) {
            widths.push_back(5);
            heading.push_back(PlanetText(planets[b].name).left(4));
        }
    }
    heading.push_back(shown(QT_TRANSLATE_NOOP("ChartText", "Window of the ascendant's sign")));
    const auto line = [&widths](const QStringList& cells) {
        QString text;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            text += c + 1 == cells.size()
                        ? cells[c]
                        : paddedCell(cells[c], widths.at(static_cast<std::size_t>(c)));
        }
        return text + QLatin1Char('\n');
    };
    QString text = line(heading);
    for (const VargaRow& row : rows) {
        QStringList cells{cell(row.label) + QLatin1Char(' ') + VargaText(row.name),
                          signCell(row.ascendant)};
        if (withBodies) {
            for (std::size_t b = 0; b + 1 < planets.size(); ++b) {
                cells.push_back(signCell(row.signs ? row.signs->at(b) : 0));
            }
        }
        cells.push_back(WindowText(row));
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
    QString text =
        shown(QT_TRANSLATE_NOOP("ChartText", "\nVimshottari dasha (a year of %1 days)\n"))
            .arg(QString::number(table->yearDays, 'g', 10)) +
        shown(QT_TRANSLATE_NOOP("ChartText", "Balance at birth: ")) + cell(table->balanceText) +
        QLatin1Char('\n') + DashaSensitivityText(*table) + QStringLiteral("\n\n");
    const TextColumns columns{{10, 10, 13}};
    text += columns.line({shown(QT_TRANSLATE_NOOP("ChartText", "Maha")),
                          shown(QT_TRANSLATE_NOOP("ChartText", "Antar")),
                          shown(QT_TRANSLATE_NOOP("ChartText", "Start")),
                          shown(QT_TRANSLATE_NOOP("ChartText", "End"))});
    for (const DashaTable::Maha& maha : table->maha) {
        text += columns.line({PlanetText(maha.period.lord), QString(), cell(maha.period.startDate),
                              cell(maha.period.endDate)});
        for (const DashaRow& antar : maha.antar) {
            text += columns.line(
                {QString(), PlanetText(antar.lord), cell(antar.startDate), cell(antar.endDate)});
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
        text += last ? c : paddedCell(c, widths.at(column));
        ++column;
    }
    return text + QLatin1Char('\n');
}

QString readingText(const Reading& reading, const QString& placeLabel) {
    QString text;
    if (!placeLabel.isEmpty()) {
        text +=
            TextColumns{{20}}.line({shown(QT_TRANSLATE_NOOP("ChartText", "Place")), placeLabel}) +
            QLatin1Char('\n');
    }
    // The sections one after another, a blank line between them.
    text += figuresText(reading) + QLatin1Char('\n') + housesText(reading) + notesText(reading) +
            QLatin1Char('\n') + planetsText(reading) + QLatin1Char('\n') + vargasText(reading) +
            dashaText(reading);
    return text;
}
