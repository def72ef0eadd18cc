// The catalogues kept in translations/: every entry translated and finished,
// with the same placeholders as its English text, and no text of the
// sources without an entry.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    bool finished = true;
};

std::vector<Entry> entriesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                entries.push_back(entry);
            }
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entry = Entry{context, {}, {}, true};
        } else if (xml.name() == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entry.finished = type.isEmpty();
            entry.translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

// "%1", "%2": what .arg() fills in, each once or more.
QSet<QString> placeholdersOf(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[0-9]+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

QString where(const Entry& entry) {
    return entry.context + QStringLiteral(" \"") + entry.source + QLatin1Char('"');
}

class Catalogue : public testing::TestWithParam<const char*> {
protected:
    QString path() const {
        return QStringLiteral(KELVARO_TRANSLATIONS_DIR "/kelvaro_%1.ts").arg(GetParam());
    }
};

TEST_P(Catalogue, EveryEntryIsTranslatedAndFinished) {
    QStringList unfinished;
    QStringList wrongPlaceholders;
    const std::vector<Entry> entries = entriesOf(path());
    ASSERT_FALSE(entries.empty());
    for (const Entry& entry : entries) {
        if (!entry.finished || entry.translation.trimmed().isEmpty()) {
            unfinished << where(entry);
        } else if (placeholdersOf(entry.translation) != placeholdersOf(entry.source)) {
            wrongPlaceholders << where(entry);
        }
    }
    EXPECT_TRUE(wrongPlaceholders.isEmpty()) << wrongPlaceholders.join(u'\n').toStdString();
    EXPECT_TRUE(unfinished.isEmpty())
        << unfinished.size() << " of " << entries.size() << " unfinished:\n"
        << unfinished.join(u'\n').toStdString();
}

// lupdate run afresh over the sources finds no text the catalogue lacks.
TEST_P(Catalogue, HoldsEverySourceText) {
    const QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh_%1.ts").arg(GetParam()));
    QProcess lupdate;
    lupdate.start(QStringLiteral(KELVARO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui"),
                   QStringLiteral(KELVARO_SOURCE_DIR "/src"),
                   QStringLiteral(KELVARO_SOURCE_DIR "/tools"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    QSet<std::pair<QString, QString>> kept;
    for (const Entry& entry : entriesOf(path())) {
        kept.insert({entry.context, entry.source});
    }
    QStringList missing;
    const std::vector<Entry> found = entriesOf(fresh);
    ASSERT_FALSE(found.empty());
    for (const Entry& entry : found) {
        if (!kept.contains({entry.context, entry.source})) {
            missing << where(entry);
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u'\n').toStdString();
    EXPECT_EQ(found.size(), kept.size()) << "entries whose texts are gone from the sources";
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogue, testing::Values("hi", "ta"));

} // namespace
