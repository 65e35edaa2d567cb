#include "shell/HistoryStore.h"

std::optional<QString> CSettingsHistoryStore::Read(const QString& strName) const {
    const QVariant value = m_settings.value(Key(strName));
    if (!value.isValid()) return std::nullopt;
    return value.toString();
}

void CSettingsHistoryStore::Write(const QString& strName, const QString& strValue) {
    m_settings.setValue(Key(strName), strValue);
}

void CSettingsHistoryStore::Remove(const QString& strName) {
    m_settings.remove(Key(strName));
}
