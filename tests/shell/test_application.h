#pragma once

#include "shell/application.h"

#include <QDialog>

#include <functional>

// The application object with its two blocking seams replaced: a modal window
// is handed to the test instead of running its own event loop, and the end of
// the program is counted instead of ending the test's event loop.
class TestApplication : public Application {
public:
    using Application::Application;
    TestApplication(const TestApplication&) = delete;
    TestApplication& operator=(const TestApplication&) = delete;
    TestApplication(TestApplication&&) = delete;
    TestApplication& operator=(TestApplication&&) = delete;
    ~TestApplication() override = default;

    std::function<void(QDialog&)> onModal; // called while the window is shown
    int modalsShown = 0;
    int programEnds = 0;

protected:
    void runModal(QDialog& dialog) override {
        ++modalsShown;
        dialog.show();
        if (onModal) {
            onModal(dialog);
        }
    }
    void endProgram() override { ++programEnds; }
};
