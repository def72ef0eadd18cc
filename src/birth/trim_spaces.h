#pragma once

#include <QString>

// The text without leading and trailing blanks (character 32 only); tabs and
// line breaks stay.
QString TrimSpaces(const QString& text);
