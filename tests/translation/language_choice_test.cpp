// The language of the windows: the system's locale at start-up unless a
// choice was remembered, and the Language menu, which switches the open
// windows at once and remembers the choice.

#include "display/frm_display.h"
#include "entry/frm_main.h"
#include "reading/reading.h"
#include "shell/application.h"
#include "support/fake_services.h"
#include "support/make_birth.h"
#include "translation/translator.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const char* const kRashi = "Get My Bhava Chart Reading";

// A window's text as the language's catalogue writes it.
QString inLanguage(Language language, const char* context, const char* english) {
    LanguageSwitch installed;
    EXPECT_TRUE(installed.use(language));
    return QCoreApplication::translate(context, english);
}

struct StartCase {
    const char* locale;
    const char* remembered; // the settings value, "" for none
    Language expected;
};

class LanguageAtStart : public testing::TestWithParam<StartCase> {};

TEST_P(LanguageAtStart, TheLocaleOrTheRememberedChoiceDecides) {
    FakeServices fakes;
    if (*GetParam().remembered != '\0') {
        fakes.settings.setValue(QStringLiteral("Settings"), QStringLiteral("Language"),
                                QLatin1String(GetParam().remembered));
    }
    const Language expected = GetParam().expected;
    const QString rashi = inLanguage(expected, "FrmMain", kRashi);
    const QString noName = inLanguage(expected, "BirthRules", "Please Enter Name");
    if (expected != Language::English) {
        ASSERT_NE(rashi, QLatin1String(kRashi)) << "the catalogue holds no translation";
    }
    {
        Application app(fakes.services());
        EXPECT_TRUE(app.start(QLocale(QLatin1String(GetParam().locale))));
        EXPECT_EQ(app.language(), expected);
        FrmMain& frm = app.frmMain();
        EXPECT_EQ(frm.cmdRashi->text(), rashi);
        // The first check of the birth data speaks the language too.
        frm.txtName->clear();
        frm.cmdRashi->click();
        ASSERT_FALSE(fakes.dialogs.messages.empty());
        EXPECT_EQ(fakes.dialogs.messages.back().text, noName);
        frm.hide();
    }
    // The language in use is not written over the one remembered.
    EXPECT_EQ(fakes.settings.value(QStringLiteral("Settings"), QStringLiteral("Language")),
              QLatin1String(GetParam().remembered));
}

INSTANTIATE_TEST_SUITE_P(Locales, LanguageAtStart,
                         testing::Values(StartCase{"hi_IN", "", Language::Hindi},
                                         StartCase{"ta_IN", "", Language::Tamil},
                                         StartCase{"en_IN", "", Language::English},
                                         StartCase{"de_DE", "", Language::English},
                                         StartCase{"hi_IN", "ta", Language::Tamil},
                                         StartCase{"ta_IN", "en", Language::English},
                                         StartCase{"en_GB", "hi", Language::Hindi},
                                         StartCase{"ta_IN", "xx", Language::Tamil}));

BirthRecord delhi() {
    return MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false);
}

// Each entry names its language in that language's own script.
TEST(LanguageMenu, EachEntryIsWrittenInItsOwnScript) {
    FakeServices fakes;
    Application app(fakes.services());
    ASSERT_TRUE(app.start(QLocale(QStringLiteral("ta_IN"))));
    FrmMain& frm = app.frmMain();
    auto* menu = frm.findChild<QMenu*>(QStringLiteral("mnuLanguage"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), inLanguage(Language::Tamil, "LanguageMenu", "&Language"));
    const std::pair<const char*, QString> entries[] = {
        {"mnuLanguageEnglish", QStringLiteral("English")},
        {"mnuLanguageHindi", QStringLiteral("हिन्दी")},
        {"mnuLanguageTamil", QStringLiteral("தமிழ்")},
    };
    for (const auto& [name, caption] : entries) {
        auto* entry = frm.findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(entry->text(), caption);
        EXPECT_TRUE(entry->isCheckable());
        EXPECT_EQ(entry->isChecked(), QLatin1String(name) == QLatin1String("mnuLanguageTamil"));
    }
    frm.hide();
}

// Choosing a language switches both windows at once, reading and all, and is
// remembered; English comes back byte for byte.
TEST(LanguageMenu, ChoosingALanguageSwitchesTheOpenWindows) {
    FakeServices fakes;
    Application app(fakes.services());
    ASSERT_TRUE(app.start(QLocale(QStringLiteral("en_US"))));
    FrmMain& frm = app.frmMain();
    const QString englishRashi = frm.cmdRashi->text();
    app.showReading(MakeReading(delhi()));
    FrmDisplay& display = app.frmDisplay();
    const QString englishHouse = display.lblHouseName->text();
    const QString englishMadhya = display.lblBhavaMadhya.at(0)->text();

    frm.findChild<QAction*>(QStringLiteral("mnuLanguageHindi"))->trigger();
    QCoreApplication::processEvents();

    EXPECT_EQ(app.language(), Language::Hindi);
    EXPECT_EQ(fakes.settings.value(QStringLiteral("Settings"), QStringLiteral("Language")),
              QStringLiteral("hi"));
    EXPECT_EQ(frm.cmdRashi->text(), QCoreApplication::translate("FrmMain", kRashi));
    EXPECT_NE(frm.cmdRashi->text(), englishRashi);
    EXPECT_EQ(display.lblHouseName->text(),
              TableText("HouseCatalogue", QStringLiteral("The House of Identity")));
    EXPECT_NE(display.lblHouseName->text(), englishHouse);
    // The figures keep their numbers; the sign's name is the language's.
    EXPECT_EQ(display.lblBhavaMadhya.at(0)->text(),
              englishMadhya.section(u' ', 0, 2) + u' ' +
                  TableText("Signs", englishMadhya.section(u' ', 3)));
    EXPECT_TRUE(frm.findChild<QAction*>(QStringLiteral("mnuLanguageHindi"))->isChecked());

    frm.findChild<QAction*>(QStringLiteral("mnuLanguageEnglish"))->trigger();
    QCoreApplication::processEvents();

    EXPECT_EQ(frm.cmdRashi->text(), englishRashi);
    EXPECT_EQ(display.lblHouseName->text(), englishHouse);
    EXPECT_EQ(display.lblBhavaMadhya.at(0)->text(), englishMadhya);
    EXPECT_EQ(fakes.settings.value(QStringLiteral("Settings"), QStringLiteral("Language")),
              QStringLiteral("en"));
    display.hide();
}

// No button of the birth-data window is narrower than its caption needs, in
// any language.
TEST(LanguageLayout, TheBirthDataWindowsButtonsFitTheirCaptions) {
    for (const char* locale : {"en_US", "hi_IN", "ta_IN"}) {
        FakeServices fakes;
        Application app(fakes.services());
        ASSERT_TRUE(app.start(QLocale(QLatin1String(locale))));
        FrmMain& frm = app.frmMain();
        frm.resize(frm.minimumSizeHint());
        QCoreApplication::processEvents();
        for (const QPushButton* button : frm.findChildren<QPushButton*>()) {
            if (button->isVisible()) {
                EXPECT_GE(button->width(), button->minimumSizeHint().width())
                    << locale << " " << button->objectName().toStdString();
            }
        }
        frm.hide();
    }
}

// A window sized for English grows when a language with taller or longer
// captions is chosen: no text box is squeezed below its own height.
TEST(LanguageLayout, TheBirthDataWindowGrowsForTheLanguageChosen) {
    FakeServices fakes;
    Application app(fakes.services());
    ASSERT_TRUE(app.start(QLocale(QStringLiteral("en_US"))));
    FrmMain& frm = app.frmMain();
    frm.show();
    QCoreApplication::processEvents();
    for (const char* entry : {"mnuLanguageTamil", "mnuLanguageHindi"}) {
        frm.findChild<QAction*>(QLatin1String(entry))->trigger();
        QCoreApplication::processEvents();
        for (const QLineEdit* box : frm.findChildren<QLineEdit*>()) {
            if (box->isVisible()) {
                EXPECT_GE(box->height(), box->sizeHint().height())
                    << entry << " " << box->objectName().toStdString();
            }
        }
    }
    frm.hide();
}

} // namespace
