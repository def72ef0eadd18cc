// The reading window in the language in use: the house interpretations, and
// everything again when the language changes while the window is open.

#include "display/frm_display.h"
#include "document/program_title.h"
#include "platform/app.h"
#include "reading/mod_bhava_chart.h"
#include "reading/reading_rows.h"
#include "translation/table_texts.h"
#include "translation/translator.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

QString houseText(const QString& english) {
    return TableText("HouseCatalogue", english);
}

} // namespace

void FrmDisplay::showHouse(int houseIndex) {
    const int index = std::clamp(houseIndex, 0, kHouseCount - 1);
    app.state().currentHouse = static_cast<std::int16_t>(index);
    const HouseProfile& profile = LoadHouseCatalogue().house(index);
    // The prompt names the house the next click shows.
    lblName->setText(houseText(QString::fromUtf8(HousePromptPattern()))
                         .arg(houseText(QString::fromUtf8(HouseOrdinal(index + 1)))));
    lblHouseName->setText(houseText(profile.HouseName));
    lblSanskritName->setText(houseText(profile.SanskritName));
    lblPlanetRuler->setText(houseText(profile.PlanetRuler));
    lblSignRuler->setText(houseText(profile.SignRuler));
    lblKeywords->setText(houseText(profile.Keywords));
    lblMantra->setText(houseText(profile.Mantra));
    lblType->setText(houseText(profile.HouseType));
    lblQuality->setText(houseText(profile.Quality));
    lblElement->setText(houseText(profile.Element));
    txtHouseDesc->setPlainText(houseText(profile.Description));
}

void FrmDisplay::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

void FrmDisplay::retranslate() {
    // The lists keep their choices while their entries are written anew.
    const int style = cboChartStyle->currentIndex();
    const int kind = cboChartKind->currentIndex();
    const int year = cboDashaYear->currentIndex();
    {
        const QSignalBlocker quietStyle(cboChartStyle);
        const QSignalBlocker quietKind(cboChartKind);
        const QSignalBlocker quietYear(cboDashaYear);
        retranslateUi(this);
        const std::vector<std::string> vargas = VargaTitles();
        for (std::size_t i = 0; i < vargas.size(); ++i) {
            cboChartKind->setItemText(static_cast<int>(i) + 1, VargaTitleText(vargas.at(i)));
        }
        const std::vector<std::string> years = DashaYearTitles();
        for (std::size_t i = 0; i < years.size(); ++i) {
            cboDashaYear->setItemText(static_cast<int>(i), TableText("DashaYears", years.at(i)));
        }
        cboChartStyle->setCurrentIndex(style);
        cboChartKind->setCurrentIndex(kind);
        cboDashaYear->setCurrentIndex(year);
    }
    setWindowTitle(ProgramTitle());
    // The room the labels and columns keep, for the texts of this language.
    reserveTextSpace();
    sizePlanetsTable();
    sharedMenus.retranslate();
    showReading(reading);
    showHouse(app.state().currentHouse);
}
