// A search history kept in memory, for the window tests (Qt, so outside the
// support library: only the window tests include it).
#pragma once

#include <map>
#include <optional>

#include <QString>

#include "shell/SearchHistory.h"

class CMapStore : public CHistoryStore {
public:
    std::optional<QString> Read(const QString& strName) const override {
        const auto it = values.find(strName);
        return it == values.end() ? std::nullopt : std::optional<QString>(it->second);
    }
    void Write(const QString& strName, const QString& strValue) override {
        values[strName] = strValue;
    }
    void Remove(const QString& strName) override { values.erase(strName); }

    std::map<QString, QString> values;
};
