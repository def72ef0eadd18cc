#include "tools/chart/usage.h"

#include "kelvaro_version.h"
#include "tools/chart/failure.h"
#include "tools/chart/options.h"

#include <QCommandLineParser>
#include <QLatin1StringView>

#include <ostream>

namespace {

QString usageLines() {
    return QStringLiteral(
        "Usage: kelvaro-chart --date YYYY-MM-DD --time HH:MM --zone H:MM\n"
        "                     --longitude DDD{E|W}MM --latitude DD{N|S}MM [--dst] [--json]\n"
        "       kelvaro-chart --place TEXT --date YYYY-MM-DD --time HH:MM [--json]\n"
        "       kelvaro-chart --places TEXT\n"
        "       kelvaro-chart [--json] FILE.kvr\n"
        "       kelvaro-chart BIRTH-OPTIONS|FILE.kvr [--pdf OUT.pdf] [--svg OUT.svg]\n"
        "                     [--png OUT.png] [--chart-style north|south] [--paper a4|letter]\n"
        "                     [--language en|hi|ta]\n"
        "       kelvaro-chart --batch < births.jsonl > readings.jsonl\n");
}

// What the program does, and what it takes besides the options.
QString helpIntroduction() {
    return QStringLiteral(
        "\n"
        "Computes the Bhava chart reading of a birth: the Julian day, the ayanamsa, the\n"
        "sidereal ascendant and midheaven, for each of the twelve houses its mid-point\n"
        "(Bhava Madhya) and its junction with the next house (Bhava Sandhi), and the\n"
        "planets in the houses with how many minutes of birth time move each one.\n"
        "\n"
        "Examples:\n"
        "  kelvaro-chart --date 2000-01-01 --time 12:00 --zone 5:30 --longitude 77E12 "
        "--latitude 28N36\n"
        "  kelvaro-chart --json reading.kvr\n"
        "  kelvaro-chart reading.kvr --pdf reading.pdf --chart-style south\n"
        "\n"
        "FILE.kvr is a reading saved by Kelvaro: its birth is read from the file and\n"
        "checked as the options are, and its reading printed as for the options.\n"
        "\n"
        "--pdf, --svg and --png write files instead of printing the reading; they need\n"
        "no display.\n"
        "\n");
}

// The JSON's keys, a batch line and the exit statuses.
QString helpDetails() {
    return QStringLiteral(
        "\n"
        "With --json or --batch a reading is one JSON object with the keys\n"
        "JulianDayValue, AyanamsaValue, Ascendant, Midheaven (numbers), AyanamsaText,\n"
        "AscendantText, MidheavenText (texts), CuspPoints (25 numbers), BhavaMadhyaText\n"
        "and BhavaSandhiText (12 texts each, house 1 first), Warnings (texts),\n"
        "UtcOffset (the offset used, \"+05:30\"), Birth (the birth used, with the keys\n"
        "of a --batch line) and, with --place, Place (Name, State, Country, Latitude,\n"
        "Longitude, TimeZone), then Planets, AscendantSignMinutesEarlier and\n"
        "AscendantSignMinutesLater. Planets lists the Sun, Moon, Mars, Mercury,\n"
        "Jupiter, Venus, Saturn, Rahu and Ketu, each as {Name, Longitude (sidereal\n"
        "degrees), LongitudeText, Retrograde, Sign (1-12, Aries 1), Bhava (1-12),\n"
        "MinutesEarlier, MinutesLater}: the fewest minutes of birth time, earlier and\n"
        "later, that put the planet in another Bhava (the ascendant in another sign),\n"
        "null beyond 240. Planets is null, with a line on standard error, when the\n"
        "Swiss Ephemeris files are missing. Each planet also has Nakshatra (its name),\n"
        "NakshatraNumber (1-27), Pada (1-4) and NakshatraLord.\n"
        "\n"
        "Julian Day (JulianDayValue) is the day number of the civil birth date, not\n"
        "the Julian date of the birth instant: every birth on 1 January 2000 has\n"
        "2451545, whatever its time and zone.\n"
        "\n"
        "After them come AscendantNakshatra, AscendantNakshatraNumber, AscendantPada,\n"
        "AscendantNakshatraLord; Vargas, the sixteen divisional charts D1 to D60, each\n"
        "{Division, Name, Ascendant (its sign 1-12), Signs (each planet's sign under\n"
        "its name; null without planets), AscendantSignMinutesEarlier,\n"
        "AscendantSignMinutesLater}; and Dasha, the Vimshottari dasha {System,\n"
        "YearDays, Balance {Lord, Years, Months, Days}, DaysPerBirthMinute (a later\n"
        "birth moves every date this many days; negative: earlier), Periods (nine\n"
        "{Lord, Start, End, Antar (nine {Lord, Start, End})}, the first running at\n"
        "birth)}, dates in the birth's offset to the minute; null without planets.\n"
        "\n"
        "A --batch input line holds one birth, for example:\n"
        "  {\"Month\": 1, \"Day\": 1, \"Year\": 2000, \"Hour\": 12, \"Minute\": 0, "
        "\"ZoneHour\": 5, \"ZoneMinute\": 30,\n"
        "   \"LonD\": 77, \"LonM\": 12, \"LonEast\": true, \"LatD\": 28, \"LatM\": 36, "
        "\"LatSouth\": false, \"DST\": false}\n"
        "Name, City, State and Country may be added as texts, ZoneAhead as true\n"
        "(ahead of universal time) or false (behind), and DashaYear as \"sidereal\",\n"
        "\"julian\" or \"savana\" (as --dasha-year). A line that cannot be\n"
        "used gives {\"line\": N, \"error\": \"...\"} in its place and the batch goes "
        "on.\n"
        "\n"
        "Exit status: 0 done; 1 the reading file, the place or some batch line could\n"
        "not be used, the local time did not exist at the place, a file could not be\n"
        "written or the planets could not be computed;\n"
        "2 wrong arguments, or two of --pdf, --svg and --png naming one file.\n");
}

} // namespace

QString chartUsageText() {
    return usageLines() +
           QStringLiteral("Run 'kelvaro-chart --help' for every option with an example.\n");
}

QString chartHelpText() {
    QCommandLineParser parser;
    addChartOptions(parser);
    QString options = parser.helpText();
    // Qt's text begins with a usage line named after however the program was
    // started; the one here is fixed.
    if (const auto at = options.indexOf(QLatin1StringView("Options:")); at >= 0) {
        options = options.mid(at);
    }
    return usageLines() + helpIntroduction() + options + helpDetails();
}

int runHelp(const ChartRequest& /*request*/, ChartStreams& streams) {
    writeText(streams.out, chartHelpText());
    return finishOutput(streams.out, streams.err, kChartDone);
}

int runVersion(const ChartRequest& /*request*/, ChartStreams& streams) {
    streams.out << "kelvaro-chart " << kKelvaroVersion << '\n';
    return finishOutput(streams.out, streams.err, kChartDone);
}
