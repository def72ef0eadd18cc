#include "display/frm_display.h"
#include "entry/frm_main.h"
#include "files/field_codec.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "qt_printers.h"
#include "shell/frm_about.h"
#include "shell/frm_referral.h"
#include "support/fake_services.h"
#include "test_application.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <stdexcept>

namespace {

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidgetList visibleWindows() {
    QWidgetList shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            shown << w;
        }
    }
    return shown;
}

// ---- start-up --------------------------------------------------------------

TEST(StartUp, AnotherCopyRunningShowsOnlyTheMessageAndEnds) {
    FakeServices fakes;
    fakes.instance.running = true;
    TestApplication app(fakes.services());

    EXPECT_FALSE(app.start());

    EXPECT_TRUE(app.ended());
    EXPECT_EQ(app.programEnds, 1);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Application is already running"));
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_FALSE(fakes.dialogs.messages[0].yesNo);
    // Nothing else of the start-up ran and no window came up.
    EXPECT_EQ(fakes.random.seeds, 0);
    EXPECT_EQ(fakes.settings.writes, 0);
    EXPECT_TRUE(fakes.browser.urls.empty());
    EXPECT_EQ(app.loadedFrmMain(), nullptr);
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST(StartUp, SeedsThenRemindsThenShowsFrmMain) {
    FakeServices fakes;
    TestApplication app(fakes.services());
    // A reminder due: the question comes before any window is visible.
    const QString name = QString::fromLatin1(EncodeField(ToCodePage(QStringLiteral("Duration"))));
    fakes.settings.setValue(QStringLiteral("Settings"), name,
                            QString::fromLatin1(EncodeField(
                                ToCodePage(fakes.clock.date.addDays(-30).toString(Qt::ISODate)))));
    int seedsAtQuestion = -1;
    bool windowShownAtQuestion = true;
    fakes.dialogs.onMessage = [&](const ShownMessage&) {
        seedsAtQuestion = fakes.random.seeds;
        windowShownAtQuestion = app.loadedFrmMain() != nullptr && app.loadedFrmMain()->isVisible();
    };

    EXPECT_TRUE(app.start());

    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_TRUE(fakes.dialogs.messages[0].yesNo);
    EXPECT_EQ(seedsAtQuestion, 1);
    EXPECT_FALSE(windowShownAtQuestion);
    ASSERT_NE(app.loadedFrmMain(), nullptr);
    EXPECT_TRUE(app.loadedFrmMain()->isVisible());
    EXPECT_EQ(app.loadedFrmMain()->parentWidget(), nullptr);
    EXPECT_FALSE(app.loadedFrmMain()->isModal());
    EXPECT_FALSE(app.ended());
}

class ThrowingGuard : public InstanceGuard {
public:
    bool anotherCopyRunning() override { throw std::runtime_error("no lock"); }
};
class ThrowingSeed : public FakeRandom {
public:
    void seedFromClock() override { throw std::runtime_error("no clock"); }
};
class ThrowingSettings : public SettingsStore {
public:
    QString value(const QString&, const QString&) const override {
        throw std::runtime_error("store unreadable");
    }
    void setValue(const QString&, const QString&, const QString&) override {
        throw std::runtime_error("store read-only");
    }
};

enum class Broken { InstanceCheck, Seeding, Settings };

class StartUpStepFails : public testing::TestWithParam<Broken> {};

TEST_P(StartUpStepFails, FrmMainStillOpensAndABannerIsDrawn) {
    FakeServices fakes;
    ThrowingGuard guard;
    ThrowingSeed seed;
    ThrowingSettings settings;
    Services services = fakes.services();
    const Broken broken = GetParam();
    Services used{
        services.dialogs,
        services.browser,
        services.webSearch,
        services.clock,
        broken == Broken::Seeding ? seed : services.random,
        broken == Broken::Settings ? static_cast<SettingsStore&>(settings) : services.settings,
        broken == Broken::InstanceCheck ? static_cast<InstanceGuard&>(guard) : services.instance,
        services.printing};
    seed.draws = {0.5F};
    fakes.random.draws = {0.5F};
    TestApplication app(used);

    EXPECT_TRUE(app.start());

    ASSERT_NE(app.loadedFrmMain(), nullptr);
    EXPECT_TRUE(app.loadedFrmMain()->isVisible());
    EXPECT_EQ(app.state().intCoBrandRandomNumber, 4);
    EXPECT_TRUE(fakes.dialogs.messages.empty()); // no step reports its failure
}

INSTANTIATE_TEST_SUITE_P(EachStep, StartUpStepFails,
                         testing::Values(Broken::InstanceCheck, Broken::Seeding, Broken::Settings));

// ---- CoBrand_Randomize -----------------------------------------------------

enum class Front { CoBrand, FullBrand };

struct BannerCase {
    float draw;
    int number;
    Front front;
};

void PrintTo(const BannerCase& c, std::ostream* os) {
    *os << "draw " << c.draw << " -> " << c.number;
}

class BannerChoice : public testing::TestWithParam<BannerCase> {};

TEST_P(BannerChoice, DrawPicksTheNumberAndTheFrontBanner) {
    FakeServices fakes;
    fakes.random.draws = {GetParam().draw};
    TestApplication app(fakes.services());
    FrmMain& main = app.frmMain();
    if (main.lblCobrand == nullptr || main.lblFullBrand == nullptr) {
        // Two banners sharing a frame, the full-brand one in front.
        auto* frame = new QFrame(&main);
        main.lblCobrand = new ClickableLabel(QStringLiteral("co-brand"), frame);
        main.lblFullBrand = new ClickableLabel(QStringLiteral("full brand"), frame);
    }
    QWidget* frame = main.lblCobrand->parentWidget();
    ASSERT_EQ(frame, main.lblFullBrand->parentWidget());
    ASSERT_GT(frame->children().indexOf(main.lblFullBrand),
              frame->children().indexOf(main.lblCobrand));

    ASSERT_TRUE(app.start());

    EXPECT_EQ(app.state().intCoBrandRandomNumber, GetParam().number);
    const bool coBrandInFront =
        frame->children().indexOf(main.lblCobrand) > frame->children().indexOf(main.lblFullBrand);
    EXPECT_EQ(coBrandInFront, GetParam().front == Front::CoBrand);
}

float below(float x) {
    return std::nextafter(x, 0.0F);
}
float above(float x) {
    return std::nextafter(x, 1.0F);
}

// Around each half-way point k/12 the draw nearest to it decides by the exact
// value of r x 6 + 1; at 1/4 and 3/4 the half goes to the even neighbour.
INSTANTIATE_TEST_SUITE_P(Draws, BannerChoice,
                         testing::Values(BannerCase{0.0F, 1, Front::CoBrand},
                                         BannerCase{below(1.0F / 12), 1, Front::CoBrand},
                                         BannerCase{1.0F / 12, 2, Front::FullBrand},
                                         BannerCase{0.25F, 2, Front::FullBrand},
                                         BannerCase{above(0.25F), 3, Front::CoBrand},
                                         BannerCase{5.0F / 12, 3, Front::CoBrand},
                                         BannerCase{above(5.0F / 12), 4, Front::FullBrand},
                                         BannerCase{7.0F / 12, 4, Front::FullBrand},
                                         BannerCase{above(7.0F / 12), 5, Front::CoBrand},
                                         BannerCase{below(0.75F), 5, Front::CoBrand},
                                         BannerCase{0.75F, 6, Front::FullBrand},
                                         BannerCase{11.0F / 12, 7, Front::FullBrand},
                                         BannerCase{below(11.0F / 12), 6, Front::FullBrand},
                                         BannerCase{below(1.0F), 7, Front::FullBrand}));

// ---- the end of the program ------------------------------------------------

TEST(Closing, FrmMainGivesWayToTheReferralWindowWhoseClosingEndsTheProgram) {
    FakeServices fakes;
    TestApplication app(fakes.services());
    ASSERT_TRUE(app.start());

    app.frmMain().close();
    flushDeletes();

    EXPECT_EQ(app.loadedFrmMain(), nullptr); // unloaded
    FrmReferral* referral = app.loadedReferralWindow();
    ASSERT_NE(referral, nullptr);
    EXPECT_TRUE(referral->isVisible());
    EXPECT_EQ(referral->parentWidget(), nullptr);
    EXPECT_FALSE(app.ended());
    EXPECT_EQ(visibleWindows(), QWidgetList{referral});

    referral->close();
    flushDeletes();

    EXPECT_TRUE(app.ended());
    EXPECT_EQ(app.programEnds, 1);
    EXPECT_EQ(app.loadedReferralWindow(), nullptr);
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST(Closing, HidingTheReferralWindowKeepsItLoadedAndShowingReusesIt) {
    FakeServices fakes;
    TestApplication app(fakes.services());
    app.hideReferralWindow(); // not loaded: nothing happens
    EXPECT_EQ(app.loadedReferralWindow(), nullptr);

    app.showReferralWindow();
    QPointer<FrmReferral> first = app.loadedReferralWindow();
    app.hideReferralWindow();
    ASSERT_FALSE(first.isNull());
    EXPECT_FALSE(first->isVisible());

    app.showReferralWindow();
    EXPECT_EQ(app.loadedReferralWindow(), first.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(app.ended());
}

// Windows whose closing handlers get in the way of the walk.
class OpensAnotherOnClose : public QWidget {
public:
    QPointer<QWidget> opened;

protected:
    void closeEvent(QCloseEvent* event) override {
        opened = new QWidget;
        opened->setAttribute(Qt::WA_DeleteOnClose);
        opened->show();
        event->accept();
    }
};
class RefusesToClose : public QWidget {
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};
class DeletesAnotherOnClose : public QWidget {
public:
    QPointer<QWidget> victim;

protected:
    void closeEvent(QCloseEvent* event) override {
        delete victim.data();
        event->accept();
    }
};

TEST(Closing, CloseAllAndEndEndsWhateverTheClosingHandlersDo) {
    FakeServices fakes;
    TestApplication app(fakes.services());
    ASSERT_TRUE(app.start());
    // A reading on screen: frmMain hidden, frmDisplay shown. Closing frmDisplay
    // asks for the referral window, which must not come up now.
    app.frmMain().hide();
    app.frmDisplay().show();

    auto* opener = new OpensAnotherOnClose;
    opener->setAttribute(Qt::WA_DeleteOnClose);
    opener->show();
    auto stubborn = std::make_unique<RefusesToClose>();
    stubborn->show();
    // Two windows that each delete the other: whichever the walk meets first
    // deletes one that is still ahead of it.
    auto* first = new DeletesAnotherOnClose;
    auto* second = new DeletesAnotherOnClose;
    first->victim = second;
    second->victim = first;
    first->show();
    second->show();

    app.closeAllAndEnd();

    EXPECT_TRUE(app.ended());
    EXPECT_EQ(app.programEnds, 1);
    EXPECT_EQ(app.loadedReferralWindow(), nullptr);
    EXPECT_TRUE(visibleWindows().isEmpty());

    flushDeletes();
    EXPECT_EQ(app.loadedFrmMain(), nullptr);
    EXPECT_EQ(app.loadedFrmDisplay(), nullptr);
    // Asking for the referral window after the end brings up nothing.
    app.showReferralWindow();
    EXPECT_EQ(app.loadedReferralWindow(), nullptr);
}

// ---- the about window ------------------------------------------------------

TEST(AboutWindow, ShowsItsControlsAndLinksAndIsGoneOnceClosed) {
    FakeServices fakes;
    TestApplication app(fakes.services());
    QPointer<FrmAbout> seen;
    bool closedByOk = false;
    app.onModal = [&](QDialog& dialog) {
        seen = qobject_cast<FrmAbout*>(&dialog);
        ASSERT_FALSE(seen.isNull());
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(dialog.parentWidget(), nullptr);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kelvaro v1.15"));
        FrmAbout& about = *seen;
        ASSERT_NE(about.picIcon, nullptr);
        EXPECT_FALSE(about.picIcon->pixmap().isNull());
        EXPECT_EQ(about.Label2->text(), QStringLiteral("Kelvaro v1.15"));
        EXPECT_EQ(about.Label1->text(),
                  QStringLiteral(
                      "Kelvaro generates the Houses or Bhavas of your natal chart. Each house is "
                      "related to to an area in life. This influences the interpretation of your "
                      "birth chart depending on the position of the different planets in these "
                      "houses."));
        EXPECT_EQ(about.lblHomePage->text(),
                  QStringLiteral("Click here to visit ") + HomePageAddress());
        EXPECT_EQ(about.Label3->text(),
                  QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                 "and make money online. Get this software fully branded for "
                                 "your website."));
        EXPECT_EQ(about.lblCoBrand->text(), QStringLiteral("Click here for more details"));
        // The credits name the ephemeris and both licences.
        for (const char* words : {"Swiss Ephemeris", "Astrodienst AG",
                                  "GNU Affero General Public License 3.0", "version 3 or later"}) {
            EXPECT_TRUE(about.lblCredits->text().contains(QString::fromUtf8(words))) << words;
        }
        // The atlas's licence asks for its credit.
        EXPECT_TRUE(about.lblAtlasCredit->text().contains(QStringLiteral("GeoNames")));
        EXPECT_TRUE(about.lblAtlasCredit->text().contains(QStringLiteral("CC BY 4.0")));
        EXPECT_EQ(about.cmdOK->text(), QStringLiteral("&OK"));
        ASSERT_NE(about.Line2, nullptr);
        EXPECT_EQ(about.Line2->frameShape(), QFrame::HLine);
        for (QLabel* label :
             {about.Label2, about.Label1, static_cast<QLabel*>(about.lblHomePage), about.Label3,
              static_cast<QLabel*>(about.lblCoBrand), about.lblCredits}) {
            EXPECT_EQ(label->font().family(), QStringLiteral("Verdana"))
                << label->objectName().toStdString();
        }

        QTest::mouseClick(about.lblHomePage, Qt::LeftButton);
        QTest::mouseClick(about.lblCoBrand, Qt::LeftButton);
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        closedByOk = !dialog.isVisible();
    };

    app.showAboutWindow();

    EXPECT_EQ(app.modalsShown, 1);
    EXPECT_TRUE(closedByOk);
    EXPECT_TRUE(seen.isNull()); // unloaded: the next opening loads it afresh
    ASSERT_EQ(fakes.browser.urls.size(), 2U);
    EXPECT_EQ(fakes.browser.urls[0], QUrl(PageAddress(WebPage::Home)));
    EXPECT_EQ(fakes.browser.urls[1], QUrl(PageAddress(WebPage::FullBrand)));
}

TEST(AboutWindow, EachOpeningLoadsAFreshWindow) {
    FakeServices fakes;
    TestApplication app(fakes.services());
    app.onModal = [&](QDialog& dialog) {
        // A window left over from an earlier opening would still be here.
        int loaded = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            loaded += qobject_cast<FrmAbout*>(w) != nullptr ? 1 : 0;
        }
        EXPECT_EQ(loaded, 1);
        dialog.close(); // the close box
    };
    app.showAboutWindow();
    app.showAboutWindow();
    flushDeletes();
    EXPECT_EQ(app.modalsShown, 2);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<FrmAbout*>(w), nullptr);
    }
}

} // namespace
