#include "tools/reading_json.h"

#include "engine/mod_bhava.h"
#include "engine/offset_text.h"
#include "reading/reading_rows.h"
#include "vedic/civil_date.h"
#include "vedic/dasha.h"

#include <QByteArray>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace {

// rapidjson's writer, keeping the forms readers of this output already have:
// a number is the shortest decimal that reads back to the same double, as
// std::to_chars writes it (2451545, 1e-07), and null when it is not finite; a
// text escapes its quotes, backslashes and control characters, the last as
// \u00xx in lower case. Keys, numbers and texts are copied into the buffer
// whole rather than a character at a time.
class JsonWriter : public rapidjson::Writer<rapidjson::StringBuffer> {
public:
    using Writer::Writer;

    // A key of this program's own, which never needs an escape.
    void key(std::string_view name) { ownText(name); }
    // A text of this program's own (a date, a lord's name), which never needs
    // an escape either.
    void ownText(std::string_view name) {
        Prefix(rapidjson::kStringType);
        char* const at = os_->Push(name.size() + 2);
        at[0] = '"';
        std::memcpy(at + 1, name.data(), name.size());
        at[name.size() + 1] = '"';
        EndValue(true);
    }

    void text(std::string_view value) {
        Prefix(rapidjson::kStringType);
        writeQuoted(value);
        EndValue(true);
    }

    void texts(std::span<const std::string> values) {
        StartArray();
        for (const std::string& value : values) {
            text(value);
        }
        EndArray();
    }

    void number(double value) {
        if (std::isfinite(value)) {
            digits(value);
        } else {
            Null();
        }
    }

    void integer(long long value) { digits(value); }

    // A double with a whole value, without a fraction or an exponent.
    void wholeNumber(double value) {
        if (std::fabs(value) < 9.0e15) {
            digits(static_cast<long long>(value));
        } else {
            number(value);
        }
    }

    void minutes(const std::optional<int>& value) {
        if (value) {
            digits(static_cast<long long>(*value));
        } else {
            Null();
        }
    }

private:
    template <typename Number> void digits(Number value) {
        char text[32];
        const char* end = std::to_chars(std::begin(text), std::end(text), value).ptr;
        const auto size = static_cast<std::size_t>(end - text);
        Prefix(rapidjson::kNumberType);
        std::memcpy(os_->Push(size), text, size);
        EndValue(true);
    }

    // Takes room for the worst case, every byte a \u00xx, writes the text
    // into it through a plain pointer and gives back what was not used.
    void writeQuoted(std::string_view value) {
        static constexpr char kHex[] = "0123456789abcdef";
        const std::size_t room = 6 * value.size() + 2;
        char* const start = os_->Push(room);
        char* at = start;
        *at++ = '"';
        for (const char c : value) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte == '"' || byte == '\\') {
                *at++ = '\\';
                *at++ = c;
            } else if (byte < 0x20) {
                for (const char e : {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]}) {
                    *at++ = e;
                }
            } else {
                *at++ = c;
            }
        }
        *at++ = '"';
        os_->Pop(room - static_cast<std::size_t>(at - start));
    }
};

// Lets write fill one JSON value, then appends it to out. The buffer and the
// writer of each thread keep their room from one value to the next, so the
// usual reading costs no allocation.
template <typename Write> void appendWith(std::string& out, Write write) {
    thread_local rapidjson::StringBuffer buffer;
    thread_local JsonWriter writer;
    buffer.Clear();
    writer.Reset(buffer);
    write(writer);
    out.append(buffer.GetString(), buffer.GetSize());
}

// The houses: the figures, their texts, the cusps and the warnings.
void writeHouses(JsonWriter& w, const BhavaResult& r) {
    w.key("JulianDayValue");
    w.wholeNumber(r.JulianDayValue);
    w.key("AyanamsaValue");
    w.number(r.AyanamsaValue);
    w.key("Ascendant");
    w.number(r.Ascendant);
    w.key("Midheaven");
    w.number(r.Midheaven);
    w.key("AyanamsaText");
    w.text(r.AyanamsaText);
    w.key("AscendantText");
    w.text(r.AscendantText);
    w.key("MidheavenText");
    w.text(r.MidheavenText);
    w.key("CuspPoints");
    w.StartArray();
    for (const double point : r.CuspPoints) {
        w.number(point);
    }
    w.EndArray();
    w.key("BhavaMadhyaText");
    w.texts(r.BhavaMadhyaText);
    w.key("BhavaSandhiText");
    w.texts(r.BhavaSandhiText);
    w.key("Warnings");
    w.texts(r.Warnings);
}

// The birth record with a batch line's keys, in the record's order.
void writeBirth(JsonWriter& w, const BirthRecord& b) {
    w.StartObject();
    w.key("Name");
    w.text(b.Name);
    const std::pair<std::string_view, std::int16_t> numbers[] = {
        {"Month", b.Month},
        {"Day", b.Day},
        {"Year", b.Year},
        {"Hour", b.Hour},
        {"Minute", b.Minute},
        {"ZoneHour", b.ZoneHour},
        {"ZoneMinute", b.ZoneMinute},
        {"LonD", b.LonD},
        {"LonM", b.LonM},
        {"LatD", b.LatD},
        {"LatM", b.LatM},
    };
    for (const auto& [key, value] : numbers) {
        w.key(key);
        w.integer(value);
    }
    for (const auto& [key, value] :
         {std::pair{"LonEast", b.LonEast}, {"LatSouth", b.LatSouth}, {"DST", b.DST}}) {
        w.key(key);
        w.Bool(value);
    }
    for (const auto& [key, value] :
         {std::pair{"City", &b.City}, {"State", &b.State}, {"Country", &b.Country}}) {
        w.key(key);
        w.text(*value);
    }
    if (b.ZoneAhead) {
        w.key("ZoneAhead");
        w.Bool(*b.ZoneAhead);
    }
    w.EndObject();
}

// The place of the atlas the birth was resolved from.
void writePlace(JsonWriter& w, const ReadingPlace& place) {
    w.StartObject();
    w.key("Name");
    w.text(place.Name);
    w.key("State");
    w.text(place.State);
    w.key("Country");
    w.text(place.Country);
    w.key("Latitude");
    w.number(place.Latitude);
    w.key("Longitude");
    w.number(place.Longitude);
    w.key("TimeZone");
    w.text(place.TimeZone);
    w.EndObject();
}

void writePlanet(JsonWriter& w, const PlanetRow& p) {
    w.StartObject();
    w.key("Name");
    w.text(p.name);
    w.key("Longitude");
    w.number(p.longitude);
    w.key("LongitudeText");
    w.text(p.position);
    w.key("Retrograde");
    w.Bool(p.retrograde);
    w.key("Sign");
    w.integer(p.sign);
    w.key("Bhava");
    w.integer(p.bhava);
    w.key("MinutesEarlier");
    w.minutes(p.earlier.minutes);
    w.key("MinutesLater");
    w.minutes(p.later.minutes);
    w.key("Nakshatra");
    w.text(p.nakshatra);
    w.key("NakshatraNumber");
    w.integer(p.nakshatraNumber);
    w.key("Pada");
    w.integer(p.pada);
    w.key("NakshatraLord");
    w.text(p.nakshatraLord);
    w.EndObject();
}

// "Planets" (the nine bodies) and the ascendant's sign sensitivity, or null
// for all three when the planets could not be computed.
void writePlanets(JsonWriter& w, const std::vector<PlanetRow>& rows) {
    w.key("Planets");
    const PlanetRow* ascendant = nullptr;
    if (rows.empty()) {
        w.Null();
    } else {
        w.StartArray();
        for (const PlanetRow& row : rows) {
            if (row.ascendant) {
                ascendant = &row;
            } else {
                writePlanet(w, row);
            }
        }
        w.EndArray();
    }
    const SensitivityCell none;
    w.key("AscendantSignMinutesEarlier");
    w.minutes((ascendant != nullptr ? ascendant->earlier : none).minutes);
    w.key("AscendantSignMinutesLater");
    w.minutes((ascendant != nullptr ? ascendant->later : none).minutes);
}

// The ascendant's nakshatra, which needs no planets.
void writeAscendantNakshatra(JsonWriter& w, const NakshatraPlace& place) {
    w.key("AscendantNakshatra");
    w.text(place.Name);
    w.key("AscendantNakshatraNumber");
    w.integer(place.Number);
    w.key("AscendantPada");
    w.integer(place.Pada);
    w.key("AscendantNakshatraLord");
    w.text(place.LordName);
}

// The sixteen divisional charts: each body's sign under its name, as in
// "Planets", or null without planets.
void writeVargas(JsonWriter& w, const std::array<VargaChart, 16>& vargas,
                 const std::vector<PlanetRow>& planets) {
    w.key("Vargas");
    w.StartArray();
    for (const VargaChart& chart : vargas) {
        w.StartObject();
        w.key("Division");
        w.integer(chart.Division);
        w.key("Name");
        w.ownText(chart.Name);
        w.key("Ascendant");
        w.integer(chart.Ascendant);
        w.key("Signs");
        if (chart.Signs && planets.size() > chart.Signs->size()) {
            w.StartObject();
            for (std::size_t b = 0; b < chart.Signs->size(); ++b) {
                w.key(planets[b].name);
                w.integer((*chart.Signs)[b]);
            }
            w.EndObject();
        } else {
            w.Null();
        }
        w.key("AscendantSignMinutesEarlier");
        w.minutes(chart.AscendantSignMinutesEarlier);
        w.key("AscendantSignMinutesLater");
        w.minutes(chart.AscendantSignMinutesLater);
        w.EndObject();
    }
    w.EndArray();
}

// One period's lord and dates, in an object the caller closes.
void writeDashaPeriod(JsonWriter& w, const DashaPeriod& period, std::string_view start,
                      std::string_view end) {
    w.StartObject();
    w.key("Lord");
    w.ownText(kDashaLords.at(static_cast<std::size_t>(period.Lord)).Name);
    w.key("Start");
    w.ownText(start);
    w.key("End");
    w.ownText(end);
}

// The Vimshottari dasha, or null without planets.
void writeDasha(JsonWriter& w, const std::optional<VimshottariDasha>& dasha) {
    w.key("Dasha");
    if (!dasha) {
        w.Null();
        return;
    }
    w.StartObject();
    w.key("System");
    w.ownText("Vimshottari");
    w.key("YearDays");
    w.number(daysPerYear(dasha->Year));
    w.key("Balance");
    w.StartObject();
    w.key("Lord");
    w.ownText(kDashaLords.at(static_cast<std::size_t>(dasha->BirthLord)).Name);
    w.key("Years");
    w.integer(dasha->Balance.Years);
    w.key("Months");
    w.integer(dasha->Balance.Months);
    w.key("Days");
    w.integer(dasha->Balance.Days);
    w.EndObject();
    w.key("DaysPerBirthMinute");
    w.number(dasha->DaysPerBirthMinute);
    w.key("Periods");
    w.StartArray();
    // A period ends where the next begins: each date is written out once.
    const int offset = dasha->OffsetMinutes;
    std::array<IsoDateTimeBuffer, 10> room{};
    std::array<std::string_view, 10> dates{};
    const auto date = [&](std::size_t i, double julianDay) {
        dates.at(i) = {room.at(i).data(), writeIsoDateTime(julianDay, offset, room.at(i))};
    };
    date(9, dasha->Maha[0].Period.Start);
    for (const MahaDasha& maha : dasha->Maha) {
        room[0] = room[9];
        dates[0] = {room[0].data(), dates[9].size()};
        for (std::size_t a = 0; a < maha.Antar.size(); ++a) {
            date(a + 1, maha.Antar[a].End);
        }
        writeDashaPeriod(w, maha.Period, dates[0], dates[9]);
        w.key("Antar");
        w.StartArray();
        for (std::size_t a = 0; a < maha.Antar.size(); ++a) {
            writeDashaPeriod(w, maha.Antar[a], dates[a], dates[a + 1]);
            w.EndObject();
        }
        w.EndArray();
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
}

} // namespace

void appendReadingJson(std::string& out, const Reading& reading, const ReadingPlace* place) {
    const std::vector<PlanetRow> rows = PlanetRows(reading);
    const std::string offset = OffsetText(ZoneOffsetMinutes(reading.birth), OffsetStyle::Iso);
    appendWith(out, [&](JsonWriter& w) {
        // New keys go after the existing ones, so that a reader of these sees
        // the same bytes.
        w.StartObject();
        writeHouses(w, reading.houses);
        w.key("UtcOffset");
        w.text(offset);
        w.key("Birth");
        writeBirth(w, reading.birth);
        if (place != nullptr) {
            w.key("Place");
            writePlace(w, *place);
        }
        writePlanets(w, rows);
        writeAscendantNakshatra(w, reading.ascendantNakshatra);
        writeVargas(w, reading.vargas, rows);
        writeDasha(w, reading.dasha);
        w.EndObject();
    });
}

void appendBatchErrorJson(std::string& out, long long line, const QString& error) {
    const QByteArray utf8 = error.toUtf8();
    appendWith(out, [line, &utf8](JsonWriter& w) {
        w.StartObject();
        w.key("line");
        w.integer(line);
        w.key("error");
        w.text(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
        w.EndObject();
    });
}

std::string readingJson(const Reading& reading, const ReadingPlace* place) {
    std::string out;
    appendReadingJson(out, reading, place);
    return out;
}

std::string batchErrorJson(long long line, const QString& error) {
    std::string out;
    appendBatchErrorJson(out, line, error);
    return out;
}
