#pragma once

#include <QString>
#include <QStringList>

#include <string>

// The table texts that the libraries below the windows put together, in the
// language in use.

// An angle text ending in a sign's three letters ("3° 27' 24\" Leo"), its
// sign in the language in use; any other text unchanged.
QString PositionText(const QString& angleText);
QString PositionText(const std::string& angleText);

// A planet or dasha lord ("Sun" ... "Ketu", "Ascendant"), a sign, a
// nakshatra, a divisional chart.
QString PlanetText(const std::string& english);
QString SignText(const std::string& english);
QString NakshatraText(const std::string& english);
QString VargaText(const std::string& english);

// A divisional chart's title ("D9 Navamsa") with its name in the language in
// use.
QString VargaTitleText(const std::string& title);

// A warning of a reading in the language in use, where the catalogue has it
// (the engine's); one put together elsewhere (the zone's) as it is.
QString WarningText(const std::string& english);

// " (R)", the mark of a retrograde body after its name, in the language in
// use.
QString RetrogradeMark();

// The twelve months in English, January first, as the "Months" context of
// the catalogues holds them; and one month (1..12) in the language in use.
const QStringList& MonthNames();
QString MonthText(int month);
