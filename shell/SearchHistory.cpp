#include "shell/SearchHistory.h"

namespace {

QString ItemName(int nIndex) {
    return QStringLiteral("MyDictHist%1").arg(nIndex);
}

const QString kCurrentName = QStringLiteral("MyDictHistSaveCurrent");

}  // namespace

std::optional<QString> CSearchHistory::Add(const QString& strText) {
    const QString strItem = strText.trimmed();
    if (strItem.isEmpty()) return std::nullopt;
    m_items.removeIf(
        [&](const QString& item) { return item.compare(strItem, Qt::CaseInsensitive) == 0; });
    m_items.prepend(strItem);
    return strItem;
}

void CSearchHistory::Load(const CHistoryStore& store) {
    QStringList stored;
    for (int n = 0;; ++n) {
        const std::optional<QString> value = store.Read(ItemName(n));
        if (!value || value->isEmpty()) break;
        stored.append(*value);
    }
    // Each item is added on top, so the oldest goes first and the stored
    // order (most recent first) is kept from one run to the next.
    for (auto it = stored.crbegin(); it != stored.crend(); ++it)
        Add(*it);
    if (const std::optional<QString> current = store.Read(kCurrentName); current) Add(*current);
}

void CSearchHistory::Save(CHistoryStore& store, const QString& strCurrent) const {
    if (m_items.isEmpty()) return;
    RemoveStored(store);
    for (int n = 0; n < m_items.size() && n < kMaxSavedItems; ++n)
        store.Write(ItemName(n), m_items[n].left(kMaxItemLength));
    if (!strCurrent.isEmpty()) store.Write(kCurrentName, strCurrent.left(kMaxItemLength));
}

void CSearchHistory::Delete(CHistoryStore& store) {
    RemoveStored(store);
    m_items.clear();
}

void CSearchHistory::RemoveStored(CHistoryStore& store) {
    for (int n = 0; store.Read(ItemName(n)); ++n)
        store.Remove(ItemName(n));
    store.Write(kCurrentName, QString());
}
