#include "DictionaryManagerList.h"

#include <QHeaderView>

namespace {

constexpr int kBrokenRole = Qt::UserRole + 1;

// Red that reads on the theme's background, light or dark.
QColor BrokenColour(const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < 128 ? QColor(255, 120, 120)
                                                           : QColor(190, 0, 0);
}

}  // namespace

CManagerList::CManagerList(const QString& title, QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderLabels({title});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setTextElideMode(Qt::ElideRight);
}

void CManagerList::AddRow(const QString& text, bool bValid, const QString& toolTip) {
    auto* pItem = new QTreeWidgetItem(this, {text});
    pItem->setData(0, kBrokenRole, !bValid);
    if (!bValid) pItem->setForeground(0, BrokenColour(palette()));
    if (!toolTip.isEmpty()) pItem->setToolTip(0, toolTip);
}

int CManagerList::SelectedRow() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : indexOfTopLevelItem(items.front());
}

void CManagerList::SelectRow(int nRow) {
    QTreeWidgetItem* pItem = nRow >= 0 ? topLevelItem(nRow) : nullptr;
    if (!pItem) {
        clearSelection();
        return;
    }
    setCurrentItem(pItem);
    pItem->setSelected(true);
    scrollToItem(pItem);
}

QString CManagerList::RowText(int nRow) const {
    const QTreeWidgetItem* pItem = topLevelItem(nRow);
    return pItem ? pItem->text(0) : QString();
}

bool CManagerList::IsBrokenRow(int nRow) const {
    const QTreeWidgetItem* pItem = topLevelItem(nRow);
    return pItem && pItem->data(0, kBrokenRole).toBool();
}

void CManagerList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    setColumnWidth(0, viewport()->width() * 94 / 100);
}
