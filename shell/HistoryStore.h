// The search history in the per-user settings store (QSettings), section
// "ComboHistory".
#pragma once

#include <QSettings>

#include "shell/SearchHistory.h"

class CSettingsHistoryStore : public CHistoryStore {
public:
    std::optional<QString> Read(const QString& strName) const override;
    void Write(const QString& strName, const QString& strValue) override;
    void Remove(const QString& strName) override;

private:
    static QString Key(const QString& strName) { return QStringLiteral("ComboHistory/") + strName; }

    QSettings m_settings{QStringLiteral("Glossmere"), QStringLiteral("Glossmere")};
};
