// From the click on "Get My Bhava Chart Reading" to the reading window shown
// and painted, with the first worked example in frmMain.

#include "display/frm_display.h"
#include "entry/frm_main.h"
#include "shell/application.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void fillFirstWorkedExample(FrmMain& form) {
    form.txtName->setText(QStringLiteral("RAM"));
    form.cboMonth->setCurrentIndex(0);
    form.cboDate->setCurrentIndex(form.cboDate->findText(QStringLiteral("1")));
    form.cboYear->setCurrentIndex(form.cboYear->findText(QStringLiteral("2000")));
    form.cboHH->setCurrentIndex(form.cboHH->findText(QStringLiteral("12")));
    form.cboMM->setCurrentIndex(form.cboMM->findText(QStringLiteral("0")));
    form.txtZoneHour->setText(QStringLiteral("5"));
    form.txtZoneMinute->setText(QStringLiteral("30"));
    form.txtLatD->setText(QStringLiteral("28"));
    form.txtLatM->setText(QStringLiteral("36"));
    form.txtLonD->setText(QStringLiteral("77"));
    form.txtLonM->setText(QStringLiteral("12"));
    form.optLat[0]->setChecked(true);
    form.optLong[0]->setChecked(true);
}

// Each iteration: frmMain in front, a click, the reading window painted; then
// the way back, outside the timing.
void BM_ClickToReadingShown(benchmark::State& state) {
    FakeServices fakes;
    Application app(fakes.services());
    app.showBirthDataWindow();
    fillFirstWorkedExample(app.frmMain());
    for (auto _ : state) {
        QTest::mouseClick(app.frmMain().cmdRashi, Qt::LeftButton);
        FrmDisplay& display = app.frmDisplay();
        display.repaint(); // the first paint, synchronously
        QApplication::processEvents();
        benchmark::DoNotOptimize(display.isVisible());

        state.PauseTiming();
        display.hide();
        app.showBirthDataWindow();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (!fakes.dialogs.messages.empty()) {
        state.SkipWithError("the inputs were refused");
    }
}
BENCHMARK(BM_ClickToReadingShown)->Unit(benchmark::kMillisecond);

// The same with a fresh reading window each time: the first reading after
// start-up also builds the window.
void BM_ClickToNewReadingWindow(benchmark::State& state) {
    FakeServices fakes;
    Application app(fakes.services());
    app.showBirthDataWindow();
    fillFirstWorkedExample(app.frmMain());
    for (auto _ : state) {
        QTest::mouseClick(app.frmMain().cmdRashi, Qt::LeftButton);
        FrmDisplay& display = app.frmDisplay();
        display.repaint();
        QApplication::processEvents();

        state.PauseTiming();
        display.close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app.hideReferralWindow();
        app.showBirthDataWindow();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickToNewReadingWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
