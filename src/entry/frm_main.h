#pragma once

#include "atlas/zone_following.h"
#include "birth/birth_rules.h"
#include "platform/language_menu.h"
#include "platform/shared_menus.h"
#include "ui_frm_main.h"

#include <QByteArray>
#include <QHash>
#include <QMainWindow>
#include <QPoint>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class App;
class Atlas;
class AtlasLoader;
class KeyFilter;
class QCompleter;
class QStringListModel;
struct Place;
struct ZoneOffset;
class ClickableLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// The birth-data window, laid out in frm_main.ui. Its controls carry the names
// the rest of the program knows them by (their objectName is the same text);
// the time-zone picker, the reading driver and the reading-file opener read
// and write them directly.
class FrmMain : public QMainWindow, public Ui::FrmMain {
    Q_OBJECT
public:
    explicit FrmMain(App& app, QWidget* parent = nullptr);

    // True when every input is valid; otherwise reports the first failure
    // (message box, focus) and returns false.
    bool ValidateBirthData();

    // The birth data the controls hold, and the controls set to an entry (a
    // list whose text names none of its items is left without a choice).
    BirthEntry birthEntry() const;
    void showBirthEntry(const BirthEntry& entry);

    // The controls of the form (frm_main.ui) are members by their names;
    // the option pairs are also arrays, index 0 North and East.
    std::array<QRadioButton*, 2> optLat{};
    std::array<QRadioButton*, 2> optLong{};

    // The shared menus.
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;

    // Reads the atlas in the background; the place box finds places once it
    // is read.
    void loadAtlas(const QString& folder);
    // The atlas the place box searches, or null and why there is none.
    void setAtlas(std::shared_ptr<const Atlas> loaded, const QString& error = {});
    bool atlasReady() const { return zoneFollowing.atlas() != nullptr; }

    // Fills the city, state, country, coordinates and zone from a place of
    // the atlas, as choosing it in the place box's list does; the zone then
    // follows the date and time until the user types one.
    void choosePlace(const Place& place);

    // The direction chosen in cboZoneDirection: unset for "From longitude".
    std::optional<bool> zoneAhead() const;
    void setZoneAhead(std::optional<bool> ahead);

    // The IANA zone of the place chosen, or of the reading opened; empty when
    // there is none.
    const QByteArray& timeZone() const { return zoneFollowing.zoneId(); }
    // Whether the zone boxes come from that zone and follow the date and time.
    bool zoneFollowsPlace() const { return zoneFollowing.follows(); }
    // A zone that the boxes do not follow: a reading opened, or the user's.
    void setTimeZone(const QByteArray& zone);
    // Writes an offset into the zone boxes, chkDST and the direction.
    void writeZone(const ZoneOffset& offset);
    // The picker wrote the zone boxes: a zone ahead of universal time or
    // behind it, typed for the user.
    void zoneWrittenByPicker(bool ahead);

    // Where "TZ Help" opens the time-zone picker: the label's right edge, and
    // a little below its bottom (global coordinates, top-left of the picker).
    QPoint timeZonePickerPosition() const;

protected:
    // The first paint starts reading the atlas, when it was asked for.
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Enter anywhere that does not use it itself runs "Get My Bhava Chart
    // Reading", as a dialog's default button would.
    void keyPressEvent(QKeyEvent* event) override;
    // Enter in the place box.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new language: every caption again in it.
    void changeEvent(QEvent* event) override;

private:
    void addSharedMenus();
    void retranslate();
    // The place box's prompt: the atlas is being read or was read, or why not.
    void setAtlasPlaceholder();
    void setUpControls();
    void setUpPlaceBox();
    void fillLists();
    void connectHandlers();
    void installKeyFilters();
    // The box the keyboard focus goes to for a problem with the field.
    QWidget* boxOf(BirthField field) const;

    void on_cmdRashi_clicked();
    void on_cmdOpen_clicked();
    void on_cmdBrowser_clicked();
    void on_lblTZHelp_clicked();
    void on_mnuExit_triggered();

    void connectPlaceHandlers();
    void on_txtBirthPlace_textEdited(const QString& text);
    // The place box's accessible description: how many places its list holds
    // and which one Return chooses (the highlighted row, or -1 for none).
    void describePlaceList(int highlighted);
    // Enter in the place box: the first place listed, when there is one.
    bool chooseFirstListedPlace();
    void on_placeList_activated(int row);
    void on_cmdNearestZone_clicked();
    // The zone boxes were typed by hand: they no longer follow the place.
    void zoneTypedByHand();
    // The date or time changed: a zone that follows the place is recomputed.
    void refreshZoneFromPlace();
    void updateOffsetUsed();
    // The coordinates were typed: proposes the zone of the nearest place.
    void proposeNearestZone();

    App& app;
    SharedMenus sharedMenus;
    LanguageMenu languageMenu;
    QHash<QComboBox*, QLabel*> spokenLabels; // the unseen labels naming the lists
    QString atlasError;                      // why the atlas could not be read
    bool atlasFailed = false;
    KeyFilter* keyFilter = nullptr;

    bool painted = false;
    std::optional<QString> atlasFolder; // the atlas to read once painted
    AtlasLoader* atlasLoader = nullptr;
    ZoneFollowing zoneFollowing;
    QCompleter* placeCompleter = nullptr;
    QStringListModel* placeModel = nullptr;
    std::vector<const Place*> listedPlaces; // the rows of the place box's list
    QString chosenPlaceLabel;               // the place box's text for the place chosen
};
