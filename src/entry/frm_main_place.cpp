// frmMain's birth place: the place box searching the atlas as the user types,
// and the zone boxes following the place chosen (ZoneFollowing decides, this
// shows).
#include "atlas/atlas.h"
#include "atlas/birth_zone.h"
#include "entry/atlas_loader.h"
#include "entry/frm_main.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

#include <utility>

namespace {

// How many places the place box lists as the user types.
constexpr std::size_t kListedPlaces = 12;

} // namespace

void FrmMain::setUpPlaceBox() {
    placeModel = new QStringListModel(this);
    placeCompleter = new QCompleter(placeModel, this);
    // The list is the atlas's answer for the text, in its order.
    placeCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    placeCompleter->setMaxVisibleItems(static_cast<int>(kListedPlaces));
    txtBirthPlace->setCompleter(placeCompleter);
    txtBirthPlace->installEventFilter(this);
}

void FrmMain::connectPlaceHandlers() {
    connect(txtBirthPlace, &QLineEdit::textEdited, this,
            [this](const QString& text) { on_txtBirthPlace_textEdited(text); });
    connect(placeCompleter, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { on_placeList_activated(index.row()); });
    // The list is a popup outside the window's accessibility tree: the box
    // itself says what Down and Return will choose.
    connect(placeCompleter, qOverload<const QModelIndex&>(&QCompleter::highlighted), this,
            [this](const QModelIndex& index) { describePlaceList(index.row()); });
    connect(cmdNearestZone, &QPushButton::clicked, this, [this] { on_cmdNearestZone_clicked(); });

    // A zone typed, ticked or chosen by the user is the user's own.
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute}) {
        connect(box, &QLineEdit::textEdited, this, [this] { zoneTypedByHand(); });
    }
    connect(chkDST, &QCheckBox::clicked, this, [this] { zoneTypedByHand(); });
    connect(cboZoneDirection, &QComboBox::activated, this, [this] { zoneTypedByHand(); });

    // The date and time move a zone that follows the place.
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] { refreshZoneFromPlace(); });
    }

    // The offset line follows everything it is made of.
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute, txtLonD, txtLonM}) {
        connect(box, &QLineEdit::textChanged, this, [this] { updateOffsetUsed(); });
    }
    connect(chkDST, &QCheckBox::stateChanged, this, [this] { updateOffsetUsed(); });
    connect(cboZoneDirection, &QComboBox::currentIndexChanged, this,
            [this] { updateOffsetUsed(); });
    connect(optLong[0], &QRadioButton::toggled, this, [this] { updateOffsetUsed(); });

    // Coordinates typed by hand: the nearest place's zone is proposed.
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM}) {
        connect(box, &QLineEdit::textEdited, this, [this] { proposeNearestZone(); });
    }
    for (QRadioButton* option : {optLat[0], optLat[1], optLong[0], optLong[1]}) {
        connect(option, &QRadioButton::clicked, this, [this] { proposeNearestZone(); });
    }
    updateOffsetUsed();
}

void FrmMain::loadAtlas(const QString& folder) {
    // Reading waits until the window has been painted and start-up is over:
    // it takes a core for a second, which start-up is better without.
    if (!painted) {
        atlasFolder = folder;
        return;
    }
    if (atlasLoader == nullptr) {
        atlasLoader = new AtlasLoader(this);
        connect(atlasLoader, &AtlasLoader::loaded, this,
                [this](std::shared_ptr<const Atlas> loaded, const QString& error) {
                    setAtlas(std::move(loaded), error);
                });
    }
    atlasLoader->start(folder);
}

void FrmMain::setAtlas(std::shared_ptr<const Atlas> loaded, const QString& error) {
    zoneFollowing.setAtlas(std::move(loaded));
    listedPlaces.clear();
    atlasError = error;
    atlasFailed = zoneFollowing.atlas() == nullptr;
    setAtlasPlaceholder();
    if (zoneFollowing.atlas() == nullptr) {
        return;
    }
    // What was typed while the atlas was read is searched now.
    if (!txtBirthPlace->text().isEmpty() && txtBirthPlace->text() != chosenPlaceLabel) {
        on_txtBirthPlace_textEdited(txtBirthPlace->text());
        if (txtBirthPlace->hasFocus()) {
            placeCompleter->complete();
        }
    }
}

void FrmMain::setAtlasPlaceholder() {
    if (atlasFailed) {
        txtBirthPlace->setEnabled(false);
        txtBirthPlace->setPlaceholderText(tr("The atlas of places could not be read"));
        txtBirthPlace->setToolTip(atlasError);
        return;
    }
    if (zoneFollowing.atlas() == nullptr) {
        return; // still being read: the form's prompt stays
    }
    txtBirthPlace->setEnabled(true);
    txtBirthPlace->setPlaceholderText(tr("City of birth: type its name"));
    txtBirthPlace->setToolTip(QString());
}

void FrmMain::on_txtBirthPlace_textEdited(const QString& text) {
    const Atlas* atlas = zoneFollowing.atlas();
    listedPlaces =
        atlas != nullptr ? atlas->search(text, kListedPlaces) : std::vector<const Place*>{};
    QStringList labels;
    for (const Place* place : listedPlaces) {
        labels << PlaceLabel(*place);
    }
    placeModel->setStringList(labels);
    describePlaceList(-1);
}

void FrmMain::describePlaceList(int highlighted) {
    const QStringList labels = placeModel->stringList();
    QString description;
    if (labels.isEmpty()) {
        if (!txtBirthPlace->text().trimmed().isEmpty() && zoneFollowing.atlas() != nullptr) {
            description = tr("No place matches");
        }
    } else {
        const qsizetype count = labels.size();
        const QString matches =
            count == 1 ? tr("1 place matches") : tr("%1 places match").arg(count);
        description = highlighted >= 0 && highlighted < count
                          ? tr("%1; Return chooses %2, %3 of %4")
                                .arg(matches, labels[highlighted])
                                .arg(highlighted + 1)
                                .arg(count)
                          : tr("%1; Return chooses %2, Down goes through the list")
                                .arg(matches, labels.front());
    }
    if (txtBirthPlace->accessibleDescription() != description) {
        txtBirthPlace->setAccessibleDescription(description);
    }
}

bool FrmMain::chooseFirstListedPlace() {
    on_txtBirthPlace_textEdited(txtBirthPlace->text());
    if (listedPlaces.empty()) {
        return false;
    }
    placeCompleter->popup()->hide();
    choosePlace(*listedPlaces.front());
    return true;
}

void FrmMain::on_placeList_activated(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < listedPlaces.size()) {
        choosePlace(*listedPlaces[static_cast<std::size_t>(row)]);
    }
}

void FrmMain::choosePlace(const Place& place) {
    chosenPlaceLabel = PlaceLabel(place);
    txtBirthPlace->setText(chosenPlaceLabel);
    txtMCity->setText(place.AsciiName);
    txtMState->setText(place.StateAscii);
    txtMCountry->setText(place.CountryAscii);
    const RecordCoordinates c = RecordCoordinatesOf(place.Latitude, place.Longitude);
    txtLatD->setText(QString::number(c.latD));
    txtLatM->setText(QString::number(c.latM));
    optLat[c.latSouth ? 1 : 0]->setChecked(true);
    txtLonD->setText(QString::number(c.lonD));
    txtLonM->setText(QString::number(c.lonM));
    optLong[c.lonEast ? 0 : 1]->setChecked(true);
    lblNearestPlace->clear();
    cmdNearestZone->hide();
    zoneFollowing.followPlace(place);
    refreshZoneFromPlace();
}

std::optional<bool> FrmMain::zoneAhead() const {
    switch (cboZoneDirection->currentIndex()) {
    case 1:
        return true;
    case 2:
        return false;
    default:
        return std::nullopt;
    }
}

void FrmMain::setZoneAhead(std::optional<bool> ahead) {
    cboZoneDirection->setCurrentIndex(!ahead ? 0 : (*ahead ? 1 : 2));
}

void FrmMain::setTimeZone(const QByteArray& zone) {
    zoneFollowing.keepZone(zone);
}

void FrmMain::zoneWrittenByPicker(bool ahead) {
    setZoneAhead(ahead);
    zoneTypedByHand();
}

void FrmMain::zoneTypedByHand() {
    zoneFollowing.zoneTypedByHand();
}

void FrmMain::refreshZoneFromPlace() {
    if (const auto offset = zoneFollowing.followedOffset(BirthRecordOf(birthEntry()))) {
        writeZone(*offset);
    }
}

void FrmMain::writeZone(const ZoneOffset& offset) {
    const ZoneBoxes boxes = ZoneBoxesFor(offset);
    txtZoneHour->setText(QString::number(boxes.hours));
    txtZoneMinute->setText(QString::number(boxes.minutes));
    chkDST->setChecked(boxes.dst);
    setZoneAhead(boxes.ahead);
}

void FrmMain::updateOffsetUsed() {
    const QString offset =
        OffsetUsedText(BirthRecordOf(birthEntry()), txtZoneHour->text(), txtZoneMinute->text());
    lblOffsetUsed->setText(offset);
    // A label's accessible name is all a screen reader says of it: the
    // caption and the value together.
    const QString caption = tr("Offset used");
    lblOffsetUsed->setAccessibleName(offset.isEmpty() ? caption
                                                      : caption + QStringLiteral(": ") + offset);
}

void FrmMain::proposeNearestZone() {
    const NearestZoneProposal proposal =
        zoneFollowing.proposeNearest(BirthRecordOf(birthEntry()), txtLatD->text(), txtLonD->text());
    lblNearestPlace->setText(proposal.text);
    cmdNearestZone->setVisible(proposal.offered);
}

void FrmMain::on_cmdNearestZone_clicked() {
    if (zoneFollowing.followNearest()) {
        refreshZoneFromPlace();
    }
}
