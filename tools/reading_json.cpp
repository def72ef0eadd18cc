#include "tools/reading_json.h"

#include "engine/mod_bhava.h"
#include "engine/offset_text.h"
#include "reading/reading_rows.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace {

// Every character of a text may need six (\u001f); the quotes add two.
std::size_t maxQuotedSize(std::string_view text) {
    return 6 * text.size() + 2;
}

// Writes into room that the caller has made.
class Writer {
public:
    explicit Writer(char* at) : at_(at) {}

    char* end() const { return at_; }

    template <std::size_t N> void literal(const char (&text)[N]) {
        std::memcpy(at_, text, N - 1);
        at_ += N - 1;
    }

    void character(char c) { *at_++ = c; }

    // The shortest decimal form that reads back to the same double; JSON has
    // no infinity or not-a-number, so those are null.
    void number(double value) {
        if (!std::isfinite(value)) {
            literal("null");
            return;
        }
        at_ = std::to_chars(at_, at_ + kNumberRoom, value).ptr;
    }

    // A double with a whole value, written without a fraction or exponent.
    void integer(double value) {
        if (!(std::fabs(value) < 9.0e15)) {
            number(value);
            return;
        }
        integer(static_cast<long long>(value));
    }

    void integer(long long value) { at_ = std::to_chars(at_, at_ + kNumberRoom, value).ptr; }

    void integer(const std::optional<int>& value) {
        if (value) {
            integer(static_cast<long long>(*value));
        } else {
            literal("null");
        }
    }

    void boolean(bool value) {
        if (value) {
            literal("true");
        } else {
            literal("false");
        }
    }

    void quoted(std::string_view text) {
        *at_++ = '"';
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte == '"' || byte == '\\') {
                *at_++ = '\\';
                *at_++ = c;
            } else if (byte < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                literal("\\u00");
                *at_++ = hex[byte >> 4];
                *at_++ = hex[byte & 0xF];
            } else {
                *at_++ = c;
            }
        }
        *at_++ = '"';
    }

    void quotedArray(std::span<const std::string> texts) {
        *at_++ = '[';
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (i > 0) {
                *at_++ = ',';
            }
            quoted(texts[i]);
        }
        *at_++ = ']';
    }

    // Room for one number: the longest shortest form of a double is 24
    // characters, of a long long 20.
    static constexpr std::size_t kNumberRoom = 32;

private:
    char* at_;
};

std::size_t maxReadingSize(const BhavaResult& r, const PlanetsOutcome& planets) {
    // The keys, brackets and commas take about 250 characters.
    std::size_t size = 512 + (4 + r.CuspPoints.size()) * Writer::kNumberRoom;
    size += maxQuotedSize(r.AyanamsaText) + maxQuotedSize(r.AscendantText) +
            maxQuotedSize(r.MidheavenText);
    for (std::size_t i = 0; i < 12; ++i) {
        size += maxQuotedSize(r.BhavaMadhyaText[i]) + maxQuotedSize(r.BhavaSandhiText[i]);
    }
    for (const std::string& warning : r.Warnings) {
        size += maxQuotedSize(warning) + 1;
    }
    // A body's keys take about 110 characters, its five numbers a number's
    // room each; the ascendant's keys and numbers another 120.
    size += 256;
    if (planets.Reading) {
        for (const PlanetPlacement& p : planets.Reading->Planets) {
            size += 128 + 5 * Writer::kNumberRoom + maxQuotedSize(p.Name) +
                    maxQuotedSize(p.LongitudeText);
        }
    }
    return size;
}

// "Planets" and the ascendant's sign sensitivity, after the houses' keys.
void writePlanets(Writer& w, const std::vector<PlanetRow>& rows) {
    if (rows.empty()) {
        w.literal(",\"Planets\":null,\"AscendantSignMinutesEarlier\":null,"
                  "\"AscendantSignMinutesLater\":null");
        return;
    }
    w.literal(",\"Planets\":[");
    bool first = true;
    for (const PlanetRow& p : rows) {
        if (p.ascendant) {
            w.literal("],\"AscendantSignMinutesEarlier\":");
            w.integer(p.earlier.minutes);
            w.literal(",\"AscendantSignMinutesLater\":");
            w.integer(p.later.minutes);
            continue;
        }
        if (!first) {
            w.character(',');
        }
        first = false;
        w.literal("{\"Name\":");
        w.quoted(p.name);
        w.literal(",\"Longitude\":");
        w.number(p.longitude);
        w.literal(",\"LongitudeText\":");
        w.quoted(p.position);
        w.literal(",\"Retrograde\":");
        w.boolean(p.retrograde);
        w.literal(",\"Sign\":");
        w.integer(static_cast<long long>(p.sign));
        w.literal(",\"Bhava\":");
        w.integer(static_cast<long long>(p.bhava));
        w.literal(",\"MinutesEarlier\":");
        w.integer(p.earlier.minutes);
        w.literal(",\"MinutesLater\":");
        w.integer(p.later.minutes);
        w.character('}');
    }
}

// Lets write fill up to size characters of a scratch buffer, then appends
// what it wrote to out. The buffer keeps its room from one call to the next,
// so the usual reading costs neither an allocation nor clearing memory.
template <typename Write> void appendWith(std::string& out, std::size_t size, Write write) {
    thread_local std::string scratch;
    if (scratch.size() < size) {
        scratch.resize(size);
    }
    Writer writer(scratch.data());
    write(writer);
    out.append(scratch.data(), static_cast<std::size_t>(writer.end() - scratch.data()));
}

void flag(Writer& w, bool value) {
    if (value) {
        w.literal("true");
    } else {
        w.literal("false");
    }
}

// The birth record with a batch line's keys, in the record's order.
void writeBirth(Writer& w, const BirthRecord& b) {
    w.literal("{\"Name\":");
    w.quoted(b.Name);
    const std::pair<const char*, std::int16_t> numbers[] = {
        {",\"Month\":", b.Month},
        {",\"Day\":", b.Day},
        {",\"Year\":", b.Year},
        {",\"Hour\":", b.Hour},
        {",\"Minute\":", b.Minute},
        {",\"ZoneHour\":", b.ZoneHour},
        {",\"ZoneMinute\":", b.ZoneMinute},
        {",\"LonD\":", b.LonD},
        {",\"LonM\":", b.LonM},
        {",\"LatD\":", b.LatD},
        {",\"LatM\":", b.LatM},
    };
    for (const auto& [key, value] : numbers) {
        for (const char* c = key; *c != '\0'; ++c) {
            w.character(*c);
        }
        w.integer(static_cast<long long>(value));
    }
    w.literal(",\"LonEast\":");
    flag(w, b.LonEast);
    w.literal(",\"LatSouth\":");
    flag(w, b.LatSouth);
    w.literal(",\"DST\":");
    flag(w, b.DST);
    w.literal(",\"City\":");
    w.quoted(b.City);
    w.literal(",\"State\":");
    w.quoted(b.State);
    w.literal(",\"Country\":");
    w.quoted(b.Country);
    if (b.ZoneAhead) {
        w.literal(",\"ZoneAhead\":");
        flag(w, *b.ZoneAhead);
    }
    w.character('}');
}

} // namespace

void appendReadingJson(std::string& out, const Reading& reading, const ReadingPlace* place) {
    const BhavaResult& r = reading.houses;
    const PlanetsOutcome& planets = reading.planets;
    const BirthRecord& birth = reading.birth;
    const std::vector<PlanetRow> rows = PlanetRows(reading);
    // The texts of the birth and the place, and about 400 characters of keys
    // and numbers.
    std::size_t size = maxReadingSize(r, planets) + 400 + maxQuotedSize(birth.Name) +
                       maxQuotedSize(birth.City) + maxQuotedSize(birth.State) +
                       maxQuotedSize(birth.Country);
    if (place != nullptr) {
        size += maxQuotedSize(place->Name) + maxQuotedSize(place->State) +
                maxQuotedSize(place->Country) + maxQuotedSize(place->TimeZone);
    }
    const std::string offset = OffsetText(ZoneOffsetMinutes(birth), OffsetStyle::Iso);
    appendWith(out, size, [&r, &rows, &birth, place, &offset](Writer& w) {
        w.literal("{\"JulianDayValue\":");
        w.integer(r.JulianDayValue);
        w.literal(",\"AyanamsaValue\":");
        w.number(r.AyanamsaValue);
        w.literal(",\"Ascendant\":");
        w.number(r.Ascendant);
        w.literal(",\"Midheaven\":");
        w.number(r.Midheaven);
        w.literal(",\"AyanamsaText\":");
        w.quoted(r.AyanamsaText);
        w.literal(",\"AscendantText\":");
        w.quoted(r.AscendantText);
        w.literal(",\"MidheavenText\":");
        w.quoted(r.MidheavenText);
        w.literal(",\"CuspPoints\":[");
        for (std::size_t i = 0; i < r.CuspPoints.size(); ++i) {
            if (i > 0) {
                w.character(',');
            }
            w.number(r.CuspPoints[i]);
        }
        w.literal("],\"BhavaMadhyaText\":");
        w.quotedArray(r.BhavaMadhyaText);
        w.literal(",\"BhavaSandhiText\":");
        w.quotedArray(r.BhavaSandhiText);
        w.literal(",\"Warnings\":");
        w.quotedArray(r.Warnings);
        w.literal(",\"UtcOffset\":");
        w.quoted(offset);
        w.literal(",\"Birth\":");
        writeBirth(w, birth);
        if (place != nullptr) {
            w.literal(",\"Place\":{\"Name\":");
            w.quoted(place->Name);
            w.literal(",\"State\":");
            w.quoted(place->State);
            w.literal(",\"Country\":");
            w.quoted(place->Country);
            w.literal(",\"Latitude\":");
            w.number(place->Latitude);
            w.literal(",\"Longitude\":");
            w.number(place->Longitude);
            w.literal(",\"TimeZone\":");
            w.quoted(place->TimeZone);
            w.character('}');
        }
        writePlanets(w, rows);
        w.character('}');
    });
}

void appendBatchErrorJson(std::string& out, long long line, const QString& error) {
    const QByteArray utf8 = error.toUtf8();
    const std::string_view text(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    appendWith(out, 64 + maxQuotedSize(text), [line, text](Writer& w) {
        w.literal("{\"line\":");
        w.integer(line);
        w.literal(",\"error\":");
        w.quoted(text);
        w.character('}');
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
