#include "entry/frm_time_zone.h"

#include "document/program_title.h"
#include "entry/frm_main.h"
#include "entry/time_zones.h"
#include "translation/translator.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace {

// The zone list reports a double-click anywhere in it, on an entry or on the
// empty space below the last one, after the click has updated the selection.
// Enter picks the selected zone too, so the picker works from the keyboard.
class ZoneList : public QListWidget {
public:
    explicit ZoneList(std::function<void()> onPick, QWidget* parent)
        : QListWidget(parent), pick(std::move(onPick)) {}

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QListWidget::mouseDoubleClickEvent(event);
        if (event->button() == Qt::LeftButton) {
            pick();
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            pick();
            return;
        }
        QListWidget::keyPressEvent(event);
    }

private:
    std::function<void()> pick;
};

// The picker's design size, 4950 x 3480 twips.
constexpr int kPickerWidth = 330;
constexpr int kPickerHeight = 232;

} // namespace

FrmTimeZone::FrmTimeZone(FrmMain& frmMain, QWidget* parent) : QDialog(parent), frmMain(frmMain) {
    setObjectName(QStringLiteral("FrmTimeZone"));
    setWindowTitle(ProgramTitle());

    lstTimeZone = new ZoneList([this] { on_lstTimeZone_doubleClicked(); }, this);
    lstTimeZone->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone->setAccessibleName(tr("Time zones"));
    lstTimeZone->setSortingEnabled(false);
    lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont listFont = lstTimeZone->font();
    listFont.setFamilies({QStringLiteral("Verdana")});
    lstTimeZone->setFont(listFont);
    for (const TimeZoneEntry& zone : kTimeZones) {
        lstTimeZone->addItem(
            TableText("TimeZones", QString::fromUtf8(zone.text.data(), std::ssize(zone.text))));
    }

    cmdQuit = new QPushButton(tr("&Quit"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    // Enter belongs to the list (it picks the zone), not to Quit.
    cmdQuit->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lstTimeZone, 1);
    layout->addWidget(cmdQuit);

    connect(cmdQuit, &QPushButton::clicked, this, [this] { on_cmdQuit_clicked(); });

    resize(QSize(kPickerWidth, kPickerHeight).expandedTo(minimumSizeHint()));
}

int FrmTimeZone::selectedPosition() const {
    const QList<QListWidgetItem*> selected = lstTimeZone->selectedItems();
    return selected.isEmpty() ? -1 : lstTimeZone->row(selected.first());
}

void FrmTimeZone::on_lstTimeZone_doubleClicked() {
    const int position = selectedPosition();
    if (position >= 0 && position < static_cast<int>(kTimeZones.size())) {
        const TimeZoneEntry& zone = kTimeZones.at(static_cast<std::size_t>(position));
        FrmMain& main = frmMain;
        main.txtZoneHour->setText(QString::number(zone.zoneHour));
        main.txtZoneMinute->setText(QString::number(zone.zoneMinute));
        // The texts are negative for zones ahead of universal time.
        main.zoneWrittenByPicker(zone.zoneHour < 0 || zone.zoneMinute < 0 ||
                                 (zone.zoneHour == 0 && zone.zoneMinute == 0));
    }
    accept();
}

void FrmTimeZone::on_cmdQuit_clicked() {
    reject();
}
