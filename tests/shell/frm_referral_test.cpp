#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "qt_printers.h"
#include "shell/frm_referral.h"
#include "shell/mod_tell_a_friend.h"
#include "support/fake_services.h"
#include "test_application.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <utility>

namespace {

class ReferralWindow : public testing::Test {
protected:
    void SetUp() override {
        fakes.random.draws = {0.6F};
        app = std::make_unique<TestApplication>(fakes.services());
        app->showReferralWindow();
        window = app->loadedReferralWindow();
        ASSERT_NE(window, nullptr);
        QApplication::setActiveWindow(window);
    }

    void submit() { QTest::mouseClick(window->cmdSubmit, Qt::LeftButton); }

    FakeServices fakes;
    std::unique_ptr<TestApplication> app;
    FrmReferral* window = nullptr;
};

TEST_F(ReferralWindow, ShowsItsControlsWithTheirTextsAboveOtherWindows) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvaro v1.15"));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->Picture1->pixmap().isNull());
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Kelvaro v1.15"));
    EXPECT_EQ(window->cmdClose->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(window->fraReferAFriend->title(), QStringLiteral("Refer A Friend"));
    EXPECT_EQ(window->cmdSubmit->text(), QStringLiteral("Refer A Friend &Now"));
    EXPECT_EQ(window->fraDownload->title(), QStringLiteral("Download Orvenna Softwares"));
    EXPECT_EQ(window->lblGoToHome->text(), QStringLiteral("Click Here To Visit Orvenna Softwares"));
    EXPECT_TRUE(window->Check1->text().contains(QUrl(HomePageAddress()).host()));
    EXPECT_FALSE(window->Check1->isChecked());

    EXPECT_EQ(window->txtName->text(), QStringLiteral("Your Name"));
    EXPECT_EQ(window->txtEmail->text(), QStringLiteral("Your Email Address"));
    EXPECT_EQ(window->txtFriendName->text(), QStringLiteral("Friend's Name"));
    EXPECT_EQ(window->txtFriendEmail->text(), QStringLiteral("Friend's Email Address"));
    EXPECT_EQ(window->messageText(), QStringLiteral("Your Message\r\n"));
    EXPECT_FALSE(window->txtMessage->isVisible());
    EXPECT_EQ(window->txtMessage->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

// ---- the support message drawn at load --------------------------------------

class SupportText : public testing::TestWithParam<std::pair<float, int>> {};

TEST_P(SupportText, TheDrawPicksOneOfFourAfterSeeding) {
    FakeServices fakes;
    fakes.random.draws = {GetParam().first};
    TestApplication app(fakes.services());
    app.showReferralWindow();
    ASSERT_NE(app.loadedReferralWindow(), nullptr);
    EXPECT_EQ(fakes.random.seeds, 1);
    EXPECT_EQ(app.loadedReferralWindow()->Label2->text(),
              SupportTexts()[static_cast<std::size_t>(GetParam().second)]);
}

INSTANTIATE_TEST_SUITE_P(Draws, SupportText,
                         testing::Values(std::pair{0.0F, 0}, std::pair{0.2499999F, 0},
                                         std::pair{0.25F, 1}, std::pair{0.5F, 2},
                                         std::pair{0.7499999F, 2}, std::pair{0.75F, 3},
                                         std::pair{0.9999999F, 3}));

// ---- the checks of a submission ----------------------------------------------

struct SubmitCase {
    const char* name;
    std::optional<QString> senderName; // nothing: the box keeps its placeholder
    std::optional<QString> senderEmail;
    std::optional<QString> friendName;
    std::optional<QString> friendEmail;
    std::optional<QString> message;
    const char* expected; // the one message shown
};

void PrintTo(const SubmitCase& c, std::ostream* os) {
    *os << c.name;
}

class SubmitChecks : public ReferralWindow, public testing::WithParamInterface<SubmitCase> {};

TEST_P(SubmitChecks, TheFirstFailingCheckIsReportedAndNothingIsOpened) {
    const SubmitCase& c = GetParam();
    if (c.senderName) {
        window->txtName->setText(*c.senderName);
    }
    if (c.senderEmail) {
        window->txtEmail->setText(*c.senderEmail);
    }
    if (c.friendName) {
        window->txtFriendName->setText(*c.friendName);
    }
    if (c.friendEmail) {
        window->txtFriendEmail->setText(*c.friendEmail);
    }
    if (c.message) {
        window->txtMessage->setPlainText(*c.message);
    }
    const QStringList before{window->txtName->text(), window->txtEmail->text(),
                             window->txtFriendName->text(), window->txtFriendEmail->text(),
                             window->messageText()};

    submit();

    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QString::fromLatin1(c.expected));
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(fakes.dialogs.messages[0].yesNo);
    EXPECT_TRUE(fakes.browser.urls.empty());
    const QStringList after{window->txtName->text(), window->txtEmail->text(),
                            window->txtFriendName->text(), window->txtFriendEmail->text(),
                            window->messageText()};
    EXPECT_EQ(after, before);
    EXPECT_TRUE(window->isVisible());
}

const QString kA = QStringLiteral("ram@example.in");
const QString kB = QStringLiteral("sita@example.in");
const QString kRam = QStringLiteral("RAM");
const QString kSita = QStringLiteral("SITA");
constexpr std::nullopt_t kUntouched = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Cases, SubmitChecks,
    testing::Values(
        SubmitCase{"untouched", kUntouched, kUntouched, kUntouched, kUntouched, kUntouched,
                   "Please Enter Proper Email Address"},
        SubmitCase{"same address", kRam, kA, kSita, kA, kUntouched,
                   "Please Enter Distinct Email Addresses"},
        SubmitCase{"same address but for spaces", kRam, QStringLiteral("  ") + kA, kSita,
                   kA + QStringLiteral(" "), kUntouched, "Please Enter Distinct Email Addresses"},
        SubmitCase{"both empty", kRam, QString(), kSita, QString(), kUntouched,
                   "Please Enter Distinct Email Addresses"},
        SubmitCase{"no at sign", kRam, QStringLiteral("ram.example.in"), kSita, kB, kUntouched,
                   "Please Enter Proper Email Address"},
        SubmitCase{"friend's without full stop", kRam, kA, kSita, QStringLiteral("sita@example"),
                   kUntouched, "Please Enter Proper Email Address"},
        SubmitCase{"addresses differ only in case", kUntouched, kA, kSita,
                   QStringLiteral("Ram@example.in"), kUntouched, "Please Enter Your Name"},
        SubmitCase{"name of spaces", QStringLiteral("   "), kA, kSita, kB, kUntouched,
                   "Please Enter Your Name"},
        SubmitCase{"placeholder name with spaces", QStringLiteral("  Your Name "), kA, kSita, kB,
                   kUntouched, "Please Enter Your Name"},
        SubmitCase{"message emptied", kRam, kA, kSita, kB, QStringLiteral("  "),
                   "Please Enter Your Message"},
        SubmitCase{"message is the bare placeholder", kRam, kA, kSita, kB,
                   QStringLiteral("Your Message"), "Please Enter Your Message"},
        SubmitCase{"friend's name untouched", kRam, kA, kUntouched, kB, kUntouched,
                   "Please Enter Your Friend's Name"},
        SubmitCase{"friend's name empty", kRam, kA, QString(), kB, kUntouched,
                   "Please Enter Your Friend's Name"}));

// ---- a successful submission ---------------------------------------------------

TEST_F(ReferralWindow, ASubmissionOpensOneAddressWithEveryValueKeptWhole) {
    window->txtName->setText(QStringLiteral(" RAM & SITA=1 "));
    window->txtEmail->setText(QStringLiteral("ram+kelvaro@example.in"));
    window->txtFriendName->setText(QStringLiteral("Lak\u1E63ma\u1E47a #2"));
    window->txtFriendEmail->setText(QStringLiteral("@."));

    submit();

    EXPECT_TRUE(fakes.dialogs.messages.empty());
    ASSERT_EQ(fakes.browser.urls.size(), 1U);
    const QUrl& url = fakes.browser.urls[0];
    EXPECT_EQ(url.adjusted(QUrl::RemoveQuery), QUrl(ReferAFriendAddress()));
    const QList<std::pair<QString, QString>> expected{
        {QStringLiteral("taf1"), QStringLiteral("RAM & SITA=1")},
        {QStringLiteral("taf2"), QStringLiteral("ram+kelvaro@example.in")},
        {QStringLiteral("taf3"), QStringLiteral("Your Message\r\n")},
        {QStringLiteral("taf4"), QStringLiteral("Lak\u1E63ma\u1E47a #2")},
        {QStringLiteral("taf5"), QStringLiteral("@.")},
        {QStringLiteral("taf6"), SoftwareSiteAddress()},
    };
    EXPECT_EQ(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
    // As it travels: the ampersand, the plus, the CR LF and the spaces encoded.
    const QByteArray encoded = url.toEncoded();
    EXPECT_TRUE(encoded.contains("taf1=RAM%20%26%20SITA%3D1&taf2=ram%2Bkelvaro%40example.in"))
        << encoded.toStdString();
    EXPECT_TRUE(encoded.contains("&taf3=Your%20Message%0D%0A&taf4=")) << encoded.toStdString();
    EXPECT_EQ(app->state().referralAddress.toLatin1(), encoded);

    // The fields are the trimmed texts; the window stays open with its texts.
    EXPECT_EQ(app->state().referral.senderName, QStringLiteral("RAM & SITA=1"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->txtName->text(), QStringLiteral(" RAM & SITA=1 "));
    EXPECT_FALSE(app->ended());

    // Another friend may be referred straight away.
    window->txtFriendEmail->setText(QStringLiteral("friend@example.org"));
    submit();
    EXPECT_EQ(fakes.browser.urls.size(), 2U);
}

// ---- the boxes ---------------------------------------------------------------

struct PlaceholderCase {
    const char* box;
    QString placeholder;
};

class Placeholders : public ReferralWindow, public testing::WithParamInterface<PlaceholderCase> {
protected:
    QLineEdit* box() const { return window->findChild<QLineEdit*>(GetParam().box); }
    void focusIn() { box()->setFocus(Qt::TabFocusReason); }
    void focusOut() { window->cmdSubmit->setFocus(Qt::TabFocusReason); }
};

TEST_P(Placeholders, EmptyOnFocusAndComeBackWhenLeftEmpty) {
    QLineEdit* edit = box();
    ASSERT_NE(edit, nullptr);
    const QString placeholder = GetParam().placeholder;
    ASSERT_EQ(QApplication::activeWindow(), window);

    focusIn();
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), QString()); // the placeholder gives way
    focusOut();
    EXPECT_EQ(edit->text(), placeholder); // left empty: it comes back

    edit->setText(QStringLiteral("  ") + placeholder + QStringLiteral(" "));
    focusIn();
    EXPECT_EQ(edit->text(), QString());
    edit->setText(QStringLiteral("   "));
    focusOut();
    EXPECT_EQ(edit->text(), placeholder);

    // A text of the user's own is never touched.
    edit->setText(placeholder + QStringLiteral("s"));
    focusIn();
    focusOut();
    EXPECT_EQ(edit->text(), placeholder + QStringLiteral("s"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, Placeholders,
    testing::Values(PlaceholderCase{"txtName", QStringLiteral("Your Name")},
                    PlaceholderCase{"txtEmail", QStringLiteral("Your Email Address")},
                    PlaceholderCase{"txtFriendName", QStringLiteral("Friend's Name")},
                    PlaceholderCase{"txtFriendEmail", QStringLiteral("Friend's Email Address")}));

class EmailSpaces : public ReferralWindow, public testing::WithParamInterface<const char*> {};

TEST_P(EmailSpaces, ATypedSpaceIsRefusedWithAMessageAndAPastedOneIsKept) {
    auto* box = window->findChild<QLineEdit*>(GetParam());
    ASSERT_NE(box, nullptr);
    box->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(box->text(), QString());

    QTest::keyClicks(box, QStringLiteral("ra m"));

    EXPECT_EQ(box->text(), QStringLiteral("ram"));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Email Address Cannot Contain Space"));
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(box->hasFocus());

    QGuiApplication::clipboard()->setText(QStringLiteral(" @x.in"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("ram @x.in"));
    EXPECT_EQ(fakes.dialogs.messages.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Boxes, EmailSpaces, testing::Values("txtEmail", "txtFriendEmail"));

// ---- links and the end ---------------------------------------------------------

TEST_F(ReferralWindow, Check1OpensTheCommunityAndNeverStaysTicked) {
    QTest::mouseClick(window->Check1, Qt::LeftButton);
    EXPECT_FALSE(window->Check1->isChecked());
    window->Check1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->Check1, Qt::Key_Space);
    EXPECT_FALSE(window->Check1->isChecked());

    ASSERT_EQ(fakes.browser.urls.size(), 2U);
    EXPECT_EQ(fakes.browser.urls[0], QUrl(HomePageAddress()));
    EXPECT_EQ(fakes.browser.urls[1], QUrl(HomePageAddress()));
}

TEST_F(ReferralWindow, TheLinkLabelOpensTheMakersOtherPrograms) {
    QTest::mouseClick(window->lblGoToHome, Qt::LeftButton);
    ASSERT_EQ(fakes.browser.urls.size(), 1U);
    EXPECT_EQ(fakes.browser.urls[0], QUrl(PageAddress(WebPage::Software)));
}

class ReferralEnd : public ReferralWindow, public testing::WithParamInterface<bool> {};

TEST_P(ReferralEnd, ExitAndTheCloseBoxBothEndTheProgramOnce) {
    if (GetParam()) {
        QTest::mouseClick(window->cmdClose, Qt::LeftButton);
    } else {
        window->close(); // the close box
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(app->programEnds, 1);
    EXPECT_EQ(app->loadedReferralWindow(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(w->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(ExitOrCloseBox, ReferralEnd, testing::Bool());

// ---- the referral address by itself ---------------------------------------------

TEST(ReferralAddress, TrimsOnlySpaces) {
    EXPECT_EQ(TrimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(TrimSpaces(QStringLiteral("\ta\r\n")), QStringLiteral("\ta\r\n"));
    EXPECT_EQ(TrimSpaces(QStringLiteral("    ")), QString());
    EXPECT_EQ(TrimSpaces(QStringLiteral(" Your Message\r\n")), QStringLiteral("Your Message\r\n"));
}

} // namespace
