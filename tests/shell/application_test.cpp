#include "shell/application.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

TEST(StartUp, AnotherCopyRunningShowsTheMessageAndEnds) {
    FakeServices fakes;
    fakes.instance.running = true;
    Application app(fakes.services());

    EXPECT_FALSE(app.start());

    EXPECT_TRUE(app.ended());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Application is already running"));
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(app.loadedFrmMain(), nullptr);
}
