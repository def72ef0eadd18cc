#include "platform/reading_choices.h"

#include "platform/services.h"

namespace {

const QString kReadingSection = QStringLiteral("Reading");
const QString kDashaYearName = QStringLiteral("DashaYear");

} // namespace

DashaYear RememberedDashaYear(const SettingsStore& settings) {
    const QString word = settings.value(kReadingSection, kDashaYearName);
    return parseDashaYear(word.toStdString()).value_or(DashaYear::Sidereal);
}

void RememberDashaYear(SettingsStore& settings, DashaYear year) {
    settings.setValue(kReadingSection, kDashaYearName, QString::fromLatin1(dashaYearWord(year)));
}
