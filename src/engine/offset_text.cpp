#include "engine/offset_text.h"

#include <cstdio>
#include <cstdlib>

std::string OffsetText(int minutes, OffsetStyle style) {
    const char sign = minutes < 0 ? '-' : '+';
    const int hours = std::abs(minutes) / 60;
    const int rest = std::abs(minutes) % 60;
    char text[32];
    switch (style) {
    case OffsetStyle::Iso:
        std::snprintf(text, sizeof text, "%c%02d:%02d", sign, hours, rest);
        break;
    case OffsetStyle::Ut:
        std::snprintf(text, sizeof text, "UT%c%d:%02d", sign, hours, rest);
        break;
    case OffsetStyle::Utc:
        std::snprintf(text, sizeof text, "UTC%c%02d:%02d", sign, hours, rest);
        break;
    }
    return text;
}
