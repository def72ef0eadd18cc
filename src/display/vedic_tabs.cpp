#include "display/vedic_tabs.h"

#include "display/frm_display.h"
#include "reading/reading_rows.h"
#include "translation/reading_texts.h"
#include "translation/table_texts.h"
#include "translation/translator.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace {

// The tabs' texts: VedicText::tr("ascendant in %1").
struct VedicText {
    Q_DECLARE_TR_FUNCTIONS(VedicTabs)
};

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QTableWidgetItem* tableCell(const QString& shown, const QString& spoken = {}) {
    auto* item = new QTableWidgetItem(shown);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (!spoken.isEmpty()) {
        item->setData(Qt::AccessibleTextRole, spoken);
    }
    return item;
}

// The varga table's columns: the chart, its ascendant, the nine bodies and
// the window's two ends.
constexpr int kAscendantColumn = 1;
constexpr int kFirstBodyColumn = 2;
constexpr int kHoldsFromColumn = 11;
constexpr int kHoldsToColumn = 12;

// One end of the ascendant's window, marked when it is close and the chart
// is one whose closeness counts.
QTableWidgetItem* windowCell(const VargaRow& row, const SensitivityCell& side, bool earlier) {
    const QString edge = ClockEdgeText(earlier ? row.fromEdge : row.toEdge);
    const bool marked = row.marksClose && side.close;
    const QString spoken =
        (earlier ? VedicText::tr("%1 holds from %2") : VedicText::tr("%1 holds to %2"))
            .arg(text(row.label), edge) +
        (marked ? VedicText::tr(", within %1 minutes of the birth").arg(kCloseSensitivityMinutes)
                : QString());
    QTableWidgetItem* item = tableCell(marked ? edge + QStringLiteral(" *") : edge, spoken);
    item->setToolTip(WindowText(row));
    if (marked) {
        MarkClose(*item);
    }
    return item;
}

// The tree's levels, and where an item keeps its level and its indexes.
enum Level { kMaha, kAntar, kPratyantar };
constexpr int kLevelRole = Qt::UserRole;
constexpr int kMahaRole = Qt::UserRole + 1;
constexpr int kAntarRole = Qt::UserRole + 2;
constexpr int kTodaysPartRole = Qt::UserRole + 3; // the Pratyantar period running today

const std::array<const char*, 3> kLevelNames = {QT_TRANSLATE_NOOP("VedicTabs", "Maha dasha"),
                                                QT_TRANSLATE_NOOP("VedicTabs", "Antar dasha"),
                                                QT_TRANSLATE_NOOP("VedicTabs", "Pratyantar dasha")};

// A period of the tree: its lord and dates, heard as "Sun Antar dasha of
// Venus, from 1999-11-16 to 2000-11-15".
QTreeWidgetItem* periodItem(const DashaRow& row, Level level, const QString& within, bool today) {
    auto* item = new QTreeWidgetItem(
        QStringList{PlanetText(row.lord), text(row.startDate), text(row.endDate)});
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(0, kLevelRole, level);
    const QString levelName = VedicText::tr(kLevelNames.at(level));
    QString spoken =
        within.isEmpty()
            ? VedicText::tr("%1 %2").arg(PlanetText(row.lord), levelName)
            : VedicText::tr("%1 %2 of %3").arg(PlanetText(row.lord), levelName, within);
    spoken += VedicText::tr(", from %1 to %2").arg(text(row.startDate), text(row.endDate));
    if (today) {
        spoken += VedicText::tr(", running today");
        QFont bold = item->font(0);
        bold.setBold(true);
        for (int column = 0; column < 3; ++column) {
            item->setFont(column, bold);
            item->setBackground(column, QColor(0xdc, 0xea, 0xfb));
            item->setForeground(column, QColor(0x0b, 0x2a, 0x52));
        }
    }
    item->setData(0, Qt::AccessibleTextRole, spoken);
    const QString times = VedicText::tr("%1 to %2").arg(text(row.start), text(row.end));
    for (int column = 0; column < 3; ++column) {
        item->setToolTip(column, times);
    }
    return item;
}

} // namespace

void MarkClose(QTableWidgetItem& item) {
    QFont bold = item.font();
    bold.setBold(true);
    item.setFont(bold);
    item.setBackground(QColor(0xff, 0xe0, 0x8a));
    item.setForeground(QColor(0x3a, 0x2a, 0x00));
}

void ShowVargaTable(QTableWidget& table, const Reading& reading) {
    table.clearContents();
    const std::vector<VargaRow> rows = VargaRows(reading);
    table.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const VargaRow& row = rows[i];
        const int r = static_cast<int>(i);
        table.setItem(r, 0, tableCell(VargaTitleText(row.title)));
        table.setItem(r, kAscendantColumn,
                      tableCell(TableText("Signs", row.ascendantAbbreviation),
                                VedicText::tr("ascendant in %1").arg(SignText(row.ascendantSign))));
        for (std::size_t b = 0; b < row.bodySigns.size(); ++b) {
            const int column = kFirstBodyColumn + static_cast<int>(b);
            table.setItem(r, column,
                          tableCell(TableText("Signs", row.bodyAbbreviations[b]),
                                    VedicText::tr("%1 in %2")
                                        .arg(table.horizontalHeaderItem(column)->text(),
                                             SignText(row.bodySigns[b]))));
        }
        table.setItem(r, kHoldsFromColumn, windowCell(row, row.earlier, true));
        table.setItem(r, kHoldsToColumn, windowCell(row, row.later, false));
    }
}

void ShowDashaTree(QTreeWidget& tree, const Reading& reading, const QString& today) {
    tree.clear();
    const std::optional<DashaTable> table = DashaTableOf(reading);
    if (!table) {
        return;
    }
    const std::string date = today.toStdString();
    const DashaPath path = DashaPathOn(reading, *table, date);
    QList<QTreeWidgetItem*> mahas;
    QTreeWidgetItem* todaysAntar = nullptr;
    for (std::size_t m = 0; m < table->maha.size(); ++m) {
        const DashaTable::Maha& maha = table->maha[m];
        const bool mahaToday = path.maha == m;
        QTreeWidgetItem* mahaItem = periodItem(maha.period, kMaha, {}, mahaToday);
        for (std::size_t a = 0; a < maha.antar.size(); ++a) {
            const bool antarToday = mahaToday && path.antar == a;
            QTreeWidgetItem* antar =
                periodItem(maha.antar[a], kAntar, text(maha.period.lord), antarToday);
            antar->setData(0, kMahaRole, static_cast<int>(m));
            antar->setData(0, kAntarRole, static_cast<int>(a));
            antar->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            mahaItem->addChild(antar);
            if (antarToday) {
                todaysAntar = antar;
                if (path.pratyantar) {
                    antar->setData(0, kTodaysPartRole, static_cast<int>(*path.pratyantar));
                }
            }
        }
        mahas << mahaItem;
    }
    tree.addTopLevelItems(mahas);
    if (todaysAntar != nullptr) {
        FillPratyantarPeriods(*todaysAntar, reading);
        todaysAntar->parent()->setExpanded(true);
        todaysAntar->setExpanded(true);
        tree.scrollToItem(todaysAntar);
    }
}

void FillPratyantarPeriods(QTreeWidgetItem& item, const Reading& reading) {
    if (item.data(0, kLevelRole).toInt() != kAntar || item.childCount() > 0) {
        return;
    }
    const auto maha = static_cast<std::size_t>(item.data(0, kMahaRole).toInt());
    const auto antar = static_cast<std::size_t>(item.data(0, kAntarRole).toInt());
    const QString within = VedicText::tr("%1 and %2").arg(item.parent()->text(0), item.text(0));
    const QVariant todaysPart = item.data(0, kTodaysPartRole);
    QList<QTreeWidgetItem*> parts;
    const std::vector<DashaRow> rows = PratyantarRows(reading, maha, antar);
    for (std::size_t p = 0; p < rows.size(); ++p) {
        const bool running = todaysPart.isValid() && todaysPart.toInt() == static_cast<int>(p);
        parts << periodItem(rows[p], kPratyantar, within, running);
    }
    item.addChildren(parts);
}

void SizeVedicTabs(QTableWidget& tblVargas, QTreeWidget& treDasha) {
    const QFontMetrics cells = tblVargas.fontMetrics();
    const int pad = 3 * cells.averageCharWidth();
    QHeaderView* vargas = tblVargas.horizontalHeader();
    const QString widestEdge = QStringLiteral("before 23:59 on 31 December 1999 *");
    for (int column = 0; column < tblVargas.columnCount(); ++column) {
        const QString heading = tblVargas.horizontalHeaderItem(column)->text();
        const QString widest = column == 0 ? QStringLiteral("D24 Chaturvimsamsa")
                               : column >= tblVargas.columnCount() - 2 ? widestEdge
                                                                       : QStringLiteral("Sag");
        vargas->resizeSection(column, std::max(cells.horizontalAdvance(widest),
                                               vargas->fontMetrics().horizontalAdvance(heading)) +
                                          pad);
    }
    QHeaderView* periods = treDasha.header();
    const QFontMetrics tree = treDasha.fontMetrics();
    periods->resizeSection(0, tree.horizontalAdvance(QStringLiteral("Mercury")) + 6 * pad);
    periods->resizeSection(1, tree.horizontalAdvance(QStringLiteral("2000-12-31")) + 2 * pad);
}
